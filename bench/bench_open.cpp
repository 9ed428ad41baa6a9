// Opening a large document: 100 NURBS surfaces of 31 x 31 control points at
// precision 20, with a grid of stations, waterlines, longitudinals and
// diagonals all shown. Measured apart: the reading alone (the target is
// under 100 ms), the whole opening (reading, evaluation, cuts), and saving.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>

#include "app/doc/DocWriter.h"
#include "app/doc/GestFich.h"
#include "model/Document.h"

namespace {

// 100 hull-like surfaces, each a little further aft, written once into a
// scratch folder that goes at exit.
struct FichierBench {
    std::string dossier, chemin;
    FichierBench() {
        Document doc;
        doc.Precision = 20;
        TDefGrille& g = doc.DefGrille;
        g.NbSec = 11;
        g.NbLE = 7;
        g.NbLongit = 9;
        g.NbDiag = 5;
        for (int i = 1; i <= 11; ++i) g.Sec.Val[i] = (i - 1) * 1.0;
        for (int i = 1; i <= 7; ++i) g.LE.Val[i] = -0.9 + (i - 1) * 0.3;
        for (int i = 1; i <= 9; ++i) g.Longit.Val[i] = (i - 1) * 0.2;
        for (int i = 1; i <= 5; ++i) {
            g.DiagPos.Val[i] = -0.5 + (i - 1) * 0.25;
            g.DiagAngle.Val[i] = 30.0 + 10.0 * i;
        }
        for (int k = 0; k < kMaxSurfaces; ++k) {
            TSurface* s = doc.NouvelleSurface("Surface" + std::to_string(k + 1));
            s->Net.NbL = s->Net.NbC = kMaxNetSize;
            s->Net.LFlex = s->Net.CFlex = 4;
            for (int i = 0; i < kMaxNetSize; ++i)
                for (int j = 0; j < kMaxNetSize; ++j) {
                    const double u = i / 30.0, v = j / 30.0;
                    const double x = 1.5 * std::sin(std::numbers::pi * v) * (1.0 - (1.0 - u) * (1.0 - u));
                    s->Net.TabPC[i][j] = {x, 10.0 * v + 0.01 * k, -1.0 + 2.0 * u + 0.001 * k, 1.0 + 0.1 * u};
                }
        }
        std::string modele = (std::filesystem::temp_directory_path() / "corvane-bench-XXXXXX").string();
        dossier = ::mkdtemp(modele.data());
        chemin = dossier + "/cent.cse";
        DocWriter::EcritDocument(doc, DocWriter::ToutesLesSurfaces(doc), chemin);
    }
    ~FichierBench() {
        std::error_code ec;
        std::filesystem::remove_all(dossier, ec);
    }
};

const std::string& Fichier() {
    static const FichierBench f;
    return f.chemin;
}

void Ouvre(benchmark::State& state, bool evalue) {
    const std::string& f = Fichier();
    for (auto _ : state) {
        Document doc;
        doc.FormeAffichee = evalue;  // drawing off: nothing is evaluated
        doc.Aff.MeSections = doc.Aff.MeLignesdEau = doc.Aff.MeLongitudinales = doc.Aff.MeDiagonales = evalue;
        const GestFich::TResultatLecture r = GestFich::OuvrirFichier(doc, f);
        if (!r.Complet || doc.NbSurf() != kMaxSurfaces) state.SkipWithError("document not read whole");
        benchmark::DoNotOptimize(doc.Surfaces.data());
    }
    state.counters["octets"] = static_cast<double>(std::filesystem::file_size(f));
}

void BM_LectureSeule(benchmark::State& state) { Ouvre(state, false); }
void BM_OuvertureComplete(benchmark::State& state) { Ouvre(state, true); }

void BM_Enregistrement(benchmark::State& state) {
    Document doc;
    doc.FormeAffichee = false;
    GestFich::OuvrirFichier(doc, Fichier());
    const std::string copie = Fichier() + ".copie";
    for (auto _ : state) DocWriter::EcritDocument(doc, DocWriter::ToutesLesSurfaces(doc), copie);
}

BENCHMARK(BM_LectureSeule)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_OuvertureComplete)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Enregistrement)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
