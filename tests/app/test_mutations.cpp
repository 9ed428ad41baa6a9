// Damaged documents, a smoke test beside the fuzzer: each test document,
// changed at random a few hundred times, reads into a sound document, with a
// message whenever something was wrong, and saves into a file that reads back.
#include <gtest/gtest.h>

#include <random>
#include <string>

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

}  // namespace

TEST(Mutations, DamagedDocumentsReadIntoSoundDocumentsWithAMessage) {
    std::mt19937 alea(20261206u);
    testfiles::Dossier d;
    for (const char* nom : {"full.cse", "old102.cse", "noheader.cse", "utf8.cse"}) {
        const std::string original = testfiles::LitOctets(std::string(CORVANE_TEST_DATA) + "/" + nom);
        ASSERT_FALSE(original.empty());
        for (int k = 0; k < 150; ++k) {
            std::string t = original;
            for (int m = 0; m <= static_cast<int>(alea() % 3); ++m) Mute(t, alea);
            testfiles::EcritOctets(d / "m.cse", t);
            RecordingScope r;
            Document doc;
            const GestFich::TResultatLecture res = GestFich::OuvrirFichier(doc, d / "m.cse");
            SCOPED_TRACE(std::string(nom) + " case " + std::to_string(k));
            ASSERT_TRUE(res.Charge);
            ASSERT_LE(doc.NbSurf(), kMaxSurfaces);
            for (int s = 0; s < doc.NbSurf(); ++s) {
                const TSurface* n = doc.SurfaceNurbs(s);
                EXPECT_TRUE(!n || nurbs::CheckNet(n->Net, doc.Precision).empty()) << s;
            }
            for (const TListPC& g : doc.ListSoudures)
                for (const TPC& pc : g) EXPECT_TRUE(doc.SurfaceNurbs(pc.Surf) != nullptr);
            if (!res.Complet || res.Erreurs > 0) {
                EXPECT_FALSE(r.rec.messages.empty());
            }
            EXPECT_EQ(res.Complet, !doc.NomFichier.empty());

            testfiles::EcritOctets(d / "c.cse", DocWriter::OctetsDocument(doc, DocWriter::ToutesLesSurfaces(doc)));
            Document relu;
            const GestFich::TResultatLecture res2 = GestFich::OuvrirFichier(relu, d / "c.cse");
            EXPECT_TRUE(res2.Complet);
            EXPECT_EQ(relu.NbSurf(), doc.NbSurf());
            if (::testing::Test::HasFailure()) FAIL() << t;
        }
    }
}
