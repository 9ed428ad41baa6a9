// Damaged documents: every test document, mutated thousands of times at
// random (bytes changed, lines lost, doubled or swapped, numbers replaced by
// extreme ones, files cut short), is read without crash or hang, always into
// a sound document, with a message whenever something was wrong; and what was
// read is always saved into a file that reads back whole.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/support/RecordingUi.h"
#include "tests/support/TestFiles.h"
#include "app/doc/DocWriter.h"
#include "app/doc/GestFich.h"
#include "model/Document.h"
#include "model/Nurbs.h"

namespace {

using testfiles::EcritOctets;
using testfiles::LitOctets;

std::vector<std::string> Lignes(const std::string& texte) {
    std::vector<std::string> l;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos) fin = texte.size() - 1;
        l.push_back(texte.substr(debut, fin - debut + 1));
        debut = fin + 1;
    }
    return l;
}

std::string Joint(const std::vector<std::string>& l) {
    std::string s;
    for (const std::string& x : l) s += x;
    return s;
}

// One random change of the text.
void Mute(std::string& t, std::mt19937& alea) {
    auto au = [&](std::size_t n) { return n == 0 ? std::size_t{0} : std::uniform_int_distribution<std::size_t>(0, n - 1)(alea); };
    static const char* nombres[] = {"-1", "0", "1", "31", "32", "999", "1000", "2147483647", "-2147483648",
                                    "99999999999", "1e308", "-1e308", "nan", "inf", "", ";", "0x10", "1.5", "-0"};
    static const char* lignes[] = {"[END]", "[SURF0]", "[SURF7]", "[SOUDES]", "[BALLAST]", "[NbL]", "[V_0_0]",
                                   "[Type]", "MESH", "[]", "", "[HEADER]", "[Version]", "1.01", "[GpS_0]", "[Bl_9]"};
    switch (au(9)) {
        case 0:  // a byte changed
            if (!t.empty()) t[au(t.size())] = static_cast<char>(au(256));
            break;
        case 1: {  // a number replaced
            std::size_t p = au(t.size());
            while (p < t.size() && !std::isdigit(static_cast<unsigned char>(t[p]))) ++p;
            std::size_t q = p;
            while (q < t.size() && (std::isdigit(static_cast<unsigned char>(t[q])) || t[q] == '.')) ++q;
            if (p < t.size()) t.replace(p, q - p, nombres[au(std::size(nombres))]);
            break;
        }
        case 2:
        case 3: {  // a line lost, doubled, moved or added
            std::vector<std::string> l = Lignes(t);
            if (l.empty()) break;
            const std::size_t i = au(l.size()), j = au(l.size());
            switch (au(4)) {
                case 0:
                    l.erase(l.begin() + static_cast<std::ptrdiff_t>(i));
                    break;
                case 1:
                    l.insert(l.begin() + static_cast<std::ptrdiff_t>(j), l[i]);
                    break;
                case 2:
                    std::swap(l[i], l[j]);
                    break;
                default:
                    l.insert(l.begin() + static_cast<std::ptrdiff_t>(j),
                             std::string(lignes[au(std::size(lignes))]) + "\r\n");
            }
            t = Joint(l);
            break;
        }
        case 4:  // cut short
            t.resize(au(t.size() + 1));
            break;
        case 5:  // a byte removed
            if (!t.empty()) t.erase(au(t.size()), 1);
            break;
        case 6:  // a byte inserted
            t.insert(au(t.size() + 1), 1, static_cast<char>(au(256)));
            break;
        case 7: {  // a separator removed or added
            const std::size_t p = t.find(';', au(t.size()));
            if (p != std::string::npos) t.erase(p, 1);
            else t.insert(au(t.size() + 1), ";");
            break;
        }
        default: {  // a block of lines repeated (sections and keys twice)
            std::vector<std::string> l = Lignes(t);
            if (l.size() < 2) break;
            const std::size_t i = au(l.size() - 1), n = 1 + au(std::min<std::size_t>(40, l.size() - i));
            std::vector<std::string> bloc(l.begin() + static_cast<std::ptrdiff_t>(i),
                                          l.begin() + static_cast<std::ptrdiff_t>(i + n));
            l.insert(l.begin() + static_cast<std::ptrdiff_t>(au(l.size())), bloc.begin(), bloc.end());
            t = Joint(l);
        }
    }
}

// What every document must be, however damaged its file was.
void ExpectDocumentSain(const Document& doc) {
    ASSERT_LE(doc.NbSurf(), kMaxSurfaces);
    for (int k = 0; k < doc.NbSurf(); ++k) {
        const TEntity* s = doc.Surface(k);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->Index, k);
        if (const TSurface* n = doc.SurfaceNurbs(k)) {
            EXPECT_EQ(nurbs::CheckNet(n->Net, doc.Precision), "") << "surface " << k;
        } else {
            EXPECT_GE(s->Points.rows(), 1);
            EXPECT_GE(s->Points.cols(), 1);
            EXPECT_LE(s->Points.rows(), GestFich::kMaxCoteMaillage);
            EXPECT_LE(s->Points.cols(), GestFich::kMaxCoteMaillage);
        }
        EXPECT_GE(s->TypePoids, tpEpaisseur);
        EXPECT_LE(s->TypePoids, tpVolume);
        EXPECT_LE(s->Nom.size(), 4 * kLongNomSurface);
    }
    for (const TListPC& g : doc.ListSoudures) {
        EXPECT_FALSE(g.empty());
        for (const TPC& pc : g) {
            const TSurface* n = doc.SurfaceNurbs(pc.Surf);
            ASSERT_NE(n, nullptr) << pc.Surf;
            EXPECT_TRUE(pc.I >= 0 && pc.I < n->Net.NbL && pc.J >= 0 && pc.J < n->Net.NbC);
            EXPECT_TRUE(doc.EstSoude(pc));
        }
    }
    for (const TPoids& p : doc.ListPoids) EXPECT_TRUE(p.Surf >= -1 && p.Surf < doc.NbSurf()) << p.Surf;
    const TDefGrille& g = doc.DefGrille;
    for (int n : {g.NbSec, g.NbLE, g.NbLongit, g.NbDiag, g.SecScind}) EXPECT_TRUE(n >= 0 && n <= kMaxLignesGrille);
    for (const TCote& c : doc.ListCotes) EXPECT_LE(c.Mesure.View, 2);
}

class Mutations : public ::testing::TestWithParam<const char*> {};

TEST_P(Mutations, DamagedDocumentsReadIntoSoundDocumentsWithAMessage) {
    const std::string original = LitOctets(std::string(CORVANE_TEST_DATA) + "/" + GetParam());
    ASSERT_FALSE(original.empty());
    // Thousands of small files: in memory when the system offers it.
    std::error_code ec;
    const std::filesystem::path racine =
        ::access("/dev/shm", W_OK) == 0 ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
    std::string modele = (racine / "corvane-mut-XXXXXX").string();
    const std::string dossier = ::mkdtemp(modele.data());
    std::mt19937 alea(20261206u);
    const int cas = 1000;
    int avecMessage = 0;
    for (int k = 0; k < cas; ++k) {
        std::string t = original;
        const int n = 1 + static_cast<int>(alea() % 3);
        for (int m = 0; m < n; ++m) Mute(t, alea);
        // A new file each time: rewriting one file in place makes the file
        // system flush it on every close.
        const std::string chemin = dossier + "/m" + std::to_string(k) + ".cse";
        EcritOctets(chemin, t);

        RecordingScope r;
        Document doc;
        const GestFich::TResultatLecture res = GestFich::OuvrirFichier(doc, chemin);
        SCOPED_TRACE("case " + std::to_string(k));
        ASSERT_TRUE(res.Charge);
        ExpectDocumentSain(doc);
        if (!res.Complet || res.Erreurs > 0) {
            EXPECT_FALSE(r.rec.messages.empty());
            ++avecMessage;
        }
        EXPECT_EQ(res.Complet, !doc.NomFichier.empty());
        if (::testing::Test::HasFailure()) {
            const std::string garde = dossier + "/echec-" + std::to_string(k) + ".cse";
            EcritOctets(garde, t);
            FAIL() << "input kept in " << garde;
        }
        // Whatever was read saves into a file that reads back whole.
        if (k % 4 == 0) {
            const std::string copie = dossier + "/c" + std::to_string(k) + ".cse";
            EcritOctets(copie, DocWriter::OctetsDocument(doc, DocWriter::ToutesLesSurfaces(doc), {"01/01/2000"}));
            RecordingScope r2;
            Document relu;
            const GestFich::TResultatLecture res2 = GestFich::OuvrirFichier(relu, copie);
            EXPECT_TRUE(res2.Complet);
            EXPECT_EQ(res2.Erreurs, 0) << (r2.rec.messages.empty() ? "" : r2.rec.messages.front());
            EXPECT_EQ(relu.NbSurf(), doc.NbSurf());
            if (::testing::Test::HasFailure()) {
                EcritOctets(dossier + "/echec-" + std::to_string(k) + ".cse", t);
                FAIL() << "input kept in " << dossier;
            }
            std::filesystem::remove(copie, ec);
        }
        std::filesystem::remove(chemin, ec);
    }
    // The mutations do reach the checks of the reader.
    EXPECT_GT(avecMessage, cas / 10);
    std::filesystem::remove_all(dossier, ec);
}

INSTANTIATE_TEST_SUITE_P(Documents, Mutations,
                         ::testing::Values("full.cse", "old102.cse", "noheader.cse", "utf8.cse"),
                         [](const ::testing::TestParamInfo<const char*>& i) {
                             std::string n = i.param;
                             return n.substr(0, n.find('.'));
                         });

}  // namespace
