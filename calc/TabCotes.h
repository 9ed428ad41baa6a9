// The offsets table: where each station's cut lines of the chosen surfaces
// cross each waterline, or each longitudinal, of the document's reference
// lines.
#pragma once

#include <string>
#include <vector>

#include "model/Geom.h"
#include "model/ObjCom.h"

class Document;

namespace TabCotes {

struct TCote {
    std::string Surface;
    TVertex3f P;
};

// For each chosen surface (evaluated), each station, each waterline (or
// longitudinal when longitudinales): every point where a polyline of the
// station's cut (the mirror's too for a symmetric surface) crosses the
// plane, by linear interpolation between the two vertices that straddle it
// (a vertex on the plane counts once, with the segment that leaves it
// upward). In that order; within a station, the points in cut order.
std::vector<TCote> Calcule(const Document& doc, const TListSurf& surfaces, bool longitudinales);

// The grid's rows as ";" lines: the header then "num;name;X;Y;Z" ("%.4f").
std::vector<std::string> Lignes(const std::vector<TCote>& cotes);

}  // namespace TabCotes
