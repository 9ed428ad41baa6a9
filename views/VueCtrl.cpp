#include "views/VueCtrl.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace VueCtrl {

namespace {

constexpr double kDeg = 180.0 / std::numbers::pi;

// Nearest integer, halves to even, within an int.
int Arrondi(double v) {
    if (!std::isfinite(v)) return 0;
    const double r = std::nearbyint(v);
    if (r <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    if (r >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return static_cast<int>(r);
}

}  // namespace

TPlages Plages(int index, int zoomMax) {
    TPlages p;
    if (index == kStudio) {
        p.ZoomMax = 350;
        p.HoriMin = p.VertMin = -100;
        p.HoriMax = p.VertMax = 100;
        p.Angles = true;
    } else {
        p.ZoomMax = zoomMax < 1 ? 1 : zoomMax;
        p.HoriMin = -20000, p.HoriMax = 20000;
        p.VertMin = -10000, p.VertMax = 10000;
        p.Angles = index == vkPerspective;
    }
    return p;
}

TPositions Positions(const TViewRecord& v, int w, int h) {
    TPositions p;
    p.Zoom = Arrondi(v.Scale);
    p.DHori = v.OriginX - Arrondi(w / 2.0);
    p.DVert = Arrondi(h / 2.0) - v.OriginY;
    p.RHori = Arrondi(v.Azimuth * kDeg);
    p.RVert = Arrondi(v.Elevation * kDeg);
    return p;
}

void AppliqueZoom(TViewRecord& v, int pos) { v.Scale = static_cast<float>(pos); }
void AppliqueDHori(TViewRecord& v, int pos, int w) { v.OriginX = Arrondi(w / 2.0) + pos; }
void AppliqueDVert(TViewRecord& v, int pos, int h) { v.OriginY = Arrondi(h / 2.0) - pos; }

void AppliqueAzimut(TViewRecord& v, int& degres, int pos) {
    v.Azimuth = static_cast<float>(pos / kDeg);
    degres = pos;
}

void AppliqueElevation(TViewRecord& v, int& degres, int pos) {
    v.Elevation = static_cast<float>(pos / kDeg);
    degres = pos;
}

double Zoom2Studio(int pos) { return (350 - pos + 1) / 10.0; }

int AngleStudio(double& angle) {
    if (angle < -360.0 || angle > 360.0) angle = Arrondi(angle) % 360;
    return Arrondi(angle);
}

TPositions Positions(TStudio& s) {
    TPositions p;
    p.Zoom = Arrondi(s.Zoom);
    p.DHori = s.DHori;
    p.DVert = s.DVert;
    p.RHori = AngleStudio(s.AngleH);
    p.RVert = AngleStudio(s.AngleV);
    return p;
}

}  // namespace VueCtrl
