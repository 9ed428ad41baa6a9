// The hull-analysis configuration file and the results read back.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/Vellamor.h"
#include "model/Document.h"
#include "model/Update.h"
#include "tests/support/RecordingUi.h"

using Vellamor::TConfig;

TEST(Vellamor, ParametersAreCheckedFieldByField) {
    const struct {
        std::array<std::string, 3> p;
        const char* debut;  // "" when valid
    } cas[] = {
        {{"1", "8,5", "16"}, ""},
        {{"", "8", "16"}, "Valeur incorrecte pour \"Vitesse mini"},
        {{"0", "8", "16"}, "\"Vitesse mini [m/s]\" doit"},
        {{"2", "2", "16"}, "\"Vitesse maxi [m/s]\" doit"},
        {{"1", "8", "2.5"}, "\"Nombre de vitesses\" doit"},
        {{"1", "8", "1001"}, "\"Nombre de vitesses\" doit"},
    };
    for (const auto& c : cas) {
        TConfig config;
        config.Parametres = c.p;
        EXPECT_EQ(Vellamor::Verifie(config).rfind(c.debut, 0), 0u) << c.p[0] << " " << c.p[1] << " " << c.p[2];
        EXPECT_EQ(Vellamor::Verifie(config).empty(), std::string(c.debut).empty());
    }
}

TEST(Vellamor, ARunsFileCarriesTheGridsAndReadsBackAsTheSavedOne) {
    RecordingScope ui;
    Document doc = Document::Defaut();
    ObjCom::MajSurface(doc, true, -1);
    TConfig c;
    c.Symetrique = false;
    c.Surfaces = {"Surface1", "Absente"};
    c.Parametres = {"1", "8", "16"};
    c.SupprimerSortie = false;

    const std::vector<std::string> run = Vellamor::Lignes(c, &doc);
    const TEntity& s = *doc.Surface(0);
    const std::size_t entete = 7;
    ASSERT_EQ(run.size(), entete + 4 + 21u * 21u);
    EXPECT_EQ(std::tuple(run[entete], run[entete + 2]), std::tuple("[SURFACE]", "Lignes=21"));
    double x, y, z;
    ASSERT_EQ(std::sscanf(run.back().c_str(), "%lf %lf %lf", &x, &y, &z), 3);
    EXPECT_EQ(std::tuple(x, z), std::tuple(s.Points[20][20].X, s.Points[20][20].Z));

    TConfig lu;
    std::string erreur;
    ASSERT_TRUE(Vellamor::Lit(run, lu, erreur));
    EXPECT_EQ(lu, c);
    EXPECT_FALSE(Vellamor::Lit({"Carene=Symetrique", "Vitesse=3"}, lu, erreur));
    EXPECT_EQ(std::tuple(erreur, lu), std::tuple("Ligne 2 illisible : \"Vitesse=3\"", c));  // unchanged
}

TEST(Vellamor, ResultsAreTheLinesOfThreeNumbers) {
    const std::vector<std::string> sortie = {
        "# Vellamor 2.1",   "  V   Rw   Rt",       "1.0  12.5  40.25", "1,5\t1.5D+01;45",
        "2.0  20",          "2.5 abc 3",           "",                "3.0 30.0 60.0 99.0",
    };
    const std::vector<Vellamor::TPoint> attendu = {{1.0, 12.5, 40.25}, {1.5, 15.0, 45.0}, {3.0, 30.0, 60.0}};
    EXPECT_EQ(Vellamor::LitSortie(sortie), attendu);
}
