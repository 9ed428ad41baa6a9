// The net selection window: marker positions and what each press chooses.
#include <gtest/gtest.h>

#include "views/FenSel.h"

using namespace FenSel;

namespace {

// A net of nbL x nbC whose column j lies at Y = j.
TNet Net(int nbL, int nbC) {
    TNet n;
    n.NbL = nbL;
    n.NbC = nbC;
    for (int i = 0; i < nbL; ++i)
        for (int j = 0; j < nbC; ++j) n.TabPC[i][j] = {0.0, static_cast<double>(j), static_cast<double>(i), 1.0};
    return n;
}

TDefGrille Stations(std::initializer_list<double> ys) {
    TDefGrille g;
    for (double y : ys) g.Sec.Val[static_cast<std::size_t>(++g.NbSec)] = y;
    return g;
}

}  // namespace

TEST(FenSel, MarkersAndTicksLieWhereTheWindowDrawsThem) {
    const TGeometrie g = Geometrie(306, 262, 3, 4, 1);
    EXPECT_EQ(g.Ys, 251);
    EXPECT_EQ(g.Lignes, (std::vector<int>{243, 128, 12}));  // row 0 at the bottom
    EXPECT_EQ(g.Colonnes, (std::vector<int>{18, 111, 204, 297}));
    EXPECT_EQ(g.Stations, std::vector<int>{18});
    EXPECT_EQ(Geometrie(306, 262, 1, 1, 3).Lignes, std::vector<int>{12});
    EXPECT_TRUE(Geometrie(306, 262, 0, 0, 0).Colonnes.empty());
}

TEST(FenSel, NearestStationIsTheNearestOneAndNoneWithoutStations) {
    TDefGrille g = Stations({0.0, 2.0, 4.0, 6.0});
    // Equal distances (3.0): the first.
    EXPECT_EQ(std::tuple(StationProche(g, 3.9), StationProche(g, 3.0), StationProche(g, -50.0)), std::tuple(2, 1, 0));
    TEtat e;
    ChoisitStation(g, e, StationProche(g, 5.8));
    EXPECT_EQ(e.Station, 3);
    // The highlighted station counts from 1.
    EXPECT_TRUE(g.SecEnValeur == 4 && g.MiseEnValeur == 1 && g.Sec.Flag[4] == 1 && g.Sec.Flag[3] == 0);

    TDefGrille vide;
    vide.MiseEnValeur = 1;
    ChoisitStation(vide, e, StationProche(vide, 1.0));
    EXPECT_TRUE(e.Station == -1 && vide.MiseEnValeur == 0);
}

TEST(FenSel, PressesFollowTheMarkers) {
    const TNet net = Net(3, 4);
    TDefGrille g = Stations({0.0, 1.0, 2.0, 3.0});
    const TGeometrie geo = Geometrie(306, 262, 3, 4, 4);
    TEtat e;
    // Left strip near row 2 (the top one): row 2 alone.
    TReponse r = Presse(e, geo, 5, 20, &net, g);
    EXPECT_TRUE(r.Actifs == TActifs::Ligne && r.Index == 2 && e.AffLignes && !e.AffColonnes);
    // The blue half of the corner: every row, then row 0 again.
    r = Presse(e, geo, 2, 255, &net, g);
    EXPECT_TRUE(r.Actifs == TActifs::Net && ToutesLignes(e));
    r = Presse(e, geo, 2, 255, &net, g);
    EXPECT_TRUE(r.Actifs == TActifs::Ligne && e.Ligne == 0);
    // Bottom strip on column 3 (Y = 3): that column and the station there.
    r = Presse(e, geo, 290, 258, &net, g);
    EXPECT_TRUE(r.Actifs == TActifs::Colonne && r.Index == 3 && e.Station == 3 && g.SecEnValeur == 4);
    // The red half: every column, then column 0 with its station.
    EXPECT_TRUE(Presse(e, geo, 8, 259, &net, g).Actifs == TActifs::Net && ToutesColonnes(e));
    r = Presse(e, geo, 8, 259, &net, g);
    EXPECT_TRUE(r.Actifs == TActifs::Colonne && e.Colonne == 0 && g.SecEnValeur == 1);
    // The thumbnail chooses a station by its tick.
    r = Presse(e, geo, 110, 100, &net, g);
    EXPECT_TRUE(r.Actifs == TActifs::Inchange && e.Station == 1 && g.SecEnValeur == 2);
    // 83 ticks lie 3 or 4 pixels apart, the first two 3 (tolerance 1): a press
    // between two ticks 4 apart only clears the chosen flags.
    g.NbSec = 83;
    const TGeometrie serree = Geometrie(306, 262, 3, 4, 83);
    ASSERT_EQ(serree.Stations[2] - serree.Stations[1], 4);
    Presse(e, serree, serree.Stations[1] + 2, 100, &net, g);
    EXPECT_TRUE(g.Sec.Flag[2] == 0 && e.Station == 1 && g.MiseEnValeur == 1 && g.SecEnValeur == 2);
}

TEST(FenSel, OneRowNetAndMeshSurface) {
    const TNet une = Net(1, 3);
    TDefGrille g = Stations({0.0, 5.0});
    const TGeometrie geo = Geometrie(306, 262, 1, 3, 2);
    for (int y : {0, 12, 100, 250}) {
        TEtat e;
        EXPECT_EQ(Presse(e, geo, 3, y, &une, g).Actifs, TActifs::Ligne) << y;
        EXPECT_EQ(e.Ligne, 0);
    }
    // A mesh current: the strips and the corner do nothing, the thumbnail works.
    TEtat e;
    const TEtat avant = e;
    for (auto [x, y] : {std::pair{5, 20}, {100, 258}, {2, 255}, {8, 259}}) {
        EXPECT_EQ(Presse(e, geo, x, y, nullptr, g).Actifs, TActifs::Inchange);
        EXPECT_TRUE(e.Ligne == avant.Ligne && e.Colonne == avant.Colonne);
    }
    Presse(e, geo, 295, 50, nullptr, g);
    EXPECT_EQ(g.SecEnValeur, 2);
}
