// The document: its fresh states, surfaces, welded points, saved flag and closing.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>

#include "model/Document.h"
#include "model/Update.h"
#include "tests/support/RecordingUi.h"

TEST(Document, DefaultDocumentHoldsTheStartingHullUnmodified) {
    RecordingScope r;
    Document doc = Document::Defaut();
    ASSERT_EQ(doc.NbSurf(), 1);
    EXPECT_EQ(doc.SurfaceNurbs(0)->Net.NbL, 3);
    const std::pair<int, std::string> vx{1, "Vx : [ Surface1; 0; 0 ]"};
    EXPECT_NE(std::find(r.rec.status.begin(), r.rec.status.end(), vx), r.rec.status.end());
    EXPECT_TRUE(doc.Enregistre());
    // Net bounds: the default hull's points and their mirror in X = 0.
    EXPECT_EQ(std::tuple(doc.MinMaxNet.Min.X, doc.MinMaxNet.Max.Y, doc.MinMaxNet.Min.Z), std::tuple(-1.4, 6.0, -0.3));
}

TEST(Document, SurfaceTableHoldsAtMostOneHundred) {
    Document doc;
    for (int k = 0; k < kMaxSurfaces; ++k) ASSERT_NE(doc.NouvelleSurface(std::to_string(k)), nullptr);
    EXPECT_EQ(doc.NouvelleSurface("de trop"), nullptr);
    EXPECT_EQ(doc.AjouteSurface(std::make_unique<TDXFSurface>(0, 2, 2, doc.DefGrille)), -1);

    // Names are cut to 20 characters.
    Document d2;
    d2.NouvelleSurface("un nom beaucoup trop long pour une surface");
    EXPECT_EQ(d2.Surface(0)->Nom.size(), 20u);
    // A mesh appended takes the next index whatever it was given.
    EXPECT_EQ(d2.AjouteSurface(std::make_unique<TDXFSurface>(57, 2, 2, d2.DefGrille)), 1);
    EXPECT_EQ(d2.Surface(1)->Index, 1);
}

TEST(Document, ClosingEmptiesTheModelButKeepsGridViewsAndSwitches) {
    RecordingScope r;
    Document doc = Document::Defaut();
    TListPC g;
    g.Add({0, 0, 0});
    g.Add({0, 1, 0});
    doc.AjouteSoudure(g);
    doc.ListPoids.push_back({"lest", 100.0, 0.0, 1.0, -1.0, -1});
    doc.ListReperesEnv.push_back({"E1", 1, 2, 3});
    doc.ListCotes.emplace_back();
    doc.PropFich.Titre = "Coque";
    doc.NomFichier = "/tmp/x.cse";
    doc.StockFen.Vues[1].Fond.Fichier = "fond.bmp";
    doc.StockFen.Vues[1].Echelle = 80.0f;
    doc.VuesSauvees[1].Sauvee = true;  // the next document has its own
    doc.DefGrille.NbSec = 3;
    doc.Aff.MeSections = true;
    doc.Options.SplineTR = true;
    ObjCom::MajTotalPoids(doc);
    doc.MarquerModifie();

    doc.Fermer();
    EXPECT_EQ(std::tuple(doc.NbSurf(), doc.EstSoude({0, 0, 0}), doc.PoidsTotal.Masse, doc.ListReperesEnv.size(),
                         doc.ListCotes.size(), doc.PropFich.Titre + doc.NomFichier + doc.StockFen.Vues[1].Fond.Fichier,
                         doc.VuesSauvees[1].Sauvee),
              std::tuple(0, false, 0.0, 0u, 0u, "", false));
    EXPECT_TRUE(doc.Enregistre());
    // Kept: the grid, the stored view scale, the switches and options.
    EXPECT_EQ(std::tuple(doc.DefGrille.NbSec, doc.StockFen.Vues[1].Echelle, doc.Aff.MeSections, doc.Options.SplineTR),
              std::tuple(3, 80.0f, true, true));
}
