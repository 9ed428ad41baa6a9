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

// Mirror of one surface in the world: axis 0 negates X, 2 negates Z (any
// other axis: nothing). Unless frameOnly, every net or grid point; with
// withWeights the attached weights; with withFrame the frame's origin and
// axes.
void MiroirSurf(Document& doc, int surf, int axe, bool withFrame, bool frameOnly, bool withWeights);

// Resize by the factors f about the surface's frame origin. keepRelative: the
// scaling is about the world origin instead, the frame origin scaled with it.
// The frame's axes and the weights stay.
void TailleSurf(Document& doc, int surf, TVertex3f f, bool keepRelative);

// Bounds of a surface's evaluated points; X with its mirror points when it
// is symmetric. An empty grid gives zeros.
TDim DimSurf(const TEntity& s);

// Bounds of the chosen surfaces (sel[i] for dims[i]); all zeros when none is.
TDim DimSelection(const std::vector<TDim>& dims, const std::vector<bool>& sel);

// Mean of the frame origins of the chosen surfaces; false when none is chosen.
bool CentreSelection(const Document& doc, const std::vector<bool>& sel, TVertex3f& c);

// The resize factor of one axis: the size wanted over the size measured, 1
// where the measured size is 0.
double Facteur(double voulu, double mesure);

// What the transformations dialog applies to the chosen surfaces, every
// field read and checked before anything changes.
struct TParams {
    TVertex3f Depl;                // move
    TVertex3f Centre, Angles;      // rotation (degrees)
    bool MirVer = false;           // negates X
    bool MirHor = false;           // negates Z
    TVertex3f Taille;              // sizes wanted
    TDim Mesure;                   // sizes when last measured
    bool ConsPosRel = true;        // resize about the world origin
    bool PlanSym = true;           // the frames follow
    bool PlanSymSeul = false;      // only the frames
    bool Poids = true;             // the attached weights follow
};

// Each applies its transformation to every chosen surface. PlanSymSeul
// leaves the points in place in a rotation and a mirror, never in a move.
void Deplace(Document& doc, const std::vector<bool>& sel, const TParams& p);
void Tourne(Document& doc, const std::vector<bool>& sel, const TParams& p);
void Miroirs(Document& doc, const std::vector<bool>& sel, const TParams& p);
void Redimensionne(Document& doc, const std::vector<bool>& sel, const TParams& p);

}  // namespace Transfo
