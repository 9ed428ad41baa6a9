#include "calc/StabSynthese.h"

#include <numbers>

#include "base/Langue.h"
#include "model/Calcs.h"
#include "model/Document.h"
#include "model/Undo.h"
#include "model/Update.h"
#include "views/Transfo.h"

namespace StabSynthese {

namespace {
constexpr double kDeg2Rad = std::numbers::pi / 180.0;
}

// At 0 the run's own side holds: a heel of 0 is the first point of a curve
// of positive heels, and B.x - G.x there would put a jump (and a false
// crossing of zero) at the start of every curve.
double GZ(const TGZ& e) { return e.Gite >= 0.0 ? e.XG - e.XB : e.XB - e.XG; }

TSynthese MajResults(const TListGZ& etapes, const TConditions& c) {
    TSynthese r;
    const int n = etapes.Count();
    if (n > 0) {
        r.GZMin = 10000.0;
        r.GZMax = -10000.0;
    }
    for (int k = 0; k < n; ++k) {
        const TGZ& e = *etapes.GetGZ(k);
        const double gz = GZ(e);
        if (gz < r.GZMin) {
            r.GZMin = gz;
            r.MomentMin = Moment(e, c.Poids);
            r.AngleGZMin = e.Gite;
        }
        if (gz > r.GZMax) {
            r.GZMax = gz;
            r.MomentMax = Moment(e, c.Poids);
            r.AngleGZMax = e.Gite;
        }
    }
    double plus = 0.0, moins = 0.0;
    for (int k = 0; k + 1 < n; ++k) {
        const TGZ& a = *etapes.GetGZ(k);
        const TGZ& b = *etapes.GetGZ(k + 1);
        const double m1 = Moment(a, c.Poids), m2 = Moment(b, c.Poids);
        const double h1 = a.Gite, h2 = b.Gite;
        if ((m1 > 0.0 && m2 < 0.0) || (m1 < 0.0 && m2 > 0.0)) {
            const double h0 = h1 + m1 * (h2 - h1) / (m1 - m2);
            const double avant = Calcs::AireTrapeze(m1, 0.0, (h0 - h1) * kDeg2Rad);
            const double apres = Calcs::AireTrapeze(0.0, m2, (h2 - h0) * kDeg2Rad);
            if (m1 > 0.0) {
                plus += avant;
                moins += apres;
                r.AngleChavirage = h0;
            } else {
                moins += avant;
                plus += apres;
            }
        } else if (m1 >= 0.0 && m2 >= 0.0) {
            plus += Calcs::AireTrapeze(m1, m2, (h2 - h1) * kDeg2Rad);
            // Positive, then exactly 0 at one step or more, then negative:
            // the moment vanishes at h2, where the stability is gone.
            if (m1 > 0.0 && m2 == 0.0) {
                int j = k + 2;
                while (j < n && Moment(*etapes.GetGZ(j), c.Poids) == 0.0) ++j;
                if (j < n && Moment(*etapes.GetGZ(j), c.Poids) < 0.0) r.AngleChavirage = h2;
            }
        } else {
            moins += Calcs::AireTrapeze(m1, m2, (h2 - h1) * kDeg2Rad);
        }
    }
    r.EnergieChavirage = std::abs(plus);
    r.EnergieRedressement = std::abs(moins);

    auto titre = [&](const char* cle) { r.Lignes.push_back({Langue::Txt(cle), true, 0.0, 0}); };
    auto ligne = [&](const char* cle, double v, int dec) { r.Lignes.push_back({Langue::Txt(cle), false, v, dec}); };
    titre("rsConditionsCalcStab");
    ligne("rsMasseCalcStab", c.Poids, 3);
    ligne("rsCGx", c.G.X, 3);
    ligne("rsCGy", c.G.Y, 3);
    ligne("rsCGz", c.G.Z, 3);
    ligne("rsPasCalcStab", c.Pas, 3);
    ligne("rsAngleMin", n > 0 ? etapes.GetGZ(0)->Gite : 0.0, 3);
    ligne("rsAngleMax", n > 0 ? etapes.GetGZ(n - 1)->Gite : 0.0, 3);
    ligne("rsToleranceEnfKg", c.ToleranceEnf, 3);
    ligne("rsToleranceAssiette", c.ToleranceAssiette, 3);
    ligne("rsDensiteEau", c.Densite, 4);
    titre("rsGZMoments");
    ligne("rsGZMin", r.GZMin, 4);
    ligne("rsGZMax", r.GZMax, 4);
    ligne("rsMomentMinMN", r.MomentMin, 4);
    ligne("rsMomentMaxMN", r.MomentMax, 4);
    titre("rsAnglesRemarq");
    ligne("rsAngleGZMin", r.AngleGZMin, 4);
    ligne("rsAngleGZMax", r.AngleGZMax, 4);
    ligne("rsAngleChavirage", r.AngleChavirage, 4);
    titre("rsEnergies");
    ligne("rsEnregieChavirage", r.EnergieChavirage, 4);
    ligne("rsEnergieRedres", r.EnergieRedressement, 4);
    return r;
}

TMatrice MatriceEtape(const TGZ& e) {
    // Turning about the lowered G after lowering by s is turning about G0
    // (= G + s) before it: one product either way.
    const TVertex3f g{e.XG, e.YG, e.ZG};
    TMatrice bas, gite, assiette, m;
    Matrice::MatTranslation({0.0, 0.0, -e.Enfoncement}, bas);
    Matrice::MatRotation3D(g, {0.0, e.Gite, 0.0}, gite);
    Matrice::MatRotation3D(g, {e.Assiette, 0.0, 0.0}, assiette);
    Matrice::ProduitMatrice4(gite, bas, m);
    Matrice::ProduitMatrice4(assiette, m, m);
    return m;
}

std::vector<TRepereEnv> TransformEnvahis(const std::vector<TRepereEnv>& points, const TMatrice& m) {
    std::vector<TRepereEnv> r = points;
    for (TRepereEnv& p : r) {
        const TVertex3f q = Matrice::Transformed(m, {p.X, p.Y, p.Z});
        p.X = q.X;
        p.Y = q.Y;
        p.Z = q.Z;
    }
    return r;
}

std::vector<TMarqueEnv> MarquesEnvahissement(const TListGZ& etapes, const std::vector<TRepereEnv>& points) {
    std::vector<TMarqueEnv> r;
    std::vector<std::vector<TRepereEnv>> poses;
    for (int k = 0; k < etapes.Count(); ++k)
        poses.push_back(TransformEnvahis(points, MatriceEtape(*etapes.GetGZ(k))));
    for (std::size_t p = 0; p < points.size(); ++p)
        for (std::size_t k = 1; k < poses.size(); ++k) {
            const bool avant = poses[k - 1][p].Z > 0.0, apres = poses[k][p].Z > 0.0;
            if (avant != apres) r.push_back({points[p].Nom, etapes.GetGZ(static_cast<int>(k))->Gite, avant});
        }
    return r;
}

void AppliqueEtape(Document& doc, const TGZ& e) {
    // Undone in one step, the marks and flooding points with the hull.
    doc.RecordAction(TUndo::kAvecReperes);
    // The step's G is that of the hull lowered by its sinkage: the turns are
    // about G before the lowering.
    const TVertex3f g{e.XG, e.YG, e.ZG + e.Enfoncement};
    for (int i = 0; i < doc.NbSurf(); ++i) {
        Transfo::RotationSurf(doc, i, {0.0, e.Gite, 0.0}, g, true, false, true);
        Transfo::RotationSurf(doc, i, {e.Assiette, 0.0, 0.0}, g, true, false, true);
        Transfo::TranslationSurf(doc, i, {0.0, 0.0, -e.Enfoncement}, true, true);
        doc.Surface(i)->Calculee = 0;
    }
    // What no surface carries moves the same way.
    const TMatrice m = MatriceEtape(e);
    auto bouge = [&m](auto& r) {
        const TVertex3f q = Matrice::Transformed(m, {r.X, r.Y, r.Z});
        r.X = q.X;
        r.Y = q.Y;
        r.Z = q.Z;
    };
    for (TPoids& p : doc.ListPoids)
        if (doc.Surface(p.Surf) == nullptr) bouge(p);
    for (TRepere& r : doc.ListReperes) bouge(r);
    for (TRepereEnv& r : doc.ListReperesEnv) bouge(r);
    doc.FinAction();
    ObjCom::MajSurface(doc, false, -1);
    ObjCom::MajCoupesSurface(doc);
    ObjCom::MajMinMaxAllNet(doc, false);
    ObjCom::MajTotalPoids(doc);
    doc.MarquerModifie();
}

}  // namespace StabSynthese
