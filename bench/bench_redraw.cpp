// One full redraw of a 1280 x 1024 view of a hull of ten surfaces evaluated
// at precision 50, with its stations, waterlines, borders, control nets and
// control-point markers, into the view's picture in memory (QPainter on a
// QImage). Run: build/bench_redraw (offscreen, no display needed).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <string>

#include "bench/BenchCoque.h"
#include "model/Update.h"
#include "views/gui/Vues.h"

namespace {

using bench::Coque;
using bench::Hote;

void Redraw(benchmark::State& state, int kind, bool mesh) {
    Hote h;
    Coque(h.doc);
    h.doc.Aff.MeSurfaceParam = mesh;
    auto vues = Vues::CreeVues(&h);
    TFormFille* v = vues[static_cast<std::size_t>(kind)];
    v->resize(1280, 1024);
    ObjCom::AjusteRectangle(h.doc, 1, 1280, 1024, v->Vue());
    v->Redessine();
    // BENCH_REDRAW_PNG=folder keeps one picture of each case to look at.
    if (const char* dir = std::getenv("BENCH_REDRAW_PNG"))
        v->Image().save(QString::fromUtf8(dir) + "/" + QString::number(kind) + (mesh ? "m" : "") + ".png");
    for (auto _ : state) {
        v->Redessine();
        benchmark::DoNotOptimize(v->Image().constBits());
    }
    state.counters["surfaces"] = h.doc.NbSurf();
    for (TFormFille* w : vues) delete w;
}

void BM_RedrawProfile(benchmark::State& s) { Redraw(s, vkProfile, false); }
void BM_RedrawSection(benchmark::State& s) { Redraw(s, vkSection, false); }
void BM_RedrawPerspective(benchmark::State& s) { Redraw(s, vkPerspective, false); }
void BM_RedrawPerspectiveWithMeshes(benchmark::State& s) { Redraw(s, vkPerspective, true); }

BENCHMARK(BM_RedrawProfile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawSection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawPerspective)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawPerspectiveWithMeshes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunWithQApplication(argc, argv); }
