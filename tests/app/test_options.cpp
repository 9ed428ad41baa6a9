// The options dialog's rules: track-bar positions, the size of marks, languages.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "app/Options.h"
#include "tests/support/TestFiles.h"

TEST(Options, LongueurDesRayonsDansLaPlageDeLaBarre) {
    const struct {
        double longRayon;
        int position;
    } cas[] = {
        {1.0 / 5000.0, 10},  // the old default lay below the track bar
        {0.0, 10}, {-3.0, 10}, {std::numeric_limits<double>::quiet_NaN(), 10}, {0.002, 10}, {0.2, 1000}, {5.0, 25000},
        {1e9, 25000},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.longRayon);
        EXPECT_EQ(Options::PositionLongRayon(c.longRayon), c.position);
    }
    // A position read back is the position.
    for (int p : {10, 11, 999, 25000}) EXPECT_EQ(Options::PositionLongRayon(Options::LongRayonDe(p)), p);
}

TEST(Options, TailleDesReperes) {
    const struct {
        const char* texte;
        bool ok;
        double valeur;
    } cas[] = {
        {"0.020", true, 0.02}, {"0,5", true, 0.5}, {" 1 ", true, 1.0}, {"+2.5", true, 2.5},
        {"", false, 0}, {"abc", false, 0}, {"1.2.3", false, 0}, {"0.5m", false, 0},
        {"0", false, 0}, {"-0.1", false, 0}, {"inf", false, 0}, {"nan", false, 0},
        {"100000", true, 100000}, {"100000.001", false, 0}, {"250000", false, 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        double v = -1.0;
        EXPECT_EQ(Options::LitTaille(c.texte, v), c.ok);
        EXPECT_DOUBLE_EQ(v, c.ok ? c.valeur : -1.0);
    }
    EXPECT_EQ(Options::TexteTaille(0.02), "0.020");
    EXPECT_EQ(Options::TexteRatio(1000), "100.0Kg");
}

TEST(Options, Langues) {
    testfiles::Dossier d;
    EXPECT_EQ(Options::Langues(d.chemin()), std::vector<std::string>{"Français"});
    for (const char* n : {"lang_English.dat", "lang_.dat", "lang_Deutsch.dat", "autre.dat", "lang_X.txt"})
        testfiles::EcritOctets(d.chemin() + "/" + n, "");
    EXPECT_EQ(Options::Langues(d.chemin()), (std::vector<std::string>{"Deutsch", "English", "Français"}));

    for (auto [choisie, actuelle, changee] : {std::tuple{"English", "English", false}, {"Français", "", false},
                                              {"Français", "English", true}, {"English", "", true}})
        EXPECT_EQ(Options::LangueChangee(choisie, actuelle), changee) << choisie << " " << actuelle;
}
