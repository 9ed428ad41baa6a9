// The main window and its views as a new user meets them: what follows a
// language change, which views a command reaches, what is shown after a
// document changes.
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTest>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/Settings.h"
#include "app/texts/Langue.h"
#include "tests/gui/MainFormTestUtil.h"
#include "views/gui/FormFille.h"
#include "views/gui/Vues.h"

TEST_F(ProgrammeTest, RowAndColumnItemsFollowTheActiveViewAfterTheTextsAreAppliedAgain) {
    for (const auto& [kind, ajout, suppr] : {std::tuple{vkPlan, "rsMeAjouterColonneVx", "rsMeSupprimerColonneVx"},
                                             std::tuple{vkSection, "rsMeAjouterLigneVx", "rsMeSupprimerLigneVx"}}) {
        Active(kind);
        Langue::AppliqueLangueTout();
        EXPECT_EQ(A("MeAjouterVx")->text(), Langue::QTxt(ajout)) << kind;
        EXPECT_EQ(A("MeSupprimerVx")->text(), Langue::QTxt(suppr)) << kind;
    }
}

TEST_F(MainFormTest, AWindowMadeLaterTakesItsPlacementAndOneNeverOpenedKeepsIt) {
    {
        auto s = Settings::Ouvrir();
        s->setValue(QStringLiteral("Environement/PosFen"), true);
        for (const char* nom : {"CalculatForm", "StudioForm"}) {
            Settings::TPlacement p;
            p.Left = 70, p.Top = 80, p.Width = 300, p.Height = 200, p.Visible = true;
            Settings::EcrirePlacement(*s, QLatin1String(nom), p);
        }
    }
    {
        TMainForm f;
        f.show();
        QWidget calculatrice(&f, Qt::Tool);
        f.EnregistrePlacement(QStringLiteral("CalculatForm"), &calculatrice, false);
        const Settings::TPlacement lu = Settings::PlacementDe(calculatrice);
        EXPECT_EQ(QRect(lu.Left, lu.Top, lu.Width, lu.Height), QRect(70, 80, 300, 200));
        EXPECT_TRUE(calculatrice.isVisible());
        calculatrice.setGeometry(10, 20, 330, 220);
        EXPECT_TRUE(f.close());
    }
    QSettings ini(Ini(), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("PosFen/CalculatFormWidth")).toInt(), 330);
    EXPECT_EQ(ini.value(QStringLiteral("PosFen/StudioFormWidth")).toInt(), 300);  // not opened: kept
}

TEST_F(ProgrammeTest, AViewClosedByItsButtonComesBackFromItsItemAndFromTheTiling) {
    auto cadre = [&](int k) { return qobject_cast<QMdiSubWindow*>(Vue(k)->parentWidget()); };
    for (const char* retour : {"MePlanFen", "MeMosaiqueHoriz", "MeCascade"}) {
        ASSERT_TRUE(cadre(vkPlan)->close());
        QApplication::processEvents();
        ASSERT_NE(Vue(vkPlan), nullptr);
        EXPECT_FALSE(cadre(vkPlan)->isVisible());
        A(retour)->trigger();
        EXPECT_TRUE(cadre(vkPlan)->isVisible()) << retour;
    }
    int visibles = 0;
    for (QMdiSubWindow* sw : F().findChild<QMdiArea*>()->subWindowList()) visibles += sw->isVisible();
    EXPECT_EQ(visibles, 4);
}
