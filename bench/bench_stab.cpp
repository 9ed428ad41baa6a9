// A whole stability run on a symmetric hull of four surfaces of 51 x 51
// points (precision 50): heel 0 to 180 degrees by 5 (37 steps), sinkage
// tolerance 1 %, without and with the trim correction.
#include <benchmark/benchmark.h>

#include "calc/Stab.h"
#include "model/Document.h"
#include "tests/support/CareneFixtures.h"

namespace {

struct Hull {
    Document doc;
    Stab::TStabCalc calc;
    Hull() {
        doc.FormeAffichee = true;
        fixtures::CoqueQuatreSurfaces(doc, 50);
        calc.Init(doc, 1.026);
        // Loaded to float at its lines, G a little forward of B so that the
        // trim correction has work to do.
        const TVertex3f b = calc.BInitial();
        calc.SetChargement({0.0, b.Y + 0.3, 0.25}, calc.DeplacementInitial());
    }
};

void Run(benchmark::State& state, bool trim) {
    Hull h;
    Stab::TConditionsStab c;
    c.GiteMax = 180.0;
    c.Pas = 5.0;
    c.ToleranceEnfoncement = 1.0;
    c.CorrectionAssiette = trim;
    int iterations = 0;
    for (auto _ : state) {
        if (!h.calc.Calcule(c) || h.calc.Resultats().Count() != 37) state.SkipWithError("run failed");
        iterations = h.calc.Iterations();
        benchmark::DoNotOptimize(h.calc.Resultats().GetGZ(36));
    }
    // A step whose search does not converge is left out: all 37 are there or
    // the run is reported failed above.
    state.counters["steps"] = h.calc.Resultats().Count();
    state.counters["sinkage_iterations"] = iterations;
}

}  // namespace

static void BM_StabWithoutTrim(benchmark::State& state) { Run(state, false); }
BENCHMARK(BM_StabWithoutTrim)->Unit(benchmark::kMillisecond);

static void BM_StabWithTrim(benchmark::State& state) { Run(state, true); }
BENCHMARK(BM_StabWithTrim)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
