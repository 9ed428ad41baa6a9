// The main window's commands of the mouse tools, selection, welding,
// grouping, zoom and pan: they act on the active 2-D view. The items are
// found by their component names in the main window's menus ("MeZoom" ...);
// Branche enables and connects them once the views exist.
#pragma once

#include <QString>
#include <functional>

#include "model/Calcs.h"
#include "views/Gestes.h"
#include "views/gui/VueHote.h"

class QAction;
class TFormFille;
class TMainForm;

namespace MouseCommandes {

// Enables and connects every item these commands handle, found in the main
// window by name; the active view is the main window's.
void Branche(TMainForm& mf);
// The same for any holder of the items (tests): `action` gives an item by
// name (nullptr when there is none), `vueActive` the view the commands act on.
void Branche(std::function<QAction*(const QString&)> action, std::function<TFormFille*()> vueActive);
// Forgets the items and the active view (their holder goes away).
void Debranche();

// The view the commands act on (nullptr when there is none).
TFormFille* VueActive();

// The item of a tool or constraint (nullptr when not connected).
QAction* ActionItem(Gestes::TItem item);
bool Coche(Gestes::TItem item);
// A ticked item is turned off through its own command.
void Desarme(Gestes::TItem item);

// The views' pop-up menus and wheel: Ajuster, Centrer (the view of the menu),
// Zoom, Deplacer, ZoomPlus, ZoomMoins (the view given). True when handled.
bool CommandeDisponible(TCommandeVue c);
bool Commande(TCommandeVue c, TFormFille* vue);

// The menu commands, on the active view.
void MeZoomClick();
void MeAgrandirClick();
void MeReduireClick();
void MeVuePrecedClick();
void MeDeplacerVueClick();
void MeAjusterClick();
// What zooms the studio when it is the active window (true when it did).
void ZoomStudio(std::function<bool(bool agrandir)> f);
void MeRecentrerClick();
void MeSauverLaVueClick();
void MeVuePersonnaliseeClick();
void MeSouderPCClick();
void MeDessouderPCClick();
void MeGrouperPCClick(bool enEspace);
// Aligns the active view's selection on the line of its first two points.
void MeAlignePCClick(bool enEspace);
void MeSelectAllControlesClick();

// After undo or redo (net sizes may have changed): every view drops the
// selected references that name no point and its states follow its list.
void RevalideSelections();

// One zoom step on a view: its previous view is kept, the zoom box tool is
// released, the view redrawn.
void PasZoom(TFormFille* vue, bool agrandir);
// The arrow keys: the view's origin moves by (dx, dy) pixels; redraw.
void DeplaceVue(TFormFille* vue, int dx, int dy);
// Fit (or centre) one view and redraw it.
void Ajuster(TFormFille* vue);
void Centrer(TFormFille* vue);

// What later parts of the program plug in: the control-point editor, and
// the new-weight and new-mark dialogs opened by the mouse at a pixel of a
// view with the model point under it.
struct TBranchements {
    std::function<void()> EditeurSelPoint;
    std::function<void()> EditeurAffichePoint;
    std::function<void(TFormFille&, TPoint, TVertex3f)> NouveauPoids;
    std::function<void(TFormFille&, TPoint, TVertex3f)> NouveauRepere;
};
TBranchements& Branchements();

}  // namespace MouseCommandes
