// Development of ruled surfaces into the plane.
//
// A candidate is a NURBS surface whose net is of order 2 with exactly 2 rows
// in its first direction, or of order 2 with exactly 2 columns in its second:
// the evaluated grid is then straight along one direction (the rulings).
// The flat pattern is laid one ruling after the other: the first ruling on a
// straight line with its true lengths, then each point of the next ruling at
// its true distances from two points already laid (the quad's side and
// diagonal), so that the pattern is one piece. A developable surface (a
// cylinder, a cone) lays flat with every ruling as long as on the surface; on
// a doubly curved one the rulings laid last come out longer or shorter.
// The error of the development is the largest relative change of a ruling's
// length between the surface and the pattern: a measure of the surface, which
// the evaluation precision changes only a little.
#pragma once

#include <vector>

#include "model/Geom.h"

class Document;
class TEntity;
class TSurface;

namespace Developpement {

bool Candidat(const TEntity& s);
// The candidates of the document, in index order.
std::vector<int> Candidats(const Document& doc);

struct TPoint2 {
    double X = 0.0, Y = 0.0;
};

struct TDeveloppement {
    // True when the rulings run along the first direction of the grid (its
    // rows are the straight direction: 2 rows of order 2).
    bool DirectricePremiere = false;
    double Erreur = 0.0;
    // The flat point of each grid point: NbA points along each ruling, NbB
    // rulings.
    int NbA = 0, NbB = 0;
    std::vector<TPoint2> Plan;
    // a along the ruling, b the ruling.
    const TPoint2& Point(int a, int b) const { return Plan[static_cast<std::size_t>(b * NbA + a)]; }
};

// The development of an evaluated candidate's point grid.
TDeveloppement Developpe(const TSurface& s);

}  // namespace Developpement
