// One mouse-move event of a control-point drag in the plan view, through
// the view's own event handler: ten surfaces evaluated at precision 50 with
// their stations and waterlines, the dragged point welded to a point of a
// second surface, "SplineTR" on (both surfaces and their cuts evaluated
// again at each move) and "MultiFen" on (the four 1280 x 1024 views drawn
// again). Run: build/bench_drag (offscreen, no display needed).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <map>
#include <string>

#include "bench/BenchCoque.h"
#include "model/Update.h"
#include "views/gui/Affiche.h"
#include "views/gui/MouseCommandes.h"
#include "views/gui/Vues.h"

namespace {

using bench::Coque;
using bench::Hote;

void Mouvement(QWidget* w, QPoint p, Qt::MouseButtons boutons) {
    QMouseEvent e(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton, boutons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Bouton(QWidget* w, QEvent::Type t, QPoint p) {
    QMouseEvent e(t, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::LeftButton,
                  t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void BM_DragMultiFenSplineTR(benchmark::State& state) {
    Hote h;
    Coque(h.doc);
    // Point [1][1] of the first hull welded to [1][1] of the second.
    TListPC groupe;
    groupe.Add({0, 1, 1});
    groupe.Add({1, 1, 1});
    h.doc.AjouteSoudure(groupe);
    h.doc.Options.SplineTR = true;
    h.doc.Options.MultiFen = true;

    auto vues = Vues::CreeVues(&h);
    for (TFormFille* v : vues) {
        v->resize(1280, 1024);
        ObjCom::AjusteRectangle(h.doc, 1, 1280, 1024, v->Vue());
    }
    // The tool items the gestures read, none ticked.
    QObject proprietaire;
    std::map<QString, QAction*> items;
    for (int k = 0; k < Gestes::kNbItems; ++k) {
        auto* a = new QAction(&proprietaire);
        a->setCheckable(true);
        items[QString::fromLatin1(Gestes::NomItem(static_cast<Gestes::TItem>(k)))] = a;
    }
    TFormFille* plan = vues[vkPlan];
    MouseCommandes::Branche(
        [&](const QString& n) {
            auto it = items.find(n);
            return it == items.end() ? nullptr : it->second;
        },
        [plan] { return plan; });
    Affiche::AfficheNetTout();

    const TCellPC& c = plan->TabCoor().At(0, 1, 1);
    const QPoint p0(c.X, c.Y);
    Bouton(plan, QEvent::MouseButtonPress, p0);
    // The welded partner follows, and both surfaces are evaluated again at once.
    const double y1 = h.doc.SurfaceNurbs(1)->Net.TabPC[1][1].Y;
    const TVertex3f avant = h.doc.Surfaces[1]->Points[10][10];
    Mouvement(plan, p0 + QPoint(3, 0), Qt::LeftButton);
    if (h.doc.SurfaceNurbs(1)->Net.TabPC[1][1].Y == y1 || !h.doc.Surfaces[1]->Calculee ||
        h.doc.Surfaces[1]->Points[10][10] == avant)
        state.SkipWithError("the drag did not move and evaluate the welded surface");
    int pas = 1;
    for (auto _ : state) {
        // Back and forth by 3 pixels: the point stays on the hull.
        const QPoint p = p0 + QPoint((pas++ % 2) ? 0 : 3, 0);
        Mouvement(plan, p, Qt::LeftButton);
        benchmark::DoNotOptimize(plan->Image().constBits());
    }
    Bouton(plan, QEvent::MouseButtonRelease, p0);
    state.counters["surfaces"] = h.doc.NbSurf();
    MouseCommandes::Debranche();
    for (TFormFille* w : vues) delete w;
}

BENCHMARK(BM_DragMultiFenSplineTR)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunWithQApplication(argc, argv); }
