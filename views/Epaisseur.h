// A shell's second skin: a mesh surface offset from a surface's evaluated
// grid along its normals.
#pragma once

#include "model/Document.h"

namespace Epaisseur {

// Appends the offset of surface i by the thickness t, inside (interieur) or
// outside: a mesh of the source's evaluated grid, named after it with " "
// and the new count, its properties and frame copied, not counted in
// calculations. A symmetric source's offset never crosses its symmetry
// plane: points that would are brought back onto it along their normal.
// Returns the new index; -1 with "Nombre maximum de Surfaces atteint" when
// the document is full, -1 when there is no such surface.
int CreerEpaisseur(Document& doc, int i, double t, bool interieur);

}  // namespace Epaisseur
