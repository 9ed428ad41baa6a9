// Sectioned text reader, string helpers and the file-boundary encoding.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/doc/FichierStr.h"
#include "base/Chaines.h"
#include "base/Encodage.h"
#include "base/Langue.h"
#include "tests/support/RecordingUi.h"
#include "tests/support/TestFiles.h"

using testfiles::LitOctets;

// ---- string helpers ---------------------------------------------------------

TEST(Chaines, ExtractionsAuSeparateur) {
    std::string texte = "1.5;2;", tete;
    Chaines::ExtraitAvant(";", texte, tete);
    EXPECT_EQ(std::tuple(tete, texte), std::tuple("1.5", "2;"));

    // The comment separator is one character of two UTF-8 bytes.
    texte = "a\u00A4b\u00A4";
    Chaines::ExtraitAvant(Chaines::kSeparateurCommentaire, texte, tete);
    EXPECT_EQ(std::tuple(tete, texte), std::tuple("a", "b\u00A4"));
}

TEST(Chaines, ConversionsNumeriques) {
    // Refused texts read as 0 here.
    for (const auto& [texte, attendu] : {std::pair{" -12 ", -12}, std::pair{"+7", 7}, std::pair{"1.5", 0},
                                         std::pair{"99999999999", 0}, std::pair{"", 0}, std::pair{"+-3", 0}}) {
        int n = 0;
        EXPECT_EQ(Chaines::TexteVersEntier(texte, n) ? n : 0, attendu) << texte;
    }
    for (const auto& [texte, attendu] : {std::pair{"1.5e2", 150.0}, std::pair{"-.25", -0.25}, std::pair{"1,5", 0.0},
                                         std::pair{"nan", 0.0}, std::pair{"inf", 0.0}, std::pair{"1e999", 0.0},
                                         std::pair{"abc", 0.0}}) {
        double v = 0;
        EXPECT_EQ(Chaines::TexteVersReel(texte, v) ? v : 0.0, attendu) << texte;
    }
    for (const auto& [v, d, texte] : {std::tuple{0.333333, 4, "0.3333"}, std::tuple{-2.5, 1, "-2.5"},
                                      std::tuple{1e6, 3, "1000000.000"}, std::tuple{-0.00001, 4, "0.0000"},
                                      std::tuple{-0.0, 0, "0"}, std::tuple{-0.0002, 4, "-0.0002"}})
        EXPECT_EQ(Chaines::FormatFixe(v, d), texte) << v;
}

// ---- encoding at the file boundary -----------------------------------------

TEST(Encodage, Windows1252EtUtf8) {
    // é, ¤, €, œ and the undefined 0x81 in Windows-1252.
    const std::string cp = "\xE9\xA4\x80\x9C\x81";
    EXPECT_FALSE(Encodage::EstUtf8Valide(cp));
    const std::string u = Encodage::DecodeTexte(cp);
    EXPECT_EQ(u, "\u00E9\u00A4\u20AC\u0153\u0081");
    EXPECT_TRUE(Encodage::EstUtf8Valide(u));
    EXPECT_EQ(Encodage::DecodeTexte(u), u);  // valid UTF-8 is taken as it is
    EXPECT_EQ(Encodage::Utf8VersWindows1252(u), cp);
    // Every byte survives the round trip.
    std::string tous;
    for (int b = 0; b < 256; ++b) tous.push_back(static_cast<char>(b));
    EXPECT_EQ(Encodage::Utf8VersWindows1252(Encodage::Windows1252VersUtf8(tous)), tous);
    // Outside the code page, and broken UTF-8, become "?".
    EXPECT_EQ(std::tuple(Encodage::Utf8VersWindows1252("\u4E2D\u00E9"), Encodage::Utf8VersWindows1252("a\xC3")),
              std::tuple("?\xE9", "a?"));
    // A byte-order mark is dropped.
    EXPECT_EQ(Encodage::DecodeTexte("\xEF\xBB\xBF" "abc"), "abc");
    // Overlong forms and surrogates are not UTF-8.
    EXPECT_FALSE(Encodage::EstUtf8Valide("\xC0\xAF"));
    EXPECT_FALSE(Encodage::EstUtf8Valide("\xED\xA0\x80"));
    EXPECT_TRUE(Encodage::EstUtf8Valide("\xF0\x9F\x98\x80"));
}

TEST(Encodage, FinsDeLigne) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Encodage::DecoupeLignes("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(Encodage::DecoupeLignes("a\r\n\r\nb\r\n"), (V{"a", "", "b"}));
}

TEST(Encodage, EcritureEnWindows1252EtRelecture) {
    testfiles::Dossier d;
    const std::string chemin = d / "sortie.txt";
    std::string erreur;
    ASSERT_TRUE(Encodage::EcritFichierTexte(chemin, {"Goélette", "a\u00A4b"}, &erreur)) << erreur;
    EXPECT_EQ(LitOctets(chemin), "Go\xE9lette\r\na\xA4" "b\r\n");
    std::vector<std::string> lignes;
    ASSERT_TRUE(Encodage::LitFichierTexte(chemin, lignes));
    EXPECT_EQ(lignes, (std::vector<std::string>{"Goélette", "a\u00A4b"}));
    EXPECT_FALSE(Encodage::EcritFichierTexte(d / "absent/x.txt", {"x"}, &erreur));
}

// ---- TfichierStr ------------------------------------------------------------

TEST(FichierStr, IndexDesSections) {
    TfichierStr f;
    // Line 4 is bracketed but not a header; 5 an indented header; 9 in lower
    // case is not one; 10 is indexed but not found as SURF5; 14 opens an empty
    // section; 16 has no [END]: it runs to the end and swallows the header 19.
    f.ChargeContenu("[HEADER]\n[Version]\n1.10\n[END]\n[PAS_UNE]\n   [SURF3]\n[Nom]\ncoque\n[end]\n"  // 0-8
                    "[surf4]\n[SURF5] suite\n[Nom]\nx\n[END]\n[SURF6]\n[END]\n"                  // 9-15
                    "[BALLAST]\n[Nb]\n2\n[REPERES]\n[Nb]\n3\n");                                  // 16-21
    EXPECT_EQ(f.IndexSections(),
              (std::vector<std::string>{"[HEADER]=1;3", "[SURF3]=6;3", "[SURF5] suite=11;3", "[SURF6]=15;1",
                                        "[BALLAST]=17;6"}));
    int p = -1, n = -1;
    EXPECT_TRUE(f.ChercheSection("SURF3", p, n));
    EXPECT_EQ(std::tuple(p, n), std::tuple(6, 3));
    for (const char* absente : {"SURF4", "SURF5", "SURF6", "REPERES"}) EXPECT_FALSE(f.ChercheSection(absente, p, n)) << absente;
    EXPECT_TRUE(f.ChercheSection("BALLAST", p, n));
    EXPECT_EQ(f.LitEntier("Nb", 0, p, n), 2);
    // Read again, the first "[Nb]" of the section still answers.
    EXPECT_EQ(f.LitEntier("Nb", 0, p, n), 2);
}

TEST(FichierStr, LectureDesCles) {
    TfichierStr f;
    // A has no value line (2 is a key); line 5 is empty, skipped; 6 holds
    // blanks, a value; "Dernier" (11) is the last key of its section.
    f.ChargeContenu("[MAIN]\n[A]\n[B]\nvaleur B\n[C]\n\n   \n[Reel]\nabc\n[Bool]\ntrue\n[Dernier]\n[END]\n"  // 0-12
                    "[SURF0]\n[Nom]\n[END]\n");                                                    // 13-15
    int p, n;
    ASSERT_TRUE(f.ChercheSection("MAIN", p, n));
    EXPECT_EQ(f.LitValeur("A", "def", p, n), "valeur B");  // takes the next key's value
    EXPECT_EQ(f.LitValeur("c", "def", p, n), "   ");
    EXPECT_DOUBLE_EQ(f.LitReel("Reel", 0.333333, p, n), 0.333333);     // bad number: exact default
    EXPECT_DOUBLE_EQ(f.LitReel("Absent", 0.333333, p, n), 0.3333);     // missing: default to 4 decimals
    EXPECT_EQ(f.DerniereValeur(), "0.3333");
    EXPECT_FALSE(f.LitBooleen("Bool", false, p, n));
    // A key at the end of its section looks one line past "[END]": the next
    // header stops it.
    EXPECT_EQ(f.LitValeur("Dernier", "def", p, n), "def");
    ASSERT_TRUE(f.ChercheSection("SURF0", p, n));
    EXPECT_EQ(f.LitValeur("Nom", "sans nom", p, n), "sans nom");
    // The search never reads past the last line.
    TfichierStr g;
    g.ChargeContenu("[SURF1]\n[Orphelin]");
    ASSERT_TRUE(g.ChercheSection("SURF1", p, n));
    for (auto [debut, nb] : {std::pair{1, 2}, {1, 1000}, {-5, 3}}) EXPECT_EQ(g.LitValeur("Orphelin", "d", debut, nb), "d");
}

// A folder, a file larger than the reader takes (sparse: refused by its size
// alone), a file the user may not read: a reading error that says why.
TEST(FichierStr, UnFichierQuiNePeutEtreLuDitPourquoi) {
    testfiles::Dossier d;
    ::chmod(d.chemin().c_str(), 0777);
    const std::string grand = d.Ecrit("grand.cse", ""), ferme = d.Ecrit("ferme.cse", "[HEADER]\n");
    ASSERT_EQ(::truncate(grand.c_str(), 3LL << 30), 0);
    ::chmod(ferme.c_str(), 0);
    for (const auto& [chemin, raison] : {std::pair<std::string, const char*>{d.chemin(), "n'est pas un fichier"},
             {grand, "fichier trop volumineux (3072 Mo ; le lecteur en prend au plus 2047 Mo)"},
             {ferme, "Permission denied"}}) {
        SCOPED_TRACE(chemin);
        RecordingScope r;
        TfichierStr f;
        const bool root = chemin == ferme && ::geteuid() == 0;
        ASSERT_EQ(root ? ::seteuid(65534) : 0, 0);
        EXPECT_FALSE(f.ChargeFichier(chemin));
        ASSERT_EQ(root ? ::seteuid(0) : 0, 0);
        EXPECT_EQ(r.rec.messages, std::vector<std::string>{Langue::Txt("rsErrLectFich") + chemin + " : " + raison});
    }
}
