// The offsets table, the development of ruled surfaces and the area table,
// against shapes whose answers are known.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

#include "calc/Developpement.h"
#include "calc/Hydrostat.h"
#include "calc/TabCotes.h"
#include "calc/TableAires.h"
#include "model/Update.h"
#include "tests/support/CareneFixtures.h"

namespace {

void Lignes(Document& doc, std::vector<double> sec, std::vector<double> le) {
    TDefGrille& g = doc.DefGrille;
    g.NbSec = static_cast<int>(sec.size());
    g.NbLE = static_cast<int>(le.size());
    for (std::size_t k = 0; k < sec.size(); ++k) g.Sec.Val[k + 1] = sec[k];
    for (std::size_t k = 0; k < le.size(); ++k) g.LE.Val[k + 1] = le[k];
}

TSurface* Nurbs(Document& doc, int forme) {
    TSurface* s = doc.NouvelleSurface("s");
    s->Net.Initialise(forme);
    return s;
}

}  // namespace

// A box and a Wigley hull, whose half-breadths are known, crossed by every
// station and waterline once on each side.
TEST(TabCotes, OffsetsAreTheHalfBreadthsOnBothSides) {
    const double L = 10, B = 2, T = 1;
    const int n = 41;
    auto wigley = [&](double y, double z) { return B / 2 * (1 - 4 * y * y / (L * L)) * (1 - z * z / (T * T)); };
    struct Cas {
        std::unique_ptr<TDXFSurface> s;
        std::vector<double> sec, le;
        std::function<double(double, double)> demi;
        double tol;
    } cas[] = {
        {fixtures::Caisson(TDefGrille{}), {0.5, 2.5, 5.0, 9.5}, {-0.75, -0.5, 0.0, 0.3, 0.99}, [](double, double) { return 2.0; }, 1e-12},
        {fixtures::Maillage(n, n, [&](int i, int j) -> TVertex3f {
             const double z = -T + T * i / (n - 1), y = -L / 2 + L * j / (n - 1);
             return {wigley(y, z), y, z};
         }),
         {-3.8, -1.1, 0.0, 2.6}, {-0.8, -0.45, -0.1}, wigley, 1e-3},
    };
    for (Cas& c : cas) {
        Document doc = fixtures::DocAvec(std::move(c.s));
        ObjCom::MajSurface(doc, true, -1);
        Lignes(doc, c.sec, c.le);
        TListSurf toutes;
        toutes.Add(0);
        const auto cotes = TabCotes::Calcule(doc, toutes, false);
        ASSERT_EQ(cotes.size(), c.sec.size() * c.le.size() * 2);
        std::map<std::pair<double, double>, int> parPlan;
        for (const auto& k : cotes) {
            EXPECT_NEAR(std::fabs(k.P.X), c.demi(k.P.Y, k.P.Z), c.tol) << k.P.Y << " " << k.P.Z;
            ++parPlan[{k.P.Y, k.P.Z}];
        }
        for (const auto& [plan, m] : parPlan) EXPECT_EQ(m, 2) << plan.first << " " << plan.second;
        EXPECT_EQ(TabCotes::Lignes(cotes)[1].substr(0, 2), "1;");
    }
}

// A cylinder and a cone lay flat with their true lengths, a twisted plate
// (1 x 2 m, one corner raised 0.8 m) does not; the error is the surface's,
// nearly the same whatever the evaluation precision.
TEST(Developpement, CandidatesAndAnErrorOfTheSurfaceAtEveryPrecision) {
    for (int precision : {10, 20, 100}) {
        Document doc;
        doc.FormeAffichee = true;
        doc.Precision = precision;
        Nurbs(doc, 4);                                      // half cylinder, order 4 both ways: not ruled by its net
        TSurface* s[3] = {Nurbs(doc, 4), Nurbs(doc, 4), Nurbs(doc, 1)};
        s[0]->Net.CFlex = s[1]->Net.CFlex = 2;              // 2 columns of order 2: straight along the axis
        for (int i = 0; i < 4; ++i) {                       // the cone's far end halved about the axis X = 0, Z = 1
            TVertex4f& p = s[1]->Net.TabPC[i][1];
            p = {p.X / 2, p.Y, 1 + (p.Z - 1) / 2, p.W};
        }
        s[2]->Net.LFlex = s[2]->Net.CFlex = 2;
        s[2]->Net.TabPC[1][0].X = 1;
        s[2]->Net.TabPC[1][1] = {1, 2, 0.8, 1};
        ObjCom::MajSurface(doc, true, -1);
        EXPECT_EQ(Developpement::Candidats(doc), (std::vector<int>{1, 2, 3}));
        for (int k = 0; k < 3; ++k) {
            const auto d = Developpement::Developpe(*s[k]);
            EXPECT_EQ(d.DirectricePremiere, k == 2);
            EXPECT_TRUE(k == 2 ? std::fabs(d.Erreur - 0.12) < 0.01 : d.Erreur < 1e-6) << precision << " " << d.Erreur;
        }
    }
}

TEST(TableAires, ClosedBoxFloatingAtHalfDepth) {
    // Box 4 x 10, depth 2 from Z = -1: bottom 40, sides 2 x (10 x 2), ends
    // 2 x (4 x 2), deck 40; under Z = 0 the bottom, half the sides and ends.
    Document doc = fixtures::DocAvec(fixtures::Caisson(TDefGrille{}));
    doc.Surface(0)->Jonction = 0;   // the ends are not facets of the grid: the skin alone
    const auto a = TableAires::Aires(doc);
    ASSERT_EQ(a.size(), 2u);
    EXPECT_NEAR(a[0].Totale, 40 + 40 + 2 * 20, 1e-9);
    EXPECT_NEAR(a[0].Immergee, 40 + 2 * 10, 1e-9);
    EXPECT_NEAR(a[0].Emergee, 40 + 2 * 10, 1e-9);
    EXPECT_NEAR(a[1].Totale, a[0].Totale, 0.0);
    // The hydrostatics' wetted area, where no junction is counted: one number.
    Document coque = Document::Defaut();
    const double table = TableAires::Aires(coque)[0].Immergee;
    TVertex3f cc;
    double vol = 0, mouillee = 0;
    Hydrostat::CalcDeplacement(coque, Hydrostat::ListeCalcul(coque), cc, vol, mouillee);
    EXPECT_EQ(table, mouillee);

    doc.Surface(0)->Voile = 1;
    const auto voiles = TableAires::Voiles(doc);
    ASSERT_EQ(voiles.size(), 2u);
    EXPECT_NEAR(voiles[1].Aire, voiles[0].Aire, 0.0);
}
