// Point, vector and view geometry of the hull model.
//
// Stateless routines on which the model, the views and the exports rest:
// vector arithmetic on TVertex3f, distances and angles, triangles, mirror
// images, meeting of a line with a plane, projections onto a plane, and the
// projection of a model point into a view and onto the pixels of a view.
// Nothing here allocates.
#pragma once

#include <cstdint>
#include <span>

#include "model/Geom.h"

// Drawing surface of a view; defined by the drawing layer, only carried here.
class ICanvas;

// A pixel of a view (screen Y grows downwards).
struct TPoint {
    int X = 0, Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Kinds of view found in a view record.
enum TViewKind : std::uint8_t {
    vkSection = 0,      // transverse: X right, Z up
    vkPlan = 1,         // Y right, X down
    vkProfile = 2,      // Y right, Z up
    vkPerspective = 3,
    vkStudio = 6,
    vkStability = 7,
    vk3D = 8,           // exports: no projection, points stay 3-D
};

// Pen modes handed to the drawing routines.
constexpr std::uint8_t kPenCopy = 4;
constexpr std::uint8_t kPenXor = 14;   // rubber bands, drawn twice to erase

// The view record every drawing view keeps and hands to the drawing routines
// and the 2-D exports (nine cells, in this order).
struct TViewRecord {
    std::uint8_t Kind = vkSection;   // 0 view kind
    ICanvas* Canvas = nullptr;       // 1 where to draw
    std::uint8_t PenMode = kPenCopy; // 2 kPenCopy or kPenXor
    std::int32_t OriginX = 0;        // 3 pixel onto which the model origin projects
    std::int32_t OriginY = 0;        // 4
    float Scale = 1.0f;              // 5 pixels per metre
    float Azimuth = 0.0f;            // 6 radians
    float Elevation = 0.0f;          // 7 radians
    float Further = 0.0f;            // 8 kept with the perspective view
};

// Curvature comb of a point of a cut: vector and value.
struct TPeigne {
    TVertex3f V;
    double Valeur = 0.0;
};

// The user's curvature settings that Calcs::Courbure reads.
struct TOptionsCourbure {
    double Facteur = 1.0;        // neighbours drawn towards the point by this factor
    bool LongueurBrute = false;  // keep the comb at centre - P instead of its value's length
    int Cote = 0;                // 1: comb on the other side
};

namespace Calcs {

void CopieVertex3f(TVertex3f p, TVertex3f& q);
void CopieVecteur3f(TVertex3f p, TVertex3f& q);

// Point into the plane of a view with azimuth a and elevation b (radians):
// v.X = -sin a.X + cos a.Y; v.Y = -sin b cos a.X - sin b sin a.Y + cos b.Z.
void ProjectionVue(TVertex3f p, TVertex2f& v, double azimuth, double elevation);

// Model point onto the pixels of a view, rounding halves to even:
// pixel.X = round(scale.v.X) + originX, pixel.Y = originY - round(scale.v.Y).
// Returns false (pixel unchanged) when the pixel is not a finite value that
// fits an int: the caller skips the point.
bool VueVersPixel(TVertex3f p, TPoint& pixel, const TViewRecord& vue);

// The model point under a pixel of a 2-D view, the coordinate along the view's
// line of sight being horsVue: section (X, horsVue, Z), plan (X, Y, horsVue),
// profile (horsVue, Y, Z); the perspective gives (0, 0, 0). Returns false for
// other kinds or a zero scale.
bool PixelVersPoint(const TViewRecord& vue, TPoint pixel, double horsVue, TVertex3f& p);

// Mirror of p in the plane N.P + D = 0.
void CalcSym(TVertex3f p, TVertex3f n, double d, TVertex3f& q);
// p moved along u onto the plane N.P + D = 0 (p itself when u is parallel to it).
void CalcProjeteVect(TVertex3f p, TVertex3f u, TVertex3f n, double d, TVertex3f& q);
// p moved onto the plane keeping its X (NX), Y (NY) or Z (NZ).
void CalcProjeteNX(TVertex3f p, TVertex3f n, double d, TVertex3f& q);
void CalcProjeteNY(TVertex3f p, TVertex3f n, double d, TVertex3f& q);
void CalcProjeteNZ(TVertex3f p, TVertex3f n, double d, TVertex3f& q);

// Rotation of p by deg degrees in the plane of view kind 0 (about Y through
// centre), 1 (about Z) or 2 (about X). Another kind shows "Action non prévue",
// leaves p unchanged and returns false.
bool RotationAxe(int kind, TVertex3f centre, TVertex3f& p, double deg);

// Meeting of line P1P2 with the plane X = q.X (mode 1), Y = q.Y (2) or
// Z = q.Z (3); a parallel line gives the midpoint. Another mode shows
// "Cas impossible dans le mode de calcul des droites" and returns false.
bool CalcDroite(TVertex3f p1, TVertex3f p2, TVertex3f& q, int mode);

// Point q of line P1P2 where Z = m.X + c.
void InterDiagonale(TVertex3f p1, TVertex3f p2, TVertex3f& q, double m, double c);

// Unnormalised normal of triangle ABC (twice its signed projected areas).
void NormaleTriangle(TVertex3f a, TVertex3f b, TVertex3f c, TVertex3f& n);
// v / |v|; the zero vector becomes (0, 1, 0).
void NormalizeVertex3f(TVertex3f& v);

double Distance2D(TVertex2f a, TVertex2f b);
double Distance3D(TVertex3f a, TVertex3f b);
// Unsigned angle AOB in degrees, [0, 180]; 0 when A or B is on O.
double Angle2D(TVertex2f o, TVertex2f a, TVertex2f b);
// Unsigned angle AOB in degrees, [0, 180]; 0 when A or B is on O.
double Angle3D(TVertex3f a, TVertex3f o, TVertex3f b);
// Signed angle at O from OA to OB in degrees, (-180, 180], counter-clockwise
// positive; 0 when A or B is on O.
double AngleOriente2D(TVertex2f a, TVertex2f o, TVertex2f b);

// Centre of the circle through A, B, C; false when they are aligned.
bool CerclePar3Pts(TVertex3f a, TVertex3f b, TVertex3f c, TVertex3f& centre);
// Curvature comb at P from its neighbours A and C (value 1/radius, or
// 1/sqrt(radius) when racine is set).
void Courbure(TVertex3f a, TVertex3f p, TVertex3f c, TPeigne& comb, bool racine,
              const TOptionsCourbure& options);

double CalcSurfTri(TVertex3f a, TVertex3f b, TVertex3f c);   // Heron
void CentreTriangle(TVertex3f a, TVertex3f b, TVertex3f c, TVertex3f& g);
double AireTrapeze(double a, double b, double h);
double NormeVecteur(TVertex3f v);
void ProduitVectoriel(TVertex3f a, TVertex3f b, TVertex3f c, TVertex3f& n);   // (A-B) x (C-B)
void Difference(TVertex3f a, TVertex3f b, TVertex3f& d);                     // B - A
void ProduitVectorielVecteurs(TVertex3f u, TVertex3f w, TVertex3f& n);       // U x W
double ProduitScalaire(TVertex3f u, TVertex3f w);

// Whether pixel P lies on segment AB as drawn.
bool SurSegment(TPoint p, TPoint a, TPoint b);

}  // namespace Calcs

namespace ObjCom {

// True when both are >= 0 or both are <= 0 (zero agrees with either sign).
inline bool MemeSigne(double a, double b) { return (a >= 0 && b >= 0) || (a <= 0 && b <= 0); }
// Largest value starting from -10000; smallest starting from 10000.
double MaxTableau(std::span<const double> values);
double MinTableau(std::span<const double> values);

inline TVertex3f MakeVertex3f(double x, double y, double z) { return {x, y, z}; }
inline TVertex2f MakePoint2D(float x, float y) { return {x, y}; }
inline void AjouteVertex3f(TVertex3f& a, TVertex3f b) { a.X += b.X; a.Y += b.Y; a.Z += b.Z; }
inline void RAZVertex3f(TVertex3f& a) { a = {}; }
// ni rows of nj points, keeping the points that still fit.
inline void ResizeArrayVertex3f(TArrayVertex3f& grid, int ni, int nj) { grid.resize(ni, nj); }

}  // namespace ObjCom

namespace Face {

// Point J of row (rows - 1 - I): a mirror grid read with its rows reversed.
inline void GetSymPt(const TArrayVertex3f& grid, int i, int j, TVertex3f& p) {
    p = grid[grid.rows() - 1 - i][j];
}

}  // namespace Face
