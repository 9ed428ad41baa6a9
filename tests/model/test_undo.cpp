// One-level undo and redo of the model.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <memory>

#include "model/Document.h"
#include "model/Undo.h"
#include "model/Update.h"
#include "tests/support/CareneFixtures.h"
#include "tests/support/RecordingUi.h"

namespace {

Document DeuxCarenes() {
    Document doc = Document::Defaut();
    if (TSurface* s = doc.NouvelleSurface("Surface2")) s->Net.Initialise(0);
    doc.MarquerEnregistre();
    return doc;
}

TSurface& Nurbs(Document& doc, int i) { return *doc.SurfaceNurbs(i); }

// A flat 3 x 4 grid of points given directly.
std::unique_ptr<TDXFSurface> Maillage() {
    return fixtures::Maillage(3, 4, [](int i, int j) { return TVertex3f{double(j), double(i), 0.0}; });
}

}  // namespace

// Nothing recorded: nothing to undo (the record forgotten as the document
// closes: tests/gui/test_undo.cpp).
TEST(Undo, NothingRecordedDoesNothing) {
    RecordingScope r;
    Document doc = DeuxCarenes();
    TUndo undo;
    EXPECT_EQ(std::tuple(undo.PeutAnnuler(doc), undo.Annuler(doc), doc.Enregistre()), std::tuple(false, false, true));
}

// The surface shown after an undo is the restored one, not the edited one
// that had been evaluated already.
TEST(Undo, TheEvaluatedGridFollowsTheRestoredNet) {
    RecordingScope r;
    Document doc = DeuxCarenes();
    doc.FormeAffichee = true;
    ObjCom::MajSurface(doc, false, -1);
    TSurface& s = Nurbs(doc, 1);
    ASSERT_EQ(s.Calculee, 1);
    TSurface frais(1, doc.Precision, doc.DefGrille);
    frais.Net = s.Net;
    frais.CalcSurface();
    TUndo undo;
    undo.RecordAction(doc, TUndo::kGeometrie);

    s.Net.TabPC[1][1].Z += 0.5;
    s.Calculee = 0;
    ObjCom::MajSurface(doc, false, -1);
    ASSERT_FALSE(s.Points == frais.Points);

    ASSERT_TRUE(undo.Annuler(doc));
    EXPECT_EQ(std::tie(s.Calculee, s.Points, s.Normales), std::tie(frais.Calculee, frais.Points, frais.Normales));
}

// The orders are no part of the record: changed after it, they stay.
TEST(Undo, AddedRowGoesAndComesBackWithItsSizeAndFrameOrdersStay) {
    RecordingScope r;
    Document doc = DeuxCarenes();
    TUndo undo;
    TNet& net = Nurbs(doc, 0).Net;
    TNet avant = net;
    const TPlanSym cadreAvant = Nurbs(doc, 0).PlanSym;
    undo.RecordAction(doc, TUndo::kGeometrie);

    net.TabPC[net.NbL][0] = {1, 2, 3, 1};
    ++net.NbL;
    net.LFlex = avant.LFlex = 3;
    Nurbs(doc, 0).PlanSym.Origin = {0.5, 0, 0};
    Nurbs(doc, 0).PlanSym.MajEquation();
    const TNet apres = net;
    // Saved after the change: both ways the document is modified again.
    doc.MarquerEnregistre();

    ASSERT_TRUE(undo.Annuler(doc));
    EXPECT_EQ(std::tuple(net, Nurbs(doc, 0).PlanSym, doc.Enregistre(), undo.PeutRefaire(doc)),
              std::tuple(avant, cadreAvant, false, true));
    doc.MarquerEnregistre();
    ASSERT_TRUE(undo.Refaire(doc));
    EXPECT_EQ(std::tuple(net, doc.Enregistre(), undo.PeutRefaire(doc), Nurbs(doc, 0).PlanSym.D),
              std::tuple(apres, false, false, -0.5));
}

// Weights go back with the geometry; welds, marks and flooding points only
// with the record of the command that changed them (the renumbering of a row
// insertion, the move of a stability step), and never a change made after
// that command: the record is then refused. Move, weld, mark, undo: the weld
// and the mark stay.
TEST(Undo, LaterWeldsMarksAndFloodingPointsAreNeverTakenBack) {
    RecordingScope r;
    const std::tuple<int, bool, bool> cas[] = {  // kind; welds, then marks changed after the command
        {TUndo::kGeometrie, true, true}, {TUndo::kAvecSoudures, false, true}, {TUndo::kAvecSoudures, true, false},
        {TUndo::kAvecReperes, true, false}, {TUndo::kAvecReperes, false, true}};
    const TPC A{0, 2, 0}, B{1, 2, 0}, C{0, 3, 0};
    for (const auto& [kind, soudeApres, repereApres] : cas) {
        Document doc = DeuxCarenes();
        TListPC groupe;
        groupe.Add(A);
        groupe.Add(B);
        doc.AjouteSoudure(groupe);
        const auto soudures = doc.ListSoudures;
        TUndo undo;
        undo.RecordAction(doc, kind);
        Nurbs(doc, 0).Net.TabPC[0][0].X = 9.0;
        doc.ListPoids.push_back({"Lest", 500.0, 0.0, 1.0, -0.8, -1});
        if (kind == TUndo::kAvecSoudures) doc.ListSoudures[0][0] = C;
        doc.ListPCSoudes.Reconstruit(doc.ListSoudures);
        if (kind == TUndo::kAvecReperes) doc.ListReperes.push_back({"R0", 1, 2, 3});
        undo.FinAction(doc);
        if (soudeApres) doc.AjouteSoudure(groupe);
        if (repereApres) {
            doc.ListReperes.push_back({"R1", 4, 5, 6});
            doc.ListReperesEnv.push_back({"E1", 4, 5, 6});
        }
        const auto [soudures2, reperes, env] = std::tuple(doc.ListSoudures, doc.ListReperes, doc.ListReperesEnv);
        const bool annule = kind == TUndo::kGeometrie || (kind == TUndo::kAvecSoudures ? !soudeApres : !repereApres);

        ASSERT_EQ(undo.PeutAnnuler(doc), annule) << kind;
        ASSERT_EQ(undo.Annuler(doc), annule) << kind;
        const bool rendSoudures = annule && kind == TUndo::kAvecSoudures, rendReperes = annule && kind == TUndo::kAvecReperes;
        EXPECT_EQ(std::tuple(doc.ListPoids.empty(), doc.ListSoudures, doc.ListReperes, doc.ListReperesEnv),
                  std::tuple(annule, rendSoudures ? soudures : soudures2, rendReperes ? std::vector<TRepere>{} : reperes, env))
            << kind;
        if (!annule) continue;
        ASSERT_TRUE(undo.Refaire(doc));
        EXPECT_EQ(std::tuple(doc.ListPoids.size(), doc.ListSoudures, doc.EstSoude(C), doc.ListReperes),
                  std::tuple(1u, soudures2, kind == TUndo::kAvecSoudures, reperes));
    }
}

TEST(Undo, RefusedWhenTheSurfacesChangedInNumberOrKind) {
    RecordingScope r;
    const std::function<void(Document&)> changes[] = {
        [](Document& doc) { doc.Surfaces.pop_back(); },  // a surface deleted without a record
        [](Document& doc) {                              // surface 1 replaced by a mesh: another kind
            doc.Surfaces[1] = Maillage();
            doc.Surfaces[1]->Index = 1;
        },
        [](Document& doc) {  // same count and kinds, but another surface in the slot
            doc.Surfaces[1] = std::make_unique<TSurface>(1, doc.Precision, doc.DefGrille);
            doc.SurfaceNurbs(1)->Net.Initialise(1);
        },
    };
    // Refused: nothing exchanged, the document still as saved.
    for (const auto& change : changes) {
        Document doc = DeuxCarenes();
        TUndo undo;
        undo.RecordAction(doc, TUndo::kGeometrie);
        change(doc);
        EXPECT_EQ(std::tuple(undo.PeutAnnuler(doc), undo.Annuler(doc), doc.Enregistre()), std::tuple(false, false, true));
    }
}

TEST(Undo, MeshSurfaceExchangesItsGrid) {
    RecordingScope r;
    Document doc = Document::Defaut();
    doc.AjouteSurface(Maillage());
    TUndo undo;
    undo.RecordAction(doc, TUndo::kGeometrie);

    TEntity& m = *doc.Surface(1);
    m.ResizeGrilles(4, 4);
    for (int j = 0; j < 4; ++j) m.Points[3][j] = {double(j), 3.0, 1.0};
    m.Points[0][0].Z = -2.0;

    ASSERT_TRUE(undo.Annuler(doc));
    EXPECT_EQ(std::tuple(m.DernLigne, m.Normales.rows(), m.Points[0][0]), std::tuple(2, 3, TVertex3f{0, 0, 0}));
    ASSERT_TRUE(undo.Refaire(doc));
    EXPECT_EQ(std::tuple(m.DernLigne, m.Points[3][2]), std::tuple(3, TVertex3f{2, 3, 1}));
}

TEST(Undo, CurrentPointLeavesARowThatNoLongerExists) {
    RecordingScope r;
    Document doc = DeuxCarenes();
    Nurbs(doc, 0).Visible = 0;  // the first surface cannot take it
    TUndo undo;
    undo.RecordAction(doc, TUndo::kGeometrie);
    TNet& net = Nurbs(doc, 1).Net;
    const int lignes = net.NbL;
    ++net.NbL;
    doc.CurrentPC = {1, lignes, 1};  // on the added row

    ASSERT_TRUE(undo.Annuler(doc));
    EXPECT_EQ(doc.CurrentPC, (TPC{1, 0, 0}));
}

TEST(Undo, FullDocumentExchangesEveryPoint) {
    RecordingScope r;
    Document doc;
    doc.FormeAffichee = false;  // no evaluation: only the exchange is measured
    auto chaquePoint = [&](auto&& f) {
        for (int k = 0; k < kMaxSurfaces; ++k)
            for (int i = 0; i < kMaxNetSize; ++i)
                for (int j = 0; j < kMaxNetSize; ++j) f(k, Nurbs(doc, k).Net.TabPC[i][j], TVertex4f{double(k), double(i), double(j), 1.0});
    };
    for (int k = 0; k < kMaxSurfaces; ++k) doc.NouvelleSurface(std::to_string(k))->Net.NbL = kMaxNetSize;
    chaquePoint([](int, TVertex4f& p, const TVertex4f& v) { p = v; });
    TUndo undo;
    undo.RecordAction(doc, TUndo::kGeometrie);
    chaquePoint([](int, TVertex4f& p, const TVertex4f&) { p.Z = -1.0; });
    ASSERT_TRUE(undo.Annuler(doc));
    chaquePoint([](int k, TVertex4f& p, const TVertex4f& v) { ASSERT_EQ(p, v) << k; });
    ASSERT_TRUE(undo.Refaire(doc));
    EXPECT_DOUBLE_EQ(Nurbs(doc, 99).Net.TabPC[30][30].Z, -1.0);
}
