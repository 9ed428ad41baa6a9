// The stability run against floating solids whose righting arms are known.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "base/Debug.h"
#include "calc/Carene.h"
#include "calc/Stab.h"
#include "model/Document.h"
#include "model/Face.h"
#include "model/Update.h"
#include "tests/support/CareneFixtures.h"
#include "tests/support/RecordingUi.h"

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;
constexpr double kRho = 1.026;
const std::string kQuestion =
    "Nombre maximum d''itérations dépassé. Modifier le dessin ou introduire une tolérance supérieure. "
    "Arrêt des calculs ?";

// The box barge of the fixtures (L 10, B 4, depth 2, keel at Z = -1) loaded
// to float at Z = 0 (V 40) with G at (0, 5, zG).
struct Barge {
    Document doc;
    Stab::TStabCalc calc;
    explicit Barge(double zG = 0.0, double yG = 5.0, double masse = 40.0 * kRho * 1000.0, int nb = 4, int ns = 4) {
        std::vector<std::unique_ptr<TDXFSurface>> v;
        v.push_back(fixtures::Caisson(TDefGrille{}, nb, ns, 4, 10));
        doc = fixtures::DocAvec(std::move(v));
        doc.ListPoids.push_back({"charge", masse, 0.0, yG, zG, -1});
        calc.Init(doc, kRho);
    }
};

// The barge's section (breadth 4, from Z -1 to 1) heeled by phi about
// (0, zG), the -X side going down, cut by the horizontal plane that leaves
// `aire` under it: the X of the immersed part's centroid, by plain polygon
// clipping.
double XCentreRectangleGite(double phiDeg, double zG, double aire) {
    const double c = std::cos(phiDeg * kDeg), s = std::sin(phiDeg * kDeg);
    std::vector<std::pair<double, double>> rect;
    for (auto [x, z] : {std::pair{-2.0, -1.0}, {2.0, -1.0}, {2.0, 1.0}, {-2.0, 1.0}})
        rect.push_back({c * x - s * (z - zG), s * x + c * (z - zG) + zG});
    double lo = -3.0, hi = 3.0, cx = 0.0;
    for (int n = 0; n < 200; ++n) {
        const double h = (lo + hi) / 2.0;
        std::vector<std::pair<double, double>> p;  // the part under h
        for (std::size_t k = 0; k < rect.size(); ++k) {
            auto [x1, z1] = rect[k];
            auto [x2, z2] = rect[(k + 1) % rect.size()];
            if (z1 <= h) p.push_back({x1, z1});
            if ((z1 < h && z2 > h) || (z1 > h && z2 < h)) p.push_back({x1 + (h - z1) / (z2 - z1) * (x2 - x1), h});
        }
        double a = 0.0, mx = 0.0;
        for (std::size_t k = 0; k < p.size(); ++k) {
            auto [x1, z1] = p[k];
            auto [x2, z2] = p[(k + 1) % p.size()];
            a += x1 * z2 - x2 * z1;
            mx += (x1 + x2) * (x1 * z2 - x2 * z1);
        }
        cx = a != 0.0 ? mx / (3.0 * a) : 0.0;
        (std::fabs(a) / 2.0 < aire ? lo : hi) = h;
    }
    return cx;
}

Stab::TConditionsStab Conditions(double max, double pas, double tolPct = 1e-4, bool trim = false) {
    return {.GiteMax = max, .Pas = pas, .ToleranceEnfoncement = tolPct, .CorrectionAssiette = trim, .Densite = kRho};
}

double GZ(const TGZ& g) { return g.XG - g.XB; }

// Follows a run: progress, steps, end.
struct Suivi : Stab::ISuiviStab {
    std::vector<std::pair<int, int>> progression;
    int etapes = 0;
    std::vector<std::string> erreurs;
    bool arrete = false;
    std::function<void(int)> surEtape;
    void Progression(int total, int fait) override { progression.emplace_back(total, fait); }
    void Etape(const TGZ&, int, const TDoubleSurfList&) override {
        if (surEtape) surEtape(etapes);
        ++etapes;
    }
    void Fin(bool a) override { arrete = a; }
    void Erreur(const std::string& m) override { erreurs.push_back(m); }
};

}  // namespace

TEST(StabEtapes, RefusedConditionsShowTheirMessageAndChangeNothing) {
    Barge b;
    RecordingScope r;
    ASSERT_TRUE(b.calc.Calcule(Conditions(10, 5, 1.0)));
    const int avant = b.calc.Resultats().Count();

    auto refuse = [&](Stab::TConditionsStab c, const std::string& message) {
        r.rec.messages.clear();
        EXPECT_FALSE(b.calc.Calcule(c));
        EXPECT_EQ(r.rec.messages, std::vector<std::string>{message});
        EXPECT_EQ(b.calc.Resultats().Count(), avant);
    };
    refuse(Conditions(NAN, 5), "Pas de calcul incorrect");
    // A step so small that the run would have millions of steps.
    refuse(Conditions(1e300, 1e-300), "Pas de calcul trop petit : le calcul compterait plus de 100000 étapes");
    EXPECT_GT(Stab::TStabCalc::NombreEtapes(1e300, 1e-300), 0);
    refuse({.GiteMax = 30, .ToleranceAssiette = 0.0, .CorrectionAssiette = true}, "La tolérance doit être supérieure à zéro");
    refuse({.GiteMax = 30, .Densite = 0.0}, "La densité de l'eau doit être supérieure à zéro");
    b.calc.SetChargement({0, 5, 0}, 0.0);
    refuse(Conditions(30, 5), "Poids manquant. Vous devez définir au moins un poids (surface ou ballast)");
}

// The box's righting arm is the heeled rectangle's, clipped by hand, at
// every heel and on a grid of any density. Every step of the user's, then
// the last heel; without trim correction no step has a trim.
TEST(StabCaisson, RightingArmsMatchTheClippedRectangle) {
    const double zG = 0.3;
    for (auto [nb, ns] : {std::pair{1, 2}, {4, 4}, {7, 5}}) {
        Barge b(zG, 5.0, 40.0 * kRho * 1000.0, nb, ns);
        RecordingScope r;
        ASSERT_TRUE(b.calc.Calcule(Conditions(170, 15)));
        ASSERT_EQ(b.calc.Resultats().Count(), 13);
        for (int k = 0; k < 13; ++k) {
            const TGZ& g = *b.calc.Resultats().GetGZ(k);
            EXPECT_TRUE(g.Gite == std::min(15.0 * k, 170.0) && g.Assiette == 0.0) << k;
            EXPECT_NEAR(GZ(g), -XCentreRectangleGite(g.Gite, zG, 4.0), 2e-5) << g.Gite;
            EXPECT_NEAR(g.Volume, 40.0 * kRho, 40.0 * kRho * 1e-6);
        }
        EXPECT_TRUE(r.rec.messages.empty());
    }
}

// A half-immersed circular cylinder: the metacentre stays on the axis, so
// GZ = (R - KG) sin(phi) at every heel.
TEST(StabCylindre, RightingArmAboutTheAxis) {
    const double R = 1.0, L = 4.0, zG = -0.3;
    const int n = 20;   // 40 facets around
    std::vector<std::unique_ptr<TDXFSurface>> v;
    v.push_back(fixtures::Cylindre(TDefGrille{}, R, L, n, 4));
    Document doc = fixtures::DocAvec(std::move(v));
    const double volume = n * std::sin(std::numbers::pi / n) / 2.0 * L;
    doc.ListPoids.push_back({"lest", volume * kRho * 1000.0, 0.0, L / 2, zG, -1});
    Stab::TStabCalc calc;
    calc.Init(doc, kRho);
    EXPECT_NEAR(calc.DeplacementInitial(), volume * kRho * 1000.0, 1e-6);
    RecordingScope r;
    ASSERT_TRUE(calc.Calcule(Conditions(180, 10)));
    ASSERT_EQ(calc.Resultats().Count(), 19);
    for (int k = 0; k < 19; ++k) {
        const TGZ& g = *calc.Resultats().GetGZ(k);
        EXPECT_NEAR(GZ(g), (R - (zG + R)) * std::sin(g.Gite * kDeg), 2e-4) << g.Gite;
    }
}

// B and G of a stored step are in the copy lowered by the sinkage, once.
TEST(StabCaisson, CentreOfBuoyancyShiftedOnceBySinkage) {
    Barge b(0.2, 5.0, 20.0 * kRho * 1000.0);   // draft 0.5: keel at -1, plane at -0.5
    RecordingScope r;
    ASSERT_TRUE(b.calc.Calcule(Conditions(5, 5)));
    const TGZ& g = *b.calc.Resultats().GetGZ(0);
    EXPECT_NEAR(g.Enfoncement, -0.5, 1e-5);
    EXPECT_NEAR(g.ZB, -0.25, 1e-5);          // half the draft under the plane
    EXPECT_NEAR(g.ZG, 0.2 + 0.5, 1e-5);      // G lowered with the copy
    EXPECT_NEAR(g.SurfMouillee, 40.0 + 2 * 10 * 0.5 + 2 * 4 * 0.5, 1e-3);
}

// With G forward of B the +Y end goes down, and the trim search converges.
TEST(StabAssiette, GForwardPutsTheForwardEndDown) {
    Barge b(0.0, 5.6);
    RecordingScope r;
    const double w = b.calc.Poids() / 1000.0;
    const Stab::TEquilibre e = b.calc.IsoCarene(0.0, w, w * 1e-6, 0.001, kRho);
    EXPECT_TRUE(e.Converge);
    // B under G in the final attitude (the ends' heights are checked on a shaped hull below).
    EXPECT_NEAR(e.B.Y, 5.6, 1e-3);
    // Wall-sided box in trim: tan(t) (GML + BML/2 tan^2(t)) = yG - yB0, with
    // BML = L^2 / 12T.
    const double BML = 100.0 / 12.0, GML = 0.5 + BML - 1.0;
    double t = 0.0;
    for (int k = 0; k < 50; ++k) t = 0.6 / (GML + BML / 2.0 * t * t);
    EXPECT_NEAR(e.Assiette, -std::atan(t) / kDeg, 2e-3);
}

TEST(StabAssiette, RunWithTrimStoresTrimAndFinalWettedArea) {
    // G far forward: the stern bottom leaves the water, so the wetted area
    // depends on the trim.
    Barge b(0.0, 8.0);
    RecordingScope r;
    ASSERT_TRUE(b.calc.Calcule({.GiteMax = 30, .Pas = 15, .ToleranceEnfoncement = 1e-4, .ToleranceAssiette = 0.01,
                                .CorrectionAssiette = true, .Densite = kRho}));
    // The copy is back at its starting attitude.
    EXPECT_TRUE(b.calc.Copie()[0].Points == b.calc.CopieInitiale()[0].Points);
    ASSERT_EQ(b.calc.Resultats().Count(), 3);
    for (int k = 0; k < 3; ++k) {
        const TGZ g = *b.calc.Resultats().GetGZ(k);
        EXPECT_TRUE(g.Assiette < 0.0 && std::fabs(g.YB - g.YG) < 0.02) << k;
        // Wetted area and buoyancy belong to the final attitude.
        b.calc.Pose(g.Gite, g.Assiette, g.Enfoncement);
        EXPECT_NEAR(g.SurfMouillee, b.calc.SurfMouillee(0.0), 1e-9);
        TVertex3f B;
        EXPECT_NEAR(b.calc.Deplacement(kRho, 0.0, B), g.Volume, 1e-9);
        EXPECT_NEAR(B.Z, g.ZB, 1e-9);
        b.calc.Pose(g.Gite, 0.0, g.Enfoncement);
        EXPECT_GT(std::fabs(b.calc.SurfMouillee(0.0) - g.SurfMouillee), 0.5);
    }
}

// Too heavy for the box (the whole box displaces 80): the bisection ends at
// the deck, not converged, after the question. The question comes at most
// once per step, even where every trim iteration runs a sinkage search of
// its own: after a No the step's searches run to their limits, the step is
// kept where they ended and the run goes on to the last angle; a Yes stops
// it there, keeping no step of its own.
TEST(StabQuestion, AskedOncePerStepANoKeepsTheStepAndGoesOn) {
    Barge b(0.0, 5.6, 100.0 * kRho * 1000.0);
    RecordingScope r;
    r.rec.answers = {Ui::mrNo};
    const double w = b.calc.Poids() / 1000.0;
    const Stab::TEquilibre e = b.calc.IsoCareneEnf(w, w / 100.0, kRho);
    EXPECT_TRUE(!e.Converge && e.Iterations == 36 && std::fabs(e.Enfoncement - 1.0) < 1e-6) << e.Enfoncement;
    for (const auto& [trim, reponse] : {std::pair{false, Ui::mrNo}, {true, Ui::mrNo}, {true, Ui::mrYes}}) {
        r.rec.messages.clear();
        r.rec.answers.assign(3, reponse);
        Suivi s;
        ASSERT_TRUE(b.calc.Calcule(Conditions(10, 5, 1.0, trim), &s));
        EXPECT_EQ(r.rec.messages, std::vector<std::string>(reponse == Ui::mrNo ? 3 : 1, kQuestion));
        const int gardees = reponse == Ui::mrNo ? 3 : 0;
        EXPECT_TRUE(b.calc.Resultats().Count() == gardees && s.etapes == gardees && s.arrete == (reponse == Ui::mrYes));
        if (gardees) {
            EXPECT_NEAR(b.calc.Resultats().GetGZ(0)->Volume, e.Masse, 1e-6 * e.Masse);
        }
        // After a No every sinkage search ran to its limit; with trim, several a step.
        const int it = b.calc.Iterations();
        EXPECT_TRUE(reponse == Ui::mrYes || (it % 36 == 0 && (it == 3 * 36) != trim)) << it;
    }
    // Where the sinkage searches converge, the trim search asks on its 61st iteration.
    Barge t(0.0, 5.6);
    r.rec.messages.clear();
    r.rec.answers = {Ui::mrNo};
    std::vector<double> leviers;
    const Stab::TEquilibre a = t.calc.IsoCarene(0.0, t.calc.Poids() / 1000.0, 1e-6, 0.0, kRho, &leviers);
    EXPECT_TRUE(leviers.size() == 62u && !a.Converge && !t.calc.Arret() && r.rec.messages == std::vector<std::string>{kQuestion});
}

// A stop asked while a search lets the event loop run leaves that step out:
// the steps kept are those of the same run not stopped. A stop asked before
// the first step ends the run there: the engine never clears it, whoever
// asks for the next run does.
TEST(StabArret, AStopInsideAStepKeepsOnlyTheFinishedSteps) {
    struct StopUi : RecordingUi {
        Stab::TStabCalc* calc = nullptr;
        int apres = 0;
        void processEvents() override {
            if (++events == apres) calc->Arrete();
        }
    } ui;
    Ui::ScopedUi guard(&ui);
    auto valeurs = [](const TGZ& g) { return std::vector{g.Gite, g.Assiette, g.Enfoncement, g.SurfMouillee, g.XB,
                                                         g.YB, g.ZB, g.Volume, g.XG, g.YG, g.ZG}; };
    Barge f(0.0, 5.6);
    ui.calc = &f.calc;
    for (const bool trim : {false, true}) {
        const auto c = Conditions(60, 5, 1e-3, trim);
        ASSERT_TRUE(f.calc.Calcule(c));
        const TListGZ entier = f.calc.Resultats();
        ASSERT_EQ(entier.Count(), 13);
        for (const int apres : {0, 3, 150}) {
            ui.events = 0;
            ui.apres = apres;
            if (apres == 0) f.calc.Arrete();
            Suivi s;
            ASSERT_TRUE(f.calc.Calcule(c, &s));
            f.calc.AnnuleArret();
            const int n = f.calc.Resultats().Count();
            EXPECT_TRUE(n == s.etapes && n < 13 && s.arrete) << n;
            EXPECT_EQ(s.progression.back(), (std::pair{n > 0 ? 13 : 100, n}));
            for (int k = 0; k < n; ++k) EXPECT_EQ(valeurs(*f.calc.Resultats().GetGZ(k)), valeurs(*entier.GetGZ(k))) << k;
        }
        ui.apres = 0;
    }
}

TEST(StabEchec, FailureMidRunRebuildsTheCopy) {
    Barge b(0.1);
    RecordingScope r;
    Suivi s;
    s.surEtape = [](int k) {
        if (k == 2) throw std::runtime_error("panne");
    };
    // The failure goes to whoever follows the run (the window hands it to
    // the debug sink on its own thread), never straight to the sink.
    static int puits = 0;
    Debug::SetSink([](int, const std::string&, int, const std::vector<std::string>&) { ++puits; });
    EXPECT_FALSE(b.calc.Calcule(Conditions(30, 5), &s));
    Debug::SetSink(nullptr);
    EXPECT_EQ(puits, 0);
    EXPECT_EQ(s.erreurs, std::vector<std::string>{"panne"});
    EXPECT_EQ(b.calc.Resultats().Count(), 3);   // the steps stored stay
    // The copy is back at its starting attitude, and the next run goes.
    EXPECT_TRUE(b.calc.Copie()[0].Points == b.calc.CopieInitiale()[0].Points);
    EXPECT_TRUE(b.calc.Calcule(Conditions(30, 5)));
}

// A flooding point at the port deck edge goes under as the deck edge
// immerses (tan(phi) = freeboard / half-breadth = 1/2); its starboard twin
// stays out.
TEST(StabEnvahissement, FloodingPointsFollowTheFlotationPlane) {
    Barge b;
    b.doc.ListReperesEnv = {{"babord", -2.0, 5.0, 1.0}, {"tribord", 2.0, 5.0, 1.0}};
    b.calc.Init(b.doc, kRho);
    RecordingScope r;
    ASSERT_TRUE(b.calc.Calcule(Conditions(60, 5)));
    ASSERT_EQ(b.calc.Envahissement().size(), 2u);
    const TIntegerList& babord = b.calc.Envahissement()[0];
    const TIntegerList& tribord = b.calc.Envahissement()[1];
    ASSERT_EQ(babord.Count(), 13);
    for (int k = 0; k < 13; ++k) {
        EXPECT_EQ(babord.Get(k), 5 * k < 26.57 ? 1 : -1) << k;
        EXPECT_EQ(tribord.Get(k), 1) << k;
    }
    // A new run starts the lists afresh.
    ASSERT_TRUE(b.calc.Calcule(Conditions(10, 5)));
    EXPECT_EQ(b.calc.Envahissement()[0].Count(), 3);
}
// The trim convention on a shaped hull of four surfaces, at every heel: G
// forward of B trims the +Y end down, G aft of it the -Y end, and the search
// ends with B under G within a few iterations.
TEST(StabAssiette, ShapedHullTrimsTowardsGAtEveryHeel) {
    Document doc;
    doc.FormeAffichee = true;
    fixtures::CoqueQuatreSurfaces(doc, 20);
    Stab::TStabCalc calc;
    calc.Init(doc, kRho);
    const TVertex3f b0 = calc.BInitial();
    const double w = calc.DeplacementInitial() / 1000.0;
    RecordingScope r;
    for (double dy : {0.3, -0.8}) {
        calc.SetChargement({0.0, b0.Y + dy, 0.25}, calc.DeplacementInitial());
        for (double gite = 0.0; gite <= 180.0; gite += 30.0) {
            std::vector<double> leviers;
            const Stab::TEquilibre e = calc.IsoCarene(gite, w, w * 1e-4, 0.01, kRho, &leviers);
            SCOPED_TRACE(testing::Message() << dy << " " << gite);
            EXPECT_TRUE(e.Converge && leviers.size() <= 8u && (dy > 0.0) == (e.Assiette < 0.0));
            EXPECT_NEAR(e.B.Y, b0.Y + dy, 2e-3);
            EXPECT_NEAR(e.Masse, w, w * 1e-4);
            // The stem (+Y) against the stern, from zero trim to the trim found.
            auto etrave = [&](double assiette) {
                calc.Pose(gite, assiette, e.Enfoncement);
                const TArrayVertex3f& avant = calc.Copie()[1].Points;    // keel, forward half
                const TArrayVertex3f& arriere = calc.Copie()[0].Points;  // keel, aft half
                return avant[0][avant.cols() - 1].Z - arriere[0][0].Z;
            };
            EXPECT_EQ(dy > 0.0, etrave(e.Assiette) < etrave(0.0));
        }
    }
    EXPECT_TRUE(r.rec.messages.empty());
}
