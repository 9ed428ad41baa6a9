// The hydrostatic run against solids whose answers are known.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "calc/Hydrostat.h"
#include "views/Taille.h"
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
// run (from the keel or from the deck edge), negative when its skin faces
// outwards, as its volume is.
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
        {3, NAN, -2.0, 1.0, -0.5}, {3, 0.0, -20.0, 1.0, 7.0},
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

// The box barge L 10, B 4, keel at -1 and open sides up to +1 (no deck, no ends), built in each way a hull can be
// modelled, as an import gives it (surfaces without symmetry) or as drawn. Each way is known by the boxes it counts:
// X from x0 to x1 over the keel z0, Y from y0 to y1, with the sign w, and the number of its sides in the water.
namespace {

enum Construction { kEntiere, kDeuxCotes, kDemiMiroir, kDemiSeule, kDecalee, kDemicoque, kPuits };
struct Caisse { double x0, x1, z0, y0, y1; int w, murs; };

// An open section from (a, 1) down to the keel, across to b and up to (b, 1).
std::vector<TVertex3f> SectionU(double a, double b, double z0) {
    std::vector<TVertex3f> s;
    fixtures::Segment(s, {a, 0, 1}, {a, 0, z0}, 4);
    fixtures::Segment(s, {a, 0, z0}, {b, 0, z0}, 8);
    fixtures::Segment(s, {b, 0, z0}, {b, 0, 1}, 4);
    s.push_back({b, 0, 1});
    return s;
}

// The hull, its boxes, and the X of the axis it is turned about: its waterline's middle, the centre plane for a half.
std::tuple<Document, std::vector<Caisse>, double> Construit(Construction c) {
    auto piece = [](const std::vector<TVertex3f>& s, bool sym = false) { return fixtures::Extrusion(s, 0, 10, 10, TDefGrille{}, sym); };
    const std::vector<TVertex3f> demi = fixtures::SectionCaisson(4.0, -1.0, 1.0, 4, 4, 0);
    std::vector<TVertex3f> babord(demi.rbegin(), demi.rend());  // walked backwards, its skin faces the same way
    for (TVertex3f& p : babord) p.X = -p.X;
    std::vector<std::unique_ptr<TDXFSurface>> v;
    std::vector<Caisse> k{{-2, 2, -1, 0, 10, 1, 2}};
    double xc = 0;
    switch (c) {
    case kEntiere: v.push_back(piece(SectionU(-2, 2, -1))); break;
    case kDeuxCotes: v.push_back(piece(demi)), v.push_back(piece(babord)); break;
    case kDemiMiroir: v.push_back(piece(demi, true)); break;
    case kDemiSeule: v.push_back(piece(demi)); k = {{0, 2, -1, 0, 10, 1, 1}}; break;
    case kDecalee: v.push_back(piece(SectionU(3, 7, -1))); k = {{3, 7, -1, 0, 10, 1, 2}}; xc = 5; break;
    case kDemicoque: v.push_back(piece(SectionU(2, 3, -1))); k = {{2, 3, -1, 0, 10, 1, 2}}; xc = 2.5; break;
    case kPuits:  // a well open to the sky, X -1..1 down to -0.5 from Y = 3 to 7, counted negatively
        v.push_back(piece(SectionU(-2, 2, -1)));
        v.push_back(fixtures::Extrusion(SectionU(-1, 1, -0.5), 3, 4, 4, TDefGrille{}, false));
        v.back()->Orientation = 0;
        k.push_back({-1, 1, -0.5, 3, 7, -1, 2});
        break;
    }
    return {DocAvec(std::move(v)), k, xc};
}

}  // namespace

// Upright, heeled or trimmed about its waterline's middle, each way gives the region its boxes bound: the
// volume and its centre, the waterplane, breadth and length, every section, Cp and Cb, worked in the hull's frame
// where the water is the plane z = h(x, y), and the hull-dimensions breadth is the hydrostatics' one.
TEST(HydrostatConstruction, WaterplaneAndBreadthDoNotDependOnHowTheHullIsBuilt) {
    for (const auto& [gite, assiette] : {std::pair{0.0, 0.0}, {10.0, 0.0}, {0.0, 2.0}})
        for (const Construction c : {kEntiere, kDeuxCotes, kDemiMiroir, kDemiSeule, kDecalee, kDemicoque, kPuits}) {
            SCOPED_TRACE(testing::Message() << c << " heel " << gite << " trim " << assiette);
            auto [doc, caisses, xc] = Construit(c);
            TMatrice m;
            Matrice::MatRotation3D({xc, 5.0, 0.0}, {assiette, gite, 0.0}, m);
            for (int i = 0; i < doc.NbSurf(); ++i)
                Transfo::RotationSurf(doc, i, {assiette, gite, 0.0}, {xc, 5.0, 0.0}, true, false, false);
            auto monde = [&m](double x, double y, double z) { return Matrice::Transformed(m, {x, y, z}); };
            const double dz = monde(0, 0, 1).Z - monde(0, 0, 0).Z;
            auto h = [&](double x, double y) { return -monde(x, y, 0).Z / dz; };
            auto eau = [&](double x, double y) { return monde(x, y, h(x, y)); };
            const double hx = h(1, 0) - h(0, 0), hy = h(0, 1) - h(0, 0);
            // The world's Z of the keel line at x where it crosses the world's Y = y.
            auto quille = [&](double x, double z0, double y) {
                const TVertex3f k0 = monde(x, 0, z0), k1 = monde(x, 1, z0);
                return k0.Z + (y - k0.Y) * (k1.Z - k0.Z) / (k1.Y - k0.Y);
            };

            // Over each box g = h - z0 is linear, so its integrals are its moments; its waterplane, the
            // parallelogram where the water meets its sides, is its plan over dz, centred where its middle is.
            double V = 0, mx = 0, my = 0, mz = 0, awp = 0, fx = 0, fy = 0, perimetre = 0;
            double bMin = 1e9, bMax = -1e9, lMin = 1e9, lMax = -1e9;
            for (const Caisse& b : caisses) {
                const double lx = b.x1 - b.x0, ly = b.y1 - b.y0, xm = (b.x0 + b.x1) / 2, ym = (b.y0 + b.y1) / 2;
                const double a = b.w * lx * ly, g0 = h(xm, ym) - b.z0;
                V += a * g0;
                mx += a * (xm * g0 + hx * lx * lx / 12);
                my += a * (ym * g0 + hy * ly * ly / 12);
                mz += a * (g0 * g0 / 2 + hx * hx * lx * lx / 24 + hy * hy * ly * ly / 24 + b.z0 * g0);
                awp += a / dz, fx += a / dz * eau(xm, ym).X, fy += a / dz * eau(xm, ym).Y;
                const TVertex3f p0 = eau(b.x0, b.y0), p1 = eau(b.x0, b.y1);
                perimetre += b.murs * std::hypot(p1.X - p0.X, p1.Y - p0.Y);
                for (double x : {b.x0, b.x1})
                    for (double y : {b.y0, b.y1}) {
                        const TVertex3f p = eau(x, y);
                        if (b.w > 0) bMin = std::min(bMin, p.X), bMax = std::max(bMax, p.X);
                        lMin = std::min(lMin, p.Y), lMax = std::max(lMax, p.Y);
                    }
            }
            const TVertex3f cc = monde(mx / V, my / V, mz / V);

            // A station at Y: upright or heeled, each box's section turned whole, lx g(xm, Y); trimmed, lx times
            // the depth of its keel there, away from its slanting ends (NAN).
            auto station = [&](double y) -> double {
                double aire = 0;
                for (const Caisse& b : caisses) {
                    const double xm = (b.x0 + b.x1) / 2, y0 = monde(xm, b.y0, 0).Y, y1 = monde(xm, b.y1, 0).Y;
                    if (assiette != 0 && std::min(std::fabs(y - y0), std::fabs(y - y1)) < 0.1) return NAN;
                    if (y > y0 - 1e-6 && y < y1 + 1e-6)
                        aire += b.w * (b.x1 - b.x0) * (assiette == 0 ? h(xm, y) - b.z0 : -quille(xm, b.z0, y));
                }
                return aire;
            };
            RecordingScope rs;
            const TResultatsHydro r = Lance(doc, 9);
            double amax = 0, creux = 0;  // the depth at the largest section: its lowest keel corner
            for (const TAireObj& a : r.Stations)
                if (const double attendu = station(a.Y); !std::isnan(attendu)) {
                    EXPECT_NEAR(a.Aire, attendu, 1e-6) << a.Y;
                    amax = std::max(amax, attendu);
                }
            for (const Caisse& b : caisses)
                for (double x : {b.x0, b.x1}) creux = std::min(creux, quille(x, b.z0, r.MaitreCouple.Y));
            const double bwl = bMax - bMin, lwl = lMax - lMin;
            const Taille::TDimensions d = Taille::Dimensions(doc, std::vector<bool>(doc.NbSurf(), true));
            Proches({{"V", r.Volume, V, 1e-6}, {"CC.X", r.CC.X, cc.X, 1e-6}, {"CC.Y", r.CC.Y, cc.Y, 1e-6}, {"CC.Z", r.CC.Z, cc.Z, 1e-6},
                     {"Awp", r.Flottaison.Aire, awp, 1e-6}, {"CF.X", r.Flottaison.X, fx / awp, 1e-6},
                     {"CF.Y", r.Flottaison.Y, fy / awp, 1e-5}, {"1 cm", r.Volume1cm, awp / 100, 1e-8},
                     {"BWL", r.BWL, bwl, 1e-6}, {"LWL", r.LWL, lwl, 1e-5}, {"perimeter", r.Flottaison.Perimetre, perimetre, 1e-6},
                     {"Amax", r.MaitreCouple.Aire, amax, 1e-6}, {"T", r.Creux, creux, 1e-6},
                     {"Cp", r.CoefPrismatique, V / (amax * lwl), 1e-6}, {"Cb", r.CoefBloc, V / std::fabs(bwl * lwl * creux), 1e-6},
                     {"window's breadth", d.LargeurFlottaison, bwl, 1e-5}, {"window's length", d.LongueurFlottaison, lwl, 1e-5}});
        }
}
