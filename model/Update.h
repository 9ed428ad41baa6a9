// Bringing the whole document up to date after a change, and the small
// document-wide services every part of the program calls.
//
// The change chain: whoever changes the model clears the calculated flag of
// each surface it touched (TEntity::Calculee); MajSurface then evaluates only
// those, and the bounds, the total weight and the sail centre as the display
// asks; MajCoupesSurface rebuilds the stations and the cut families that the
// display shows, when they are not done yet; then the document is marked
// modified and the views redrawn. While the drawing switch
// (Document::FormeAffichee) is off, neither MajSurface nor MajCoupesSurface
// does anything.
#pragma once

#include <string>
#include <string_view>

#include "model/Calcs.h"
#include "model/Coupe.h"
#include "model/Document.h"
#include "model/ObjCom.h"

namespace ObjCom {

// Evaluates what needs it. Works only while the hull or the parametric
// surfaces are shown, or when forced. surf = -1: every surface whose flag is
// clear and which is visible (hidden ones too when forced); surf >= 0: that
// surface if its flag is clear, shown or not. Then the surface bounds, the
// total weight (weights shown, or forced) and the sail centre (shown).
// A surface that cannot be evaluated is reported to the trace and skipped;
// the user is told why once, until it is evaluated again.
void MajSurface(Document& doc, bool force, int surf);
// The surface is new (just read): what was told about a surface that stood at
// its address before is not its own.
void OublieRefus(const TEntity& s);
// The surface cannot be evaluated for that reason: "Surface <name> : <why>"
// is shown unless it was already, since the surface was last evaluated.
void SignaleRefus(const TEntity& s, const std::string& pourquoi);

// MajSurface(false, -1), then, while the hull is shown, the station tables
// (drawn or not) and the tables of each other family shown: waterlines,
// longitudinals, diagonals. Each surface recomputes only the families it has
// not done since it changed.
void MajCoupesSurface(Document& doc);

// MinMaxSurf from every surface's extreme points (shown or not).
void MajMinMaxAllSurf(Document& doc);
// MinMaxNet from every NURBS surface's control points and their mirrors in
// the surface's symmetry plane (only the visible surfaces with onlyShown).
void MajMinMaxAllNet(Document& doc, bool onlyShown);

// 2-D extent of a net in a view (metres of the view plane), and of its
// mirror in the surface's symmetry plane with miroir, widening min and max;
// they stay at (10000, 10000) / (-10000, -10000) for a hidden surface.
void DimentionsProj2DNet(const TSurface& surf, const TViewRecord& vue, TVertex2f& min, TVertex2f& max, bool miroir);
// 2-D extent of an evaluated grid, and of its mirror when symmetric, widening min and max.
void DimentionsProj2D(const TEntity& surf, const TViewRecord& vue, TVertex2f& min, TVertex2f& max);
// 2-D extent of the surfaces in a view: scope 1 the visible surfaces, scope 0
// those counted in calculations; a net's mirrored half counts while it is
// drawn. Min and max start at 10000 / -10000.
void NetsDimentionsProj2D(const Document& doc, int scope, const TViewRecord& vue, TVertex2f& min, TVertex2f& max);

// Zoom to fit: the extent fills a w x h window with a 5 % margin on its
// tighter side, the scale capped at zoomMax. Returns false and leaves the
// view unchanged when the extent is empty (min above max).
bool AjusteRectangleEtendue(TVertex2f min, TVertex2f max, int w, int h, int zoomMax, TViewRecord& vue);
// The same for the surfaces of a scope (see NetsDimentionsProj2D), with the
// document's ZoomMax.
bool AjusteRectangle(const Document& doc, int scope, int w, int h, TViewRecord& vue);

// Makes a control point current: -1 keeps that coordinate. Reports a hidden
// or locked surface to the trace (the point is made current anyway), writes
// "Vx : [ name; row; column ]" in status panel 1 and updates the net
// selection window when it is open.
void ChangeCurrentPC(Document& doc, int surf, int i, int j);

// Appends to list the selection closed under the welds: every point welded
// to a point of the list joins it, each once, in the order found.
void MakeLstMovePC(const Document& doc, const TListPC& selection, TListPC& list);

// The total weight "TOTAL": every surface's own weight (brought up to date
// from its weight kind) and every weight of ListPoids; centre (0, 0, 0)
// when the mass is 0.
void MajTotalPoids(Document& doc);
// That total over every surface's own weight as it stands and the weights
// given.
TPoids SommePoids(const Document& doc, const TListPoids& liste);
// The sail-area centre over the surfaces flagged as sails.
void MajCentreVoilure(Document& doc);

// Immersed area of a station under height z: area and its centre X and Z,
// the station's Y. The cut itself is not changed. The area is positive, or
// with signe, signed by the sense of the outlines: positive where they turn
// anticlockwise in (X, Z).
void AireSec(const TCoupe& cut, TAireObj& r, double z, bool signe = false);
// Area of a waterline: area, centre X and Y, the waterline's Z; with signe,
// positive where the outlines turn anticlockwise in (X, Y).
void AireLE(const TCoupe& cut, TAireObj& r, bool signe = false);
// Wetted girth of a station under height z.
double PerimetreSec(const TCoupe& cut, double z);
// Length of every polyline of two points or more.
double PerimetreCoupe(const TCoupe& cut);
// Lowest Z of the polylines of two points or more, starting from 0.
double ProfondeurSec(const TCoupe& cut);

// Moves the third and later selected control points onto the line through
// the first two, in the two axes of a view (kind 0 section: X and Z, 1 plan:
// X and Y, 2 profile: Y and Z, 3 perspective: the screen's directions for
// its azimuth and elevation, in radians) or in space, each at its former
// distance from the first point and on its own side of it. Records the undo
// snapshot, clears the calculated flag of every surface touched and marks the
// document modified. Returns false when nothing could be done (message shown).
bool AligneDansLePlan(Document& doc, const TListPC& selection, int viewKind, double azimuth = 0.0,
                      double elevation = 0.0);
bool AligneDanslEspace(Document& doc, const TListPC& selection);

// Index of the surface with exactly this name, -1 when none.
int SurfNom2Num(const Document& doc, std::string_view name);

// Whether the key is held now.
bool CtrlDown();
bool ShiftDown();
bool AltDown();

// Refreshes the open auxiliary windows (through the document's hook).
void MajFenetresPC(Document& doc);

}  // namespace ObjCom
