#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "tests/support/RecordingUi.h"
#include "tests/support/VueEditFixture.h"
#include "views/EditNet.h"
#include "views/Selection.h"

using namespace testvue;

namespace {

std::set<std::tuple<int, int, int>> Ensemble(const TListPC& l) {
    std::set<std::tuple<int, int, int>> r;
    for (const TPC& pc : l) r.insert({pc.Surf, pc.I, pc.J});
    return r;
}

TListPC Liste(std::initializer_list<TPC> pcs) {
    TListPC l;
    for (const TPC& pc : pcs) l.Add(pc);
    return l;
}

// A document of one 4 x 3 grid, its points 0.5 m apart across and 1 m along.
struct Doc4x3 : ::testing::Test {
    RecordingScope ui;
    Document doc;
    Vue plan{vkPlan};
    void SetUp() override {
        Plaque(doc, 4, 3);
        plan.Maj(doc);
    }
};

}  // namespace

TEST_F(Doc4x3, RubberBandEitherWaySelectsTheSamePoints) {
    // Box around rows 1..2 and columns 0..1: plan pixels x = 400 + 50 Y, y = 300 + 50 X
    // (rows at y = 325, 350, 375, 400; columns at x = 400, 450, 500). Bounds
    // included: a box whose edge runs through a point takes it.
    const TPoint hautGauche{395, 345}, basDroite{455, 380};
    const std::set<std::tuple<int, int, int>> quatre{{0, 1, 0}, {0, 1, 1}, {0, 2, 0}, {0, 2, 1}}, un{{0, 1, 0}};
    for (auto [a, b, attendu] : {std::tuple{hautGauche, basDroite, quatre}, {basDroite, hautGauche, quatre},
                                 {TPoint{400, 350}, TPoint{400, 350}, un}}) {
        Selection::UnSelectAllPoints(*plan.tab, plan.sel);
        Selection::SelPCinZone(doc, *plan.tab, plan.sel, a, b);
        EXPECT_EQ(Ensemble(plan.sel), attendu);
        for (const TPC& pc : plan.sel) EXPECT_EQ(plan.tab->At(pc.Surf, pc.I, pc.J).Etat, epSelect);
    }
}

TEST_F(Doc4x3, SelectAllTakesInactivePointsTheRubberBandSkipsThemAndLockedOrHiddenNets) {
    Selection::PCNonActif(doc, *plan.tab);
    Selection::SelectAllPoints(doc, *plan.tab, plan.sel);
    EXPECT_EQ(plan.sel.Count(), 12);
    // Inactive then active again: every state normal, the list unchanged.
    Selection::PCNonActif(doc, *plan.tab);
    Selection::PCActif(doc, *plan.tab);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_EQ(plan.tab->At(0, i, j).Etat, epNormal);
    EXPECT_EQ(plan.sel.Count(), 12);

    Selection::UnSelectAllPoints(*plan.tab, plan.sel);
    Selection::OneNetPCNonActif(doc, *plan.tab, 0);
    Selection::PCColActif(doc, *plan.tab, 0, 1);  // only column 1 active
    Selection::SelPCinZone(doc, *plan.tab, plan.sel, {0, 0}, {800, 600});
    EXPECT_EQ(Ensemble(plan.sel), (std::set<std::tuple<int, int, int>>{{0, 0, 1}, {0, 1, 1}, {0, 2, 1}, {0, 3, 1}}));

    Vue v{vkPlan};
    v.Maj(doc);
    doc.Surfaces[0]->Verrou = 1;
    Selection::SelPCinZone(doc, *v.tab, v.sel, {0, 0}, {800, 600});
    EXPECT_TRUE(v.sel.empty());
    doc.Surfaces[0]->Verrou = 0;
    doc.Surfaces[0]->Visible = 0;
    Selection::SelectAllPoints(doc, *v.tab, v.sel);
    EXPECT_TRUE(v.sel.empty());
}

TEST(Souder, WeldNeedsTwoPointsAndUnweldFreesTheLastGroup) {
    RecordingScope ui;
    Document doc;
    Plaque(doc, 3, 3);
    const TPC A{0, 0, 0}, B{0, 1, 1}, C{0, 2, 2};

    EXPECT_FALSE(Selection::SouderPC(doc, Liste({A})));
    EXPECT_EQ(ui.rec.messages, std::vector<std::string>{"Sélectionnez au moins deux vertex"});
    ASSERT_TRUE(Selection::SouderPC(doc, Liste({A, B})));
    ASSERT_TRUE(Selection::SouderPC(doc, Liste({B, C})));
    EXPECT_EQ(doc.ListPCSoudes.Count(), 3);

    // Nothing selected: the current point is freed from the LAST group holding it.
    doc.CurrentPC = B;
    EXPECT_EQ(Selection::DessouderPC(doc, {}), 1);
    EXPECT_EQ(doc.ListSoudures, std::vector<TListPC>{Liste({A, B})});
    EXPECT_FALSE(doc.EstSoude(C));

    // The same points welded twice make two groups; an unweld removes one.
    ASSERT_TRUE(Selection::SouderPC(doc, Liste({B, A})));
    EXPECT_EQ(doc.ListSoudures.size(), 2u);
    EXPECT_EQ(Selection::DessouderPC(doc, Liste({A})), 1);
    EXPECT_EQ(doc.ListSoudures, std::vector<TListPC>{Liste({A, B})});  // the first group stays
}

TEST(Grouper, PlaneKeepsZAndWeightSpaceTakesAllAndUndoGivesBack) {
    RecordingScope ui;
    Document doc;
    TUndo undo;
    int records = 0;
    doc.Hooks.RecordAction = [&](int k) {
        ++records;
        undo.RecordAction(doc, k);
    };
    TSurface* s = Plaque(doc, 2, 2);
    s->Net.TabPC[0][0] = {1, 2, 3, 0.5};
    const TVertex4f b0 = s->Net.TabPC[1][1], c0 = s->Net.TabPC[0][1];

    // In the plan: X and Y of the first point, Z and the weight kept.
    ASSERT_TRUE(Selection::GrouperPC(doc, Liste({{0, 0, 0}, {0, 1, 1}}), vkPlan, false));
    EXPECT_EQ(records, 1);
    EXPECT_EQ(s->Net.TabPC[1][1], (TVertex4f{1, 2, b0.Z, b0.W}));

    // In space: all three coordinates; undo gives the point back.
    ASSERT_TRUE(Selection::GrouperPC(doc, Liste({{0, 0, 0}, {0, 0, 1}}), vkSection, true));
    EXPECT_EQ(s->Net.TabPC[0][1], (TVertex4f{1, 2, 3, c0.W}));
    ASSERT_TRUE(undo.Annuler(doc));
    EXPECT_EQ(doc.SurfaceNurbs(0)->Net.TabPC[0][1], c0);
}

// ---- Renumbering when a net changes size ---------------------------------------------------------

struct Renumerotation : ::testing::Test {
    RecordingScope ui;
    Document doc;
    std::array<Vue, 4> vues{Vue{vkSection}, Vue{vkPlan}, Vue{vkProfile}, Vue{vkPerspective}};
    std::vector<EditNet::TVueSel> sels;
    void SetUp() override {
        Plaque(doc, 3, 3, 0.5, 0.5, 0.0, 1.0, 0.0);
        Plaque(doc, 3, 3, 0.5, 0.5, 0.0, 1.0, 1.0);  // a second surface, untouched
        for (Vue& v : vues) {
            v.Maj(doc);
            sels.push_back(v.Sel());
        }
    }
};

TEST_F(Renumerotation, InsertionShiftsEveryReferenceInEveryView) {
    // Each view selects other points; welds across both surfaces.
    const TPC choisis[] = {{0, 2, 1}, {0, 0, 1}, {0, 1, 0}, {1, 2, 2}};
    for (int k = 0; k < 4; ++k) Selection::SelectPoint(*vues[k].tab, vues[k].sel, choisis[k]);
    ASSERT_TRUE(Selection::SouderPC(doc, Liste({{0, 2, 2}, {1, 2, 2}})));

    EditNet::DecaleInsertion(doc, sels, 0, true, 1);
    doc.SurfaceNurbs(0)->Net.InsertRow(1, 0.5, 0.0);

    // Before the new row, or on the other surface: unchanged.
    EXPECT_EQ((std::vector<TListPC>{vues[0].sel, vues[1].sel, vues[2].sel, vues[3].sel}),
              (std::vector<TListPC>{Liste({{0, 3, 1}}), Liste({{0, 0, 1}}), Liste({{0, 2, 0}}), Liste({{1, 2, 2}})}));
    EXPECT_EQ(doc.ListSoudures[0], Liste({{0, 3, 2}, {1, 2, 2}}));
    EXPECT_FALSE(doc.EstSoude({0, 2, 2}));
    // The state bytes moved with the points.
    Selection::EtatsDepuisListe(doc, *vues[0].tab, vues[0].sel, 0);
    EXPECT_TRUE(vues[0].tab->At(0, 3, 1).Etat == epSelect && vues[0].tab->At(0, 2, 1).Etat == epNormal);
}

// The removal goes through the command: undo gives the net and its welds
// back together, redo both again; a weld made after it is never taken back.
TEST_F(Renumerotation, RemovalDropsReferencesOnTheLineShiftsTheRestAndUndoGivesBothBack) {
    TUndo undo;
    doc.Hooks.RecordAction = [&](int k) { undo.RecordAction(doc, k); };
    doc.Hooks.FinAction = [&] { undo.FinAction(doc); };
    for (const TPC pc : {TPC{0, 0, 1}, {0, 1, 1}, {0, 1, 2}}) Selection::SelectPoint(*vues[1].tab, vues[1].sel, pc);
    ASSERT_TRUE(Selection::SouderPC(doc, Liste({{0, 0, 2}, {1, 0, 0}})));
    ASSERT_TRUE(Selection::SouderPC(doc, Liste({{0, 0, 2}, {0, 2, 2}, {1, 1, 1}})));
    ASSERT_TRUE(Selection::SouderPC(doc, Liste({{0, 1, 1}, {1, 2, 2}})));  // goes with its column
    const TNet net = doc.SurfaceNurbs(0)->Net;
    const auto soudures = doc.ListSoudures;
    doc.CurrentPC = {0, 1, 1};
    ASSERT_TRUE(EditNet::SupprPC(doc, vkPlan, sels, [&] { doc.RecordAction(TUndo::kAvecSoudures); }));  // column 1

    EXPECT_EQ(vues[1].sel, Liste({{0, 1, 1}}));  // [1][2] became [1][1]; column 1 gone
    const std::vector<TListPC> apres{Liste({{0, 0, 1}, {1, 0, 0}}), Liste({{0, 0, 1}, {0, 2, 1}, {1, 1, 1}})};
    EXPECT_EQ(std::tuple(doc.ListSoudures, doc.EstSoude({0, 0, 2})), std::tuple(apres, false));
    ASSERT_TRUE(undo.Annuler(doc));
    EXPECT_EQ(std::tuple(doc.SurfaceNurbs(0)->Net, doc.ListSoudures, doc.EstSoude({0, 1, 1})), std::tuple(net, soudures, true));
    // A point selected in the column given back leaves the selection with it.
    Selection::SelectPoint(*vues[0].tab, vues[0].sel, {0, 2, 2});
    ASSERT_TRUE(undo.Refaire(doc));
    Selection::Revalide(doc, *vues[0].tab, vues[0].sel);
    EXPECT_EQ(std::tuple(doc.ListSoudures, vues[0].sel.empty()), std::tuple(apres, true));
    ASSERT_TRUE(Selection::SouderPC(doc, Liste({{0, 2, 1}, {1, 2, 2}})));
    EXPECT_FALSE(undo.Annuler(doc));
    EXPECT_EQ(doc.ListSoudures.size(), 3u);
}
