// Surface entities: evaluation, mirrors, bounds, cut families, areas,
// volumes and weights.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <tuple>

#include "model/Calcs.h"
#include "model/Entity.h"
#include "tests/support/CareneFixtures.h"
#include "tests/support/Proches.h"
#include "tests/support/RecordingUi.h"

namespace {

// A flat plate X in [x0, x0 + bx], Y in [0, ly] at height z, rows along X
// and columns along Y, of rows x cols points.
TDXFSurface Plaque(double x0, double bx, double ly, double z, int rows, int cols,
                   const TDefGrille& grille = TDefGrille{}) {
    TDXFSurface s(0, rows, cols, grille);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) s.Points[i][j] = {x0 + bx * i / (rows - 1), ly * j / (cols - 1), z};
    return s;
}

}  // namespace

TEST(Entity, NurbsPlateEvaluationReportsAndMirrors) {
    RecordingScope r;
    TSurface s(0, 10, TDefGrille{});
    s.SetNom("Pont");
    s.Net.Initialise(1);  // the plane Z = 0 from (0, 0) to (2, 2)
    s.CalcSurface();

    ASSERT_EQ(s.Calculee, 1);
    for (int i = 0; i <= 10; ++i)
        for (int j = 0; j <= 10; ++j) {
            EXPECT_NEAR(s.Points[i][j].Z, 0.0, 1e-15);
            ExpectNear(s.Normales[i][j], {0, 0, 1}, 1e-12);
        }
    // Rows reversed, X negated.
    ExpectNear(s.PointsSym[0][3], {-s.Points[10][3].X, s.Points[10][3].Y, 0}, 1e-15);
    // The borders lie a hair inside the net (parameters kept off the ends).
    EXPECT_NEAR(s.Points[0][0].X, 0.0, 1e-5);
    EXPECT_NEAR(s.Points[10][10].X, 2.0, 1e-5);
    EXPECT_EQ(std::tuple(r.rec.progressShown, r.rec.messages.size()), std::tuple(r.rec.progressHidden, 0u));
}

TEST(Entity, MirrorNormalsFollowTheSurfacesOwnPlane) {
    // The transverse plane Y = 0 (normals along Y) mirrored in the plane
    // Y = 1: points go to Y = 2, normals turn over along Y, never moved by the
    // plane's offset. Reflected in X = 0 they would keep pointing the wrong way.
    TSurface s(0, 6, TDefGrille{});
    s.Net.Initialise(3);
    s.PlanSym.Origin = {0, 1, 0};
    s.PlanSym.Axis1 = {0, 1, 0};
    s.PlanSym.Axis2 = {-1, 0, 0};
    s.PlanSym.MajEquation();
    s.CalcSurface();
    ASSERT_NEAR(std::fabs(s.Normales[3][3].Y), 1.0, 1e-12);
    for (int i = 0; i <= 6; ++i)
        for (int j = 0; j <= 6; ++j) {
            const TVertex3f p = s.Points[6 - i][j], n = s.Normales[6 - i][j];
            ExpectNear(s.PointsSym[i][j], {p.X, 2.0 - p.Y, p.Z}, 1e-12);
            ExpectNear(s.NormalesSym[i][j], {n.X, -n.Y, n.Z}, 1e-12);
        }
}

TEST(Entity, EvaluationFailureChangesNothing) {
    RecordingScope r;
    TSurface s(0, 8, TDefGrille{});  // its net is empty
    s.Points[2][2] = {1, 2, 3};
    EXPECT_THROW(s.CalcSurface(), NurbsError);
    EXPECT_EQ(std::tuple(s.Calculee, s.Points[2][2], r.rec.progressShown), std::tuple(0, TVertex3f{1, 2, 3}, r.rec.progressHidden));
}

TEST(Entity, TransformationMovesTheDefiningPoints) {
    TMatrice t;
    Matrice::MatTranslation({1, -2, 0.5}, t);

    TSurface s(0, 4, TDefGrille{});
    s.Net.Initialise(0);
    s.Net.TabPC[1][1].W = 0.7;
    const TNet avant = s.Net;
    s.Calculee = 1;
    s.Transformation(t);
    EXPECT_EQ(s.Calculee, 0);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const TVertex4f& a = avant.TabPC[i][j];
            EXPECT_EQ(s.Net.TabPC[i][j], (TVertex4f{a.X + 1, a.Y - 2, a.Z + 0.5, a.W}));
        }
    EXPECT_EQ(s.Net.TabPC[3][3], avant.TabPC[3][3]);  // outside the net: untouched
    // A mesh must be evaluated again too (its moved points: the surface moves' tests).
    TDXFSurface m = Plaque(0, 1, 1, 0, 2, 2);
    m.Calculee = 1;
    m.Transformation(t);
    EXPECT_EQ(m.Calculee, 0);
}

TEST(Entity, BoundsIncludeTheMirrorOnlyWhenSymmetric) {
    TDXFSurface m = Plaque(1, 2, 3, -0.5, 3, 4);
    m.Points[1][2].Z = 2;
    m.CalcSurface();
    // PtMinX from the mirror, first met; ties keep the first point met.
    EXPECT_EQ(std::tuple(m.PtMinX, m.PtMaxZ, m.PtMinZ), std::tuple(TVertex3f{-3, 0, -0.5}, TVertex3f{2, 2, 2}, TVertex3f{1, 0, -0.5}));

    m.Sym = 0;
    m.Calculee = 0;
    m.CalcSurface();
    EXPECT_EQ(m.PtMinX, (TVertex3f{1, 0, -0.5}));
}

TEST(Entity, StationFamilyCutsOnce) {
    RecordingScope r;
    TDefGrille g;
    g.NbSec = 3;
    g.Sec.Val[1] = 0.5;
    g.Sec.Val[2] = 1.25;
    g.Sec.Val[3] = 7;  // beyond the plate
    TDXFSurface m = Plaque(0.5, 1, 2, -0.2, 3, 5, g);
    m.SetNom("Fond");
    m.Sym = 0;
    m.CalcSurface();
    r.rec.status.clear();
    m.CalcAllSec(g, TOptionsCoupes{});

    ASSERT_EQ(std::tuple(m.Sec[1].Count(), m.Sec[2].Count(), m.Sec[2][0].Count()), std::tuple(1, 1, 3));
    const TListPt3D& l = m.Sec[2][0];
    for (const TPt3D& p : l) EXPECT_NEAR(p.P.Y, 1.25, 1e-15);
    EXPECT_TRUE(m.Sec[3].empty());
    for (const TCoupe& c : m.SecSym) EXPECT_TRUE(c.empty());  // not symmetric
    EXPECT_EQ(r.rec.status.front(), (std::pair<int, std::string>{3, "Couple 1 - Fond"}));

    // Done: a second call changes nothing; a new evaluation clears the flag.
    m.Sec[1].FreeAll();
    m.CalcAllSec(g, TOptionsCoupes{});
    EXPECT_TRUE(m.Sec[1].empty());
    m.CalcSurface();
    EXPECT_EQ(m.SecFait, 0);
}

TEST(Entity, CurvatureCombsAlongStations) {
    // A half cylinder of radius 1 about the Y axis as a mesh: its stations
    // are polygons inscribed in the unit circle, so every inner comb has
    // the value 1 and points at the axis.
    const int rows = 13;
    TDefGrille g;
    g.NbSec = 1;
    g.Sec.Val[1] = 1.5;
    TDXFSurface m(0, rows, 4, g);
    for (int i = 0; i < rows; ++i) {
        const double t = -std::numbers::pi / 2 + std::numbers::pi * i / (rows - 1);
        for (int j = 0; j < 4; ++j) m.Points[i][j] = {std::cos(t), 1.0 * j, std::sin(t)};
    }
    m.CalcSurface();
    TOptionsCoupes o;
    o.CourbureSections = true;
    m.CalcAllSec(g, o);
    ASSERT_EQ(m.Sec[1].Count(), 1);
    const TListPt3D& l = m.Sec[1][0];
    ASSERT_EQ(l.Count(), rows);
    EXPECT_EQ(std::tuple(l[0].V, l[rows - 1].V), std::tuple(TVertex3f{}, TVertex3f{}));
    for (int k = 1; k < rows - 1; ++k) ExpectNear(l[k].V, {-l[k].P.X, 0, -l[k].P.Z}, 1e-9);
    // The mirror's stations get no combs.
    for (const TListPt3D& ls : m.SecSym[1])
        for (const TPt3D& p : ls) EXPECT_EQ(p.V, (TVertex3f{}));
}

TEST(Entity, WeightsOfAFlatPlate) {
    // Half plate 1 x 2 at Z = -0.3 beside the centreline; with its mirror,
    // 4 square metres centred on (0, 1, -0.3).
    TDXFSurface m = Plaque(0.5, 1, 2, -0.3, 4, 5);
    m.CalcSurface();
    TVertex3f c;
    double aire = 0;
    m.CentreBorde(c, aire);
    EXPECT_NEAR(aire, 4.0, 1e-12);
    ExpectNear(c, {0, 1, -0.3}, 1e-12);

    // Kind 0: area x thickness x density x 1000.
    std::tie(m.TypePoids, m.Epaisseur, m.Densite) = std::tuple(tpEpaisseur, 0.01, 7.8);
    m.MajBarycentre();
    EXPECT_NEAR(m.Poids.Masse, 312.0, 1e-9);
    // One side only, its stale mirror grid left out: area 2 centred at X = 1.
    m.Sym = 0;
    m.MajBarycentre();
    EXPECT_NEAR(m.Poids.X, 1.0, 1e-12);
    m.Sym = 1;

    // Kind 2: area x mass per square metre.
    std::tie(m.TypePoids, m.PoidsParM2) = std::tuple(tpParM2, 3.5);
    m.MajBarycentre();
    EXPECT_NEAR(m.Poids.Masse, 14.0, 1e-12);

    // Kind 1 with a mass: at the area centre, mass kept.
    std::tie(m.TypePoids, m.Poids.Masse) = std::tuple(tpFixe, 50);
    m.Poids.X = m.Poids.Y = m.Poids.Z = 9;
    m.MajBarycentre();
    ExpectNear({m.Poids.X, m.Poids.Y, m.Poids.Z}, {0, 1, -0.3}, 1e-12);

    // Kinds 3 and 4 take the volume between the plate and the plane Z = 0: a
    // slab of 4 m2 by 0.3 m, whose centre lies halfway down.
    std::tie(m.TypePoids, m.Poids.Masse) = std::tuple(tpFixeVolume, 80);
    m.MajBarycentre();
    EXPECT_NEAR(m.Volume, 1.2, 1e-12);
    ExpectNear({m.Poids.X, m.Poids.Y, m.Poids.Z}, {0, 1, -0.15}, 1e-12);
    EXPECT_EQ(m.Poids.Masse, 80);
}

TEST(Entity, VolumesOfAClosedBox) {
    // The closed box barge 4 x 2 x 10 (Z from -1 to 1) as a half with its junction.
    for (int n : {1, 3}) {
        auto caisson = fixtures::Caisson(TDefGrille{}, n, n, n, 1 + n);
        TDXFSurface& m = *caisson;
        m.CalcSurface();
        m.MajVolumes();
        EXPECT_NEAR(m.Volume, 80.0, 1e-9) << n;
        ExpectNear(m.CentreVolume, {0, 5, 0}, 1e-9);
        EXPECT_NEAR(m.VolumeImmerge, 40.0, 1e-9);
        ExpectNear(m.CentreImmerge, {0, 5, -0.5}, 1e-9);
        // Weighed by its density: the whole enclosed volume at its centre, not the immersed half.
        std::tie(m.TypePoids, m.Densite) = std::tuple(tpVolume, 0.5);
        m.MajBarycentre();
        EXPECT_NEAR(m.Poids.Masse, 80 * 0.5 * 1000, 1e-6) << n;
        EXPECT_NEAR(m.Poids.Z, 0.0, 1e-9);
    }
    // Turned the other way, the same box encloses a negative volume.
    auto retourne = fixtures::Caisson(TDefGrille{}, 2, 2, 2, 2);
    retourne->Orientation = 0;
    retourne->CalcSurface();
    retourne->MajVolumes();
    EXPECT_NEAR(retourne->Volume, -80.0, 1e-9);
}
