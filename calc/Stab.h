// The stability run: the hull copy is heeled step by step from 0 to a maximum
// angle, brought at each step to the floating position where it displaces
// its weight (free sinkage, and on request free trim), and one point of the
// righting-arm curve (TGZ) is stored per step. The model is never moved:
// only the copy is.
//
// Frames and signs. A positive heel turns the copy about the Y axis through
// G so that the -X side goes down; a positive trim turns it about the X axis
// through G so that the +Y end goes up. The sinkage s is the height of the
// flotation plane in the heeled and trimmed copy; a stored step gives B and G
// in the copy lowered by s (flotation plane Z = 0), so GZ = XG - XB rights
// the hull when positive.
//
// Masses are in tonnes inside the run: the weight (kg) / 1000 against the
// displaced volume (m3) times the density (t/m3).
//
// The window drives the engine: it hands the loading and the conditions,
// follows the run through ISuiviStab, and sets the stop flag (its "Abandon"
// button, the Delete key, closing) while the run goes. The flag belongs to
// the run it was asked for: whoever starts a run clears it beforehand
// (AnnuleArret), the engine never does, so a stop asked at any moment of the
// run, even before its first step, ends it.
// Messages (from the text table), the iteration-limit question, the
// hourglass and the event loop go through Ui::ui().
#pragma once

#include <atomic>
#include <span>
#include <string>
#include <vector>

#include "model/Geom.h"
#include "model/ObjCom.h"
#include "model/UiPort.h"

class Document;
class TEntity;

namespace Stab {

// The conditions of a run, as the window's fields give them.
struct TConditionsStab {
    double GiteMax = 180.0;             // degrees
    double Pas = 5.0;                   // degrees
    double ToleranceEnfoncement = 1.0;  // percent of the weight
    double ToleranceAssiette = 0.1;     // degrees
    bool CorrectionAssiette = false;
    double Densite = 1.026;             // t/m3
};

// Where a search left the copy.
struct TEquilibre {
    double Enfoncement = 0.0;   // s: height of the flotation plane in the copy
    double Assiette = 0.0;      // degrees
    double SurfMouillee = 0.0;  // m2
    TVertex3f B;                // centre of buoyancy, Z measured from the flotation plane
    double Masse = 0.0;         // displaced volume x density (t)
    int Iterations = 0;         // iterations of every sinkage search
    bool Converge = true;       // false: ended on an iteration limit or the stop flag
};

// The window's side of a run. Every call comes from inside Calcule.
class ISuiviStab {
public:
    virtual ~ISuiviStab() = default;
    // Steps done out of total: (100, 0) at the start, then (n, k + 1) after step k.
    virtual void Progression(int /*total*/, int /*fait*/) {}
    // Step gz has just been stored (only a step whose searches converged
    // is: the step a stop or an iteration limit cut short is left out,
    // and the run goes on after a No); the copy stands in its attitude (heeled,
    // trimmed, lowered by the sinkage) with G at (XG, YG, ZG). iterations:
    // the run's count so far.
    virtual void Etape(const TGZ& /*gz*/, int /*iterations*/, const TDoubleSurfList& /*copie*/) {}
    // The run is over and the copy is back at its starting attitude.
    // arrete: the stop flag ended it.
    virtual void Fin(bool /*arrete*/) {}
    // A failure cut the run short; by default reported to the debug sink
    // at once (a run on a worker hands it to the window's thread instead).
    virtual void Erreur(const std::string& message);
};

class TStabCalc {
public:
    static constexpr int kIterationsEnfoncement = 35;
    static constexpr int kIterationsAssiette = 60;
    // The largest maximum / step quotient a run accepts: beyond it the run
    // (a row of the window's grid per step) would never end in practice.
    static constexpr double kEtapesMax = 1.0e5;

    // The hull copy from the surfaces counted in calculations (evaluated),
    // the loading from the total weight (kg and centre), and the initial
    // buoyancy under Z = 0 at the given density. Clears the results.
    void Init(std::span<const TEntity* const> surfaces, const TPoids& total, double densite);
    // The same from the document: every surface evaluated, the total weight
    // brought up to date, the surfaces counted in calculations copied.
    void Init(Document& doc, double densite);
    // Rebuilds the copy from the surfaces (starting attitude).
    void BuildSurfList(std::span<const TEntity* const> surfaces);
    // The copy given directly (tests, or a copy kept by the window).
    void SetCopie(const TDoubleSurfList& copie);

    // The loading: centre of gravity G0 and weight W (kg).
    void SetChargement(TVertex3f g0, double poids);
    TVertex3f G0() const { return g0_; }
    double Poids() const { return poids_; }
    // Buoyancy of the copy under Z = 0 at its starting attitude: centre, and
    // displacement in kg (volume x density x 1000).
    void CalcEtatInitial(double densite);
    TVertex3f BInitial() const { return bInitial_; }
    double DeplacementInitial() const { return deplInitial_; }

    // The whole run. False when a condition is refused (its message shown,
    // nothing changed) or when a failure cut it short (the copy is rebuilt
    // and the steps already stored stay).
    bool Calcule(const TConditionsStab& cond, ISuiviStab* suivi = nullptr);
    // The message refusing a maximum heel and a step, or "" when the run
    // may take them.
    static std::string RefusPas(double giteMax, double pas);
    // Number of steps for a maximum and a step (both checked beforehand):
    // every multiple of the step up to the maximum, and the maximum itself.
    static int NombreEtapes(double giteMax, double pas);

    // The stop flag: asked by the window (from any thread), read before
    // every step and at every iteration of the searches. Set, it stays set
    // until AnnuleArret, which the caller uses before starting a run.
    void Arrete() { arret_ = true; }
    void AnnuleArret() { arret_ = false; }
    bool Arret() const { return arret_; }
    bool EnCours() const { return enCours_; }

    // The interface the run talks to (messages, the iteration question, the
    // event loop, the hourglass); nullptr: the program's (Ui::ui()). A run on
    // a worker thread is given one that is safe to call from there.
    void SetUi(Ui::IUserInterface* ui) { ui_ = ui; }

    const TListGZ& Resultats() const { return resultats_; }
    // The flooding points (model frame) and, for each, one value per stored
    // step: 1 while the point stands above the flotation plane of the step,
    // -1 at or under it. Init(Document&) takes the document's points.
    void SetPointsEnvahissement(std::vector<TVertex3f> points);
    const std::vector<TIntegerList>& Envahissement() const { return envahissement_; }
    // Iterations of every sinkage search of the last run.
    int Iterations() const { return iterations_; }

    // ---- The copy and what the searches measure on it ----------------------
    const TDoubleSurfList& Copie() const { return copie_; }
    const TDoubleSurfList& CopieInitiale() const { return initiale_; }
    TVertex3f GCourant() const { return gCourant_; }
    // Volume x density under the plane Z = z (t), with its centre (Z from the plane).
    double Deplacement(double densite, double z, TVertex3f& b) const;
    double Deplacement(double densite, double z) const;
    double SurfMouillee(double z) const;
    void MajMinzMaxZ(double& minZ, double& maxZ) const;
    // Moves every point of the copy and the current G by m.
    void ApplyTransform(const TMatrice& m);
    // Puts the copy at its starting attitude turned by heel then trim about
    // G0, then lowered by the sinkage; G follows.
    void Pose(double gite, double assiette, double enfoncement = 0.0);
    // Back to the starting attitude.
    void Replace();
    // The matrix of Pose.
    TMatrice MatricePose(double gite, double assiette, double enfoncement) const;

    // ---- The searches at the copy's present attitude --------------------------
    // Each of the two searches below finds one step's equilibrium and puts
    // the iteration-limit question at most once: after a No, the step's
    // searches run to their limits without asking again, and the result is
    // marked not converged.
    // Bisection on the height of the flotation plane, from z0, until the
    // displaced mass is within tol of W (tonnes). Ends after
    // kIterationsEnfoncement iterations.
    TEquilibre IsoCareneEnf(double poids, double tol, double densite, double z0 = 0.0);
    // Sinkage and trim for the heel gite, from the attitude (gite, 0). The
    // search ends when either trim residual is within tolAssiette, or after
    // kIterationsAssiette iterations. residus,
    // when given, receives the trimming lever G.Y - B.Y (m) before the search
    // and after each iteration.
    TEquilibre IsoCarene(double gite, double poids, double tol, double tolAssiette, double densite,
                         std::vector<double>* residus = nullptr);

    // The trim residuals: the signed angle (degrees) at B from B->G to B->(G
    // one metre lower), and at the point one metre below B from the direction
    // of B to the direction of G, both in the vertical plane along the hull,
    // counted positive when G lies forward (+Y) of B.
    static double ResiduAssiette(TVertex3f b, TVertex3f g);
    static double ResiduAssiette2(TVertex3f b, TVertex3f g);

private:
    // Asks the iteration-limit question unless the step has had it; Yes
    // sets the stop flag.
    void QuestionIterations();
    TEquilibre Bissection(double poids, double tol, double densite, double z0);
    void EtatCopieChange();
    Ui::IUserInterface& ui() const { return ui_ ? *ui_ : Ui::ui(); }

    TDoubleSurfList initiale_;   // the copy at its starting attitude
    TDoubleSurfList copie_;      // the copy as the searches see it
    double minZ_ = 0.0, maxZ_ = 0.0;
    TVertex3f g0_;
    double poids_ = 0.0;
    TVertex3f gCourant_;
    TVertex3f bInitial_;
    double deplInitial_ = 0.0;
    TListGZ resultats_;
    std::vector<TVertex3f> pointsEnv_;
    std::vector<TIntegerList> envahissement_;
    int iterations_ = 0;
    bool questionPosee_ = false;   // during the step's searches
    std::atomic<bool> arret_ = false;
    std::atomic<bool> enCours_ = false;
    Ui::IUserInterface* ui_ = nullptr;
};

}  // namespace Stab
