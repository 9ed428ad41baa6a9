#include "model/DrawMesure.h"

#include <cmath>
#include <numbers>

#include "base/Debug.h"
#include "base/Format.h"
#include "base/Langue.h"
#include "model/Draw.h"
#include "model/ObjCom.h"
#include "model/UiPort.h"

namespace ObjCom {

std::string TexteLongueur(double v) { return Format::Fixe(v, 3) + " m"; }
std::string TexteAngle(double v) { return Format::Fixe(v, 2) + " \xC2\xB0"; }

}  // namespace ObjCom

namespace {

// Pen, font and brush of the measures and marks.
void Preparer(ICanvas& cv, TColor couleur, TPenMode mode) {
    cv.SetPen(TPen{couleur, 1, TPenStyle::Solid, mode});
    cv.SetBrushStyle(TBrushStyle::Clear);
    cv.SetFont(TFont{couleur, 8});
}

// The circle of 9 pixels that marks the ends of a measure.
inline void Rond(ICanvas& cv, TPoint p) { cv.Ellipse(p.X - 4, p.Y - 4, p.X + 5, p.Y + 5); }

inline TPenMode ModeElastique(int mode) { return mode == TMesure::mFinal ? TPenMode::Copy : TPenMode::Xor; }

void Statut(const std::string& texte) { Ui::ui().writeStatusBar(3, Langue::Txt("rsMesure2p") + texte); }

}  // namespace

void TMesure::Draw(int mode, const TViewRecord& vue, TColor couleur, bool rapporte) {
    switch (genre_) {
        case gMetre: DrawMetre(mode, vue, couleur); break;
        case gCercle: DrawCercle(mode, vue, couleur); break;
        case gAngle: DrawAngle(mode, vue, couleur); break;
    }
    if (rapporte) Statut(Text);
}

// The length and the segment between the two ends, common to the rule and
// the radius; false when nothing more can be drawn.
bool TMesure::DrawSegment(int mode, const TViewRecord& vue, TColor couleur, TPenMode debut, TPoint& a, TPoint& b) {
    Value = static_cast<float>(Calcs::Distance3D(P1, P2));
    Text = ObjCom::TexteLongueur(Value);
    if (!vue.Canvas) return false;
    ICanvas& cv = *vue.Canvas;
    const TProjection pr(vue);
    if (!pr.Pixel(P1, a) || !pr.Pixel(P2, b)) return false;
    Preparer(cv, couleur, debut);
    Rond(cv, a);
    cv.SetPenMode(ModeElastique(mode));
    cv.Line(a.X, a.Y, b.X, b.Y);
    Rond(cv, b);
    return true;
}

void TMesure::DrawMetre(int mode, const TViewRecord& vue, TColor couleur) {
    DBG_SCOPE("TMetre.Draw");
    TPoint a, b;
    if (!DrawSegment(mode, vue, couleur, PenModeOf(vue.PenMode), a, b)) return;
    if (mode == mFinal) vue.Canvas->TextOut((a.X + b.X) / 2 - 10, (a.Y + b.Y) / 2, Text);
}

void TMesure::DrawCercle(int mode, const TViewRecord& vue, TColor couleur) {
    DBG_SCOPE("TMetreCercle.Draw");
    TPoint a, b;
    if (!DrawSegment(mode, vue, couleur, TPenMode::Copy, a, b) || mode != mFinal) return;
    ICanvas& cv = *vue.Canvas;
    const TProjection pr(vue);
    const double r = Value;
    TPoint pts[101];
    int n = 0;
    for (int i = 0; i <= 100; ++i) {
        const double t = i * 2.0 * std::numbers::pi / 100.0;
        const double c = r * std::cos(t), s = r * std::sin(t);
        TVertex3f q;
        if (View == vkPlan)
            q = {P1.X + c, P1.Y + s, 0.0};
        else if (View == vkProfile)
            q = {0.0, P1.Y + c, P1.Z + s};
        else
            q = {P1.X + c, 0.0, P1.Z + s};
        if (pr.Pixel(q, pts[n])) ++n;
    }
    if (n >= 2) cv.Polyline(std::span<const TPoint>(pts, static_cast<std::size_t>(n)));
    cv.TextOut((a.X + b.X) / 2 - 10, (a.Y + b.Y) / 2, Text);
}

void TMesure::DrawAngle(int mode, const TViewRecord& vue, TColor couleur) {
    DBG_SCOPE("TMetreAngle.Draw");
    const TProjection pr(vue);
    TPoint o, a, b;
    const bool okO = pr.Pixel(P1, o), okA = pr.Pixel(P2, a), okB = NbPts >= 2 && pr.Pixel(P3, b);
    // The angle is the one seen in the view where it was taken: another view
    // (the perspective draws every dimension) shows it without changing it.
    if (NbPts >= 2 && okO && okA && okB && vue.Kind == View) {
        Value = static_cast<float>(Calcs::AngleOriente2D({static_cast<float>(a.X), static_cast<float>(a.Y)},
                                                         {static_cast<float>(o.X), static_cast<float>(o.Y)},
                                                         {static_cast<float>(b.X), static_cast<float>(b.Y)}));
    }
    Text = ObjCom::TexteAngle(Value);
    if (!vue.Canvas || !okO || !okA) return;
    ICanvas& cv = *vue.Canvas;
    Preparer(cv, couleur, PenModeOf(vue.PenMode));
    Rond(cv, o);
    cv.SetPenMode(ModeElastique(mode));
    cv.Line(o.X, o.Y, a.X, a.Y);
    Rond(cv, a);
    if (NbPts < 2 || !okB) return;
    cv.Line(o.X, o.Y, b.X, b.Y);
    Rond(cv, b);
    // The arc that spans the measured angle. The value is taken on pixels
    // (Y downwards), so a positive value turns clockwise on the screen; the
    // canvas draws arcs counter-clockwise on the screen.
    if (Value > 0)
        cv.Arc(o.X - 10, o.Y - 10, o.X + 10, o.Y + 10, b.X, b.Y, a.X, a.Y);
    else
        cv.Arc(o.X - 10, o.Y - 10, o.X + 10, o.Y + 10, a.X, a.Y, b.X, b.Y);
    if (mode == mFinal) cv.TextOut((a.X + b.X) / 2 - 10, (a.Y + b.Y) / 2, Text);
}

namespace ObjCom {

void AffichePoids(const TPoids& w, int ratioVect, TColor couleur, const TViewRecord& vue) {
    DBG_SCOPE("ObjCom.AffichePoids");
    if (!vue.Canvas) return;
    ICanvas& cv = *vue.Canvas;
    const TProjection pr(vue);
    TPoint g;
    if (!pr.Pixel({w.X, w.Y, w.Z}, g)) return;
    Preparer(cv, couleur, TPenMode::Copy);
    cv.Ellipse(g.X - 2, g.Y - 2, g.X + 3, g.Y + 3);
    TPoint e;
    const double k = ratioVect != 0 ? ratioVect : 1000;
    if (vue.Kind != vkPlan && pr.Pixel({w.X, w.Y, w.Z - 10.0 * w.Masse / k}, e)) {
        cv.Line(g.X, g.Y, e.X, e.Y - 6);
        const TPoint tete[4] = {{e.X - 2, e.Y - 6}, {e.X + 2, e.Y - 6}, {e.X, e.Y}, {e.X - 2, e.Y - 6}};
        cv.Polyline(tete);
    }
    cv.TextOut(g.X + 5, g.Y - 8, w.Nom);
}

void AfficheCentre(const TVertex3f& p, int taille, const std::string& label, TColor couleur, const TViewRecord& vue) {
    DBG_SCOPE("ObjCom.AfficheCentre");
    if (!vue.Canvas) return;
    ICanvas& cv = *vue.Canvas;
    TPoint c;
    if (!TProjection(vue).Pixel(p, c)) return;
    Preparer(cv, couleur, TPenMode::Copy);
    cv.Ellipse(c.X - taille, c.Y - taille, c.X + taille + 1, c.Y + taille + 1);
    if (!label.empty()) cv.TextOut(c.X + taille + 3, c.Y - 8, label);
}

void AfficheRepere(const TRepere& m, TColor couleur, const TViewRecord& vue) {
    DBG_SCOPE("ObjCom.AfficheRepere");
    if (!vue.Canvas) return;
    ICanvas& cv = *vue.Canvas;
    TPoint c;
    if (!TProjection(vue).Pixel({m.X, m.Y, m.Z}, c)) return;
    Preparer(cv, couleur, PenModeOf(vue.PenMode));
    cv.Line(c.X - 2, c.Y - 2, c.X + 4, c.Y + 4);
    cv.Line(c.X - 2, c.Y + 3, c.X + 4, c.Y - 3);
}

void AfficheRepereEnv(const TRepereEnv& f, TColor couleur, const TViewRecord& vue) {
    DBG_SCOPE("ObjCom.AfficheRepereEnv");
    if (!vue.Canvas) return;
    ICanvas& cv = *vue.Canvas;
    TPoint c;
    if (!TProjection(vue).Pixel({f.X, f.Y, f.Z}, c)) return;
    Preparer(cv, couleur, PenModeOf(vue.PenMode));
    cv.Ellipse(c.X - 5, c.Y - 5, c.X + 6, c.Y + 6);
}

}  // namespace ObjCom
