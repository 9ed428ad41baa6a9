// Evaluation of a 31 x 31 net of orders 4 x 4 at precision 200.
#include <benchmark/benchmark.h>

#include <cmath>

#include "base/Debug.h"
#include "model/Nurbs.h"

namespace {
SNURBS Net31() {
    TNet net;
    net.NbL = net.NbC = 31;
    for (int i = 0; i < 31; ++i)
        for (int j = 0; j < 31; ++j)
            net.TabPC[i][j] = {std::sin(i * 0.1) * 2 + j * 0.01, j * 0.3, std::cos(i * 0.1) * 2 + 0.1 * std::sin(j * 0.4),
                               1.0 + 0.1 * ((i + j) % 3)};
    SNURBS r;
    nurbs::NetToSNurbs(net, r);
    return r;
}
}  // namespace

static void BM_EvalWithNormals(benchmark::State& state) {
    SNURBS r = Net31();
    TArrayVertex3f pts, nrm;
    for (auto _ : state) {
        nurbs::EvalWholeSurface(r, 200, 200, nrm, pts, 1.0, false);
        Spline::Denormalise(pts, nrm);
        benchmark::DoNotOptimize(pts[100][100]);
    }
}
BENCHMARK(BM_EvalWithNormals)->Unit(benchmark::kMillisecond);

static void BM_EvalWithCurvature(benchmark::State& state) {
    SNURBS r = Net31();
    TArrayVertex3f pts, nrm;
    TArrayDouble k;
    for (auto _ : state) {
        nurbs::EvalGaussWholeSurface(r, 200, 200, k, nrm, pts, 1.0, false);
        Spline::Denormalise(pts, nrm);
        benchmark::DoNotOptimize(k[100][100]);
    }
}
BENCHMARK(BM_EvalWithCurvature)->Unit(benchmark::kMillisecond);

// What one traced routine pays for entering and leaving the trace.
static void BM_TraceScope(benchmark::State& state) {
    for (auto _ : state) {
        DBG_SCOPE("Bench.TraceScope");
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TraceScope);

BENCHMARK_MAIN();
