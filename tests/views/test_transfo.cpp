// Rigid moves of whole surfaces, checked on the box barge whose volume and
// centre are known.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "model/Document.h"
#include "tests/support/CareneFixtures.h"
#include "tests/support/Proches.h"
#include "views/Transfo.h"

namespace {

// The box barge (L 10 from Y 0, B 4, keel -1, deck 1) with one weight on it
// and one weight of its own.
Document DocCaisson() {
    Document doc;
    doc.AjouteSurface(fixtures::Caisson(doc.DefGrille));
    doc.ListPoids.push_back({"Moteur", 500.0, 1.0, 2.0, 0.0, 0});
    doc.ListPoids.push_back({"Lest", 100.0, 0.0, 5.0, -1.0, -1});
    return doc;
}

void Evalue(Document& doc) {
    TEntity& s = *doc.Surface(0);
    s.CalcSurface();
    s.MajVolumes();
}

TEST(TransfoSurf, MoveCarriesCentreFrameAndAttachedWeightOnly) {
    Document doc = DocCaisson();
    Evalue(doc);
    const double v0 = doc.Surface(0)->Volume;
    const TVertex3f c0 = doc.Surface(0)->CentreVolume;

    Transfo::TranslationSurf(doc, 0, {1, 2, 3}, true, true);
    EXPECT_EQ(doc.Surface(0)->Calculee, 0);
    Evalue(doc);
    EXPECT_NEAR(doc.Surface(0)->Volume, v0, 1e-9);
    ExpectNear(doc.Surface(0)->CentreVolume, {c0.X + 1, c0.Y + 2, c0.Z + 3});
    ExpectNear(doc.Surface(0)->PlanSym.Origin, {1, 2, 3});
    EXPECT_DOUBLE_EQ(doc.Surface(0)->PlanSym.D, -1.0);  // the plane X = 1
    EXPECT_EQ(doc.ListPoids[0], (TPoids{"Moteur", 500.0, 2.0, 4.0, 3.0, 0}));
    EXPECT_EQ(doc.ListPoids[1], (TPoids{"Lest", 100.0, 0.0, 5.0, -1.0, -1}));
    EXPECT_NEAR(doc.PoidsTotal.Masse, 600.0, 1e-9);

    // Without frame and weights only the points move.
    Transfo::TranslationSurf(doc, 0, {0, 0, -3}, false, false);
    ExpectNear(doc.Surface(0)->PlanSym.Origin, {1, 2, 3});
    EXPECT_DOUBLE_EQ(doc.ListPoids[0].Z, 3.0);
}

TEST(TransfoSurf, RotationAboutCentreMapsBoxBounds) {
    Document doc = DocCaisson();
    doc.Surface(0)->Sym = 0;  // one side only: bounds of the points themselves
    Transfo::RotationSurf(doc, 0, {0, 0, 90}, {0, 5, 0}, true, false, true);
    Evalue(doc);
    const TEntity& s = *doc.Surface(0);
    // Half breadth X 0..2, length Y 0..10 about (0, 5): X -5..5, Y 5..7.
    ExpectNear({s.PtMinX.X, s.PtMinY.Y, s.PtMinZ.Z}, {-5, 5, -1});
    ExpectNear({s.PtMaxX.X, s.PtMaxY.Y, s.PtMaxZ.Z}, {5, 7, 1});
    ExpectNear(s.PlanSym.Origin, {5, 5, 0});
    ExpectNear(s.PlanSym.Axis1, {0, 1, 0});
    ExpectNear(s.PlanSym.Axis2, {-1, 0, 0});
    ExpectNear({doc.ListPoids[0].X, doc.ListPoids[0].Y, doc.ListPoids[0].Z}, {3, 6, 0});
}

// "Modifier uniquement le plan de symétrie": a rotation turns the frame
// alone; a move carries the points with the frame.
TEST(TransfoSurf, FrameOnlyTurnsTheFrameAloneAndMovesEverything) {
    Document doc = DocCaisson();
    const TArrayVertex3f avant = doc.Surface(0)->Points;
    Transfo::TParams p;
    p.PlanSymSeul = true;
    p.Angles = {30, 0, 0};
    Transfo::Tourne(doc, {true}, p);
    EXPECT_EQ(doc.Surface(0)->Points, avant);
    ExpectNear(doc.Surface(0)->PlanSym.Axis3, {0, -0.5, std::sqrt(3.0) / 2});

    p.Depl = {1, 0, 0};
    Transfo::Deplace(doc, {true}, p);
    ExpectNear(doc.Surface(0)->Points[1][2], {avant[1][2].X + 1, avant[1][2].Y, avant[1][2].Z});
    ExpectNear(doc.Surface(0)->PlanSym.Origin, {1, 0, 0});
}

TEST(TransfoSurf, ResizeDoublingYDoublesTheVolume) {
    Document doc = DocCaisson();
    Evalue(doc);
    std::vector<TDim> dims{Transfo::DimSurf(*doc.Surface(0))};
    const std::vector<bool> sel{true};
    Transfo::TParams p;
    p.Mesure = Transfo::DimSelection(dims, sel);
    EXPECT_FLOAT_EQ(p.Mesure.X.Size, 4.0f);  // with its mirror
    EXPECT_FLOAT_EQ(p.Mesure.Y.Size, 10.0f);
    p.Taille = {p.Mesure.X.Size, 20.0, p.Mesure.Z.Size};
    Transfo::Redimensionne(doc, sel, p);
    Evalue(doc);
    EXPECT_NEAR(doc.Surface(0)->Volume, 160.0, 1e-9);
    EXPECT_NEAR(doc.Surface(0)->PtMaxY.Y, 20.0, 1e-9);
    // Nothing chosen measures nothing; a flat axis scales by one.
    EXPECT_EQ(Transfo::DimSelection(dims, {false}).X.Size, 0.0f);
    EXPECT_TRUE(Transfo::Facteur(5.0, 0.0) == 1.0 && Transfo::Facteur(5.0, 2.5) == 2.0);
}

// A size typed as twice the extent doubles that axis to the last bits, also
// for extents that single precision would round (2.9, 0.3).
TEST(TransfoSurf, ResizeToTwiceTheExtentIsAnExactDoubling) {
    // Breadth (with the mirror), keel, deck, start and length of a box.
    for (const auto& [b, quille, pont, y0, l] : std::vector<std::array<double, 5>>{
             {2.9, 0.0, 2.9, 0.0, 2.9}, {2.9, -1.2, 1.7, 0.3, 5.8}, {0.6, 0.1, 0.4, -0.7, 1.1}}) {
        Document doc;
        doc.AjouteSurface(fixtures::Extrusion(fixtures::SectionCaisson(b, quille, pont, 2, 3, 2), y0, l, 4, doc.DefGrille));
        Evalue(doc);
        const std::vector<bool> sel{true};
        Transfo::TParams p;
        p.Mesure = Transfo::DimSelection({Transfo::DimSurf(*doc.Surface(0))}, sel);
        p.Taille = {2 * b, 2 * l, 2 * (pont - quille)};
        const TArrayVertex3f avant = doc.Surface(0)->Points;
        Transfo::Redimensionne(doc, sel, p);
        Evalue(doc);
        const TEntity& s = *doc.Surface(0);
        for (int i = 0; i < avant.rows(); ++i)
            for (int j = 0; j < avant.cols(); ++j)
                ExpectNear(s.Points[i][j], {2 * avant[i][j].X, 2 * avant[i][j].Y, 2 * avant[i][j].Z}, 1e-14);
        EXPECT_NEAR(s.PtMaxZ.Z - s.PtMinZ.Z, 2 * (pont - quille), 1e-14) << b << " " << quille << " " << pont;
    }
}

// Relative positions kept: a scaling about the world origin, the frame
// origin scaled with it; left in place: about the surface's own origin.
TEST(TransfoSurf, ResizeAboutTheWorldOrOwnOrigin) {
    for (bool relatif : {true, false}) {
        Document doc = DocCaisson();
        doc.Surface(0)->PlanSym.Origin = {0, 4, 0};
        Transfo::TailleSurf(doc, 0, {1, 2, 1}, relatif);
        ExpectNear(doc.Surface(0)->PlanSym.Origin, {0, relatif ? 8.0 : 4.0, 0});
        const TVertex3f& bout = doc.Surface(0)->Points[0][10];  // was at Y = 10
        EXPECT_NEAR(bout.Y, relatif ? 20.0 : 16.0, 1e-12);
    }
}

TEST(TransfoSurf, MirrorTwiceIsTheIdentityToTheBit) {
    Document doc = DocCaisson();
    doc.AjouteSurface(fixtures::Caisson(doc.DefGrille, 3, 3, 3, 7, 0.1));
    doc.Surface(1)->PlanSym.Origin = {0.3, 0.7, 0.1};
    doc.Surface(1)->PlanSym.MajEquation();
    Transfo::TParams p;
    p.MirVer = p.MirHor = true;
    const std::vector<bool> sel{true, true};
    const TArrayVertex3f a0 = doc.Surface(1)->Points;
    const TPlanSym f0 = doc.Surface(1)->PlanSym;
    const TListPoids w0 = doc.ListPoids;
    Transfo::Miroirs(doc, sel, p);
    EXPECT_NE(doc.Surface(1)->Points, a0);
    EXPECT_DOUBLE_EQ(doc.ListPoids[0].X, -1.0);
    Transfo::Miroirs(doc, sel, p);
    EXPECT_TRUE(doc.Surface(1)->Points == a0 && doc.Surface(1)->PlanSym == f0 && doc.ListPoids == w0);
}

}  // namespace
