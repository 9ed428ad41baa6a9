// The hydrostatic run against solids whose answers are known.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "calc/Hydrostat.h"
#include "views/Transfo.h"
#include "model/Document.h"
#include "model/Entity.h"
#include "tests/support/CareneFixtures.h"
#include "tests/support/RecordingUi.h"

namespace {

using Hydrostat::TResultatsHydro;
using fixtures::DocAvec;

TResultatsHydro Lance(Document& doc, int n = 41) {
    return Hydrostat::Calcule(doc, Hydrostat::ListeCalcul(doc), n);
}

// Each result against its expected value, within its tolerance.
void Proches(std::initializer_list<std::tuple<const char*, double, double, double>> l) {
    for (auto [nom, v, attendu, tol] : l) EXPECT_NEAR(v, attendu, tol) << nom;
}

// A box hull of breadth 4 from Y = 2 to 12, keel at -1, deck at +1, as one
// surface without symmetry: a tube going round the section with its seam at
// the starboard bilge (its ends open; they hold no volume).
std::unique_ptr<TDXFSurface> TubeAsymetrique(int cols = 6) {
    std::vector<TVertex3f> sec;
    fixtures::Segment(sec, {2, 0, -1}, {2, 0, 1}, 3);
    fixtures::Segment(sec, {2, 0, 1}, {-2, 0, 1}, 4);
    fixtures::Segment(sec, {-2, 0, 1}, {-2, 0, -1}, 3);
    fixtures::Segment(sec, {-2, 0, -1}, {2, 0, -1}, 4);
    sec.push_back({2, 0, -1});
    return fixtures::Extrusion(sec, 2.0, 10.0, cols, TDefGrille{}, false);
}

// The sides of the same box as one wall without symmetry: rows from Z = -1
// to 1, columns round the outline from the starboard aft corner forward,
// across the bow and back aft to port, open at the stern.
std::unique_ptr<TDXFSurface> ParoiAsymetrique() {
    const std::vector<TVertex3f> contour = {{2, 2, 0}, {2, 7, 0}, {2, 12, 0}, {0, 12, 0}, {-2, 12, 0}, {-2, 7, 0}, {-2, 2, 0}};
    auto s = fixtures::Maillage(5, static_cast<int>(contour.size()),
                                [&](int i, int j) { return TVertex3f{contour[j].X, contour[j].Y, -1.0 + 0.5 * i}; });
    s->Sym = s->Jonction = 0;
    return s;
}

}  // namespace

// Box barge L 10, B 4, depth 2, draft 1: every value is exact whatever the
// density of the grid.
TEST(HydrostatCaisson, ExactAtAnyPrecision) {
    for (const auto [nb, ns, nd, cols] : {std::array{1, 2, 1, 1}, {4, 4, 4, 10}, {7, 5, 3, 13}}) {
        Document doc = DocAvec(fixtures::Caisson(TDefGrille{}, nb, ns, nd, cols));
        RecordingScope rs;
        const TResultatsHydro r = Lance(doc, 21);
        SCOPED_TRACE(nb * 1000 + ns * 100 + cols);
        // The waterline's perimeter: the two sides as cut.
        Proches({{"V", r.Volume, 40.0, 1e-9}, {"displacement", r.DeplacementEauMer, 41040.0, 1e-6}, {"CC.Y", r.CC.Y, 5.0, 1e-9},
                 {"CC.Z", r.CC.Z, -0.5, 1e-9}, {"wetted", r.SurfImmergee, 40.0 + 2 * 10.0 + 2 * 4.0, 1e-9}, {"Awp", r.Flottaison.Aire, 40.0, 1e-9},
                 {"perimeter", r.Flottaison.Perimetre, 20.0, 1e-9}, {"LWL", r.LWL, 10.0, 1e-6}, {"BWL", r.BWL, 4.0, 1e-6},
                 {"T", r.Creux, -1.0, 1e-12}, {"Cp", r.CoefPrismatique, 1.0, 1e-9}, {"Cb", r.CoefBloc, 1.0, 1e-9},
                 {"slenderness", r.CoefFinesse, 10.0 / std::cbrt(40.0), 1e-9}});
        // Every section is the same.
        ASSERT_EQ(r.Stations.Count(), 21);
        for (const TAireObj& a : r.Stations) EXPECT_NEAR(a.Aire, 4.0, 1e-9);
        // The status panel of the progress texts is cleared at the end.
        ASSERT_FALSE(rs.rec.status.empty());
        EXPECT_EQ(rs.rec.status.back(), (std::pair<int, std::string>{3, ""}));
    }
}

// Half-immersed circular cylinder of 2P facets round: the polygon's volume
// exactly, and the half disc's centre in the limit.
TEST(HydrostatCylindre, PolygonVolumeAndCentre) {
    for (int p : {20, 60}) {
        Document doc = DocAvec(fixtures::Cylindre(TDefGrille{}, 1.0, 4.0, p, 3));
        const TResultatsHydro r = Lance(doc);
        const double polygone = p * std::sin(std::numbers::pi / p) / 2.0;
        Proches({{"V", r.Volume, polygone * 4.0, 1e-9}, {"CC.Z", r.CC.Z, -4.0 / (3.0 * std::numbers::pi), p == 20 ? 2e-3 : 2e-4},
                 {"Awp", r.Flottaison.Aire, 2.0 * 4.0, 1e-9}, {"Amax", r.MaitreCouple.Aire, polygone, 1e-9}});
    }
}

// Surfaces without symmetry, closed on their frame plane: a closed tube only
// gains spikes of no area, a wall open at the stern closes across it (its
// station, cut into its two sides, closes across the keel and the deck), and a
// half box modelled without its mirror gives its half whichever way its rows
// run (from the keel or from the deck edge).
TEST(HydrostatAsymetrique, CutsClosedOnTheFramePlane) {
    const std::vector<TVertex3f> demi = fixtures::SectionCaisson(4.0, -1.0, 1.0, 2, 2, 0);
    std::unique_ptr<TDXFSurface> s[] = {TubeAsymetrique(), ParoiAsymetrique(),
                                        fixtures::Extrusion(demi, 2.0, 10.0, 4, TDefGrille{}, false),
                                        fixtures::Extrusion({demi.rbegin(), demi.rend()}, 2.0, 10.0, 4, TDefGrille{}, false)};
    for (auto& x : s) x->CalcSurface();
    struct Cas {
        int surface;
        double z;           // the waterline's height, or NAN for the station Y = 7 under Z = 0
        double aire, x, yz;  // area, centre X, and centre Z (station) or Y (waterline)
    } cas[] = {
        {0, NAN, 4.0, 0.0, -0.5}, {1, 0.0, 40.0, 0.0, 7.0}, {1, NAN, 4.0, 0.0, -0.5},
        {2, NAN, 2.0, 1.0, -0.5}, {2, 0.0, 20.0, 1.0, 7.0},
        {3, NAN, 2.0, 1.0, -0.5}, {3, 0.0, 20.0, 1.0, 7.0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.surface * 10 + std::isnan(c.z));
        const TEntity& e = *s[c.surface];
        TAireObj a = Hydrostat::CalcCoupleSurf(e, 7.0, 0.0);
        if (!std::isnan(c.z)) {
            const Hydrostat::TFlottaison f = Hydrostat::CalcFlottaisonSurf(e, c.z);
            a.Aire = f.Aire, a.X = f.X, a.Z = f.Y;
        }
        Proches({{"area", a.Aire, c.aire, 1e-9}, {"X", a.X, c.x, 1e-6}, {"Z or Y", a.Z, c.yz, 1e-6}});
    }
    // The tube at its deck: the whole section; the wall's waterline length as
    // cut, before closing.
    EXPECT_NEAR(Hydrostat::CalcCoupleSurf(*s[0], 7.0, 1.0).Aire, 8.0, 1e-9);
    EXPECT_NEAR(Hydrostat::CalcFlottaisonSurf(*s[1], 0.0).Perimetre, 10 + 4 + 10, 1e-9);

    // The whole run on the tube.
    Document doc = DocAvec(TubeAsymetrique());
    const TResultatsHydro r = Lance(doc, 11);
    EXPECT_NEAR(r.Volume, 40.0, 1e-9);
    EXPECT_NEAR(r.CoefBloc, 1.0, 1e-9);
}

// A box B 4, depth 4, turned with its frame about G = (0, 5, 0.5) by a heel:
// its waterplane is a rectangle 10 long and 4 / cos(heel) wide whose middle
// is where the turned centre plane meets Z = 0 (a positive heel takes the -X
// side down, so the centre plane leans to +X above G). Every section is the
// same: each holds a tenth of the volume.
TEST(HydrostatGite, TurnedBoxWaterplaneAndSectionsAreExact) {
    for (double gite : {20.0, 40.0}) {
        SCOPED_TRACE(gite);
        Document doc = DocAvec(fixtures::Extrusion(fixtures::SectionCaisson(4.0, -2.0, 2.0, 4, 8, 4), 0.0, 10.0, 10, TDefGrille{}));
        Transfo::RotationSurf(doc, 0, {0.0, gite, 0.0}, {0.0, 5.0, 0.5}, true, false, false);
        const TResultatsHydro r = Lance(doc, 11);
        const double t = gite * std::numbers::pi / 180.0;
        Proches({{"Awp", r.Flottaison.Aire, 40.0 / std::cos(t), 1e-6}, {"CF.X", r.Flottaison.X, 0.5 * std::tan(t), 1e-5},
                 {"CF.Y", r.Flottaison.Y, 5.0, 1e-5}, {"1 cm", r.Volume1cm, 0.4 / std::cos(t), 1e-8}, {"BWL", r.BWL, 4.0 / std::cos(t), 1e-5}});
        for (const TAireObj& a : r.Stations) EXPECT_NEAR(a.Aire, r.Volume / 10.0, 1e-6);
    }
}

// A surface out of the water (a deck, a sail) counted in calculations adds no
// station and does not stretch the station range; two boxes of the same
// extent give each station once, their areas merged.
TEST(HydrostatStations, SurfaceOutOfTheWaterAddsNoStationSameExtentMerges) {
    std::vector<std::unique_ptr<TDXFSurface>> v;
    v.push_back(fixtures::Caisson(TDefGrille{}, 4, 4, 4, 10, 2.0));   // from Y = 2 to 12
    v.push_back(fixtures::Caisson(TDefGrille{}, 2, 3, 2, 7, 2.0));
    // A sail: a vertical plane from Y = -6 to -2, Z = 2 to 5.
    v.push_back(fixtures::Extrusion({{0, 0, 2}, {0, 0, 5}}, -6.0, 4.0, 4, TDefGrille{}, false));
    Document doc = fixtures::DocAvec(std::move(v));
    const TResultatsHydro r = Lance(doc, 11);
    ASSERT_EQ(r.Stations.Count(), 11);
    EXPECT_TRUE(r.Stations[0].Y == 2.0f && r.Stations[10].Y == 12.0f);
    for (const TAireObj& a : r.Stations) EXPECT_NEAR(a.Aire, 8.0, 1e-9);
    EXPECT_NEAR(r.Volume, 80.0, 1e-9);
    EXPECT_NEAR(r.CoefPrismatique, 1.0, 1e-9);

    // A hull wholly above the water, or nothing counted: no station, and the
    // coefficients that divide by the volume or a zero product show 0; no
    // centre either: a row says so.
    Document haut = DocAvec(fixtures::Extrusion(fixtures::SectionCaisson(4, 1, 3, 2, 2, 2), 0, 10, 4, TDefGrille{}));
    for (const TResultatsHydro& h : {Lance(haut), Hydrostat::Calcule(doc, TListSurf{}, 41)}) {
        EXPECT_TRUE(h.Volume == 0.0 && h.Stations.Count() == 0 && h.CoefFinesse == 0.0 && h.Lignes.size() > 4);
        EXPECT_EQ(std::tuple(h.Lignes[4].Libelle, h.Lignes[4].Titre), std::tuple("CC : aucun, volume immergé nul", true));
    }
}

// Shapes whose coefficients differ from 1, all faces planar so that every
// value is exact on the mesh.
namespace {

struct Attendu {
    const char* nom;
    double V, ccY, ccZ, Awp, cfY, perimetre, Amax, mcY, mcZ, ratio, mouillee;
    double Cp, Cb;
    double laterale, clrY, clrZ;
};

void VerifieForme(std::unique_ptr<TDXFSurface> s, const Attendu& a, int nbCoupes,
                  double (*aireCouple)(double y)) {
    SCOPED_TRACE(a.nom);
    Document doc = DocAvec(std::move(s));
    const TResultatsHydro r = Lance(doc, nbCoupes);
    Proches({{"V", r.Volume, a.V, 1e-9}, {"CC.X", r.CC.X, 0.0, 1e-9}, {"CC.Y", r.CC.Y, a.ccY, 1e-9}, {"CC.Z", r.CC.Z, a.ccZ, 1e-9},
             {"wetted", r.SurfImmergee, a.mouillee, 1e-9}, {"Awp", r.Flottaison.Aire, a.Awp, 1e-9}, {"CF.Y", r.Flottaison.Y, a.cfY, 1e-5},
             {"perimeter", r.Flottaison.Perimetre, a.perimetre, 1e-9}, {"LWL", r.LWL, 10.0, 1e-5}, {"BWL", r.BWL, 4.0, 1e-5},
             {"T", r.Creux, -1.0, 1e-9}, {"Amax", r.MaitreCouple.Aire, a.Amax, 1e-9}, {"Amax.Y", r.MaitreCouple.Y, a.mcY, 1e-6},
             {"Amax.Z", r.MaitreCouple.Z, a.mcZ, 1e-6}, {"Amax ratio", r.RatioMaitreCouple, a.ratio, 1e-4},
             {"Cp", r.CoefPrismatique, a.Cp, 1e-7}, {"Cb", r.CoefBloc, a.Cb, 1e-7}, {"Cv", r.CoefVolumique, a.V / 1000.0, 1e-7},
             {"lateral", r.AireLaterale, a.laterale, 1e-9}, {"CLR.Y", r.YLateral, a.clrY, 1e-9}, {"CLR.Z", r.ZLateral, a.clrZ, 1e-9}});
    // The sectional-area curve, station by station, over the immersed length.
    ASSERT_EQ(r.Stations.Count(), nbCoupes);
    for (int k = 0; k < nbCoupes; ++k) {
        EXPECT_NEAR(r.Stations[k].Y, 10.0 * k / (nbCoupes - 1), 1e-5);
        EXPECT_NEAR(r.Stations[k].Aire, aireCouple(r.Stations[k].Y), 1e-5) << k;
    }
}

}  // namespace

TEST(HydrostatCoefficients, KnownShapes) {
    const double s29 = std::sqrt(29.0);
    // Diamond in plan, wall-sided, flat bottom at -1, deck at 1: half-breadth
    // 2 (1 - |y - 5| / 5) from Y = 0 to 10. The largest section is amidships.
    {
        const std::vector<TVertex3f> sec = fixtures::SectionCaisson(4.0, -1.0, 1.0, 2, 2, 2);
        auto f = [&sec](int i, int j) {
            const double y = j;   // one column a metre, one at Y = 5
            const double k = 1.0 - std::fabs(y - 5.0) / 5.0;
            return TVertex3f{sec[i].X * k, y, sec[i].Z};
        };
        const Attendu a{"diamond", 20.0, 5.0, -0.5, 20.0, 5.0, 4.0 * s29, 4.0, 5.0, -0.5, 50.0,
                        20.0 + 4.0 * s29, 0.5, 0.5, 10.0, 5.0, -0.5};
        VerifieForme(fixtures::Maillage(static_cast<int>(sec.size()), 11, f), a, 11,
                     [](double y) { return 4.0 * (1.0 - std::fabs(y - 5.0) / 5.0); });
    }

    // Pyramid bow: plane sides through the keel point (0, 0, -1), the
    // transom's waterline ends (+-2, 0, 0) and the stem's waterline point
    // (0, 10, 0), carried on to Y = 12 and up to a deck at Z = 1. The
    // immersed body is the tetrahedron of those four points.
    {
        const int ns = 4, nd = 2, cols = 13;
        auto f = [](int i, int j) {
            const double y = j;                      // one column a metre
            const double zk = y / 10.0 - 1.0;        // the keel
            if (i <= ns) {
                const double u = static_cast<double>(i) / ns;
                const double z = zk + u * (1.0 - zk);
                return TVertex3f{2.0 * (z - zk), y, z};
            }
            const double v = static_cast<double>(i - ns) / nd;
            return TVertex3f{2.0 * (1.0 - zk) * (1.0 - v), y, 1.0};
        };
        // Side face area: |(2, 0, 1) x (0, 10, 1)| / 2 = sqrt(504) / 2.
        const Attendu a{"pyramid", 20.0 / 3.0, 2.5, -0.25, 20.0, 10.0 / 3.0, 2.0 * std::sqrt(104.0), 2.0, 0.0,
                        -1.0 / 3.0, 0.0, std::sqrt(504.0) + 2.0, 1.0 / 3.0, 1.0 / 6.0, 5.0, 10.0 / 3.0, -1.0 / 3.0};
        VerifieForme(fixtures::Maillage(ns + nd + 1, cols, f), a, 11,
                     [](double y) { return 2.0 * (1.0 - y / 10.0) * (1.0 - y / 10.0); });
    }
}

// The box barge L 10, B 4, keel at -1 and open sides up to +1, built three ways: whole, as one mesh round the
// section without symmetry (as an import gives it); its starboard half with its mirror; that half alone.
enum Construction { kEntiere, kDemiMiroir, kDemiSeule };
static Document Barge(Construction c) {
    std::vector<TVertex3f> s = fixtures::SectionCaisson(4.0, -1.0, 1.0, 4, 4, 0);
    if (c == kEntiere) {
        s.clear();
        fixtures::Segment(s, {-2, 0, 1}, {-2, 0, -1}, 4);
        fixtures::Segment(s, {-2, 0, -1}, {2, 0, -1}, 8);
        fixtures::Segment(s, {2, 0, -1}, {2, 0, 1}, 4);
        s.push_back({2, 0, 1});
    }
    return DocAvec(fixtures::Extrusion(s, 0.0, 10.0, 10, TDefGrille{}, c == kDemiMiroir));
}

// Upright, heeled or trimmed about the waterline's centre, the whole hull's waterplane, breadth, sections and block
// coefficient are a symmetric hull's; the half alone gives its half.
TEST(HydrostatConstruction, WaterplaneAndBreadthDoNotDependOnHowTheHullIsBuilt) {
    const double t = 10.0 * std::numbers::pi / 180.0, ct = std::cos(t), cp = std::cos(2.0 * std::numbers::pi / 180.0);
    // Heeled, the sides meet the water 2 / cos t out and the keel corner goes 2 sin t + cos t deep (the half
    // alone: cos t). Cb is not checked (NAN) where it depends on how the skin's open edges close.
    const double cbGite = ct / (2.0 * std::sin(t) + ct);
    struct Mesures {
        double awp, cfX, cfY, v1cm, bwl, lwl, perimetre, couple, cb;
    };
    struct Cas {
        double gite, assiette;  // degrees
        Mesures entiere, demi;
    } cas[] = {
        {0, 0, {40, 0, 5, 0.4, 4, 10, 20, 4, 1}, {20, 1, 5, 0.2, 2, 10, 10, 2, 1}},
        {10, 0, {40 / ct, 0, 5, 0.4 / ct, 4 / ct, 10, 20, 4, cbGite},
         {20 / ct, 1 / ct, 5, 0.2 / ct, 2 / ct, 10, 10, 2 - 2 * std::tan(t), NAN}},
        {0, 2, {40 / cp, 0, 5, 0.4 / cp, 4, 10 / cp, 20 / cp, 4 / cp, NAN},
         {20 / cp, 1, 5, 0.2 / cp, 2, 10 / cp, 10 / cp, 2 / cp, NAN}},
    };
    for (const Cas& k : cas)
        for (const Construction c : {kEntiere, kDemiMiroir, kDemiSeule}) {
            SCOPED_TRACE(testing::Message() << c << " heel " << k.gite << " trim " << k.assiette);
            const Mesures& m = c == kDemiSeule ? k.demi : k.entiere;
            Document doc = Barge(c);
            Transfo::RotationSurf(doc, 0, {k.assiette, k.gite, 0.0}, {0.0, 5.0, 0.0}, true, false, false);
            RecordingScope rs;
            const TResultatsHydro r = Lance(doc, 11);
            Proches({{"Awp", r.Flottaison.Aire, m.awp, 1e-9}, {"CF.X", r.Flottaison.X, m.cfX, 1e-6},
                     {"CF.Y", r.Flottaison.Y, m.cfY, 1e-6}, {"1 cm", r.Volume1cm, m.v1cm, 1e-9},
                     {"BWL", r.BWL, m.bwl, 1e-6}, {"LWL", r.LWL, m.lwl, 1e-5},
                     {"perimeter", r.Flottaison.Perimetre, m.perimetre, 1e-9}});
            if (!std::isnan(m.cb)) {
                EXPECT_NEAR(r.CoefBloc, m.cb, 1e-6);
            }
            // Inside the ends, the same section at every station; trimmed, the one amidships grows or shrinks by
            // its breadth times sin(trim) a metre.
            ASSERT_EQ(r.Stations.Count(), 11);
            const double pente = m.couple * std::sin(k.assiette * std::numbers::pi / 180.0);
            for (int i = 1; i + 1 < r.Stations.Count(); ++i)
                EXPECT_NEAR(std::fabs(r.Stations[i].Aire - m.couple), pente * std::fabs(r.Stations[i].Y - 5.0), 1e-6)
                    << i;
        }
}
