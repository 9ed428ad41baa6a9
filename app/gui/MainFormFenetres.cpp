// The commands of the main window that open the program's other windows:
// each window's entry point, connected by the name of its menu item.
#include "app/gui/MainForm.h"
#include "calc/gui/HydrostatForm.h"
#include "calc/gui/StabForm.h"

void TMainForm::BrancheFenetres() {
    // ---- Options, document properties, about box, calculator, colour picker, debug window

    // ---- Grid, view control and tool palette, net selection, background pictures

    // ---- Surface transformations, properties, surface list, new surface

    // ---- Control-point editor and list, move and rotate, thickness, dimensions, precision

    // ---- Hydrostatics and stability
    Branche("MeCalcHydroStat", [this] {
        // One window kept for the session: its results stay until the next run.
        auto* f = findChild<THydrostatForm*>();
        if (!f) f = new THydrostatForm(doc_, this);
        f->Execute();
    });
    Branche("MeStabilite", [this] {
        auto* f = findChild<TStabForm*>();
        if (!f) f = new TStabForm(doc_, this);
        f->exec();
        Redessine(true);
    });

    // ---- Weights, marks and flooding points, tables, development, negative volumes

    // ---- Studio

    // ---- Export

    // ---- Printing
}
