// Where the reference lines of the lines plan lie: stations (planes Y = c),
// waterlines (Z = c), longitudinals or buttocks (X = c) and diagonals (planes
// through a height on the centreline at a given angle).
#pragma once

#include <array>
#include <cstdint>

#include "model/Geom.h"

// At most this many lines per family.
constexpr int kMaxLignesGrille = 100;

// The positions of one family, numbered from 1 (entry 0 is never used), each
// with a flag byte (for the stations: chosen in the net selection window).
struct TListeGrille {
    std::array<double, kMaxLignesGrille + 1> Val{};
    std::array<std::uint8_t, kMaxLignesGrille + 1> Flag{};

    friend bool operator==(const TListeGrille&, const TListeGrille&) = default;
};

struct TDefGrille {
    int NbSec = 0;            // stations, 0..100
    int SecScind = 5;         // stations 1..SecScind are drawn on the other side of the body plan
    std::uint8_t MiseEnValeur = 0;  // a station is highlighted
    int SecEnValeur = 0;      // the highlighted station, from 1
    int NbLE = 0;             // waterlines
    int NbLongit = 0;         // longitudinals
    int NbDiag = 0;           // diagonals
    TListeGrille Sec;         // station positions (Y)
    TListeGrille LE;          // waterline positions (Z)
    TListeGrille Longit;      // longitudinal positions (X)
    TListeGrille LongitNeg;   // the longitudinal positions negated
    TListeGrille DiagPos;     // height Z where a diagonal crosses X = 0
    TListeGrille DiagAngle;   // angle of a diagonal, degrees
    TVertex3f Min{10000.0, 10000.0, 10000.0};     // lowest longitudinal, station, waterline
    TVertex3f Max{-10000.0, -10000.0, -10000.0};  // highest

    // Counts clamped to 0..100: every reader of the lists uses these.
    int NbSecUtil() const { return Clamp(NbSec); }
    int NbLEUtil() const { return Clamp(NbLE); }
    int NbLongitUtil() const { return Clamp(NbLongit); }
    int NbDiagUtil() const { return Clamp(NbDiag); }

    // Slope a and offset b of diagonal i (1-based), the plane Z = a.X + b: it
    // crosses X = 0 at its position and falls outboard at its angle from the
    // vertical centreline. False when the angle gives no such plane (a
    // multiple of 180 degrees).
    bool CoeffsDiag(int i, double& a, double& b) const;

    static int Clamp(int n) { return n < 0 ? 0 : (n > kMaxLignesGrille ? kMaxLignesGrille : n); }

    friend bool operator==(const TDefGrille&, const TDefGrille&) = default;
};

namespace Grille {

// Lowest and highest positions of the stations (Y), waterlines (Z) and
// longitudinals (X); a family without lines keeps 10000 / -10000. Diagonals
// take no part.
void MinMaxGrille(TDefGrille& g);

}  // namespace Grille
