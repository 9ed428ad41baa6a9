// Reading an ASCII DXF file (release 12 and later) into mesh surfaces.
//
// Each POLYLINE that is an M x N polygon mesh (flag 16) becomes a mesh
// surface named after its layer: its M direction (group 71) gives the
// columns, its N direction (group 72) the rows, its vertices coming column
// by column; a mesh closed in a direction (flags 1 and 32) repeats its first
// column or row at the end. The entities that carry no row-and-column grid
// (3DFACE, polyface meshes, other polylines, lines ...) are only counted.
// Only the ENTITIES section is read.
#pragma once

#include <string>
#include <string_view>

#include "export/Import.h"

namespace ImportDxf {

// The meshes of the file's bytes (UTF-8, else Windows-1252); false with the line and the reason when the
// file is malformed (then nothing is to be imported). A mesh of more rows or
// columns than a document accepts (GestFich::kMaxCoteMaillage) is refused by
// name in lu.Refus.
bool Lit(std::string_view octets, Import::TLecture& lu, std::string& erreur);

// Reads the file and appends its meshes to the document (Import::Ajoute);
// every failure is said in a message. Returns the number of surfaces added.
int Importe(Document& doc, const std::string& chemin);

}  // namespace ImportDxf
