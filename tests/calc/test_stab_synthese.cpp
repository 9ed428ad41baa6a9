// The synthesis of a stability run, the attitude of a step and the flooding
// points carried with it.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calc/Hydrostat.h"
#include "calc/Stab.h"
#include "calc/StabSynthese.h"
#include "tests/support/CareneFixtures.h"
#include "tests/support/RecordingUi.h"

namespace {

constexpr double kRad = std::numbers::pi / 180.0;

// Steps whose arm G.x - B.x (G.x = 0) is gz.
TListGZ Etapes(std::initializer_list<std::pair<double, double>> gz) {
    TListGZ l;
    for (auto [h, v] : gz) {
        TGZ e;
        e.Gite = h;
        e.XB = -v;
        l.Add(e);
    }
    return l;
}

StabSynthese::TConditions Cond(double poids) {
    return {.G = {}, .Poids = poids, .Pas = 10.0};
}

}  // namespace

TEST(StabSynthese, ExtremesAnglesAndEnergies) {
    const double w = 1000.0, m = w * StabSynthese::kGravite;
    struct Cas {
        TListGZ etapes;
        double gzMin, gzMax, angleMin, angleMax, chavirage, ePlus, eMoins;
    } cas[] = {
        // One step: no energy, Angle Min = Angle Max.
        {Etapes({{0, 0.0}}), 0, 0, 0, 0, 0, 0, 0},
        // Up then down across zero between 20 and 30 at 25.
        {Etapes({{0, 0}, {10, 1}, {20, 1}, {30, -1}}), -1, 1, 30, 10, 25,
         m * (0.5 * 10 + 1 * 10 + 0.5 * 5) * kRad, m * 0.5 * 5 * kRad},
        // Exactly 0 at a step between positive and negative: no split, the
        // vanishing angle is that step.
        {Etapes({{0, 0}, {10, 1}, {20, 0}, {30, -1}}), -1, 1, 30, 10, 20,
         m * (0.5 * 10 + 0.5 * 10) * kRad, m * 0.5 * 10 * kRad},
        // The same over two zero steps: the first; a zero between positives is no capsize.
        {Etapes({{0, 0}, {10, 1}, {20, 0}, {30, 0}, {40, -1}}), -1, 1, 40, 10, 20,
         m * (0.5 * 10 + 0.5 * 10) * kRad, m * 0.5 * 10 * kRad},
        {Etapes({{0, 0}, {10, 1}, {20, 0}, {30, 1}}), 0, 1, 0, 10, 0, m * 15 * kRad, 0},
        // G off the centre line: the arm at 0 has the sign of the next one, no false capsize angle.
        {Etapes({{0, -0.25}, {5, -0.5}}), -0.5, -0.25, 5, 0, 0, 0, m * 0.375 * 5 * kRad},
        // Never negative: no capsize angle; ties keep the first step.
        {Etapes({{0, 0}, {10, 2}, {20, 2}}), 0, 2, 0, 10, 0, m * (10 + 20) * kRad, 0},
    };
    for (const Cas& c : cas) {
        const auto r = StabSynthese::MajResults(c.etapes, Cond(w));
        EXPECT_EQ(std::tuple(r.GZMin, r.GZMax, r.AngleGZMin, r.AngleGZMax, r.MomentMax, r.AngleChavirage),
                  std::tuple(c.gzMin, c.gzMax, c.angleMin, c.angleMax, c.gzMax * m, c.chavirage));
        EXPECT_NEAR(r.EnergieChavirage, c.ePlus, 1e-9 * m);
        EXPECT_NEAR(r.EnergieRedressement, c.eMoins, 1e-9 * m);
    }
}

TEST(StabSynthese, RowsShowTheUsersStep) {
    const auto r = StabSynthese::MajResults(Etapes({{0, 0}, {7.5, 0.1}, {10, 0.2}}), {.G = {}, .Poids = 2.0, .Pas = 7.5});
    ASSERT_EQ(r.Lignes.size(), 23u);
    EXPECT_TRUE(r.Lignes[5].Libelle == "Pas de calcul [°]" && r.Lignes[5].Valeur == 7.5);
    EXPECT_DOUBLE_EQ(r.Lignes[7].Valeur, 10.0);   // Angle Max: the last step
}

TEST(StabSynthese, StepAttitudeFloatsTheHullOnItsBuoyancy) {
    // A box barge heeled 30 degrees by the engine: the model moved by the
    // step's matrix has its centre of buoyancy under Z = 0 at the step's B,
    // and a flooding point on the deck edge of the low side goes under.
    RecordingScope ui;
    std::vector<std::unique_ptr<TDXFSurface>> v;
    v.push_back(fixtures::Caisson(TDefGrille{}));
    Document doc = fixtures::DocAvec(std::move(v));
    doc.ListPoids.push_back({"charge", 40.0 * 1026.0, 0.0, 5.0, 0.0, -1});
    Stab::TStabCalc calc;
    calc.Init(doc, 1.026);
    ASSERT_TRUE(calc.Calcule({.GiteMax = 30, .Pas = 15, .ToleranceEnfoncement = 1e-4}));
    const TGZ& e = *calc.Resultats().GetGZ(2);
    const TMatrice m = StabSynthese::MatriceEtape(e);
    for (TArrayVertex3f* g : {&doc.Surface(0)->Points, &doc.Surface(0)->PointsSym})
        for (int k = 0; k < g->rows() * g->cols(); ++k) g->data()[k] = Matrice::Transformed(m, g->data()[k]);
    TVertex3f cc;
    double vol = 0.0, aire = 0.0;
    Hydrostat::CalcDeplacement(doc, Hydrostat::ListeCalcul(doc), cc, vol, aire);
    EXPECT_NEAR(vol, 40.0, 40.0 * 1e-5);
    EXPECT_TRUE(std::fabs(cc.X - e.XB) < 1e-6 && std::fabs(cc.Z - e.ZB) < 1e-6) << cc.X << " " << cc.Z;

    const std::vector<TRepereEnv> pts{{"bas", -2.0, 5.0, 1.0}, {"haut", 2.0, 5.0, 1.0}};
    const auto marques = StabSynthese::MarquesEnvahissement(calc.Resultats(), pts);
    ASSERT_EQ(marques.size(), 1u);   // deck edge at 2 x sin 30 - s below water at 30 only
    EXPECT_TRUE(marques[0].Nom == "bas" && marques[0].Immerge && marques[0].Gite == 30.0);
}
