// The reader finds any key of a section through its index, whatever the
// order of the keys in the file, with the answers of a plain walk of the
// lines; a document read with its keys reversed is the same document; the
// reading errors of one file come as one short message.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/doc/DocWriter.h"
#include "app/doc/FichierStr.h"
#include "app/doc/GestFich.h"
#include "base/Encodage.h"
#include "model/Document.h"
#include "tests/support/RecordingUi.h"
#include "tests/support/TestFiles.h"

using testfiles::Dossier;

namespace {

std::string Donnee(const std::string& nom) { return std::string(CORVANE_TEST_DATA) + "/" + nom; }

// The key and value pairs of every section in reverse order.
std::vector<std::string> PairesInversees(std::vector<std::string> l) {
    for (auto h = l.begin(); h != l.end();) {
        const auto fin = std::find(h, l.end(), "[END]");
        testfiles::InversePaires(h + 1, fin);
        h = fin == l.end() ? fin : fin + 1;
    }
    return l;
}

std::string Octets(const Document& doc) {
    return DocWriter::OctetsDocument(doc, DocWriter::ToutesLesSurfaces(doc), {"06/12/2026"});
}

}  // namespace

// The same lines read once as an indexed section and once as lines that no
// header opens (so walked one by one): every read, in any order, gives the
// same value and leaves the cursor at the same line.
TEST(LecteurIndexe, AnswersAsAWalkOfTheLines) {
    const std::string corps[] = {
        // A key without value takes the next one's; the first of two equal
        // keys (letter case aside) answers; an empty line is skipped and
        // blanks are a value; the last key looks one line past "[END]".
        "[A]\r\n[b]\nvb\r[C]\n\n   \n[a]\nva2\n[D]\n[END]\nhors\n[Apres]\nx\n",
        // The line past "[END]" is a header: the last key has no value.
        "[A]\n1\n[Z]\n[END]\n[SURF0]\n[Z]\n2\n[END]\n",
        // No "[END]": the section runs to the end, without a last line end.
        "[X]\n1\n[Y]\n\n[Y]\n2\n[W]",
    };
    const char* lectures[] = {"D", "a", "C", "A", "b", "END", "Absent", "A", "Apres", "Z", "X", "Y", "W", "y"};
    for (const std::string& c : corps) {
        SCOPED_TRACE(c);
        TfichierStr indexe, ligneALigne;
        indexe.ChargeContenu("[MAIN]\n" + c);
        ligneALigne.ChargeContenu("[AUTRE]\n" + c);
        EXPECT_EQ(indexe.Lignes(), Encodage::DecoupeLignes("[MAIN]\n" + c));
        int p = 0, n = 0;
        ASSERT_TRUE(indexe.ChercheSection("MAIN", p, n));
        for (int tour = 0; tour < 2; ++tour) {
            // After the reads, the lines appended as the document reader does.
            for (const char* cle : lectures) {
                EXPECT_EQ(indexe.LitValeur(cle, "def", p, n), ligneALigne.LitValeur(cle, "def", p, n)) << cle;
                EXPECT_EQ(indexe.Curseur(), ligneALigne.Curseur()) << cle;
                EXPECT_EQ(indexe.ContientCle(cle, p, n), ligneALigne.ContientCle(cle, p, n)) << cle;
            }
            indexe.AjouteSection("");
            ligneALigne.AjouteSection("");
        }
        EXPECT_EQ(indexe.Lignes().back(), "[]");
    }
}

TEST(LecteurIndexe, ADocumentWithItsKeysReversedIsTheSameDocument) {
    RecordingScope r;
    Dossier d;
    Document original;
    ASSERT_TRUE(GestFich::OuvrirFichier(original, Donnee("full.cse")).Complet);
    std::vector<std::string> lignes;
    ASSERT_TRUE(Encodage::LitFichierTexte(Donnee("full.cse"), lignes));
    const std::vector<std::string> inversees = PairesInversees(lignes);
    ASSERT_NE(inversees, lignes);
    ASSERT_TRUE(Encodage::EcritFichierTexte(d / "inverse.cse", inversees));
    Document relu;
    EXPECT_TRUE(GestFich::OuvrirFichier(relu, d / "inverse.cse").Complet);
    EXPECT_EQ(Octets(relu), Octets(original));
    EXPECT_TRUE(r.rec.messages.empty());
}

// Many bad values, each long: one message listing the first ten, each
// quoting at most 80 characters (never half a character), then the count of
// the others.
TEST(LecteurIndexe, ReadingErrorsComeTogetherWithShortQuotes) {
    RecordingScope r;
    Dossier d;
    std::string texte = "[HEADER]\n[Version]\n1.08\n[END]\n[COTES]\n";
    const std::string long_(300, 'x'), accents = "Metre;" + std::string(200, '\xE9') + ";";
    for (int k = 1; k <= 25; ++k) texte += "[Ct_" + std::to_string(k) + "]\n" + (k == 1 ? accents : long_) + "\n";
    texte += "[END]\n";
    Document doc;
    const GestFich::TResultatLecture res = GestFich::OuvrirFichier(doc, d.Ecrit("cotes.cse", texte));
    EXPECT_EQ(res.Erreurs, 25);
    ASSERT_EQ(r.rec.messages.size(), 1u);
    const std::vector<std::string> l = Encodage::DecoupeLignes(r.rec.messages[0]);
    ASSERT_EQ(l.size(), 12u);  // what was kept, then the errors
    const std::string prefixe = "Erreur de lecture du fichier : COTES - Str = ";
    std::string e74;
    for (int k = 0; k < 74; ++k) e74 += "\u00E9";
    EXPECT_EQ(l[1], prefixe + "Metre;" + e74 + "…");
    EXPECT_EQ(l[2], prefixe + std::string(80, 'x') + "…");
    EXPECT_EQ(l[11], "… et 15 autre(s) erreur(s) de lecture");
    EXPECT_TRUE(Encodage::EstUtf8Valide(r.rec.messages[0]));
}
