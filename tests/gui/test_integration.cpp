// The real main window with its four views and the mouse tools: the keyboard
// filter, the display switches, a drag then a failing command and the undo,
// and the views' settings going out with the document and back.
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include <numbers>
#include <stdexcept>

#include "app/gui/ExceptionHandler.h"
#include "base/Debug.h"
#include "model/Update.h"
#include "tests/gui/MainFormTestUtil.h"
#include "views/gui/Affiche.h"

namespace {

using Integration = ProgrammeTest;

}  // namespace

TEST_F(Integration, PageKeysZoomTheActiveViewAndArrowsMoveIt) {
    Active(vkPlan);
    TViewRecord& plan = Vue(vkPlan)->Vue();
    const float echelle = plan.Scale;
    const float echelleSection = Vue(vkSection)->Vue().Scale;

    QTest::keyClick(Vue(vkPlan), Qt::Key_PageUp);
    EXPECT_NEAR(plan.Scale, echelle * 1.3f, 1e-3f * echelle);
    EXPECT_EQ(Vue(vkSection)->Vue().Scale, echelleSection);  // only the active view
    QTest::keyClick(Vue(vkPlan), Qt::Key_PageDown);
    EXPECT_NEAR(plan.Scale, echelle, 1e-3f * echelle);

    const int x = plan.OriginX, y = plan.OriginY;
    QTest::keyClick(Vue(vkPlan), Qt::Key_Left);
    EXPECT_EQ(plan.OriginX, x - 10);
    QTest::keyClick(Vue(vkPlan), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(plan.OriginY, y + 50);
    // The key reaches the view from whatever widget of the main window has it.
    QTest::keyClick(F().BarreOutils(), Qt::Key_Right);
    EXPECT_EQ(plan.OriginX, x);

    Active(vkPerspective);
    TViewRecord& persp = Vue(vkPerspective)->Vue();
    const float azimut = persp.Azimuth, elevation = persp.Elevation;
    const int px = persp.OriginX;
    QTest::keyClick(Vue(vkPerspective), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(Vue(vkPerspective), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_NEAR(persp.Azimuth, azimut - 10.0 * std::numbers::pi / 180.0, 1e-5);
    EXPECT_NEAR(persp.Elevation, elevation + 10.0 * std::numbers::pi / 180.0, 1e-5);
    EXPECT_EQ(persp.OriginX, px);
}

TEST_F(Integration, KeysStayWithTheWindowsThatUseThemAndAModalDialog) {
    Active(vkPlan);
    TViewRecord& plan = Vue(vkPlan)->Vue();
    // The windows whose fields, lists and bars use the arrows keep them, and
    // so does any modal dialog; over the tool palette they move the view (by
    // the last number, for one Left).
    for (const auto& [nom, modal, deplacement] :
         {std::tuple{"OptionForm", false, 0}, std::tuple{"VueCtrlForm", false, 0}, std::tuple{"LstPcForm", false, 0},
          std::tuple{"PrecisForm", true, 0}, std::tuple{"BoiteOutilsForm", false, -10},
          std::tuple{"ListeSurfVisiblesForm", false, -10}}) {
        const int x = plan.OriginX;
        QDialog w;
        w.setObjectName(QLatin1String(nom));
        w.setModal(modal);
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w, 30000)) << nom;
        QTest::keyClick(&w, Qt::Key_Left);
        EXPECT_EQ(plan.OriginX, x + deplacement) << nom;
    }
    // Other keys are never taken.
    const int x = plan.OriginX;
    QTest::keyClick(Vue(vkPlan), Qt::Key_Home);
    EXPECT_EQ(plan.OriginX, x);

    // A menu closed with Escape gives them back, though the menu bar keeps the
    // keyboard focus as it does on a desktop.
    QMenu* menu = F().findChild<QMenu*>(QStringLiteral("MeAffichage"));
    ASSERT_NE(menu, nullptr);
    QTimer::singleShot(0, menu, [menu] { QTest::keyClick(menu, Qt::Key_Escape); });
    F().menuBar()->setActiveAction(menu->menuAction());
    QTRY_VERIFY(!menu->isVisible());
    F().menuBar()->setFocus();
    QTest::keyClick(F().menuBar(), Qt::Key_Right);
    EXPECT_EQ(plan.OriginX, x + 10);
}

TEST_F(Integration, DisplaySwitchesComputeTheirCutsAndRedraw) {
    Active(vkSection);
    const TEntity& s = *F().Doc().Surface(0);
    ASSERT_FALSE(F().Doc().Aff.MeSections);
    // The stations are kept while the hull is shown, drawn or not.
    EXPECT_TRUE(s.SecFait);
    // No background picture is named.
    EXPECT_FALSE(A("MeAfficheBitmapFond")->isEnabled());
    const QImage sans = Vue(vkSection)->Image().copy();
    A("MeSections")->trigger();
    EXPECT_TRUE(A("SBCouples")->isChecked());
    EXPECT_NE(Vue(vkSection)->Image(), sans);

    // The tool-bar button turns them off again: the picture is the one without.
    A("SBCouples")->trigger();
    EXPECT_FALSE(A("MeSections")->isChecked());
    EXPECT_EQ(Vue(vkSection)->Image(), sans);
    A("MeDiagonales")->trigger();
    EXPECT_TRUE(s.DiagFait);

    // The hull off: no cut line is drawn, whatever the families.
    const QImage avecCoupes = Vue(vkSection)->Image().copy();
    A("MeCarene")->trigger();
    EXPECT_NE(Vue(vkSection)->Image(), avecCoupes);
    A("MeCarene")->trigger();
    EXPECT_EQ(Vue(vkSection)->Image(), avecCoupes);
}

TEST_F(Integration, HullAndNetAreNeverBothOff) {
    Active(vkPlan);
    // The net off: the hull stays, every point of the four views is inactive,
    // and the net selection window opens (the hull off or the net on close it).
    auto fenSel = [&] { return A("MeFenSel")->isChecked() && F().findChild<QWidget*>(QStringLiteral("FenSelForm"))->isVisible(); };
    A("MeNet")->trigger();
    EXPECT_FALSE(F().Doc().Aff.MeNet);
    EXPECT_TRUE(F().Doc().Aff.MeCarene);
    EXPECT_TRUE(fenSel());
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Vue(k)->TabCoor().At(0, 1, 1).Etat, epInactif) << k;
    // A press where a point was picks nothing: the net does not move.
    const TNet avant = Net();
    const QPoint p = Pixel(vkPlan, 1, 1);
    Glisse(Vue(vkPlan), p, {p + QPoint(15, 15)});
    EXPECT_EQ(Net(), avant);

    // The hull off as well: the net comes back, its points with it.
    A("MeCarene")->trigger();
    EXPECT_FALSE(F().Doc().Aff.MeCarene);
    EXPECT_TRUE(A("SBNet")->isChecked());
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Vue(k)->TabCoor().At(0, 1, 1).Etat, epNormal) << k;
    EXPECT_FALSE(fenSel());

    // And the net off once more forces the hull on.
    A("MeNet")->trigger();
    EXPECT_TRUE(F().Doc().Aff.MeCarene);
    EXPECT_TRUE(A("SBCarene")->isChecked());
    EXPECT_TRUE(fenSel());
    A("MeNet")->trigger();
    EXPECT_FALSE(fenSel());
}

TEST_F(Integration, ViewsAreWrittenWithTheDocumentAndComeBackWithIt) {
    Active(vkPlan);
    QTest::keyClick(Vue(vkPlan), Qt::Key_PageUp);
    QTest::keyClick(Vue(vkPlan), Qt::Key_Left);
    const TViewRecord plan = Vue(vkPlan)->Vue();
    d_.fichierEnregistrer = Fichier(QStringLiteral("vues.cse"));
    ASSERT_TRUE(F().MeEnregistrerSousClick());

    // Moved again, then the file opened: the view is where it was saved.
    QTest::keyClick(Vue(vkPlan), Qt::Key_PageDown);
    QTest::keyClick(Vue(vkPlan), Qt::Key_Down, Qt::AltModifier);
    d_.fichierOuvrir = Fichier(QStringLiteral("vues.cse"));
    d_.reponses = {Ui::mrYes};
    F().MeOuvrirClick();
    ASSERT_EQ(F().Doc().NbSurf(), 1);
    const TViewRecord& relue = Vue(vkPlan)->Vue();
    EXPECT_EQ(std::tuple(relue.OriginX, relue.OriginY, relue.Scale), std::tuple(plan.OriginX, plan.OriginY, plan.Scale));
    // The points of the file can be picked.
    EXPECT_EQ(Vue(vkPlan)->TabCoor().At(0, 1, 1).Etat, epNormal);
}

TEST_F(Integration, AKeptDimensionDrawsWholeInEveryViewAndLeavesTheStatusBarAlone) {
    // A dimension of the section view: drawing it leaves panel 3 alone.
    TCote c;
    c.Kind = "Mètre";
    c.Mesure.View = vkSection;
    c.Mesure.P1 = {0.0, 0.0, 0.0};
    c.Mesure.P2 = {1.0, 0.0, 1.0};
    F().Doc().ListCotes.push_back(c);

    static QStringList avertissements;
    const QtMessageHandler avant = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& t) {
        if (type == QtWarningMsg) avertissements.append(t);
    });
    // Each view comes to the front maximized: resized, drawn, painted.
    for (int k : {vkSection, vkPlan, vkProfile, vkPerspective, vkSection}) Active(k);
    QApplication::processEvents();
    qInstallMessageHandler(avant);
    EXPECT_TRUE(avertissements.filter(QStringLiteral("QPainter")).isEmpty()) << avertissements.join(u'\n').toStdString();
    EXPECT_FALSE(F().TexteStatusBar(3).startsWith(QStringLiteral("Mesure :"))) << F().TexteStatusBar(3).toStdString();
    // The picture holds the dimension: without it, the section view differs.
    const QImage avec = Vue(vkSection)->Image().copy();
    F().Doc().ListCotes.clear();
    Affiche::AfficheNet(Vue(vkSection));
    EXPECT_NE(Vue(vkSection)->Image(), avec);
}

namespace {

// Delivers every event the way the program's application object does it:
// through the exception handler's guard.
bool LivreSousGarde(void** donnees) {
    auto* recepteur = static_cast<QObject*>(donnees[0]);
    auto* evenement = static_cast<QEvent*>(donnees[1]);
    auto* resultat = static_cast<bool*>(donnees[2]);
    *resultat = ExceptionHandler::Guard(
        [&] { return QCoreApplication::instance()->notify(recepteur, evenement); }, false);
    return true;
}

}  // namespace

// A drag, then a command that fails half-way: the failure is absorbed, the
// drag kept and undone from the keyboard.
TEST_F(Integration, ADragThenAMenuCommandThatFailsIsAbsorbedAndTheProgramGoesOn) {
    const QString courant = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(travail_.path()));
    Startup::InstalleGestionnaireErreurs(F());
    ExceptionHandler::hooks().journalPath = Fichier(QStringLiteral("Error.log")).toStdString();
    std::vector<std::string> messages;
    ExceptionHandler::hooks().plainMessage = [&messages](const std::string& m) { messages.push_back(m); };
    ASSERT_TRUE(QInternal::registerCallback(QInternal::EventNotifyCallback, LivreSousGarde));

    Active(vkPlan);
    ASSERT_TRUE(F().Enregistre());
    const TVertex4f avant = Net().TabPC[1][1];
    const float echelle = Vue(vkPlan)->Vue().Scale;
    const QPoint pixel = Pixel(vkPlan, 1, 1);
    Glisse(Vue(vkPlan), pixel, {pixel + QPoint(10, 5), pixel + QPoint(20, 10)});
    const TVertex4f apres = Net().TabPC[1][1];
    // The plan shows Y across and X downwards.
    EXPECT_NEAR(apres.Y, avant.Y + 20.0 / echelle, 1e-4);
    EXPECT_NEAR(apres.X, avant.X + 10.0 / echelle, 1e-4);
    bool dessinCoupe = false;
    const auto fixeDessin = ExceptionHandler::hooks().setDrawing;
    ExceptionHandler::hooks().setDrawing = [&dessinCoupe, fixeDessin](bool on) {
        dessinCoupe = dessinCoupe || !on;
        fixeDessin(on);
    };
    const QMetaObject::Connection panne = QObject::connect(A("MeDeplHori"), &QAction::triggered, &F(), [] {
        DBG_SCOPE("TMainForm.MeDeplHoriClick");
        throw std::runtime_error("Commande en échec");
    });
    QTest::keyClick(Vue(vkPlan), Qt::Key_F5);  // the item's shortcut
    QObject::disconnect(panne);
    QInternal::unregisterCallback(QInternal::EventNotifyCallback, LivreSousGarde);
    EXPECT_TRUE(dessinCoupe);  // no drawing while the handler ran

    // The document as it stood, in "recovery.cse" of the current folder; its name unchanged.
    Document relu;
    GestFich::OuvrirFichier(relu, Fichier(QStringLiteral("recovery.cse")).toStdString());
    ASSERT_EQ(relu.NbSurf(), 1);
    EXPECT_NEAR(relu.SurfaceNurbs(0)->Net.TabPC[1][1].Y, apres.Y, 1e-4);
    // One journal line: the failing routine, the message, the recent tags.
    QFile journal(Fichier(QStringLiteral("Error.log")));
    ASSERT_TRUE(journal.open(QIODevice::ReadOnly));
    const QStringList lignes = QString::fromUtf8(journal.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 1);
    EXPECT_TRUE(lignes[0].contains(
        QStringLiteral(" : TMainForm.MeDeplHoriClick . Commande en échec . Stack = TMainForm.MeDeplHoriClick | ")))
        << lignes[0].toStdString();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Debug::state().depth, 0);

    // The program goes on: drawing on, undo works from the keyboard, the view
    // follows, the document stays modified.
    EXPECT_TRUE(F().Doc().FormeAffichee);
    QTest::keyClick(Vue(vkPlan), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Net().TabPC[1][1], avant);
    EXPECT_EQ(Pixel(vkPlan, 1, 1), pixel);
    EXPECT_TRUE(F().isWindowModified());

    ExceptionHandler::SetHooks({});
    QDir::setCurrent(courant);
}

