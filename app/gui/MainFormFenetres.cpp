// The commands of the main window that open the program's other windows:
// each window's entry point, connected by the name of its menu item.
#include "app/gui/MainForm.h"

#include "app/gui/CalculatForm.h"
#include "app/gui/OptionForm.h"
#include "app/gui/PropFichForm.h"
#include "app/gui/SplashForm.h"
#include "app/gui/Traduction.h"
#include "model/gui/DebugForm.h"

void TMainForm::BrancheFenetres() {
    // ---- Options, document properties, about box, calculator, colour picker, debug window
    Branche("MeOptions", [] {
        if (TOptionForm* o = OptionForm()) o->Execute();
    });
    Branche("MeProprietesFichier", [this] {
        if (TPropFichForm* p = PropFichForm(); p && p->Execute(doc_.PropFich, doc_.NomFichier)) MarquerModifie();
    });
    Branche("MeAPropos", [this] { Splash::APropos(this); });
    Branche("MeDebug", [] {
        if (TDebugForm* d = DebugForm()) {
            d->show();
            d->raise();
        }
    });
    // Writes the template and does nothing else; a failure goes to the
    // exception handler.
    Branche("MeTraduction", [this] { Traduction::EnregistrerTextes(this); });
    Branche("MeCalculatrice", [] {
        if (TCalculatForm* c = CalculatForm()) {
            c->show();
            c->raise();
            c->activateWindow();
        }
    });

    // ---- Grid, view control and tool palette, net selection, background pictures

    // ---- Surface transformations, properties, surface list, new surface

    // ---- Control-point editor and list, move and rotate, thickness, dimensions, precision

    // ---- Hydrostatics and stability

    // ---- Weights, marks and flooding points, tables, development, negative volumes

    // ---- Studio

    // ---- Export

    // ---- Printing
}
