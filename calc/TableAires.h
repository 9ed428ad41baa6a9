// The area table (immersed, emerged and total area of every surface) and the
// sail table (area and centre of every sail, and of all of them).
#pragma once

#include <string>
#include <vector>

#include "model/Geom.h"

class Document;

namespace TableAires {

struct TAires {
    std::string Nom;
    double Immergee = 0.0, Emergee = 0.0, Totale = 0.0;
};

// One row per surface in index order, then the sums (named by the caller);
// every surface evaluated first. Total: every facet of the grid and, for a
// symmetric surface, of its mirror; immersed: the same facets cut under Z = 0
// (Hydrostat::SommeImmergee without the junction).
std::vector<TAires> Aires(Document& doc);

struct TVoile {
    std::string Nom;
    double Aire = 0.0;
    TVertex3f Centre;
};
// The sail surfaces in index order, then the total with the sail-area
// centre (ObjCom::MajCentreVoilure).
std::vector<TVoile> Voiles(Document& doc);

}  // namespace TableAires
