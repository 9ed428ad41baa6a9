#include "model/Face.h"

#include <cmath>
#include <utility>

#include "base/Debug.h"
#include "model/Calcs.h"
#include "model/Entity.h"

TFacette::TFacette(const TVertex3f& a, const TVertex3f& b, const TVertex3f& c) : P1(a), P2(b), P3(c) {
    // V = (P1 - P2) x (P3 - P2)
    const double ux = a.X - b.X, uy = a.Y - b.Y, uz = a.Z - b.Z;
    const double wx = c.X - b.X, wy = c.Y - b.Y, wz = c.Z - b.Z;
    const double vx = uy * wz - uz * wy;
    const double vy = uz * wx - ux * wz;
    const double vz = ux * wy - uy * wx;
    Aire = std::sqrt(vx * vx + vy * vy + vz * vz) / 2.0;
    Signe = vz >= 0 ? 1 : -1;
    AireZ = vz / 2.0;
}

namespace {

// Where segment PQ meets the plane Z = z, interpolated from Q; the midpoint
// when PQ is horizontal.
inline TVertex3f Inter(const TVertex3f& p, const TVertex3f& q, double z) {
    const double dz = p.Z - q.Z;
    if (dz == 0.0) return {(p.X + q.X) / 2.0, (p.Y + q.Y) / 2.0, z};
    const double t = (z - q.Z) / dz;
    return {t * (p.X - q.X) + q.X, t * (p.Y - q.Y) + q.Y, z};
}

// Hands one triangle to the output after the orientation flag, and clipped
// under z when asked.
template <class Out>
inline void Emit(Out& out, TVertex3f a, const TVertex3f& b, TVertex3f c, int orientation, bool clip, double z) {
    if (orientation == 0) std::swap(a, c);
    if (!clip) {
        out(a, b, c);
        return;
    }
    TVertex3f bb = b, d, e, f;
    const int n = Calcs::GetTriUnderDWL(a, bb, c, z, d, e, f);
    if (n >= 1) out(a, bb, c);
    if (n == 2) out(d, e, f);
}

// A grid's cells, each cut along the diagonal from (i, j + 1) to (i + 1, j).
// A mirror grid holds its rows in reverse order, so the image of that
// diagonal runs from (i, j) to (i + 1, j + 1) in it: each mirror triangle is
// the image of its twin, turned back so that it keeps the outward winding,
// with the image of the twin's middle vertex in the middle. A symmetric
// surface thus gives two halves that are exact images of each other.
template <class Out>
void Cells(const TArrayVertex3f& g, bool miroir, int orientation, bool clip, double z, Out& out) {
    for (int i = 0; i + 1 < g.rows(); ++i) {
        const TVertex3f* r0 = g[i];
        const TVertex3f* r1 = g[i + 1];
        for (int j = 0; j + 1 < g.cols(); ++j) {
            if (miroir) {
                Emit(out, r0[j], r1[j + 1], r1[j], orientation, clip, z);
                Emit(out, r0[j], r0[j + 1], r1[j + 1], orientation, clip, z);
            } else {
                Emit(out, r0[j], r0[j + 1], r1[j], orientation, clip, z);
                Emit(out, r0[j + 1], r1[j + 1], r1[j], orientation, clip, z);
            }
        }
    }
}

template <class Out>
void Build(const TArrayVertex3f& g, const TArrayVertex3f* mirror, int orientation, int junction, bool clip,
           double z, Out& out) {
    Cells(g, false, orientation, clip, z, out);
    if (mirror == nullptr || mirror->empty()) return;
    const TArrayVertex3f& m = *mirror;
    Cells(m, true, orientation, clip, z, out);
    // The junction pairs each border point with its mirror image, so both
    // grids must have the same size.
    if (junction == 0 || m.rows() < 2 || m.rows() != g.rows() || m.cols() != g.cols()) return;
    const int r = g.rows() - 1, c = g.cols() - 1;
    auto S = [&m](int i, int j) -> const TVertex3f& { return m[m.rows() - 1 - i][j]; };
    for (int i = 0; i < r; ++i) {
        Emit(out, S(i, 0), g[i][0], S(i + 1, 0), orientation, clip, z);
        Emit(out, S(i + 1, 0), g[i][0], g[i + 1][0], orientation, clip, z);
        Emit(out, S(i, c), g[i + 1][c], g[i][c], orientation, clip, z);
        Emit(out, S(i, c), S(i + 1, c), g[i + 1][c], orientation, clip, z);
    }
    for (int j = 0; j < c; ++j) {
        Emit(out, S(0, j), S(0, j + 1), g[0][j], orientation, clip, z);
        Emit(out, S(0, j + 1), g[0][j + 1], g[0][j], orientation, clip, z);
        Emit(out, S(r, j + 1), S(r, j), g[r][j], orientation, clip, z);
        Emit(out, g[r][j], g[r][j + 1], S(r, j + 1), orientation, clip, z);
    }
}

// The closing skin of one grid: for each border edge a -> b, walked as the
// cells turn (row 0 forward, last column down, last row back, column 0 up),
// the strip b, a, a', b' to the images on the plane, then the fan from one
// image over b', a'. The strips meet the cells along the border in the
// opposite sense, and the fan the strips, so that the whole is one closed
// skin whatever the grid's shape.
template <class Out>
void Fermeture(const TArrayVertex3f& g, const TPlanSym& plan, int orientation, double z, Out& out) {
    const int r = g.rows() - 1, c = g.cols() - 1;
    if (r < 1 || c < 1) return;
    auto image = [&plan](const TVertex3f& p) {
        TVertex3f q;
        Calcs::CalcProjeteNY(p, plan.Normal, plan.D, q);
        return q;
    };
    const TVertex3f centre = image(g[0][0]);
    auto bord = [&](const TVertex3f& a, const TVertex3f& b) {
        const TVertex3f ia = image(a), ib = image(b);
        Emit(out, b, a, ia, orientation, true, z);
        Emit(out, b, ia, ib, orientation, true, z);
        Emit(out, centre, ib, ia, orientation, true, z);
    };
    for (int j = 0; j < c; ++j) bord(g[0][j], g[0][j + 1]);
    for (int i = 0; i < r; ++i) bord(g[i][c], g[i + 1][c]);
    for (int j = c; j > 0; --j) bord(g[r][j], g[r][j - 1]);
    for (int i = r; i > 0; --i) bord(g[i][0], g[i - 1][0]);
}

struct ToList {
    TListFace& list;
    void operator()(const TVertex3f& a, const TVertex3f& b, const TVertex3f& c) { list.Add(TFacette(a, b, c)); }
};

struct ToSums {
    TSommeFaces& sums;
    void operator()(const TVertex3f& a, const TVertex3f& b, const TVertex3f& c) { sums.Add(a, b, c); }
};

}  // namespace

int Calcs::GetTriUnderDWL(TVertex3f& a, TVertex3f& b, TVertex3f& c, double z, TVertex3f& d, TVertex3f& e,
                          TVertex3f& f) {
    const bool belowA = a.Z <= z, belowB = b.Z <= z, belowC = c.Z <= z;
    const bool aboveA = a.Z >= z, aboveB = b.Z >= z, aboveC = c.Z >= z;
    if (!belowA && !belowB && !belowC) return 0;
    if (belowA && belowB && belowC) return 1;
    if (belowA && aboveB && aboveC) {
        b = Inter(a, b, z);
        c = Inter(a, c, z);
        return 1;
    }
    if (belowB && aboveA && aboveC) {
        a = Inter(b, a, z);
        c = Inter(b, c, z);
        return 1;
    }
    if (belowC && aboveA && aboveB) {
        a = Inter(c, a, z);
        b = Inter(c, b, z);
        return 1;
    }
    // Two below, one above: the quadrilateral left under the plane becomes
    // two triangles, both turning as ABC does.
    if (aboveA) {
        const TVertex3f q1 = Inter(a, b, z), q2 = Inter(a, c, z);
        a = q1;
        d = c;
        e = q2;
        f = q1;
    } else if (aboveB) {
        const TVertex3f q1 = Inter(b, c, z), q2 = Inter(b, a, z);
        b = q1;
        d = q2;
        e = q1;
        f = a;
    } else {
        const TVertex3f q1 = Inter(c, a, z), q2 = Inter(c, b, z);
        c = q1;
        d = b;
        e = q2;
        f = q1;
    }
    return 2;
}

void TListFace::Add(const TVertex3f& a, const TVertex3f& b, const TVertex3f& c, int orientation) {
    ToList out{*this};
    Emit(out, a, b, c, orientation, false, 0.0);
}

void TListFace::Add(const TVertex3f& a, const TVertex3f& b, const TVertex3f& c, int orientation, double z) {
    ToList out{*this};
    Emit(out, a, b, c, orientation, true, z);
}

// The prism between a facet and the plane, with h_i = Z_i - z and A its signed
// projected area, has the volume -A.sum(h)/3 (positive under a facet turning
// clockwise seen from above). Its centroid is exact for sloping facets:
//   x = (sum(x_i h_i) + sum(x_i) sum(h)) / (4 sum(h)), y likewise,
//   z = (sum(h_i^2) + sum(h)^2) / (8 sum(h)),
// so the moments -A(sum(x_i h_i) + sum(x_i) sum(h))/12 and
// -A(sum(h_i^2) + sum(h)^2)/24 need no division and vanish with sum(h).
void TSommeFaces::Add(const TFacette& f) {
    ++count_;
    const double h1 = f.P1.Z - z_, h2 = f.P2.Z - z_, h3 = f.P3.Z - z_;
    const double sh = h1 + h2 + h3;
    const double A = f.AireZ;
    const double prisme = A * (f.P1.Z + f.P2.Z + f.P3.Z - 3.0 * z_);
    s_ += prisme;
    sAbs_ += std::fabs(prisme);
    mx_ += A * (f.P1.X * h1 + f.P2.X * h2 + f.P3.X * h3 + (f.P1.X + f.P2.X + f.P3.X) * sh);
    my_ += A * (f.P1.Y * h1 + f.P2.Y * h2 + f.P3.Y * h3 + (f.P1.Y + f.P2.Y + f.P3.Y) * sh);
    mz_ += A * (h1 * h1 + h2 * h2 + h3 * h3 + sh * sh);
    aire_ += f.Aire;
    ax_ += f.Aire * (f.P1.X + f.P2.X + f.P3.X) / 3.0;
    ay_ += f.Aire * (f.P1.Y + f.P2.Y + f.P3.Y) / 3.0;
    az_ += f.Aire * (f.P1.Z + f.P2.Z + f.P3.Z) / 3.0;
}

void TSommeFaces::AjouteVolume(const TSommeFaces& o) {
    count_ += o.count_;
    s_ += o.s_;
    sAbs_ += o.sAbs_;
    mx_ += o.mx_;
    my_ += o.my_;
    mz_ += o.mz_;
}

double TSommeFaces::Volume(double f) const { return -(s_ / 3.0) * f; }

bool TSommeFaces::CentreVolume(TVertex3f& centre, double& volume, double f) const {
    // Two halves of opposite signs leave a rounding residue whose centre
    // would lie anywhere: only a volume above the rounding of its sum has one.
    if (!(std::fabs(s_) > 1e-9 * sAbs_)) {
        centre = {};
        volume = 0.0;
        return false;
    }
    const double v = -s_ / 3.0;
    centre = {(-mx_ / 12.0) / v, (-my_ / 12.0) / v, (-mz_ / 24.0) / v};
    volume = v * f;
    return true;
}

void TSommeFaces::CentreAire(TVertex3f& centre, double& aire) const {
    if (aire_ != 0.0) centre = {ax_ / aire_, ay_ / aire_, az_ / aire_};
    else centre = {};
    aire = aire_;
}

void Face::MakeFaceList(const TArrayVertex3f& grid, int orientation, TListFace& list) {
    DBG_SCOPE("Face.MakeFaceList");
    ToList out{list};
    Cells(grid, false, orientation, false, 0.0, out);
}

void Face::MakeFaceList(const TArrayVertex3f& grid, int orientation, TListFace& list, double z) {
    DBG_SCOPE("Face.MakeFaceList");
    ToList out{list};
    Cells(grid, false, orientation, true, z, out);
}

void Face::BuildFaceList(const TArrayVertex3f& grid, const TArrayVertex3f* mirror, int orientation, int junction,
                         int clip, TListFace& list, double z) {
    DBG_SCOPE("Face.BuildFaceList");
    ToList out{list};
    Build(grid, mirror, orientation, junction, clip != 0, z, out);
}

void Face::BuildFaceList(const TArrayVertex3f& grid, const TArrayVertex3f* mirror, int orientation, int junction,
                         int clip, TSommeFaces& sums) {
    DBG_SCOPE("Face.BuildFaceList");
    ToSums out{sums};
    Build(grid, mirror, orientation, junction, clip != 0, sums.Z(), out);
}

void Face::BuildFaceListFull(const TEntity& s, TListFace& list, double z) {
    DBG_SCOPE("Face.BuildFaceListFull");
    BuildFaceList(s.Points, s.Sym ? &s.PointsSym : nullptr, s.Orientation, s.Jonction, 1, list, z);
}

void Face::BuildFaceListFull(const TEntity& s, TListFace& list) {
    DBG_SCOPE("Face.BuildFaceListFull");
    BuildFaceList(s.Points, s.Sym ? &s.PointsSym : nullptr, s.Orientation, s.Jonction, 0, list, 0.0);
}

void Face::BuildFaceListFull(const TEntity& s, TSommeFaces& sums, bool clip) {
    DBG_SCOPE("Face.BuildFaceListFull");
    BuildFaceList(s.Points, s.Sym ? &s.PointsSym : nullptr, s.Orientation, s.Jonction, clip ? 1 : 0, sums);
}

void Face::BuildFermetureSym(const TEntity& s, TSommeFaces& sums) {
    DBG_SCOPE("Face.BuildFermetureSym");
    if (s.Sym && s.Jonction) return;
    ToSums out{sums};
    Fermeture(s.Points, s.PlanSym, s.Orientation, sums.Z(), out);
    if (s.Sym) Fermeture(s.PointsSym, s.PlanSym, s.Orientation, sums.Z(), out);
}

void Face::BuildSimpleFaceList(const TEntity& s, TListFace& list) {
    DBG_SCOPE("Face.BuildSimpleFaceList");
    ToList out{list};
    Cells(s.Points, false, 1, false, 0.0, out);
    if (s.Sym) Cells(s.PointsSym, true, 0, false, 0.0, out);
}

void Face::BuildSimpleFaceList(const TEntity& s, TSommeFaces& sums) {
    DBG_SCOPE("Face.BuildSimpleFaceList");
    ToSums out{sums};
    Cells(s.Points, false, 1, false, 0.0, out);
    if (s.Sym) Cells(s.PointsSym, true, 0, false, 0.0, out);
}

double Face::VolByFace(const TListFace& list, double f, double z) {
    DBG_SCOPE("Face.VolByFace");
    TSommeFaces sums(z);
    sums.Add(list);
    return sums.Volume(f);
}

bool Face::CCByFace(const TListFace& list, TVertex3f& centre, double& volume, double f, double z) {
    DBG_SCOPE("Face.CCByFace");
    TSommeFaces sums(z);
    sums.Add(list);
    return sums.CentreVolume(centre, volume, f);
}

void Face::CCByFaceDefaut(const TListFace& list, TVertex3f& centre, double& volume) {
    DBG_SCOPE("Face.CCByFaceDefaut");
    CCByFace(list, centre, volume, 1.0, 0.0);
}

void Face::CCByFace(const TListFace& list, TVertex3f& centre, double& aire) {
    DBG_SCOPE("Face.CCByFace");
    TSommeFaces sums;
    sums.Add(list);
    sums.CentreAire(centre, aire);
}

double Face::AireByFace(const TListFace& list) {
    DBG_SCOPE("Face.AireByFace");
    double aire = 0.0;
    for (const TFacette& f : list) aire += f.Aire;
    return aire;
}
