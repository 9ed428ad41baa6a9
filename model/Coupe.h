// Plane cuts of point grids: stations (Y = c), waterlines (Z = c),
// longitudinals (X = c) and diagonals (Z = a.X + b).
//
// A cut finds where the plane crosses the edges of a grid or passes through
// its nodes, then chains those hits into polylines by grid adjacency. The
// result is a TCoupe: a list of polylines of TPt3D points.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "model/Geom.h"

// A point of a cut with its curvature-comb vector (zero until the curvature
// of the cut is computed).
struct TPt3D {
    TVertex3f P;
    TVertex3f V;

    TPt3D() = default;
    explicit TPt3D(const TVertex3f& p) : P(p) {}
    friend bool operator==(const TPt3D&, const TPt3D&) = default;
};

namespace ObjCom {
// Number of points held by all polylines right now: up on every point added,
// down on every point dropped. Reads 0 when every cut is freed.
extern long long NbPt3DVivants;
}  // namespace ObjCom

// A polyline of cut points.
class TListPt3D {
public:
    using iterator = std::vector<TPt3D>::iterator;
    using const_iterator = std::vector<TPt3D>::const_iterator;

    TListPt3D() = default;
    TListPt3D(const TListPt3D& o) : pts_(o.pts_) { Count_(static_cast<long long>(pts_.size())); }
    TListPt3D(TListPt3D&& o) noexcept : pts_(std::move(o.pts_)) { o.pts_.clear(); }
    TListPt3D& operator=(const TListPt3D& o) {
        if (this != &o) {
            Count_(-static_cast<long long>(pts_.size()));
            pts_ = o.pts_;
            Count_(static_cast<long long>(pts_.size()));
        }
        return *this;
    }
    TListPt3D& operator=(TListPt3D&& o) noexcept {
        if (this != &o) {
            Count_(-static_cast<long long>(pts_.size()));
            pts_ = std::move(o.pts_);
            o.pts_.clear();
        }
        return *this;
    }
    ~TListPt3D() { Count_(-static_cast<long long>(pts_.size())); }

    void Add(const TVertex3f& p) { Add(TPt3D(p)); }
    void Add(const TPt3D& p) {
        pts_.push_back(p);
        Count_(1);
    }
    // Inserts before point i (0 puts it first).
    void Insert(int i, const TVertex3f& p) {
        pts_.insert(pts_.begin() + i, TPt3D(p));
        Count_(1);
    }
    void Delete(int i) {
        pts_.erase(pts_.begin() + i);
        Count_(-1);
    }
    void Clear() {
        Count_(-static_cast<long long>(pts_.size()));
        pts_.clear();
    }
    void Reserve(std::size_t n) { pts_.reserve(n); }

    int Count() const { return static_cast<int>(pts_.size()); }
    bool empty() const { return pts_.empty(); }
    TPt3D& operator[](int i) { return pts_[static_cast<std::size_t>(i)]; }
    const TPt3D& operator[](int i) const { return pts_[static_cast<std::size_t>(i)]; }
    void GetPoint(int i, TVertex3f& p) const { p = pts_[static_cast<std::size_t>(i)].P; }
    const TPt3D& front() const { return pts_.front(); }
    const TPt3D& back() const { return pts_.back(); }

    iterator begin() { return pts_.begin(); }
    iterator end() { return pts_.end(); }
    const_iterator begin() const { return pts_.begin(); }
    const_iterator end() const { return pts_.end(); }

    friend bool operator==(const TListPt3D& a, const TListPt3D& b) { return a.pts_ == b.pts_; }

private:
    static void Count_(long long n) { ObjCom::NbPt3DVivants += n; }
    std::vector<TPt3D> pts_;
};

// One cut of one surface: a list of polylines.
class TCoupe {
public:
    using iterator = std::vector<TListPt3D>::iterator;
    using const_iterator = std::vector<TListPt3D>::const_iterator;

    void Add(TListPt3D&& line) { lines_.push_back(std::move(line)); }
    void Add(const TListPt3D& line) { lines_.push_back(line); }
    void Delete(int i) { lines_.erase(lines_.begin() + i); }
    // Drops every polyline.
    void FreeAll() { lines_.clear(); }

    int Count() const { return static_cast<int>(lines_.size()); }
    bool empty() const { return lines_.empty(); }
    TListPt3D& Get(int i) { return lines_[static_cast<std::size_t>(i)]; }
    const TListPt3D& Get(int i) const { return lines_[static_cast<std::size_t>(i)]; }
    TListPt3D& operator[](int i) { return Get(i); }
    const TListPt3D& operator[](int i) const { return Get(i); }

    iterator begin() { return lines_.begin(); }
    iterator end() { return lines_.end(); }
    const_iterator begin() const { return lines_.begin(); }
    const_iterator end() const { return lines_.end(); }

    friend bool operator==(const TCoupe&, const TCoupe&) = default;

private:
    std::vector<TListPt3D> lines_;
};

// Where a plane meets a grid.
struct TCouple {
    enum : int {
        Ligne = 1,    // on the row edge [I][J] - [I][J+1]
        Colonne = 2,  // on the column edge [I][J] - [I+1][J]
        Noeud = 3,    // on the node [I][J]
    };
    int Kind = Ligne;
    int I = 0;
    int J = 0;
    TVertex3f P;
};
using TListCouples = std::vector<TCouple>;

// Each routine cuts the points [0..lastRow][0..lastCol] of the grid (bounds
// larger than the grid are brought back to it) and appends the polylines to
// the cut; a grid lying wholly on one side leaves the cut unchanged. Edge
// crossings are strict: a node lying exactly on the plane gives one node hit
// and none on its own edges.
namespace ObjCom {

// The plane Y = c (a station).
void CalcSecMesh(const TArrayVertex3f& grid, int lastRow, int lastCol, TCoupe& cut, double c);
// The plane Z = c (a waterline).
void CalcLEMesh(const TArrayVertex3f& grid, int lastRow, int lastCol, TCoupe& cut, double c);

// The same two cuts with every polyline turned the same way against the
// surface: seen from the side the plane's axis points to (from ahead for a
// station, from above for a waterline), the grid's normal (row step x column
// step) lies on the polyline's right. Two pieces of one cut then bound the
// region between them with the same sense, whatever order the grid was
// walked in.
void CalcSecMeshOriente(const TArrayVertex3f& grid, int lastRow, int lastCol, TCoupe& cut, double c);
void CalcLEMeshOriente(const TArrayVertex3f& grid, int lastRow, int lastCol, TCoupe& cut, double c);

// Chains the hits found on a grid of lastRow + 1 rows and lastCol + 1 columns
// into polylines appended to the cut. Two hits follow each other when they
// lie on the boundary of one grid cell. A chain of three hits or more whose
// ends are neighbours is closed by repeating its first point at its end.
void TrieLstCouples(const TListCouples& hits, int lastRow, int lastCol, TCoupe& cut);

}  // namespace ObjCom

namespace TMesh {

// The plane X = c (a longitudinal, or buttock).
void CalcLong(const TArrayVertex3f& grid, int lastRow, int lastCol, TCoupe& cut, double c);
// The plane Z = a.X + b (a diagonal); the polylines added are then trimmed at
// X = 0 (EliminePtInfZero).
void CalcDiag(const TArrayVertex3f& grid, int lastRow, int lastCol, TCoupe& cut, double a, double b);

// Trims polylines [first, Count) of the cut to the side X >= 0: a point at
// X < 0 whose neighbours both lie at X <= 0 is dropped, any other is moved
// along the segment to its neighbour at X > 0 onto the plane X = 0 (the origin
// stands in for a missing neighbour). Polylines left without a point are
// removed from the cut.
void EliminePtInfZero(TCoupe& cut, int first = 0);

}  // namespace TMesh
