// Drawing of the model on the 2-D views, checked on a recording canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/support/RecordingUi.h"
#include "model/Calcs.h"
#include "model/Draw.h"
#include "views/DrawAffiche.h"
#include "model/DrawMesure.h"
#include "model/Face.h"
#include "model/Update.h"

namespace {

using Op = TRecordingCanvas::Op;

TViewRecord Vue(int kind, ICanvas* cv, int ox, int oy, float scale) {
    TViewRecord v;
    v.Kind = static_cast<std::uint8_t>(kind);
    v.Canvas = cv;
    v.OriginX = ox;
    v.OriginY = oy;
    v.Scale = scale;
    switch (kind) {
        case vkSection: v.Azimuth = 4.712389f; break;
        case vkPlan: v.Elevation = 1.5707964f; break;
        case vkPerspective: v.Azimuth = -2.3561945f; v.Elevation = 0.5235988f; break;
        default: break;
    }
    return v;
}

TPoint Px(const TViewRecord& v, TVertex3f p) {
    TPoint r;
    EXPECT_TRUE(Calcs::VueVersPixel(p, r, v));
    return r;
}

// The calls of the given kinds in one layer.
long Appels(const TRecordingCanvas& cv, const char* couche, std::initializer_list<Op> genres) {
    return std::ranges::count_if(cv.InLayer(couche), [&](const auto* e) { return std::ranges::find(genres, e->Kind) != genres.end(); });
}

// The default hull, evaluated, with the default reference lines.
Document CoqueEvaluee() {
    Document doc = Document::Defaut();
    ObjCom::MajSurface(doc, true, -1);
    Grille::GrilleParDefaut(doc);
    return doc;
}

}  // namespace

// ---- Projection --------------------------------------------------------------------

TEST(DrawProjection, SameAsTheViewProjection) {
    // The known pixels of each view and their inverse: tests/gui/test_views.cpp.
    // The fast projection gives exactly the pixels of the view projection,
    // halves to even included.
    for (const TViewRecord& v : {Vue(vkSection, nullptr, 400, 300, 100.0f), Vue(vkPlan, nullptr, 200, 150, 50.0f),
                                 Vue(vkPerspective, nullptr, 640, 512, 73.5f), Vue(vkProfile, nullptr, 10, 20, 2.0f)}) {
        const TProjection pr(v);
        for (int k = 0; k < 2000; ++k) {
            const TVertex3f q{std::sin(k * 0.37) * 7.25, std::cos(k * 0.11) * 5.5 + 0.25, (k % 17) * 0.125 - 1.0};
            TPoint a, b;
            ASSERT_EQ(pr.Pixel(q, a), Calcs::VueVersPixel(q, b, v));
            EXPECT_EQ(a, b) << k;
        }
    }
}

// Points without a finite pixel are left out, and so are points a billion
// pixels away: figures are drawn a few pixels about their point (markers,
// circles, arrows, texts), and next to the limit of an int those sums would
// go past it.
TEST(DrawProjection, PointsWithoutAFinitePixelOrAtTheEdgeOfTheIntRangeAreLeftOut) {
    RecordingScope ui;
    const double nan = std::numeric_limits<double>::quiet_NaN(), loin = 2147483646.0;
    TRecordingCanvas cv;
    const TViewRecord v = Vue(vkProfile, &cv, 0, 0, 1.0f);
    TPoint p{7, 7};
    // 0 x inf is NaN in every view.
    for (TVertex3f q : {TVertex3f{0, nan, 0}, {std::numeric_limits<double>::infinity(), 0, 0}, {0, 1e300, 0},
                        {0, loin, 0}, {0, -2147483647.0, 0}})
        EXPECT_FALSE(TProjection(v).Pixel(q, p)) << q.X << " " << q.Y;
    EXPECT_EQ(p, (TPoint{7, 7}));
    EXPECT_TRUE(TProjection(v).Pixel({0, 9.0e8, -9.0e8}, p));
    EXPECT_EQ(p, (TPoint{900000000, 900000000}));

    ObjCom::AffichePoids({"Loin", 100.0, 0.0, loin, 0.0, -1}, 1000, 0x00FFFF, v);
    ObjCom::AfficheRepereEnv({"E", 0, 0, -loin}, 0x00FFFF, v);
    TMetre m;
    m.P1 = {0, loin, 0}, m.P2 = {0, -loin, 0};
    m.Draw(TMesure::mFinal, v, 0x00FFFF);
    EXPECT_TRUE(cv.entries.empty());

    // A net with one broken point: the polylines skip it, its marker is not drawn.
    TNet net;
    net.Initialise(0);
    net.TabPC[1][1].Y = nan;
    Affiche::DrawArray(net, nullptr, 0xFF0000, v);
    ASSERT_EQ(cv.entries.size(), 6u);  // three rows, three columns
    EXPECT_EQ(cv.entries[1].Points.size(), 2u);  // row 1 without its middle point
    EXPECT_EQ(cv.entries[0].Points.size(), 3u);
    TTabCoor tab;
    TPlanSym plan;
    Affiche::MajTabCoorNet(tab, 0, net, plan, v);
    EXPECT_FALSE(tab.At(0, 1, 1).Valide);
    EXPECT_TRUE(tab.At(0, 1, 0).Valide);
    EXPECT_FALSE(tab.Sym(0, 1, 1).Valide);

    // A control point out there has no marker and cannot be picked.
    Document doc = Document::Defaut();
    doc.SurfaceNurbs(0)->Net.TabPC[2][2].Y = loin;
    Affiche::MajTabCoor(doc, tab, v);
    EXPECT_FALSE(tab.At(0, 2, 2).Valide);
    cv.Clear();
    Affiche::AffichePC(doc, tab, TOptionsDessin{}, v);
    EXPECT_EQ(cv.entries.size(), 8u * 1 + 1u);   // eight squares and the current point's
}

// ---- Layer order ---------------------------------------------------------------------

TEST(DrawRedraw, LayersInTheirOrderCutsOnlyWithTheHullAndATotalOnlyForSeveralWeights) {
    RecordingScope ui;
    Document doc = CoqueEvaluee();
    TAffichage& a = doc.Aff;
    a.MeCarene = a.MeNet = a.MeSections = a.MeLignesdEau = a.MeLongitudinales = a.MeDiagonales = true;
    a.MeSurfaceParam = a.MeGrille = a.MeOrientSurf = a.MeBasePlanSym = true;
    a.MeAfficheAxes = a.MeAfficheCotes = a.MeAffichePoids = a.MeCentredeVoilure = true;
    a.MeAfficheReperes = a.MeAfficheReperesEnv = true;
    doc.DefGrille.MiseEnValeur = 1;
    doc.DefGrille.SecEnValeur = 3;
    ObjCom::MajCoupesSurface(doc);
    TCote cote;
    cote.Kind = "Mètre";
    cote.Mesure = TMetre();
    cote.Mesure.View = vkProfile;
    cote.Mesure.P2 = {0, 1, 0};
    doc.ListCotes.push_back(cote);
    doc.ListPoids = {{"Moteur", 100.0, 0.0, 2.0, 0.2, -1}, {"Lest", 50.0, 0.0, 3.0, -0.2, -1}};
    ObjCom::MajTotalPoids(doc);
    doc.SurfaceNurbs(0)->Voile = 1, doc.SurfaceNurbs(0)->Aire = 2.0;
    doc.CentreVoilure = {0.5, 3, 0.2, 2.0};
    doc.ListReperes.push_back({"R", 0, 1, 0});
    doc.ListReperesEnv.push_back({"E", 0, 2, 0.5});

    TRecordingCanvas cv(800, 600);
    const TViewRecord v = Vue(vkProfile, &cv, 100, 300, 100.0f);
    TTabCoor tab;
    Affiche::MajTabCoor(doc, tab, v);
    Affiche::AfficheVue(doc, tab, TOptionsDessin{}, v, nullptr);

    using namespace Affiche;
    const std::vector<std::string> attendu = {
        kCoucheFond,  kCoucheAxes,     kCoucheGrille,          kCoucheSurfaces,       kCoucheOrientation,
        kCoucheBords, kCoucheCouples,  kCoucheCoupleEnValeur,  kCoucheLignesEau,      kCoucheLongitudinales,
        kCoucheDiagonales, kCoucheReseaux, kCoucheVertex,      kCoucheBases,          kCoucheCotes,
        kCouchePoids, kCoucheCentreVoilure, kCoucheReperes,    kCoucheEnvahissement};
    EXPECT_EQ(cv.Layers(), attendu);
    for (const auto& e : cv.entries) EXPECT_NE(e.Pen.Mode, TPenMode::Xor) << e.Tag;  // copy mode throughout
    // Stations and waterlines are really there: one polyline per line at least.
    EXPECT_GE(cv.InLayer(kCoucheCouples).size(), 11u);
    EXPECT_GE(cv.InLayer(kCoucheLignesEau).size(), 3u);
    EXPECT_EQ(Appels(cv, kCouchePoids, {Op::Text}), 3);  // two weights and their total

    // The drawing of a print and its preview: the lines alone, no markers, dimensions (each belongs to a view
    // kind), weights, sail centres, marks or flooding points; the axes dash-dot.
    cv.Clear();
    Affiche::AfficheNetOne(doc, tab, TOptionsDessin{}, v, kDessinImpression);
    std::vector<std::string> imprime(attendu.begin() + 1, attendu.end());
    std::erase_if(imprime, [](const std::string& c) {
        return c == kCoucheVertex || c == kCoucheCotes || c == kCouchePoids || c == kCoucheCentreVoilure || c == kCoucheReperes ||
               c == kCoucheEnvahissement;
    });
    EXPECT_EQ(cv.Layers(), imprime);
    ASSERT_FALSE(cv.InLayer(kCoucheAxes).empty());
    for (const auto* e : cv.InLayer(kCoucheAxes)) EXPECT_EQ(e->Pen.Style, TPenStyle::DashDot);

    // Without the hull, no cut line at all (and no borders).
    a.MeCarene = false;
    cv.Clear();
    Affiche::AfficheVue(doc, tab, TOptionsDessin{}, v, nullptr);
    for (const char* c : {kCoucheBords, kCoucheCouples, kCoucheCoupleEnValeur, kCoucheLignesEau,
                          kCoucheLongitudinales, kCoucheDiagonales})
        EXPECT_TRUE(cv.InLayer(c).empty()) << c;
    EXPECT_FALSE(cv.InLayer(kCoucheReseaux).empty());

    // A picture goes right after the background.
    std::vector<std::uint32_t> pixels(16, 0xFF00FF00u);
    TBitmapRef image{pixels.data(), 4, 4, 4};
    cv.Clear();
    Affiche::AfficheVue(doc, tab, TOptionsDessin{}, v, &image);
    ASSERT_GE(cv.Layers().size(), 3u);
    EXPECT_EQ(cv.Layers()[1], kCoucheImage);

    // A single weight has no total; its arrow (shaft and head) is not drawn in the plan view.
    doc.ListPoids.resize(1);
    ObjCom::MajTotalPoids(doc);
    ASSERT_EQ(doc.PoidsTotal.Masse, 100.0);
    for (int kind : {vkProfile, vkPlan}) {
        TRecordingCanvas c;
        TTabCoor t;
        Affiche::AfficheNetOne(doc, t, TOptionsDessin{}, Vue(kind, &c, 100, 300, 100.0f));
        EXPECT_EQ(Appels(c, kCouchePoids, {Op::Text}), 1) << kind;
        EXPECT_EQ(Appels(c, kCouchePoids, {Op::Line, Op::Polyline}), kind == vkPlan ? 0 : 2) << kind;
    }
}

// ---- Mended faults: split and highlighted station within the count -----------------------

TEST(DrawRedraw, HighlightedAndSplitStationsStayWithinTheStations) {
    RecordingScope ui;
    Document doc = CoqueEvaluee();
    doc.Aff.MeSections = true;
    doc.Aff.MeNet = false;
    ObjCom::MajCoupesSurface(doc);
    ASSERT_EQ(doc.DefGrille.NbSec, 11);
    ASSERT_EQ(doc.Surface(0)->Sec.Count(), 11);
    // The calls of one layer of the section view.
    auto couche = [&](const char* nom) {
        TRecordingCanvas cv;
        TTabCoor tab;
        Affiche::AfficheNetOne(doc, tab, TOptionsDessin{}, Vue(vkSection, &cv, 400, 300, 100.0f));
        std::vector<TRecordingCanvas::Entry> r;
        for (const auto* e : cv.InLayer(nom)) r.push_back(*e);
        return r;
    };

    TDefGrille& g = doc.DefGrille;
    g.MiseEnValeur = 1;
    for (int sv : {0, -3, 12, 101, 100000}) {
        g.SecEnValeur = sv;
        EXPECT_EQ(Affiche::SecEnValeurUtil(g), -1) << sv;
        EXPECT_TRUE(couche(Affiche::kCoucheCoupleEnValeur).empty()) << sv;
    }
    g.SecEnValeur = 11;
    EXPECT_EQ(Affiche::SecEnValeurUtil(g), 11);

    // A grid changed to fewer stations than the tables hold, or a split
    // station beyond the count: the redraw reads only the slots that exist.
    doc.Aff.MeScinder = true;
    for (int scind : {-5, 0, 5, 11, 50, 1000}) {
        g.SecScind = scind;
        EXPECT_EQ(Affiche::SecScindUtil(g), std::clamp(scind, 0, 11));
        EXPECT_FALSE(couche(Affiche::kCoucheCouples).empty()) << scind;
    }
    double pos[101] = {};
    Grille::PositionsStandard(500, 1.0, 0.0, std::span<double>(pos, 101));  // never past the list
    g.NbSec = 250;   // a document read without a check
    g.SecEnValeur = 150;
    g.SecScind = 120;
    EXPECT_TRUE(couche(Affiche::kCoucheCoupleEnValeur).empty());
    EXPECT_EQ(Affiche::SecScindUtil(g), 100);

    // Split body plan: stations 1..split mirrored only, the rest on the hull's side.
    g.NbSec = 11;
    g.SecScind = 5;
    g.MiseEnValeur = 0;
    const auto scinde = couche(Affiche::kCoucheCouples);
    doc.Aff.MeScinder = false;
    int gauche = 0, droite = 0;
    for (const auto& e : scinde)
        for (TPoint p : e.Points) (p.X < 400 ? gauche : droite) += 1;
    EXPECT_GT(gauche, 0);
    EXPECT_GT(droite, 0);
    EXPECT_LT(scinde.size(), couche(Affiche::kCoucheCouples).size());
}

// ---- Markers ------------------------------------------------------------------------

TEST(DrawMarkers, SquaresCornersColoursAndCurrentPoint) {
    Document doc = Document::Defaut();
    TListPC groupe;
    groupe.Add({0, 1, 2});
    doc.AjouteSoudure(groupe);
    doc.CurrentPC = {0, 2, 1};
    TOptionsDessin o;
    TRecordingCanvas cv;
    const TViewRecord v = Vue(vkProfile, &cv, 100, 300, 100.0f);
    TTabCoor tab;
    Affiche::MajTabCoor(doc, tab, v);
    tab.At(0, 0, 1).Etat = epSelect;
    tab.At(0, 1, 1).Etat = epInactif;
    Affiche::AffichePC(doc, tab, o, v);

    ASSERT_EQ(cv.entries.size(), 9u);  // the inactive point has none; the current point has two
    for (int ii = 0; ii < 3; ++ii)
        for (int jj = 0; jj < 3; ++jj) {
            const TPoint coin{tab.At(0, ii, jj).X - 3, tab.At(0, ii, jj).Y - 3};
            const auto e = std::find_if(cv.entries.begin(), cv.entries.end(), [&](const TRecordingCanvas::Entry& e) {
                return e.Points[0] == coin && e.Points[1].X - coin.X != 5;  // not the current point's inner square
            });
            ASSERT_EQ(e == cv.entries.end(), ii == 1 && jj == 1) << ii << jj;
            if (e == cv.entries.end()) continue;
            EXPECT_EQ(e->Brush.Style, ii != 1 && jj != 1 ? TBrushStyle::Solid : TBrushStyle::Clear) << ii << jj;
            EXPECT_EQ(e->Pen.Color, ii == 0 && jj == 1   ? o.Couleurs.SelVertex
                                    : ii == 1 && jj == 2 ? o.Couleurs.SoudeVertex
                                                         : o.Couleurs.Vertex) << ii << jj;
        }

    // Locked surfaces have no markers.
    doc.Surface(0)->Verrou = 1;
    cv.Clear();
    Affiche::AffichePC(doc, tab, o, v);
    EXPECT_TRUE(cv.entries.empty());
}

// ---- Nets, surfaces, cuts ----------------------------------------------------------

TEST(DrawModel, NetsMeshesBordersCutsAndFrames) {
    RecordingScope ui;
    Document doc = CoqueEvaluee();
    TSurface& s = *doc.SurfaceNurbs(0);
    TOptionsDessin o;
    TAffichage a;
    TRecordingCanvas cv;
    const TViewRecord v = Vue(vkSection, &cv, 400, 300, 100.0f);

    // The net and its mirror: 3 rows and 3 columns each, the mirror at -X.
    Affiche::DrawArray(s.Net, &s.PlanSym, o.Couleurs.ResVertex, v);
    ASSERT_EQ(cv.entries.size(), 12u);
    EXPECT_EQ(cv.entries[8].Points[1], Px(v, {-1.4, 3.0, 0.8}));

    // The mesh: rows then columns, mirrored unless half the hull is shown.
    for (bool moitie : {false, true}) {
        a.MeMoitie = moitie;
        cv.Clear();
        Affiche::AfficheSurface(s, a, o, v);
        EXPECT_EQ(cv.entries.size(), (moitie ? 2u : 4u) * (doc.Precision + 1)) << moitie;
    }

    // Cuts: a polyline of one point draws nothing; combs on the inner points.
    TCoupe c;
    c.Add(TListPt3D{});
    c[0].Add(TVertex3f{0, 1, 0});
    c.Add(TListPt3D{});
    for (int k = 0; k < 4; ++k) c[1].Add(TVertex3f{0.1 * k, 1, 0});
    for (TPt3D& q : c[1]) q.V = {0, 0, 0.5};
    cv.Clear();
    Affiche::DrawCoupe(c, 0xFFFFFF, true, v);
    ASSERT_EQ(cv.entries.size(), 1u + 2u);
    EXPECT_EQ(cv.entries[1].Points[1], Px(v, {0.1, 1, 0.5}));

    // Station numbers outside the table draw nothing; families stop at the table's size.
    cv.Clear();
    Affiche::DrawOneSec(s, 0, a, o, v);
    Affiche::DrawOneSec(s, 12, a, o, v);
    Affiche::DrawOneSecSym(s, -1, a, o, v);
    Affiche::DrawAllSec(s, 1000, a, o, v);
    Affiche::DrawAllLgE(s, -4, a, o, v);
    for (const auto& e : cv.entries) EXPECT_EQ(e.Pen.Color, o.Couleurs.Sec);
}

// ---- Measures and marks --------------------------------------------------------------

TEST(DrawMeasures, RubberBandsFinalTextsAndStatus) {
    RecordingScope ui;
    TRecordingCanvas cv;
    TViewRecord v = Vue(vkProfile, &cv, 100, 300, 100.0f);
    v.PenMode = kPenXor;
    TMetre m;
    m.P1 = {0, 0, 0};
    m.P2 = {0, 3, 4};
    m.Draw(TMesure::mElastique, v, 0x00FFFF);
    EXPECT_EQ(ui.rec.status.back(), (std::pair<int, std::string>{3, "Mesure :5.000 m"}));
    EXPECT_EQ(cv.entries.size(), 3u);   // circle, line, circle; no text
    cv.Clear();
    v.PenMode = kPenCopy;
    m.Draw(TMesure::mFinal, v, 0x00FFFF);
    ASSERT_EQ(cv.entries.size(), 4u);
    EXPECT_EQ(cv.entries[3].Text, "5.000 m");

    // Radius: the circle as 101 points in the plane of its view.
    TMetreCercle c;
    c.View = vkProfile;
    c.P1 = {0, 1, 0};
    c.P2 = {0, 1, 0.5};
    cv.Clear();
    c.Draw(TMesure::mFinal, v, 0x00FFFF);
    const auto* cercle = &cv.entries.at(3);
    ASSERT_EQ(cercle->Points.size(), 101u);
    EXPECT_EQ(cercle->Points[25], Px(v, {0, 1, 0.5}));

    // An angle taken in the plan view keeps its value there when the
    // perspective, which draws every dimension, draws it too.
    TMetreAngle an;
    an.View = vkPlan, an.NbPts = 2, an.P2 = {1, 0, 0}, an.P3 = {0, 1, 0};
    for (int k : {vkPlan, vkPerspective}) an.Draw(TMesure::mFinal, Vue(k, &cv, 200, 150, 50.0f), 0x00FFFF);
    EXPECT_EQ(std::abs(an.Value), 90.0f);
    EXPECT_EQ(ui.rec.status.back(), (std::pair<int, std::string>{3, "Mesure :" + an.Text}));
}
