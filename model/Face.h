// Triangle facets cut from the evaluated point grids of the surfaces, and the
// areas, volumes and centres summed from them.
//
// A facet list may be cut off under a waterline Z = z, so that the same sums
// give the whole enclosed volume or its immersed part. The volume of a facet
// is the signed vertical prism between it and the plane Z = z: a closed body
// whose facets turn counter-clockwise seen from outside gives its volume.
//
// Where a result is wanted and not the facets themselves (the stability run
// asks for thousands of them), the facets can be summed as they are made by a
// TSommeFaces, without being stored.
#pragma once

#include <cstddef>
#include <vector>

#include "model/Geom.h"

class TEntity;

// One triangle. Signe is +1 when (P1 - P2) x (P3 - P2) points upwards or lies
// horizontal, else -1; Aire is the triangle's area and AireZ the signed area
// of its projection on a horizontal plane (Signe x projected area).
struct TFacette {
    TVertex3f P1, P2, P3;
    int Signe = 1;
    double Aire = 0.0;
    double AireZ = 0.0;

    TFacette() = default;
    TFacette(const TVertex3f& a, const TVertex3f& b, const TVertex3f& c);
};

// A list of facets held by value. Clear keeps the memory, so a list that is
// refilled again and again allocates nothing once it has grown.
class TListFace {
public:
    using const_iterator = std::vector<TFacette>::const_iterator;

    // Adds the triangle (A, B, C), or (C, B, A) when the orientation flag is 0.
    void Add(const TVertex3f& a, const TVertex3f& b, const TVertex3f& c, int orientation);
    // The same, kept only under the plane Z = z: 0, 1 or 2 facets.
    void Add(const TVertex3f& a, const TVertex3f& b, const TVertex3f& c, int orientation, double z);
    void Add(const TFacette& f) { faces_.push_back(f); }

    int Count() const { return static_cast<int>(faces_.size()); }
    bool empty() const { return faces_.empty(); }
    const TFacette& Face(int i) const { return faces_[static_cast<std::size_t>(i)]; }
    void Clear() { faces_.clear(); }
    void Reserve(std::size_t n) { faces_.reserve(n); }
    const_iterator begin() const { return faces_.begin(); }
    const_iterator end() const { return faces_.end(); }

private:
    std::vector<TFacette> faces_;
};

namespace Calcs {

// Keeps the part of triangle ABC lying under the plane Z = z ("below" is
// Z <= z): returns 0 when every point is strictly above, 1 with the piece in
// (A, B, C), or 2 with a second piece in (D, E, F). The pieces turn the same
// way as the triangle given. A triangle lying in the plane is kept whole.
int GetTriUnderDWL(TVertex3f& a, TVertex3f& b, TVertex3f& c, double z, TVertex3f& d, TVertex3f& e,
                   TVertex3f& f);

}  // namespace Calcs

// Running sums of facets: enclosed volume and its centre measured from the
// plane Z = z, area and area centre.
class TSommeFaces {
public:
    explicit TSommeFaces(double z = 0.0) : z_(z) {}
    void Reset(double z = 0.0) { *this = TSommeFaces(z); }
    double Z() const { return z_; }

    void Add(const TFacette& f);
    void Add(const TVertex3f& a, const TVertex3f& b, const TVertex3f& c) { Add(TFacette(a, b, c)); }
    void Add(const TListFace& list) {
        for (const TFacette& f : list) Add(f);
    }

    // Adds the volume (and its moments) of other sums taken under the same
    // plane, not their area: a skin that closes a volume without being wetted.
    void AjouteVolume(const TSommeFaces& o);

    int Count() const { return count_; }
    // Enclosed volume times f.
    double Volume(double f = 1.0) const;
    // Centre of the enclosed volume, its Z measured from the plane, and the
    // volume times f. A volume that is zero to rounding (within 1e-9 of the
    // prisms summed, whatever their sign) has no centre: false, the centre
    // (0, 0, 0) and the volume 0.
    bool CentreVolume(TVertex3f& centre, double& volume, double f = 1.0) const;
    double Aire() const { return aire_; }
    // Area-weighted centre (0, 0, 0 for a zero area) and the area.
    void CentreAire(TVertex3f& centre, double& aire) const;

private:
    double z_;
    int count_ = 0;
    double s_ = 0.0;                       // sum of AireZ (Z1 + Z2 + Z3 - 3z)
    double sAbs_ = 0.0;                    // the same of absolute values: the scale of its rounding
    double mx_ = 0.0, my_ = 0.0, mz_ = 0.0;  // first moments of the prisms, scaled
    double aire_ = 0.0;
    double ax_ = 0.0, ay_ = 0.0, az_ = 0.0;  // area moments
};

namespace Face {

// Two triangles per grid cell: (G[i][j], G[i][j+1], G[i+1][j]) then
// (G[i][j+1], G[i+1][j+1], G[i+1][j]); the second form keeps them under z.
void MakeFaceList(const TArrayVertex3f& grid, int orientation, TListFace& list);
void MakeFaceList(const TArrayVertex3f& grid, int orientation, TListFace& list, double z);

// The grid's cells, then the mirror's cells (when a mirror is given and not
// empty), then, with the junction flag, the triangles that close the gap
// between each border of the grid and the same border of the mirror (the
// mirror holds its rows in reverse order and has the grid's size). All with
// the same orientation flag; kept under z when clip is set. Each mirror cell
// is cut along the image of its twin's diagonal, so that the two halves of a
// symmetric surface are faceted alike.
void BuildFaceList(const TArrayVertex3f& grid, const TArrayVertex3f* mirror, int orientation, int junction,
                   int clip, TListFace& list, double z);
// The same facets summed without being stored; clipped under sums.Z() when
// clip is set.
void BuildFaceList(const TArrayVertex3f& grid, const TArrayVertex3f* mirror, int orientation, int junction,
                   int clip, TSommeFaces& sums);

// A surface's facets: its grid, its mirror when symmetric, the junction when
// its flag is set, with its own orientation; kept under z, or whole.
void BuildFaceListFull(const TEntity& s, TListFace& list, double z);
void BuildFaceListFull(const TEntity& s, TListFace& list);
void BuildFaceListFull(const TEntity& s, TSommeFaces& sums, bool clip);
// The skin that closes a surface's open borders on its symmetry plane, as
// the hydrostatic cuts close their pieces: from each border edge of its grid
// (and of its mirror) a strip to the edge's image on the plane, moved along
// the plane's normal within the station (its Y kept), and the part of the
// plane that those images enclose. Nothing for a symmetric surface with a
// junction, which closes it already. With the surface's orientation, kept
// under sums.Z().
void BuildFermetureSym(const TEntity& s, TSommeFaces& sums);
// For areas: the grid's cells with flag 1 and, when symmetric, the mirror's
// (cut as above) with flag 0; no junction, no clipping.
void BuildSimpleFaceList(const TEntity& s, TListFace& list);
void BuildSimpleFaceList(const TEntity& s, TSommeFaces& sums);

// Enclosed volume under the plane Z = z, times f.
double VolByFace(const TListFace& list, double f, double z);
// Volume centre (Z from the plane Z = z) and volume times f; false when the
// volume is zero to rounding (TSommeFaces::CentreVolume).
bool CCByFace(const TListFace& list, TVertex3f& centre, double& volume, double f, double z);
// CCByFace with f = 1 and z = 0.
void CCByFaceDefaut(const TListFace& list, TVertex3f& centre, double& volume);
// Area form: area-weighted centre and total area.
void CCByFace(const TListFace& list, TVertex3f& centre, double& aire);
double AireByFace(const TListFace& list);

}  // namespace Face
