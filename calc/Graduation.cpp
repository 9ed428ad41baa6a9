#include "calc/Graduation.h"

#include <algorithm>
#include <cmath>

namespace Graduation {

double Pas(double min, double max, int nbMax) {
    const double etendue = max - min;
    if (!std::isfinite(etendue) || !(etendue > 0.0) || nbMax < 1) return 1.0;
    const double brut = etendue / nbMax;
    const double puissance = std::pow(10.0, std::floor(std::log10(brut)));
    // The rounding of the power may leave brut a hair above 10^n: 1 + 1e-9 still gives 10^n.
    for (double m : {1.0, 2.0, 5.0})
        if (m * puissance >= brut * (1.0 - 1e-9)) return m * puissance;
    return 10.0 * puissance;
}

int Decimales(double pas) {
    if (!std::isfinite(pas) || !(pas > 0.0)) return 0;
    return std::max(0, static_cast<int>(-std::floor(std::log10(pas) + 1e-9)));
}

}  // namespace Graduation
