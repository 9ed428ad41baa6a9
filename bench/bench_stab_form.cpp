// The stability window's run on the hull and loading of bench_stab (four
// surfaces of 51 x 51 points, heel 0 to 180 by 0.1: 1801 steps, trim
// correction), the window's event loop running as it does for a user: the
// engine on the worker thread, steps and progress through queued signals,
// curves, grids and synthesis filled. Reported with it: the same run on the
// engine alone (and the ratio of the two), the paints of the page watched
// (the drawing or the curve) per second, and the longest time the event
// loop went without turning. Then the time from "Abandon" (or "Fermer") to the end of a run.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "bench/BenchCoque.h"
#include "calc/gui/GrilleResultats.h"
#include "calc/gui/StabForm.h"
#include "tests/support/CareneFixtures.h"

namespace {

constexpr int kEtapes = 1801;

// The hull, loaded to float at its lines with G a little forward of B.
void Coque(Document& doc) {
    doc.FormeAffichee = true;
    fixtures::CoqueQuatreSurfaces(doc, 50);
    Stab::TStabCalc c;
    c.Init(doc, 1.026);
    const TVertex3f b = c.BInitial();
    doc.ListPoids.push_back({"charge", c.DeplacementInitial(), 0.0, b.Y + 0.3, 0.25, -1});
}

Stab::TConditionsStab Conditions() {
    Stab::TConditionsStab c;
    c.Pas = 0.1;
    c.CorrectionAssiette = true;
    return c;
}

// Counts the paints of a widget.
struct Peintures : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++n;
        return false;
    }
};

// The window set for the run.
struct Fenetre {
    Document doc;
    std::unique_ptr<TStabForm> f;
    Fenetre() {
        Coque(doc);
        f = std::make_unique<TStabForm>(doc);
        f->show();
        f->CBAssiette->setChecked(true);
        f->EditPas->setText(QStringLiteral("0.1"));
    }
    // Turns the event loop until cond holds.
    template <class F>
    void Jusqua(F&& cond) {
        QEventLoop boucle;
        while (!cond()) boucle.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
};

double EngineSeul(Document& doc) {
    Stab::TStabCalc c;
    c.Init(doc, 1.026);
    QElapsedTimer t;
    t.start();
    c.Calcule(Conditions());
    return t.nsecsElapsed() / 1e6;
}

}  // namespace

static void BM_StabFormWithTrim(benchmark::State& state) {
    Fenetre w;
    // The page the user watches: the drawing, or the curve.
    if (state.range(0) != 0) w.f->PageControl->setCurrentIndex(1);
    Peintures dessin;
    (state.range(0) != 0 ? w.f->ChartGZ->viewport() : w.f->PaintBox)->installEventFilter(&dessin);
    // The event loop's turns: a timer due every 5 ms, the longest gap kept.
    QElapsedTimer horloge;
    qint64 dernier = 0, ecartMax = 0;
    QTimer tour;
    tour.setTimerType(Qt::PreciseTimer);
    tour.setInterval(5);
    QObject::connect(&tour, &QTimer::timeout, [&] {
        const qint64 t = horloge.nsecsElapsed();
        ecartMax = std::max(ecartMax, t - dernier);
        dernier = t;
    });
    double total = 0.0, engine = 0.0;
    int runs = 0;
    for (auto _ : state) {
        // The engine alone, run by run, so that both see the same load.
        state.PauseTiming();
        engine += EngineSeul(w.doc);
        state.ResumeTiming();
        QElapsedTimer t;
        t.start();
        horloge.start();
        dernier = 0;
        tour.start();
        if (!w.f->BtnCalculerClick()) state.SkipWithError("refused");
        w.Jusqua([&] { return !w.f->EnCours(); });
        tour.stop();
        total += t.nsecsElapsed() / 1e6;
        ++runs;
        if (w.f->Etapes().Count() != kEtapes || w.f->GrilleMesures->rowCount() != kEtapes)
            state.SkipWithError("run failed");
    }
    state.counters["engine_ms"] = engine / runs;
    state.counters["window_vs_engine"] = total / engine;
    state.counters["paints_per_s"] = dessin.n / (total / 1000.0);
    state.counters["longest_event_loop_gap_ms"] = ecartMax / 1e6;
}
BENCHMARK(BM_StabFormWithTrim)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("curve_page")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// A stop once the window shows a few steps: the time from the click to the
// window showing "Calculer" again, the worker joined ("Abandon": the event
// loop turning meanwhile; "Fermer": the window waits for the run).
static void BM_StabFormStop(benchmark::State& state) {
    const bool fermer = state.range(0) != 0;
    Fenetre w;
    int etapes = 0;
    for (auto _ : state) {
        w.f->show();
        if (!w.f->BtnCalculerClick()) state.SkipWithError("refused");
        w.Jusqua([&] { return w.f->Etapes().Count() >= 20; });
        QElapsedTimer t;
        t.start();
        if (fermer) {
            w.f->BtnFermer->click();
        } else {
            w.f->BtnStop->click();
            w.Jusqua([&] { return !w.f->EnCours(); });
        }
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
        etapes = w.f->Etapes().Count();
        if (w.f->EnCours() || etapes >= kEtapes) state.SkipWithError("not stopped");
    }
    state.counters["steps_done"] = etapes;
}
BENCHMARK(BM_StabFormStop)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("close")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

int main(int argc, char** argv) { return bench::RunWithQApplication(argc, argv); }
