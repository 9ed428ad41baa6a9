// Colours of the Gaussian curvature: a fixed scale of 881 colours indexed
// -440..440, white at 0, blue towards positive values and red towards
// negative ones, darkening to the ends; a value is placed on it by the
// saturation limit, the zero threshold and a gain.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class TSurface;

namespace GaussCtrl {

constexpr int kDemiEchelle = 440;
using TCouleur = std::uint32_t;  // 0x00BBGGRR

// The scale entry i (-440..440).
TCouleur CouleurEchelle(int i);

// Gain of the track bar at a position (0..maximum): (maximum + 1 - position) / (maximum + 1).
double GainDePosition(int position, int maximum = 99);

// The settings of the scale. MaxGauss must be above 0 (the tool window
// refuses anything else); a limit that is not, or a gain that is not, leaves
// every value white rather than dividing by nothing.
struct TEchelleGauss {
    double MaxGauss = 0.5;  // saturation limit
    double MinGauss = 0.0;  // |v| below it counts as 0
    double Gain = 1.0;

    // The colour of a curvature value; NaN is white.
    TCouleur Couleur(double v) const;
    // The scale index of a value (-440..440).
    int Index(double v) const;
    // "> %.4f" of MaxGauss x gain and "< %.4f" of its negative.
    std::string TexteMax() const;
    std::string TexteMin() const;
};

// Colours every evaluated point of a NURBS surface from its curvature grid.
void CouleursSurface(TSurface& s, const TEchelleGauss& e);

}  // namespace GaussCtrl
