// The commands of the main window that open the program's other windows:
// each window's entry point, connected by the name of its menu item.
#include "app/gui/MainForm.h"
#include "studio/gui/StudioMain.h"

void TMainForm::BrancheFenetres() {
    // ---- Options, document properties, about box, calculator, colour picker, debug window

    // ---- Grid, view control and tool palette, net selection, background pictures

    // ---- Surface transformations, properties, surface list, new surface

    // ---- Control-point editor and list, move and rotate, thickness, dimensions, precision

    // ---- Hydrostatics and stability

    // ---- Weights, marks and flooding points, tables, development, negative volumes

    // ---- Studio
    Branche("MeStudioFen", [this] { StudioMain::Montre(*this); });
    Branche("MeCopier", [this] { StudioMain::Copie(*this); });

    // ---- Export

    // ---- Printing
}
