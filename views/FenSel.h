// The net selection window's logic: where its markers and station ticks lie
// for a window size, what a press at a pixel chooses (a row or a column of
// the current net, all of them, a station of the grid), and how the views'
// active control points follow the choice.
#pragma once

#include <vector>

#include "model/Document.h"
#include "model/Draw.h"

namespace FenSel {

// The left strip ends at x = kXs; the bottom strip starts 11 pixels above the
// bottom edge.
constexpr int kXs = 10;

struct TGeometrie {
    int W = 0, H = 0;
    int Xs = kXs;
    int Ys = 0;
    std::vector<int> Lignes;    // y of the row markers, row 0 at the bottom (none for a mesh)
    std::vector<int> Colonnes;  // x of the column markers
    std::vector<int> Stations;  // x of the station ticks, evenly spaced
};
// nbL and nbC: the current net's rows and columns (0 when the current
// surface is not a NURBS surface); nbSec: the grid's stations.
TGeometrie Geometrie(int W, int H, int nbL, int nbC, int nbSec);

// The window's choice, kept with each net between showings.
struct TEtat {
    int Ligne = 0;             // -1: every row
    int Colonne = 0;           // -1: every column
    bool AffLignes = false;    // the row choice is in force
    bool AffColonnes = true;   // the column choice is in force
    int Station = -1;          // the station chosen, from 0 (-1 none)
};
TEtat EtatDuNet(const TNet& net);
void StockeDansNet(const TEtat& e, TNet& net);

// Whether a row / column marker is drawn as chosen.
bool LigneChoisie(const TEtat& e, int i);
bool ColonneChoisie(const TEtat& e, int j);
// The corner's triangles: every row / every column chosen.
bool ToutesLignes(const TEtat& e);
bool ToutesColonnes(const TEtat& e);

// The station nearest to a position Y (from 0; the first of equal
// distances), -1 when the grid has no station.
int StationProche(const TDefGrille& g, double y);
// Station k (from 0, or -1 for none) becomes the chosen and highlighted one:
// every other station's chosen flag is cleared; with none, nothing is
// highlighted.
void ChoisitStation(TDefGrille& g, TEtat& e, int k);

// What the views do with their control points after a press.
enum class TActifs { Inchange, Ligne, Colonne, Net };
struct TReponse {
    TActifs Actifs = TActifs::Inchange;
    int Index = 0;  // the row or column made active
};
// A press at (x, y). `net` is the current surface's net, or null when the
// current surface is a mesh: then only the thumbnail's stations answer.
TReponse Presse(TEtat& e, const TGeometrie& geo, int x, int y, const TNet* net, TDefGrille& g);

// One view's control points of surface `surf` after the answer: every point
// of the net inactive but the row or column chosen, or every point active.
void AppliqueActifs(const Document& doc, TTabCoor& tab, int surf, const TReponse& r);

}  // namespace FenSel
