// Reference marks and flooding points as their dialogs edit them: rows of
// texts read back into points, and the import of marks from a ";" file.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/ObjCom.h"

namespace Reperes {

// Columns 1 to 4 of the grids.
struct TLigne {
    std::string Nom, X, Y, Z;
    friend bool operator==(const TLigne&, const TLigne&) = default;
};

// The points as rows, "%.4f"; no point gives one empty row.
template <class P>
std::vector<TLigne> Lignes(const std::vector<P>& points);

// The points of the rows. A single row whose X, Y and Z are empty stands for
// no point. False, with the row and column (2..4) of the first cell that is
// not a number, when one is not; then nothing is given.
template <class P>
bool LitLignes(const std::vector<TLigne>& lignes, std::vector<P>& points, int& ligneErr, int& colonneErr);

// The six orders of the three numbers of an imported line ("X - Y - Z",
// "Y - X - Z", "X - Z - Y", "Y - Z - X", "Z - X - Y", "Z - Y - X"): for each
// order, the axis (0 X, 1 Y, 2 Z) of the file's first, second and third number.
constexpr int kNbOrdres = 6;
const std::array<std::array<int, 3>, kNbOrdres>& Ordres();
// "X - Y - Z" ...
std::string NomOrdre(int ordre);
// The line the import expects: "Nom_Repère;" when a name comes first, then
// the three names of the order each followed by ";".
std::string LigneAttendue(bool avecNom, int ordre);

// The marks of a file's lines. Blank lines are skipped; each other line is
// trimmed, its "," read as ".", the name first when asked, then three
// numbers. ligneErr: 0 when every line was read, else the number (from 1)
// of the first line that was not, and then no point is given.
std::vector<TRepere> Importe(const std::vector<std::string>& lignes, bool avecNom, int ordre, int& ligneErr);

}  // namespace Reperes
