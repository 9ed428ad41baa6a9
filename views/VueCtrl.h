// The view-control window's arithmetic: the five bar positions of a view
// (scale, horizontal and vertical shift, two angles) and the view that a
// position gives back. The shifts are measured from the window's centre, so
// both at 0 put the model origin at the centre of the view.
#pragma once

#include "model/Calcs.h"

namespace VueCtrl {

// The controlled view: 0..3 the 2-D views, 6 the studio.
constexpr int kStudio = 6;

struct TPlages {
    int ZoomMin = 1, ZoomMax = 1;
    int HoriMin = 0, HoriMax = 0;
    int VertMin = 0, VertMax = 0;
    bool Angles = false;  // the two angle bars work
};
TPlages Plages(int index, int zoomMax);

struct TPositions {
    int Zoom = 1;
    int DHori = 0, DVert = 0;
    int RHori = 0, RVert = 0;  // degrees
};
// A 2-D view in a client area of w x h pixels.
TPositions Positions(const TViewRecord& v, int w, int h);

// A bar dragged by the user, on a 2-D view.
void AppliqueZoom(TViewRecord& v, int pos);
void AppliqueDHori(TViewRecord& v, int pos, int w);
void AppliqueDVert(TViewRecord& v, int pos, int h);
// The perspective's angles (radians in the record, whole degrees kept beside).
void AppliqueAzimut(TViewRecord& v, int& degres, int pos);
void AppliqueElevation(TViewRecord& v, int& degres, int pos);

// The studio's settings the bars show and move.
struct TStudio {
    double Zoom = 1.0;
    double Zoom2 = 35.0;  // the second zoom value that follows the bar
    int DHori = 0, DVert = 0;
    double AngleH = 0.0, AngleV = 0.0;  // degrees
};
// The studio's second zoom value for a bar position: (350 - pos + 1) / 10.
double Zoom2Studio(int pos);
// An angle outside -360..360 is first brought back to Round(angle) mod 360
// (stored back); the bar shows it rounded.
int AngleStudio(double& angle);
TPositions Positions(TStudio& s);

}  // namespace VueCtrl
