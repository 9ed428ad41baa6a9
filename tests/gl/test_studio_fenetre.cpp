// The studio as one of the main window's windows, on a real X server.
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSlider>

#include "studio/gui/StudioForm.h"
#include "studio/gui/scene/VisView.h"
#include "views/VueCtrl.h"
#include "views/gui/VueCtrlForm.h"
#include "tests/gui/MainFormTestUtil.h"

namespace {

class StudioFenetre : public ProgrammeTest {};

TEST_F(StudioFenetre, FenetresStudioShowsTheLitHullAndTheLightsOutliveTheProgram) {
    QAction* item = A("MeStudioFen");
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    QApplication::processEvents();
    TStudioForm* st = TStudioForm::Instance();
    ASSERT_TRUE(st && st->isVisible());
    EXPECT_TRUE(F().ZoneMdi()->activeSubWindow()->isMaximized() && F().ZoneMdi()->activeSubWindow()->widget() == st);
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(F().TexteStatusBar(0), QStringLiteral("Studio"));

    // "Copier" puts the studio's picture on the clipboard: the hull on the background.
    QGuiApplication::clipboard()->clear();
    A("MeCopier")->trigger();
    const QImage copie = QGuiApplication::clipboard()->image();
    ASSERT_EQ(copie.size(), st->GLC()->size());
    int hull = 0;
    for (int y = 0; y < copie.height(); y += 4)
        for (int x = 0; x < copie.width(); x += 4) hull += qBlue(copie.pixel(x, y)) > qRed(copie.pixel(x, y)) + 40;
    EXPECT_GT(hull, 50);

    // The lights as the user left them come back at the next start.
    TglLightList& l = st->Lumieres();
    l[5].SetEnabled(true);
    l[5].SetRotX(33.3f);
    l[5].SetRotY(-0.1f);  // folds to 359.9
    l[6].SetDistZ(5.123f);
    l[1].SetEnabled(false);
    const Settings::TLumieres reglages = st->ReglagesLumieres();
    const float rotY = l[5].RotY();
    const QPointer<TStudioForm> ancien(st);
    F().close();
    QApplication::processEvents();
    TearDown();
    SetUp();
    TStudioForm* relu = TStudioForm::Instance();
    ASSERT_TRUE(relu && ancien.isNull());  // a new one may stand at the old one's address
    EXPECT_EQ(relu->ReglagesLumieres(), reglages);
    const TglLightList& r = relu->Lumieres();
    EXPECT_TRUE(r[5].Enabled() && r[5].RotY() == rotY && r[6].DistZ() == 5.123f && !r[1].Enabled());
}

TEST_F(StudioFenetre, ZoomCommandsAndTheViewControlSteerTheActiveStudio) {
    A("MeStudioFen")->trigger();
    QApplication::processEvents();
    TStudioForm* st = TStudioForm::Instance();
    ASSERT_NE(st, nullptr);
    const float loin = st->Vue().Distance;
    const int echellePlan = static_cast<int>(Vue(vkPlan)->Vue().Scale);
    A("MeAgrandir")->trigger();
    EXPECT_LT(st->Vue().Distance, loin);
    EXPECT_EQ(static_cast<int>(Vue(vkPlan)->Vue().Scale), echellePlan);  // the 2-D views stay
    A("MeReduire")->trigger();
    EXPECT_FLOAT_EQ(st->Vue().Distance, loin);

    // The view-control window takes the studio and turns it with its bars.
    A("MeControleVue")->trigger();
    QApplication::processEvents();
    auto* c = F().findChild<TVueCtrlForm*>(QStringLiteral("VueCtrlForm"));
    ASSERT_NE(c, nullptr);
    A("MeStudioFen")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(c->Index(), VueCtrl::kStudio);
    c->TrackBar(TVueCtrlForm::bRHori)->setValue(40);
    EXPECT_FLOAT_EQ(st->Vue().AngleZ, 40.0f);
}

}  // namespace
