#include "studio/Courbure.h"

#include <algorithm>
#include <cmath>

#include "base/Debug.h"
#include "base/Format.h"
#include "model/Entity.h"

namespace GaussCtrl {

namespace {

constexpr TCouleur Rgb(int r, int g, int b) {
    return static_cast<TCouleur>(r) | (static_cast<TCouleur>(g) << 8) | (static_cast<TCouleur>(b) << 16);
}

constexpr TCouleur Entree(int i) {
    if (i == 0) return Rgb(255, 255, 255);
    if (i > 0) return i < 255 ? Rgb(255 - i, 255 - i, 255) : Rgb(0, 0, 510 - i);
    const int a = -i;
    return a < 255 ? Rgb(255, 255 - a, 255 - a) : Rgb(510 - a, 0, 0);
}

constexpr std::array<TCouleur, 2 * kDemiEchelle + 1> Construit() {
    std::array<TCouleur, 2 * kDemiEchelle + 1> e{};
    for (int i = -kDemiEchelle; i <= kDemiEchelle; ++i) e[static_cast<std::size_t>(i + kDemiEchelle)] = Entree(i);
    return e;
}

constexpr auto kEchelle = Construit();

}  // namespace

TCouleur CouleurEchelle(int i) {
    return kEchelle[static_cast<std::size_t>(std::clamp(i, -kDemiEchelle, kDemiEchelle) + kDemiEchelle)];
}

double GainDePosition(int position, int maximum) {
    return static_cast<double>(maximum + 1 - position) / static_cast<double>(maximum + 1);
}

int TEchelleGauss::Index(double v) const {
    const double M = MaxGauss, g = Gain;
    if (std::isnan(v) || !(M > 0.0) || !(g > 0.0) || !std::isfinite(M) || !std::isfinite(g)) return 0;
    if (-MinGauss < v && v < MinGauss) v = 0.0;
    v = std::clamp(v, -M, M);
    const double t = std::clamp(v / M * kDemiEchelle / g, -double(kDemiEchelle), double(kDemiEchelle));
    return static_cast<int>(std::nearbyint(t));  // ties to even in the default rounding mode
}

TCouleur TEchelleGauss::Couleur(double v) const { return CouleurEchelle(Index(v)); }

std::string TEchelleGauss::TexteMax() const { return "> " + Format::Fixe(MaxGauss * Gain, 4); }
std::string TEchelleGauss::TexteMin() const { return "< " + Format::Fixe(-MaxGauss * Gain, 4); }

void CouleursSurface(TSurface& s, const TEchelleGauss& e) {
    DBG_SCOPE("TStudioForm.InitCouleursCourbureSurf");
    const TArrayDouble& k = s.Courbure;
    s.CouleursCourbure.resize(k.rows(), k.cols());
    const int nr = std::min(s.DernLigne + 1, k.rows()), nc = std::min(s.DernCol + 1, k.cols());
    for (int i = 0; i < nr; ++i) {
        const double* src = k[i];
        std::uint32_t* dst = s.CouleursCourbure[i];
        for (int j = 0; j < nc; ++j) dst[j] = e.Couleur(src[j]);
    }
    s.CouleursAJour = true;
}

}  // namespace GaussCtrl
