// Control net of one NURBS surface: at most 31 x 31 weighted points.
#pragma once

#include "model/Geom.h"

constexpr int kMaxNetSize = 31;

class TNet {
public:
    explicit TNet(int owner = 0);  // TNet.Create

    // Lays one of the starting shapes (0 default hull ... 7 empty). Orders are
    // not touched. Any other kind shows "Cas impossible" after the reset and
    // returns false.
    bool Initialise(int kind);

    TVertex4f& pc(int i, int j) { return TabPC[i][j]; }
    const TVertex4f& pc(int i, int j) const { return TabPC[i][j]; }

    int owner = 0;
    int NbL = 0;
    int NbC = 0;
    TVertex4f TabPC[kMaxNetSize][kMaxNetSize] = {};
    int LFlex = 4;
    int CFlex = 4;
    // What the net selection window asks to draw.
    bool AffColonnes = true;
    int ColonneAffichee = 0;  // -1 every column
    bool AffLignes = false;
    int LigneAffichee = 0;    // -1 every row

    friend bool operator==(const TNet&, const TNet&) = default;
};

// The weight of the inner points of the starting half cylinders: the double
// nearest 0.3333 (not 1/3).
constexpr double kCylinderWeight = 0.3333;
