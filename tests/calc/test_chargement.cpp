// The loading around the calculations: the weights file and grid, the mark
// import, the negative-volume flags.
#include <gtest/gtest.h>

#include "calc/DevisPoids.h"
#include "calc/Hydrostat.h"
#include "calc/Reperes.h"
#include "calc/VolumesNegatifs.h"
#include "model/Update.h"
#include "tests/support/CareneFixtures.h"

TEST(DevisPoids, SavedFileImportsBackToTheSameWeights) {
    Document doc = fixtures::DeuxCaissons();
    doc.ListPoids = {{"moteur", 350.5, 0.25, 2.0, -0.75, 0}, {"lest plomb", 41040.0, 0.0, 5.0, -0.25, -1},
                     {"mât", 80.0, 0.0, 3.5, 6.0, 1}};
    ObjCom::MajTotalPoids(doc);
    EXPECT_EQ(DevisPoids::LigneTotal(doc), (DevisPoids::TLigne{"TOTAL", "41470.500", "0.002", "4.972", "-0.242", ""}));
    const auto fichier = DevisPoids::TexteFichier(DevisPoids::LignesSurfaces(doc), DevisPoids::LignesPoids(doc));
    ASSERT_EQ(fichier.size(), 2u + 1u + 3u);
    EXPECT_EQ(fichier[2], "");
    EXPECT_EQ(fichier[3], "moteur;350.500;0.250;2.000;-0.750;coque");
    TListPoids lus;
    int l = -1, c = -1;
    ASSERT_TRUE(DevisPoids::LitLignes(doc, DevisPoids::Importe(fichier), lus, l, c));
    EXPECT_EQ(lus, doc.ListPoids);

    // Decimal commas, blanks at the ends; every line a weight, before an
    // empty line as after it, the file ending with one or not.
    const std::vector<std::string> virgules{"  a;1,5;0,25;2;-0,75 ", "", "b;2;3;4;5;flotteur;x", ""};
    const auto lv = DevisPoids::Importe(virgules);
    ASSERT_EQ(lv.size(), 2u);
    EXPECT_EQ(lv[0], (DevisPoids::TLigne{"a", "1.5", "0.25", "2", "-0.75", ""}));
    EXPECT_EQ(lv[1].Surface, "flotteur");
    // Without a save's layout, a row named as its sixth field is a weight too.
    EXPECT_EQ(DevisPoids::Importe({"Quille;1200;0;3;-1.2;Quille", "Safran;40;0;0.5;-0.8"}).size(), 2u);
}

TEST(DevisPoids, ABadCellIsFoundBeforeAnythingChanges) {
    Document doc = fixtures::DeuxCaissons();
    struct Cas {
        std::vector<DevisPoids::TLigne> lignes;
        bool ok;
        int ligne, colonne;
        std::size_t n;
    } cas[] = {
        {{{"a", "1", "2", "3", "4", ""}, {"b", "1", "x", "3", "4", ""}}, false, 1, 3, 0},
        {{{"a", "1", "2", "3", "", ""}}, false, 0, 5, 0},
        {{{"", "0.000", "0.000", "0.000", "0.000", ""}}, true, -1, -1, 0},   // the row standing for none
        {{{"", "", "", "", "", ""}}, true, -1, -1, 0},
        {{{"c", "2,5", "0", "0", "0", "inconnue"}}, true, -1, -1, 1},
        // Beyond the working range: a mass past 1e9 kg, a coordinate past 1e5 m.
        {{{"d", "-5", "0", "0", "0", ""}, {"e", "2e9", "0", "0", "0", ""}}, false, 1, 2, 0},
        {{{"f", "1", "0", "0", "-1e6", ""}}, false, 0, 5, 0},
    };
    for (const Cas& k : cas) {
        TListPoids p{{"avant", 1, 0, 0, 0, -1}};
        int l = -1, c = -1;
        EXPECT_EQ(DevisPoids::LitLignes(doc, k.lignes, p, l, c), k.ok);
        EXPECT_EQ(std::pair(l, c), std::pair(k.ligne, k.colonne));
        EXPECT_EQ(p.size(), k.ok ? k.n : 1u);
        EXPECT_TRUE(k.n != 1 || p[0].Surf == -1);  // an unknown surface: the weight stands alone
    }
}

TEST(Reperes, ImportOrdersBlankLinesAndBadLines) {
    struct Cas {
        std::vector<std::string> lignes;
        bool nom;
        int ordre;
        int erreur;
        std::vector<TRepere> points;
    } cas[] = {
        {{"1;2;3"}, false, 3, 0, {{"", 3, 1, 2}}},                       // "Y - Z - X"
        {{"p1;1,5;2;3;", "", "  ", "p2;4;5;6"}, true, 0, 0, {{"p1", 1.5, 2, 3}, {"p2", 4, 5, 6}}},
        {{"1;2;3", "", "1;deux;3", "4;5;6"}, false, 0, 3, {}},          // all or nothing
        {{"1;2;3", "4;5"}, false, 5, 2, {}},
        {{"1;2;3e6"}, false, 0, 1, {}},                                 // beyond the working range
    };
    for (const Cas& c : cas) {
        int err = -1;
        EXPECT_EQ(Reperes::Importe(c.lignes, c.nom, c.ordre, err), c.points);
        EXPECT_EQ(err, c.erreur);
    }
    EXPECT_EQ(Reperes::LigneAttendue(false, 0), "X;Y;Z;");
    EXPECT_EQ(Reperes::LigneAttendue(true, 4), "Nom_Repère;Z;X;Y;");
    EXPECT_EQ(Reperes::NomOrdre(2), "X - Z - Y");
}

TEST(VolumesNegatifs, AChangeIsSeenByTheNextRun) {
    Document doc = fixtures::DeuxCaissons();
    ObjCom::MajSurface(doc, true, -1);
    TListSurf toutes = Hydrostat::ListeCalcul(doc);
    TVertex3f cc;
    double v = 0.0, a = 0.0;
    Hydrostat::CalcDeplacement(doc, toutes, cc, v, a);
    EXPECT_NEAR(v, 80.0, 1e-9);
    doc.MarquerEnregistre();
    EXPECT_FALSE(VolumesNegatifs::Applique(doc, toutes, {false, false}));
    EXPECT_TRUE(doc.Enregistre());  // no change, nothing to save
    ASSERT_TRUE(VolumesNegatifs::Applique(doc, toutes, {false, true}));
    EXPECT_EQ(VolumesNegatifs::Lit(doc, toutes), (std::vector<bool>{false, true}));
    EXPECT_FALSE(doc.Surface(1)->Calculee || doc.Enregistre());
    Hydrostat::CalcDeplacement(doc, toutes, cc, v, a);
    EXPECT_NEAR(v, 0.0, 1e-9);
}
