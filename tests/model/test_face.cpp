#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

#include "model/Entity.h"
#include "model/Face.h"
#include "tests/support/CareneFixtures.h"
#include "tests/support/Proches.h"

namespace {

using V3 = TVertex3f;

V3 Cross(const V3& u, const V3& w) { return {u.Y * w.Z - u.Z * w.Y, u.Z * w.X - u.X * w.Z, u.X * w.Y - u.Y * w.X}; }
V3 Sub(const V3& a, const V3& b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z}; }
double Dot(const V3& a, const V3& b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }
V3 Normal(const V3& a, const V3& b, const V3& c) { return Cross(Sub(b, a), Sub(c, a)); }
double Area(const V3& a, const V3& b, const V3& c) { return std::sqrt(Dot(Normal(a, b, c), Normal(a, b, c))) / 2; }

// A square face a-b-c-d turning counter-clockwise seen from outside.
void Quad(TListFace& l, V3 a, V3 b, V3 c, V3 d, int orientation) {
    l.Add(a, b, c, orientation);
    l.Add(a, c, d, orientation);
}

// The unit cube [0,1] x [0,1] x [-1,0], each point moved by `move`.
template <class Move>
TListFace Cube(int orientation, Move move) {
    auto p = [&](double x, double y, double zz) { return move(V3{x, y, zz - 1}); };
    TListFace l;
    Quad(l, p(0, 0, 0), p(0, 1, 0), p(1, 1, 0), p(1, 0, 0), orientation);  // bottom
    Quad(l, p(0, 0, 1), p(1, 0, 1), p(1, 1, 1), p(0, 1, 1), orientation);  // top
    Quad(l, p(0, 0, 0), p(1, 0, 0), p(1, 0, 1), p(0, 0, 1), orientation);  // y = 0
    Quad(l, p(0, 1, 0), p(0, 1, 1), p(1, 1, 1), p(1, 1, 0), orientation);  // y = 1
    Quad(l, p(0, 0, 0), p(0, 0, 1), p(0, 1, 1), p(0, 1, 0), orientation);  // x = 0
    Quad(l, p(1, 0, 0), p(1, 1, 0), p(1, 1, 1), p(1, 0, 1), orientation);  // x = 1
    return l;
}
auto Same = [](V3 p) { return p; };

}  // namespace

TEST(FaceVolume, ClosedUnitCube) {
    // Its volume and centre from the default plane: with the turned cubes below.
    TListFace cube = Cube(1, Same);
    TVertex3f c;
    double v = 0;
    EXPECT_NEAR(Face::VolByFace(cube, 1.025, 0.0), 1.025, 1e-12);  // the factor scales the volume only
    // Measured from another plane the volume is the same, the centre is relative to it.
    Face::CCByFace(cube, c, v, 1.0, -2.0);
    EXPECT_NEAR(v, 1.0, 1e-12);
    ExpectNear(c, {0.5, 0.5, 1.5}, 1e-12);

    // The orientation flag 0 turns every facet over.
    Face::CCByFaceDefaut(Cube(0, Same), c, v);
    EXPECT_NEAR(v, -1.0, 1e-12);
    ExpectNear(c, {0.5, 0.5, -0.5}, 1e-12);

    // Nothing, or two halves of opposite signs whose sum is rounding only:
    // no centre (rather than one 1e15 m away) and no volume.
    TListFace vide, moities = Cube(1, [](V3 p) { return V3{0.1 * p.X + 0.37, 0.3 * p.Y + 0.11, 0.7 * p.Z - 0.013}; });
    for (const TFacette& f : Cube(0, [](V3 p) { return V3{0.1 * p.X - 0.29, 0.3 * p.Y + 0.11, 0.7 * p.Z - 0.013}; }))
        moities.Add(f);
    ASSERT_NE(Face::VolByFace(moities, 1.0, 0.0), 0.0);
    for (const TListFace* l : {&vide, &moities}) {
        EXPECT_FALSE(Face::CCByFace(*l, c, v, 1.0, 0.0));
        EXPECT_EQ(std::tuple(c, v), std::tuple(TVertex3f{}, 0.0));
    }
}

// The centre of each prism must be exact for sloping facets: turned cubes
// and tetrahedra of any shape give their own centres.
TEST(FaceVolume, SlopingFacetsGiveTheExactCentre) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> ang(-180, 180), u(-1, 1);
    for (int n = 0; n < 20; ++n) {
        const double ax = ang(rng) * std::numbers::pi / 180, ay = ang(rng) * std::numbers::pi / 180,
                     az = ang(rng) * std::numbers::pi / 180;
        auto move = [&](V3 p) {
            p = {p.X, p.Y * std::cos(ax) - p.Z * std::sin(ax), p.Y * std::sin(ax) + p.Z * std::cos(ax)};
            p = {p.X * std::cos(ay) + p.Z * std::sin(ay), p.Y, -p.X * std::sin(ay) + p.Z * std::cos(ay)};
            p = {p.X * std::cos(az) - p.Y * std::sin(az), p.X * std::sin(az) + p.Y * std::cos(az), p.Z};
            return V3{p.X + 0.3, p.Y - 0.7, p.Z - 4.0};
        };
        TVertex3f c;
        double v = 0;
        Face::CCByFaceDefaut(Cube(1, move), c, v);
        EXPECT_NEAR(v, 1.0, 1e-12);
        ExpectNear(c, move({0.5, 0.5, -0.5}), 1e-12);

        V3 p[4];
        for (V3& q : p) q = {u(rng), u(rng), u(rng) - 1.5};
        const double det = Dot(Cross(Sub(p[1], p[0]), Sub(p[2], p[0])), Sub(p[3], p[0]));
        if (det < 0) std::swap(p[1], p[2]);
        TListFace tet;
        tet.Add(p[0], p[2], p[1], 1);
        tet.Add(p[0], p[1], p[3], 1);
        tet.Add(p[0], p[3], p[2], 1);
        tet.Add(p[1], p[2], p[3], 1);
        Face::CCByFace(tet, c, v, 1.0, 0.5);
        EXPECT_NEAR(v, std::fabs(det) / 6, 1e-12);
        ExpectNear(c, {(p[0].X + p[1].X + p[2].X + p[3].X) / 4, (p[0].Y + p[1].Y + p[2].Y + p[3].Y) / 4,
                       (p[0].Z + p[1].Z + p[2].Z + p[3].Z) / 4 - 0.5},
                   1e-12);
    }
}

// Every piece kept under the plane turns as the triangle given, lies in its
// plane, and together with the part above makes up its area.
TEST(FaceClip, PiecesKeepTheWindingOfTheirTriangle) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> u(-1, 1);
    int twoPieces[3] = {0, 0, 0};
    for (int n = 0; n < 3000; ++n) {
        V3 t[3] = {{u(rng), u(rng), u(rng)}, {u(rng), u(rng), u(rng)}, {u(rng), u(rng), u(rng)}};
        const double z = 0.4 * u(rng);
        const V3 nIn = Normal(t[0], t[1], t[2]);
        V3 a = t[0], b = t[1], c = t[2], d, e, f;
        const int count = Calcs::GetTriUnderDWL(a, b, c, z, d, e, f);
        int above = -1, nAbove = 0;
        for (int k = 0; k < 3; ++k)
            if (t[k].Z > z) above = k, ++nAbove;
        std::vector<std::array<V3, 3>> pieces;
        if (count >= 1) pieces.push_back({a, b, c});
        if (count == 2) pieces.push_back({d, e, f});
        double kept = 0;
        for (auto& pc : pieces) {
            if (Area(pc[0], pc[1], pc[2]) > 1e-9) {
                EXPECT_GT(Dot(Normal(pc[0], pc[1], pc[2]), nIn), 0.0) << n;
            }
            for (const V3& pt : pc) EXPECT_LE(pt.Z, z + 1e-12);
            kept += Area(pc[0], pc[1], pc[2]);
        }
        const double whole = Area(t[0], t[1], t[2]);
        if (nAbove == 3) {
            EXPECT_EQ(count, 0);
        } else if (nAbove == 0) {
            EXPECT_NEAR(kept, whole, 1e-12);
        } else if (nAbove == 1) {
            ASSERT_EQ(count, 2);
            ++twoPieces[above];
            const V3& top = t[above];
            auto I = [&](const V3& p) {
                const double s = (z - top.Z) / (p.Z - top.Z);
                return V3{top.X + s * (p.X - top.X), top.Y + s * (p.Y - top.Y), z};
            };
            const double cap = Area(top, I(t[(above + 1) % 3]), I(t[(above + 2) % 3]));
            EXPECT_NEAR(kept + cap, whole, 1e-9);
        }
    }
    for (int k = 0; k < 3; ++k) EXPECT_GT(twoPieces[k], 100);
}

// A box barge L 10, B 4, depth 2 from z = -1 to 1, open at the deck, as one
// half surface with its mirror and junction: floating at draft 1 its volume
// and centre are exact whatever the density of the grid.
TEST(FaceVolume, BoxBargeWithJunction) {
    for (auto [nb, ns, nl] : {std::array<int, 3>{1, 1, 1}, {1, 2, 1}, {3, 5, 7}, {10, 9, 20}}) {
        SCOPED_TRACE(testing::Message() << nb << " " << ns << " " << nl);
        auto s = fixtures::Caisson(TDefGrille{}, nb, ns, 0, nl);
        s->CalcSurface();
        TListFace l;
        Face::BuildFaceList(s->Points, &s->PointsSym, 1, 1, 0, l, 0.0);
        TVertex3f c;
        double v = 0;
        Face::CCByFaceDefaut(l, c, v);
        EXPECT_NEAR(v, 80.0, 1e-9);
        ExpectNear(c, {0, 5, 0}, 1e-9);

        l.Clear();
        Face::BuildFaceListFull(*s, l, 0.0);
        Face::CCByFaceDefaut(l, c, v);
        EXPECT_NEAR(v, 40.0, 1e-9);
        ExpectNear(c, {0, 5, -0.5}, 1e-9);
        // Wetted: bottom 40, sides 2 x 10, ends 2 x 4.
        EXPECT_NEAR(Face::AireByFace(l), 68.0, 1e-9);


        // Areas: bottom and side of both halves, no junction, and the same sums.
        l.Clear();
        Face::BuildSimpleFaceList(*s, l);
        Face::CCByFace(l, c, v);
        EXPECT_NEAR(v, 80.0, 1e-9);
        ExpectNear(c, {0, 5, -0.5}, 1e-9);
    }
}

TEST(FaceList, MirrorAndJunctionNeedMatchingGrids) {
    auto s = fixtures::Caisson(TDefGrille{}, 2, 2, 0, 3);
    s->CalcSurface();
    auto faces = [&](const TArrayVertex3f* miroir, int jonction) {
        TListFace l;
        Face::BuildFaceList(s->Points, miroir, 1, jonction, 0, l, 0.0);
        return l.Count();
    };
    // A mirror of another size cannot be joined: its cells only.
    const TArrayVertex3f other(3, 4);
    EXPECT_EQ(faces(&other, 1), 2 * 4 * 3 + 2 * 2 * 3);
}
