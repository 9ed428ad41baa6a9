#include "model/Grille.h"

#include <cmath>
#include <numbers>

#include "base/Debug.h"

bool TDefGrille::CoeffsDiag(int i, double& a, double& b) const {
    DBG_SCOPE("Grille.CoeffsDiag");
    const double rad = -DiagAngle.Val[i] * std::numbers::pi / 180.0;
    const double s = std::sin(rad);
    b = DiagPos.Val[i];
    a = s != 0.0 ? std::cos(rad) / s : 0.0;
    return s != 0.0 && std::isfinite(a) && std::isfinite(b);
}

namespace Grille {

namespace {
void Bornes(const TListeGrille& l, int n, double& lo, double& hi) {
    lo = 10000.0;
    hi = -10000.0;
    for (int i = 1; i <= TDefGrille::Clamp(n); ++i) {
        if (l.Val[i] < lo) lo = l.Val[i];
        if (l.Val[i] > hi) hi = l.Val[i];
    }
}
}  // namespace

void MinMaxGrille(TDefGrille& g) {
    DBG_SCOPE("Grille.MinMaxGrille");
    Bornes(g.Sec, g.NbSec, g.Min.Y, g.Max.Y);
    Bornes(g.LE, g.NbLE, g.Min.Z, g.Max.Z);
    Bornes(g.Longit, g.NbLongit, g.Min.X, g.Max.X);
}

}  // namespace Grille
