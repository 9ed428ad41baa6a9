// The view-control bars: positions of a view and the view a position gives.
#include <gtest/gtest.h>

#include <numbers>

#include "model/Calcs.h"
#include "views/VueCtrl.h"

using namespace VueCtrl;

TEST(VueCtrl, PositionsOfAViewAndTheViewTheyGiveBack) {
    TViewRecord v;
    v.Scale = 57.5f;
    v.OriginX = 13;
    v.OriginY = -40;
    v.Azimuth = static_cast<float>(-135 * std::numbers::pi / 180);
    v.Elevation = static_cast<float>(30 * std::numbers::pi / 180);
    const TPositions p = Positions(v, 401, 300);
    // The zoom's half goes to even.
    EXPECT_EQ(std::tuple(p.Zoom, p.DHori, p.DVert, p.RHori, p.RVert), std::tuple(58, 13 - 200, 150 + 40, -135, 30));
    // Moving a bar and reading it back gives the same position.
    AppliqueDHori(v, -345, 401);
    AppliqueDVert(v, 77, 300);
    AppliqueZoom(v, 120);
    int a1 = 0, a2 = 0;
    AppliqueAzimut(v, a1, 90);
    AppliqueElevation(v, a2, -20);
    const TPositions q = Positions(v, 401, 300);
    EXPECT_TRUE(q.DHori == -345 && q.DVert == 77 && q.Zoom == 120 && q.RHori == 90 && q.RVert == -20);
    EXPECT_TRUE(a1 == 90 && a2 == -20);
}

TEST(VueCtrl, RangesAndStudio) {
    const TPlages plan = Plages(vkPlan, 2500), persp = Plages(vkPerspective, 2500), studio = Plages(kStudio, 2500);
    EXPECT_TRUE(plan.ZoomMin == 1 && plan.ZoomMax == 2500 && !plan.Angles && persp.Angles);
    EXPECT_TRUE(studio.ZoomMax == 350 && studio.HoriMin == -100);

    TStudio s;
    s.Zoom = 12.5;
    s.AngleH = 725.0;
    s.AngleV = -370.4;
    const TPositions p = Positions(s);
    EXPECT_TRUE(p.RHori == 5 && p.RVert == -10 && p.Zoom == 12);
    EXPECT_TRUE(s.AngleH == 5.0 && s.AngleV == -10.0);  // stored back
    double a = 359.6;
    EXPECT_EQ(AngleStudio(a), 360);
    EXPECT_EQ(a, 359.6);  // within the range: kept as it is
    EXPECT_DOUBLE_EQ(Zoom2Studio(350), 0.1);
    EXPECT_DOUBLE_EQ(Zoom2Studio(1), 35.0);
}
