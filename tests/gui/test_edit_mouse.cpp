// Mouse gestures on real drawing views: drag, cross-hair, pan and wheel,
// through Qt's own mouse and wheel events.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <QMouseEvent>
#include <QWheelEvent>

#include "model/DrawMesure.h"
#include "tests/gui/MainFormTestUtil.h"
#include "views/gui/Affiche.h"
#include "views/gui/EditPCForm.h"
#include "views/gui/FormFille.h"
#include "views/gui/MouseCommandes.h"
#include "views/gui/Vues.h"

namespace {

using ProgrammeSouris = ProgrammeTest;

// A mouse move with the given buttons held, as Qt delivers it.
void Mouvement(QWidget* v, QPoint q, Qt::MouseButtons boutons) {
    QMouseEvent e(QEvent::MouseMove, QPointF(q), v->mapToGlobal(QPointF(q)), Qt::NoButton, boutons, Qt::NoModifier);
    QApplication::sendEvent(v, &e);
}

}  // namespace

TEST_F(ProgrammeSouris, MultiFenDecidesWhichViewsFollowTheDragAndAllCatchUpAtTheRelease) {
    // The section view shows X, which a drag in the plan changes.
    TFormFille* plan = Vue(vkPlan);
    const QImage sectionAvant = Vue(vkSection)->Image().copy();
    const QPoint p = Pixel(vkPlan, 1, 1);
    QTest::mousePress(plan, Qt::LeftButton, {}, p);
    QTest::mouseMove(plan, p + QPoint(0, 30));
    EXPECT_EQ(Vue(vkSection)->Image(), sectionAvant);  // spared during the drag
    EXPECT_EQ(Pixel(vkPlan, 1, 1), p + QPoint(0, 30));  // the plan's table follows the model
    QTest::mouseRelease(plan, Qt::LeftButton, {}, p + QPoint(0, 30));
    const QImage sectionApres = Vue(vkSection)->Image().copy();
    EXPECT_NE(sectionApres, sectionAvant);  // and redrawn once the gesture is over

    F().Doc().Options.MultiFen = true;
    QTest::mousePress(plan, Qt::LeftButton, {}, p + QPoint(0, 30));
    QTest::mouseMove(plan, p + QPoint(0, 60));
    EXPECT_NE(Vue(vkSection)->Image(), sectionApres);
    QTest::mouseRelease(plan, Qt::LeftButton, {}, p + QPoint(0, 60));
}

TEST_F(ProgrammeSouris, ALostReleaseEndsTheDragInsteadOfDraggingOnTheHover) {
    TFormFille* v = Vue(vkPlan);
    const QPoint p = Pixel(vkPlan, 1, 1);
    QTest::mousePress(v, Qt::LeftButton, {}, p);
    Mouvement(v, p + QPoint(10, 0), Qt::LeftButton);
    const TVertex4f lache = Net().TabPC[1][1];
    // The release went elsewhere (a message box, say): the next plain move ends the drag.
    Mouvement(v, p + QPoint(60, 40), Qt::NoButton);
    Mouvement(v, p + QPoint(90, 70), Qt::NoButton);
    EXPECT_EQ(Net().TabPC[1][1], lache);
    EXPECT_TRUE(!F().Enregistre() && F().Doc().Surfaces[0]->Calculee);  // the release's work was done
}

TEST_F(ProgrammeSouris, ZoomCrossHairAndWheel) {
    Active(vkSection);
    TFormFille* v = Vue(vkSection);
    A("MeZoom")->trigger();
    ASSERT_TRUE(A("MeZoom")->isChecked());
    // The cross-hair follows the mouse and leaves the picture as it was behind it.
    const QRgb fond = v->Image().pixel(100, 50);
    Mouvement(v, {100, 100}, Qt::NoButton);
    EXPECT_NE(v->Image().pixel(100, 50), fond);
    Mouvement(v, {300, 300}, Qt::NoButton);
    EXPECT_EQ(v->Image().pixel(100, 50), fond);
    A("MeZoom")->trigger();

    // Two half notches make one step; one alone does nothing.
    auto molette = [&](int delta) {
        QWheelEvent e(QPointF(200, 150), v->mapToGlobal(QPointF(200, 150)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v, &e);
    };
    const float s1 = v->Vue().Scale;
    molette(60);
    EXPECT_FLOAT_EQ(v->Vue().Scale, s1);
    molette(60);
    EXPECT_FLOAT_EQ(v->Vue().Scale, s1 * 1.3f);
}

TEST_F(ProgrammeSouris, RefusedWeldOrGroupLeavesTheDocumentSaved) {
    Active(vkPlan);
    F().MarquerEnregistre();
    Vue(vkPlan)->Selection.Add({0, 1, 1});
    for (const char* item : {"MeSouderPC", "MeGrouperPCPlan", "MeGrouperPCEspace"}) {
        ASSERT_TRUE(A(item)->isEnabled()) << item;
        A(item)->trigger();
    }
    EXPECT_TRUE(F().Enregistre() && !A("MeAnnuler")->isEnabled());  // nothing recorded
    Vue(vkPlan)->Selection.Add({0, 2, 2});
    A("MeSouderPC")->trigger();
    EXPECT_TRUE(F().Doc().ListSoudures.size() == 1 && !F().Enregistre());
}

TEST_F(ProgrammeSouris, PopupFitAndCentreActOnTheirViewOnlyAndPreviousViewSwapsBack) {
    for (int k = 0; k < 4; ++k) Vue(k)->Vue().Scale = 5.0f;
    MouseCommandes::Commande(TCommandeVue::Ajuster, Vue(vkProfile));
    for (int k = 0; k < 4; ++k)
        if (k == vkProfile)
            EXPECT_GT(Vue(k)->Vue().Scale, 5.0f);
        else
            EXPECT_EQ(Vue(k)->Vue().Scale, 5.0f) << k;
    Active(vkProfile);
    const float ajustee = Vue(vkProfile)->Vue().Scale;
    A("MeVuePreced")->trigger();
    EXPECT_FLOAT_EQ(Vue(vkProfile)->Vue().Scale, 5.0f);
    A("MeVuePreced")->trigger();
    EXPECT_FLOAT_EQ(Vue(vkProfile)->Vue().Scale, ajustee);

    Vue(vkPlan)->Vue().OriginX = 13;
    Vue(vkPlan)->PrecEchelle = 7.0;
    MouseCommandes::Commande(TCommandeVue::Centrer, Vue(vkProfile));
    EXPECT_EQ(std::pair(Vue(vkPlan)->Vue().OriginX, Vue(vkPlan)->PrecEchelle), std::pair(13, 7.0));  // another view's kept
}

TEST_F(ProgrammeSouris, FunctionKeysConstrainTheDragAndGoOffAtTheRelease) {
    Active(vkSection);
    TFormFille* s = Vue(vkSection);
    const double echelle = s->Vue().Scale;
    // F5 and F7 keep the screen's horizontal (X), F6 and F8 its vertical (Z);
    // F7 and F8 sit in a hidden submenu and must still answer.
    for (auto [touche, item, horizontal] : {std::tuple{Qt::Key_F5, "MeDeplHori", true}, {Qt::Key_F6, "MeDeplVert", false},
                                            {Qt::Key_F7, "MeDeplHoriProp", true}, {Qt::Key_F8, "MeDeplVertProp", false}}) {
        QTest::keyClick(s, touche);
        ASSERT_TRUE(A(item)->isChecked()) << item;
        const TVertex4f avant = Net().TabPC[1][1];
        const QPoint p = Pixel(vkSection, 1, 1);
        Glisse(s, p, {p + QPoint(10, 10), p + QPoint(20, 20)});
        const TVertex4f apres = Net().TabPC[1][1];
        EXPECT_NEAR(apres.X - avant.X, horizontal ? 20 / echelle : 0.0, 1e-6) << item;
        EXPECT_NEAR(apres.Z - avant.Z, horizontal ? 0.0 : -20 / echelle, 1e-6) << item;
        EXPECT_FALSE(A(item)->isChecked()) << item;
    }
}

// A double click in a view opens the vertex editor; a second one leaves it open.
TEST_F(ProgrammeSouris, DoubleClickOpensTheVertexEditor) {
    for (int k = 0; k < 2; ++k) {
        QTest::mouseDClick(Vue(vkPlan), Qt::LeftButton, {}, {3, 3});
        const TEditPCForm* e = F().findChild<TEditPCForm*>();
        EXPECT_TRUE(A("MeEditeurPC")->isChecked() && e && e->isVisible());
    }
}

// Ctrl+D: the pan follows the mouse one event behind, then turns itself off.
TEST_F(ProgrammeSouris, PanPreviousViewAndZoomBoxFromTheirKeys) {
    Active(vkPlan);
    TFormFille* v = Vue(vkPlan);
    QTest::keyClick(v, Qt::Key_D, Qt::ControlModifier);
    const int ox = v->Vue().OriginX;
    Glisse(v, {100, 100}, {{110, 100}, {130, 100}, {131, 100}});
    EXPECT_EQ(v->Vue().OriginX, ox + 30);
    EXPECT_FALSE(A("MeDeplacerVue")->isChecked());
    // Ctrl+P goes back to the view before the pan; Ctrl+E arms the zoom box.
    QTest::keyClick(v, Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(v, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(v->Vue().OriginX == ox && A("MeZoom")->isChecked());
}

// Ctrl+W is "Sélectionner tous" of the active view: its frame stays open.
TEST_F(ProgrammeSouris, CtrlWSelectsEveryPointOfTheActiveViewAndClosesNothing) {
    Active(vkPlan);
    TFormFille* v = Vue(vkPlan);
    QTest::keyClick(v, Qt::Key_W, Qt::ControlModifier);
    QApplication::processEvents();
    const int choisis = v->Selection.Count();
    EXPECT_TRUE(v->isVisible() && v->parentWidget()->isVisible() && F().NumVueActive() == vkPlan);
    v->Selection.Clear();
    A("MeSelectAllControles")->trigger();
    EXPECT_TRUE(choisis > 0 && choisis == v->Selection.Count()) << choisis;
}

// Ctrl+F4 closes the active view, made active by a click in its drawing or
// in its title; the frame's own menu shows it beside "Fermer", also on a
// desktop that gave that item Ctrl+W alone.
TEST_F(ProgrammeSouris, CtrlF4ClosesTheActiveViewWhereverItWasClicked) {
    TFormFille* v = Vue(vkPerspective);
    auto* cadre = qobject_cast<QMdiSubWindow*>(v->parentWidget());
    for (const bool titre : {false, true}) {
        Active(vkPlan);
        cadre->show();
        QTest::mouseClick(titre ? static_cast<QWidget*>(cadre) : v, Qt::LeftButton, {},
                          titre ? QPoint(cadre->width() / 2, v->geometry().top() / 2) : v->rect().center());
        ASSERT_EQ(F().NumVueActive(), vkPerspective) << titre;
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : cadre, Qt::Key_F4, Qt::ControlModifier);
        EXPECT_TRUE(cadre->isHidden() && Vue(vkPlan)->parentWidget()->isVisible()) << titre;
    }
    QMdiSubWindow ctrlW;
    for (QAction* a : ctrlW.systemMenu()->actions())
        if (!a->shortcuts().isEmpty()) a->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W)});
    F().GardeCadre(&ctrlW);
    for (QMdiSubWindow* c : {cadre, &ctrlW}) {
        QList<QKeySequence> touches;  // of every item of its menu
        for (QAction* a : c->systemMenu()->actions()) touches += a->shortcuts();
        EXPECT_EQ(touches, QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_F4)});
    }
}

// Panel 3 shows the measure just taken (Shift keeps the tool and its value),
// not a dimension kept in the view and redrawn after it.
TEST_F(ProgrammeSouris, OnlyTheMeasureBeingTakenWritesTheStatusBar) {
    Active(vkSection);
    TFormFille* s = Vue(vkSection);
    TCote c{"Mètre", "3.007 m", TMesure(TMesure::gMetre)};
    c.Mesure.View = vkSection;
    c.Mesure.P2 = {0.0, 0.0, 3.007};
    F().Doc().ListCotes.push_back(c);
    F().Doc().Aff.MeAfficheCotes = true;
    A("MeMesureMetre")->trigger();
    QTest::mousePress(s, Qt::LeftButton, Qt::ShiftModifier, {100, 100});
    QTest::mouseMove(s, {200, 100});
    QTest::mouseRelease(s, Qt::LeftButton, Qt::ShiftModifier, {200, 100});
    Affiche::AfficheNet(s);  // the kept dimension drawn again
    QApplication::processEvents();
    const QString panneau = F().TexteStatusBar(3);
    EXPECT_TRUE(panneau.startsWith(QStringLiteral("Mesure :"))) << panneau.toStdString();
    EXPECT_NEAR(panneau.mid(8).section(' ', 0, 0).toDouble(), 100.0 / s->Vue().Scale, 0.001) << panneau.toStdString();
}

TEST_F(MainFormTest, AClosedMainWindowLeavesNoMouseCallbackBehind) {
    {
        TMainForm f;
        Startup::CreeFenetres(f);
        ASSERT_TRUE(MouseCommandes::Branchements().NouveauPoids && MouseCommandes::Branchements().NouveauRepere);
    }
    // A later window's weight or mark tool must not call into this one.
    EXPECT_FALSE(MouseCommandes::Branchements().NouveauPoids || MouseCommandes::Branchements().NouveauRepere);
}
