// The commands of the main window that open the program's other windows:
// each window's entry point, connected by the name of its menu item.
#include "app/gui/MainForm.h"

#include "views/gui/Affiche.h"
#include "views/gui/GrilleForm.h"
#include "views/gui/Vues.h"

void TMainForm::BrancheFenetres() {
    // ---- Options, document properties, about box, calculator, colour picker, debug window

    // ---- Grid, view control and tool palette, net selection, background pictures
    Branche("MeEspacementGrille", [this] {
        auto* g = findChild<TGrilleForm*>(QStringLiteral("GrilleForm"), Qt::FindDirectChildrenOnly);
        if (!g) {
            g = new TGrilleForm(Doc(), this);
            g->Applique = [this] {
                if (TFormFille* v = Vues::FenetreActive(NumVueActive())) Affiche::AfficheNet(v);
            };
        }
        g->Portee = Action(QStringLiteral("MePorteeCalculs"))->isEnabled()
                        ? std::function<void()>([this] { Action(QStringLiteral("MePorteeCalculs"))->trigger(); })
                        : std::function<void()>();
        g->Charge();
        g->exec();
    });

    // ---- Surface transformations, properties, surface list, new surface

    // ---- Control-point editor and list, move and rotate, thickness, dimensions, precision

    // ---- Hydrostatics and stability

    // ---- Weights, marks and flooding points, tables, development, negative volumes

    // ---- Studio

    // ---- Export

    // ---- Printing
}
