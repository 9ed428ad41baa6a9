// The commands of the main window that open the program's other windows:
// each window's entry point, connected by the name of its menu item.
#include "app/gui/MainForm.h"
#include "export/gui/ExportForm.h"
#include "export/gui/ImprForm.h"

void TMainForm::BrancheFenetres() {
    // ---- Options, document properties, about box, calculator, colour picker, debug window

    // ---- Grid, view control and tool palette, net selection, background pictures

    // ---- Surface transformations, properties, surface list, new surface

    // ---- Control-point editor and list, move and rotate, thickness, dimensions, precision

    // ---- Hydrostatics and stability

    // ---- Weights, marks and flooding points, tables, development, negative volumes

    // ---- Studio

    // ---- Export
    // One export dialog for the three types, created on first use.
    auto exporte = [this](const char* type) {
        auto* f = findChild<TExportForm*>(QStringLiteral("ExportForm"));
        if (!f) f = new TExportForm(this);
        f->Execute(QLatin1String(type));
    };
    Branche("MeExportTXT", [exporte] { exporte("TXT"); });
    Branche("MeExportDXF", [exporte] { exporte("DXF"); });
    Branche("MeExportIGES", [exporte] { exporte("IGES"); });

    // ---- Printing
    // One print set-up, created on first use; it keeps the printer chosen.
    auto impression = [this] {
        auto* f = findChild<TImprForm*>(QStringLiteral("ImprForm"));
        return f ? f : new TImprForm(this);
    };
    Branche("MeImprimer", [impression] { impression()->exec(); });
    Branche("MeConfigurationImpression", [impression] { impression()->BtnConfigClick(); });
}
