// The document: its fresh states, surfaces, welded points, saved flag and closing.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/Document.h"
#include "model/Update.h"
#include "tests/support/RecordingUi.h"

namespace {

bool StatusContient(const RecordingUi& r, int panel, const std::string& texte) {
    for (const auto& [p, t] : r.status)
        if (p == panel && t == texte) return true;
    return false;
}

}  // namespace

TEST(Document, DefaultDocumentHoldsTheStartingHullUnmodified) {
    RecordingScope r;
    Document doc = Document::Defaut();
    ASSERT_EQ(doc.NbSurf(), 1);
    EXPECT_EQ(doc.SurfaceNurbs(0)->Net.NbL, 3);
    EXPECT_TRUE(StatusContient(r.rec, 1, "Vx : [ Surface1; 0; 0 ]"));
    EXPECT_TRUE(doc.Enregistre());
    // Net bounds: the default hull's points and their mirror in X = 0.
    EXPECT_DOUBLE_EQ(doc.MinMaxNet.Min.X, -1.4);
    EXPECT_DOUBLE_EQ(doc.MinMaxNet.Max.Y, 6.0);
    EXPECT_DOUBLE_EQ(doc.MinMaxNet.Min.Z, -0.3);
}

TEST(Document, SurfaceTableHoldsAtMostOneHundred) {
    Document doc;
    for (int k = 0; k < kMaxSurfaces; ++k) {
        std::string nom = "S";
        nom += std::to_string(k);
        ASSERT_NE(doc.NouvelleSurface(nom), nullptr);
    }
    EXPECT_EQ(doc.NouvelleSurface("de trop"), nullptr);
    EXPECT_EQ(doc.AjouteSurface(std::make_unique<TDXFSurface>(0, 2, 2, doc.DefGrille)), -1);
    EXPECT_EQ(doc.NbSurf(), kMaxSurfaces);

    // Names are cut to 20 characters.
    Document d2;
    d2.NouvelleSurface("un nom beaucoup trop long pour une surface");
    EXPECT_EQ(d2.Surface(0)->Nom.size(), 20u);
    // A mesh appended takes the next index whatever it was given.
    EXPECT_EQ(d2.AjouteSurface(std::make_unique<TDXFSurface>(57, 2, 2, d2.DefGrille)), 1);
    EXPECT_EQ(d2.Surface(1)->Index, 1);
    EXPECT_EQ(d2.SurfaceNurbs(1), nullptr);
    d2.Surface(0)->Calculee = 1;
    d2.Surface(1)->Calculee = 1;
    d2.Decalcule();
    EXPECT_EQ(d2.Surface(0)->Calculee + d2.Surface(1)->Calculee, 0);
}

TEST(Document, WeldedPointsAreKeptOnceAndFoundAtOnce) {
    Document doc;
    const TPC a{0, 0, 0}, b{0, 1, 2}, c{1, 2, 1}, d{2, 0, 0};
    TListPC g1, g2;
    g1.Add(a);
    g1.Add(b);
    g2.Add(b);
    g2.Add(c);
    doc.AjouteSoudure(g1);
    doc.AjouteSoudure(g2);
    EXPECT_EQ(doc.ListSoudures.size(), 2u);
    EXPECT_EQ(doc.ListPCSoudes.Count(), 3);  // b only once
    EXPECT_TRUE(doc.EstSoude(a) && doc.EstSoude(b) && doc.EstSoude(c));
    EXPECT_FALSE(doc.EstSoude(d));
    EXPECT_FALSE(doc.EstSoude(TPC{0, 0, 1}));  // same surface and row, other column
    EXPECT_FALSE(doc.ListPCSoudes.Add(b));

    // After an unweld the list is rebuilt from the last group to the first.
    doc.ListSoudures.erase(doc.ListSoudures.begin());
    doc.ListPCSoudes.Reconstruit(doc.ListSoudures);
    ASSERT_EQ(doc.ListPCSoudes.Count(), 2);
    EXPECT_EQ(doc.ListPCSoudes[0], b);
    EXPECT_EQ(doc.ListPCSoudes[1], c);
    EXPECT_FALSE(doc.EstSoude(a));
}

TEST(Document, SavedFlagFollowsChangesAndTellsTheWindow) {
    RecordingScope r;
    Document doc;
    EXPECT_TRUE(doc.Enregistre());
    doc.MarquerModifie();
    EXPECT_FALSE(doc.Enregistre());
    EXPECT_EQ(r.rec.modified, 1);
    doc.MarquerEnregistre();
    EXPECT_TRUE(doc.Enregistre());
}

TEST(Document, ClosingEmptiesTheModelButKeepsGridViewsAndSwitches) {
    RecordingScope r;
    Document doc = Document::Defaut();
    TListPC g;
    g.Add({0, 0, 0});
    g.Add({0, 1, 0});
    doc.AjouteSoudure(g);
    doc.ListPoids.push_back({"lest", 100.0, 0.0, 1.0, -1.0, -1});
    doc.ListReperes.push_back({"R1", 1, 2, 3});
    doc.ListReperesEnv.push_back({"E1", 1, 2, 3});
    doc.ListCotes.emplace_back();
    doc.PropFich.Titre = "Coque";
    doc.PropFich.Comment = {"ligne"};
    doc.NomFichier = "/tmp/x.cse";
    doc.StockFen.Vues[1].Fond.Fichier = "fond.bmp";
    doc.StockFen.Vues[1].Echelle = 80.0f;
    doc.DefGrille.NbSec = 3;
    doc.Aff.MeSections = true;
    doc.Options.SplineTR = true;
    ObjCom::MajTotalPoids(doc);
    EXPECT_DOUBLE_EQ(doc.PoidsTotal.Masse, 100.0);
    doc.MarquerModifie();

    doc.Fermer();
    EXPECT_EQ(doc.NbSurf(), 0);
    EXPECT_TRUE(doc.ListSoudures.empty());
    EXPECT_TRUE(doc.ListPCSoudes.empty());
    EXPECT_FALSE(doc.EstSoude({0, 0, 0}));
    EXPECT_TRUE(doc.ListPoids.empty());
    EXPECT_EQ(doc.PoidsTotal.Masse, 0.0);
    EXPECT_TRUE(doc.ListReperes.empty());
    EXPECT_TRUE(doc.ListReperesEnv.empty());
    EXPECT_TRUE(doc.ListCotes.empty());
    EXPECT_TRUE(doc.PropFich.Titre.empty());
    EXPECT_TRUE(doc.PropFich.Comment.empty());
    EXPECT_TRUE(doc.NomFichier.empty());
    EXPECT_TRUE(doc.StockFen.Vues[1].Fond.Fichier.empty());
    EXPECT_TRUE(doc.Enregistre());
    // Kept: the grid, the stored view scale, the switches and options.
    EXPECT_EQ(doc.DefGrille.NbSec, 3);
    EXPECT_EQ(doc.StockFen.Vues[1].Echelle, 80.0f);
    EXPECT_TRUE(doc.Aff.MeSections);
    EXPECT_TRUE(doc.Options.SplineTR);
}

TEST(Document, OptionsCompareEveryField) {
    TOptionsDoc a, b;
    EXPECT_TRUE(a == b);
    b.Courbure.Cote = 1;
    EXPECT_FALSE(a == b);
    b = a;
    b.Courbure.Facteur = 2.0;
    EXPECT_FALSE(a == b);
    b = a;
    b.ZoomMax = 100;
    EXPECT_FALSE(a == b);
    b = a;
    b.MultiFen = true;
    EXPECT_FALSE(a == b);
}
