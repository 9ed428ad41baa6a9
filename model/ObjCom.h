// Small classes and value records shared by the whole program: references to
// control points and their lists, the frame and symmetry plane of a surface,
// bounds, document properties, weights, reference marks, points of the
// righting-arm curve, the working copies of the stability run, and the stored
// settings of the views.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Coupe.h"
#include "model/Geom.h"

class TEntity;

// ---- Control-point references -----------------------------------------------

// One control point: surface index, row, column. A reference, never a copy.
struct TPC {
    int Surf = 0;
    int I = 0;
    int J = 0;
    friend bool operator==(const TPC&, const TPC&) = default;
};

// A list of references matched by (surface, row, column). Selections and
// welded groups are such lists.
class TListPC {
public:
    using iterator = std::vector<TPC>::iterator;
    using const_iterator = std::vector<TPC>::const_iterator;

    bool Contains(const TPC& pc) const { return IndexOf(pc) >= 0; }
    int IndexOf(const TPC& pc) const;
    // Appends a copy, even when the reference is already present.
    void Add(const TPC& pc) { items_.push_back(pc); }
    // Removes the first item with the same triple; nothing when absent.
    void Remove(const TPC& pc);
    void Delete(int i) { items_.erase(items_.begin() + i); }
    void Clear() { items_.clear(); }

    int Count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    TPC& operator[](int i) { return items_[static_cast<std::size_t>(i)]; }
    const TPC& operator[](int i) const { return items_[static_cast<std::size_t>(i)]; }
    iterator begin() { return items_.begin(); }
    iterator end() { return items_.end(); }
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

    friend bool operator==(const TListPC&, const TListPC&) = default;

private:
    std::vector<TPC> items_;
};

// ---- Frame and symmetry plane -------------------------------------------------

// The frame handle being dragged: a surface and which of its points.
struct TCurrentBasePlanSym {
    enum : int { Origine = 0, FinAxe1 = 1, FinAxe2 = 2, FinAxe3 = 3 };
    int Surf = -1;
    int Part = Origine;
};

// A surface's local frame and its symmetry plane N.P + D = 0, whose normal is
// the first axis and which passes through the origin.
struct TPlanSym {
    TVertex3f Origin{0, 0, 0};
    TVertex3f Axis1{1, 0, 0};
    TVertex3f Axis2{0, 1, 0};
    TVertex3f Axis3{0, 0, 1};
    TVertex3f Normal{1, 0, 0};
    double D = 0.0;

    // Normal := Axis1; D := -(Normal . Origin).
    void MajEquation();
    // Back to the world frame (the plane X = 0).
    void RAZ();
    // The angles (degrees, about X, Y and Z) of the rotation that turns the
    // world axes onto this frame's axes, as Matrice::MatRotation3D builds it
    // (Z after Y after X): MatRotationInv3D(0, -angles) turns the frame back
    // onto the world axes.
    TVertex3f CalcAnglesRotation() const;
    // True for the world frame with the plane X = 0.
    bool EstDefaut() const;

    friend bool operator==(const TPlanSym&, const TPlanSym&) = default;
};

// ---- Bounds -------------------------------------------------------------------

// Kept in doubles: a size typed against an extent measured from these
// bounds gives the exact ratio of the two.
struct TDimAxe {
    double Size = 0.0;
    double Min = 0.0;
    double Max = 0.0;
};

// The bounds of a set of points per axis.
struct TDim {
    TDimAxe X, Y, Z;
};

// ---- Document properties ------------------------------------------------------

struct TPropFich {
    static constexpr std::size_t kLongTitre = 50;   // Titre, Type, Archi, Societe
    static constexpr std::size_t kLongVersion = 20;
    static constexpr std::size_t kLongDate = 10;

    std::string Titre, Type, Archi, Societe, Version, Date;
    std::vector<std::string> Comment;

    void Clear() { *this = TPropFich{}; }
};

// ---- Weights, marks ----------------------------------------------------------------

// A named mass (kg) at its centre of gravity; Surf is the surface it belongs
// to, -1 for the total and for weights of their own.
struct TPoids {
    std::string Nom;
    double Masse = 0.0;
    double X = 0.0, Y = 0.0, Z = 0.0;
    int Surf = -1;
    friend bool operator==(const TPoids&, const TPoids&) = default;
};
using TListPoids = std::vector<TPoids>;

// A reference mark and a flooding point.
struct TRepere {
    std::string Nom;
    double X = 0.0, Y = 0.0, Z = 0.0;
    friend bool operator==(const TRepere&, const TRepere&) = default;
};
struct TRepereEnv {
    std::string Nom;
    double X = 0.0, Y = 0.0, Z = 0.0;
    friend bool operator==(const TRepereEnv&, const TRepereEnv&) = default;
};

// Sail-area centre: centre and total area of the sails.
struct TCentreVoilure {
    double X = 0.0, Y = 0.0, Z = 0.0, Aire = 0.0;
};

// ---- Lists of surface indices and integers --------------------------------------

// The scope of a calculation: surface indices, not the surfaces.
class TListSurf {
public:
    void Add(int surf) { items_.push_back(surf); }
    int NumSurf(int i) const { return items_[static_cast<std::size_t>(i)]; }
    bool Contains(int surf) const;
    int Count() const { return static_cast<int>(items_.size()); }
    void Clear() { items_.clear(); }
    std::vector<int>::const_iterator begin() const { return items_.begin(); }
    std::vector<int>::const_iterator end() const { return items_.end(); }

private:
    std::vector<int> items_;
};

class TIntegerList {
public:
    void Add(int value) { items_.push_back(value); }
    int Get(int i) const { return items_[static_cast<std::size_t>(i)]; }
    int Count() const { return static_cast<int>(items_.size()); }
    void Clear() { items_.clear(); }

private:
    std::vector<int> items_;
};

// ---- Hydrostatics and stability ----------------------------------------------------

// One station of the hydrostatic station list: centroid X and Z of the
// immersed section, station position Y (the sort key), immersed area (m2).
struct TAireObj {
    float X = 0.0f;
    float Y = 0.0f;
    float Z = 0.0f;
    double Aire = 0.0;
};

// One point of the righting-arm curve.
struct TGZ {
    double Gite = 0.0;          // heel, degrees
    double Assiette = 0.0;      // trim, degrees
    double Enfoncement = 0.0;   // sinkage, stored with its sign
    double SurfMouillee = 0.0;  // wetted area
    double XB = 0.0, YB = 0.0, ZB = 0.0;  // centre of buoyancy
    double Volume = 0.0;
    double XG = 0.0, YG = 0.0, ZG = 0.0;  // centre of gravity
};

class TListGZ {
public:
    void Add(const TGZ& gz) { items_.push_back(gz); }
    // Item i, or nullptr unless 0 <= i < Count.
    const TGZ* GetGZ(int i) const;
    TGZ* GetGZ(int i);
    int Count() const { return static_cast<int>(items_.size()); }
    void Clear() { items_.clear(); }

private:
    std::vector<TGZ> items_;
};

// A working copy of one surface's evaluated grids for the stability run.
struct TDoubleSurf {
    int DernLigne = -1;
    int DernCol = -1;
    TArrayVertex3f Points;
    TArrayVertex3f PointsSym;   // empty for a surface that is not symmetric
    std::uint8_t Orientation = 1;
    std::uint8_t Jonction = 0;
};

class TDoubleSurfList {
public:
    // Appends a copy of the surface's point grid, of its mirror grid when it
    // is symmetric, its last row and column, orientation and junction.
    void AddSurf(const TEntity& surf);
    int Count() const { return static_cast<int>(items_.size()); }
    TDoubleSurf& operator[](int i) { return items_[static_cast<std::size_t>(i)]; }
    const TDoubleSurf& operator[](int i) const { return items_[static_cast<std::size_t>(i)]; }
    void Clear() { items_.clear(); }
    std::vector<TDoubleSurf>::iterator begin() { return items_.begin(); }
    std::vector<TDoubleSurf>::iterator end() { return items_.end(); }
    std::vector<TDoubleSurf>::const_iterator begin() const { return items_.begin(); }
    std::vector<TDoubleSurf>::const_iterator end() const { return items_.end(); }

private:
    std::vector<TDoubleSurf> items_;
};

// ---- Stored view settings ---------------------------------------------------------

// The background picture of a view: file, stretch mode, and two pixel values
// (the fixed width and height of the picture).
struct TFondFichier {
    std::string Fichier;
    std::uint8_t Ajuste = 0;
    int Largeur = 0;
    int Hauteur = 0;
    friend bool operator==(const TFondFichier&, const TFondFichier&) = default;
};

// One view's origin (pixels), scale (pixels per metre), two angles and background.
struct TStockValues {
    int OrigX = 0;
    int OrigY = 0;
    float Echelle = 0.0f;
    float Angle1 = 0.0f;
    float Angle2 = 0.0f;
    float Autre = 0.0f;   // the further value of the view record (perspective, studio)
    TFondFichier Fond;
    friend bool operator==(const TStockValues&, const TStockValues&) = default;
};

// The five views: section, plan, profile, perspective, studio.
struct TStockFen {
    enum : int { Section = 0, Plan = 1, Profil = 2, Perspective = 3, Studio = 4 };
    std::array<TStockValues, 5> Vues{};
    friend bool operator==(const TStockFen&, const TStockFen&) = default;
};

// ---- Free routines ------------------------------------------------------------------------

namespace ObjCom {

// Bounds of a polyline: Min from 10000 and Max from -10000, widened by every
// point, then Size = Max - Min per axis.
void DimentionsListePt3D(TDim& dim, const TListPt3D& list);

// The first n characters (not bytes) of a UTF-8 text; names and document
// properties are limited in characters.
std::string Tronque(std::string_view text, std::size_t n);

// Unit vertex normals of a point grid given directly (mesh surfaces): each
// node's normal is the sum of the corner normals of the cells that share it,
// normalised. The normal of a cell follows rows then columns, as the NURBS
// evaluation's does. normals is sized like points.
void MeshNormales(const TArrayVertex3f& points, TArrayVertex3f& normals);

}  // namespace ObjCom
