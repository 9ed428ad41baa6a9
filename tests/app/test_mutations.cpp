// Damaged documents, beside the fuzzer. Every single-byte damage of the full
// test document (each byte replaced, each byte deleted) and the document cut
// after each of its lines: a reading that lost a surface, a point, a
// dimension, a weight, a weld, a mark or a flooding point is neither titled
// nor silent. The older test documents, changed at random a few hundred
// times, read into sound documents with a message whenever something was
// wrong. Every reading saves into a file that reads back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
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

// One random change: a byte changed, a line lost or doubled, a number made
// extreme, or the file cut short.
void Mute(std::string& t, std::mt19937& alea) {
    if (t.empty()) return;
    auto au = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(alea); };
    static const char* nombres[] = {"-1", "0", "32", "2147483647", "1e308", "nan", "", ";"};
    const std::size_t p = au(t.size()), fin = t.find('\n', p), q = fin == std::string::npos ? t.size() : fin + 1;
    const std::size_t debut = t.rfind('\n', p) == std::string::npos ? 0 : t.rfind('\n', p) + 1;
    switch (au(5)) {
        case 0: t[p] = static_cast<char>(au(256)); break;
        case 1: t.erase(debut, q - debut); break;
        case 2: t.insert(debut, t.substr(debut, q - debut)); break;
        case 3: t.replace(p, 1, nombres[au(std::size(nombres))]); break;
        default: t.resize(p);
    }
}

// Every single-byte damage (a digit becomes the next one, any other byte
// "#"; or the byte is deleted), and the file cut at the end of each line but
// those that end a section: cut there, it is a shorter document, whole.
std::vector<std::string> Dommages(const std::string& t) {
    std::vector<std::string> r;
    for (std::size_t p = 0; p < t.size(); ++p) {
        std::string d = t;
        d[p] = t[p] >= '0' && t[p] <= '9' ? static_cast<char>('0' + (t[p] - '0' + 1) % 10) : '#';
        r.push_back(std::move(d));
        r.push_back(std::string(t).erase(p, 1));
        if (t[p] == '\n' && t.rfind("[END]\r\n", p) != p - 6) r.push_back(t.substr(0, p + 1));
    }
    return r;
}

// What a reading must not lose without a word.
std::array<std::size_t, 7> Contenu(const Document& doc) {
    std::size_t points = 0, soudes = 0;
    for (int s = 0; s < doc.NbSurf(); ++s) {
        const TSurface* n = doc.SurfaceNurbs(s);
        points += n ? static_cast<std::size_t>(n->Net.NbL * n->Net.NbC)
                    : static_cast<std::size_t>(doc.Surface(s)->Points.rows() * doc.Surface(s)->Points.cols());
    }
    for (const TListPC& g : doc.ListSoudures) soudes += static_cast<std::size_t>(g.Count());
    return {static_cast<std::size_t>(doc.NbSurf()), points,           doc.ListCotes.size(), doc.ListPoids.size(),
            soudes,                                 doc.ListReperes.size(), doc.ListReperesEnv.size()};
}

}  // namespace

TEST(Mutations, DamagedDocumentsReadIntoSoundDocumentsAndLoseNothingSilently) {
    std::mt19937 alea(20261206u);
    // In memory when the system offers it: a file rewritten thousands of times.
    const testfiles::Dossier d(::access("/dev/shm", W_OK) == 0 ? std::filesystem::path("/dev/shm")
                                                               : std::filesystem::temp_directory_path());
    for (const char* nom : {"full.cse", "old102.cse", "noheader.cse", "utf8.cse"}) {
        const std::string original = testfiles::LitOctets(std::string(CORVANE_TEST_DATA) + "/" + nom);
        ASSERT_FALSE(original.empty());
        const bool actuel = std::string(nom) == "full.cse";  // the format written today
        std::array<std::size_t, 7> attendu{};
        {
            RecordingScope r;
            Document doc;
            ASSERT_TRUE(GestFich::OuvrirFichier(doc, testfiles::Dossier().Ecrit("o.cse", original)).Complet);
            attendu = Contenu(doc);
        }
        std::vector<std::string> textes;
        if (actuel) textes = Dommages(original);
        for (int k = 0; !actuel && k < 150; ++k) {
            std::string t = original;
            for (int m = 0; m <= static_cast<int>(alea() % 3); ++m) Mute(t, alea);
            textes.push_back(std::move(t));
        }
        for (std::size_t k = 0; k < textes.size(); ++k) {
            const std::string& t = textes[k];
            SCOPED_TRACE(std::string(nom) + " case " + std::to_string(k));
            testfiles::EcritOctets(d / "m.cse", t);
            RecordingScope r;
            Document doc, relu;
            doc.FormeAffichee = relu.FormeAffichee = false;  // read, not drawn: thousands of readings
            const GestFich::TResultatLecture res = GestFich::OuvrirFichier(doc, d / "m.cse");
            ASSERT_TRUE(res.Charge);
            ASSERT_LE(doc.NbSurf(), kMaxSurfaces);
            for (int s = 0; s < doc.NbSurf(); ++s) {
                const TSurface* n = doc.SurfaceNurbs(s);
                const bool vide = n && (n->Net.NbL == 0) != (n->Net.NbC == 0);  // read as an empty net
                EXPECT_TRUE(!n || vide || nurbs::CheckNet(n->Net, doc.Precision).empty()) << s;
            }
            for (const TListPC& g : doc.ListSoudures)
                for (const TPC& pc : g) EXPECT_TRUE(doc.SurfaceNurbs(pc.Surf) != nullptr);
            if (!res.Complet || res.Erreurs > 0) {
                EXPECT_FALSE(r.rec.messages.empty());
            }
            EXPECT_EQ(res.Complet, !doc.NomFichier.empty());
            if (actuel && Contenu(doc) != attendu) {
                EXPECT_FALSE(res.Complet);
                EXPECT_FALSE(r.rec.messages.empty());
            }

            testfiles::EcritOctets(d / "c.cse", DocWriter::OctetsDocument(doc, DocWriter::ToutesLesSurfaces(doc)));
            const GestFich::TResultatLecture res2 = GestFich::OuvrirFichier(relu, d / "c.cse");
            EXPECT_TRUE(res2.Complet);
            EXPECT_EQ(relu.NbSurf(), doc.NbSurf());
            if (::testing::Test::HasFailure()) FAIL() << t;
        }
    }
}
