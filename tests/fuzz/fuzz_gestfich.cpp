// Fuzzing the document reader: any bytes read as a "*.cse" file give a sound
// document without crash, hang or leak; the document read holds no value the
// writer refuses (nothing infinite or NaN), and saves into a file that reads
// back whole and saves again to the same bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/doc/DocWriter.h"
#include "app/doc/GestFich.h"
#include "model/Document.h"
#include "model/Nurbs.h"
#include "tests/support/TestFiles.h"

namespace {

// A scratch folder for the whole run, removed at exit; in memory when the
// system offers it: the files are rewritten at every run.
const std::string& Dossier() {
    static const testfiles::Dossier d(::access("/dev/shm", W_OK) == 0 ? std::filesystem::path("/dev/shm")
                                                                      : std::filesystem::temp_directory_path());
    return d.chemin();
}

[[noreturn]] void Echec(const char* quoi) {
    std::fprintf(stderr, "fuzz_gestfich: %s\n", quoi);
    std::abort();
}

void VerifieSain(const Document& doc) {
    if (doc.NbSurf() > kMaxSurfaces) Echec("too many surfaces");
    for (int k = 0; k < doc.NbSurf(); ++k) {
        const TEntity* s = doc.Surface(k);
        if (const TSurface* n = doc.SurfaceNurbs(k)) {
            // An empty net (no row or no column) is read as such.
            const bool vide = (n->Net.NbL == 0) != (n->Net.NbC == 0);
            if (!vide && !nurbs::CheckNet(n->Net, doc.Precision).empty()) Echec("a net the evaluation refuses");
        } else if (s->Points.rows() < 1 || s->Points.cols() < 1 || s->Points.rows() > GestFich::kMaxCoteMaillage ||
                   s->Points.cols() > GestFich::kMaxCoteMaillage) {
            Echec("a point grid out of bounds");
        }
    }
    for (const TListPC& g : doc.ListSoudures)
        for (const TPC& pc : g) {
            const TSurface* n = doc.SurfaceNurbs(pc.Surf);
            if (!n || pc.I < 0 || pc.J < 0 || pc.I >= n->Net.NbL || pc.J >= n->Net.NbC) Echec("a weld on no point");
        }
    for (const TPoids& p : doc.ListPoids)
        if (p.Surf < -1 || p.Surf >= doc.NbSurf()) Echec("a weight on no surface");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string entree = Dossier() + "/entree.cse", copie = Dossier() + "/copie.cse";
    testfiles::EcritOctets(entree, std::string(reinterpret_cast<const char*>(data), size));
    Document doc;
    const GestFich::TResultatLecture r = GestFich::OuvrirFichier(doc, entree);
    if (!r.Charge) Echec("an existing file was not loaded");
    VerifieSain(doc);

    const DocWriter::TOptionsEcriture options{"01/01/2000"};
    std::string octets;
    try {
        octets = DocWriter::OctetsDocument(doc, DocWriter::ToutesLesSurfaces(doc), options);
    } catch (const DocWriter::TValeurNonFinie& e) {
        std::fprintf(stderr, "%s\n", e.what());
        Echec("a document read holds a value the writer refuses");
    }
    testfiles::EcritOctets(copie, octets);
    Document relu;
    const GestFich::TResultatLecture r2 = GestFich::OuvrirFichier(relu, copie);
    if (!r2.Complet || r2.Erreurs != 0) Echec("a saved document does not read back whole");
    if (DocWriter::OctetsDocument(relu, DocWriter::ToutesLesSurfaces(relu), options) != octets)
        Echec("a saved document reads back different");
    return 0;
}
