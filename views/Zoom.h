// What part of the model a 2-D view shows: one zoom step in or out about
// the window's centre, zoom to a box, pan, centring the model origin, fit to
// the visible surfaces, and the previous view every window keeps so that
// "Vue précédente" can swap it back.
//
// Scales are in pixels per metre; the origin is the pixel onto which the
// model origin projects. Pixel rounding is to the nearest, halves to even.
#pragma once

#include "model/Calcs.h"
#include "model/UiPort.h"

class Document;
struct TVueSauvee;

namespace Zoom {

// The floor of a view's scale (pixels per metre); the ceiling is the
// document's option ZoomMax.
constexpr double kEchelleMin = 5.0;

// The view a window had before its last zoom, pan or fit.
struct TVuePrec {
    int OrigX = 0;
    int OrigY = 0;
    double Echelle = 0.0;
    friend bool operator==(const TVuePrec&, const TVuePrec&) = default;
};

// The previous view := the view as it is now.
void SauvePrec(const TViewRecord& vue, TVuePrec& prec);
// The view and its previous view change places.
void EchangePrec(TViewRecord& vue, TVuePrec& prec);

// Factors of one step: 1.6 with Alt, else 1.1 with Ctrl, else 1.3 (in), and
// their inverses 0.625, 1/1.1, 1/1.3 (out).
double FacteurAgrandir(const Ui::KeyState& k);
double FacteurReduire(const Ui::KeyState& k);

// One step in or out about the centre of a client area of w x h pixels: the
// model point under the centre stays there. The scale stops at zoomMax going
// in and at kEchelleMin going out. No redraw.
void AgrandireVue(TViewRecord& vue, int w, int h, int zoomMax, const Ui::KeyState& k);
void ReduireVue(TViewRecord& vue, int w, int h, const Ui::KeyState& k);
// The same with a given factor (>1 in, <1 out), with both limits applied.
void ZoomFacteur(TViewRecord& vue, int w, int h, double facteur, int zoomMax);

// The model origin to the centre of the client area.
void CentreFenetre(TViewRecord& vue, int w, int h);

// Zoom to a box whose first corner is c1 and whose right edge is x2 at the
// release: the box's left edge goes to the window's left edge and its width
// fills the client width w (its height, drawn in the window's proportions,
// fills the height). A box of no positive width does nothing: false, view
// unchanged.
bool ZoomBoite(TViewRecord& vue, int w, TPoint c1, int x2, int zoomMax);

// The origin moves by (dx, dy) pixels.
void Pan(TViewRecord& vue, int dx, int dy);

// Fit: previous view := the view; then the visible surfaces fill a w x h
// window with a 5 % margin (scale capped at the document's ZoomMax). False
// when there is nothing to fit (the view and the previous view unchanged).
bool AjusteFenetre(const Document& doc, TViewRecord& vue, TVuePrec& prec, int w, int h);

// "Sauver la vue": the view's origin and scale, and for the perspective its
// two angles (radians), go to its slot, which is marked set.
void SauveVue(const TViewRecord& vue, TVueSauvee& slot);
// "Vue personnalisée": a set slot gives the view its origin, scale (and, for
// the perspective, its angles), the view as it was becoming the previous
// view: true. An empty slot receives the view instead: false.
bool VuePersonnalisee(TViewRecord& vue, TVueSauvee& slot, TVuePrec& prec);

}  // namespace Zoom
