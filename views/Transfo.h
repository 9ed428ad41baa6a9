// Rigid transformations of whole surfaces: move, rotation, mirror and
// resize of a surface with, on request, its frame and the weights attached
// to it; the bounds and sizes the transformations dialog shows.
//
// Each routine changes one surface in place and clears its calculated flag;
// none records undo, re-evaluates or redraws: the caller does that.
#pragma once

#include <vector>

#include "model/Document.h"
#include "model/Geom.h"
#include "model/ObjCom.h"

namespace Transfo {

// Every control point (or grid point of a mesh) moves by v, weights W kept.
// withFrame: the frame's origin moves too (its axes are directions and stay).
// withWeights: every weight of ListPoids attached to the surface moves too.
void TranslationSurf(Document& doc, int surf, TVertex3f v, bool withFrame, bool withWeights);

// Turns the surface about centre c by the angles a (degrees, about X, then
// Y, then Z). frameOnly leaves the points in place; withFrame turns the
// frame's origin about c and its axes; withWeights turns the attached weights.
void RotationSurf(Document& doc, int surf, TVertex3f a, TVertex3f c, bool withFrame, bool frameOnly,
                  bool withWeights);

}  // namespace Transfo
