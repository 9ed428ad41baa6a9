// Measures of the evaluated surfaces (3-D extents, waterline extents,
// immersed length and breadth) and the routines that fill every shown
// surface's tables of cut lines for the current reference lines.
//
// Surface selectors: an index >= 0 is one surface; -1 and -2 name sets as
// said for each routine (-2 is always the surfaces counted in calculations).
#pragma once

#include "model/Coupe.h"
#include "model/Document.h"
#include "model/ObjCom.h"

// An extent along one axis. An extent that found no point is empty:
// Size, Min and Max all 0.
struct TEtendue {
    double Size = 0.0;
    float Min = 0.0f;
    float Max = 0.0f;
    friend bool operator==(const TEtendue&, const TEtendue&) = default;
};

namespace Calcs {

// Length (Y extent) of the evaluated points. One surface: its grid and, when
// symmetric, its mirror grid; -1 every surface; -2 every surface counted in
// calculations; any other negative value: empty.
void DimentionsSurf(const Document& doc, int sel, TEtendue& e);
void DimentionsLstSurf(const Document& doc, const TListSurf& list, TEtendue& e);

// Breadth (X extent). -1: every surface, with the mirror grid of the
// symmetric ones; -2 the same over the counted surfaces. One surface: its
// grid, and its mirror grid when it is symmetric and unCote is false.
void DimentionsSurfSym(const Document& doc, int sel, bool unCote, TEtendue& e);

// Height (Z extent). One surface: its grid (and mirror when symmetric);
// -1 and -2: the surfaces counted in calculations.
void MinMaxZSurf(const Document& doc, int sel, TEtendue& e);

// Appends the points where the edges of the surface's grid meet the plane
// Z = z (the mirror grid too when symmetric). A node lying on the plane is
// found from each edge that ends at it.
void InterSurf_LE(TListPt3D& list, const TEntity& surf, double z);

// Length (Y extent) of the waterline at height z. -1 and -2: every surface
// counted in calculations; one surface only when it is counted.
void LongueurLE(const Document& doc, int sel, TEtendue& e, double z);
void LongueurLELstSurf(const Document& doc, const TListSurf& list, TEtendue& e, double z);
// Breadth (X extent) of the waterplane at height z that the hydrostatics
// count (BornesXFlottaison).
void LargeurLELstSurf(const Document& doc, const TListSurf& list, TEtendue& e, double z);

// The plane of a cut: a station (Y constant) or a waterline (Z constant).
enum class TPlanCoupe { Couple, Flottaison };
// Polylines closed on the symmetry plane: the first point's image in front,
// the last point's image and the first image again at the end. Each image is
// taken within the plane of the cut, so that on a heeled or trimmed hull the
// closing runs along the line where the symmetry plane meets the cut.
void FermeCoupeSym(TCoupe& cut, const TPlanSym& plan, TPlanCoupe coupe);
// +1, or -1 for a surface counted negatively (orientation 0): the sign its
// volume, waterplane and sections take in the hydrostatics.
inline int SigneSurface(const TEntity& s) { return s.Orientation == 0 ? -1 : 1; }
// The X bounds of the waterplane at height z as the hydrostatics count it:
// every grid of the listed surfaces (mirror included) cut with its pieces
// turned the same way against the surface and closed on its symmetry plane,
// each surface with its sign; the region kept is where those closed outlines
// wind a non-zero number of times, so that closings running back over each
// other, or a surface taken off another, add no breadth. False (0, 0) when
// nothing is counted.
bool BornesXFlottaison(const Document& doc, const TListSurf& list, double z, double& xMin, double& xMax);

// Immersed length and breadth: the waterline's extent widened by every grid
// point (mirror too when symmetric) lying below z. A surface wholly above z
// gives the empty extent.
void LongueurImmergee(const Document& doc, int sel, TEtendue& e, double z);
void LongueurImmergeeLstSurf(const Document& doc, const TListSurf& list, TEtendue& e, double z);
void LargeurImmergeeLstSurf(const Document& doc, const TListSurf& list, TEtendue& e, double z);

// Cut tables of every visible, evaluated surface for the document's grid:
// stations, waterlines, longitudinals, diagonals. A surface recomputes a
// family only when it is not done since its last evaluation; a hidden one
// keeps its old tables.
void CalcTabLignesSec(Document& doc);
void CalcTabLignesLE(Document& doc);
void CalcTabLignesLgt(Document& doc);
void CalcTabLignesDiag(Document& doc);

}  // namespace Calcs
