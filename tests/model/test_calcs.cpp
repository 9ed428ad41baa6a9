// Point, vector and view geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

#include "model/Calcs.h"
#include "tests/support/Proches.h"
#include "tests/support/RecordingUi.h"

namespace {

constexpr double kEps = 1e-12;

// The record of each drawing view as the views set it up at creation.
TViewRecord View(std::uint8_t kind, int ox, int oy, float scale, float az, float el) {
    return {.Kind = kind, .OriginX = ox, .OriginY = oy, .Scale = scale, .Azimuth = az, .Elevation = el};
}
constexpr float kSectionAz = 4.712389f;   // 3 pi / 2
constexpr float kPlanEl = 1.5707964f;     // pi / 2

}  // namespace

// ---- View projection ------------------------------------------------------

TEST(CalcsView, EachViewProjectsAndInvertsItsPoints) {
    struct Cas {
        TViewRecord v;
        TVertex3f p;
        TPoint px;
        double depth;
    };
    const Cas cas[] = {
        {View(vkProfile, 200, 150, 50.0f, 0.0f, 0.0f), {7, 1, 2}, {250, 50}, 7.0},   // X along the sight
        {View(vkSection, 400, 300, 100.0f, kSectionAz, 0.0f), {1, 5, 0.5}, {500, 250}, 5.0},
        {View(vkPlan, 200, 150, 50.0f, 0.0f, kPlanEl), {1, 2, 3}, {300, 200}, 3.0},  // Y right, X down
    };
    for (const Cas& c : cas) {
        TPoint px;
        ASSERT_TRUE(Calcs::VueVersPixel(c.p, px, c.v));
        EXPECT_EQ(px, c.px) << int(c.v.Kind);
        TVertex3f back;
        ASSERT_TRUE(Calcs::PixelVersPoint(c.v, px, c.depth, back));
        ExpectNear(back, c.p, 1e-9);
    }
    // Halves go to the even pixel; screen Y grows downwards.
    const TViewRecord v = View(vkProfile, 0, 0, 1.0f, 0.0f, 0.0f);
    TPoint px;
    for (auto [y, x] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}}) {
        ASSERT_TRUE(Calcs::VueVersPixel({0, y, -y}, px, v));
        EXPECT_EQ(px, (TPoint{x, x})) << y;
    }
}

TEST(CalcsView, WhatCannotBeConvertedIsReportedNotConverted) {
    const TViewRecord v = View(vkSection, 400, 300, 100.0f, kSectionAz, 0.0f);
    TPoint px{7, 8};
    // 3e7 m at 100 pixels a metre: past an int.
    for (const TVertex3f& p : {TVertex3f{std::nan(""), 0, 0}, {0, 0, INFINITY}, {3e7, 0, 0}})
        EXPECT_FALSE(Calcs::VueVersPixel(p, px, v)) << p.X << " " << p.Z;
    EXPECT_EQ(px, (TPoint{7, 8}));  // left as it was
    TViewRecord nanScale = v;
    nanScale.Scale = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(Calcs::VueVersPixel({1, 1, 1}, px, nanScale));
    // The largest representable pixels still pass.
    TViewRecord unit = View(vkProfile, 0, 0, 1.0f, 0.0f, 0.0f);
    ASSERT_TRUE(Calcs::VueVersPixel({0, 2147483647.0, -2147483647.0}, px, unit));
    EXPECT_EQ(px, (TPoint{2147483647, 2147483647}));
    // No inverse without a scale, nor for the studio.
    TVertex3f p{1, 2, 3};
    EXPECT_FALSE(Calcs::PixelVersPoint(View(vkSection, 0, 0, 0.0f, 0, 0), {5, 5}, 0.0, p));
    EXPECT_FALSE(Calcs::PixelVersPoint(View(vkStudio, 0, 0, 50.0f, 0, 0), {5, 5}, 0.0, p));
    EXPECT_EQ(p, (TVertex3f{1, 2, 3}));
}

// ---- Angles ----------------------------------------------------------------

TEST(CalcsAngles, SignedAngleInEveryQuadrantAndAtRightAngles) {
    const TVertex2f o{0, 0}, a{1, 0};
    const struct {
        TVertex2f a, o, b;
        double deg, tol;
    } cas[] = {
        {{1, 1}, o, {-1, 1}, 90.0, 0}, {{-1, 1}, o, {1, 1}, -90.0, 0},
        {{0.1f, 0.3f}, o, {-0.3f, 0.1f}, 90.0, 1e-5},  // a right angle whose sine is not exactly 1
        {{3, 1}, {2, 0}, {1, 1}, 90.0, kEps},          // vertex off the origin
        {a, o, {1, 1}, 45.0, kEps},  {a, o, {-1, 1}, 135.0, kEps}, {a, o, {-1, -1}, -135.0, kEps},
        {a, o, {1, -1}, -45.0, kEps}, {a, o, {-1, 0}, 180.0, 0},   // never -180
        {a, o, {3, 0}, 0.0, 0},      {o, o, {3, 0}, 0.0, 0},       // A on O
    };
    for (const auto& c : cas) EXPECT_NEAR(Calcs::AngleOriente2D(c.a, c.o, c.b), c.deg, c.tol) << c.b.X << " " << c.b.Y;
}

// ---- Planes, lines, rotations ---------------------------------------------

TEST(CalcsPlanes, MirrorInAPlane) {
    const TVertex3f n{1, 1, 0};   // the plane x + y = 1
    const double d = -1;
    TVertex3f q;
    Calcs::CalcSym({2, 3, 4}, n, d, q);
    ExpectNear(q, {-2, -1, 4}, 1e-9);
    Calcs::CalcSym({0.25, 0.75, 9}, n, d, q);   // on the plane
    ExpectNear(q, {0.25, 0.75, 9}, 1e-9);
}

// ---- Triangles, vectors, circles ------------------------------------------

TEST(CalcsCircles, CentreOfATiltedCircle) {
    // Three points of a circle of radius 2 about (1, 2, 3) in a tilted plane.
    const TVertex3f c{1, 2, 3};
    const double r2 = std::numbers::sqrt2 / 2;
    const TVertex3f e1{r2, r2, 0}, e2{0, 0, 1};
    auto on = [&](double t) {
        return TVertex3f{c.X + 2 * (std::cos(t) * e1.X + std::sin(t) * e2.X),
                         c.Y + 2 * (std::cos(t) * e1.Y + std::sin(t) * e2.Y),
                         c.Z + 2 * (std::cos(t) * e1.Z + std::sin(t) * e2.Z)};
    };
    TVertex3f centre;
    ASSERT_TRUE(Calcs::CerclePar3Pts(on(0.3), on(1.7), on(4.0), centre));
    ExpectNear(std::exchange(centre, {9, 9, 9}), c, 1e-12);
    EXPECT_FALSE(Calcs::CerclePar3Pts({0, 0, 0}, {1, 2, 3}, {2, 4, 6}, centre));
    EXPECT_EQ(centre, (TVertex3f{9, 9, 9}));
}

// ---- Hit test on a drawn segment ------------------------------------------

TEST(CalcsSegment, VerticalSlopedAndDegenerateSegments) {
    const TPoint a{10, 0}, b{10, 20}, c{0, 0}, d{10, 5};
    const struct {
        TPoint p, a, b;
        bool sur;
    } cas[] = {
        {{10, 20}, a, b, true}, {{11, 5}, a, b, true},  // one column of slack
        {{12, 5}, a, b, false}, {{10, 21}, a, b, false}, {{4, 2}, c, d, true}, {{4, 5}, c, d, false},
        {{12, 6}, c, d, false},  // on the line, past the end
        {{3, 3}, {3, 3}, {3, 3}, false},
        {{0, 0}, {-2000000000, -2000000000}, {2000000000, 2000000000}, true},  // far apart: no overflow
    };
    for (const auto& k : cas) EXPECT_EQ(Calcs::SurSegment(k.p, k.a, k.b), k.sur) << k.p.X << " " << k.p.Y;
}
