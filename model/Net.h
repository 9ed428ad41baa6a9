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

    // Insertion and removal of rows and columns (the geometry only; the
    // caller keeps selections, the undo record and the update chain).
    //
    // CalcProp_AjoutPC works out where a click Q falls between the current
    // point [I][J] and its predecessor in the direction of insertion (rows in
    // the section view 0, columns in the plan 1 or profile 2 view): the
    // proportion t = |AQ| / |AB| and the signed angle at A from AB to AQ in
    // the view's axes. A net of one row (column) gives t = 1 and 0.
    // Refused (false) for another view kind (with its message), for a current
    // point without predecessor in a net of several rows (columns), and when
    // A and B coincide in the view, which would give no finite proportion.
    bool CalcProp_AjoutPC(TVertex3f click, int I, int J, int viewKind, double& t, double& angle) const;
    // A new row at index I between rows I-1 and I (or a copy of row 0 in a net
    // of one row). False when the net is full or I has no predecessor.
    bool InsertRow(int I, double t, double angle);
    // A new column at index J; viewKind 1 (plan) or 2 (profile) chooses the
    // plane of the turn and the coordinate re-interpolated.
    bool InsertColumn(int J, double t, double angle, int viewKind);
    // False when the net would fall below its minimum (one row or column, or
    // three points in all).
    bool CanRemoveRow() const { return NbL > 1 && NbL + NbC != 3; }
    bool CanRemoveColumn() const { return NbC > 1 && NbL + NbC != 3; }
    bool RemoveRow(int I);
    bool RemoveColumn(int J);

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
