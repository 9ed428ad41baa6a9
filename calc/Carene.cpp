#include "calc/Carene.h"

#include <algorithm>

#include "base/Debug.h"

namespace {

// Twice the signed horizontal projected area of ABC, as (A - B) x (C - B)
// gives it, times the sum of the heights above z: the facet routines' prism
// term, without the constant factors.
inline double Prisme(const TVertex3f& a, const TVertex3f& b, const TVertex3f& c, double z) {
    const double vz = (a.X - b.X) * (c.Y - b.Y) - (a.Y - b.Y) * (c.X - b.X);
    return vz * (a.Z + b.Z + c.Z - 3.0 * z);
}

// The same for the part of ABC under the plane. The pieces of a clipped
// triangle turn as the triangle does, so turning the input over only changes
// the sign: the caller applies the orientation flag once per grid.
inline double PrismeSous(TVertex3f a, TVertex3f b, TVertex3f c, double z) {
    if (a.Z > z && b.Z > z && c.Z > z) return 0.0;
    if (a.Z <= z && b.Z <= z && c.Z <= z) return Prisme(a, b, c, z);
    TVertex3f d, e, f;
    const int n = Calcs::GetTriUnderDWL(a, b, c, z, d, e, f);
    double s = 0.0;
    if (n >= 1) s += Prisme(a, b, c, z);
    if (n == 2) s += Prisme(d, e, f, z);
    return s;
}

// The two triangles of every cell: (G[i][j], G[i][j+1], G[i+1][j]) and
// (G[i][j+1], G[i+1][j+1], G[i+1][j]); in a mirror grid (rows reversed) the
// images of its twin's, (G[i][j], G[i+1][j+1], G[i+1][j]) and
// (G[i][j], G[i][j+1], G[i+1][j+1]), as the facet routines cut them.
double Cellules(const TArrayVertex3f& g, double z, bool miroir) {
    double s = 0.0;
    for (int i = 0; i + 1 < g.rows(); ++i) {
        const TVertex3f* r0 = g[i];
        const TVertex3f* r1 = g[i + 1];
        for (int j = 0; j + 1 < g.cols(); ++j) {
            const TVertex3f &p00 = r0[j], &p01 = r0[j + 1], &p10 = r1[j], &p11 = r1[j + 1];
            const double lo = std::min(std::min(p00.Z, p01.Z), std::min(p10.Z, p11.Z));
            if (lo > z) continue;
            const double hi = std::max(std::max(p00.Z, p01.Z), std::max(p10.Z, p11.Z));
            if (miroir) {
                if (hi <= z) s += Prisme(p00, p11, p10, z) + Prisme(p00, p01, p11, z);
                else s += PrismeSous(p00, p11, p10, z) + PrismeSous(p00, p01, p11, z);
            } else {
                if (hi <= z) s += Prisme(p00, p01, p10, z) + Prisme(p01, p11, p10, z);
                else s += PrismeSous(p00, p01, p10, z) + PrismeSous(p01, p11, p10, z);
            }
        }
    }
    return s;
}

// The triangles that close the gap between each border of the grid and the
// same border of its mirror (rows in reverse order), in the facet routines'
// order and winding.
double Jonction(const TArrayVertex3f& g, const TArrayVertex3f& m, double z) {
    const int r = g.rows() - 1, c = g.cols() - 1;
    auto S = [&m](int i, int j) -> const TVertex3f& { return m[m.rows() - 1 - i][j]; };
    double s = 0.0;
    for (int i = 0; i < r; ++i) {
        s += PrismeSous(S(i, 0), g[i][0], S(i + 1, 0), z);
        s += PrismeSous(S(i + 1, 0), g[i][0], g[i + 1][0], z);
        s += PrismeSous(S(i, c), g[i + 1][c], g[i][c], z);
        s += PrismeSous(S(i, c), S(i + 1, c), g[i + 1][c], z);
    }
    for (int j = 0; j < c; ++j) {
        s += PrismeSous(S(0, j), S(0, j + 1), g[0][j], z);
        s += PrismeSous(S(0, j + 1), g[0][j + 1], g[0][j], z);
        s += PrismeSous(S(r, j + 1), S(r, j), g[r][j], z);
        s += PrismeSous(g[r][j], g[r][j + 1], S(r, j + 1), z);
    }
    return s;
}

}  // namespace

namespace Carene {

double VolumeSousPlan(const TDoubleSurfList& copie, double z) {
    double total = 0.0;
    for (const TDoubleSurf& d : copie) {
        double s = Cellules(d.Points, z, false);
        const TArrayVertex3f& m = d.PointsSym;
        if (!m.empty()) {
            s += Cellules(m, z, true);
            if (d.Jonction != 0 && m.rows() >= 2 && m.rows() == d.Points.rows() && m.cols() == d.Points.cols())
                s += Jonction(d.Points, m, z);
        }
        total += d.Orientation == 0 ? -s : s;
    }
    // Each term is 2 x (signed projected area) x (sum of heights); a prism
    // holds a third of area x sum of heights, counted positive under a facet
    // turning clockwise seen from above.
    return -total / 6.0;
}

void SommeSousPlan(const TDoubleSurfList& copie, TSommeFaces& sums) {
    DBG_SCOPE("Carene.SommeSousPlan");
    for (const TDoubleSurf& d : copie)
        Face::BuildFaceList(d.Points, d.PointsSym.empty() ? nullptr : &d.PointsSym, d.Orientation, d.Jonction, 1,
                            sums);
}

void FacettesSousPlan(const TDoubleSurfList& copie, double z, TListFace& list) {
    DBG_SCOPE("Carene.FacettesSousPlan");
    list.Clear();
    for (const TDoubleSurf& d : copie)
        Face::BuildFaceList(d.Points, d.PointsSym.empty() ? nullptr : &d.PointsSym, d.Orientation, d.Jonction, 1,
                            list, z);
}

bool MinMaxZ(const TDoubleSurfList& copie, double& minZ, double& maxZ) {
    double lo = 10000.0, hi = -10000.0;
    bool any = false;
    auto scan = [&](const TArrayVertex3f& g) {
        const TVertex3f* p = g.data();
        const TVertex3f* end = p + static_cast<std::size_t>(g.rows()) * g.cols();
        for (; p != end; ++p) {
            lo = std::min(lo, p->Z);
            hi = std::max(hi, p->Z);
            any = true;
        }
    };
    for (const TDoubleSurf& d : copie) {
        scan(d.Points);
        scan(d.PointsSym);
    }
    if (!any) lo = hi = 0.0;
    minZ = lo;
    maxZ = hi;
    return any;
}

namespace {
inline void Grille(const TArrayVertex3f& src, const TMatrice& m, TArrayVertex3f& dst) {
    if (dst.rows() != src.rows() || dst.cols() != src.cols()) dst.resize(src.rows(), src.cols());
    const std::size_t n = static_cast<std::size_t>(src.rows()) * src.cols();
    const TVertex3f* p = src.data();
    TVertex3f* q = dst.data();
    for (std::size_t k = 0; k < n; ++k) q[k] = Matrice::Transformed(m, p[k]);
}
}  // namespace

void Transforme(const TDoubleSurfList& src, const TMatrice& m, TDoubleSurfList& dst) {
    DBG_SCOPE("Carene.Transforme");
    if (dst.Count() != src.Count()) dst = src;
    for (int k = 0; k < src.Count(); ++k) {
        const TDoubleSurf& s = src[k];
        TDoubleSurf& d = dst[k];
        d.DernLigne = s.DernLigne;
        d.DernCol = s.DernCol;
        d.Orientation = s.Orientation;
        d.Jonction = s.Jonction;
        Grille(s.Points, m, d.Points);
        Grille(s.PointsSym, m, d.PointsSym);
    }
}

void Transforme(TDoubleSurfList& copie, const TMatrice& m) {
    DBG_SCOPE("Carene.Transforme");
    for (TDoubleSurf& d : copie) {
        Grille(d.Points, m, d.Points);
        Grille(d.PointsSym, m, d.PointsSym);
    }
}

}  // namespace Carene
