// A symmetric hull floats upright: the two halves of a surface with its
// mirror are faceted alike, so the centre of buoyancy lies on the centreline,
// the righting arm at zero heel is zero, and the hull heeled to either side
// rights itself alike. On NURBS hulls, whose cells are not flat, so that the
// way each cell is cut into triangles matters.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "calc/Hydrostat.h"
#include "calc/Stab.h"
#include "model/Document.h"
#include "model/Update.h"
#include "tests/support/RecordingUi.h"

namespace {

constexpr double kRho = 1.026;

// The default hull evaluated at a precision, with its mirror on X = 0 and,
// on request, its junction (which closes the transom and the deck).
Document CoqueDefaut(int precision, bool jonction) {
    Document doc = Document::Defaut();
    TEntity* s = doc.Surface(0);
    s->ResizeGrilles(precision + 1, precision + 1);
    s->Jonction = jonction ? 1 : 0;
    ObjCom::MajSurface(doc, true, -1);
    return doc;
}

// A hull of two NURBS surfaces meeting at the chine, each mirrored on X = 0:
// a bottom whose rows run from the keel to the chine, and topsides whose
// rows run from the sheer down to the chine, turned outward by their
// orientation flag. Skewed nets and uneven weights; the chine dips under the
// waterline amidships, so both surfaces are cut by it.
Document CoqueDeuxSurfaces(int precision) {
    using Rang = std::array<TVertex4f, 4>;
    const Rang quille{{{0, 0, 0.05, 1}, {0, 2.1, -0.55, 1}, {0, 4.3, -0.4, 1}, {0, 6.2, 0.2, 1}}};
    const Rang fond{{{0.8, 0, -0.05, 1.3}, {1.0, 1.8, -0.65, 0.8}, {0.7, 4.6, -0.45, 1.2}, {0, 6.3, 0.1, 1}}};
    const Rang bouchain{{{1.15, 0, 0.3, 1}, {1.4, 2.3, -0.25, 0.9}, {1.1, 4.0, 0.05, 1.1}, {0, 6.4, 0.35, 1}}};
    const Rang flanc{{{1.25, 0, 0.6, 0.7}, {1.6, 2.2, 0.4, 1.4}, {1.25, 4.1, 0.45, 1}, {0, 6.55, 0.7, 1}}};
    const Rang liston{{{1.3, 0, 0.95, 1}, {1.55, 2.0, 0.85, 1}, {1.2, 4.4, 0.9, 1}, {0, 6.7, 1.05, 1}}};
    Document doc;
    doc.Precision = precision;
    auto surface = [&](const char* nom, std::array<Rang, 3> rangs, int orientation) {
        TSurface* s = doc.NouvelleSurface(nom);
        s->Net.NbL = 3, s->Net.NbC = 4;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 4; ++j) s->Net.TabPC[i][j] = rangs[i][j];
        s->Orientation = static_cast<std::uint8_t>(orientation);
    };
    surface("Fond", {quille, fond, bouchain}, 1);
    surface("Bordé", {liston, flanc, bouchain}, 0);
    ObjCom::MajSurface(doc, true, -1);
    return doc;
}

double VolumeImmerge(const Document& doc) {
    TVertex3f cc;
    double v = 0.0, aire = 0.0;
    Hydrostat::CalcDeplacement(doc, Hydrostat::ListeCalcul(doc), cc, v, aire);
    return v;
}

}  // namespace

TEST(Symetrie, SymmetricHullsFloatUprightAtEveryPrecision) {
    RecordingScope ui;
    // The default hull, alone or joined, and the hull of bottom and topsides.
    for (int cas : {0, 1, 2}) {
        const bool jonction = cas == 1;
        for (int p : {10, 20, 50, 100}) {
            SCOPED_TRACE(testing::Message() << "hull " << cas << " at precision " << p);
            Document doc = cas < 2 ? CoqueDefaut(p, jonction) : CoqueDeuxSurfaces(p);

            // Centre of buoyancy on the centreline.
            TVertex3f cc;
            double v = 0.0, aire = 0.0;
            Hydrostat::CalcDeplacement(doc, Hydrostat::ListeCalcul(doc), cc, v, aire);
            ASSERT_GT(v, 0.1);
            EXPECT_NEAR(cc.X, 0.0, 1e-12);

            // The stability copy: its fast volume agrees with its facets, and
            // loaded on the centreline it floats with no righting arm.
            Stab::TStabCalc calc;
            calc.Init(doc, kRho);
            TVertex3f b;
            EXPECT_NEAR(calc.Deplacement(1.0, 0.0), calc.Deplacement(1.0, 0.0, b), 1e-12 * v);
            const double masse = 0.8 * v * kRho * 1000.0;
            calc.SetChargement({0.0, cc.Y, 0.2}, masse);
            const Stab::TConditionsStab cond{.GiteMax = 30.0, .Pas = 30.0};
            ASSERT_TRUE(calc.Calcule(cond));
            ASSERT_EQ(calc.Resultats().Count(), 2);
            const TGZ& droit = *calc.Resultats().GetGZ(0);
            EXPECT_NEAR(droit.XG - droit.XB, 0.0, 1e-12);

            // Heeled 30 degrees either way: the same righting arm.
            const TGZ& tribord = *calc.Resultats().GetGZ(1);
            calc.Pose(-30.0, 0.0);
            const double w = masse / 1000.0;
            const Stab::TEquilibre babord = calc.IsoCareneEnf(w, cond.ToleranceEnfoncement * w / 100.0, kRho);
            EXPECT_NEAR(tribord.XG - tribord.XB, babord.B.X - calc.GCourant().X, 1e-9);
            EXPECT_GT(tribord.XG - tribord.XB, 0.01);
        }
    }
}

// Faceting a smooth hull leaves an error that falls as the square of the
// cell size: each halving of the cells quarters the difference to the limit.
TEST(Symetrie, ImmersedVolumeConvergesAsTheSquareOfThePrecision) {
    RecordingScope ui;
    double v[4];
    const int precisions[4] = {25, 50, 100, 200};
    for (int k = 0; k < 4; ++k) v[k] = VolumeImmerge(CoqueDefaut(precisions[k], false));
    for (int k = 0; k + 2 < 4; ++k) EXPECT_NEAR((v[k + 1] - v[k]) / (v[k + 2] - v[k + 1]), 4.0, 0.1) << k;
}
