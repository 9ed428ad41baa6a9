#include "views/FenSel.h"

#include <cmath>
#include <cstdlib>

#include "base/Debug.h"
#include "views/Selection.h"

namespace FenSel {

namespace {

int Arrondi(double v) { return static_cast<int>(std::nearbyint(v)); }

// Half the distance between the first two marks, or `seul` when there is one.
int Tolerance(const std::vector<int>& marques, int seul) {
    return marques.size() < 2 ? seul : std::abs(marques[1] - marques[0]) / 2;
}

// The last mark within the tolerance of the pixel, or -1.
int Touche(const std::vector<int>& marques, int p, int tol) {
    int trouve = -1;
    for (std::size_t k = 0; k < marques.size(); ++k)
        if (std::abs(p - marques[k]) <= tol) trouve = static_cast<int>(k);
    return trouve;
}

// The station nearest to column j of the net (its point of row 0).
void StationDeColonne(const TNet& net, int j, TDefGrille& g, TEtat& e) {
    if (j < 0 || j >= net.NbC || net.NbL < 1) return;
    ChoisitStation(g, e, StationProche(g, net.TabPC[0][j].Y));
}

}  // namespace

TGeometrie Geometrie(int W, int H, int nbL, int nbC, int nbSec) {
    TGeometrie geo;
    geo.W = W;
    geo.H = H;
    geo.Ys = H - 11;
    const int xs = geo.Xs, ys = geo.Ys;
    for (int i = 0; i < nbL; ++i)
        geo.Lignes.push_back(nbL < 2 ? 12 : Arrondi(static_cast<double>(nbL - 1 - i) * (ys - 12 - 8) / (nbL - 1)) + 12);
    for (int j = 0; j < nbC; ++j)
        geo.Colonnes.push_back(nbC < 2 ? xs + 8 : Arrondi(static_cast<double>(W - 17 - xs) * j / (nbC - 1)) + xs + 8);
    for (int k = 0; k < nbSec; ++k)
        geo.Stations.push_back(nbSec < 2 ? xs + 8 : Arrondi(static_cast<double>(W - 17 - xs) * k / (nbSec - 1)) + xs + 10);
    return geo;
}

TEtat EtatDuNet(const TNet& net) {
    TEtat e;
    e.Ligne = net.LigneAffichee;
    e.Colonne = net.ColonneAffichee;
    e.AffLignes = net.AffLignes;
    e.AffColonnes = net.AffColonnes;
    return e;
}

void StockeDansNet(const TEtat& e, TNet& net) {
    net.LigneAffichee = e.Ligne;
    net.ColonneAffichee = e.Colonne;
    net.AffLignes = e.AffLignes;
    net.AffColonnes = e.AffColonnes;
}

bool LigneChoisie(const TEtat& e, int i) { return e.AffLignes && (e.Ligne == i || e.Ligne == -1); }
bool ColonneChoisie(const TEtat& e, int j) { return e.AffColonnes && (e.Colonne == j || e.Colonne == -1); }
bool ToutesLignes(const TEtat& e) { return e.Ligne == -1 && e.AffLignes; }
bool ToutesColonnes(const TEtat& e) { return e.Colonne == -1 && e.AffColonnes; }

int StationProche(const TDefGrille& g, double y) {
    double d = 10000.0;
    int k = -1;
    for (int i = 1; i <= g.NbSecUtil(); ++i) {
        const double di = std::fabs(g.Sec.Val[static_cast<std::size_t>(i)] - y);
        if (di < d) {
            d = di;
            k = i - 1;
        }
    }
    return k;
}

void ChoisitStation(TDefGrille& g, TEtat& e, int k) {
    for (auto& f : g.Sec.Flag) f = 0;
    e.Station = k;
    if (k < 0 || k >= g.NbSecUtil()) {
        e.Station = -1;
        g.MiseEnValeur = 0;
        return;
    }
    g.MiseEnValeur = 1;
    g.SecEnValeur = k + 1;
    g.Sec.Flag[static_cast<std::size_t>(k + 1)] = 1;
}

TReponse Presse(TEtat& e, const TGeometrie& geo, int x, int y, const TNet* net, TDefGrille& g) {
    DBG_SCOPE("TFenSelForm.FormMouseDown");
    TReponse r;
    const int xs = geo.Xs, ys = geo.Ys, H = geo.H;
    if (net) {
        if (x <= xs && y < ys) {
            const int i = Touche(geo.Lignes, y, Tolerance(geo.Lignes, H));
            if (i >= 0) {
                e.Ligne = i;
                e.AffLignes = true;
                e.AffColonnes = false;
                r = {TActifs::Ligne, i};
            }
        } else if (x > xs && y >= ys) {
            const int j = Touche(geo.Colonnes, x, Tolerance(geo.Colonnes, geo.W));
            if (j >= 0) {
                e.Colonne = j;
                e.AffColonnes = true;
                e.AffLignes = false;
                r = {TActifs::Colonne, j};
                StationDeColonne(*net, j, g, e);
            }
        } else if (x < xs && y > ys && x + y < H) {
            // The blue half of the corner: every row, or back to row 0.
            if (e.Ligne == -1) {
                e.Ligne = 0;
                r = {TActifs::Ligne, 0};
            } else {
                e.Ligne = -1;
                if (e.Colonne != -1) e.AffColonnes = !e.AffLignes;
                r = {TActifs::Net, 0};
            }
            e.AffLignes = true;
        } else if (x < xs && x + y > H) {
            // The red half: every column, or back to column 0.
            if (e.Colonne != -1) {
                e.Colonne = -1;
                if (e.Ligne != -1) e.AffLignes = !e.AffColonnes;
                r = {TActifs::Net, 0};
            } else {
                e.Colonne = 0;
                r = {TActifs::Colonne, 0};
                StationDeColonne(*net, 0, g, e);
            }
            e.AffColonnes = true;
        }
    }
    if (x > xs && y < ys) {
        // The thumbnail: the station under the pixel; a press beside every
        // tick only clears the stations' chosen flags.
        const int k = Touche(geo.Stations, x, Tolerance(geo.Stations, geo.W));
        if (k >= 0)
            ChoisitStation(g, e, k);
        else
            for (auto& f : g.Sec.Flag) f = 0;
    }
    return r;
}

void AppliqueActifs(const Document& doc, TTabCoor& tab, int surf, const TReponse& r) {
    switch (r.Actifs) {
        case TActifs::Ligne:
            Selection::OneNetPCNonActif(doc, tab, surf);
            Selection::PCLnActif(doc, tab, surf, r.Index);
            break;
        case TActifs::Colonne:
            Selection::OneNetPCNonActif(doc, tab, surf);
            Selection::PCColActif(doc, tab, surf, r.Index);
            break;
        case TActifs::Net: Selection::OneNetPCActif(doc, tab, surf); break;
        case TActifs::Inchange: break;
    }
}

}  // namespace FenSel
