// The surfaces whose enclosed volume counts negatively (orientation flag 0).
#pragma once

#include <vector>

#include "model/ObjCom.h"

class Document;

namespace VolumesNegatifs {

// For each surface of the list, whether its volume counts negatively.
std::vector<bool> Lit(const Document& doc, const TListSurf& surfaces);
// Writes the flags (1 when not negative, 0 when negative). A change clears
// the calculated flag of every surface, so that the next hydrostatics and
// stability runs see it, and marks the document modified; true then.
bool Applique(Document& doc, const TListSurf& surfaces, const std::vector<bool>& negatifs);

}  // namespace VolumesNegatifs
