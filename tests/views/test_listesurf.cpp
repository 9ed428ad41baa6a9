// The surface list's actions: deletion keeps every reference sound,
// duplication and its limit, export as a document of its own.
#include <gtest/gtest.h>

#include <memory>

#include "app/doc/GestFich.h"
#include "model/Draw.h"
#include "model/Document.h"
#include "model/Undo.h"
#include "tests/support/CareneFixtures.h"
#include "tests/support/RecordingUi.h"
#include "tests/support/TestFiles.h"
#include "views/ListeSurf.h"

namespace {

TListPC Liste(std::initializer_list<TPC> pcs) {
    TListPC l;
    for (const TPC& pc : pcs) l.Add(pc);
    return l;
}

// Three NURBS surfaces "A", "B", "C" laid as the default hull, shifted in Y.
Document TroisSurfaces() {
    Document doc;
    for (int k = 0; k < 3; ++k) {
        TSurface* s = doc.NouvelleSurface(std::string(1, static_cast<char>('A' + k)));
        s->Net.Initialise(0);
        for (int i = 0; i < s->Net.NbL; ++i)
            for (int j = 0; j < s->Net.NbC; ++j) s->Net.TabPC[i][j].Y += 10.0 * k;
    }
    return doc;
}

TEST(ListeSurf, DeleteKeepsWeightsWeldsSelectionAndCurrentPointSound) {
    RecordingScope ui;
    Document doc = TroisSurfaces();
    doc.ListPoids.push_back({"Sur B", 10.0, 0, 0, 0, 1});
    doc.ListPoids.push_back({"Sur C", 20.0, 0, 0, 0, 2});
    // The second group welds B to A: it loses B, is left with one point, and goes.
    doc.AjouteSoudure(Liste({{0, 0, 0}, {2, 1, 1}}));
    doc.AjouteSoudure(Liste({{1, 0, 0}, {0, 2, 2}}));
    doc.CurrentPC = {1, 2, 1};
    TListPC sel = Liste({{1, 0, 0}, {2, 2, 2}});
    auto tab = std::make_unique<TTabCoor>();
    tab->At(2, 2, 2).Etat = epSelect;
    tab->At(2, 0, 1).Etat = epInactif;
    const EditNet::TVueSel vue{&sel, tab.get(), nullptr};

    ListeSurf::Supprime(doc, {&vue, 1}, {false, true, false});

    ASSERT_EQ(doc.NbSurf(), 2);
    EXPECT_TRUE(doc.Surface(1)->Nom == "C" && doc.Surface(1)->Index == 1 && doc.SurfaceNurbs(1)->Net.owner == 1);
    EXPECT_TRUE(doc.ListPoids[0].Surf == -1 && doc.ListPoids[1].Surf == 1);  // the weight on B detached, kept
    EXPECT_EQ(doc.ListSoudures, std::vector<TListPC>{Liste({{0, 0, 0}, {1, 1, 1}})});
    EXPECT_TRUE(doc.ListPCSoudes.Count() == 2 && doc.EstSoude({1, 1, 1}));
    EXPECT_EQ(sel, Liste({{1, 2, 2}}));
    // The view's marks follow.
    EXPECT_TRUE(tab->At(1, 2, 2).Etat == epSelect && tab->At(1, 0, 1).Etat == epInactif && tab->At(2, 2, 2).Etat == epNormal);
    EXPECT_EQ(doc.CurrentPC, (TPC{0, 0, 0}));

    // The reader's own checks accept it, and what it reads is what was there.
    testfiles::Dossier dir;
    ASSERT_TRUE(ListeSurf::Exporte(doc, {true, true}, dir / "apres.cse"));
    Document relu;
    const auto r = GestFich::OuvrirFichier(relu, dir / "apres.cse");
    EXPECT_TRUE(r.Complet && r.Erreurs == 0);
    EXPECT_EQ(relu.ListSoudures, doc.ListSoudures);
    EXPECT_EQ(relu.ListPoids[1].Surf, 1);

    // Every surface deleted: an empty document whose current point is sound.
    doc.CurrentPC = {1, 1, 1};
    ListeSurf::Supprime(doc, {}, {true, true});
    EXPECT_EQ(doc.NbSurf(), 0);
    EXPECT_EQ(doc.CurrentPC, (TPC{0, 0, 0}));
}

TEST(ListeSurf, DuplicateNamesFromTheLastLineAndRefusesPastTheLimit) {
    RecordingScope ui;
    Document doc = TroisSurfaces();
    ASSERT_TRUE(ListeSurf::Duplique(doc, {true, false, true}));
    ASSERT_EQ(doc.NbSurf(), 5);
    EXPECT_EQ(std::pair(doc.Surface(3)->Nom, doc.Surface(4)->Nom), std::pair(std::string("C 4"), std::string("A 5")));
    TNet a = doc.SurfaceNurbs(0)->Net;
    a.owner = 4;
    EXPECT_EQ(doc.SurfaceNurbs(4)->Net, a);

    while (doc.NbSurf() < 99) ListeSurf::DupliqueSurface(doc, 0);
    EXPECT_FALSE(ListeSurf::Duplique(doc, {true, true}));
    EXPECT_EQ(doc.NbSurf(), 99);
    EXPECT_EQ(ui.rec.messages.back(),
              "Trop de surfaces sont sélectionnées. Le nombre maximum de surfaces est atteint.");
}

TEST(ListeSurf, ExportWritesOnlyTheChosenSurfaces) {
    Document doc = TroisSurfaces();
    testfiles::Dossier dir;
    ASSERT_TRUE(ListeSurf::Exporte(doc, {false, true, true}, dir / "deux.cse"));
    Document relu;
    ASSERT_TRUE(GestFich::OuvrirFichier(relu, dir / "deux.cse").Complet);
    ASSERT_EQ(relu.NbSurf(), 2);
    EXPECT_EQ(relu.Surface(0)->Nom, "B");
    EXPECT_EQ(relu.SurfaceNurbs(1)->Net.TabPC[0][0], doc.SurfaceNurbs(2)->Net.TabPC[0][0]);

    RecordingScope ui;
    EXPECT_FALSE(ListeSurf::Exporte(doc, {true}, dir / "absent/x.cse"));
    EXPECT_EQ(ui.rec.messages.size(), 1u);
}

TEST(ListeSurf, LockMakesFirstFreeSurfaceCurrentAndMirrorNegatesZ) {
    Document doc = TroisSurfaces();
    doc.CurrentPC = {0, 1, 1};
    ListeSurf::Verrouille(doc, {true, false, false});
    EXPECT_EQ(doc.CurrentPC, (TPC{1, 0, 0}));
    const double z = doc.SurfaceNurbs(2)->Net.TabPC[0][1].Z;
    ListeSurf::Miroir(doc, {false, false, true}, 2);
    EXPECT_EQ(doc.SurfaceNurbs(2)->Net.TabPC[0][1].Z, -z);
    EXPECT_EQ(doc.SurfaceNurbs(2)->Calculee, 0);
}

}  // namespace
