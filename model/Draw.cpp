#include "model/Draw.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/Debug.h"
#include "model/Bounds.h"
#include "model/Coupe.h"
#include "model/Entity.h"
#include "model/Face.h"
#include "model/Net.h"
#include "model/ObjCom.h"
#include "model/Update.h"

// ---- Projection -------------------------------------------------------------------

TProjection::TProjection(const TViewRecord& vue)
    : vue_(vue),
      sa_(std::sin(static_cast<double>(vue.Azimuth))),
      ca_(std::cos(static_cast<double>(vue.Azimuth))),
      sb_(std::sin(static_cast<double>(vue.Elevation))),
      cb_(std::cos(static_cast<double>(vue.Elevation))),
      s_(vue.Scale) {}

bool TProjection::Pixel(const TVertex3f& p, TPoint& pixel) const {
    // The same arithmetic as Calcs::VueVersPixel, term for term.
    const double vx = -sa_ * p.X + ca_ * p.Y + 0.0 * p.Z;
    const double vy = -sb_ * ca_ * p.X - sb_ * sa_ * p.Y + cb_ * p.Z;
    const double x = static_cast<double>(vue_.OriginX) + std::nearbyint(s_ * vx);
    const double y = static_cast<double>(vue_.OriginY) - std::nearbyint(s_ * vy);
    // Also false for NaN: a pixel is made only of finite values, and far
    // enough from the limits of an int for the figures drawn about it.
    if (!(std::fabs(x) <= kPixelMax && std::fabs(y) <= kPixelMax)) return false;
    pixel.X = static_cast<int>(x);
    pixel.Y = static_cast<int>(y);
    return true;
}

// ---- Projected control points -----------------------------------------------------

TTabCoor::TTabCoor()
    : cells_(static_cast<std::size_t>(kSurf) * kN * kN), sym_(static_cast<std::size_t>(kSurf) * kN * kN) {}

void TTabCoor::EtatTous(TEtatPC etat) {
    for (TCellPC& c : cells_) c.Etat = etat;
}

namespace {

// Work buffers of the drawing: grown once, then reused, so that drawing
// allocates nothing per point.
std::vector<TPoint>& Tampon() {
    thread_local std::vector<TPoint> buf;
    return buf;
}
std::vector<TPoint>& TamponLigne() {
    thread_local std::vector<TPoint> buf;
    return buf;
}
std::vector<std::uint8_t>& TamponValide() {
    thread_local std::vector<std::uint8_t> buf;
    return buf;
}

inline TPen Stylo(TColor c, const TViewRecord& vue, TPenStyle style = TPenStyle::Solid, int width = 1) {
    return TPen{c, width, style, PenModeOf(vue.PenMode)};
}

// Draws the points of a sequence as one polyline, leaving out the points
// without a pixel.
template <class Get>
void PolylineDe(ICanvas& cv, const TProjection& pr, int n, Get get) {
    std::vector<TPoint>& buf = TamponLigne();
    buf.clear();
    TPoint px;
    for (int k = 0; k < n; ++k)
        if (pr.Pixel(get(k), px)) buf.push_back(px);
    if (buf.size() >= 2) cv.Polyline(buf);
}

// Segment between two model points, when both have a pixel.
void Segment(ICanvas& cv, const TProjection& pr, const TVertex3f& a, const TVertex3f& b) {
    TPoint pa, pb;
    if (!pr.Pixel(a, pa) || !pr.Pixel(b, pb)) return;
    cv.MoveTo(pa.X, pa.Y);
    cv.LineTo(pb.X, pb.Y);
}

// Rows then columns of a grid of rows x cols points given by get(i, j).
template <class Get>
void DessineGrille(ICanvas& cv, const TProjection& pr, int rows, int cols, Get get) {
    if (rows <= 0 || cols <= 0) return;
    const std::size_t n = static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols);
    std::vector<TPoint>& px = Tampon();
    std::vector<std::uint8_t>& ok = TamponValide();
    if (px.size() < n) px.resize(n);
    if (ok.size() < n) ok.resize(n);
    bool tous = true;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) {
            const std::size_t k = static_cast<std::size_t>(i) * cols + j;
            ok[k] = pr.Pixel(get(i, j), px[k]) ? 1 : 0;
            tous = tous && ok[k];
        }
    std::vector<TPoint>& ligne = TamponLigne();
    if (cols >= 2) {
        for (int i = 0; i < rows; ++i) {
            const std::size_t k0 = static_cast<std::size_t>(i) * cols;
            if (tous) {
                cv.Polyline(std::span<const TPoint>(px.data() + k0, static_cast<std::size_t>(cols)));
                continue;
            }
            ligne.clear();
            for (int j = 0; j < cols; ++j)
                if (ok[k0 + j]) ligne.push_back(px[k0 + j]);
            if (ligne.size() >= 2) cv.Polyline(ligne);
        }
    }
    if (rows >= 2) {
        for (int j = 0; j < cols; ++j) {
            ligne.clear();
            for (int i = 0; i < rows; ++i) {
                const std::size_t k = static_cast<std::size_t>(i) * cols + j;
                if (ok[k]) ligne.push_back(px[k]);
            }
            if (ligne.size() >= 2) cv.Polyline(ligne);
        }
    }
}

// The rows and columns of an evaluated grid that can be read: at most the
// grid's own size.
inline int LignesLisibles(const TArrayVertex3f& g, int last) { return std::min(last + 1, g.rows()); }
inline int ColonnesLisibles(const TArrayVertex3f& g, int last) { return std::min(last + 1, g.cols()); }

inline TVertex3f XYZ(const TVertex4f& q) { return {q.X, q.Y, q.Z}; }

inline int NbL(const TNet& net) { return std::clamp(net.NbL, 0, kMaxNetSize); }
inline int NbC(const TNet& net) { return std::clamp(net.NbC, 0, kMaxNetSize); }

}  // namespace

namespace Affiche {

void MajTabCoorNet(TTabCoor& tab, int surf, const TNet& net, const TPlanSym& plan, const TViewRecord& vue) {
    DBG_SCOPE("TFormFille.MajTabCoor");
    if (surf < 0 || surf >= TTabCoor::kSurf) return;
    const TProjection pr(vue);
    const int nl = NbL(net), nc = NbC(net);
    TPoint px;
    for (int i = 0; i < nl; ++i)
        for (int j = 0; j < nc; ++j) {
            TCellPC& c = tab.At(surf, i, j);
            c.Valide = pr.Pixel(XYZ(net.TabPC[i][j]), px);
            if (c.Valide) {
                c.X = px.X;
                c.Y = px.Y;
            }
        }
    for (int i = 0; i < nl; ++i)
        for (int j = 0; j < nc; ++j) {
            TVertex3f q;
            Calcs::CalcSym(XYZ(net.TabPC[i][j]), plan.Normal, plan.D, q);
            TCellPC& c = tab.Sym(surf, i, j);
            c.Valide = pr.Pixel(q, px);
            if (c.Valide) {
                c.X = px.X;
                c.Y = px.Y;
            }
        }
}

// ---- Control nets ----------------------------------------------------------------------

void DrawArray(const TNet& net, const TPlanSym* miroir, TColor couleur, const TViewRecord& vue) {
    DBG_SCOPE("TNet.DrawArray");
    if (!vue.Canvas) return;
    ICanvas& cv = *vue.Canvas;
    const TProjection pr(vue);
    cv.SetPen(Stylo(couleur, vue));
    DessineGrille(cv, pr, NbL(net), NbC(net), [&](int i, int j) { return XYZ(net.TabPC[i][j]); });
    if (miroir) {
        DessineGrille(cv, pr, NbL(net), NbC(net), [&](int i, int j) {
            TVertex3f q;
            Calcs::CalcSym(XYZ(net.TabPC[i][j]), miroir->Normal, miroir->D, q);
            return q;
        });
    }
}

void AfficheOneLn(const TNet& net, int r, TColor couleur, const TViewRecord& vue) {
    DBG_SCOPE("TNet.AfficheOneLn");
    if (!vue.Canvas || r < 0 || r >= NbL(net)) return;
    vue.Canvas->SetPen(Stylo(couleur, vue));
    PolylineDe(*vue.Canvas, TProjection(vue), NbC(net), [&](int j) { return XYZ(net.TabPC[r][j]); });
}

void AfficheOneCol(const TNet& net, int c, TColor couleur, const TViewRecord& vue) {
    DBG_SCOPE("TNet.AfficheOneCol");
    if (!vue.Canvas || c < 0 || c >= NbC(net)) return;
    vue.Canvas->SetPen(Stylo(couleur, vue));
    PolylineDe(*vue.Canvas, TProjection(vue), NbL(net), [&](int i) { return XYZ(net.TabPC[i][c]); });
}

void AfficheLignes(const TNet& net, TColor couleur, const TViewRecord& vue) {
    DBG_SCOPE("TNet.AfficheLignes");
    if (!net.AffLignes) return;
    if (net.LigneAffichee == -1) {
        for (int r = 0; r < NbL(net); ++r) AfficheOneLn(net, r, couleur, vue);
    } else {
        AfficheOneLn(net, net.LigneAffichee, couleur, vue);
    }
}

void AfficheColonnes(const TNet& net, TColor couleur, const TViewRecord& vue) {
    DBG_SCOPE("TNet.AfficheColonnes");
    if (!net.AffColonnes) return;
    if (net.ColonneAffichee == -1) {
        for (int c = 0; c < NbC(net); ++c) AfficheOneCol(net, c, couleur, vue);
    } else {
        AfficheOneCol(net, net.ColonneAffichee, couleur, vue);
    }
}

// ---- Surfaces ------------------------------------------------------------------------

TColor CouleurSurface(const TEntity& e, const TCouleursDessin& c) {
    return e.Couleur == -1 ? c.BordSf : static_cast<TColor>(e.Couleur) & 0xFFFFFFu;
}

namespace {
inline bool MiroirVisible(const TEntity& e, const TAffichage& a) { return e.Sym && !a.MeMoitie; }
}  // namespace

void AfficheSurface(const TEntity& e, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue) {
    DBG_SCOPE("TEntity.AfficheSurface");
    if (!vue.Canvas) return;
    vue.Canvas->SetPen(Stylo(CouleurSurface(e, o.Couleurs), vue));
    ObjCom::AfficheMesh(e.Points, e.DernLigne, e.DernCol, vue);
    if (MiroirVisible(e, a)) ObjCom::AfficheMesh(e.PointsSym, e.DernLigne, e.DernCol, vue);
}

namespace {
void Bords(ICanvas& cv, const TProjection& pr, const TArrayVertex3f& g, int lastRow, int lastCol) {
    const int rows = LignesLisibles(g, lastRow), cols = ColonnesLisibles(g, lastCol);
    if (rows <= 0 || cols <= 0) return;
    PolylineDe(cv, pr, cols, [&](int j) { return g[0][j]; });
    PolylineDe(cv, pr, cols, [&](int j) { return g[rows - 1][j]; });
    PolylineDe(cv, pr, rows, [&](int i) { return g[i][0]; });
    PolylineDe(cv, pr, rows, [&](int i) { return g[i][cols - 1]; });
}
}  // namespace

void AfficheBordSurface(const TEntity& e, int /*scinde*/, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue) {
    DBG_SCOPE("TEntity.AfficheBordSurface");
    if (!vue.Canvas) return;
    ICanvas& cv = *vue.Canvas;
    const TProjection pr(vue);
    cv.SetPen(Stylo(CouleurSurface(e, o.Couleurs), vue));
    Bords(cv, pr, e.Points, e.DernLigne, e.DernCol);
    if (MiroirVisible(e, a)) Bords(cv, pr, e.PointsSym, e.DernLigne, e.DernCol);
}

void AfficheBordSurface(const TEntity& e, const TViewRecord& vue) {
    DBG_SCOPE("TEntity.AfficheBordSurface");
    if (!vue.Canvas || e.DernLigne < 0 || e.DernCol < 0) return;
    const int i = e.DernLigne / 2, j = e.DernCol / 2;
    if (i >= e.Points.rows() || j >= e.Points.cols() || i >= e.Normales.rows() || j >= e.Normales.cols()) return;
    ICanvas& cv = *vue.Canvas;
    const TProjection pr(vue);
    const TVertex3f p = e.Points[i][j];
    const TVertex3f n = e.Normales[i][j];
    const double s = e.Orientation == 1 ? -1.0 : 1.0;
    const TVertex3f fin{p.X + s * n.X, p.Y + s * n.Y, p.Z + s * n.Z};
    TPoint a, b;
    if (!pr.Pixel(p, a) || !pr.Pixel(fin, b)) return;
    constexpr TColor kGris = RGBColor(128, 128, 128);
    cv.SetPen(Stylo(kGris, vue, TPenStyle::Solid, 2));
    cv.SetBrush(TBrush{kGris, TBrushStyle::Solid});
    cv.MoveTo(a.X, a.Y);
    cv.LineTo(b.X, b.Y);
    if (!e.Verrou) cv.Ellipse(b.X - 2, b.Y - 2, b.X + 3, b.Y + 3);
    cv.SetPen(Stylo(kGris, vue, TPenStyle::Solid, 1));
}

namespace {
void DessineFamille(const TEntity& e, const TTabCoupes& tab, const TTabCoupes& sym, int n, TColor couleur,
                    const TAffichage& a, const TViewRecord& vue) {
    const int m = std::min(TDefGrille::Clamp(n), tab.Count());
    for (int k = 1; k <= m; ++k) DrawCoupe(tab[k], couleur, a.MeHerisson, vue);
    if (!MiroirVisible(e, a)) return;
    const int ms = std::min(TDefGrille::Clamp(n), sym.Count());
    for (int k = 1; k <= ms; ++k) DrawCoupe(sym[k], couleur, a.MeHerisson, vue);
}
}  // namespace

void DrawOneSec(const TEntity& e, int i, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue) {
    DBG_SCOPE("TEntity.DrawOneSec");
    if (i < 1 || i > e.Sec.Count()) return;
    DrawCoupe(e.Sec[i], o.Couleurs.Sec, a.MeHerisson, vue);
}

void DrawOneSecSym(const TEntity& e, int i, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue) {
    DBG_SCOPE("TEntity.DrawOneSecSym");
    if (!e.Sym || i < 1 || i > e.SecSym.Count()) return;
    DrawCoupe(e.SecSym[i], o.Couleurs.Sec, a.MeHerisson, vue);
}

void DrawAllSec(const TEntity& e, int n, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue) {
    DBG_SCOPE("TEntity.DrawAllSec");
    DessineFamille(e, e.Sec, e.SecSym, n, o.Couleurs.Sec, a, vue);
}

void DrawAllLgE(const TEntity& e, int n, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue) {
    DBG_SCOPE("TEntity.DrawAllLgE");
    DessineFamille(e, e.LE, e.LESym, n, o.Couleurs.LE, a, vue);
}

void DrawAllLong(const TEntity& e, int n, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue) {
    DBG_SCOPE("TEntity.DrawAllLong");
    DessineFamille(e, e.Long, e.LongSym, n, o.Couleurs.Longit, a, vue);
}

void DrawAllDiag(const TEntity& e, int n, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue) {
    DBG_SCOPE("TEntity.DrawAllDiag");
    DessineFamille(e, e.Diag, e.DiagSym, n, o.Couleurs.Diag, a, vue);
}

void DrawCoupe(const TCoupe& coupe, TColor couleur, bool herisson, const TViewRecord& vue) {
    DBG_SCOPE("TCoupe.Draw");
    if (!vue.Canvas) return;
    ICanvas& cv = *vue.Canvas;
    const TProjection pr(vue);
    cv.SetPen(Stylo(couleur, vue));
    for (const TListPt3D& l : coupe) {
        PolylineDe(cv, pr, l.Count(), [&](int k) { return l[k].P; });
        if (herisson && l.Count() > 2) {
            for (int k = 1; k + 1 < l.Count(); ++k) {
                const TPt3D& q = l[k];
                Segment(cv, pr, q.P, {q.P.X + q.V.X, q.P.Y + q.V.Y, q.P.Z + q.V.Z});
            }
        }
    }
}

void DrawBase(const TPlanSym& plan, const TViewRecord& vue) {
    DBG_SCOPE("TPlanSym.DrawBase");
    if (!vue.Canvas) return;
    ICanvas& cv = *vue.Canvas;
    const TProjection pr(vue);
    const TVertex3f o = plan.Origin;
    const TVertex3f axes[3] = {plan.Axis1, plan.Axis2, plan.Axis3};
    constexpr TColor kCyan = RGBColor(0, 255, 255), kMagenta = RGBColor(255, 0, 255);
    const TColor lignes[3] = {kCyan, kMagenta, kMagenta};
    const TColor points[3] = {RGBColor(255, 0, 0), RGBColor(0, 255, 0), RGBColor(0, 0, 255)};
    TPoint po;
    const bool origine = pr.Pixel(o, po);
    for (int k = 0; k < 3; ++k) {
        const TVertex3f e{o.X + axes[k].X, o.Y + axes[k].Y, o.Z + axes[k].Z};
        TPoint pe;
        if (!pr.Pixel(e, pe)) continue;
        cv.SetPen(Stylo(lignes[k], vue));
        if (origine) {
            cv.MoveTo(po.X, po.Y);
            cv.LineTo(pe.X, pe.Y);
        }
        cv.SetPen(Stylo(points[k], vue));
        cv.SetBrush(TBrush{points[k], TBrushStyle::Solid});
        cv.Ellipse(pe.X - 3, pe.Y - 3, pe.X + 4, pe.Y + 4);
    }
    if (!origine) return;
    cv.SetPen(Stylo(kMagenta, vue));
    const TPoint losange[5] = {{po.X - 5, po.Y}, {po.X, po.Y + 5}, {po.X + 5, po.Y}, {po.X, po.Y - 5}, {po.X - 5, po.Y}};
    cv.Polyline(losange);
}

void DrawFaces(const TListFace& list, const TViewRecord& vue) {
    DBG_SCOPE("TListFace.Draw");
    if (!vue.Canvas) return;
    ICanvas& cv = *vue.Canvas;
    const TProjection pr(vue);
    cv.SetPen(TPen{RGBColor(255, 0, 0), 1, TPenStyle::Solid, TPenMode::Copy});
    for (const TFacette& f : list) {
        TPoint t[4];
        if (!pr.Pixel(f.P1, t[0]) || !pr.Pixel(f.P2, t[1]) || !pr.Pixel(f.P3, t[2])) continue;
        t[3] = t[0];
        cv.Polyline(t);
    }
}

// ---- Reference-line grid --------------------------------------------------------------

void AfficheGrille(const TDefGrille& g, TColor couleur, const TViewRecord& vue) {
    DBG_SCOPE("TFormFille.AfficheGrille");
    if (!vue.Canvas) return;
    ICanvas& cv = *vue.Canvas;
    const TProjection pr(vue);
    cv.SetPen(Stylo(couleur, vue));
    // The angles in whole degrees, as the views keep them.
    constexpr double kDeg = 180.0 / std::numbers::pi;
    const double a = std::nearbyint(static_cast<double>(vue.Azimuth) * kDeg);
    const double e = std::nearbyint(static_cast<double>(vue.Elevation) * kDeg);
    const TVertex3f mn = g.Min, mx = g.Max;
    double xs;
    if (-90 < a && a < 90)
        xs = mn.X;
    else if (-270 <= a && a <= 270)
        xs = mx.X;
    else
        xs = mn.X;
    const double zs = e < 0 ? mx.Z : mn.Z;
    const double ys = ((-180 < a && a < 0) || a > 180) ? mx.Y : mn.Y;

    for (int k = 1; k <= g.NbSecUtil(); ++k) {
        const double y = g.Sec.Val[k];
        Segment(cv, pr, {xs, y, mn.Z}, {xs, y, mx.Z});
        Segment(cv, pr, {mn.X, y, zs}, {mx.X, y, zs});
    }
    for (int k = 1; k <= g.NbLEUtil(); ++k) {
        const double z = g.LE.Val[k];
        Segment(cv, pr, {xs, mn.Y, z}, {xs, mx.Y, z});
        Segment(cv, pr, {mn.X, ys, z}, {mx.X, ys, z});
    }
    for (int k = 1; k <= g.NbLongitUtil(); ++k) {
        const double x = g.Longit.Val[k];
        Segment(cv, pr, {x, mn.Y, zs}, {x, mx.Y, zs});
        Segment(cv, pr, {x, ys, mn.Z}, {x, ys, mx.Z});
    }
    for (int k = 1; k <= g.NbDiagUtil(); ++k) {
        const double p = g.DiagPos.Val[k];
        const double t = -g.DiagAngle.Val[k] / kDeg;
        const double kk = std::cos(t) / std::sin(t);
        TVertex3f fin{mx.X, ys, kk * mx.X + p};
        if (fin.Z < mn.Z) fin = {(mn.Z - p) / kk, ys, mn.Z};
        Segment(cv, pr, {0.0, ys, p}, fin);   // an end that is not a number has no pixel: left out
    }
}

// ---- Axes -----------------------------------------------------------------------------------

std::array<TVertex3f, 6> ExtremitesAxes(const TVertex3f& mn, const TVertex3f& mx) {
    DBG_SCOPE("TFormFille.DrawAxes");
    std::array<TVertex3f, 6> e{};
    e[0].X = mn.X >= 0 ? -1.0 : mn.X - 1.0;
    e[1].X = mx.X <= 0 ? 1.0 : mx.X + 1.0;
    e[2].Y = mn.Y >= 0 ? -1.0 : mn.Y - 1.0;
    e[3].Y = mx.Y <= 0 ? 1.0 : mx.Y + 1.0;
    e[4].Z = mn.Z >= 0 ? -1.0 : mn.Z - 1.0;
    e[5].Z = mx.Z <= 0 ? 1.0 : mx.Z + 1.0;
    return e;
}

void DrawAxes(const std::array<TVertex3f, 6>& ext, TColor couleur, const TViewRecord& vue) {
    DBG_SCOPE("TFormFille.DrawAxes");
    if (!vue.Canvas) return;
    ICanvas& cv = *vue.Canvas;
    const TProjection pr(vue);
    cv.SetPen(Stylo(couleur, vue, TPenStyle::DashDot));
    cv.SetBrushStyle(TBrushStyle::Clear);
    for (int k = 0; k < 3; ++k) Segment(cv, pr, ext[2 * k], ext[2 * k + 1]);
}

void DrawAxesPlanSym(const TEntity& e, TColor couleur, const TViewRecord& vue) {
    DBG_SCOPE("TFormFille.DrawAxes");
    if (!vue.Canvas || e.PlanSym.EstDefaut()) return;
    ICanvas& cv = *vue.Canvas;
    const TProjection pr(vue);
    cv.SetPen(Stylo(couleur, vue, TPenStyle::DashDot));
    const TPlanSym& ps = e.PlanSym;
    const TVertex3f o = ps.Origin;
    const TVertex3f o3{o.X + ps.Axis3.X, o.Y + ps.Axis3.Y, o.Z + ps.Axis3.Z};
    const TVertex3f o2{o.X + ps.Axis2.X, o.Y + ps.Axis2.Y, o.Z + ps.Axis2.Z};
    TVertex3f a{0, 0, e.PtMinZ.Z - 0.1}, b{0, 0, e.PtMaxZ.Z + 0.1};
    if (Calcs::CalcDroite(o, o3, a, 3) && Calcs::CalcDroite(o, o3, b, 3)) Segment(cv, pr, a, b);
    TVertex3f c{0, e.PtMinY.Y - 0.1, 0}, d{0, e.PtMaxY.Y + 0.1, 0};
    if (Calcs::CalcDroite(o, o2, c, 2) && Calcs::CalcDroite(o, o2, d, 2)) Segment(cv, pr, c, d);
}

}  // namespace Affiche

namespace ObjCom {

void AfficheMesh(const TArrayVertex3f& g, int lastRow, int lastCol, const TViewRecord& vue) {
    DBG_SCOPE("ObjCom.AfficheMesh");
    if (!vue.Canvas) return;
    const TProjection pr(vue);
    DessineGrille(*vue.Canvas, pr, LignesLisibles(g, lastRow), ColonnesLisibles(g, lastCol),
                  [&](int i, int j) { return g[i][j]; });
}

}  // namespace ObjCom

namespace Grille {

namespace {
inline int Borne(int n, std::span<double> out) {
    return std::clamp(n, 0, static_cast<int>(out.size()) - 1);
}
}  // namespace

void PositionsStandard(int n, double L, double m, std::span<double> out) {
    DBG_SCOPE("TGrilleForm.AutoStandSec");
    const double pas = n <= 1 ? 0.0 : L / (n - 1);
    for (int i = 1; i <= Borne(n, out); ++i) out[static_cast<std::size_t>(i)] = m + (i - 1) * pas;
}

void PositionsStandardDiag(int n, double L, double m, std::span<double> out) {
    DBG_SCOPE("TGrilleForm.AutoStandDiag");
    const double pas = n <= 0 ? 0.0 : L / n;
    for (int i = 1; i <= Borne(n, out); ++i) out[static_cast<std::size_t>(i)] = m + i * pas;
}

void AnglesDiag(int n, std::span<double> out) {
    for (int i = 1; i <= Borne(n, out); ++i)
        out[static_cast<std::size_t>(i)] = n <= 1 ? 30.0 : 30.0 + (i - 1) * 50.0 / (n - 1);
}

void PositionsEspacement(int n, double base, double espacement, std::span<double> out) {
    for (int i = 1; i <= Borne(n, out); ++i) out[static_cast<std::size_t>(i)] = base + (i - 1) * espacement;
}

void PositionsDistance(int n, double base, double fin, std::span<double> out) {
    // From the base towards the end, whichever side of the base the end lies.
    const double pas = n < 2 ? 0.0 : (fin - base) / (n - 1);
    for (int i = 1; i <= Borne(n, out); ++i) out[static_cast<std::size_t>(i)] = base + (i - 1) * pas;
}

void GrilleParDefaut(TDefGrille& g, const TEtendues& e) {
    DBG_SCOPE("TGrilleForm.GrilleParDefaut");
    if (g.NbSec == 0) {
        g.NbSec = 11;
        PositionsStandard(g.NbSec, e.LSec, e.mSec, g.Sec.Val);
    }
    if (g.NbLE == 0) {
        g.NbLE = 7;
        PositionsStandard(g.NbLE, e.LLE, e.mLE, g.LE.Val);
    }
    if (g.NbLongit == 0) {
        g.NbLongit = 9;
        PositionsStandard(g.NbLongit, e.LLong, e.mLong, g.Longit.Val);
        for (int i = 1; i <= g.NbLongit; ++i) g.LongitNeg.Val[static_cast<std::size_t>(i)] = -g.Longit.Val[static_cast<std::size_t>(i)];
    }
    if (g.NbDiag == 0) {
        g.NbDiag = 5;
        PositionsStandardDiag(g.NbDiag, e.LDiag, e.mDiag, g.DiagPos.Val);
        AnglesDiag(g.NbDiag, g.DiagAngle.Val);
    }
    MinMaxGrille(g);
}

TEtendues EtenduesGrille(Document& doc) {
    ObjCom::MajSurface(doc, true, -1);
    TEtendues x;
    TEtendue e;
    Calcs::LongueurLE(doc, -1, e, 0.0);
    if (e.Size == 0.0) Calcs::DimentionsSurf(doc, -1, e);
    x.LSec = e.Size;
    x.mSec = e.Min;
    Calcs::MinMaxZSurf(doc, -1, e);
    x.LLE = e.Size;
    x.mLE = e.Min;
    x.LDiag = e.Size;
    x.mDiag = e.Min;
    Calcs::DimentionsSurfSym(doc, -1, false, e);
    x.LLong = e.Size;
    x.mLong = e.Min;
    return x;
}

void GrilleParDefaut(Document& doc) {
    DBG_SCOPE("TGrilleForm.GrilleParDefaut");
    GrilleParDefaut(doc.DefGrille, EtenduesGrille(doc));
    for (auto& s : doc.Surfaces) {
        if (!s) continue;
        s->CreateTabCoupes(doc.DefGrille);
        s->SecFait = s->LEFait = s->LongFait = s->DiagFait = 0;
    }
    ObjCom::MajCoupesSurface(doc);
}

}  // namespace Grille
