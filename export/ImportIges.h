// Reading an IGES file into NURBS surfaces.
//
// Each rational B-spline surface (entity 128) whose net fits 31 x 31 points
// and whose orders lie in 2..7 becomes a NURBS surface, named after its
// label, coloured by the colour definition (entity 314) it points to, moved
// by its transformation matrix (entity 124) and brought to metres from the
// file's unit. The program evaluates every net on open uniform knots over
// its whole domain: a surface whose knots or parameter range are otherwise is
// refused with its reason, as one that does not fit. The first index of the
// entity (the fastest in its weights and points) runs along a row.
// Every other entity is skipped and counted.
#pragma once

#include <string>
#include <string_view>

#include "export/Import.h"

namespace ImportIges {

// The surfaces of the file's bytes; false with the line or the entity and
// the reason when the file is malformed (nothing is to be imported then).
bool Lit(std::string_view octets, Import::TLecture& lu, std::string& erreur);

// Reads the file and appends its surfaces to the document (Import::Ajoute);
// every failure is said in a message. Returns the number of surfaces added.
int Importe(Document& doc, const std::string& chemin);

}  // namespace ImportIges
