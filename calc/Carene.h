// The immersed part of the stability run's hull copy, summed straight from
// its grids.
//
// The equilibrium searches ask for the displaced volume of the copy under a
// plane hundreds of times per run. These routines walk the cells of the point
// grids, of the mirror grids and of the junction between them as the facet
// routines do, but sum them on the fly: no facet is stored, nothing is
// allocated, and a cell lying wholly above or wholly below the plane skips the
// clipping.
#pragma once

#include "model/Face.h"
#include "model/Geom.h"
#include "model/ObjCom.h"

namespace Carene {

// Enclosed volume of the copy's facets under the plane Z = z (the signed
// prism sum of the facet routines, orientation flags included).
double VolumeSousPlan(const TDoubleSurfList& copie, double z);

// Every facet of the copy kept under sums.Z(), added to the running sums
// (volume centre measured from the plane, wetted area).
void SommeSousPlan(const TDoubleSurfList& copie, TSommeFaces& sums);

// The same facets stored (the debug drawing of the stability window).
void FacettesSousPlan(const TDoubleSurfList& copie, double z, TListFace& list);

// Lowest and highest Z of the points of the grids (mirror grids included).
// False, with 0 and 0, for a copy without a point.
bool MinMaxZ(const TDoubleSurfList& copie, double& minZ, double& maxZ);

// dst := m applied to every point of src; dst must have src's shape (it is
// made so when it has not, which allocates once).
void Transforme(const TDoubleSurfList& src, const TMatrice& m, TDoubleSurfList& dst);

// Every point of the copy moved by m, in place.
void Transforme(TDoubleSurfList& copie, const TMatrice& m);

}  // namespace Carene
