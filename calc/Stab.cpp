#include "calc/Stab.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <numbers>

#include "base/Debug.h"
#include "base/Langue.h"
#include "calc/Carene.h"
#include "model/Calcs.h"
#include "model/Document.h"
#include "model/Entity.h"
#include "model/Face.h"
#include "model/UiPort.h"
#include "model/Update.h"

namespace Stab {

namespace {

constexpr double kRad2Deg = 180.0 / std::numbers::pi;

// Signed angle (degrees) at the origin from u to w, counter-clockwise
// positive; 0 when either is the zero vector. Doubles throughout: the trim
// residual is compared with tolerances of a tenth of a degree and less.
double AngleOriente(double ux, double uy, double wx, double wy) {
    if ((ux == 0.0 && uy == 0.0) || (wx == 0.0 && wy == 0.0)) return 0.0;
    return std::atan2(ux * wy - uy * wx, ux * wx + uy * wy) * kRad2Deg;
}

// Keeps the hourglass for the life of the run, whatever way it ends.
struct Sablier {
    Ui::IUserInterface& ui;
    explicit Sablier(Ui::IUserInterface& u) : ui(u) { ui.setHourglass(true); }
    ~Sablier() { ui.setHourglass(false); }
};

}  // namespace

void ISuiviStab::Erreur(const std::string& message) {
    Debug::DbgMsgStr(Debug::erDivers, "Stab.CalcStab", 1, {message});
}

// ---- The copy -------------------------------------------------------------------

void TStabCalc::Init(std::span<const TEntity* const> surfaces, const TPoids& total, double densite) {
    DBG_SCOPE("Stab.InitStabForm");
    resultats_.Clear();
    iterations_ = 0;
    BuildSurfList(surfaces);
    SetChargement({total.X, total.Y, total.Z}, total.Masse);
    CalcEtatInitial(densite);
}

void TStabCalc::Init(Document& doc, double densite) {
    DBG_SCOPE("Stab.InitStabForm");
    ObjCom::MajSurface(doc, true, -1);
    ObjCom::MajTotalPoids(doc);
    std::vector<const TEntity*> surfaces;
    for (int i = 0; i < doc.NbSurf(); ++i)
        if (const TEntity* s = doc.Surface(i); s && s->Calc) surfaces.push_back(s);
    Init(surfaces, doc.PoidsTotal, densite);
    std::vector<TVertex3f> env;
    for (const TRepereEnv& r : doc.ListReperesEnv) env.push_back({r.X, r.Y, r.Z});
    SetPointsEnvahissement(std::move(env));
}

void TStabCalc::SetPointsEnvahissement(std::vector<TVertex3f> points) {
    pointsEnv_ = std::move(points);
    envahissement_.assign(pointsEnv_.size(), TIntegerList{});
}

void TStabCalc::BuildSurfList(std::span<const TEntity* const> surfaces) {
    DBG_SCOPE("Stab.BuildSurfList");
    initiale_.Clear();
    for (const TEntity* s : surfaces)
        if (s != nullptr) initiale_.AddSurf(*s);
    Replace();
}

void TStabCalc::SetCopie(const TDoubleSurfList& copie) {
    DBG_SCOPE("Stab.SetCopie");
    initiale_ = copie;
    Replace();
}

void TStabCalc::SetChargement(TVertex3f g0, double poids) {
    DBG_SCOPE("Stab.SetChargement");
    g0_ = g0;
    poids_ = poids;
    Replace();
}

void TStabCalc::CalcEtatInitial(double densite) {
    DBG_SCOPE("Stab.CalcEtatInitial");
    Replace();
    deplInitial_ = Deplacement(densite, 0.0, bInitial_) * 1000.0;
}

void TStabCalc::Replace() {
    copie_ = initiale_;
    gCourant_ = g0_;
    EtatCopieChange();
}

void TStabCalc::EtatCopieChange() { Carene::MinMaxZ(copie_, minZ_, maxZ_); }

void TStabCalc::ApplyTransform(const TMatrice& m) {
    DBG_SCOPE("Stab.ApplyTransform");
    Carene::Transforme(copie_, m);
    gCourant_ = Matrice::Transformed(m, gCourant_);
    EtatCopieChange();
}

TMatrice TStabCalc::MatricePose(double gite, double assiette, double enfoncement) const {
    TMatrice heel, trim, down, m;
    Matrice::MatRotation3D(g0_, {0.0, gite, 0.0}, heel);
    Matrice::MatRotation3D(g0_, {assiette, 0.0, 0.0}, trim);
    Matrice::MatTranslation({0.0, 0.0, -enfoncement}, down);
    Matrice::ProduitMatrice4(trim, heel, m);
    Matrice::ProduitMatrice4(down, m, m);
    return m;
}

void TStabCalc::Pose(double gite, double assiette, double enfoncement) {
    DBG_SCOPE("Stab.Pose");
    // Heel first, then trim, both about G0 (which they leave in place), then
    // the sinkage; one pass over the starting copy, so that no rounding
    // builds up from step to step.
    const TMatrice m = MatricePose(gite, assiette, enfoncement);
    Carene::Transforme(initiale_, m, copie_);
    gCourant_ = Matrice::Transformed(m, g0_);
    EtatCopieChange();
}

double TStabCalc::Deplacement(double densite, double z, TVertex3f& b) const {
    DBG_SCOPE("Stab.Deplacement");
    TSommeFaces sums(z);
    Carene::SommeSousPlan(copie_, sums);
    double masse = 0.0;
    sums.CentreVolume(b, masse, densite);
    return masse;
}

double TStabCalc::Deplacement(double densite, double z) const {
    return Carene::VolumeSousPlan(copie_, z) * densite;
}

double TStabCalc::SurfMouillee(double z) const {
    DBG_SCOPE("Stab.SurfMouillee");
    TSommeFaces sums(z);
    Carene::SommeSousPlan(copie_, sums);
    return sums.Aire();
}

void TStabCalc::MajMinzMaxZ(double& minZ, double& maxZ) const {
    minZ = minZ_;
    maxZ = maxZ_;
}

// ---- Searches ---------------------------------------------------------------------

void TStabCalc::QuestionIterations() {
    DBG_SCOPE("Stab.QuestionIterations");
    if (questionPosee_) return;
    questionPosee_ = true;
    const int r = ui().msgDlg(Langue::Txt("rsErrIterationsMax"), Ui::MsgType::Warning, Ui::mbYes | Ui::mbNo);
    if (r == Ui::mrYes) arret_ = true;
}

TEquilibre TStabCalc::IsoCareneEnf(double poids, double tol, double densite, double z0) {
    questionPosee_ = false;
    return Bissection(poids, tol, densite, z0);
}

TEquilibre TStabCalc::Bissection(double poids, double tol, double densite, double z0) {
    DBG_SCOPE("Stab.IsoCareneEnf");
    TEquilibre e;
    double lo = minZ_, hi = maxZ_;
    double s = std::clamp(z0, lo, hi);
    double masse = Deplacement(densite, s);
    int n = 0;
    for (;;) {
        ++n;
        ui().processEvents();
        if (arret_) {
            e.Converge = false;
            break;
        }
        if (masse > poids) {
            hi = s;
            s = (lo + hi) / 2.0;
        } else if (masse < poids) {
            lo = s;
            s = (lo + hi) / 2.0;
        } else {
            break;   // exactly the weight (or no number at all): nothing to move
        }
        masse = Deplacement(densite, s);
        const double r = poids - masse;
        if (n > kIterationsEnfoncement) {
            QuestionIterations();
            e.Converge = false;
            break;
        }
        if (-tol < r && r < tol) break;
    }
    e.Enfoncement = s;
    e.Iterations = n;
    TSommeFaces sums(s);
    Carene::SommeSousPlan(copie_, sums);
    sums.CentreVolume(e.B, e.Masse, densite);
    e.SurfMouillee = sums.Aire();
    return e;
}

double TStabCalc::ResiduAssiette(TVertex3f b, TVertex3f g) {
    // In the plane (Z, Y): with G above B and forward of it, turning from
    // B->G down to B->(G - 1) is counter-clockwise, so the residual has the
    // sign of G.Y - B.Y whether G lies above or below B.
    return AngleOriente(g.Z - b.Z, g.Y - b.Y, g.Z - 1.0 - b.Z, g.Y - b.Y);
}

double TStabCalc::ResiduAssiette2(TVertex3f b, TVertex3f g) {
    return AngleOriente(1.0, 0.0, g.Z - (b.Z - 1.0), g.Y - b.Y);
}

TEquilibre TStabCalc::IsoCarene(double gite, double poids, double tol, double tolAssiette, double densite,
                                std::vector<double>* residus) {
    DBG_SCOPE("Stab.IsoCarene");
    questionPosee_ = false;
    Pose(gite, 0.0);
    TEquilibre e = Bissection(poids, tol, densite, 0.0);
    int iterations = e.Iterations;
    const double s0 = e.Enfoncement;
    auto gAbaisse = [this](double s) { return TVertex3f{g0_.X, g0_.Y, g0_.Z - s}; };
    // The trim turns about G0, so G keeps its Y: the lever that trims the
    // hull is G.Y - B.Y, positive when G lies forward of B.
    double levier = g0_.Y - e.B.Y;
    double r = ResiduAssiette(e.B, gAbaisse(s0));
    double r2 = ResiduAssiette2(e.B, gAbaisse(s0));
    if (residus) residus->push_back(levier);

    double assiette = 0.0;
    bool converge = true;
    // A Yes to the question of the first sinkage search stops here, before
    // any trim iteration asks it again.
    if (arret_) {
        e.Converge = false;
        return e;
    }
    if (std::fabs(r) < tolAssiette || std::fabs(r2) < tolAssiette) {
        e.Assiette = 0.0;
        return e;
    }
    // A positive residual (G forward of B) asks for a negative trim, which
    // puts the +Y end down. The first step is the residual (at most 5
    // degrees); then the step follows the secant of the lever against the
    // trim, kept inside the bracket found by the changes of sign, and falls
    // back on halving and turning back at each change of sign when the
    // secant gives nothing usable.
    double pas = std::min(std::fabs(r), 5.0);
    if (r > 0) pas = -pas;
    double assiettePrec = 0.0, levierPrec = levier;
    double bas = -1e300, haut = 1e300;   // trims known to leave the lever positive / negative
    bool encadre = false;
    for (int n = 1;; ++n) {
        if (n > 1) {
            double p = 0.0;
            bool secante = levier != levierPrec;
            if (secante) {
                p = -levier * (assiette - assiettePrec) / (levier - levierPrec);
                secante = std::isfinite(p) && p * levier < 0.0 && std::fabs(p) <= 5.0;
            }
            if (secante && encadre) {
                const double t = assiette + p;
                secante = t > std::min(bas, haut) && t < std::max(bas, haut);
            }
            if (secante) {
                pas = p;
            } else if (!ObjCom::MemeSigne(levier, levierPrec)) {
                pas = -pas / 2.0;
            }
            if (encadre && !secante) {
                const double t = assiette + pas;
                if (!(t > std::min(bas, haut) && t < std::max(bas, haut))) pas = (bas + haut) / 2.0 - assiette;
            }
        }
        assiettePrec = assiette;
        levierPrec = levier;
        assiette += pas;
        Pose(gite, assiette);
        e = Bissection(poids, tol, densite, s0);
        iterations += e.Iterations;
        const TVertex3f g = gAbaisse(e.Enfoncement);
        levier = g0_.Y - e.B.Y;
        r = ResiduAssiette(e.B, g);
        r2 = ResiduAssiette2(e.B, g);
        if (levier > 0.0) bas = assiette;
        else if (levier < 0.0) haut = assiette;
        encadre = bas > -1e300 && haut < 1e300;
        if (residus) residus->push_back(levier);
        ui().processEvents();
        if (arret_) {
            converge = false;
            break;
        }
        if (n > kIterationsAssiette) {
            QuestionIterations();
            converge = false;
            break;
        }
        if (std::fabs(r) < tolAssiette || std::fabs(r2) < tolAssiette) break;
    }
    // e was measured in the final attitude: sinkage, centre, mass and wetted
    // area all belong to the trim found.
    e.Assiette = assiette;
    e.Iterations = iterations;
    e.Converge = e.Converge && converge;
    return e;
}

// ---- The run -------------------------------------------------------------------------

std::string TStabCalc::RefusPas(double giteMax, double pas) {
    if (!(pas > 0.0) || !std::isfinite(giteMax) || !(giteMax >= pas)) return Langue::Txt("rsErrPasCalcul");
    if (!(giteMax / pas <= kEtapesMax)) return Langue::Txt("rsErrNombreEtapes");
    return {};
}

int TStabCalc::NombreEtapes(double giteMax, double pas) {
    // Kept within an int whatever the quotient (the run refuses such a step).
    double q = giteMax / pas;
    if (!(q <= kEtapesMax)) q = kEtapesMax;
    if (!(q >= 0.0)) q = 0.0;
    int n = static_cast<int>(std::trunc(q)) + 1;
    if (q != std::trunc(q)) ++n;
    return n;
}

bool TStabCalc::Calcule(const TConditionsStab& cond, ISuiviStab* suivi) {
    DBG_SCOPE("Stab.BtnCalculerClick");
    if (enCours_) return false;
    Ui::IUserInterface& ui = this->ui();
    // The checks keep the number of steps finite and the searches meaningful.
    if (const std::string refus = RefusPas(cond.GiteMax, cond.Pas); !refus.empty()) {
        ui.showMessage(refus);
        return false;
    }
    if (!(poids_ > 0.0) || !std::isfinite(poids_)) {
        ui.showMessage(Langue::Txt("rsErrDefPoids"));
        return false;
    }
    if (!(cond.ToleranceEnfoncement > 0.0) || (cond.CorrectionAssiette && !(cond.ToleranceAssiette > 0.0))) {
        ui.showMessage(Langue::Txt("rsErrTolerence"));
        return false;
    }
    if (!(cond.Densite > 0.0) || !std::isfinite(cond.Densite)) {
        ui.showMessage(Langue::Txt("rsErrDensiteEau"));
        return false;
    }
    if (double lo, hi; !Carene::MinMaxZ(initiale_, lo, hi)) {
        ui.showMessage(Langue::Txt("rsErrAucuneCarene"));
        return false;
    }

    struct EnCours {
        std::atomic<bool>& b;
        explicit EnCours(std::atomic<bool>& f) : b(f) { b = true; }
        ~EnCours() { b = false; }
    } enCours(enCours_);
    Sablier sablier(ui);

    const int n = NombreEtapes(cond.GiteMax, cond.Pas);
    ISuiviStab muet;
    ISuiviStab& s = suivi ? *suivi : muet;
    try {
        const double w = poids_ / 1000.0;
        const double tol = cond.ToleranceEnfoncement * w / 100.0;
        s.Progression(100, 0);
        resultats_.Clear();
        for (TIntegerList& l : envahissement_) l.Clear();
        iterations_ = 0;
        Replace();

        double precedente = 0.0;
        for (int k = 0; k < n && !arret_; ++k) {
            // Every multiple of the step up to the maximum, then the maximum.
            const double gite = std::min(k * cond.Pas, cond.GiteMax);
            if (k > 0 && gite - precedente <= 1e-9 * cond.Pas) break;
            precedente = gite;

            TEquilibre e;
            if (cond.CorrectionAssiette) {
                e = IsoCarene(gite, w, tol, cond.ToleranceAssiette, cond.Densite);
            } else {
                Pose(gite, 0.0);
                e = IsoCareneEnf(w, tol, cond.Densite, 0.0);
            }
            iterations_ += e.Iterations;
            // A search cut short by the stop flag found no equilibrium: that
            // step is not stored. One left on its iteration limit (the user
            // chose to go on) keeps where it ended: the bisection has halved
            // its bracket to the limit, as close as it can get.
            if (e.Converge || !arret_) {
                // The step's attitude, for whoever draws it.
                Pose(gite, e.Assiette, e.Enfoncement);
                TGZ gz;
                gz.Gite = gite;
                gz.Assiette = e.Assiette;
                gz.Enfoncement = e.Enfoncement;
                gz.SurfMouillee = e.SurfMouillee;
                gz.XB = e.B.X;
                gz.YB = e.B.Y;
                gz.ZB = e.B.Z;   // already measured from the flotation plane
                gz.Volume = e.Masse;
                gz.XG = gCourant_.X;
                gz.YG = gCourant_.Y;
                gz.ZG = gCourant_.Z;
                resultats_.Add(gz);
                const TMatrice m = MatricePose(gite, e.Assiette, e.Enfoncement);
                for (std::size_t p = 0; p < pointsEnv_.size(); ++p)
                    envahissement_[p].Add(Matrice::Transformed(m, pointsEnv_[p]).Z > 0.0 ? 1 : -1);
                s.Etape(gz, iterations_, copie_);
            }
            if (arret_) break;
            s.Progression(n, k + 1);
        }
        Replace();
        s.Fin(arret_);
        return true;
    } catch (const std::exception& ex) {
        s.Erreur(ex.what());
    } catch (...) {
        s.Erreur("?");
    }
    // Whatever failed, the next run starts from the starting attitude.
    Replace();
    return false;
}

}  // namespace Stab
