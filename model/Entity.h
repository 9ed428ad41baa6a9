// Surface entities of the document: a NURBS surface on a control net
// (TSurface) or a surface whose point grid is given directly (TDXFSurface,
// file type "MESH"). An entity carries its evaluated point grid with normals
// and mirror grids, its display and material settings, its weight, its cut
// curves and its volume centres.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/Calcs.h"
#include "model/Coupe.h"
#include "model/Geom.h"
#include "model/Grille.h"
#include "model/Net.h"
#include "model/Nurbs.h"
#include "model/ObjCom.h"

constexpr int kMaxSurfaces = 100;
constexpr std::size_t kLongNomSurface = 20;  // characters

// One family of cuts of a surface: one TCoupe per reference line, numbered
// from 1 as the lines of the grid are.
class TTabCoupes {
public:
    int Count() const { return static_cast<int>(coupes_.size()); }
    TCoupe& operator[](int i) { return coupes_[static_cast<std::size_t>(i - 1)]; }
    const TCoupe& operator[](int i) const { return coupes_[static_cast<std::size_t>(i - 1)]; }
    // n empty cuts (previous ones dropped).
    void Reset(int n);
    void Clear() { coupes_.clear(); }
    std::vector<TCoupe>::iterator begin() { return coupes_.begin(); }
    std::vector<TCoupe>::iterator end() { return coupes_.end(); }
    std::vector<TCoupe>::const_iterator begin() const { return coupes_.begin(); }
    std::vector<TCoupe>::const_iterator end() const { return coupes_.end(); }

private:
    std::vector<TCoupe> coupes_;
};

// What the cut routines read of the program's settings.
struct TOptionsCoupes {
    bool SplineTR = false;          // real-time evaluation: no hourglass
    bool CourbureSections = false;  // curvature combs along the stations
    bool CourbureRacine = false;    // comb value 1/sqrt(radius)
    TOptionsCourbure Courbure;
};

// Weight kinds of a surface.
enum TTypePoids : int {
    tpEpaisseur = 0,    // area x thickness x density, at the area centre
    tpFixe = 1,         // given mass at the area centre
    tpParM2 = 2,        // area x mass per square metre, at the area centre
    tpFixeVolume = 3,   // given mass at the volume centre
    tpVolume = 4,       // volume x density, at the volume centre
};

// Base of the entities: identity, flags, weight definition, material,
// extreme points, orientation and the frame with its symmetry plane.
class TEntityA {
public:
    explicit TEntityA(int index = 0) : Index(index) {}
    virtual ~TEntityA() = default;

    int Index;                   // position in the document's surface table
    std::string Nom;             // at most 20 characters (SetNom cuts)
    std::uint8_t Visible = 1;
    std::uint8_t Verrou = 0;     // protected from editing
    std::uint8_t Sym = 1;        // mirrored through its symmetry plane
    std::uint8_t Calc = 1;       // counted in hydrostatics and weights
    std::uint8_t Voile = 0;      // a sail
    std::uint8_t CG = 1;         // kept for the surface properties
    int TypePoids = tpFixe;
    double Epaisseur = 0.0;
    double Densite = 0.0;
    double PoidsParM2 = 0.0;
    TPoids Poids;                // the entity's own weight
    TVertex3f CentreBordeVal;    // centre of the area
    double Aire = 0.0;
    std::int32_t Couleur = -1;   // 0x00BBGGRR; -1: the palette colour BordSf
    double Alpha = 1.0;
    float Ambient = 0.0f, Specular = 0.5f, Shininess = 128.0f, Emission = 0.0f;
    // Points of least and greatest X, Y, Z.
    TVertex3f PtMinX, PtMaxX, PtMinY, PtMaxY, PtMinZ, PtMaxZ;
    std::uint8_t Orientation = 1;  // 1 keeps the facets' vertex order, 0 reverses it
    std::uint8_t Jonction = 0;     // meets its mirror at the symmetry plane
    TPlanSym PlanSym;

    void SetNom(std::string_view nom) { Nom = ObjCom::Tronque(nom, kLongNomSurface); }
};

// An evaluated entity.
class TEntity : public TEntityA {
public:
    // Grids of rows x cols points; cut tables sized from the reference lines.
    TEntity(int index, int rows, int cols, const TDefGrille& grille);
    ~TEntity() override = default;

    // Computes everything derived from the entity's data. The base part
    // updates the extreme points, sets the calculated flag and clears the
    // family flags; a second calculation of a calculated entity says
    // "Surface deja calculee... Correction !" and goes on. `courbure`: a NURBS
    // surface computes its Gaussian curvature as well.
    virtual void CalcSurface(bool courbure = true);
    // Moves the entity's defining points by the matrix; clears the flag.
    virtual void Transformation(const TMatrice& m);
    virtual std::unique_ptr<TEntity> Clone() const = 0;
    // "SNURBS" or "MESH".
    virtual const char* TypeFichier() const = 0;

    // The four evaluated grids become rows x cols points (points kept where
    // they fit); the calculated flag is cleared.
    void ResizeGrilles(int rows, int cols);

    // Cut tables: one empty TCoupe per line of each family (at most 100),
    // for the surface and its mirror. FreeTabCoupes empties them.
    void CreateTabCoupes(const TDefGrille& grille);
    void FreeTabCoupes();

    void SetMinMax();

    // One family of cuts, unless already done: stations (Y), waterlines (Z),
    // longitudinals (X), diagonals. The mirror tables are filled only for a
    // symmetric entity.
    void CalcAllSec(const TDefGrille& grille, const TOptionsCoupes& options);
    void CalcAllLgE(const TDefGrille& grille, const TOptionsCoupes& options);
    void CalcAllLong(const TDefGrille& grille, const TOptionsCoupes& options);
    void CalcAllDiag(const TDefGrille& grille, const TOptionsCoupes& options);
    // Curvature combs of the inner points of every polyline of three points or more.
    static void CalcCourbureCoupe(TCoupe& coupe, const TOptionsCoupes& options);

    // Area centre and area of the surface and, when symmetric, its mirror.
    void CentreBorde(TVertex3f& centre, double& aire) const;
    void MajCentreBorde();
    // Volume centre and volume (whole, then under Z = 0).
    void MajVolumes();
    // The entity's own weight from its weight kind.
    void MajBarycentre();

    int DernLigne = -1;
    int DernCol = -1;
    TArrayVertex3f Points;
    TArrayVertex3f PointsSym;     // mirrored through the symmetry plane, rows reversed
    TArrayVertex3f Normales;      // unit normals
    TArrayVertex3f NormalesSym;   // mirrored likewise, rows reversed
    TArrayVertex3f Grille5;       // sized by the document-wide grid routines
    std::uint8_t Calculee = 0;
    std::uint8_t SecFait = 0, LEFait = 0, LongFait = 0, DiagFait = 0;
    TTabCoupes Sec, LE, Long, Diag;
    TTabCoupes SecSym, LESym, LongSym, DiagSym;
    TVertex3f CentreVolume;
    double Volume = 0.0;
    TVertex3f CentreImmerge;
    double VolumeImmerge = 0.0;

protected:
    TEntity(const TEntity&) = default;
    TEntity& operator=(const TEntity&) = default;
    // Mirror grids from the point and normal grids: points through the
    // symmetry plane, normals through the same plane taken at the origin.
    void CalcMiroirs();

private:
    enum Famille { fSec, fLE, fLong, fDiag };
    void CalcAllFamille(Famille f, const TDefGrille& grille, const TOptionsCoupes& options);
};

// Calls f on every point [0..DernLigne][0..DernCol] of a grid of the surface
// (its points or its mirror), as far as the grid holds them.
template <class F>
void PourChaquePoint(const TEntity& s, const TArrayVertex3f& g, F&& f) {
    const int nr = std::min(s.DernLigne + 1, g.rows());
    const int nc = std::min(s.DernCol + 1, g.cols());
    for (int i = 0; i < nr; ++i) {
        const TVertex3f* row = g[i];
        for (int j = 0; j < nc; ++j) f(row[j]);
    }
}

// A NURBS surface on its own control net.
class TSurface : public TEntity {
public:
    // Grids of (precision + 1) x (precision + 1) points; an empty net.
    TSurface(int index, int precision, const TDefGrille& grille);

    // Evaluation of the net into points, normals (and the curvature when
    // asked), mirrors, then the base calculation. Throws NurbsError when the
    // net cannot be evaluated; nothing is changed then.
    void CalcSurface(bool courbure = true) override;
    // Every control point of the net moves; weights unchanged.
    void Transformation(const TMatrice& m) override;
    std::unique_ptr<TEntity> Clone() const override { return std::unique_ptr<TEntity>(new TSurface(*this)); }
    const char* TypeFichier() const override { return "SNURBS"; }

    // The surface's own knot vectors (for the text export).
    void Calc_VecteursNoeud() { nurbs::CalcVecteursNoeud(Net, Noeuds); }
    void MyNurbs2SNurbs() { nurbs::NetToSNurbs(Net, Nurbs); }

    TNet Net;
    nurbs::OwnKnots Noeuds;
    SNURBS Nurbs;
    TArrayDouble Courbure;                // Gaussian curvature per evaluated point
    TGrid<std::uint32_t> CouleursCourbure;  // its colours, filled by the studio
    bool CouleursAJour = false;           // false from each new curvature until the studio colours it

    TSurface(const TSurface&) = default;
};

// A surface whose point grid is given directly.
class TDXFSurface : public TEntity {
public:
    TDXFSurface(int index, int rows, int cols, const TDefGrille& grille);

    // Mesh normals from the point grid, mirrors, then the base calculation.
    void CalcSurface(bool courbure = true) override;
    // Every point of the grid moves.
    void Transformation(const TMatrice& m) override;
    std::unique_ptr<TEntity> Clone() const override { return std::unique_ptr<TEntity>(new TDXFSurface(*this)); }
    const char* TypeFichier() const override { return "MESH"; }

    TDXFSurface(const TDXFSurface&) = default;
};

