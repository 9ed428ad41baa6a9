// The hydrostatic run: for a set of surfaces (the scope), the hull immersed
// under the flotation plane Z = 0: volume and displacement, centre of
// buoyancy, wetted area, the waterplane, the transverse sections at a set of
// stations (the sectional-area curve), the largest section, the hull
// coefficients and the centre of the lateral plane. Nothing here moves the
// hull.
//
// The hydrostatics window chooses the scope and the number of stations, runs
// Calcule and shows its rows and its station list.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "model/Coupe.h"
#include "model/Geom.h"
#include "model/ObjCom.h"

class Document;
class TEntity;
class TSommeFaces;

namespace Hydrostat {

constexpr double kDensiteEauDouce = 1000.0;   // kg/m3
constexpr double kDensiteEauMer = 1026.0;     // kg/m3
constexpr int kCoupesMin = 3;
constexpr int kCoupesMax = 201;

// The number of stations kept within kCoupesMin..kCoupesMax.
int BorneNbCoupes(int n);
// The default number of stations for an evaluation precision: 2 p + 1.
inline int NbCoupesDefaut(int precision) { return BorneNbCoupes(2 * precision + 1); }

// The station list: one TAireObj per station, in ascending order of Y, no two
// with the same Y (compared as they are stored, in single precision).
class TListAires {
public:
    // Inserts a copy in Y order unless its Y is already listed.
    void AjouteAire(const TAireObj& a);
    void GetAire(int i, TAireObj& a) const { a = items_[static_cast<std::size_t>(i)]; }
    const TAireObj& operator[](int i) const { return items_[static_cast<std::size_t>(i)]; }
    // Area, X and Z of the first station whose Y is a's; nothing when none is.
    void MajAire(const TAireObj& a);
    int Count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    void Clear() { items_.clear(); }
    std::vector<TAireObj>::const_iterator begin() const { return items_.begin(); }
    std::vector<TAireObj>::const_iterator end() const { return items_.end(); }

private:
    std::vector<TAireObj> items_;
};

// A waterplane: its area centre, the height of its plane, its area (m2,
// signed as the volume) and the length of its outline as cut (m).
struct TFlottaison {
    double X = 0.0, Y = 0.0, Z = 0.0;
    double Aire = 0.0;
    double Perimetre = 0.0;
};

// One row of the results: a title (no value) or a label with a value shown
// with Decimales digits.
struct TLigneResultat {
    std::string Libelle;
    bool Titre = false;
    double Valeur = 0.0;
    int Decimales = 4;
};

struct TResultatsHydro {
    // Immersed hull.
    double Volume = 0.0;               // m3
    double DeplacementEauDouce = 0.0;  // kg
    double DeplacementEauMer = 0.0;    // kg
    TVertex3f CC;                      // centre of buoyancy
    double Volume1cm = 0.0;            // m3 for the first centimetre of sinkage
    double SurfImmergee = 0.0;         // wetted area, m2
    // Lengths and coefficients.
    double LWL = 0.0, BWL = 0.0, LImmergee = 0.0;
    TAireObj MaitreCouple;             // the largest section
    double Creux = 0.0;                // lowest Z at the largest section (<= 0)
    double CoefPrismatique = 0.0, CoefBloc = 0.0, CoefVolumique = 0.0, CoefFinesse = 0.0;
    // Waterplanes at Z = 0 and Z = 0.01.
    TFlottaison Flottaison, Flottaison1cm;
    double RatioMaitreCouple = 0.0;    // % of the hull's length, from its aft end
    // Centre of the lateral plane (the immersed hull seen from the side).
    double AireLaterale = 0.0;
    double YLateral = 0.0, ZLateral = 0.0;

    TListAires Stations;               // the sectional-area curve
    std::vector<TLigneResultat> Lignes;
};

// ---- The parts of the run, over surfaces already evaluated --------------------

// Whether some point of the surface (and of its mirror when symmetric) lies
// under the plane Z = z.
bool Immergee(const TEntity& s, double z);

// The section of one surface by the plane Y = y, immersed under z: area and
// centre (X, Z), Y the station. The polylines, all turned the same way
// against the surface, are closed on the surface's symmetry plane before
// their area is taken (Calcs::FermeCoupeSym). The area takes the sign the
// volume takes: negative for a surface counted negatively, or whose skin
// faces the other way; the mirror of a symmetric surface is
// cut and added the same way. A one-sided surface is closed the same way: a
// half hull modelled without its mirror gives its half; on a whole hull in
// one surface the closings of its two sides run back over each other and
// cancel, so that only the region between the sides counts; a closed loop
// only gains a spike of no area.
TAireObj CalcCoupleSurf(const TEntity& s, double y, double z);
// The waterplane of one surface at height z (same closing and sign); the
// perimeter is the length of the polylines as cut.
TFlottaison CalcFlottaisonSurf(const TEntity& s, double z);
// Lowest Z (0 or below) of the surface's section at y, mirror included.
double CreuxSurf(const TEntity& s, double y);

// Merges of two sections and of two waterplanes: areas (and perimeters) add,
// centres are area-weighted (0 when the areas add up to 0).
void AjouteCouple(TAireObj& total, const TAireObj& a);
void AjouteFlottaison(TFlottaison& total, const TFlottaison& a);

// The largest section: the first of the strictly largest areas; a zero
// record when no area is positive.
TAireObj CoupleAireMax(const TListAires& stations);

// Volume (m3) of the first centimetre of sinkage from the waterplanes at 0 and 0.01.
inline double CalcVolume1cm(const TFlottaison& a0, const TFlottaison& a1) { return (a0.Aire + a1.Aire) / 2.0 * 0.01; }

// ---- Over the scope of a document ---------------------------------------------------

// The station positions of every immersed surface of the scope, each spread
// evenly over that surface's immersed length, merged into one list.
void CalcPositionsCouples(const Document& doc, const TListSurf& portee, int nbCoupes, TListAires& stations);
// The section of every listed station at height z, over the scope.
void CalcCouples(const Document& doc, const TListSurf& portee, TListAires& stations, double z);
TFlottaison CalcFlottaison(const Document& doc, const TListSurf& portee, double z);
// The skin of one surface kept under sums.Z(), added to the running sums
// (volume, centre, area): its grid's facets and its mirror's when symmetric
// (each the image of its twin), with the triangles of the junction between
// them when asked. The hydrostatics count the junction of the surfaces that
// have one (it closes the hull at the symmetry plane); the area table takes
// each surface's own skin.
void SommeImmergee(const TEntity& s, bool jonction, TSommeFaces& sums);
// Volume and centre of buoyancy under Z = 0, and the wetted area; false when
// the volume is zero to rounding and so has no centre (then 0, 0, 0). The
// volume is the region the sections bound: each surface's open borders are
// closed on its symmetry plane (Face::BuildFermetureSym), a closing that is
// not wetted.
bool CalcDeplacement(const Document& doc, const TListSurf& portee, TVertex3f& cc, double& volume,
                     double& surfImmergee);
double CreuxMax(const Document& doc, const TListSurf& portee, double y);
// Area (m2) and centre (Y, Z) of the immersed hull seen from the side.
void CalcPlanLateral(const Document& doc, const TListSurf& portee, double& aire, double& y, double& z);

// The whole run: every surface of the scope is evaluated first, nbCoupes is
// kept within kCoupesMin..kCoupesMax. Each block of results is guarded: a
// failure goes to the trace and the run goes on with the next block.
TResultatsHydro Calcule(Document& doc, const TListSurf& portee, int nbCoupes);

// The calculation list: every surface counted in calculations, in order.
TListSurf ListeCalcul(const Document& doc);

}  // namespace Hydrostat
