// The text export: the shown surfaces as tagged blocks of points.
//
// For each shown surface "[SURFACE]" and its name, "[COLOR]" and its stored
// colour in at least six hexadecimal digits (0xBBGGRR; the default -1 gives
// FFFFFFFF), then as ticked: "[NURBS]" with the
// net's row and column counts, the two orders and the two knot vectors with
// which the surface is evaluated, its control points "x;y;z;w;" and the four
// borders of the evaluated grid; the cut lines of each family; "[MESH]" with
// the evaluated grid (a mesh surface has no net: no "[NURBS]", its borders
// are written all the same). Then the pseudo-surfaces "GRID" and "AXIS". Every
// polyline is a "[POLYLINE]" block, one point a line, "%.4f;" per
// coordinate: three in 3-D, two when projected into a view. Lines end with
// CR LF; the file is Windows-1252.
#pragma once

#include <string>

#include "export/ExportCommun.h"

namespace ExportTXT {

inline constexpr const char* kSurface = "[SURFACE]";
inline constexpr const char* kColor = "[COLOR]";
inline constexpr const char* kNurbs = "[NURBS]";
inline constexpr const char* kPolyline = "[POLYLINE]";
inline constexpr const char* kMesh = "[MESH]";

// The bytes of the file. The model is read as it stands (see
// ExportCommun::PrepareModele). Raises ExportCommun::TErreurNonFinie for a
// shown surface holding a value that is not a finite number.
std::string TexteTXT(const Document& doc, const TOptionsExport& opt, const TViewRecord& vue,
                     const TCouleursDessin& couleurs);

// Writes the file in one step; raises FichierAtomique::TErreurEcriture and
// leaves an existing file as it was when the file cannot be written.
void EcrireFichierTXT(const std::string& fichier, const Document& doc, const TOptionsExport& opt,
                      const TViewRecord& vue, const TCouleursDessin& couleurs);

}  // namespace ExportTXT
