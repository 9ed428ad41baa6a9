// The stability window's run on the hull and loading of bench_stab (four
// surfaces of 51 x 51 points, heel 0 to 180 by 5, trim correction): the
// engine on the worker thread, steps and progress through queued signals,
// curves, grids and synthesis filled; and, for reference in the same
// program, the engine alone on the same hull.
#include <QCheckBox>
#include <QLineEdit>
#include <QThread>

#include "bench/BenchCoque.h"
#include "calc/gui/StabForm.h"
#include "tests/support/CareneFixtures.h"

namespace {

// The hull, loaded to float at its lines with G a little forward of B.
void Coque(Document& doc) {
    doc.FormeAffichee = true;
    fixtures::CoqueQuatreSurfaces(doc, 50);
    Stab::TStabCalc c;
    c.Init(doc, 1.026);
    const TVertex3f b = c.BInitial();
    doc.ListPoids.push_back({"charge", c.DeplacementInitial(), 0.0, b.Y + 0.3, 0.25, -1});
}

}  // namespace

static void BM_StabFormWithTrim(benchmark::State& state) {
    Document doc;
    Coque(doc);
    TStabForm f(doc);
    f.show();
    f.CBAssiette->setChecked(true);
    for (auto _ : state) {
        if (!f.BtnCalculerClick()) state.SkipWithError("refused");
        f.AttendFin();
        if (f.Etapes().Count() != 37) state.SkipWithError("run failed");
    }
}
BENCHMARK(BM_StabFormWithTrim)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_StabEngineWithTrim(benchmark::State& state) {
    Document doc;
    Coque(doc);
    Stab::TStabCalc c;
    c.Init(doc, 1.026);
    Stab::TConditionsStab cond;
    cond.CorrectionAssiette = true;
    for (auto _ : state)
        if (!c.Calcule(cond) || c.Resultats().Count() != 37) state.SkipWithError("run failed");
}
BENCHMARK(BM_StabEngineWithTrim)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Abandon" during a long run (0 to 180 by 1, trim correction, fine
// tolerance): the time from the stop flag to the window showing "Calculer"
// again, the worker joined.
static void BM_StabFormStop(benchmark::State& state) {
    Document doc;
    Coque(doc);
    TStabForm f(doc);
    f.show();
    f.CBAssiette->setChecked(true);
    f.EditPas->setText(QStringLiteral("1"));
    f.EditToleranceEnf->setText(QStringLiteral("0.0001"));
    for (auto _ : state) {
        state.PauseTiming();
        f.BtnCalculerClick();
        QThread::msleep(50);
        state.ResumeTiming();
        f.BtnStopClick();
        f.AttendFin();
    }
}
BENCHMARK(BM_StabFormStop)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) { return bench::RunWithQApplication(argc, argv); }
