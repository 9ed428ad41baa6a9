// The view-control window and the tool palette in the running program.
#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include "tests/gui/MainFormTestUtil.h"
#include "views/gui/BoiteOutilsForm.h"
#include "views/gui/VueCtrlForm.h"

namespace {
class VueCtrlForm : public ProgrammeTest {
protected:
    TVueCtrlForm* C() { return F().findChild<TVueCtrlForm*>(QStringLiteral("VueCtrlForm")); }
    QSlider* B(TVueCtrlForm::Barre b) { return C()->TrackBar(b); }
};
}  // namespace

TEST_F(VueCtrlForm, BarsFollowTheActiveViewAndMoveItOnlyWhenDragged) {
    Active(vkPlan);
    A("MeControleVue")->trigger();
    ASSERT_TRUE(C() && C()->isVisible());
    EXPECT_TRUE(C()->Index() == vkPlan && !B(TVueCtrlForm::bRHori)->isEnabled());

    // A zoom from the keyboard: the bar follows, the view is not moved by it.
    QTest::keyClick(Vue(vkPlan), Qt::Key_PageUp);
    const TViewRecord r = Vue(vkPlan)->Vue();
    EXPECT_EQ(B(TVueCtrlForm::bZoom)->value(), static_cast<int>(std::nearbyint(r.Scale)));
    EXPECT_EQ(C()->Valeur(TVueCtrlForm::bZoom)->text(), QString::number(B(TVueCtrlForm::bZoom)->value()));
    EXPECT_TRUE(Vue(vkPlan)->Vue().OriginX == r.OriginX && Vue(vkPlan)->Vue().Scale == r.Scale);

    // Dragged: both shifts at 0 put the origin at the centre; the scale stops at ZoomMax.
    B(TVueCtrlForm::bDHori)->setValue(0);
    B(TVueCtrlForm::bDVert)->setValue(0);
    B(TVueCtrlForm::bZoom)->setValue(1000000);
    const TViewRecord& d = Vue(vkPlan)->Vue();
    EXPECT_EQ(std::tuple(d.OriginX, d.OriginY, d.Scale),
              std::tuple(Vue(vkPlan)->width() / 2, Vue(vkPlan)->height() / 2, static_cast<float>(F().Doc().Options.ZoomMax)));

    // The perspective takes the bars with its angles.
    Active(vkPerspective);
    EXPECT_TRUE(C()->Index() == vkPerspective && B(TVueCtrlForm::bRHori)->isEnabled());
    EXPECT_EQ(B(TVueCtrlForm::bRHori)->value(), Vue(vkPerspective)->Angle1);
    B(TVueCtrlForm::bRHori)->setValue(45);
    EXPECT_NEAR(Vue(vkPerspective)->Vue().Azimuth, 0.7853982, 1e-6);

    C()->close();
    EXPECT_FALSE(A("MeControleVue")->isChecked());
}

TEST_F(VueCtrlForm, PaletteButtonsRunAndMirrorTheMenuItems) {
    A("MeIcoBoiteOutils")->trigger();
    auto* b = F().findChild<TBoiteOutilsForm*>(QStringLiteral("BoiteOutilsForm"));
    ASSERT_TRUE(b && b->isVisible());
    auto* h = b->findChild<QToolButton*>(QStringLiteral("SB_DeplH"));
    auto* v = b->findChild<QToolButton*>(QStringLiteral("SB_DeplV"));
    ASSERT_TRUE(h && v && h->isEnabled());
    h->click();
    EXPECT_TRUE(A("MeDeplHori")->isChecked() && h->isChecked());
    A("MeDeplVert")->trigger();  // from the menu: one group, the palette follows
    EXPECT_TRUE(!A("MeDeplHori")->isChecked() && !h->isChecked() && v->isChecked());
    // The net selection window's button opens it.
    b->findChild<QToolButton*>(QStringLiteral("SpeedButton1"))->click();
    EXPECT_TRUE(A("MeFenSel")->isChecked());

    QTest::mouseDClick(b, Qt::LeftButton);
    EXPECT_EQ(b->frameGeometry().top(), F().frameGeometry().top() + 72);
    b->close();
    EXPECT_FALSE(A("MeIcoBoiteOutils")->isChecked());
}
