// Geometry records and 4x4 matrices.
#include <gtest/gtest.h>

#include "model/Geom.h"
#include "tests/support/Proches.h"

namespace {

TVertex3f Apply(const TMatrice& m, TVertex3f p) {
    TVertex3f q;
    Matrice::Transformation3D(m, p, q);
    return q;
}

}  // namespace

TEST(Matrices, TransformationNeverDividesByTheFourthRow) {
    TMatrice m = Matrice::Identity();
    m[0][3] = 1;
    m[3] = {5, 6, 7, 8};   // a projective row, ignored
    EXPECT_EQ(Apply(m, {1, 2, 3}), (TVertex3f{2, 2, 3}));
    TVertex3f p{1, 2, 3};
    Matrice::Transformation3D(m, p);   // in place
    EXPECT_EQ(p, (TVertex3f{2, 2, 3}));
    Matrice::Transformation3D(m, p, p);   // output aliasing the input
    EXPECT_EQ(p, (TVertex3f{3, 2, 3}));
}

TEST(Matrices, ProductOrderAndAliasing) {
    TMatrice t, r, tr, rt;
    Matrice::MatTranslation({1, 0, 0}, t);
    Matrice::MatRotationZ(r, 90);
    Matrice::ProduitMatrice4(t, r, tr);   // turn first, then move
    Matrice::ProduitMatrice4(r, t, rt);   // move first, then turn
    ExpectNear(Apply(tr, {1, 0, 0}), {1, 1, 0});
    ExpectNear(Apply(rt, {1, 0, 0}), {0, 2, 0});
    TMatrice acc = t;
    Matrice::ProduitMatrice4(acc, r, acc);   // result written over an input
    EXPECT_EQ(acc, tr);
}

TEST(Matrices, RotationOrders) {
    // MatRotation3D turns about X, then Y, then Z; the "inverse" form about
    // Z, then Y, then X, with the same angles (with the angles negated it
    // undoes MatRotation3D: the frame angles' test).
    TMatrice m;
    Matrice::MatRotation3D({0, 0, 0}, {90, 90, 0}, m);
    ExpectNear(Apply(m, {0, 1, 0}), {-1, 0, 0});
    Matrice::MatRotationInv3D({0, 0, 0}, {90, 90, 0}, m);
    ExpectNear(Apply(m, {0, 1, 0}), {0, 0, 1});
}

