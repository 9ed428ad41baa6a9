// The content of one 2-D view, drawn in a fixed order of layers, each gated
// by a display switch of the document: background, picture, axes, grid,
// surfaces, orientation marks, borders, stations, highlighted station,
// waterlines, longitudinals, diagonals, nets, control-point markers, frames,
// dimensions, weights, sail centre, reference marks, flooding points. The
// cut lines are drawn only while the hull is shown.
//
// The window layer draws the background and the picture, then calls
// AfficheNetOne; both name their layers on the canvas (ICanvas::BeginLayer).
#pragma once

#include "model/Document.h"
#include "model/Draw.h"

namespace Affiche {

// Layer names, in drawing order.
inline constexpr const char* kCoucheFond = "fond";
inline constexpr const char* kCoucheImage = "image";
inline constexpr const char* kCoucheAxes = "axes";
inline constexpr const char* kCoucheGrille = "grille";
inline constexpr const char* kCoucheSurfaces = "surfaces";
inline constexpr const char* kCoucheOrientation = "orientation";
inline constexpr const char* kCoucheBords = "bords";
inline constexpr const char* kCoucheCouples = "couples";
inline constexpr const char* kCoucheCoupleEnValeur = "couple en valeur";
inline constexpr const char* kCoucheLignesEau = "lignes d'eau";
inline constexpr const char* kCoucheLongitudinales = "longitudinales";
inline constexpr const char* kCoucheDiagonales = "diagonales";
inline constexpr const char* kCoucheReseaux = "reseaux";
inline constexpr const char* kCoucheVertex = "vertex";
inline constexpr const char* kCoucheBases = "bases";
inline constexpr const char* kCoucheCotes = "cotes";
inline constexpr const char* kCouchePoids = "poids";
inline constexpr const char* kCoucheCentreVoilure = "centre de voilure";
inline constexpr const char* kCoucheReperes = "reperes";
inline constexpr const char* kCoucheEnvahissement = "envahissement";

// Pixels of every control point of every NURBS surface (and their mirror
// images) in the view; states are left as they are.
void MajTabCoor(const Document& doc, TTabCoor& tab, const TViewRecord& vue);

// The background of a view: the whole canvas in the background colour.
void RefreshFond(ICanvas& cv, TColor arp);

// A whole view: the background, the picture when one is given, then the
// layers of AfficheNetOne.
void AfficheVue(Document& doc, const TTabCoor& tab, const TOptionsDessin& o, const TViewRecord& vue,
                const TBitmapRef* image);

// The drawing kind of a print and of its preview: the view's lines alone,
// without the control-point markers, weights, sail centres, reference marks
// and flooding points that the four views (kinds 0..3) add.
inline constexpr int kDessinImpression = 4;

// Paints the layers of one view on the record's canvas (in copy mode), as
// drawing kind `kind`; the record's own kind gives the projection (and the
// dimensions that belong to it). Updates the document's axis ends when the
// axes are drawn, and the values of the dimensions drawn.
void AfficheNetOne(Document& doc, const TTabCoor& tab, const TOptionsDessin& o, const TViewRecord& vue, int kind);
// The view drawn as itself: kind = the record's kind.
void AfficheNetOne(Document& doc, const TTabCoor& tab, const TOptionsDessin& o, const TViewRecord& vue);

// The markers of the control points: 7 x 7 squares, filled at the four
// corners of each net, in the colour of their state (selected, welded,
// plain); the current point gets a yellow square inside its marker. Inactive
// points and hidden or locked surfaces get none.
void AffichePC(const Document& doc, const TTabCoor& tab, const TOptionsDessin& o, const TViewRecord& vue);
// The marker of one point, in the given pen mode (after a selection
// changes, before the next redraw).
void AfficheUnPC(const Document& doc, const TTabCoor& tab, const TOptionsDessin& o, const TViewRecord& vue,
                 const TPC& pc);

// The split station and the highlighted station the redraw uses, brought
// within the station count (0 and -1 when there is none to draw).
int SecScindUtil(const TDefGrille& g);
int SecEnValeurUtil(const TDefGrille& g);

// The facets under Z = 0 of every surface counted in calculations, drawn in
// red: the facet check of the surfaces.
void TestFaceList(const Document& doc, const TViewRecord& vue);

}  // namespace Affiche
