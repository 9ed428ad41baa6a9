#include "model/Nurbs.h"

#include <cmath>
#include <vector>

#include "base/Debug.h"
#include "model/UiPort.h"

namespace nurbs {

void KnotOpenUniform(int k, int n, double* knots) {
    DBG_SCOPE("nurbs.KnotOpenUniform");
    knots[0] = 0.0;
    for (int m = 1; m <= k + n; ++m)
        knots[m] = (m <= k - 1 || m >= n + 2) ? knots[m - 1] : knots[m - 1] + 1.0;
    const double last = knots[k + n];
    if (last != 0.0)
        for (int m = 1; m <= k + n; ++m) knots[m] /= last;
}

void KnotBuild(int k, int n, double* knots) {
    DBG_SCOPE("nurbs.KnotBuild");
    KnotOpenUniform(k, n, knots);
}

void KnotSetSNURBS(SNURBS& r) {
    DBG_SCOPE("nurbs.KnotSetSNURBS");
    if (r.lastU + 1 < r.orderU) r.orderU = r.lastU + 1;
    if (r.lastV + 1 < r.orderV) r.orderV = r.lastV + 1;
    if (r.orderU <= OrdreMaxi(r.lastU + 1) && r.orderU >= 1 && r.lastU >= 0) KnotBuild(r.orderU, r.lastU, r.knotsU);
    if (r.orderV <= OrdreMaxi(r.lastV + 1) && r.orderV >= 1 && r.lastV >= 0) KnotBuild(r.orderV, r.lastV, r.knotsV);
}

std::string CheckNet(const TNet& net, int precision) {
    DBG_SCOPE("nurbs.CheckNet");
    if (net.NbL < 1 || net.NbC < 1) return "Réseau de points vide : la surface ne peut pas être calculée";
    if (net.NbL > kMaxNetSize || net.NbC > kMaxNetSize) return "Réseau de points trop grand (31 x 31 au plus)";
    if (net.LFlex < 2 || net.LFlex > kMaxOrder || net.CFlex < 2 || net.CFlex > kMaxOrder)
        return "Ordre de la surface hors limites (2 à 7)";
    if (net.LFlex > OrdreMaxi(net.NbL) || net.CFlex > OrdreMaxi(net.NbC))
        return "Ordre trop grand pour le nombre de points (ordre + points doit rester inférieur ou égal à 37)";
    if (precision < 1 || precision > kMaxPrecision) return "Précision hors limites (1 à 200)";
    return {};
}

// A record whose orders and point counts keep every read inside its arrays.
static void CheckRecordShape(const SNURBS& r) {
    if (r.lastU < 0 || r.lastV < 0 || r.lastU >= kMaxNetSize || r.lastV >= kMaxNetSize)
        throw NurbsError("Réseau de points vide ou trop grand : la surface ne peut pas être calculée");
    if (r.orderU < 1 || r.orderV < 1 || r.orderU > kMaxOrder || r.orderV > kMaxOrder ||
        r.orderU > r.lastU + 1 || r.orderV > r.lastV + 1)
        throw NurbsError("Ordre de la surface hors limites (2 à 7)");
    if (r.orderU > OrdreMaxi(r.lastU + 1) || r.orderV > OrdreMaxi(r.lastV + 1))
        throw NurbsError("Ordre trop grand pour le nombre de points");
}

static void CheckRecord(const SNURBS& r, int nU, int nV) {
    CheckRecordShape(r);
    if (nU < 1 || nV < 1 || nU > kMaxPrecision || nV > kMaxPrecision)
        throw NurbsError("Précision hors limites (1 à 200)");
}

int FindSpan(int k, int n, const double* knots, double u) {
    if (u >= knots[n + k]) return n;
    int low = k - 1, high = n + 1;
    int mid = (low + high) / 2;
    while (u < knots[mid] || u >= knots[mid + 1]) {
        if (u < knots[mid])
            high = mid;
        else
            low = mid;
        const int next = (low + high) / 2;
        if (next == mid) break;  // degenerate knots: never loop forever
        mid = next;
    }
    return mid;
}

void BasisDerivs(int span, int k, const double* U, double u, int d, double ders[3][kMaxOrder]) {
    if (d > 2) d = 2;   // the table holds the second derivatives at most
    const int p = k - 1;
    double ndu[kMaxOrder][kMaxOrder];
    double left[kMaxOrder], right[kMaxOrder];
    ndu[0][0] = 1.0;
    for (int j = 1; j <= p; ++j) {
        left[j] = u - U[span + 1 - j];
        right[j] = U[span + j] - u;
        double saved = 0.0;
        for (int r = 0; r < j; ++r) {
            ndu[j][r] = right[r + 1] + left[j - r];
            const double temp = ndu[r][j - 1] / ndu[j][r];
            ndu[r][j] = saved + right[r + 1] * temp;
            saved = left[j - r] * temp;
        }
        ndu[j][j] = saved;
    }
    for (int j = 0; j <= p; ++j) ders[0][j] = ndu[j][p];
    for (int kk = 1; kk <= d; ++kk)
        for (int j = 0; j <= p; ++j) ders[kk][j] = 0.0;
    const int n = d < p ? d : p;
    double a[2][kMaxOrder] = {};
    for (int r = 0; r <= p; ++r) {
        int s1 = 0, s2 = 1;
        a[0][0] = 1.0;
        for (int kk = 1; kk <= n; ++kk) {
            double dd = 0.0;
            const int rk = r - kk, pk = p - kk;
            if (r >= kk) {
                a[s2][0] = a[s1][0] / ndu[pk + 1][rk];
                dd = a[s2][0] * ndu[rk][pk];
            }
            const int j1 = rk >= -1 ? 1 : -rk;
            const int j2 = (r - 1 <= pk) ? kk - 1 : p - r;
            for (int j = j1; j <= j2; ++j) {
                a[s2][j] = (a[s1][j] - a[s1][j - 1]) / ndu[pk + 1][rk + j];
                dd += a[s2][j] * ndu[rk + j][pk];
            }
            if (r <= pk) {
                a[s2][kk] = -a[s1][kk - 1] / ndu[pk + 1][r];
                dd += a[s2][kk] * ndu[r][pk];
            }
            ders[kk][r] = dd;
            std::swap(s1, s2);
        }
    }
    double f = p;
    for (int kk = 1; kk <= n; ++kk) {
        for (int j = 0; j <= p; ++j) ders[kk][j] *= f;
        f *= (p - kk);
    }
}

namespace {

struct H4 {
    double x = 0, y = 0, z = 0, w = 0;
};

inline double ClampParam(double u, double last) {
    if (u == last) u = last - 1e-06;
    if (u == 0.0) u = 1e-06;
    return u;
}

// Cartesian derivatives from the homogeneous ones (quotient rule).
inline void RationalFromHomogeneous(const H4 A[3][3], int d, TVertex3f S[3][3]) {
    const double w = A[0][0].w;
    auto div = [w](double x, double y, double z) { return TVertex3f{x / w, y / w, z / w}; };
    S[0][0] = div(A[0][0].x, A[0][0].y, A[0][0].z);
    const TVertex3f& P = S[0][0];
    const double wu = A[1][0].w, wv = A[0][1].w;
    S[1][0] = div(A[1][0].x - wu * P.X, A[1][0].y - wu * P.Y, A[1][0].z - wu * P.Z);
    S[0][1] = div(A[0][1].x - wv * P.X, A[0][1].y - wv * P.Y, A[0][1].z - wv * P.Z);
    if (d < 2) return;
    const TVertex3f& Su = S[1][0];
    const TVertex3f& Sv = S[0][1];
    const double wuu = A[2][0].w, wuv = A[1][1].w, wvv = A[0][2].w;
    S[2][0] = div(A[2][0].x - 2 * wu * Su.X - wuu * P.X, A[2][0].y - 2 * wu * Su.Y - wuu * P.Y,
                  A[2][0].z - 2 * wu * Su.Z - wuu * P.Z);
    S[1][1] = div(A[1][1].x - wu * Sv.X - wv * Su.X - wuv * P.X, A[1][1].y - wu * Sv.Y - wv * Su.Y - wuv * P.Y,
                  A[1][1].z - wu * Sv.Z - wv * Su.Z - wuv * P.Z);
    S[0][2] = div(A[0][2].x - 2 * wv * Sv.X - wvv * P.X, A[0][2].y - 2 * wv * Sv.Y - wvv * P.Y,
                  A[0][2].z - 2 * wv * Sv.Z - wvv * P.Z);
}

inline TVertex3f Cross(const TVertex3f& a, const TVertex3f& b) {
    return {a.Y * b.Z - b.Y * a.Z, a.Z * b.X - b.Z * a.X, a.X * b.Y - b.X * a.Y};
}
inline double Dot(const TVertex3f& a, const TVertex3f& b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }

inline double Gauss(const TVertex3f S[3][3]) {
    const TVertex3f W = Cross(S[1][0], S[0][1]);
    const double L = Dot(W, S[2][0]), M = Dot(W, S[1][1]), N = Dot(W, S[0][2]);
    const double D = Dot(W, W);
    if (D == 0.0) return 0.0;
    return (L * N - M * M) / (D * D);
}

// Basis values of one direction at one parameter.
struct Basis {
    int span = 0;
    double N[3][kMaxOrder] = {};
};

}  // namespace

void SurfaceDerivs(const SNURBS& r, int d, TVertex3f S[3][3], double u, double v) {
    CheckRecordShape(r);
    if (d > 2) d = 2;
    Basis bu, bv;
    bu.span = FindSpan(r.orderU, r.lastU, r.knotsU, u);
    BasisDerivs(bu.span, r.orderU, r.knotsU, u, d, bu.N);
    bv.span = FindSpan(r.orderV, r.lastV, r.knotsV, v);
    BasisDerivs(bv.span, r.orderV, r.knotsV, v, d, bv.N);
    H4 A[3][3] = {};
    const int pu = r.orderU - 1, pv = r.orderV - 1;
    for (int a = 0; a <= d; ++a)
        for (int b = 0; a + b <= d; ++b) {
            H4 s;
            for (int i = 0; i <= pu; ++i) {
                const int row = bu.span - pu + i;
                for (int j = 0; j <= pv; ++j) {
                    const int col = bv.span - pv + j;
                    const double f = bu.N[a][i] * bv.N[b][j];
                    const double w = r.weights[row][col];
                    const TVertex3f& P = r.points[row][col];
                    s.x += f * w * P.X;
                    s.y += f * w * P.Y;
                    s.z += f * w * P.Z;
                    s.w += f * w;
                }
            }
            A[a][b] = s;
        }
    RationalFromHomogeneous(A, d, S);
}

TPlane PlanePointVecteurs(const TVertex3f& p, const TVertex3f& v1, const TVertex3f& v2) {
    TPlane pl;
    pl.a = v1.Y * v2.Z - v2.Y * v1.Z;
    pl.b = v1.Z * v2.X - v2.Z * v1.X;
    pl.c = v1.X * v2.Y - v2.X * v1.Y;
    pl.d = -(p.X * pl.a + p.Y * pl.b + p.Z * pl.c);
    return pl;
}

TVertex3f NormalEndPoint(const TPlane& pl, const TVertex3f& p, bool reversed, double L) {
    const double n2 = pl.a * pl.a + pl.b * pl.b + pl.c * pl.c;
    if (n2 == 0.0) return p;
    double s = L / std::sqrt(n2);
    if (reversed) s = -s;
    const double aa = std::fabs(pl.a), ab = std::fabs(pl.b), ac = std::fabs(pl.c);
    TVertex3f q;
    if (aa > ab && aa > ac) {
        q.X = pl.a * s + p.X;
        q.Y = (q.X - p.X) * pl.b / pl.a + p.Y;
        q.Z = (q.X - p.X) * pl.c / pl.a + p.Z;
    } else if (ab > ac) {
        q.Y = pl.b * s + p.Y;
        q.X = (q.Y - p.Y) * pl.a / pl.b + p.X;
        q.Z = (q.Y - p.Y) * pl.c / pl.b + p.Z;
    } else {
        q.Z = pl.c * s + p.Z;
        q.X = (q.Z - p.Z) * pl.a / pl.c + p.X;
        q.Y = (q.Z - p.Z) * pl.b / pl.c + p.Y;
    }
    return q;
}

void EvalPoint(const SNURBS& r, double u, double v, double L, bool reversed, TVertex3f& point, TVertex3f& normalEnd) {
    CheckRecordShape(r);
    u = ClampParam(u, r.knotsU[r.lastU + r.orderU]);
    v = ClampParam(v, r.knotsV[r.lastV + r.orderV]);
    TVertex3f S[3][3];
    SurfaceDerivs(r, 1, S, u, v);
    point = S[0][0];
    normalEnd = NormalEndPoint(PlanePointVecteurs(S[0][0], S[1][0], S[0][1]), S[0][0], reversed, L);
}

double EvalGauss(const SNURBS& r, double u, double v) {
    CheckRecordShape(r);
    u = ClampParam(u, r.knotsU[r.lastU + r.orderU]);
    v = ClampParam(v, r.knotsV[r.lastV + r.orderV]);
    TVertex3f S[3][3];
    SurfaceDerivs(r, 2, S, u, v);
    return Gauss(S);
}

namespace {

// The grid evaluator shared by the plain and the curvature forms.
void EvalGrid(const SNURBS& r, int nU, int nV, int d, TArrayDouble* curvature, TArrayVertex3f& normals,
              TArrayVertex3f& points, double L, bool reversed) {
    CheckRecord(r, nU, nV);
    points.resize(nU + 1, nV + 1);
    normals.resize(nU + 1, nV + 1);
    if (curvature) curvature->resize(nU + 1, nV + 1);

    const int pu = r.orderU - 1, pv = r.orderV - 1;
    const double lastKU = r.knotsU[r.lastU + r.orderU];
    const double lastKV = r.knotsV[r.lastV + r.orderV];
    const double du = lastKU / nU, dv = lastKV / nV;

    // Basis functions of every grid column, computed once.
    std::vector<Basis> colBasis(nV + 1);
    for (int j = 0; j <= nV; ++j) {
        double v = j * dv;
        if (v > lastKV) v = lastKV;
        v = ClampParam(v, lastKV);
        colBasis[j].span = FindSpan(r.orderV, r.lastV, r.knotsV, v);
        BasisDerivs(colBasis[j].span, r.orderV, r.knotsV, v, d, colBasis[j].N);
    }

    // Homogeneous control points.
    H4 pw[kMaxNetSize][kMaxNetSize];
    for (int i = 0; i <= r.lastU; ++i)
        for (int j = 0; j <= r.lastV; ++j) {
            const double w = r.weights[i][j];
            const TVertex3f& P = r.points[i][j];
            pw[i][j] = {w * P.X, w * P.Y, w * P.Z, w};
        }

    H4 T[3][kMaxNetSize];  // row contraction: T[a][col] = sum_i N^(a)_i(u) * Pw[row_i][col]
    for (int gi = 0; gi <= nU; ++gi) {
        double u = gi * du;
        if (u > lastKU) u = lastKU;
        u = ClampParam(u, lastKU);
        Basis bu;
        bu.span = FindSpan(r.orderU, r.lastU, r.knotsU, u);
        BasisDerivs(bu.span, r.orderU, r.knotsU, u, d, bu.N);
        for (int a = 0; a <= d; ++a)
            for (int col = 0; col <= r.lastV; ++col) {
                H4 s;
                for (int i = 0; i <= pu; ++i) {
                    const double f = bu.N[a][i];
                    const H4& q = pw[bu.span - pu + i][col];
                    s.x += f * q.x;
                    s.y += f * q.y;
                    s.z += f * q.z;
                    s.w += f * q.w;
                }
                T[a][col] = s;
            }

        TVertex3f* prow = points[gi];
        TVertex3f* nrow = normals[gi];
        for (int gj = 0; gj <= nV; ++gj) {
            const Basis& bv = colBasis[gj];
            const int c0 = bv.span - pv;
            H4 A[3][3];
            for (int a = 0; a <= d; ++a)
                for (int b = 0; a + b <= d; ++b) {
                    H4 s;
                    const H4* t = &T[a][c0];
                    for (int j = 0; j <= pv; ++j) {
                        const double f = bv.N[b][j];
                        s.x += f * t[j].x;
                        s.y += f * t[j].y;
                        s.z += f * t[j].z;
                        s.w += f * t[j].w;
                    }
                    A[a][b] = s;
                }
            TVertex3f S[3][3];
            RationalFromHomogeneous(A, d, S);
            prow[gj] = S[0][0];
            nrow[gj] = NormalEndPoint(PlanePointVecteurs(S[0][0], S[1][0], S[0][1]), S[0][0], reversed, L);
            if (curvature) (*curvature)[gi][gj] = Gauss(S);
        }
        Ui::ui().progressSet(gi, nU);
    }
}

}  // namespace

void EvalWholeSurface(const SNURBS& r, int nU, int nV, TArrayVertex3f& normals, TArrayVertex3f& points, double L,
                      bool reversed) {
    DBG_SCOPE("nurbs.EvalWholeSurface");
    EvalGrid(r, nU, nV, 1, nullptr, normals, points, L, reversed);
}

void EvalGaussWholeSurface(const SNURBS& r, int nU, int nV, TArrayDouble& curvature, TArrayVertex3f& normals,
                           TArrayVertex3f& points, double L, bool reversed) {
    DBG_SCOPE("nurbs.EvalGaussWholeSurface");
    EvalGrid(r, nU, nV, 2, &curvature, normals, points, L, reversed);
}

void NetToSNurbs(const TNet& net, SNURBS& r) {
    DBG_SCOPE("TSurface.MyNurbs2SNurbs");
    const int nl = net.NbL < kMaxNetSize ? net.NbL : kMaxNetSize;
    const int nc = net.NbC < kMaxNetSize ? net.NbC : kMaxNetSize;
    for (int i = 0; i < nl; ++i)
        for (int j = 0; j < nc; ++j) {
            const TVertex4f& p = net.TabPC[i][j];
            r.points[i][j] = {p.X, p.Y, p.Z};
            r.weights[i][j] = p.W;
        }
    r.orderU = net.LFlex;
    r.orderV = net.CFlex;
    r.lastU = nl - 1;
    r.lastV = nc - 1;
    KnotSetSNURBS(r);
}

void CalcVecteursNoeud(const TNet& net, OwnKnots& k) {
    DBG_SCOPE("TSurface.Calc_VecteursNoeud");
    auto build = [](int flex, int nb, int& count, double* knots) {
        count = flex + nb + 1;
        if (count > kMaxKnots) count = kMaxKnots;
        if (count < 0) count = 0;
        for (int i = 0; i < count; ++i) {
            if (i < flex)
                knots[i] = 0.0;
            else if (i > nb)
                knots[i] = 1.0;
            else {
                const int den = nb - flex + 2;
                if (den == 0) {
                    Debug::DbgMsgI(Debug::erDivZero, "TSurface.Calc_VecteursNoeud", 0, {i, nb});
                    continue;
                }
                knots[i] = static_cast<double>(i - flex + 1) / den;
            }
        }
    };
    build(net.LFlex, net.NbL, k.countU, k.knotsU);
    build(net.CFlex, net.NbC, k.countV, k.knotsV);
}

}  // namespace nurbs

namespace Spline {
void Denormalise(const TArrayVertex3f& points, TArrayVertex3f& normals) {
    DBG_SCOPE("Spline.Denormalise");
    const int ni = std::min(points.rows(), normals.rows()), nj = std::min(points.cols(), normals.cols());
    for (int i = 0; i < ni; ++i)
        for (int j = 0; j < nj; ++j) {
            TVertex3f& n = normals[i][j];
            const TVertex3f& p = points[i][j];
            n = {n.X - p.X, n.Y - p.Y, n.Z - p.Z};
        }
}
}  // namespace Spline
