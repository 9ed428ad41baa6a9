// Damaged documents, beside the fuzzer (which saves and reads back what it
// read): every single-byte damage of each test document (each byte replaced,
// each byte deleted) and the document cut after each of its lines reads into
// a sound document, with a message whenever something was wrong. In today's
// format, a reading that lost a surface, a point, a dimension, a weight, a
// weld, a mark or a flooding point is neither titled nor silent.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/RecordingUi.h"
#include "tests/support/TestFiles.h"
#include "app/doc/GestFich.h"
#include "model/Document.h"
#include "model/Nurbs.h"

namespace {

// Every single-byte damage (a digit becomes the next one, any other byte
// "#"; or the byte is deleted), and the file cut at the end of each line
// (between two sections too: today's writer writes every section, so only an
// older file cut there is a shorter document, whole).
std::vector<std::string> Dommages(const std::string& t) {
    std::vector<std::string> r;
    for (std::size_t p = 0; p < t.size(); ++p) {
        std::string d = t;
        d[p] = t[p] >= '0' && t[p] <= '9' ? static_cast<char>('0' + (t[p] - '0' + 1) % 10) : '#';
        r.push_back(std::move(d));
        r.push_back(std::string(t).erase(p, 1));
        if (t[p] == '\n' && p + 1 < t.size()) r.push_back(t.substr(0, p + 1));
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
    // In memory when the system offers it: a file rewritten thousands of times.
    const testfiles::Dossier d(::access("/dev/shm", W_OK) == 0 ? std::filesystem::path("/dev/shm")
                                                               : std::filesystem::temp_directory_path());
    const std::vector<std::pair<std::string, bool>> documents = {  // in today's format or not
        {"full.cse", true}, {"old102.cse", false}, {"noheader.cse", false}, {"utf8.cse", true}};
    for (const auto& [nom, actuel] : documents) {
        const std::string original = testfiles::LitOctets(std::string(CORVANE_TEST_DATA) + "/" + nom);
        ASSERT_FALSE(original.empty());
        std::array<std::size_t, 7> attendu{};
        std::vector<std::string> textes = Dommages(original);
        textes.insert(textes.begin(), original);  // first the document whole, to know what it holds
        for (std::size_t k = 0; k < textes.size(); ++k) {
            const std::string& t = textes[k];
            SCOPED_TRACE(nom + " case " + std::to_string(k));
            testfiles::EcritOctets(d / "m.cse", t);
            RecordingScope r;
            Document doc;
            doc.FormeAffichee = false;  // read, not drawn: thousands of readings
            const GestFich::TResultatLecture res = GestFich::OuvrirFichier(doc, d / "m.cse");
            if (k == 0) {
                ASSERT_TRUE(res.Complet);
                attendu = Contenu(doc);
            }
            ASSERT_TRUE(res.Charge);
            ASSERT_LE(doc.NbSurf(), kMaxSurfaces);
            for (int s = 0; s < doc.NbSurf(); ++s) {
                const TSurface* n = doc.SurfaceNurbs(s);
                const bool vide = n && (n->Net.NbL == 0) != (n->Net.NbC == 0);  // read as an empty net
                EXPECT_TRUE(!n || vide || nurbs::CheckNet(n->Net, doc.Precision).empty()) << s;
            }
            for (const TListPC& g : doc.ListSoudures)
                for (const TPC& pc : g) EXPECT_TRUE(doc.SurfaceNurbs(pc.Surf) != nullptr);
            EXPECT_TRUE((res.Complet && res.Erreurs == 0) || !r.rec.messages.empty());
            EXPECT_EQ(res.Complet, !doc.NomFichier.empty());
            EXPECT_TRUE(!actuel || Contenu(doc) == attendu || (!res.Complet && !r.rec.messages.empty()));
            if (::testing::Test::HasFailure()) FAIL() << t;
        }
    }
}
