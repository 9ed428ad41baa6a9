// Typed moves of the chosen surfaces: a move of their points, a turn about
// the world axes, or a move and turn of their frames with or without them.
#pragma once

#include <vector>

#include "model/Document.h"

namespace DeplSurf {

enum TMode : int { dmDeplace = 0, dmRotation = 1, dmPlanSym = 2 };

struct TParams {
    TVertex3f E;   // move, or the centre of the turn (mode 1)
    TVertex3f A;   // angles in degrees about X ("Tangage"), Y ("Gite"), Z ("Latéral")
    bool Conjoint = true;  // mode 2: the surface follows its frame
};

// Applies the mode to every chosen surface (sel[i] for surface i), meshes
// included; each chosen surface loses its calculated flag. Mode 0 moves the
// points by E; mode 1 turns them by A about E; mode 2 turns the frame by A
// about its origin O and moves it by E, the points following as
// R(P - O) + O + E when Conjoint. Frames (modes 0, 1) and weights stay.
void Applique(Document& doc, int mode, const std::vector<bool>& sel, const TParams& p);

}  // namespace DeplSurf
