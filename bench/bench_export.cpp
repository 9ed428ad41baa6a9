// The three exports of a large model: 100 surfaces of 31 x 31 points at
// precision 20, every family of cut lines, the evaluated mesh, the grid and
// the axes. Each measure builds the file in memory and writes it once.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <string>

#include "export/ExportDXF.h"
#include "export/ExportIGES.h"
#include "export/ExportTXT.h"
#include "model/Document.h"
#include "model/Draw.h"

namespace {

TOptionsExport Options() {
    TOptionsExport o;
    o.Aretes = o.Couples = o.LignesE = o.Longits = o.Diags = o.SurfParam = o.Grille = o.Axes = true;
    o.Nurbs = o.Couleur = true;
    return o;
}

Document& Modele() {
    static Document doc = [] {
        Document d;
        d.Precision = 20;
        for (int k = 0; k < 100; ++k) {
            TSurface* s = d.NouvelleSurface("Surface" + std::to_string(k + 1));
            s->Net.NbL = s->Net.NbC = 31;
            s->Net.LFlex = s->Net.CFlex = 4;
            for (int i = 0; i < 31; ++i)
                for (int j = 0; j < 31; ++j) {
                    const double a = i * M_PI / 60.0;
                    s->Net.TabPC[i][j] = {(1.5 + 0.01 * k) * std::sin(a), 0.2 * j + 0.05 * k, -std::cos(a) + 0.02 * k,
                                          1.0 + 0.1 * ((i + j) % 3)};
                }
        }
        Grille::GrilleParDefaut(d);
        ExportCommun::PrepareModele(d, Options());
        return d;
    }();
    return doc;
}

}  // namespace

static std::string Fichier(const char* ext) { return "/tmp/corvane-bench-export-" + std::to_string(::getpid()) + ext; }

static void BM_ExportTXT(benchmark::State& state) {
    const Document& doc = Modele();
    TViewRecord vue;
    vue.Kind = vk3D;
    const std::string f = Fichier(".txt");
    for (auto _ : state) ExportTXT::EcrireFichierTXT(f, doc, Options(), vue, {});
    ::unlink(f.c_str());
}
BENCHMARK(BM_ExportTXT)->Unit(benchmark::kMillisecond);

static void BM_ExportDXF(benchmark::State& state) {
    const Document& doc = Modele();
    TViewRecord vue;
    vue.Kind = vk3D;
    const std::string f = Fichier(".dxf");
    for (auto _ : state) ExportDXF::EcrireFichierDXF(f, doc, Options(), vue);
    ::unlink(f.c_str());
}
BENCHMARK(BM_ExportDXF)->Unit(benchmark::kMillisecond);

static void BM_ExportIGES(benchmark::State& state) {
    const Document& doc = Modele();
    const std::string f = Fichier(".igs");
    for (auto _ : state) ExportIGES::EcrireFichierIGES(f, doc, Options());
    ::unlink(f.c_str());
}
BENCHMARK(BM_ExportIGES)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
