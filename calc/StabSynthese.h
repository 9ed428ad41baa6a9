// What the stability window shows of a run, worked out from its steps alone:
// the righting arm of a step, the synthesis (extremes, remarkable angles,
// energies), the attitude of a step as one matrix, and the flooding points
// carried with it.
//
// Sign: a positive heel lowers the -X side, so at a heel of 0 or more the
// arm GZ = G.x - B.x rights the hull when positive; below 0 the arm is
// B.x - G.x. The curve, the measures and the synthesis all use GZ().
#pragma once

#include <string>
#include <vector>

#include "calc/Hydrostat.h"
#include "model/Geom.h"
#include "model/ObjCom.h"

class Document;

namespace StabSynthese {

constexpr double kGravite = 9.806;   // m/s2

double GZ(const TGZ& e);
// Righting moment (N.m) of a step for a weight in kg.
inline double Moment(const TGZ& e, double poids) { return GZ(e) * poids * kGravite; }

// The conditions of the run as the user gave them.
struct TConditions {
    TVertex3f G;                 // G0
    double Poids = 0.0;          // kg
    double Pas = 0.0;            // the user's step, degrees
    double ToleranceEnf = 0.0;   // kg
    double ToleranceAssiette = 0.0;
    double Densite = 0.0;
};

struct TSynthese {
    double GZMin = 0.0, GZMax = 0.0;
    double MomentMin = 0.0, MomentMax = 0.0;   // the moments of those two steps
    double AngleGZMin = 0.0, AngleGZMax = 0.0;
    double AngleChavirage = 0.0;               // 0 when the moment never turns negative
    double EnergieChavirage = 0.0;             // J, area under the positive moments
    double EnergieRedressement = 0.0;          // J, area of the negative moments
    std::vector<Hydrostat::TLigneResultat> Lignes;
};

// The synthesis of a run. GZ extremes: the first of the strictly lowest and
// highest. Energies: trapezia of the moment against the heel in radians,
// an interval that crosses zero split at the crossing; the capsize angle is
// the last crossing from positive to negative moments (steps whose moment
// is exactly 0 between a positive and a negative one: the first of them).
TSynthese MajResults(const TListGZ& etapes, const TConditions& c);

// The attitude of a step: lowered by its sinkage, then turned about its G
// by its heel (about Y), then by its trim (about X). Applied to the model at
// its starting attitude it gives the hull of the step, floating at Z = 0.
TMatrice MatriceEtape(const TGZ& e);

// The flooding points moved by m.
std::vector<TRepereEnv> TransformEnvahis(const std::vector<TRepereEnv>& points, const TMatrice& m);

// A flooding point that goes under the water between two steps (Immerge) or
// comes back out of it, at the heel of the later step.
struct TMarqueEnv {
    std::string Nom;
    double Gite = 0.0;
    bool Immerge = true;
};
// Every such change over the run, point by point: a point is under water at
// a step when its Z, carried by the step's attitude, is 0 or below.
std::vector<TMarqueEnv> MarquesEnvahissement(const TListGZ& etapes, const std::vector<TRepereEnv>& points);

// Puts the model in the attitude of a step: every surface (with its frame
// and its weights), the ballasts, the reference marks and the flooding
// points are turned about the step's centre of gravity by its heel, then by
// its trim, and lowered by its sinkage, from the stored values. One undo
// record (kind 0) is taken first; the surfaces are evaluated again after.
void AppliqueEtape(Document& doc, const TGZ& e);

}  // namespace StabSynthese
