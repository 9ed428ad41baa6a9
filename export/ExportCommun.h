// What the three export writers (text, DXF, IGES) share: the choices of the
// export dialog, the preparation of the model before writing, the 2-D
// projection of the points, the lines of the reference-line grid and the
// number formats.
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/Calcs.h"
#include "model/Draw.h"
#include "model/Geom.h"

class Document;
class TEntity;

// What to write, as ticked in the export dialog.
struct TOptionsExport {
    bool Aretes = false;        // control net (text) and borders of the evaluated grid
    bool Couples = false;       // stations
    bool LignesE = false;       // waterlines
    bool Longits = false;       // longitudinals
    bool Diags = false;         // diagonals
    bool SurfParam = false;     // the evaluated surface
    bool SurfMaille3D = true;   // ... as one mesh (else as row and column polylines)
    bool Nurbs = false;         // NURBS entities (IGES)
    bool Grille = false;        // the reference-line grid, pseudo-surface "GRID"
    bool Axes = false;          // the axes, pseudo-surface "AXIS"
    bool Couleur = false;       // surface colours (IGES)
};

namespace ExportCommun {

// Brings the model up to date for an export: every surface evaluated (shown
// or not), the cut tables of the ticked families, the net bounds and the
// axis ends recomputed.
void PrepareModele(Document& doc, const TOptionsExport& opt);

// Raised when a value to write is not a finite number: the export stops and
// names the surface (or pseudo-surface) that holds it; no file is written.
class TErreurNonFinie : public std::runtime_error {
public:
    explicit TErreurNonFinie(const std::string& nom);
};

// Raises TErreurNonFinie unless every control point and weight of the
// surface's net and every point of its evaluated grids is a finite number.
void VerifieFinie(const TEntity& e);

// Whether the mirror side of the surface is written: symmetric surface, half
// hull display off.
bool AvecMiroir(const TEntity& e, const Document& doc);

// Whether the surface has an evaluated grid to write.
bool GrilleEvaluee(const TEntity& e);

// Projection of model points into a view by its azimuth and elevation, in
// metres (no origin, no scale); kind vk3D keeps the points 3-D.
class TProjection2D {
public:
    explicit TProjection2D(const TViewRecord& vue);
    bool En3D() const { return en3D_; }
    void Projette(const TVertex3f& p, double& x, double& y) const {
        x = -sa_ * p.X + ca_ * p.Y;
        y = -sb_ * ca_ * p.X - sb_ * sa_ * p.Y + cb_ * p.Z;
    }

private:
    bool en3D_;
    double sa_, ca_, sb_, cb_;
};

// One line of the reference-line grid.
struct TSegment {
    TVertex3f A, B;
};

// The grid's lines as the text export writes them (one per reference line)
// or as the DXF export does (two per station, waterline and longitudinal),
// stations first, then waterlines, longitudinals and diagonals. The grid's
// bounds of a family without lines are taken from the evaluated surfaces; a
// line that still has no bound, and a diagonal whose angle gives no plane,
// are left out.
std::vector<TSegment> LignesGrille(const Document& doc, bool deuxParLigne);

// The three axes (X, Y, Z) between their ends.
std::array<TSegment, 3> LignesAxes(const Document& doc);

// Appends v in fixed notation with the given decimals and "." (as "%.Nf").
void AjouteFixe(std::string& s, double v, int decimales);
// Appends the integer in decimal.
void AjouteEntier(std::string& s, long long v);

}  // namespace ExportCommun
