// The main window and its views as a new user meets them: what follows a
// language change, which views a command reaches, what is shown after a
// document changes.
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <tuple>

#include "app/gui/AppliqueLangue.h"
#include "app/gui/Settings.h"
#include "base/Langue.h"
#include "model/Update.h"
#include "tests/gui/MainFormTestUtil.h"

TEST_F(ProgrammeTest, RowAndColumnItemsFollowTheActiveViewAfterTheTextsAreAppliedAgain) {
    for (const auto& [kind, ajout, suppr] : {std::tuple{vkPlan, "rsMeAjouterColonneVx", "rsMeSupprimerColonneVx"},
                                             std::tuple{vkSection, "rsMeAjouterLigneVx", "rsMeSupprimerLigneVx"}}) {
        Active(kind);
        Langue::AppliqueLangueTout();
        EXPECT_EQ(A("MeAjouterVx")->text(), Langue::QTxt(ajout)) << kind;
        EXPECT_EQ(A("MeSupprimerVx")->text(), Langue::QTxt(suppr)) << kind;
    }
}

// (Windows made after the start take their placement: test_startup.cpp.)
TEST_F(MainFormTest, ThePlacementOfAWindowNeverMadeIsKept) {
    {
        auto s = Settings::Ouvrir();
        s->setValue(QStringLiteral("Environement/PosFen"), true);
        Settings::TPlacement p;
        p.Width = 300, p.Height = 200;
        Settings::EcrirePlacement(*s, QStringLiteral("StudioForm"), p);
    }
    {
        TMainForm f;
        f.show();
        EXPECT_TRUE(f.close());
    }
    EXPECT_EQ(QSettings(Ini(), QSettings::IniFormat).value(QStringLiteral("PosFen/StudioFormWidth")).toInt(), 300);
}

// Closes a child window through the close button of its own title bar.
static void CliqueFermer(QMdiSubWindow* sw) {
    QStyleOptionTitleBar o;
    o.initFrom(sw);
    o.rect = QRect(0, 0, sw->width(), sw->style()->pixelMetric(QStyle::PM_TitleBarHeight, &o, sw));
    o.titleBarFlags = sw->windowFlags();
    o.subControls = QStyle::SC_All;
    const QPoint p = sw->style()->subControlRect(QStyle::CC_TitleBar, &o, QStyle::SC_TitleBarCloseButton, sw).center();
    QTest::mouseMove(sw, p);
    QTest::mouseClick(sw, Qt::LeftButton, {}, p);
    QApplication::processEvents();
}

TEST_F(ProgrammeTest, AViewClosedByItsButtonComesBackDrawnAndThePanelNamesTheViewThenActive) {
    auto cadre = [&](int k) { return qobject_cast<QMdiSubWindow*>(Vue(k)->parentWidget()); };
    // Closed by its own button, then brought back by its item, the tiling, the cascade.
    for (const auto& [k, retour, reste] : {std::tuple{vkPerspective, "MePerspectiveFen", "rsVueProfil"},
                                           std::tuple{vkPlan, "MeMosaiqueHoriz", "rsVuePersp"},
                                           std::tuple{vkSection, "MeCascade", "rsVuePersp"}}) {
        A("MeCascade")->trigger();
        F().ZoneMdi()->setActiveSubWindow(cadre(k == vkPerspective ? vkProfile : vkPerspective));
        F().ZoneMdi()->setActiveSubWindow(cadre(k));
        ASSERT_FALSE(cadre(k)->isMaximized());
        CliqueFermer(cadre(k));
        ASSERT_FALSE(cadre(k)->isVisible()) << retour;
        EXPECT_EQ(F().TexteStatusBar(0).toStdString(), Langue::Txt(reste)) << retour;
        A(retour)->trigger();
        QApplication::processEvents();
        EXPECT_TRUE(Vue(k)->isVisible()) << retour;
        EXPECT_EQ(Vue(k)->Image().size(), Vue(k)->size()) << retour;
        if (k == vkPerspective) {
            EXPECT_TRUE(cadre(k)->isMaximized());
            EXPECT_EQ(F().TexteStatusBar(0).toStdString(), Langue::Txt("rsVuePersp"));
        }
    }
    int visibles = 0;
    for (QMdiSubWindow* sw : F().findChild<QMdiArea*>()->subWindowList()) visibles += sw->isVisible();
    EXPECT_EQ(visibles, 4);
}

// The control points of the first surface, and their mirror images, that lie outside the view.
static int HorsDeLaVue(const TFormFille& v, const TNet& net) {
    const QRect client(0, 0, v.width(), v.height());
    int hors = 0;
    for (int i = 0; i < net.NbL; ++i)
        for (int j = 0; j < net.NbC; ++j)
            for (const TCellPC& c : {v.TabCoor().At(0, i, j), v.TabCoor().Sym(0, i, j)})
                hors += !client.contains(c.X, c.Y);
    return hors;
}

// The tiling and the cascade move the windows: every view keeps its scale
// and angles, its origin follows its new size.
TEST_F(ProgrammeTest, TilingAndCascadeMoveTheWindowsAndKeepTheViews) {
    const auto gardes = [](const TViewRecord& r) { return std::tuple(r.Scale, r.Azimuth, r.Elevation, r.Further); };
    for (const char* commande : {"MeMosaiqueHoriz", "MeMozaiqueVert", "MeCascade"}) {
        TViewRecord avant[4];
        QSize taille[4];
        for (int k = 0; k < 4; ++k) {
            TViewRecord& r = Vue(k)->Vue();
            r.Scale = 77.25f + k, r.OriginX = 100 + 10 * k, r.OriginY = 90 - 10 * k;
            if (k == vkPerspective) r.Azimuth = 0.5f, r.Elevation = -0.25f, r.Further = 1.5f;
            avant[k] = r, taille[k] = Vue(k)->size();
        }
        A(commande)->trigger();
        QApplication::processEvents();
        for (int k = 0; k < 4; ++k) {
            SCOPED_TRACE(std::string(commande) + " view " + std::to_string(k));
            const TViewRecord& r = Vue(k)->Vue();
            EXPECT_EQ(gardes(r), gardes(avant[k]));
            EXPECT_NEAR(r.OriginX, Vue(k)->width() * avant[k].OriginX / double(taille[k].width()), 1.0);
            EXPECT_NEAR(r.OriginY, Vue(k)->height() * avant[k].OriginY / double(taille[k].height()), 1.0);
        }
    }
}

TEST_F(ProgrammeTest, ADocumentWithoutViewsOrGridIsFramedAndGetsTheDefaultLinesOverItsOwnExtent) {
    // The default hull 20 m higher, written without its "VUES" and "GRILLE" sections.
    const QString chemin = QString::fromStdString(EcritDocument(QStringLiteral("haut.cse"), 1, 20.0));
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString texte = QString::fromLatin1(f.readAll());
    f.close();
    texte.remove(QRegularExpression(QStringLiteral("^\\[(VUES|GRILLE)\\].*?^\\[END\\][^\\n]*\\n"),
                                    QRegularExpression::DotMatchesEverythingOption | QRegularExpression::MultilineOption));
    ASSERT_FALSE(texte.contains(QStringLiteral("[VUES]")) || texte.contains(QStringLiteral("[GRILLE]")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(texte.toLatin1());
    f.close();

    d_.fichierOuvrir = chemin;
    d_.reponses = {Ui::mrYes};
    A("MeOuvrir")->trigger();
    ASSERT_EQ(F().Doc().NbSurf(), 1);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(HorsDeLaVue(*Vue(k), Net()), 0) << k;
    const TDefGrille& g = F().Doc().DefGrille;
    ASSERT_GT(g.NbLE, 0);
    for (int i = 1; i <= g.NbLE; ++i) EXPECT_GE(g.LE.Val[static_cast<std::size_t>(i)], 19.0) << i;
}

TEST_F(ProgrammeTest, ClosingTheDocumentClearsThePanelsThatDescribedIt) {
    ObjCom::ChangeCurrentPC(F().Doc(), 0, 1, 1);
    ASSERT_FALSE(F().TexteStatusBar(1).isEmpty());
    F().WriteStatusBar(2, QStringLiteral("X 1.0"));
    d_.reponses = {Ui::mrNo};
    A("MeFermer")->trigger();
    ASSERT_EQ(F().Doc().NbSurf(), 0);
    EXPECT_TRUE(F().TexteStatusBar(1).isEmpty());
    EXPECT_TRUE(F().TexteStatusBar(2).isEmpty());
}

TEST_F(MainFormTest, StandardDialogButtonsSpeakTheInterfaceLanguage) {
    TMainForm f;
    QDialogButtonBox boutons(QDialogButtonBox::Cancel);
    EXPECT_EQ(boutons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Annuler"));
}
