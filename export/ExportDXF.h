// The DXF export (release 12, ASCII): the shown surfaces' borders, cut lines
// and evaluated grids, the reference-line grid and the axes, in 3-D or
// projected into a view.
//
// Each surface writes on its own layer, its mirror side's vertices on that
// layer followed by "S"; the grid on "GRID", the axes on "AXIS". Polylines of
// fewer than two points and meshes of fewer than two rows or columns are left
// out. In 2-D a mesh becomes its row and column polylines.
#pragma once

#include <string>
#include <vector>

#include "export/ExportCommun.h"

namespace ExportDXF {

// The layer of each surface of the document (index = surface index; the
// hidden ones too): the name as DXF accepts it, "SURF" + index for an empty
// one, the index appended when it would meet another surface's layer, its
// mirror layer, "GRID" or "AXIS".
std::vector<std::string> Calques(const Document& doc);

// The bytes of the file (CR LF line ends). The model is read as it stands
// (see ExportCommun::PrepareModele). Raises ExportCommun::TErreurNonFinie for
// a shown surface holding a value that is not a finite number.
std::string TexteDXF(const Document& doc, const TOptionsExport& opt, const TViewRecord& vue);

// Writes the file in one step; raises FichierAtomique::TErreurEcriture and
// leaves an existing file as it was when the file cannot be written.
void EcrireFichierDXF(const std::string& fichier, const Document& doc, const TOptionsExport& opt,
                      const TViewRecord& vue);

}  // namespace ExportDXF
