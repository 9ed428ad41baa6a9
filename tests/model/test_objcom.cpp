// Shared object classes and the reference-line definition.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>

#include "model/Calcs.h"
#include "model/Entity.h"
#include "model/Grille.h"
#include "model/ObjCom.h"
#include "tests/support/Proches.h"

TEST(ObjComPlanSym, RotationAnglesUndoTheFrame) {
    // Frames turned as the move-and-rotate dialog turns them; the angles found
    // must bring the axes back onto the world axes.
    const TVertex3f cases[] = {{10, -25, 40}, {0, 0, 90}, {-70, 30, -160}, {0, 0, 0}, {45, 0, 0}};
    for (const TVertex3f& a : cases) {
        TPlanSym p;
        TMatrice m;
        Matrice::MatRotation3D({0, 0, 0}, a, m);
        for (TVertex3f* axe : {&p.Axis1, &p.Axis2, &p.Axis3}) Matrice::Transformation3D(m, *axe);
        p.MajEquation();

        const TVertex3f found = p.CalcAnglesRotation();
        ExpectNear(found, a, 1e-9);

        TMatrice back;
        Matrice::MatRotationInv3D({0, 0, 0}, {-found.X, -found.Y, -found.Z}, back);
        for (auto [axe, monde] : {std::pair{p.Axis1, TVertex3f{1, 0, 0}}, {p.Axis2, {0, 1, 0}}, {p.Axis3, {0, 0, 1}}})
            ExpectNear(Matrice::Transformed(back, axe), monde, 1e-12);
    }
}

TEST(ObjComTronque, CutsCharactersNotBytes) {
    EXPECT_EQ(ObjCom::Tronque("Surface1", 20), "Surface1");
    EXPECT_EQ(ObjCom::Tronque("abcdefghijklmnopqrstuvwxyz", 20), "abcdefghijklmnopqrst");
    // Twenty characters, of which several take two bytes: nothing is cut
    // inside a character.
    const std::string nom = "Étrave à l'œuvre été";  // 20 characters
    EXPECT_EQ(ObjCom::Tronque(nom, 20), nom);
    EXPECT_EQ(ObjCom::Tronque(nom + "s", 20), nom);
    EXPECT_EQ(ObjCom::Tronque(nom, 1), "É");
    EXPECT_EQ(ObjCom::Tronque("", 5), "");
}

TEST(ObjComMeshNormales, FlatAndCylindricalGrids) {
    // Rows along X, columns along Y: the normal is X x Y = +Z, as for a NURBS
    // surface laid the same way.
    TArrayVertex3f g(3, 4), n;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) g[i][j] = {0.5 * i, 0.7 * j, -1.0};
    ObjCom::MeshNormales(g, n);
    ExpectNear(n[2][3], {0, 0, 1});

    // A quarter cylinder of radius 2 about the Y axis, rows round the axis
    // from the keel up (-Z to +X), columns along Y: the normals are unit and
    // radial, pointing inward as (row direction) x (column direction) does.
    const int rows = 7, cols = 3;
    TArrayVertex3f c(rows, cols);
    for (int i = 0; i < rows; ++i) {
        const double t = -std::numbers::pi / 2 + (std::numbers::pi / 2) * i / (rows - 1);
        for (int j = 0; j < cols; ++j) c[i][j] = {2 * std::cos(t), 1.5 * j, 2 * std::sin(t)};
    }
    ObjCom::MeshNormales(c, n);
    for (int i = 1; i < rows - 1; ++i)  // inner rows: symmetric neighbourhoods
        for (int j = 0; j < cols; ++j) ExpectNear(n[i][j], {-c[i][j].X / 2, 0, -c[i][j].Z / 2}, 1e-12);
    EXPECT_NEAR(Calcs::NormeVecteur(n[0][0]), 1.0, 1e-12);
}

TEST(Grille, MinMaxGrilleBounds) {
    TDefGrille g;
    g.NbSec = 1;
    g.Sec.Val[1] = 3;
    g.NbLE = 2;
    g.LE.Val[1] = 0.5;
    g.LE.Val[2] = -0.25;
    g.NbDiag = 1;  // diagonals take no part
    g.DiagPos.Val[1] = -50;
    Grille::MinMaxGrille(g);
    EXPECT_EQ(std::tuple(g.Min.Y, g.Min.Z, g.Max.Z), std::tuple(3, -0.25, 0.5));

    // A count beyond the capacity reads only the 100 lines there are.
    g.NbLongit = 250;
    for (int i = 1; i <= kMaxLignesGrille; ++i) g.Longit.Val[i] = i * 0.1;
    Grille::MinMaxGrille(g);
    EXPECT_EQ(std::tuple(g.Max.X, g.NbLongitUtil()), std::tuple(10.0, 100));
    g.NbLongit = -3;
    EXPECT_EQ(g.NbLongitUtil(), 0);
}

