// Development of ruled surfaces into the plane.
//
// A candidate is a NURBS surface whose net is of order 2 with exactly 2 rows
// in its first direction, or of order 2 with exactly 2 columns in its second:
// the evaluated grid is then straight along one direction (the rulings).
// The grid is cut into strips between neighbouring rulings, each quad of a
// strip into two triangles across its diagonal from (a + 1, b) to (a, b + 1);
// the triangles are laid flat one after another, each against the edge it
// shares with the one laid before, so that each keeps its three edge lengths
// exactly. The error of the development is the largest relative difference,
// over every quad, between the 3-D length of the quad's other diagonal and
// its length in the plane: 0 for a cylinder or a cone, growing with double
// curvature.
#pragma once

#include <array>
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
// A flat triangle and the grid points it stands for ([a][b]: a along the
// rulings, b across them).
struct TTriangle {
    std::array<TPoint2, 3> P;
    std::array<std::array<int, 2>, 3> Noeud;
};

struct TDeveloppement {
    // True when the rulings run along the first direction of the grid (its
    // rows are the straight direction: 2 rows of order 2).
    bool DirectricePremiere = false;
    double Erreur = 0.0;
    std::vector<TTriangle> Triangles;
};

// The development of an evaluated candidate's point grid.
TDeveloppement Developpe(const TSurface& s);

}  // namespace Developpement
