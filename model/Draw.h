// What the 2-D views draw of the model: control nets, evaluated meshes,
// borders and orientation marks of the surfaces, cut lines with their
// curvature combs, frames, the reference-line grid, the axes, the markers of
// the control points and the debug drawing of the facets.
//
// Every routine draws on the canvas of the view record it is given, in the
// record's pen mode unless said otherwise, and takes every model point to
// pixels through the view's projection. A point whose pixel is not a finite
// number, or lies more than kPixelMax pixels from the origin of the canvas,
// is left out of what is drawn.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "model/Calcs.h"
#include "model/DrawCanvas.h"
#include "model/Document.h"
#include "model/Grille.h"

class TNet;
class TEntity;
class TCoupe;
class TListFace;
struct TPlanSym;

// The fifteen drawing colours of the user's settings, 0x00BBGGRR.
struct TCouleursDessin {
    TColor Arp = 0x000000;          // background of the 2-D views
    TColor ArpStudio = 0x000000;    // background of the studio
    TColor Axes = 0x0000FF;
    TColor AxesPlanSym = 0x0000FF;  // traces of the surfaces' own frames
    TColor Grille = 0x93FFFF;       // reference-line grid
    TColor Mesure = 0x00FFFF;       // measures, weights, centres, marks
    TColor ResVertex = 0xFF0000;    // control-net lines
    TColor Vertex = 0x0000FF;       // control-point markers
    TColor SelVertex = 0x00FF00;    // selected control points
    TColor SoudeVertex = 0xB5CA00;  // welded control points
    TColor BordSf = 0xFF9B00;       // meshes and borders of surfaces without a colour of their own
    TColor Sec = 0xFFFFFF;          // stations
    TColor LE = 0xFFFFFF;           // waterlines
    TColor Longit = 0xFFFFFF;       // longitudinals
    TColor Diag = 0xFFFFFF;         // diagonals
    friend bool operator==(const TCouleursDessin&, const TCouleursDessin&) = default;
};

// What drawing reads of the user's settings besides the display switches of
// the document (Document::Aff).
struct TOptionsDessin {
    TCouleursDessin Couleurs;
    bool OptAxesPlanSym = false;  // traces of the surfaces' frames with the axes
    int RatioVect = 1000;         // weight arrows: 10 x mass / RatioVect metres
};

// The farthest a drawn pixel may lie from the canvas origin: far beyond any
// window, and far enough from the limits of an int that the figures drawn a
// few pixels about a point, and the midpoint of two points, stay within them.
inline constexpr double kPixelMax = 1.0e9;

// The projection of one view record, with its sines and cosines taken once.
// Pixel() gives exactly what Calcs::VueVersPixel gives, for every pixel
// within kPixelMax.
class TProjection {
public:
    explicit TProjection(const TViewRecord& vue);
    bool Pixel(const TVertex3f& p, TPoint& pixel) const;
    const TViewRecord& Vue() const { return vue_; }

private:
    TViewRecord vue_;
    double sa_, ca_, sb_, cb_, s_;
};

// ---- Projected control points -------------------------------------------------

enum TEtatPC : std::uint8_t { epNormal = 0, epSelect = 1, epInactif = 2 };

// One control point in a view: its pixel, its state, and whether the pixel
// could be computed (a point with coordinates that are not finite has none).
struct TCellPC {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::uint8_t Etat = epNormal;
    bool Valide = false;
};

// The pixels of every control point of every net of the document, and of
// their mirror images: [surface 0..100][row 0..30][column 0..30]. Held on
// the heap; filled before each redraw and read by the picking.
class TTabCoor {
public:
    static constexpr int kSurf = 101;
    static constexpr int kN = 31;

    TTabCoor();
    static bool Dans(int s, int i, int j) { return s >= 0 && s < kSurf && i >= 0 && i < kN && j >= 0 && j < kN; }
    TCellPC& At(int s, int i, int j) { return cells_[Index(s, i, j)]; }
    const TCellPC& At(int s, int i, int j) const { return cells_[Index(s, i, j)]; }
    TCellPC& Sym(int s, int i, int j) { return sym_[Index(s, i, j)]; }
    const TCellPC& Sym(int s, int i, int j) const { return sym_[Index(s, i, j)]; }
    // Every state back to normal (or to the given state).
    void EtatTous(TEtatPC etat);

private:
    static std::size_t Index(int s, int i, int j) {
        return (static_cast<std::size_t>(s) * kN + static_cast<std::size_t>(i)) * kN + static_cast<std::size_t>(j);
    }
    std::vector<TCellPC> cells_;
    std::vector<TCellPC> sym_;
};

namespace Affiche {

// Fills the pixels of one net's points and of their mirror images in the
// surface's plane; states are left as they are.
void MajTabCoorNet(TTabCoor& tab, int surf, const TNet& net, const TPlanSym& plan, const TViewRecord& vue);

// ---- Control nets ----------------------------------------------------------------

// Every row and every column of the net as polylines in `couleur`; when
// `miroir` is given, the same for the net mirrored in that plane.
void DrawArray(const TNet& net, const TPlanSym* miroir, TColor couleur, const TViewRecord& vue);
// Row r / column c of the net.
void AfficheOneLn(const TNet& net, int r, TColor couleur, const TViewRecord& vue);
void AfficheOneCol(const TNet& net, int c, TColor couleur, const TViewRecord& vue);
// The rows (columns) the net selection window asks for: none unless shown,
// then every one (-1) or only the one chosen.
void AfficheLignes(const TNet& net, TColor couleur, const TViewRecord& vue);
void AfficheColonnes(const TNet& net, TColor couleur, const TViewRecord& vue);

// ---- Surfaces ------------------------------------------------------------------------

// The colour a surface is drawn in.
TColor CouleurSurface(const TEntity& e, const TCouleursDessin& c);
// The evaluated mesh, and its mirror when symmetric and mirrors are shown.
void AfficheSurface(const TEntity& e, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue);
// The four border curves of the evaluated grid, and of the mirror likewise.
// `scinde` is the split body-plan flag of the redraw; the borders are drawn
// the same way with or without it.
void AfficheBordSurface(const TEntity& e, int scinde, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue);
// The orientation mark: a grey stroke of 2 pixels from the middle point of
// the grid along the side the surface faces, one metre long, with a dot at
// its end unless the surface is locked.
void AfficheBordSurface(const TEntity& e, const TViewRecord& vue);

// Cut lines. Station i (from 1) of the surface and of its mirror; a number
// outside the surface's table draws nothing.
void DrawOneSec(const TEntity& e, int i, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue);
void DrawOneSecSym(const TEntity& e, int i, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue);
// Lines 1..n of a family (n clamped to the surface's table), with the
// mirror's unless the surface is not symmetric or mirrors are hidden.
void DrawAllSec(const TEntity& e, int n, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue);
void DrawAllLgE(const TEntity& e, int n, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue);
void DrawAllLong(const TEntity& e, int n, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue);
void DrawAllDiag(const TEntity& e, int n, const TAffichage& a, const TOptionsDessin& o, const TViewRecord& vue);

// Every polyline of the cut; with `herisson`, the comb stroke of each inner
// point of the polylines of more than two points.
void DrawCoupe(const TCoupe& coupe, TColor couleur, bool herisson, const TViewRecord& vue);

// The frame of a surface: its three axes and a diamond at its origin.
void DrawBase(const TPlanSym& plan, const TViewRecord& vue);

// Each facet as a closed red triangle, in copy mode.
void DrawFaces(const TListFace& list, const TViewRecord& vue);

// ---- Reference-line grid --------------------------------------------------------------

// The frame of the lines plan on the far sides of the hull as seen from the
// view: each station, waterline, longitudinal and diagonal as two segments.
void AfficheGrille(const TDefGrille& g, TColor couleur, const TViewRecord& vue);

// ---- Axes ---------------------------------------------------------------------------------

// The six axis ends X-, X+, Y-, Y+, Z-, Z+ from the bounds of all control
// points: one metre beyond them, and at least to -1 and 1.
std::array<TVertex3f, 6> ExtremitesAxes(const TVertex3f& minNet, const TVertex3f& maxNet);
// The three axes between those ends, dash-dot, in the axes colour.
void DrawAxes(const std::array<TVertex3f, 6>& ext, TColor couleur, const TViewRecord& vue);
// The traces of a surface's own frame: its vertical axis between the
// surface's lowest and highest Z (0.1 beyond) and its longitudinal axis
// between its lowest and highest Y likewise. Nothing for the world frame.
void DrawAxesPlanSym(const TEntity& e, TColor couleur, const TViewRecord& vue);

}  // namespace Affiche

namespace ObjCom {

// The evaluated grid [0..lastRow][0..lastCol]: each row, then each column,
// as a polyline.
void AfficheMesh(const TArrayVertex3f& g, int lastRow, int lastCol, const TViewRecord& vue);

}  // namespace ObjCom

namespace Grille {

// Positions of one family of n lines spread from m over the length L:
// m + (i - 1) L / (n - 1), all at m when n <= 1. out[i] for i = 1..n.
void PositionsStandard(int n, double L, double m, std::span<double> out);
// Diagonals: m + i L / n (none when n <= 0).
void PositionsStandardDiag(int n, double L, double m, std::span<double> out);
// Diagonal angles from 30 to 80 degrees; 30 for a single one.
void AnglesDiag(int n, std::span<double> out);
// base + (i - 1) spacing.
void PositionsEspacement(int n, double base, double espacement, std::span<double> out);
// From base to the end in n - 1 equal steps (all at base when n < 2).
void PositionsDistance(int n, double base, double fin, std::span<double> out);

// The extents the standard generators spread the lines over: length and
// lowest value per family.
struct TEtendues {
    double LSec = 0, mSec = 0;
    double LLE = 0, mLE = 0;
    double LLong = 0, mLong = 0;
    double LDiag = 0, mDiag = 0;
};

// Every family without lines gets its default count (11 stations, 7
// waterlines, 9 longitudinals, 5 diagonals) spread over its extent by the
// standard generator; then the bounds are brought up to date.
void GrilleParDefaut(TDefGrille& g, const TEtendues& e);

// The extents the standard generators spread the lines over, after every
// surface is evaluated: stations along the waterline at Z = 0 (or the Y
// extent of the surfaces when it has no length), waterlines and diagonals
// over Z, longitudinals over X with the mirrors.
TEtendues EtenduesGrille(Document& doc);

// The default reference lines: every family without lines gets its default
// count spread over the extent of the evaluated surfaces (every surface is
// evaluated first); then every surface's cut tables are sized again and the
// cuts shown are recomputed.
void GrilleParDefaut(Document& doc);

}  // namespace Grille
