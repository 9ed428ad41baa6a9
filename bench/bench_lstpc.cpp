// The vertex list of 100 NURBS surfaces of 31 x 31 control points (96 100
// rows): filling it from the document, and opening the window with its first
// screen of rows painted. Run: build/bench_lstpc (offscreen, no display needed).
#include <benchmark/benchmark.h>

#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "app/gui/MainForm.h"
#include "bench/BenchCoque.h"
#include "views/gui/LstPcForm.h"

namespace {

struct Fenetre {
    QTemporaryDir config;
    std::unique_ptr<TMainForm> main;

    Fenetre() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
        main = std::make_unique<TMainForm>();
        Document& doc = main->Doc();
        doc.Fermer();
        for (int k = 0; k < kMaxSurfaces; ++k) {
            TSurface* s = doc.NouvelleSurface("Surface" + std::to_string(k + 1));
            s->Net.NbL = s->Net.NbC = kMaxNetSize;
            for (int i = 0; i < kMaxNetSize; ++i)
                for (int j = 0; j < kMaxNetSize; ++j) s->Net.TabPC[i][j] = {0.1 * i, 0.1 * j + k, 0.01 * i * j, 1.0};
        }
    }
};

void BM_ListeVertexRemplit(benchmark::State& state) {
    Fenetre f;
    TLstPcForm l(*f.main);
    l.resize(560, 480);
    l.show();
    for (auto _ : state) {
        l.Modele()->Recharge();
        benchmark::DoNotOptimize(l.Grille()->viewport()->grab());
    }
    state.counters["lignes"] = l.Modele()->rowCount();
}

void BM_ListeVertexOuvre(benchmark::State& state) {
    Fenetre f;
    for (auto _ : state) {
        TLstPcForm l(*f.main);
        l.resize(560, 480);
        l.show();
        l.Modele()->Recharge();
        benchmark::DoNotOptimize(l.grab());
    }
}

}  // namespace

BENCHMARK(BM_ListeVertexRemplit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListeVertexOuvre)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return bench::RunWithQApplication(argc, argv); }
