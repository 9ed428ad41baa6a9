// Inserting and removing rows and columns of a control net with the mouse,
// with everything that refers to the net's points: the selections of the
// four views and the state bytes of their tables, the welded groups and the
// list of welded points, the current control point, the calculated flag,
// the update chain and the modified mark.
//
// The geometry itself is TNet's (model/Net.h).
#pragma once

#include <functional>
#include <span>

#include "model/Document.h"
#include "model/Draw.h"

namespace EditNet {

// What the net editing needs of one 2-D view: its selection, its table of
// projected points and its view record (any may be null: skipped).
struct TVueSel {
    TListPC* Selection = nullptr;
    TTabCoor* Tab = nullptr;
    const TViewRecord* Vue = nullptr;
};

// Renumbering after a row (ligne) or column inserted at index k of surface
// surf: every reference at or after k moves one place on. Selections of the
// views (and their state bytes), welded groups and ListPCSoudes.
void DecaleInsertion(Document& doc, std::span<const TVueSel> vues, int surf, bool ligne, int k);
// Renumbering after row or column k of surface surf was removed: references
// on it leave every list (a welded group left with fewer than two points is
// dropped), those after it move one place back.
void DecaleSuppression(Document& doc, std::span<const TVueSel> vues, int surf, bool ligne, int k);
// Renumbering after surface surf was removed: references to it leave every
// list, those to later surfaces move one surface back, and so do the state
// bytes of the views' tables.
void DecaleSuppressionSurface(Document& doc, std::span<const TVueSel> vues, int surf);

// A row (section view, kind 0) or a column (plan 1, profile 2) inserted in
// the current surface's net through the clicked model point p, at the
// current control point's row (column). Refused with a message, nothing
// changed, when: no NURBS surface is current (none, or a mesh); the view is
// the perspective or unknown; the net already has 31 rows (columns); the
// current point has no predecessor; the current point and its predecessor
// fall on the same pixel of the active view (`vueActive`), which leaves no
// proportion to work out. On success: the document is marked modified, the
// surface re-evaluated with its cuts, every reference renumbered and each
// view's table rebuilt. `avant` (the undo snapshot) runs only once every
// check has passed, just before the net changes: a refused insertion leaves
// the previous snapshot alone. The welds are renumbered with the net, so the
// snapshot is to hold them too; once they are, the command tells the undo it
// is over (Document::FinAction).
bool AjoutPC(Document& doc, TVertex3f p, int viewKind, const TViewRecord& vueActive, std::span<const TVueSel> vues,
             const std::function<void()>& avant = {});

// Removes the current control point's row (section view) or column (any
// other view). Refused with the text table's message when the net cannot
// lose it (one row or column left, or three points in all). On success the
// current point goes to [0][0] of the surface, the document is marked
// modified, the surface re-evaluated, every reference renumbered and each
// view's table rebuilt. `avant` as for AjoutPC.
bool SupprPC(Document& doc, int viewKind, std::span<const TVueSel> vues, const std::function<void()>& avant = {});

}  // namespace EditNet
