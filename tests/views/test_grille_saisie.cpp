// The grid dialog's entry: cell checks, generators, and OK on a real hull.
#include <gtest/gtest.h>

#include "model/Draw.h"
#include "tests/support/CareneFixtures.h"
#include "tests/support/RecordingUi.h"
#include "views/GrilleSaisie.h"

using namespace GrilleSaisie;

namespace {

// The box barge (Y 2 .. 12, keel Z = -1, deck Z = 1) with its stations shown.
Document Caisson() {
    std::vector<std::unique_ptr<TDXFSurface>> v;
    v.push_back(fixtures::Caisson(TDefGrille{}, 4, 4, 4, 10, 2.0));
    Document doc = fixtures::DocAvec(std::move(v));
    doc.Aff.MeSections = true;
    doc.DefGrille.NbSec = 2;
    doc.DefGrille.Sec.Val[1] = 3.0;
    doc.DefGrille.Sec.Val[2] = 5.0;
    Grille::GrilleParDefaut(doc);  // the other families, and the cuts
    doc.MarquerEnregistre();
    return doc;
}

}  // namespace

TEST(GrilleSaisie, CellsReadOnlyWholeFiniteNumbers) {
    const struct {
        const char* texte;
        bool ok;
        double v;
    } cas[] = {{"1.5", true, 1.5}, {" -2 ", true, -2.0}, {"+3", true, 3.0}, {"", false, 0},   {"-", false, 0},
               {"1.2.3", false, 0}, {"1e400", false, 0}, {"nan", false, 0}, {"inf", false, 0}, {"4x", false, 0}};
    for (const auto& c : cas) {
        double v = 0.0;
        EXPECT_EQ(LitNombre(c.texte, v), c.ok) << c.texte;
        EXPECT_TRUE(!c.ok || v == c.v) << c.texte;
    }
}

TEST(GrilleSaisie, GeneratorsFillThePageAndGiveTheSpacing) {
    Document doc = Caisson();
    TFamille f;
    // Five diagonals: angles evenly from 30 to 80 degrees.
    Genere(doc, pgDiagonales, 5, {}, f);
    EXPECT_EQ(f.Angles, (std::vector<std::string>{"30.0", "42.5", "55.0", "67.5", "80.0"}));
    // One station stands at the lowest value, the box's stern.
    EXPECT_EQ(Genere(doc, pgCouples, 1, {}, f), 0.0);
    EXPECT_EQ(f.Valeurs, std::vector<std::string>{"2.000000"});
    // Eleven stations along the 10 m waterline.
    EXPECT_DOUBLE_EQ(Genere(doc, pgCouples, 11, {}, f), 1.0);
    EXPECT_EQ(f.Valeurs.back(), "12.000000");
    // Given distance, whichever side the end lies.
    EXPECT_DOUBLE_EQ(Genere(doc, pgLignesEau, 3, {mDistance, 0, 0, 4.0, 0.0}, f), 2.0);
    EXPECT_EQ(f.Valeurs, (std::vector<std::string>{"4.000000", "2.000000", "0.000000"}));
    EXPECT_DOUBLE_EQ(Genere(doc, pgLongitudinales, 2, {mEspacement, -1.0, 0.25}, f), 0.25);
    EXPECT_EQ(f.Valeurs, (std::vector<std::string>{"-1.000000", "-0.750000"}));
    EXPECT_TRUE(doc.Enregistre());
}

TEST(GrilleSaisie, ABadCellChangesNothing) {
    RecordingScope ui;
    Document doc = Caisson();
    const TDefGrille avant = doc.DefGrille;
    const TCoupe coupe = doc.Surface(0)->Sec[2];
    ASSERT_GT(coupe.Count(), 0);

    TSaisie s = Depuis(doc.DefGrille);
    s.Pages[pgCouples].Valeurs = {"1", "2", "3"};
    s.Pages[pgDiagonales].Angles[3] = "4-5";
    auto e = Applique(doc, s);
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->Page == pgDiagonales && e->Ligne == 3 && e->Colonne == 2);
    EXPECT_EQ(e->Message, "4-5 n'est pas une valeur de diagonale correcte");

    s = Depuis(doc.DefGrille);
    s.Pages[pgLignesEau].Valeurs[0] = "2e5";  // beyond the working range
    EXPECT_EQ(Applique(doc, s)->Message, "Valeur comprise entre -100000 et 100000 demandée : 2e5");

    s = Depuis(doc.DefGrille);
    s.Scinder = "2.5";
    EXPECT_TRUE(Applique(doc, s));

    EXPECT_EQ(doc.DefGrille, avant);
    EXPECT_TRUE(doc.Surface(0)->Sec.Count() == 2 && doc.Surface(0)->Sec[2] == coupe && doc.Enregistre());
}

TEST(GrilleSaisie, OkCutsTheHullAtTheNewLines) {
    RecordingScope ui;
    Document doc = Caisson();
    TSaisie s = Depuis(doc.DefGrille);
    s.Pages[pgCouples].Valeurs = {"4", "7.5", " 10"};
    s.Pages[pgLongitudinales].Valeurs = {"-1", "1.5"};
    s.Scinder = "9";
    ASSERT_FALSE(Applique(doc, s));

    const TDefGrille& g = doc.DefGrille;
    EXPECT_TRUE(g.NbSec == 3 && g.SecScind == 3);  // the split within the stations
    EXPECT_TRUE(g.LongitNeg.Val[2] == -1.5 && g.Min.Y == 4.0 && g.Max.Y == 10.0);
    const TEntity& e = *doc.Surface(0);
    ASSERT_EQ(e.Sec.Count(), 3);
    int points = 0;
    for (const TListPt3D& l : e.Sec[2])
        for (const TPt3D& p : l) {
            EXPECT_NEAR(p.P.Y, 7.5, 1e-9);
            ++points;
        }
    EXPECT_GT(points, 2);
    EXPECT_FALSE(doc.Enregistre());
}
