#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <tuple>

#include "model/Coupe.h"
#include "tests/support/Coupes.h"

namespace {

using V3 = TVertex3f;

TArrayVertex3f Grid(int rows, int cols, const std::function<V3(int, int)>& f) {
    TArrayVertex3f g(rows, cols);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) g[i][j] = f(i, j);
    return g;
}

// Half a box barge: rows from the keel outward (bottom to x = 2, then the
// side up to z = 1), columns along Y every 2.5 m.
TArrayVertex3f Barge() {
    const V3 sec[] = {{0, 0, -1}, {1, 0, -1}, {2, 0, -1}, {2, 0, 0}, {2, 0, 1}};
    return Grid(5, 5, [&](int i, int j) { return V3{sec[i].X, 2.5 * j, sec[i].Z}; });
}

// A flat grid 9 x 9 (step 1) at z = 0 with single nodes raised to z = 1.
TArrayVertex3f Bumps(std::initializer_list<std::pair<int, int>> peaks) {
    TArrayVertex3f g = Grid(9, 9, [](int i, int j) { return V3{double(j), double(i), 0}; });
    for (auto [i, j] : peaks) g[i][j].Z = 1;
    return g;
}

bool Closed(const TListPt3D& l) { return l.Count() > 1 && l.front().P == l.back().P; }

}  // namespace

TEST(Coupe, GridWhollyOnOneSideLeavesTheCutUnchanged) {
    const TArrayVertex3f g = Barge();
    TCoupe cut = Coupe({{{-5, -5, -5}}});
    const TCoupe before = cut;
    ObjCom::CalcSecMesh(g, 4, 4, cut, 10.5);
    ObjCom::CalcLEMesh(g, 4, 4, cut, 1.5);
    TMesh::CalcLong(g, 4, 4, cut, -0.5);
    TMesh::CalcDiag(g, 4, 4, cut, 0.0, 3.0);
    EXPECT_EQ(cut, before);
    // Bounds beyond the grid are brought back to it; none at all cut nothing.
    ObjCom::CalcSecMesh(g, -1, 4, cut, 5.0);
    ObjCom::CalcSecMesh(TArrayVertex3f(), 4, 4, cut, 5.0);
    EXPECT_EQ(cut, before);
    ObjCom::CalcSecMesh(g, 40, 40, cut, 5.0);
    EXPECT_EQ(cut.Count(), 2);
}

TEST(Coupe, StationOfTheBargeFollowsItsSection) {
    const TArrayVertex3f g = Barge();
    for (double y : {3.0, 5.0}) {  // between two columns, then through a column of nodes
        TCoupe cut;
        ObjCom::CalcSecMesh(g, 4, 4, cut, y);
        EXPECT_EQ(cut, Coupe({{{0, y, -1}, {1, y, -1}, {2, y, -1}, {2, y, 0}, {2, y, 1}}})) << y;
    }
    // A buttock through the bottom and the deck-less side.
    TCoupe lg;
    TMesh::CalcLong(g, 4, 4, lg, 0.5);
    ASSERT_EQ(lg.Count(), 1);
    for (const TPt3D& p : lg[0]) EXPECT_EQ(p.P.X, 0.5);
}

// A mesh read from a file may be larger than any evaluated surface: the
// work tables follow the grid.
TEST(Coupe, GridsLargerThanAnyPrecisionAreCutWhole) {
    const int rows = 260, seg = 240;
    const TArrayVertex3f g = Grid(rows, seg + 1, [](int i, int j) {
        const double a = 2 * std::numbers::pi * (j % seg) / seg;
        return V3{std::cos(a), 0.01 * i, std::sin(a)};
    });
    for (int pass = 0; pass < 2; ++pass) {
        TCoupe sec;
        ObjCom::CalcSecMesh(g, rows - 1, seg, sec, 2.555);
        ASSERT_EQ(sec.Count(), 1);
        EXPECT_EQ(std::tuple(sec[0].Count(), Closed(sec[0])), std::tuple(seg + 1, true));

        // Two lines along the tube, one on each side, from end to end.
        TCoupe le;
        ObjCom::CalcLEMesh(g, rows - 1, seg, le, 0.4);
        ASSERT_EQ(le.Count(), 2);
        for (const TListPt3D& l : le) EXPECT_NEAR(std::fabs(l.front().P.Y - l.back().P.Y), 0.01 * (rows - 1), 1e-12);
        // A small grid in between must find the tables clean.
        TCoupe small;
        ObjCom::CalcLEMesh(Bumps({{4, 4}}), 8, 8, small, 0.5);
        ASSERT_EQ(small.Count(), 1);
        EXPECT_EQ(small[0].Count(), 5);
    }
}

TEST(Coupe, TwoIslandsGiveTwoLoops) {
    const TArrayVertex3f g = Bumps({{2, 2}, {6, 5}});
    TCoupe cut;
    ObjCom::CalcLEMesh(g, 8, 8, cut, 0.5);
    ASSERT_EQ(cut.Count(), 2);
    const V3 peaks[] = {{2, 2, 0}, {5, 6, 0}};
    for (int k = 0; k < 2; ++k) {
        const TListPt3D& l = cut[k];
        ASSERT_EQ(std::tuple(l.Count(), Closed(l)), std::tuple(5, true));  // four edge hits around the peak, closed
        for (const TPt3D& p : l) {
            EXPECT_EQ(p.P.Z, 0.5);
            EXPECT_DOUBLE_EQ(std::fabs(p.P.X - peaks[k].X) + std::fabs(p.P.Y - peaks[k].Y), 0.5);
        }
    }
}

TEST(Coupe, DiagonalCrossingXZeroEndsOnIt) {
    // A sloping plane z = 0.3 y - 0.5 across X = 0, cut by Z = X: the line
    // x = 0.3 y - 0.5 starts at X < 0.
    const TArrayVertex3f g = Grid(9, 9, [](int i, int j) {
        const double x = -1 + 0.25 * j, y = 0.5 * i;
        return V3{x, y, 0.3 * y - 0.5};
    });
    TCoupe cut;
    TMesh::CalcDiag(g, 8, 8, cut, 1.0, 0.0);
    ASSERT_EQ(cut.Count(), 1);
    const TListPt3D& l = cut[0];
    ASSERT_GE(l.Count(), 2);
    const TPt3D& start = l.front().P.X == 0 ? l.front() : l.back();
    EXPECT_EQ(start.P.X, 0.0);
    EXPECT_NEAR(start.P.Y, 0.5 / 0.3, 1e-12);
    for (const TPt3D& p : l) {
        EXPECT_GE(p.P.X, 0.0);
        EXPECT_NEAR(p.P.Z, p.P.X, 1e-12);
    }
    // A diagonal wholly on the side X < 0 leaves nothing.
    TCoupe none;
    TMesh::CalcDiag(g, 8, 8, none, 1.0, 1.2);
    EXPECT_EQ(none.Count(), 0);
}

TEST(Coupe, TrimAtXZero) {
    TCoupe cut = Coupe({{{-1, 0, 0}, {1, 2, 2}, {-3, 0, 0}, {-1, 0, 0}}, {{-1, 0, 0}}});
    TMesh::EliminePtInfZero(cut);
    EXPECT_EQ(cut, Coupe({{{0, 1, 1}, {1, 2, 2}, {0, 1.5, 1.5}}}));
}
