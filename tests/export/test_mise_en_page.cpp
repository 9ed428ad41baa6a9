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

TEST(MiseEnPage, PreviewBox) {
    int w = 0, hb = 0;
    TailleApercu(A4(), w, hb);
    EXPECT_EQ(w * 1000 + hb, 210297);
    TailleApercu({0, 0, 2970, 2100, 2970, 2100}, w, hb);
    EXPECT_EQ(w * 1000 + hb, 297210);
}

// At 1/10 a model 607 mm long on paper needs trunc(607 / 202.9 + 1) = 3 pages across (the printable width of a
// 1200-dpi A4 page, 202.9 mm, no whole number of preview pixels), 1 down, centred over them; the preview shows the
// same tiles. A point at -1.25e20 m is counted without overflow.
TEST(MiseEnPage, AFixedScaleTilesTheModelCentredAsThePreviewShowsIt) {
    TEntree e = Entree(TEchelle::Fixe, 10), a;
    std::tie(e.Imp, e.W, e.H, e.Min, e.Max) = std::tuple(TImprimante{167, 167, 9917, 14033, 9583, 13699}, 9917,
                                                         14033, TVertex2f{0.0f, -0.3f}, TVertex2f{6.07f, 0.9f});
    a = e;
    TailleApercu(e.Imp, a.W, a.H);
    std::array<TPage, 4> p;
    for (e.Page = a.Page = 1; e.Page <= 4; a.Page = ++e.Page) {
        p[e.Page - 1] = EchelleOrigine(e);
        const TPage& q = p[e.Page - 1], ap = EchelleOrigine(a);
        EXPECT_EQ((std::array{q.Across, q.Down, q.Total, ap.Total, q.Page}),
                  (std::array<std::int64_t, 5>{3, 1, 3, 3, std::min<std::int64_t>(e.Page, 3)}));
        // Where the model origin falls, in millimetres: within a preview pixel.
        EXPECT_NEAR(ap.X0 * 210.0 / a.W, q.X0 * 210.0 / 9917, 1.0) << e.Page;
        EXPECT_NEAR(ap.Y0 * 210.0 / a.W, q.Y0 * 210.0 / 9917, 1.0) << e.Page;
    }
    // The printable area ends at the offset plus the printable size.
    EXPECT_EQ((std::array{p[0].L, p[0].T, p[0].R, p[0].B}), (std::array{167, 167, 9750, 13866}));
    // Centred: as much room left of the model on page 1 as right of it on page 3, above it as below.
    EXPECT_NEAR(p[0].X0 + e.Min.X * p[0].S - p[0].L, p[2].R - (p[2].X0 + e.Max.X * p[2].S), 1.0);
    EXPECT_NEAR(p[0].Y0 - e.Max.Y * p[0].S - p[0].T, p[0].B - (p[0].Y0 - e.Min.Y * p[0].S), 1.0);
    std::tie(e.N, e.Min.Y) = std::pair(1, -1.25e20f);
    const TPage loin = EchelleOrigine(e);
    EXPECT_EQ(loin.Down, kPagesSature);
    EXPECT_EQ(loin.Total, 30 * kPagesSature);
}

TEST(MiseEnPage, ACustomScaleReadsAsTypedOrIsRefused) {
    int n = 0;
    for (auto [texte, attendu] : {std::pair{"25", 25}, {"1/25", 25}, {" 1 / 25 ", 25}, {"0", 1}, {"-4", 1},
                                  {"5000", 1000}, {"99999999999999999999", 1000}, {"2/25", 0}, {"1 / ", 0},
                                  {"abc", 0}, {"25x", 0}, {"", 0}, {"1/2/3", 0}, {"1,5", 0}})
        EXPECT_EQ(LitEchelle(texte, n) ? n : 0, attendu) << texte;
}

TEST(MiseEnPage, ScreenAndFitScales) {
    TEntree e = Entree(TEchelle::Ecran);
    std::tie(e.Vue.Scale, e.Vue.OriginX, e.Vue.OriginY, e.ClientW, e.ClientH) = std::tuple(100.0f, 400, 300, 800, 600);
    const TPage p = EchelleOrigine(e);
    // The view's centre at the page's centre, at the scale that fits the view.
    EXPECT_DOUBLE_EQ(p.S, 100.0 * 2010 / 800);
    EXPECT_EQ((std::array<std::int64_t, 3>{p.X0, p.Y0, p.Total}), (std::array<std::int64_t, 3>{1050, 1485, 1}));

    e.Mode = TEchelle::Ajuster;
    e.Min = {0.0f, 0.0f};
    e.Max = {10.0f, 2.0f};
    const TPage a = EchelleOrigine(e);
    EXPECT_NEAR(a.S, 0.95 * 2010 / 10.0, 0.01);
    EXPECT_GE(a.X0, a.L);
    EXPECT_LE(a.X0 + 10.0 * a.S, a.R);
}

// The paper differs from the printer's page when its proportions miss the page by more than a device pixel.
TEST(MiseEnPage, PaperAndPrinterPageDifferBeyondADevicePixel) {
    const double a4w = 210 / 25.4 * 1200, a4h = 297 / 25.4 * 1200;  // 9921.26 x 14031.50 at 1200 dpi
    struct Cas {
        int horz, vert;
        double w, h;
        bool differe;
    } const cas[] = {{210, 297, a4w, a4h, false},      {297, 210, a4h, a4w, false},
                     {297, 210, a4w, a4h, true},       {148, 210, a4w, a4h, true},
                     {210, 297, a4w, a4h + 0.9, false}, {210, 297, a4w, a4h + 1.5, true},
                     {210, 297, 0, 0, false},          {0, 297, a4w, a4h, false}};
    for (const Cas& c : cas)
        EXPECT_EQ(PapierDifferent(c.horz, c.vert, c.w, c.h), c.differe) << c.horz << "x" << c.vert << " on " << c.h;
}

TEST(MiseEnPage, APrinterWithoutPageSizeFallsBackToThePaper) {
    TEntree e = Entree(TEchelle::Fixe);
    e.Imp = Effective({0, 0, 0, 0, 0, 0}, 210, 297);
    const TPage p = EchelleOrigine(e);
    EXPECT_EQ(p.R * 10000 + p.B, 21002970);
    EXPECT_TRUE(std::isfinite(p.S));
}

}  // namespace
