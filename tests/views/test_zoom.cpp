#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/support/Proches.h"
#include "tests/support/RecordingUi.h"
#include "tests/support/VueEditFixture.h"
#include "model/Calcs.h"
#include "views/Zoom.h"

using testvue::Record;

namespace {

TViewRecord Vue(int ox, int oy, float s) {
    TViewRecord v = Record(vkSection);
    v.OriginX = ox;
    v.OriginY = oy;
    v.Scale = s;
    return v;
}

// The model point (section view: X, Z) under a pixel.
TVertex3f Sous(const TViewRecord& v, TPoint p) {
    TVertex3f q;
    Calcs::PixelVersPoint(v, p, 0.0, q);
    return q;
}

}  // namespace

TEST(Zoom, StepsKeepTheCentreWithinTheirCeilingAndFloor) {
    TViewRecord v = Vue(100, 500, 50.0f);
    Zoom::AgrandireVue(v, 800, 600, 2500, {});
    EXPECT_FLOAT_EQ(v.Scale, 65.0f);
    EXPECT_EQ((TPoint{v.OriginX, v.OriginY}), (TPoint{10, 560}));
    v = Vue(300, 200, 2000.0f);
    const TVertex3f centre = Sous(v, {400, 300});
    Zoom::AgrandireVue(v, 800, 600, 2500, {});
    EXPECT_FLOAT_EQ(v.Scale, 2500.0f);  // 2600 capped
    EXPECT_NEAR(Sous(v, {400, 300}).X, centre.X, 0.5 / 2500);
    v = Vue(400, 300, 6.0f);
    Zoom::ReduireVue(v, 800, 600, {});
    EXPECT_FLOAT_EQ(v.Scale, 5.0f);  // not 4.615
}

// On a view of odd size the centre is a pixel of its own: every step keeps
// the model point under it there, and twenty steps in and twenty out bring
// the view back exactly, whatever the modifiers.
TEST(Zoom, TwentyStepsInAndOutKeepTheCentrePixel) {
    const int w = 563, h = 411;
    const TPoint centre{282, 206};   // 281.5 and 205.5, to even
    for (const Ui::KeyState k : {Ui::KeyState{}, Ui::KeyState{true, false, false}, Ui::KeyState{false, false, true}}) {
        for (const TViewRecord depart : {Vue(123, 457, 80.0f), Vue(-1000, 900, 20.0f), Vue(17, -40, 37.5f)}) {
            TViewRecord v = depart;
            for (int pas = 0; pas < 40; ++pas) {
                const TVertex3f sous = Sous(v, centre);
                if (pas < 20) Zoom::AgrandireVue(v, w, h, 1000000, k);
                else Zoom::ReduireVue(v, w, h, k);
                // Where that point now falls, to the fraction of a pixel (section view: X right, Z up).
                const double x = v.OriginX + v.Scale * sous.X, y = v.OriginY - v.Scale * sous.Z;
                ASSERT_LE(std::max(std::fabs(x - centre.X), std::fabs(y - centre.Y)), 0.5 + 1e-6) << "step " << pas;
            }
            EXPECT_TRUE(v.OriginX == depart.OriginX && v.OriginY == depart.OriginY);
            EXPECT_NEAR(v.Scale, depart.Scale, depart.Scale * 1e-5);
        }
    }
    TViewRecord v = Vue(0, 0, 50.0f);
    Zoom::CentreFenetre(v, w, h);
    EXPECT_EQ((TPoint{v.OriginX, v.OriginY}), centre);
}

TEST(Zoom, PreviousViewTwiceRestoresTheStart) {
    TViewRecord v = Vue(100, 500, 50.0f);
    Zoom::TVuePrec prec;
    Zoom::SauvePrec(v, prec);
    Zoom::AgrandireVue(v, 800, 600, 2500, {});
    Zoom::EchangePrec(v, prec);
    EXPECT_TRUE(v.OriginX == 100 && v.Scale == 50.0f);
    Zoom::EchangePrec(v, prec);
    EXPECT_EQ(v.OriginX, 10);
    // A previous view never set does not put a zero scale into the view.
    Zoom::TVuePrec vide;
    Zoom::EchangePrec(v, vide);
    EXPECT_FLOAT_EQ(v.Scale, 65.0f);
}

TEST(Zoom, BoxFillsTheWidthFromItsLeftEdgeAndNeedsAPositiveWidth) {
    TViewRecord v = Vue(400, 300, 100.0f);
    EXPECT_FALSE(Zoom::ZoomBoite(v, 800, {200, 100}, 200, 2500));
    EXPECT_FALSE(Zoom::ZoomBoite(v, 800, {200, 100}, 150, 2500));
    EXPECT_TRUE(v.OriginX == 400 && v.OriginY == 300 && v.Scale == 100.0f);
    // The model point at the box's first corner goes to the window's corner.
    const TVertex3f coin = Sous(v, {200, 100});
    ASSERT_TRUE(Zoom::ZoomBoite(v, 800, {200, 100}, 600, 2500));
    EXPECT_FLOAT_EQ(v.Scale, 200.0f);  // a box half the width doubles the scale
    ExpectNear(Sous(v, {0, 0}), coin, 1e-9);
    // The ceiling holds for a tiny box.
    ASSERT_TRUE(Zoom::ZoomBoite(v, 800, {10, 10}, 11, 2500));
    EXPECT_FLOAT_EQ(v.Scale, 2500.0f);
}

TEST(Zoom, FitShowsTheWholeHullAndKeepsThePreviousView) {
    RecordingScope ui;
    Document doc = Document::Defaut();
    TViewRecord v = Record(vkSection);
    v.Scale = 7.0f;
    Zoom::TVuePrec prec;
    ASSERT_TRUE(Zoom::AjusteFenetre(doc, v, prec, 800, 600));
    EXPECT_FLOAT_EQ(static_cast<float>(prec.Echelle), 7.0f);
    // Every control point of the hull, and its mirror image drawn beside it, is inside the window.
    const TSurface* s = doc.SurfaceNurbs(0);
    for (int i = 0; i < s->Net.NbL; ++i)
        for (int j = 0; j < s->Net.NbC; ++j) {
            TVertex3f m;
            Calcs::CalcSym(testvue::Xyz(s->Net.TabPC[i][j]), s->PlanSym.Normal, s->PlanSym.D, m);
            for (const TVertex3f& p : {testvue::Xyz(s->Net.TabPC[i][j]), m}) {
                TPoint px;
                ASSERT_TRUE(Calcs::VueVersPixel(p, px, v));
                EXPECT_TRUE(px.X >= 0 && px.X <= 800 && px.Y >= 0 && px.Y <= 600) << i << " " << j;
            }
        }
    // With one half shown the fit takes that half only, closer.
    const float entiere = v.Scale;
    doc.Aff.MeMoitie = true;
    ASSERT_TRUE(Zoom::AjusteFenetre(doc, v, prec, 800, 600));
    EXPECT_GT(v.Scale, entiere);
    // Nothing visible: nothing changes, the previous view neither.
    doc.Surfaces[0]->Visible = 0;
    const TViewRecord avant = v;
    Zoom::TVuePrec prec2{1, 2, 3.0};
    EXPECT_FALSE(Zoom::AjusteFenetre(doc, v, prec2, 800, 600));
    EXPECT_TRUE(v.Scale == avant.Scale && prec2 == (Zoom::TVuePrec{1, 2, 3.0}));
}

TEST(Zoom, SavedViewRestoredWithThePreviousViewKept) {
    TVueSauvee slot;
    TViewRecord v = Record(vkPerspective);
    Zoom::TVuePrec prec;
    // An empty slot takes the view.
    EXPECT_FALSE(Zoom::VuePersonnalisee(v, slot, prec));
    EXPECT_FLOAT_EQ(slot.Angle1, v.Azimuth);

    const TViewRecord sauvee = v;
    v.OriginX += 37;
    v.Scale = 12.0f;
    v.Azimuth = 0.25f;
    const TViewRecord ailleurs = v;
    ASSERT_TRUE(Zoom::VuePersonnalisee(v, slot, prec));
    EXPECT_TRUE(v.OriginX == sauvee.OriginX && v.Azimuth == sauvee.Azimuth);
    EXPECT_EQ(prec, (Zoom::TVuePrec{ailleurs.OriginX, ailleurs.OriginY, 12.0}));

    // A slot with no usable scale (a damaged file) is not applied: the view is saved over it.
    TVueSauvee abime;
    abime.Sauvee = true;
    abime.Echelle = 0.0f;
    TViewRecord w = Record(vkSection);
    EXPECT_FALSE(Zoom::VuePersonnalisee(w, abime, prec));
    EXPECT_TRUE(w.Scale == 100.0f && abime.Echelle == 100.0f);
}
