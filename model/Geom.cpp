#include "model/Geom.h"

#include <cmath>
#include <numbers>

#include "base/Debug.h"

TVertex4f ToVertex4f(TVertex3f p) { return {p.X, p.Y, p.Z, 1.0}; }
TVertex3f ToVertex3f(TVertex4f q) { return {q.X, q.Y, q.Z}; }

namespace Matrice {

void InitMatrice(TMatrice& m) {
    DBG_SCOPE("Matrice.InitMatrice");
    for (auto& row : m) row.fill(0.0);
    m[3][3] = 1.0;
}

TMatrice Identity() {
    TMatrice m;
    InitMatrice(m);
    m[0][0] = m[1][1] = m[2][2] = 1.0;
    return m;
}

void CopieMatrice(const TMatrice& a, TMatrice& b) {
    DBG_SCOPE("Matrice.CopieMatrice");
    b = a;
}

void ProduitMatrice4(TMatrice a, TMatrice b, TMatrice& c) {
    DBG_SCOPE("Matrice.ProduitMatrice4");
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double s = 0.0;
            for (int k = 0; k < 4; ++k) s += a[i][k] * b[k][j];
            c[i][j] = s;
        }
}

TVertex3f Transformed(const TMatrice& m, const TVertex3f& p) {
    TVertex3f q;
    q.X = m[0][0] * p.X + m[0][1] * p.Y + m[0][2] * p.Z + m[0][3];
    q.Y = m[1][0] * p.X + m[1][1] * p.Y + m[1][2] * p.Z + m[1][3];
    q.Z = m[2][0] * p.X + m[2][1] * p.Y + m[2][2] * p.Z + m[2][3];
    return q;
}

void Transformation3D(const TMatrice& m, TVertex3f p, TVertex3f& q) {
    DBG_SCOPE("Matrice.Transformation3D");
    q = Transformed(m, p);
}

void Transformation3D(const TMatrice& m, TVertex3f& p) {
    DBG_SCOPE("Matrice.Transformation3D");
    p = Transformed(m, p);
}

void MatTranslation(TVertex3f t, TMatrice& m) {
    DBG_SCOPE("Matrice.MatTranslation");
    InitMatrice(m);
    m[0][0] = m[1][1] = m[2][2] = 1.0;
    m[0][3] = t.X;
    m[1][3] = t.Y;
    m[2][3] = t.Z;
}

void Translation3D(TVertex3f t, TVertex3f& p) {
    DBG_SCOPE("Mat.Translation3D");
    TMatrice m;
    MatTranslation(t, m);
    p = Transformed(m, p);
}

static constexpr double kDeg = std::numbers::pi / 180.0;

void MatRotationX(TMatrice& m, double a) {
    DBG_SCOPE("Matrice.MatRotationX");
    const double c = std::cos(a * kDeg), s = std::sin(a * kDeg);
    m = {{{1, 0, 0, 0}, {0, c, -s, 0}, {0, s, c, 0}, {0, 0, 0, 1}}};
}

void MatRotationY(TMatrice& m, double a) {
    DBG_SCOPE("Matrice.MatRotationY");
    const double c = std::cos(a * kDeg), s = std::sin(a * kDeg);
    m = {{{c, 0, -s, 0}, {0, 1, 0, 0}, {s, 0, c, 0}, {0, 0, 0, 1}}};
}

void MatRotationZ(TMatrice& m, double a) {
    DBG_SCOPE("Matrice.MatRotationZ");
    const double c = std::cos(a * kDeg), s = std::sin(a * kDeg);
    m = {{{c, -s, 0, 0}, {s, c, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
}

void MatRotation3D(TVertex3f centre, TVertex3f angles, TMatrice& m) {
    DBG_SCOPE("Matrice.MatRotation3D");
    TMatrice t, tInv, rx, ry, rz, acc;
    MatTranslation(centre, t);
    MatTranslation({-centre.X, -centre.Y, -centre.Z}, tInv);
    MatRotationX(rx, angles.X);
    MatRotationY(ry, angles.Y);
    MatRotationZ(rz, angles.Z);
    ProduitMatrice4(t, rz, acc);
    ProduitMatrice4(acc, ry, acc);
    ProduitMatrice4(acc, rx, acc);
    ProduitMatrice4(acc, tInv, m);
}

void MatRotationInv3D(TVertex3f centre, TVertex3f angles, TMatrice& m) {
    DBG_SCOPE("Matrice.MatRotationInv3D");
    TMatrice t, tInv, rx, ry, rz, acc;
    MatTranslation(centre, t);
    MatTranslation({-centre.X, -centre.Y, -centre.Z}, tInv);
    MatRotationX(rx, angles.X);
    MatRotationY(ry, angles.Y);
    MatRotationZ(rz, angles.Z);
    ProduitMatrice4(t, rx, acc);
    ProduitMatrice4(acc, ry, acc);
    ProduitMatrice4(acc, rz, acc);
    ProduitMatrice4(acc, tInv, m);
}

void Rotation3D(TVertex3f centre, TVertex3f angles, TVertex3f& p) {
    DBG_SCOPE("Matrice.Rotation3D");
    TMatrice m;
    MatRotation3D(centre, angles, m);
    p = Transformed(m, p);
}

void MatEchelle3D(TVertex3f f, TMatrice& m) {
    DBG_SCOPE("Matrice.MatEchelle3D");
    InitMatrice(m);
    m[0][0] = f.X;
    m[1][1] = f.Y;
    m[2][2] = f.Z;
}

void MatHomothetie3D(TVertex3f f, TVertex3f centre, TMatrice& m) {
    DBG_SCOPE("Matrice.MatHomothetie3D");
    TMatrice t, tInv, s, acc;
    MatTranslation(centre, t);
    MatTranslation({-centre.X, -centre.Y, -centre.Z}, tInv);
    MatEchelle3D(f, s);
    ProduitMatrice4(t, s, acc);
    ProduitMatrice4(acc, tInv, m);
}

}  // namespace Matrice
