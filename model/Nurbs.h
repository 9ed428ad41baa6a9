// NURBS evaluation of control nets.
//
// The evaluation works on SNURBS, a self-contained copy of a net with its open
// uniform knot vectors. Whole grids are evaluated by computing the basis
// functions once per grid row and once per grid column, then combining them,
// so no per-point copy or allocation is made.
#pragma once

#include <algorithm>
#include <stdexcept>
#include <string>

#include "model/Geom.h"
#include "model/Net.h"

constexpr int kMaxOrder = 7;
constexpr int kMaxKnots = 37;
constexpr int kMaxPrecision = 200;

struct SNURBS {
    int orderU = 0;  // across the rows (from LFlex)
    int orderV = 0;  // along a row (from CFlex)
    int lastU = -1;  // NbL - 1
    int lastV = -1;  // NbC - 1
    TVertex3f points[kMaxNetSize][kMaxNetSize] = {};
    double weights[kMaxNetSize][kMaxNetSize] = {};
    double knotsU[kMaxKnots] = {};
    double knotsV[kMaxKnots] = {};
};

// A net or record that cannot be evaluated (no points, bad order, precision < 1).
class NurbsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TPlane {
    double a = 0, b = 0, c = 0, d = 0;
};

namespace nurbs {

// The highest order a direction of `points` control points is evaluated
// with: its knot vector, order + points values, must fit in kMaxKnots. An
// order above the point count is lowered to it before evaluation, so it
// always fits.
constexpr int OrdreMaxi(int points) { return std::min(kMaxOrder, kMaxKnots - points); }

// Open uniform knots: k + n + 1 values in [0, 1].
void KnotOpenUniform(int k, int n, double* knots);
void KnotBuild(int k, int n, double* knots);
// Lowers each order to its point count (record only), then builds both vectors.
void KnotSetSNURBS(SNURBS& r);

// "" when the net can be evaluated at this precision, else the reason.
std::string CheckNet(const TNet& net, int precision);

int FindSpan(int k, int n, const double* knots, double u);
// ders[r][j]: r-th derivative of the j-th non-zero basis function at u, r = 0..d.
void BasisDerivs(int span, int k, const double* knots, double u, int d, double ders[3][kMaxOrder]);
// Rational surface derivatives S[k][l], k + l <= d (d = 1 or 2).
void SurfaceDerivs(const SNURBS& r, int d, TVertex3f S[3][3], double u, double v);

TPlane PlanePointVecteurs(const TVertex3f& p, const TVertex3f& v1, const TVertex3f& v2);
// The end of the normal of length L at P on the plane (a, b, c, d).
TVertex3f NormalEndPoint(const TPlane& plane, const TVertex3f& p, bool reversed, double L);

// Point and normal end point at (u, v) (parameters clamped first). These and
// SurfaceDerivs throw NurbsError on a record that cannot be evaluated.
void EvalPoint(const SNURBS& r, double u, double v, double L, bool reversed, TVertex3f& point, TVertex3f& normalEnd);
// Gaussian curvature at (u, v) (parameters clamped first).
double EvalGauss(const SNURBS& r, double u, double v);

// Whole grids of (nU + 1) x (nV + 1) points: points and normal end points, and
// the Gaussian curvature in the second form. Progress goes to the user
// interface after each row. Throws NurbsError on a record that cannot be
// evaluated.
void EvalWholeSurface(const SNURBS& r, int nU, int nV, TArrayVertex3f& normals, TArrayVertex3f& points, double L,
                      bool reversed);
void EvalGaussWholeSurface(const SNURBS& r, int nU, int nV, TArrayDouble& curvature, TArrayVertex3f& normals,
                           TArrayVertex3f& points, double L, bool reversed);

// Net to record (TSurface.MyNurbs2SNurbs): coordinates as stored, orders from
// LFlex/CFlex, then KnotSetSNURBS.
void NetToSNurbs(const TNet& net, SNURBS& r);

// The surface's own knot vectors (one more value than the SNURBS ones), used
// by the text export (TSurface.Calc_VecteursNoeud).
struct OwnKnots {
    int countU = 0, countV = 0;
    double knotsU[kMaxKnots] = {};
    double knotsV[kMaxKnots] = {};
};
void CalcVecteursNoeud(const TNet& net, OwnKnots& k);

}  // namespace nurbs

namespace Spline {
// normal[i][j] -= point[i][j]: normal end points become unit normals (L = 1).
void Denormalise(const TArrayVertex3f& points, TArrayVertex3f& normals);
}  // namespace Spline
