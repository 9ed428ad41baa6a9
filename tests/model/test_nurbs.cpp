#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "tests/support/RecordingUi.h"
#include "model/Net.h"
#include "model/Nurbs.h"

namespace {

SNURBS RecordOf(const TNet& net) {
    SNURBS r;
    nurbs::NetToSNurbs(net, r);
    return r;
}

TNet BilinearNet() {
    TNet net;  // z = xy over the unit square
    net.NbL = net.NbC = 2;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) net.TabPC[i][j] = {double(i), double(j), double(i * j), 1};
    return net;
}

// An octant of the sphere of radius 2 about the origin: a rational quarter
// circle in the XZ plane revolved a quarter turn about Z.
TNet SphereOctant() {
    const double h = std::sqrt(2.0) / 2.0;
    const TVertex3f prof[3] = {{2, 0, 0}, {2, 0, 2}, {0, 0, 2}};
    const double w[3] = {1, h, 1};  // the same quarter circle in both directions
    TNet net;
    net.NbL = net.NbC = 3;
    net.LFlex = net.CFlex = 3;
    for (int i = 0; i < 3; ++i) {
        const double x = prof[i].X, z = prof[i].Z;
        const TVertex3f rev[3] = {{x, 0, z}, {x, x, z}, {0, x, z}};
        for (int j = 0; j < 3; ++j) net.TabPC[i][j] = {rev[j].X, rev[j].Y, rev[j].Z, w[i] * w[j]};
    }
    return net;
}

}  // namespace

TEST(Nurbs, BilinearPatchLowersOrdersAndHasKnownCurvature) {
    TNet net = BilinearNet();
    SNURBS r = RecordOf(net);
    EXPECT_EQ(std::tuple(r.orderU, r.orderV, net.LFlex), std::tuple(2, 2, 4));  // the net keeps its own orders

    TArrayVertex3f pts, nrm;
    TArrayDouble k;
    nurbs::EvalGaussWholeSurface(r, 2, 2, k, nrm, pts, 1.0, false);
    EXPECT_NEAR(pts[1][1].Z, 0.25, 1e-15);
    EXPECT_NEAR(k[1][1], -4.0 / 9.0, 1e-12);
    // Unit normal after denormalising: (-v, -u, 1)/sqrt(1+u^2+v^2) at the centre.
    Spline::Denormalise(pts, nrm);
    const double s = 1.0 / std::sqrt(1.5);
    EXPECT_NEAR(nrm[1][1].X, -0.5 * s, 1e-12);
    EXPECT_NEAR(nrm[1][1].Z, s, 1e-12);
}

TEST(Nurbs, RationalSphereOctantIsExact) {
    SNURBS r = RecordOf(SphereOctant());
    TArrayVertex3f pts, nrm;
    TArrayDouble k;
    const int n = 20;
    nurbs::EvalGaussWholeSurface(r, n, n, k, nrm, pts, 1.0, false);
    Spline::Denormalise(pts, nrm);
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= n; ++j) {
            const TVertex3f& p = pts[i][j];
            EXPECT_NEAR(std::sqrt(p.X * p.X + p.Y * p.Y + p.Z * p.Z), 2.0, 1e-12) << i << "," << j;
            const TVertex3f& q = nrm[i][j];
            if (i < n) {
                EXPECT_NEAR(std::sqrt(q.X * q.X + q.Y * q.Y + q.Z * q.Z), 1.0, 1e-9);
                // Normal along the radius (one side or the other).
                EXPECT_NEAR(std::fabs(q.X * p.X + q.Y * p.Y + q.Z * p.Z), 2.0, 1e-9);
            }
            if (i < n - 2) {
                EXPECT_NEAR(k[i][j], 0.25, 1e-9) << i << "," << j;
            }
        }
}

// The largest net at the highest order the dialogs offer fills the knot
// vectors exactly; both evaluation paths take it.
TEST(Nurbs, GridAgreesWithPointEvaluation) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> c(-5, 5), w(0.3, 2.0);
    TNet net;
    net.NbL = net.NbC = 31;
    net.LFlex = 6;
    net.CFlex = 4;
    for (int i = 0; i < net.NbL; ++i)
        for (int j = 0; j < net.NbC; ++j) net.TabPC[i][j] = {c(rng), c(rng), c(rng), w(rng)};
    const int n = 17;
    ASSERT_EQ(nurbs::CheckNet(net, n), "");
    SNURBS r = RecordOf(net);
    TArrayVertex3f pts, nrm;
    TArrayDouble k;
    nurbs::EvalGaussWholeSurface(r, n, n, k, nrm, pts, 1.0, false);
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= n; ++j) {
            TVertex3f p, q;
            nurbs::EvalPoint(r, double(i) / n, double(j) / n, 1.0, false, p, q);
            EXPECT_NEAR(std::hypot(pts[i][j].X - p.X, pts[i][j].Y - p.Y, pts[i][j].Z - p.Z), 0.0, 2e-11);
            EXPECT_NEAR(nrm[i][j].Z, q.Z, 1e-9);
            const double kk = nurbs::EvalGauss(r, double(i) / n, double(j) / n);
            EXPECT_NEAR(k[i][j], kk, 1e-8 * (1 + std::fabs(kk)));
        }
}

TEST(Nurbs, RefusesWhatCannotBeEvaluated) {
    TNet net;
    EXPECT_FALSE(nurbs::CheckNet(net, 20).empty());  // 0 x 0
    net.Initialise(0);
    EXPECT_TRUE(nurbs::CheckNet(net, 20).empty());
    for (int precision : {0, 201}) EXPECT_FALSE(nurbs::CheckNet(net, precision).empty()) << precision;
    for (auto [lflex, nbl] : {std::pair{8, 3}, {1, 3}, {7, 31}}) {  // 7 + 31 knots > 37
        std::tie(net.LFlex, net.NbL) = std::tuple(lflex, nbl);
        EXPECT_FALSE(nurbs::CheckNet(net, 20).empty()) << lflex;
    }
}

TEST(Nurbs, StartingShapesEvaluateToTheirPlanesAndCylinders) {
    struct Expect {
        int kind, rows, cols;
        // Distance of a point from the shape it should lie on.
        double (*offset)(const TVertex3f&);
        double tolerance;
    };
    const Expect shapes[] = {
        {1, 2, 2, [](const TVertex3f& p) { return p.Z; }, 1e-15},
        {2, 2, 2, [](const TVertex3f& p) { return p.X; }, 1e-15},
        {3, 2, 2, [](const TVertex3f& p) { return p.Y; }, 1e-15},
        // Half cylinders of radius 1 (the weight 0.3333 only nearly makes a circle).
        {4, 4, 2, [](const TVertex3f& p) { return std::hypot(p.X, p.Z - 1) - 1; }, 1e-3},
        {5, 4, 2, [](const TVertex3f& p) { return std::hypot(p.Y, p.Z - 1) - 1; }, 1e-3},
        {6, 2, 4, [](const TVertex3f& p) { return std::hypot(p.X, p.Y - 1) - 1; }, 1e-3},
    };
    for (const Expect& e : shapes) {
        TNet net(3);
        ASSERT_TRUE(net.Initialise(e.kind));
        EXPECT_EQ(net.NbL * 10 + net.NbC, e.rows * 10 + e.cols) << e.kind;
        SNURBS r = RecordOf(net);
        TArrayVertex3f pts, nrm;
        TArrayDouble k;
        const int n = 12;
        nurbs::EvalGaussWholeSurface(r, n, n, k, nrm, pts, 1.0, false);
        Spline::Denormalise(pts, nrm);
        double worst = 0, worstK = 0;
        for (int i = 0; i <= n; ++i)
            for (int j = 0; j <= n; ++j) {
                worst = std::max(worst, std::fabs(e.offset(pts[i][j])));
                worstK = std::max(worstK, std::fabs(k[i][j]));
            }
        EXPECT_LT(worst, e.tolerance) << "kind " << e.kind;
        EXPECT_LT(worstK, 1e-12) << "kind " << e.kind;   // planes and cylinders are developable
    }
}

TEST(Nurbs, EvaluationRefusesRecordsOutsideItsArrays) {
    // Each of these would read before or past the knot and point arrays.
    SNURBS empty;   // no points
    SNURBS tooHigh = RecordOf(BilinearNet());
    tooHigh.orderU = 8;
    SNURBS tooLong = RecordOf(BilinearNet());
    tooLong.lastV = 31;
    SNURBS overOrder = RecordOf(BilinearNet());
    overOrder.orderV = 3;   // more than the two columns
    TArrayVertex3f grille, normales;
    EXPECT_THROW(nurbs::EvalWholeSurface(RecordOf(BilinearNet()), 0, 10, normales, grille, 1.0, false), NurbsError);
    for (const SNURBS* r : {&empty, &tooHigh, &tooLong, &overOrder}) {
        TVertex3f p, n;
        TVertex3f S[3][3];
        EXPECT_THROW(nurbs::EvalWholeSurface(*r, 10, 10, normales, grille, 1.0, false), NurbsError);
        EXPECT_THROW(nurbs::EvalPoint(*r, 0.5, 0.5, 1.0, false, p, n), NurbsError);
        EXPECT_THROW(nurbs::EvalGauss(*r, 0.5, 0.5), NurbsError);
        EXPECT_THROW(nurbs::SurfaceDerivs(*r, 1, S, 0.5, 0.5), NurbsError);
    }
}
