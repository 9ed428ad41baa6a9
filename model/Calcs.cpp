#include "model/Calcs.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

#include "base/Debug.h"
#include "model/UiPort.h"

namespace Calcs {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

inline TVertex3f Sub(TVertex3f a, TVertex3f b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z}; }
inline double Dot(TVertex3f a, TVertex3f b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }
inline TVertex3f Cross(TVertex3f u, TVertex3f w) {
    return {u.Y * w.Z - u.Z * w.Y, u.Z * w.X - u.X * w.Z, u.X * w.Y - u.Y * w.X};
}

// Rounds half to even and reports whether the result fits an int.
inline bool RoundToInt(double v, int offset, int sign, int& out) {
    const double r = static_cast<double>(offset) + sign * std::nearbyint(v);
    if (!(r >= static_cast<double>(INT_MIN) && r <= static_cast<double>(INT_MAX))) return false;   // NaN too
    out = static_cast<int>(r);
    return true;
}

}  // namespace

void CopieVertex3f(TVertex3f p, TVertex3f& q) {
    DBG_SCOPE("Calcs.CopieVertex3f");
    q = p;
}

void CopieVecteur3f(TVertex3f p, TVertex3f& q) {
    DBG_SCOPE("Calcs.CopieVecteur3f");
    q = p;
}

void ProjectionVue(TVertex3f p, TVertex2f& v, double azimuth, double elevation) {
    DBG_SCOPE("Calcs.ProjectionVue");
    const double sa = std::sin(azimuth), ca = std::cos(azimuth);
    const double sb = std::sin(elevation), cb = std::cos(elevation);
    v.X = static_cast<float>(-sa * p.X + ca * p.Y + 0.0 * p.Z);
    v.Y = static_cast<float>(-sb * ca * p.X - sb * sa * p.Y + cb * p.Z);
}

bool VueVersPixel(TVertex3f p, TPoint& pixel, const TViewRecord& vue) {
    DBG_SCOPE("Calcs.VueVersPixel");
    const double a = vue.Azimuth, b = vue.Elevation;
    const double sa = std::sin(a), ca = std::cos(a);
    const double sb = std::sin(b), cb = std::cos(b);
    const double vx = -sa * p.X + ca * p.Y + 0.0 * p.Z;
    const double vy = -sb * ca * p.X - sb * sa * p.Y + cb * p.Z;
    const double s = vue.Scale;
    TPoint r;
    if (!RoundToInt(s * vx, vue.OriginX, 1, r.X)) return false;
    if (!RoundToInt(s * vy, vue.OriginY, -1, r.Y)) return false;
    pixel = r;
    return true;
}

bool PixelVersPoint(const TViewRecord& vue, TPoint pixel, double horsVue, TVertex3f& p) {
    DBG_SCOPE("Calcs.PixelVersPoint");
    const double s = vue.Scale;
    if (vue.Kind == vkPerspective) {
        p = {};
        return true;
    }
    if (s == 0.0 || !std::isfinite(s)) return false;
    const double h = (static_cast<double>(pixel.X) - vue.OriginX) / s;   // right
    const double v = (static_cast<double>(vue.OriginY) - pixel.Y) / s;   // up
    switch (vue.Kind) {
        case vkSection: p = {h, horsVue, v}; return true;
        case vkPlan: p = {-v, h, horsVue}; return true;
        case vkProfile: p = {horsVue, h, v}; return true;
        default: return false;
    }
}

void CalcSym(TVertex3f p, TVertex3f n, double d, TVertex3f& q) {
    DBG_SCOPE("Calcs.CalcSym");
    const double nn = Dot(n, n);
    const double k = nn == 0.0 ? 0.0 : 2.0 * (Dot(n, p) + d) / nn;
    q = {p.X - n.X * k, p.Y - n.Y * k, p.Z - n.Z * k};
}

void CalcProjeteVect(TVertex3f p, TVertex3f u, TVertex3f n, double d, TVertex3f& q) {
    DBG_SCOPE("Calcs.CalcProjeteVect");
    const double nu = Dot(n, u);
    const double t = nu == 0.0 ? 0.0 : -(Dot(n, p) + d) / nu;
    q = {p.X + t * u.X, p.Y + t * u.Y, p.Z + t * u.Z};
}

void CalcProjeteNX(TVertex3f p, TVertex3f n, double d, TVertex3f& q) {
    DBG_SCOPE("Calcs.CalcProjeteNX");
    const double den = n.Y * n.Y + n.Z * n.Z;
    const double k = den == 0.0 ? 0.0 : (Dot(n, p) + d) / den;
    q = {p.X, p.Y - n.Y * k, p.Z - n.Z * k};
}

void CalcProjeteNY(TVertex3f p, TVertex3f n, double d, TVertex3f& q) {
    DBG_SCOPE("Calcs.CalcProjeteNY");
    const double den = n.X * n.X + n.Z * n.Z;
    const double k = den == 0.0 ? 0.0 : (Dot(n, p) + d) / den;
    q = {p.X - n.X * k, p.Y, p.Z - n.Z * k};
}

void CalcProjeteNZ(TVertex3f p, TVertex3f n, double d, TVertex3f& q) {
    DBG_SCOPE("Calcs.CalcProjeteNZ");
    const double den = n.X * n.X + n.Y * n.Y;
    const double k = den == 0.0 ? 0.0 : (Dot(n, p) + d) / den;
    q = {p.X - n.X * k, p.Y - n.Y * k, p.Z};
}

bool RotationAxe(int kind, TVertex3f centre, TVertex3f& p, double deg) {
    DBG_SCOPE("Calcs.RotationAxe");
    const double a = deg * kDeg, c = std::cos(a), s = std::sin(a);
    TVertex3f r = Sub(p, centre);
    switch (kind) {
        case 0: r = {r.X * c - r.Z * s, r.Y, r.X * s + r.Z * c}; break;
        case 1: r = {r.X * c - r.Y * s, r.X * s + r.Y * c, r.Z}; break;
        case 2: r = {r.X, r.Y * c - r.Z * s, r.Y * s + r.Z * c}; break;
        default:
            Ui::ui().showMessage("Action non prévue");
            return false;
    }
    p = {r.X + centre.X, r.Y + centre.Y, r.Z + centre.Z};
    return true;
}

bool CalcDroite(TVertex3f p1, TVertex3f p2, TVertex3f& q, int mode) {
    DBG_SCOPE("Calcs.CalcDroite");
    const TVertex3f d = Sub(p1, p2);
    switch (mode) {
        case 1:
            if (d.X == 0.0) {
                q.Y = (p1.Y + p2.Y) / 2;
                q.Z = (p1.Z + p2.Z) / 2;
            } else {
                const double t = (q.X - p2.X) / d.X;
                q.Y = t * d.Y + p2.Y;
                q.Z = t * d.Z + p2.Z;
            }
            return true;
        case 2:
            if (d.Y == 0.0) {
                q.X = (p1.X + p2.X) / 2;
                q.Z = (p1.Z + p2.Z) / 2;
            } else {
                const double t = (q.Y - p2.Y) / d.Y;
                q.X = t * d.X + p2.X;
                q.Z = t * d.Z + p2.Z;
            }
            return true;
        case 3:
            if (d.Z == 0.0) {
                q.X = (p1.X + p2.X) / 2;
                q.Y = (p1.Y + p2.Y) / 2;
            } else {
                const double t = (q.Z - p2.Z) / d.Z;
                q.X = t * d.X + p2.X;
                q.Y = t * d.Y + p2.Y;
            }
            return true;
        default:
            Ui::ui().showMessage("Cas impossible dans le mode de calcul des droites");
            return false;
    }
}

void InterDiagonale(TVertex3f p1, TVertex3f p2, TVertex3f& q, double m, double c) {
    DBG_SCOPE("Calcs.InterDiagonale");
    const TVertex3f d = Sub(p2, p1);
    const double t = (p1.Z - m * p1.X - c) / (m * d.X - d.Z);
    q.X = p1.X + t * d.X;
    q.Y = p1.Y + t * d.Y;
    q.Z = m * q.X + c;
}

void NormaleTriangle(TVertex3f a, TVertex3f b, TVertex3f c, TVertex3f& n) {
    DBG_SCOPE("Calcs.NormaleTriangle");
    n.X = (b.Z - c.Z) * a.Y + (c.Z - a.Z) * b.Y + (a.Z - b.Z) * c.Y;
    n.Y = (b.X - c.X) * a.Z + (c.X - a.X) * b.Z + (a.X - b.X) * c.Z;
    n.Z = (b.Y - c.Y) * a.X + (c.Y - a.Y) * b.X + (a.Y - b.Y) * c.X;
}

void NormalizeVertex3f(TVertex3f& v) {
    DBG_SCOPE("Calcs.NormalizeVertex3f");
    const double l = std::sqrt(Dot(v, v));
    if (l == 0.0) {
        v = {0.0, 1.0, 0.0};
        return;
    }
    v = {v.X / l, v.Y / l, v.Z / l};
}

double Distance2D(TVertex2f a, TVertex2f b) {
    DBG_SCOPE("Calcs.Distance2D");
    const double dx = static_cast<double>(a.X) - b.X, dy = static_cast<double>(a.Y) - b.Y;
    return std::sqrt(dx * dx + dy * dy);
}

double Distance3D(TVertex3f a, TVertex3f b) {
    DBG_SCOPE("Calcs.Distance3D");
    const TVertex3f d = Sub(a, b);
    return std::sqrt(Dot(d, d));
}

double Angle2D(TVertex2f o, TVertex2f a, TVertex2f b) {
    DBG_SCOPE("Calcs.Angle2D");
    const double oa = Distance2D(o, a), ob = Distance2D(o, b), ab = Distance2D(a, b);
    if (oa == 0.0 || ob == 0.0) return 0.0;
    // Rounding can carry the cosine of collinear points just past +-1.
    const double c = std::clamp((oa * oa + ob * ob - ab * ab) / (2.0 * oa * ob), -1.0, 1.0);
    return std::acos(c) / kDeg;
}

double Angle3D(TVertex3f a, TVertex3f o, TVertex3f b) {
    DBG_SCOPE("Calcs.Angle3D");
    const double d1 = Distance3D(o, b), d2 = Distance3D(o, a);
    if (d1 == 0.0 || d2 == 0.0) return 0.0;
    const TVertex3f u = Sub(a, o), w = Sub(b, o);
    const double cs = Dot(u, w) / (d1 * d2);
    const TVertex3f x = Cross(u, w);
    const double sn = std::sqrt(Dot(x, x)) / (d1 * d2);
    if (cs == 0.0) return 90.0;
    double r = std::atan(sn / cs) / kDeg;
    if (cs < 0.0) r += 180.0;
    return r;
}

double AngleOriente2D(TVertex2f a, TVertex2f o, TVertex2f b) {
    DBG_SCOPE("Calcs.AngleOriente2D");
    const double ux = static_cast<double>(a.X) - o.X, uy = static_cast<double>(a.Y) - o.Y;
    const double wx = static_cast<double>(b.X) - o.X, wy = static_cast<double>(b.Y) - o.Y;
    const double lu = std::sqrt(ux * ux + uy * uy), lw = std::sqrt(wx * wx + wy * wy);
    if (lu == 0.0 || lw == 0.0) return 0.0;
    const double cs = (ux * wx + uy * wy) / (lu * lw);
    const double sn = (ux * wy - uy * wx) / (lu * lw);
    // The sign of the sine decides the side, also for right angles.
    double r = std::atan2(sn, cs) / kDeg;
    if (r <= -180.0) r = 180.0;   // -0 sine on the far side: keep (-180, 180]
    if (Debug::Tracing()) {   // the report is built only for a listener: nothing allocated otherwise
        const int quadrant = cs >= 0.0 ? (sn >= 0.0 ? 1 : 4) : (sn >= 0.0 ? 2 : 3);
        Debug::DbgMsgI(Debug::waTrace, "Calcs.AngleOriente2D", 0, {quadrant});
    }
    return r;
}

bool CerclePar3Pts(TVertex3f a, TVertex3f b, TVertex3f c, TVertex3f& centre) {
    DBG_SCOPE("Calcs.CerclePar3Pts");
    const TVertex3f u = Sub(a, b), w = Sub(c, b);
    const TVertex3f n = Cross(u, w);
    const double nn = Dot(n, n);
    if (nn == 0.0) return false;
    const double ua = Dot(u, u), uw = Dot(u, w), ww = Dot(w, w);
    const double s = (ua - uw) * ww / (2.0 * nn);
    const double t = (ww - uw) * ua / (2.0 * nn);
    centre = {b.X + s * u.X + t * w.X, b.Y + s * u.Y + t * w.Y, b.Z + s * u.Z + t * w.Z};
    return true;
}

void Courbure(TVertex3f a, TVertex3f p, TVertex3f c, TPeigne& comb, bool racine,
              const TOptionsCourbure& options) {
    DBG_SCOPE("Calcs.Courbure");
    const double k = options.Facteur;
    const TVertex3f a2 = {p.X + k * (a.X - p.X), p.Y + k * (a.Y - p.Y), p.Z + k * (a.Z - p.Z)};
    const TVertex3f c2 = {p.X + k * (c.X - p.X), p.Y + k * (c.Y - p.Y), p.Z + k * (c.Z - p.Z)};
    TVertex3f centre;
    if (!CerclePar3Pts(a2, p, c2, centre)) {
        comb = {};
        return;
    }
    TVertex3f v = Sub(centre, p);
    const double rho = std::sqrt(Dot(v, v));
    if (rho == 0.0) {
        comb = {{}, 10000.0};
        return;
    }
    comb.Valeur = racine ? 1.0 / std::sqrt(rho) : 1.0 / rho;
    if (!options.LongueurBrute) {
        const double f = comb.Valeur / rho;
        v = {v.X * f, v.Y * f, v.Z * f};
    }
    if (options.Cote == 1) v = {-v.X, -v.Y, -v.Z};
    comb.V = v;
}

double CalcSurfTri(TVertex3f a, TVertex3f b, TVertex3f c) {
    DBG_SCOPE("Calcs.CalcSurfTri");
    const double la = Distance3D(b, c), lb = Distance3D(a, c), lc = Distance3D(a, b);
    const double s = (la + lb + lc) / 2.0;
    return std::sqrt(std::fabs(s * (s - la) * (s - lb) * (s - lc)));
}

void CentreTriangle(TVertex3f a, TVertex3f b, TVertex3f c, TVertex3f& g) {
    DBG_SCOPE("Calcs.CentreTriangle");
    g = {(a.X + b.X + c.X) / 3.0, (a.Y + b.Y + c.Y) / 3.0, (a.Z + b.Z + c.Z) / 3.0};
}

double AireTrapeze(double a, double b, double h) {
    DBG_SCOPE("Calcs.AireTrapeze");
    return (a + b) * h / 2.0;
}

double NormeVecteur(TVertex3f v) {
    DBG_SCOPE("Calcs.NormeVecteur");
    return std::sqrt(Dot(v, v));
}

void ProduitVectoriel(TVertex3f a, TVertex3f b, TVertex3f c, TVertex3f& n) {
    DBG_SCOPE("Calcs.ProduitVectoriel");
    n = Cross(Sub(a, b), Sub(c, b));
}

void Difference(TVertex3f a, TVertex3f b, TVertex3f& d) {
    DBG_SCOPE("Calcs.Difference");
    d = Sub(b, a);
}

void ProduitVectorielVecteurs(TVertex3f u, TVertex3f w, TVertex3f& n) {
    DBG_SCOPE("Calcs.ProduitVectorielVecteurs");
    n = Cross(u, w);
}

double ProduitScalaire(TVertex3f u, TVertex3f w) {
    DBG_SCOPE("Calcs.ProduitScalaire");
    return Dot(u, w);
}

bool SurSegment(TPoint p, TPoint a, TPoint b) {
    DBG_SCOPE("Calcs.SurSegment");
    // Offsets of the line from P one column left, at and one column right of
    // P; kept in double, only their signs matter.
    const double px = p.X, py = p.Y, ax = a.X, ay = a.Y, bx = b.X, by = b.Y;
    double dm, d0, dp, pos;
    if (ax != bx) {
        const double m = (by - ay) / (bx - ax);
        const double c = ay - m * ax;
        dm = std::nearbyint(m * (px - 1.0) + c - py);
        d0 = std::nearbyint(m * px + c) - py;
        dp = std::nearbyint(m * (px + 1.0) + c - py);
        pos = (bx - px) / (bx - ax);
    } else {
        if (ay == by) return false;   // a segment of no length
        dm = px - 1.0 - ax;
        d0 = px - ax;
        dp = px + 1.0 - ax;
        pos = (by - py) / (by - ay);
    }
    const bool onLine = d0 == 0.0 || (dm <= 0.0 && dp >= 0.0) || (dm >= 0.0 && dp <= 0.0);
    return onLine && pos >= 0.0 && pos <= 1.0;
}

}  // namespace Calcs

namespace ObjCom {

double MaxTableau(std::span<const double> values) {
    DBG_SCOPE("ObjCom.MaxTableau");
    double r = -10000.0;
    for (double v : values)
        if (v > r) r = v;
    return r;
}

double MinTableau(std::span<const double> values) {
    DBG_SCOPE("ObjCom.MinTableau");
    double r = 10000.0;
    for (double v : values)
        if (v < r) r = v;
    return r;
}

}  // namespace ObjCom
