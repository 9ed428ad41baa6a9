// Mouse gestures on real drawing views: drag, rubber band, zoom box and
// wheel, through Qt's own mouse and wheel events.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QMouseEvent>
#include <QWheelEvent>
#include <map>
#include <memory>

#include "app/gui/QtUi.h"
#include "model/Undo.h"
#include "model/Update.h"
#include "tests/gui/MainFormTestUtil.h"
#include "views/gui/Affiche.h"
#include "views/gui/EditPCForm.h"
#include "views/gui/FormFille.h"
#include "views/gui/MouseCommandes.h"
#include "views/gui/Vues.h"

namespace {

struct HoteSouris : IVueHote {
    Document doc = Document::Defaut();
    TOptionsDessin options;
    TUndo undo;
    int records = 0;
    HoteSouris() {
        doc.Hooks.RecordAction = [this](int k) {
            ++records;
            undo.RecordAction(doc, k);
        };
    }
    Document& Doc() override { return doc; }
    const TOptionsDessin& OptionsDessin() const override { return options; }
    bool CommandeDisponible(TCommandeVue c) const override { return MouseCommandes::CommandeDisponible(c); }
    void Commande(TCommandeVue c, TFormFille* v) override { MouseCommandes::Commande(c, v); }
};

// The four views of a host at 800 x 600, the menu items the tools read, and
// the commands connected to them.
struct Banc : ::testing::Test {
    HoteSouris hote;
    std::unique_ptr<TFormFille> vues[4];
    QObject proprietaire;
    std::map<QString, QAction*> items;
    int active = vkPlan;

    void SetUp() override {
        auto v = Vues::CreeVues(&hote);
        for (int k = 0; k < 4; ++k) {
            vues[k].reset(v[static_cast<std::size_t>(k)]);
            vues[k]->resize(800, 600);
            vues[k]->show();
        }
        for (const char* nom : {"MeZoom", "MeVuePreced", "MeAjuster", "MeSouderPC", "MeGrouperPCPlan", "MeGrouperPCEspace"}) {
            auto* a = new QAction(QString::fromLatin1(nom), &proprietaire);
            a->setCheckable(std::string_view(nom) == "MeZoom");
            items[QString::fromLatin1(nom)] = a;
        }
        MouseCommandes::Branche(
            [this](const QString& n) {
                auto it = items.find(n);
                return it == items.end() ? nullptr : it->second;
            },
            [this] { return vues[active].get(); });
        Affiche::AfficheNetTout();
    }
    void TearDown() override { MouseCommandes::Debranche(); }

    TFormFille& Vue(int k) { return *vues[k]; }
    QPoint Pixel(int k, const TPC& pc) {
        const TCellPC& c = Vue(k).TabCoor().At(pc.Surf, pc.I, pc.J);
        return {c.X, c.Y};
    }
    TNet& Net() { return hote.doc.SurfaceNurbs(0)->Net; }
};

}  // namespace

TEST_F(Banc, MultiFenDecidesWhichViewsFollowTheDragAndAllCatchUpAtTheRelease) {
    // The section view shows X, which a drag in the plan changes.
    const QImage sectionAvant = Vue(vkSection).Image().copy();
    const QPoint p = Pixel(vkPlan, {0, 1, 1});
    QTest::mousePress(&Vue(vkPlan), Qt::LeftButton, {}, p);
    QTest::mouseMove(&Vue(vkPlan), p + QPoint(0, 30));
    EXPECT_EQ(Vue(vkSection).Image(), sectionAvant);  // spared during the drag
    EXPECT_EQ(Pixel(vkPlan, {0, 1, 1}), p + QPoint(0, 30));  // the plan's table follows the model
    QTest::mouseRelease(&Vue(vkPlan), Qt::LeftButton, {}, p + QPoint(0, 30));
    const QImage sectionApres = Vue(vkSection).Image().copy();
    EXPECT_NE(sectionApres, sectionAvant);  // and redrawn once the gesture is over

    hote.doc.Options.MultiFen = true;
    QTest::mousePress(&Vue(vkPlan), Qt::LeftButton, {}, p + QPoint(0, 30));
    QTest::mouseMove(&Vue(vkPlan), p + QPoint(0, 60));
    EXPECT_NE(Vue(vkSection).Image(), sectionApres);
    QTest::mouseRelease(&Vue(vkPlan), Qt::LeftButton, {}, p + QPoint(0, 60));
}

TEST_F(Banc, ALostReleaseEndsTheDragInsteadOfDraggingOnTheHover) {
    TFormFille& v = Vue(vkPlan);
    const QPoint p = Pixel(vkPlan, {0, 1, 1});
    auto mouvement = [&](QPoint q, Qt::MouseButtons boutons) {
        QMouseEvent e(QEvent::MouseMove, QPointF(q), v.mapToGlobal(QPointF(q)), Qt::NoButton, boutons, Qt::NoModifier);
        QApplication::sendEvent(&v, &e);
    };
    QMouseEvent presse(QEvent::MouseButtonPress, QPointF(p), v.mapToGlobal(QPointF(p)), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&v, &presse);
    mouvement(p + QPoint(10, 0), Qt::LeftButton);
    const TVertex4f lache = Net().TabPC[1][1];
    // The release went elsewhere (a message box, say): the next plain move ends the drag.
    mouvement(p + QPoint(60, 40), Qt::NoButton);
    mouvement(p + QPoint(90, 70), Qt::NoButton);
    EXPECT_EQ(Net().TabPC[1][1], lache);
    EXPECT_FALSE(v.Geste.BoutonBas);
    EXPECT_FALSE(hote.doc.Enregistre());  // the release's work was done
    EXPECT_TRUE(hote.doc.Surfaces[0]->Calculee);
}

TEST_F(Banc, ZoomCrossHairAndWheel) {
    TFormFille& v = Vue(vkSection);
    active = vkSection;
    items["MeZoom"]->trigger();
    ASSERT_TRUE(items["MeZoom"]->isChecked());
    // The cross-hair follows the mouse and leaves the picture as it was behind it.
    const QRgb fond = v.Image().pixel(100, 50);
    auto survol = [&](QPoint p) {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), v.mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&v, &e);
    };
    survol({100, 100});
    EXPECT_NE(v.Image().pixel(100, 50), fond);
    survol({300, 300});
    EXPECT_EQ(v.Image().pixel(100, 50), fond);
    items["MeZoom"]->trigger();

    // Two half notches make one step; one alone does nothing.
    auto molette = [&](int delta) {
        QWheelEvent e(QPointF(400, 300), v.mapToGlobal(QPointF(400, 300)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&v, &e);
    };
    const float s1 = v.Vue().Scale;
    molette(60);
    EXPECT_FLOAT_EQ(v.Vue().Scale, s1);
    molette(60);
    EXPECT_FLOAT_EQ(v.Vue().Scale, s1 * 1.3f);
}

TEST_F(Banc, RefusedWeldOrGroupLeavesTheDocumentSaved) {
    active = vkPlan;
    hote.doc.MarquerEnregistre();
    Vue(vkPlan).Selection.Add({0, 1, 1});
    items["MeSouderPC"]->trigger();
    items["MeGrouperPCPlan"]->trigger();
    items["MeGrouperPCEspace"]->trigger();
    EXPECT_TRUE(hote.doc.Enregistre());
    EXPECT_EQ(hote.records, 0);
    Vue(vkPlan).Selection.Add({0, 2, 2});
    items["MeSouderPC"]->trigger();
    EXPECT_EQ(hote.doc.ListSoudures.size(), 1u);
    EXPECT_FALSE(hote.doc.Enregistre());
}

TEST_F(Banc, PopupFitAndCentreActOnTheirViewOnlyAndPreviousViewSwapsBack) {
    for (int k = 0; k < 4; ++k) Vue(k).Vue().Scale = 5.0f;
    ASSERT_TRUE(hote.CommandeDisponible(TCommandeVue::Ajuster));
    hote.Commande(TCommandeVue::Ajuster, &Vue(vkProfile));
    for (int k = 0; k < 4; ++k)
        if (k == vkProfile)
            EXPECT_GT(Vue(k).Vue().Scale, 5.0f);
        else
            EXPECT_EQ(Vue(k).Vue().Scale, 5.0f) << k;
    active = vkProfile;
    const float ajustee = Vue(vkProfile).Vue().Scale;
    items["MeVuePreced"]->trigger();
    EXPECT_FLOAT_EQ(Vue(vkProfile).Vue().Scale, 5.0f);
    items["MeVuePreced"]->trigger();
    EXPECT_FLOAT_EQ(Vue(vkProfile).Vue().Scale, ajustee);

    Vue(vkPlan).Vue().OriginX = 13;
    Vue(vkPlan).PrecEchelle = 7.0;
    hote.Commande(TCommandeVue::Centrer, &Vue(vkProfile));
    EXPECT_EQ(Vue(vkPlan).Vue().OriginX, 13);
    EXPECT_EQ(Vue(vkPlan).PrecEchelle, 7.0);  // another view's previous view is kept
}

// ---- The real main window: the tools from its keys and menus ------------------------------------

namespace {

using ProgrammeSouris = ProgrammeTest;

}  // namespace

TEST_F(ProgrammeSouris, FunctionKeysConstrainTheDragAndGoOffAtTheRelease) {
    Active(vkSection);
    TFormFille* s = Vue(vkSection);
    const double echelle = s->Vue().Scale;
    // F5 and F7 keep the screen's horizontal (X), F6 and F8 its vertical (Z);
    // F7 and F8 sit in a hidden submenu and must still answer.
    const struct {
        Qt::Key touche;
        const char* item;
        bool horizontal;
    } cas[] = {{Qt::Key_F5, "MeDeplHori", true},
               {Qt::Key_F6, "MeDeplVert", false},
               {Qt::Key_F7, "MeDeplHoriProp", true},
               {Qt::Key_F8, "MeDeplVertProp", false}};
    for (const auto& c : cas) {
        QTest::keyClick(s, c.touche);
        ASSERT_TRUE(A(c.item)->isChecked()) << c.item;
        const TVertex4f avant = Net().TabPC[1][1];
        const QPoint p = Pixel(vkSection, 1, 1);
        Glisse(s, p, {p + QPoint(10, 10), p + QPoint(20, 20)});
        const TVertex4f apres = Net().TabPC[1][1];
        EXPECT_NEAR(apres.X - avant.X, c.horizontal ? 20 / echelle : 0.0, 1e-6) << c.item;
        EXPECT_NEAR(apres.Z - avant.Z, c.horizontal ? 0.0 : -20 / echelle, 1e-6) << c.item;
        EXPECT_EQ(apres.Y, avant.Y) << c.item;
        EXPECT_FALSE(A(c.item)->isChecked()) << c.item;
    }
}

// A double click in a view opens the vertex editor; a second one leaves it open.
TEST_F(ProgrammeSouris, DoubleClickOpensTheVertexEditor) {
    for (int k = 0; k < 2; ++k) {
        QTest::mouseDClick(Vue(vkPlan), Qt::LeftButton, {}, {3, 3});
        EXPECT_TRUE(A("MeEditeurPC")->isChecked());
        const TEditPCForm* e = F().findChild<TEditPCForm*>();
        ASSERT_TRUE(e && e->isVisible());
    }
}

TEST_F(ProgrammeSouris, ZoomBoxAndPanFromTheirKeys) {
    Active(vkPlan);
    TFormFille* v = Vue(vkPlan);
    // Ctrl+E arms the zoom box; a box a quarter of the width wide scales by 4.
    const float s0 = v->Vue().Scale;
    QTest::keyClick(v, Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(A("MeZoom")->isChecked());
    const int quart = v->width() / 4;
    Glisse(v, {100, 100}, {{100 + quart / 2, 150}, {100 + quart, 200}});
    EXPECT_NEAR(v->Vue().Scale, s0 * v->width() / quart, 1e-3);
    EXPECT_FALSE(A("MeZoom")->isChecked());
    QTest::keyClick(v, Qt::Key_P, Qt::ControlModifier);  // previous view
    EXPECT_FLOAT_EQ(v->Vue().Scale, s0);

    // Ctrl+D: the pan follows the mouse one event behind, then turns itself off.
    QTest::keyClick(v, Qt::Key_D, Qt::ControlModifier);
    const int ox = v->Vue().OriginX;
    Glisse(v, {100, 100}, {{110, 100}, {130, 100}, {131, 100}});
    EXPECT_EQ(v->Vue().OriginX, ox + 30);
    EXPECT_FALSE(A("MeDeplacerVue")->isChecked());
}

TEST_F(MainFormTest, AClosedMainWindowLeavesNoMouseCallbackBehind) {
    {
        TMainForm f;
        Startup::CreeFenetres(f);
        ASSERT_TRUE(MouseCommandes::Branchements().NouveauPoids);
        ASSERT_TRUE(MouseCommandes::Branchements().NouveauRepere);
    }
    // A later window's weight or mark tool must not call into this one.
    EXPECT_FALSE(MouseCommandes::Branchements().NouveauPoids);
    EXPECT_FALSE(MouseCommandes::Branchements().NouveauRepere);
}
