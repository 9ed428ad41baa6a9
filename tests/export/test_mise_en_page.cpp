// The geometry of a print: printable area, scale, origin and page tiling.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

#include "export/MiseEnPage.h"

namespace {

using namespace MiseEnPage;

// An A4 portrait page at 10 units a millimetre with 5 mm margins left and
// top, 4 mm right and bottom.
TImprimante A4() { return {50, 50, 2100, 2970, 2010, 2880}; }

TEntree Entree(TEchelle mode, int n = 10) {
    TEntree e;
    std::tie(e.Imp, e.PapierHorz, e.W, e.H, e.Mode, e.N) = std::tuple(A4(), 210, 2100, 2970, mode, n);
    return e;
}

TEST(MiseEnPage, PaperOrientationAndPreviewBox) {
    int h = 0, v = 0;
    TaillePapier(297, 420, true, h, v);
    EXPECT_EQ(h * 1000 + v, 420297);
    TaillePapier(420, 297, false, h, v);
    EXPECT_EQ(h * 1000 + v, 297420);
    int w = 0, hb = 0;
    TailleApercu(A4(), w, hb);
    EXPECT_EQ(w * 1000 + hb, 210297);
    TailleApercu({0, 0, 2970, 2100, 2970, 2100}, w, hb);
    EXPECT_EQ(w * 1000 + hb, 297210);
}

TEST(MiseEnPage, AFixedScaleTilesTheModelCentredOverThePages) {
    TEntree e = Entree(TEchelle::Fixe, 10);
    // At 1/10 the scale is 1000 units a metre: a model twice the usable
    // width, and half its height, needs trunc(2 + 1) = 3 pages across, 1 down.
    e.Min = {-1.0f, 0.0f};
    e.Max = {3.03f, 1.44f};
    TPage p = EchelleOrigine(e);
    // The printable area ends at the offset plus the printable size.
    EXPECT_EQ((std::array{p.L, p.T, p.R, p.B, p.U, p.V}), (std::array{50, 50, 2060, 2930, 2010, 2880}));
    EXPECT_DOUBLE_EQ(p.S, 1000.0);
    EXPECT_EQ((std::array{p.Across, p.Down, p.Total}), (std::array{3, 1, 3}));
    // Centred: as much room left of the model on page 1 as right of it on page 3.
    const double gauche = p.X0 + e.Min.X * p.S - p.L;
    e.Page = 3;
    const TPage p3 = EchelleOrigine(e);
    EXPECT_EQ(p3.X0, p.X0 - 2 * p.U);
    const double droite = p3.R - (p3.X0 + e.Max.X * p3.S);
    EXPECT_NEAR(gauche, droite, 1.0);
    EXPECT_NEAR(p.Y0 - e.Max.Y * p.S - p.T, p.B - (p.Y0 - e.Min.Y * p.S), 1.0);
    // A page number beyond the count is the last page.
    e.Page = 7;
    EXPECT_EQ(EchelleOrigine(e).Page, 3);
}

TEST(MiseEnPage, ScreenAndFitScales) {
    TEntree e = Entree(TEchelle::Ecran);
    e.Vue.Scale = 100.0f;
    e.Vue.OriginX = 400;
    e.Vue.OriginY = 300;
    e.ClientW = 800;
    e.ClientH = 600;
    const TPage p = EchelleOrigine(e);
    // The view's centre at the page's centre, at the scale that fits the view.
    EXPECT_DOUBLE_EQ(p.S, 100.0 * 2010 / 800);
    EXPECT_EQ((std::array{p.X0, p.Y0, p.Total}), (std::array{1050, 1485, 1}));

    e.Mode = TEchelle::Ajuster;
    e.Min = {0.0f, 0.0f};
    e.Max = {10.0f, 2.0f};
    const TPage a = EchelleOrigine(e);
    EXPECT_NEAR(a.S, 0.95 * 2010 / 10.0, 0.01);
    EXPECT_GE(a.X0, a.L);
    EXPECT_LE(a.X0 + 10.0 * a.S, a.R);
}

TEST(MiseEnPage, APrinterWithoutPageSizeFallsBackToThePaper) {
    TEntree e = Entree(TEchelle::Fixe);
    e.Imp = Effective({0, 0, 0, 0, 0, 0}, 210, 297);
    e.Min = {0.0f, 0.0f};
    e.Max = {1.0f, 1.0f};
    const TPage p = EchelleOrigine(e);
    EXPECT_EQ(p.R * 10000 + p.B, 21002970);
    EXPECT_TRUE(std::isfinite(p.S));
}

}  // namespace
