#include "model/Coupe.h"

#include <algorithm>

#include "base/Debug.h"
#include "model/Calcs.h"

long long ObjCom::NbPt3DVivants = 0;

namespace {

// Work tables shared by the cuts; kept between calls so that cutting a grid
// allocates nothing once they have grown to its size.
struct CutWork {
    TListCouples hits;
    std::vector<double> side;        // per node: signed position against the plane
    std::vector<int> table;          // per (kind, row, column): hit index, -1 when none
    std::vector<unsigned char> present;  // per hit
    std::vector<int> front, back;    // the chain being built, on each side of its first hit
    std::vector<int> ordre;          // the chain finished, in order
};

CutWork& Work() {
    static thread_local CutWork w;
    return w;
}

// Hits of every kind of one grid, addressed by (kind, row, column).
class Presence {
public:
    Presence(CutWork& w, const TListCouples& hits, int lastRow, int lastCol)
        : w_(w), hits_(hits), r_(lastRow), c_(lastCol) {
        const std::size_t size = 3u * static_cast<std::size_t>(r_ + 1) * static_cast<std::size_t>(c_ + 1);
        if (w_.table.size() < size) w_.table.resize(size, -1);
        w_.present.assign(hits_.size(), 1);
        for (std::size_t k = 0; k < hits_.size(); ++k) {
            const TCouple& h = hits_[k];
            if (Exists(h.Kind, h.I, h.J)) w_.table[Key(h.Kind, h.I, h.J)] = static_cast<int>(k);
            else w_.present[k] = 0;   // a hit outside the grid has no neighbour
        }
    }
    // Leaves the table empty for the next cut.
    ~Presence() {
        for (const TCouple& h : hits_)
            if (Exists(h.Kind, h.I, h.J)) w_.table[Key(h.Kind, h.I, h.J)] = -1;
    }
    Presence(const Presence&) = delete;
    Presence& operator=(const Presence&) = delete;

    void Set(int hit, bool on) { w_.present[static_cast<std::size_t>(hit)] = on ? 1 : 0; }
    bool IsPresent(int hit) const { return w_.present[static_cast<std::size_t>(hit)] != 0; }

    // The first present hit adjacent to hit k, in the fixed order of the
    // candidates, taken (no longer present); -1 when there is none.
    int TakeAdjacent(int k) {
        const TCouple& h = hits_[static_cast<std::size_t>(k)];
        const int I = h.I, J = h.J;
        int found = -1;
        auto t = [&](int kind, int i, int j) {
            if (found >= 0 || !Exists(kind, i, j)) return;
            const int idx = w_.table[Key(kind, i, j)];
            if (idx >= 0 && w_.present[static_cast<std::size_t>(idx)]) found = idx;
        };
        constexpr int E1 = TCouple::Ligne, E2 = TCouple::Colonne, N = TCouple::Noeud;
        switch (h.Kind) {
        case TCouple::Colonne:
            t(E2, I, J - 1); t(E2, I, J + 1);
            t(E1, I, J - 1); t(E1, I + 1, J - 1); t(E1, I, J); t(E1, I + 1, J);
            t(N, I, J - 1); t(N, I, J + 1); t(N, I + 1, J - 1); t(N, I + 1, J + 1);
            break;
        case TCouple::Ligne:
            t(E1, I - 1, J); t(E1, I + 1, J);
            t(E2, I - 1, J); t(E2, I - 1, J + 1); t(E2, I, J); t(E2, I, J + 1);
            t(N, I - 1, J); t(N, I - 1, J + 1); t(N, I + 1, J); t(N, I + 1, J + 1);
            break;
        case TCouple::Noeud:
            t(N, I - 1, J - 1); t(N, I - 1, J); t(N, I - 1, J + 1); t(N, I, J - 1);
            t(N, I, J + 1); t(N, I + 1, J - 1); t(N, I + 1, J); t(N, I + 1, J + 1);
            t(E1, I - 1, J - 1); t(E1, I - 1, J); t(E1, I + 1, J - 1); t(E1, I + 1, J);
            t(E2, I - 1, J - 1); t(E2, I - 1, J + 1); t(E2, I, J - 1); t(E2, I, J + 1);
            break;
        default:
            break;
        }
        if (found >= 0) w_.present[static_cast<std::size_t>(found)] = 0;
        return found;
    }

private:
    // Row edges [i][j]-[i][j+1], column edges [i][j]-[i+1][j] and nodes that
    // exist in the grid.
    bool Exists(int kind, int i, int j) const {
        switch (kind) {
        case TCouple::Ligne: return i >= 0 && i <= r_ && j >= 0 && j < c_;
        case TCouple::Colonne: return i >= 0 && i < r_ && j >= 0 && j <= c_;
        case TCouple::Noeud: return i >= 0 && i <= r_ && j >= 0 && j <= c_;
        default: return false;
        }
    }
    std::size_t Key(int kind, int i, int j) const {
        return (static_cast<std::size_t>(kind - 1) * static_cast<std::size_t>(r_ + 1) + static_cast<std::size_t>(i)) *
                   static_cast<std::size_t>(c_ + 1) +
               static_cast<std::size_t>(j);
    }

    CutWork& w_;
    const TListCouples& hits_;
    int r_, c_;
};

// Finds the hits of one plane on grid[0..r][0..c]. side(P) is the signed
// position of P against the plane (0 on it); cross(P1, P2) the point where the
// edge meets it; onPlane(P) a node lying on it, put exactly on the plane.
template <class Side, class Cross, class OnPlane>
void FindHits(const TArrayVertex3f& g, int r, int c, Side side, Cross cross, OnPlane onPlane, CutWork& w) {
    w.hits.clear();
    const std::size_t cols = static_cast<std::size_t>(c + 1);
    w.side.resize(static_cast<std::size_t>(r + 1) * cols);
    for (int i = 0; i <= r; ++i)
        for (int j = 0; j <= c; ++j) w.side[static_cast<std::size_t>(i) * cols + static_cast<std::size_t>(j)] = side(g[i][j]);
    auto s = [&](int i, int j) { return w.side[static_cast<std::size_t>(i) * cols + static_cast<std::size_t>(j)]; };
    auto strict = [](double a, double b) { return (a < 0 && b > 0) || (a > 0 && b < 0); };

    for (int i = 0; i < r; ++i)
        for (int j = 0; j <= c; ++j)
            if (strict(s(i, j), s(i + 1, j)))
                w.hits.push_back({TCouple::Colonne, i, j, cross(g[i][j], g[i + 1][j])});
    for (int i = 0; i <= r; ++i)
        for (int j = 0; j < c; ++j)
            if (strict(s(i, j), s(i, j + 1)))
                w.hits.push_back({TCouple::Ligne, i, j, cross(g[i][j], g[i][j + 1])});
    for (int i = 0; i <= r; ++i)
        for (int j = 0; j <= c; ++j)
            if (s(i, j) == 0.0) w.hits.push_back({TCouple::Noeud, i, j, onPlane(g[i][j])});
}

// Brings the grid bounds back inside the grid; false when nothing is left.
bool Bounds(const TArrayVertex3f& grid, int& lastRow, int& lastCol) {
    lastRow = std::min(lastRow, grid.rows() - 1);
    lastCol = std::min(lastCol, grid.cols() - 1);
    return lastRow >= 0 && lastCol >= 0;
}

template <int Axis>
double& Coord(TVertex3f& p) {
    if constexpr (Axis == 0) return p.X;
    else if constexpr (Axis == 1) return p.Y;
    else return p.Z;
}

// The point of edge P1P2 on the plane X (Axis 0), Y (1) or Z (2) = c.
template <int Axis>
TVertex3f Meet(const TVertex3f& p1, const TVertex3f& p2, double c) {
    TVertex3f q;
    Coord<Axis>(q) = c;
    Calcs::CalcDroite(p1, p2, q, Axis + 1);
    return q;
}

void Chaine(const TListCouples& hits, int lastRow, int lastCol, TCoupe& cut, const TArrayVertex3f* grid, int axis);

template <int Axis>
void CutAxis(const TArrayVertex3f& grid, int lastRow, int lastCol, TCoupe& cut, double c, bool oriente = false) {
    if (!Bounds(grid, lastRow, lastCol)) return;
    CutWork& w = Work();
    FindHits(
        grid, lastRow, lastCol, [c](TVertex3f p) { return Coord<Axis>(p) - c; },
        [c](const TVertex3f& p1, const TVertex3f& p2) { return Meet<Axis>(p1, p2, c); },
        [c](TVertex3f p) {
            Coord<Axis>(p) = c;
            return p;
        },
        w);
    if (w.hits.empty()) return;
    Chaine(w.hits, lastRow, lastCol, cut, oriente ? &grid : nullptr, Axis);
}

// The grid's normal (row step x column step) where a hit lies: the step
// along its edge, and across it the step between the neighbouring rows or
// columns (one-sided at the border).
TVertex3f NormaleGrille(const TArrayVertex3f& g, int r, int c, const TCouple& h) {
    const int im = std::max(h.I - 1, 0), ip = std::min(h.I + 1, r);
    const int jm = std::max(h.J - 1, 0), jp = std::min(h.J + 1, c);
    const TVertex3f& a = h.Kind == TCouple::Colonne ? g[h.I][h.J] : g[im][h.J];
    const TVertex3f& b = h.Kind == TCouple::Colonne ? g[h.I + 1][h.J] : g[ip][h.J];
    const TVertex3f& e = h.Kind == TCouple::Ligne ? g[h.I][h.J] : g[h.I][jm];
    const TVertex3f& f = h.Kind == TCouple::Ligne ? g[h.I][h.J + 1] : g[h.I][jp];
    const double ix = b.X - a.X, iy = b.Y - a.Y, iz = b.Z - a.Z;
    const double jx = f.X - e.X, jy = f.Y - e.Y, jz = f.Z - e.Z;
    return {iy * jz - iz * jy, iz * jx - ix * jz, ix * jy - iy * jx};
}

// Whether the chain of hits runs with the grid's normal on its right, seen
// from the side the plane's axis points to: the sum over its hits of
// (tangent x axis) . normal is not negative.
bool NormaleADroite(const TListCouples& hits, const std::vector<int>& ordre, const TArrayVertex3f& g, int r, int c,
                    int axis) {
    const int n = static_cast<int>(ordre.size());
    auto hit = [&](int k) -> const TCouple& { return hits[static_cast<std::size_t>(ordre[static_cast<std::size_t>(k)])]; };
    double s = 0.0;
    for (int k = 0; k < n; ++k) {
        const TVertex3f& a = hit(std::max(k - 1, 0)).P;
        const TVertex3f& b = hit(std::min(k + 1, n - 1)).P;
        const double t[3] = {b.X - a.X, b.Y - a.Y, b.Z - a.Z};
        const TVertex3f m = NormaleGrille(g, r, c, hit(k));
        const double nm[3] = {m.X, m.Y, m.Z};
        // (t x e_axis) . m, the axis' unit vector e picking one component out of each product.
        const int u = (axis + 1) % 3, v = (axis + 2) % 3;
        s += t[v] * nm[u] - t[u] * nm[v];
    }
    return s >= 0.0;
}

}  // namespace

void ObjCom::CalcSecMesh(const TArrayVertex3f& grid, int lastRow, int lastCol, TCoupe& cut, double c) {
    DBG_SCOPE("ObjCom.CalcSecMesh");
    CutAxis<1>(grid, lastRow, lastCol, cut, c);
}

void ObjCom::CalcLEMesh(const TArrayVertex3f& grid, int lastRow, int lastCol, TCoupe& cut, double c) {
    DBG_SCOPE("ObjCom.CalcLEMesh");
    CutAxis<2>(grid, lastRow, lastCol, cut, c);
}

void ObjCom::CalcSecMeshOriente(const TArrayVertex3f& grid, int lastRow, int lastCol, TCoupe& cut, double c) {
    DBG_SCOPE("ObjCom.CalcSecMeshOriente");
    CutAxis<1>(grid, lastRow, lastCol, cut, c, true);
}

void ObjCom::CalcLEMeshOriente(const TArrayVertex3f& grid, int lastRow, int lastCol, TCoupe& cut, double c) {
    DBG_SCOPE("ObjCom.CalcLEMeshOriente");
    CutAxis<2>(grid, lastRow, lastCol, cut, c, true);
}

void TMesh::CalcLong(const TArrayVertex3f& grid, int lastRow, int lastCol, TCoupe& cut, double c) {
    DBG_SCOPE("TMesh.CalcLong");
    CutAxis<0>(grid, lastRow, lastCol, cut, c);
}

void TMesh::CalcDiag(const TArrayVertex3f& grid, int lastRow, int lastCol, TCoupe& cut, double a, double b) {
    DBG_SCOPE("TMesh.CalcDiag");
    if (!Bounds(grid, lastRow, lastCol)) return;
    CutWork& w = Work();
    FindHits(
        grid, lastRow, lastCol, [a, b](const TVertex3f& p) { return p.Z - (a * p.X + b); },
        [a, b](const TVertex3f& p1, const TVertex3f& p2) {
            TVertex3f q;
            Calcs::InterDiagonale(p1, p2, q, a, b);
            return q;
        },
        [a, b](TVertex3f p) {
            p.Z = a * p.X + b;
            return p;
        },
        w);
    if (w.hits.empty()) return;
    const int first = cut.Count();
    ObjCom::TrieLstCouples(w.hits, lastRow, lastCol, cut);
    EliminePtInfZero(cut, first);
}

void ObjCom::TrieLstCouples(const TListCouples& hits, int lastRow, int lastCol, TCoupe& cut) {
    DBG_SCOPE("ObjCom.TrieLstCouples");
    Chaine(hits, lastRow, lastCol, cut, nullptr, 0);
}

namespace {

// Chains the hits into polylines; with a grid, each polyline is turned so
// that the grid's normal lies on its right seen from the axis' side.
void Chaine(const TListCouples& hits, int lastRow, int lastCol, TCoupe& cut, const TArrayVertex3f* grid, int axis) {
    if (hits.empty() || lastRow < 0 || lastCol < 0) return;
    CutWork& w = Work();
    Presence pres(w, hits, lastRow, lastCol);
    std::vector<int>& front = w.front;  // hits put before the first one, nearest first
    std::vector<int>& back = w.back;    // the first hit and those after it
    int head = 0, tail = 0;

    auto start = [&](int k) {
        front.clear();
        back.clear();
        back.push_back(k);
        head = tail = k;
        pres.Set(k, false);
    };
    auto finish = [&]() {
        // A chain of three hits or more is a loop when its ends are neighbours:
        // its first point is repeated at its end. Two neighbouring hits stay a
        // plain segment.
        bool closed = false;
        if (front.size() + back.size() >= 3) {
            pres.Set(head, true);
            const int k = pres.TakeAdjacent(tail);
            closed = k == head;
            if (k >= 0 && k != head) pres.Set(k, true);  // not ours: leave it as it was
            pres.Set(head, false);
        }
        // The chain in order, its closing hit repeated.
        std::vector<int>& ordre = w.ordre;
        ordre.assign(front.rbegin(), front.rend());
        ordre.insert(ordre.end(), back.begin(), back.end());
        if (closed) ordre.push_back(head);
        if (grid && !NormaleADroite(hits, ordre, *grid, lastRow, lastCol, axis)) std::reverse(ordre.begin(), ordre.end());
        TListPt3D line;
        line.Reserve(ordre.size());
        for (int k : ordre) line.Add(hits[static_cast<std::size_t>(k)].P);
        cut.Add(std::move(line));
    };

    const int n = static_cast<int>(hits.size());
    int next = 0;  // no hit before this one is still present
    start(0);
    for (int used = 1; used < n; ++used) {
        int k = pres.TakeAdjacent(tail);
        if (k >= 0) {
            tail = k;
            back.push_back(k);
        } else if ((k = pres.TakeAdjacent(head)) >= 0) {
            head = k;
            front.push_back(k);
        } else {
            finish();
            while (next < n && !pres.IsPresent(next)) ++next;
            if (next >= n) return;  // only hits outside the grid were left
            start(next);
        }
    }
    finish();
}

}  // namespace

void TMesh::EliminePtInfZero(TCoupe& cut, int first) {
    DBG_SCOPE("TMesh.EliminePtInfZero");
    for (int l = std::max(first, 0); l < cut.Count(); ++l) {
        TListPt3D& line = cut[l];
        for (int k = line.Count() - 1; k >= 0; --k) {
            const TVertex3f p = line[k].P;
            if (!(p.X < 0)) continue;
            const TVertex3f prev = k > 0 ? line[k - 1].P : TVertex3f{};
            const TVertex3f next = k + 1 < line.Count() ? line[k + 1].P : TVertex3f{};
            if (prev.X <= 0 && next.X <= 0) {
                line.Delete(k);
                continue;
            }
            // Onto X = 0 along the segment to the neighbour lying at X > 0.
            TVertex3f q{0.0, 0.0, 0.0};
            Calcs::CalcDroite(p, prev.X <= 0 ? next : prev, q, 1);
            line[k].P = q;
        }
    }
    for (int l = cut.Count() - 1; l >= std::max(first, 0); --l)
        if (cut[l].empty()) cut.Delete(l);
}
