#include "model/ObjCom.h"

#include <cmath>
#include <numbers>

#include "base/Debug.h"
#include "model/Calcs.h"
#include "model/Entity.h"

// ---- TListPC ----------------------------------------------------------------

int TListPC::IndexOf(const TPC& pc) const {
    for (std::size_t k = 0; k < items_.size(); ++k)
        if (items_[k] == pc) return static_cast<int>(k);
    return -1;
}

void TListPC::Remove(const TPC& pc) {
    const int k = IndexOf(pc);
    if (k >= 0) items_.erase(items_.begin() + k);
}

// ---- TPlanSym ---------------------------------------------------------------

void TPlanSym::MajEquation() {
    DBG_SCOPE("TPlanSym.MajEquation");
    Normal = Axis1;
    D = -(Normal.X * Origin.X + Normal.Y * Origin.Y + Normal.Z * Origin.Z);
}

void TPlanSym::RAZ() {
    DBG_SCOPE("TPlanSym.RAZ");
    *this = TPlanSym{};
    MajEquation();
}

bool TPlanSym::EstDefaut() const {
    return Normal == TVertex3f{1, 0, 0} && D == 0.0 && Origin == TVertex3f{0, 0, 0} && Axis3.Z == 1.0;
}

TVertex3f TPlanSym::CalcAnglesRotation() const {
    DBG_SCOPE("TPlanSym.CalcAnglesRotation");
    constexpr double kDeg = 180.0 / std::numbers::pi;
    TVertex3f a1 = Axis1, a2 = Axis2;
    TMatrice m;

    // The frame is Rz(az).Ry(ay).Rx(ax) applied to the world axes: measure
    // the angle about Z on the first axis, undo it, then the angle about Y on
    // the first axis, undo it, and the angle about X on the second axis.
    const double az = std::atan2(a1.Y, a1.X) * kDeg;
    Matrice::MatRotationZ(m, -az);
    Matrice::Transformation3D(m, a1);
    Matrice::Transformation3D(m, a2);

    const double ay = std::atan2(a1.Z, a1.X) * kDeg;
    Matrice::MatRotationY(m, -ay);
    Matrice::Transformation3D(m, a2);

    const double ax = std::atan2(a2.Z, a2.Y) * kDeg;
    return {ax, ay, az};
}

// ---- Lists ----------------------------------------------------------------------

bool TListSurf::Contains(int surf) const {
    for (int s : items_)
        if (s == surf) return true;
    return false;
}

const TGZ* TListGZ::GetGZ(int i) const {
    if (i < 0 || i >= Count()) return nullptr;
    return &items_[static_cast<std::size_t>(i)];
}

TGZ* TListGZ::GetGZ(int i) {
    if (i < 0 || i >= Count()) return nullptr;
    return &items_[static_cast<std::size_t>(i)];
}

void TDoubleSurfList::AddSurf(const TEntity& surf) {
    DBG_SCOPE("TDoubleSurfList.AddSurf");
    TDoubleSurf d;
    d.DernLigne = surf.DernLigne;
    d.DernCol = surf.DernCol;
    d.Points = surf.Points;
    if (surf.Sym) d.PointsSym = surf.PointsSym;
    d.Orientation = surf.Orientation;
    d.Jonction = surf.Jonction;
    items_.push_back(std::move(d));
}

// ---- Free routines ------------------------------------------------------------------

namespace ObjCom {

void DimentionsListePt3D(TDim& dim, const TListPt3D& list) {
    DBG_SCOPE("ObjCom.DimentionsListePt3D");
    TDimAxe* axes[3] = {&dim.X, &dim.Y, &dim.Z};
    for (TDimAxe* a : axes) {
        a->Min = 10000.0;
        a->Max = -10000.0;
    }
    for (const TPt3D& pt : list) {
        const double c[3] = {pt.P.X, pt.P.Y, pt.P.Z};
        for (int k = 0; k < 3; ++k) {
            const double v = c[k];
            if (v < axes[k]->Min) axes[k]->Min = v;
            if (v > axes[k]->Max) axes[k]->Max = v;
        }
    }
    for (TDimAxe* a : axes) a->Size = a->Max - a->Min;
}

std::string Tronque(std::string_view text, std::size_t n) {
    std::size_t chars = 0, k = 0;
    for (; k < text.size(); ++k) {
        const auto c = static_cast<unsigned char>(text[k]);
        if ((c & 0xC0) != 0x80) {   // a character starts here
            if (chars == n) break;
            ++chars;
        }
    }
    return std::string(text.substr(0, k));
}

void MeshNormales(const TArrayVertex3f& g, TArrayVertex3f& normals) {
    DBG_SCOPE("ObjCom.MeshNormales");
    const int rows = g.rows(), cols = g.cols();
    normals.resize(rows, cols);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) normals[i][j] = {};

    // Corners of a cell in turn: [i][j], [i+1][j], [i+1][j+1], [i][j+1]; each
    // corner's normal is (next - corner) x (previous - corner), which for
    // every corner points along (row direction) x (column direction).
    static constexpr int di[4] = {0, 1, 1, 0};
    static constexpr int dj[4] = {0, 0, 1, 1};
    for (int i = 0; i + 1 < rows; ++i) {
        for (int j = 0; j + 1 < cols; ++j) {
            for (int k = 0; k < 4; ++k) {
                const int nx = (k + 1) % 4, pv = (k + 3) % 4;
                TVertex3f n;
                Calcs::NormaleTriangle(g[i + di[k]][j + dj[k]], g[i + di[nx]][j + dj[nx]],
                                       g[i + di[pv]][j + dj[pv]], n);
                AjouteVertex3f(normals[i + di[k]][j + dj[k]], n);
            }
        }
    }
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) Calcs::NormalizeVertex3f(normals[i][j]);
}

}  // namespace ObjCom
