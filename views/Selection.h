// Which control points a view has selected, which points are active
// (pickable and drawn) after the net selection window's choice, and the
// three operations on a selection: weld, unweld and group.
//
// A selection belongs to one view: its list of references and the state
// byte of each cell of the view's projected table (TTabCoor) that mirrors
// it (epSelect), besides epInactif for points the net selection window
// leaves out. The welded groups belong to the document.
//
// These routines change states and lists only; the caller redraws.
#pragma once

#include "model/Document.h"
#include "model/Draw.h"

namespace Selection {

// Appends the reference unless it is already selected, and marks its cell.
// A reference with a negative row or column is reported with the plain
// message "TFormFille.SelectPoint" and added all the same (its cell is not
// touched).
void SelectPoint(TTabCoor& tab, TListPC& sel, const TPC& pc);
// Removes the reference; its cell goes back to normal.
void UnSelectPoint(TTabCoor& tab, TListPC& sel, const TPC& pc);
// Every point of every visible, unlocked NURBS surface, inactive points included.
void SelectAllPoints(const Document& doc, TTabCoor& tab, TListPC& sel);
// Every point of one net (whatever its state).
void SelectNet(const Document& doc, TTabCoor& tab, TListPC& sel, int surf);
// Every selected cell of the table back to normal; the list is emptied.
void UnSelectAllPoints(TTabCoor& tab, TListPC& sel);

// Every point of every NURBS net inactive (selected ones included) / every
// inactive point back to normal.
void PCNonActif(const Document& doc, TTabCoor& tab);
void PCActif(const Document& doc, TTabCoor& tab);
void OneNetPCNonActif(const Document& doc, TTabCoor& tab, int surf);
void OneNetPCActif(const Document& doc, TTabCoor& tab, int surf);
// Inactive points of one row / one column of a net become normal (nothing for -1).
void PCLnActif(const Document& doc, TTabCoor& tab, int surf, int row);
void PCColActif(const Document& doc, TTabCoor& tab, int surf, int col);
// Applies each net's row or column choice of the net selection window; the
// current control point follows the chosen line.
void PCLnColActif(Document& doc, TTabCoor& tab);

// Selects the points of visible, unlocked NURBS surfaces that are not
// inactive and lie in the closed box between the two corners, whatever the
// direction of the drag. Points already selected stay selected.
void SelPCinZone(const Document& doc, TTabCoor& tab, TListPC& sel, TPoint c1, TPoint c2);

// The state bytes of one surface's cells follow the selection list: a
// selected cell that is no longer in the list goes back to normal, a normal
// cell of a listed point becomes selected; inactive cells stay inactive.
void EtatsDepuisListe(const Document& doc, TTabCoor& tab, const TListPC& sel, int surf);

// After nets changed size by other means (undo, redo): references that no
// longer name a control point leave the selection, and the state bytes of
// every net follow the list.
void Revalide(const Document& doc, TTabCoor& tab, TListPC& sel);

// Weld: a new group of the selected points (in selection order) joins the
// document's welded groups, and each of its points not yet welded joins
// ListPCSoudes. Fewer than two points: "Sélectionnez au moins deux vertex"
// and nothing changes (false). A weld or an unweld leaves Annuler off.
bool SouderPC(Document& doc, const TListPC& sel);
// Unweld the selected points, or the current control point when nothing is
// selected: for each in turn the last group holding it is removed; then
// ListPCSoudes is rebuilt from the groups left. Returns the number of groups
// removed.
int DessouderPC(Document& doc, const TListPC& sel);
// Group: every selected point but the first takes the first one's
// coordinates, in space or, in the plane of the view, the two it shows
// (section X and Z, plan X and Y, profile Y and Z, perspective none).
// Weights are kept. Records the undo snapshot and brings the touched
// surfaces up to date. Fewer than two points: "Sélectionnez au moins deux
// vertex", nothing recorded nor changed (false).
bool GrouperPC(Document& doc, const TListPC& sel, int viewKind, bool enEspace);

// The control point a reference names, or nullptr when the reference does
// not name a point of a NURBS net of the document.
TVertex4f* Point(Document& doc, const TPC& pc);
const TVertex4f* Point(const Document& doc, const TPC& pc);

}  // namespace Selection
