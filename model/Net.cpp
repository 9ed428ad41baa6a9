#include "model/Net.h"

#include <cmath>

#include "base/Debug.h"
#include "model/Calcs.h"
#include "model/UiPort.h"

TNet::TNet(int ownerIndex) : owner(ownerIndex) { DBG_SCOPE("TNet.Create"); }

bool TNet::Initialise(int kind) {
    DBG_SCOPE("TNet.Initialise");
    for (auto& row : TabPC)
        for (auto& p : row) p = {0.0, 0.0, 0.0, 1.0};

    auto set = [this](int i, int j, double x, double y, double z, double w = 1.0) { TabPC[i][j] = {x, y, z, w}; };
    const double w = kCylinderWeight;
    switch (kind) {
        case 0:
            NbL = 3;
            NbC = 3;
            set(0, 0, 0, 0, 0.05);
            set(0, 1, 0, 3.0, -0.3);
            set(0, 2, 0, 5.9, -0.1);
            set(1, 0, 1.0, 0, 0.1);
            set(1, 1, 1.1, 3.0, 0);
            set(1, 2, 0, 5.95, 0.4);
            set(2, 0, 1.2, 0, 0.7);
            set(2, 1, 1.4, 3.0, 0.8);
            set(2, 2, 0, 6.0, 0.9);
            return true;
        case 1:
            NbL = NbC = 2;
            set(0, 0, 0, 0, 0);
            set(0, 1, 0, 2, 0);
            set(1, 0, 2, 0, 0);
            set(1, 1, 2, 2, 0);
            return true;
        case 2:
            NbL = NbC = 2;
            set(0, 0, 0, 0, 0);
            set(0, 1, 0, 2, 0);
            set(1, 0, 0, 0, 2);
            set(1, 1, 0, 2, 2);
            return true;
        case 3:
            NbL = NbC = 2;
            set(0, 0, 0, 0, 0);
            set(0, 1, 2, 0, 0);
            set(1, 0, 0, 0, 2);
            set(1, 1, 2, 0, 2);
            return true;
        case 4:  // half cylinder along Y
            NbL = 4;
            NbC = 2;
            for (int j = 0; j < 2; ++j) {
                const double y = j == 0 ? 0.0 : 3.0;
                set(0, j, 0, y, 0);
                set(1, j, 2, y, 0, w);
                set(2, j, 2, y, 2, w);
                set(3, j, 0, y, 2);
            }
            return true;
        case 5:  // half cylinder along X
            NbL = 4;
            NbC = 2;
            for (int j = 0; j < 2; ++j) {
                const double x = j == 0 ? 0.0 : 3.0;
                set(0, j, x, 0, 0);
                set(1, j, x, 2, 0, w);
                set(2, j, x, 2, 2, w);
                set(3, j, x, 0, 2);
            }
            return true;
        case 6:  // half cylinder along Z
            NbL = 2;
            NbC = 4;
            for (int i = 0; i < 2; ++i) {
                const double z = i == 0 ? 0.0 : 3.0;
                set(i, 0, 0, 0, z);
                set(i, 1, 2, 0, z, w);
                set(i, 2, 2, 2, z, w);
                set(i, 3, 0, 2, z);
            }
            return true;
        case 7:
            return true;
        default:
            Ui::ui().showMessage("Cas impossible");
            return false;
    }
}

namespace {
// The view's two coordinates: section (X, Z), plan (X, Y), profile (Y, Z).
TVertex2f InView(const TVertex3f& p, int viewKind) {
    switch (viewKind) {
        case 0: return {static_cast<float>(p.X), static_cast<float>(p.Z)};
        case 1: return {static_cast<float>(p.X), static_cast<float>(p.Y)};
        default: return {static_cast<float>(p.Y), static_cast<float>(p.Z)};
    }
}
TVertex3f Xyz(const TVertex4f& p) { return {p.X, p.Y, p.Z}; }
}  // namespace

bool TNet::CalcProp_AjoutPC(TVertex3f click, int I, int J, int viewKind, double& t, double& angle) const {
    DBG_SCOPE("TNet.CalcProp_AjoutPC");
    if (viewKind == 3) {
        Ui::ui().showMessage("Service non fourni pour PerspForm");
        return false;
    }
    if (viewKind < 0 || viewKind > 2) {
        Ui::ui().showMessage("Fenetre fille non declaree");
        return false;
    }
    if (I < 0 || J < 0 || I >= NbL || J >= NbC) return false;
    const bool rows = viewKind == 0;
    if ((rows ? NbL : NbC) == 1) {
        t = 1.0;
        angle = 0.0;
        return true;
    }
    if ((rows ? I : J) == 0) return false;  // no predecessor to interpolate from
    const TVertex3f b3 = Xyz(TabPC[I][J]);
    const TVertex3f a3 = rows ? Xyz(TabPC[I - 1][J]) : Xyz(TabPC[I][J - 1]);
    const TVertex2f a = InView(a3, viewKind), b = InView(b3, viewKind), q = InView(click, viewKind);
    const double ab = Calcs::Distance2D(a, b);
    if (!(ab > 0.0) || !std::isfinite(ab)) return false;
    // The angle is measured and later turned (Calcs::RotationAxe) in the same
    // axes of the view, so it is used as it is in every view: the plan's
    // (X, Y) turn the same way as its screen (right Y, down X), and a sign
    // change there would put the new point at the mirror image of the click.
    const double ang = Calcs::AngleOriente2D(b, a, q);
    const double tt = Calcs::Distance2D(a, q) / ab;
    if (!std::isfinite(tt) || !std::isfinite(ang)) return false;
    t = tt;
    angle = ang;
    return true;
}

bool TNet::InsertRow(int I, double t, double angle) {
    DBG_SCOPE("TNet.AjoutLnPC");
    if (NbL >= kMaxNetSize || NbL < 1 || NbC < 1) return false;
    if (NbL == 1) {
        for (int j = 0; j < NbC; ++j) TabPC[1][j] = {TabPC[0][j].X, TabPC[0][j].Y, TabPC[0][j].Z, 1.0};
        NbL = 2;
        return true;
    }
    if (I < 1 || I >= NbL) return false;
    for (int i = NbL - 1; i >= I; --i)
        for (int j = 0; j < NbC; ++j) TabPC[i + 1][j] = TabPC[i][j];
    for (int j = 0; j < NbC; ++j) {
        const TVertex3f A = Xyz(TabPC[I - 1][j]), C = Xyz(TabPC[I + 1][j]);
        TVertex3f P{A.X + t * (C.X - A.X), A.Y + t * (C.Y - A.Y), A.Z + t * (C.Z - A.Z)};
        Calcs::RotationAxe(0, A, P, angle);
        P.Y = (C.X != A.X) ? (C.Y - A.Y) * (P.X - A.X) / (C.X - A.X) + A.Y : A.Y;
        TabPC[I][j] = {P.X, P.Y, P.Z, 1.0};
    }
    ++NbL;
    return true;
}

bool TNet::InsertColumn(int J, double t, double angle, int viewKind) {
    DBG_SCOPE("TNet.AjoutColPC");
    if (NbC >= kMaxNetSize || NbL < 1 || NbC < 1) return false;
    if (NbC == 1) {
        for (int i = 0; i < NbL; ++i) TabPC[i][1] = {TabPC[i][0].X, TabPC[i][0].Y, TabPC[i][0].Z, 1.0};
        NbC = 2;
        return true;
    }
    if (J < 1 || J >= NbC || (viewKind != 1 && viewKind != 2)) return false;
    for (int i = 0; i < NbL; ++i)
        for (int j = NbC - 1; j >= J; --j) TabPC[i][j + 1] = TabPC[i][j];
    for (int i = 0; i < NbL; ++i) {
        const TVertex3f A = Xyz(TabPC[i][J - 1]), C = Xyz(TabPC[i][J + 1]);
        TVertex3f P{A.X + t * (C.X - A.X), A.Y + t * (C.Y - A.Y), A.Z + t * (C.Z - A.Z)};
        Calcs::RotationAxe(viewKind, A, P, angle);
        const bool flat = C.Y == A.Y;
        if (viewKind == 1)
            P.Z = flat ? A.Z : (C.Z - A.Z) * (P.Y - A.Y) / (C.Y - A.Y) + A.Z;
        else
            P.X = flat ? A.X : (C.X - A.X) * (P.Y - A.Y) / (C.Y - A.Y) + A.X;
        TabPC[i][J] = {P.X, P.Y, P.Z, 1.0};
    }
    ++NbC;
    return true;
}

bool TNet::RemoveRow(int I) {
    DBG_SCOPE("TNet.SupprPC");
    if (!CanRemoveRow() || I < 0 || I >= NbL) return false;
    for (int i = I; i < NbL - 1; ++i)
        for (int j = 0; j < NbC; ++j) TabPC[i][j] = TabPC[i + 1][j];
    --NbL;
    return true;
}

bool TNet::RemoveColumn(int J) {
    DBG_SCOPE("TNet.SupprPC");
    if (!CanRemoveColumn() || J < 0 || J >= NbC) return false;
    for (int i = 0; i < NbL; ++i)
        for (int j = J; j < NbC - 1; ++j) TabPC[i][j] = TabPC[i][j + 1];
    --NbC;
    return true;
}
