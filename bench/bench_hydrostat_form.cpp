// The hydrostatics window's "Calculer" on the ten-surface hull of the drawing
// benchmarks (precision 50) with 201 stations: the run, the grid and the
// sectional-area curve filled.
#include <QLineEdit>
#include <QLineSeries>

#include "bench/BenchCoque.h"
#include "calc/gui/GrilleResultats.h"
#include "calc/gui/HydrostatForm.h"

static void BM_HydrostatFormCalculer(benchmark::State& state) {
    Document doc;
    bench::Coque(doc);
    THydrostatForm f(doc);
    f.Prepare();
    f.EditPrecision->setText(QStringLiteral("201"));
    for (auto _ : state) {
        f.BtnCalculerClick();
        benchmark::DoNotOptimize(f.SerieAires->count());
    }
    state.counters["stations"] = f.Resultats().Stations.Count();
    state.counters["rows"] = f.SGResult->rowCount();
    state.counters["volume"] = f.Resultats().Volume;
}
BENCHMARK(BM_HydrostatFormCalculer)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return bench::RunWithQApplication(argc, argv); }
