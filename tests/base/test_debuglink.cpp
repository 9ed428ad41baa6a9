// The reports of the debug link and of the debug window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/DebugLink.h"

TEST(DebugLink, LignesEnvoyees) {
    const struct {
        int type;
        const char* tag;
        int index;
        std::vector<std::string> valeurs;
        const char* ligne;
    } cas[] = {
        {2, "TMainForm.ExceptionHandler", 2, {"A", "B"}, "TMsgLong|erDivers|TMainForm.ExceptionHandler|2|2|A|B|"},
        {5, "GestFich.LitSurf", -1, {}, "TMsgLong|waTrace|GestFich.LitSurf|-1|0|"},
        {1, "X.Y", 0, {"1", "2", "3", "4", "5", "6"}, "TMsgLong|erInconnue|X.Y|0|6|1|2|3|4|5|6|"},
        {0, "", 3, {"a", "b"}, "TMsgCourt|2|a|b|"},
        {0, "", 0, {}, "TMsgCourt|0|"},
        // The values as they stand, in the program's code page.
        {4, "Langue.ChargeListe", 0, {"ligne 1\r\nligne 2", "é"}, "TMsgLong|erFichier|Langue.ChargeListe|0|2|ligne 1\r\nligne 2|\xe9|"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        EXPECT_EQ(DebugLink::Ligne(c.type, c.tag, c.index, c.valeurs), c.ligne);
    }
}

TEST(DebugLink, LignesDeLaFenetre) {
    using V = std::vector<std::string>;
    EXPECT_EQ(DebugLink::SousItems("T.R", 3, {"1", "2", "3", "4", "5", "6"}), (V{"T.R", "3", "1", "2", "3", "4"}));
    EXPECT_EQ(DebugLink::SousItems("T.R", 0, {"x"}), (V{"T.R", "0", "x"}));
    EXPECT_EQ(DebugLink::SousItems("T.R", -1, {"x"}), (V{"T.R", "---", "------", "------", "------", "------"}));
    EXPECT_EQ(DebugLink::SousItems("T.R", -2, {}), (V{"T.R", "***", "******", "******", "******", "******"}));
    EXPECT_EQ(DebugLink::LigneExport({"T.R", "3", "1", "2", "3", "4"}), "T.R | 3 | 1 | 2 | 3");
    EXPECT_EQ(DebugLink::LigneExport({"T.R", "0"}), "T.R | 0 |  |  | ");
}

TEST(DebugLink, FileBornee) {
    DebugLink::TFile f(10);
    EXPECT_TRUE(f.Ajoute("abcd"));
    EXPECT_TRUE(f.Ajoute("efgh"));
    EXPECT_FALSE(f.Ajoute("ijk"));  // 11 bytes would not fit: dropped
    EXPECT_TRUE(f.Ajoute("ij"));
    EXPECT_EQ(f.Perdus(), 1u);
    EXPECT_EQ(f.Prend(5), "abcd");  // whole lines only
    EXPECT_EQ(f.Prend(1), "efgh");  // but at least one
    EXPECT_EQ(f.Octets(), 2u);
    EXPECT_EQ(f.Prend(100), "ij");
    EXPECT_TRUE(f.EstVide());
}
