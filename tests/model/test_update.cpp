// The update chain, the bounds and cut tables, zoom to fit, current point,
// welded moves, weights, sail centre, section areas and alignment.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <tuple>

#include "model/Bounds.h"
#include "model/Document.h"
#include "model/Draw.h"
#include "model/Update.h"
#include "tests/support/Coupes.h"
#include "tests/support/Proches.h"
#include "tests/support/RecordingUi.h"

namespace {

// A surface that counts its evaluations.
struct NurbsCompte : TSurface {
    using TSurface::TSurface;
    int n = 0;
    bool courbure = false;  // of the last evaluation
    void CalcSurface(bool courbure = true) override {
        ++n;
        this->courbure = courbure;
        TSurface::CalcSurface(courbure);
    }
};

// A mesh of rows x cols points placed by f, appended to the document.
template <class T = TDXFSurface>
T* Plaque(Document& doc, int rows, int cols, const std::function<TVertex3f(int, int)>& f, bool sym = false) {
    auto s = std::make_unique<T>(0, rows, cols, doc.DefGrille);
    s->Sym = sym ? 1 : 0;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) s->Points[i][j] = f(i, j);
    T* raw = s.get();
    EXPECT_GE(doc.AjouteSurface(std::move(s)), 0);
    return raw;
}

// A flat horizontal rectangle [x0, x0 + lx] x [y0, y0 + ly] at height z.
TDXFSurface* Rectangle(Document& doc, double x0, double y0, double lx, double ly, double z) {
    return Plaque(doc, 2, 2, [=](int i, int j) { return TVertex3f{x0 + lx * i, y0 + ly * j, z}; });
}

NurbsCompte* CoqueCompte(Document& doc, const std::string& nom) {
    auto s = std::make_unique<NurbsCompte>(0, doc.Precision, doc.DefGrille);
    s->SetNom(nom);
    s->Net.Initialise(0);
    NurbsCompte* raw = s.get();
    doc.AjouteSurface(std::move(s));
    return raw;
}

int CompteStatus(const RecordingUi& r, const std::string& debut) {
    int n = 0;
    for (const auto& [p, t] : r.status)
        if (p == 3 && t.rfind(debut, 0) == 0) ++n;
    return n;
}

bool Message(const RecordingUi& r, const std::string& texte) {
    return std::find(r.messages.begin(), r.messages.end(), texte) != r.messages.end();
}

}  // namespace

// ---- The chain ----------------------------------------------------------------------------

TEST(MajSurface, AnUnchangedSurfaceIsNeverEvaluatedTwice) {
    RecordingScope r;
    Document doc;
    NurbsCompte* a = CoqueCompte(doc, "A");
    NurbsCompte* b = CoqueCompte(doc, "B");
    doc.Aff.MeSections = doc.Aff.MeLignesdEau = doc.Aff.MeLongitudinales = doc.Aff.MeDiagonales = true;

    ObjCom::MajCoupesSurface(doc);
    ObjCom::MajCoupesSurface(doc);
    ObjCom::MajSurface(doc, false, -1);
    ObjCom::MajSurface(doc, true, -1);  // forcing evaluates what is not calculated, nothing more
    ObjCom::MajSurface(doc, false, 1);  // one surface: only when its flag is clear
    EXPECT_EQ(a->n + b->n, 2);

    // A change to B: B alone is evaluated again.
    b->Net.pc(1, 1).X += 0.2;
    b->Calculee = 0;
    ObjCom::MajCoupesSurface(doc);
    ObjCom::MajCoupesSurface(doc);
    EXPECT_EQ(std::tuple(a->n, b->n), std::tuple(1, 2));
    EXPECT_FALSE(Message(r.rec, "Surface deja calculee... Correction !"));
}

TEST(MajSurface, FollowsTheDrawingSwitchTheDisplayForceIndexAndCurvatureSetting) {
    RecordingScope r;
    Document doc;
    NurbsCompte* a = CoqueCompte(doc, "A");
    NurbsCompte* cachee = CoqueCompte(doc, "Cachee");
    cachee->Visible = 0;

    // Drawing off: nothing at all, even forced. Neither the hull nor the
    // parametric surfaces shown: nothing.
    doc.FormeAffichee = false;
    ObjCom::MajSurface(doc, true, -1);
    EXPECT_EQ(a->n + cachee->n, 0);
    doc.FormeAffichee = true;
    doc.Aff.MeCarene = false;
    doc.Aff.MeSurfaceParam = false;
    ObjCom::MajSurface(doc, false, -1);
    EXPECT_EQ(a->n, 0);

    // Parametric surfaces shown: the visible surface only.
    doc.Aff.MeSurfaceParam = true;
    ObjCom::MajSurface(doc, false, -1);
    EXPECT_EQ(std::tuple(a->n, cachee->n), std::tuple(1, 0));
    // One index: evaluated though hidden.
    ObjCom::MajSurface(doc, false, 1);
    EXPECT_EQ(cachee->n, 1);

    // Forced with -1: hidden surfaces too, display off or not.
    doc.Aff.MeSurfaceParam = false;
    a->Calculee = cachee->Calculee = 0;
    ObjCom::MajSurface(doc, true, -1);
    EXPECT_EQ(std::tuple(a->n, cachee->n), std::tuple(2, 2));

    // The curvature is computed as the document says, whatever window is open.
    EXPECT_TRUE(a->courbure);
    doc.CalculeCourbure = false;
    a->Calculee = 0;
    ObjCom::MajSurface(doc, true, 0);
    EXPECT_FALSE(a->courbure);
}

TEST(MajSurface, ASurfaceThatCannotBeEvaluatedIsReportedAndSkipped) {
    RecordingScope r;
    Document doc;
    TSurface* vide = doc.NouvelleSurface("Vide");
    vide->Net.Initialise(7);  // no point: nothing to evaluate
    NurbsCompte* a = CoqueCompte(doc, "A");
    ObjCom::MajSurface(doc, false, -1);
    EXPECT_EQ(std::tuple(vide->Calculee, a->Calculee), std::tuple(0, 1));
    // The user is told once, by name, not at every later update.
    ASSERT_EQ(r.rec.messages.size(), 1u);
    EXPECT_EQ(r.rec.messages[0].rfind("Surface Vide : ", 0), 0u) << r.rec.messages[0];
    ObjCom::MajSurface(doc, false, -1);
    EXPECT_EQ(r.rec.messages.size(), 1u);
}

TEST(MajCoupesSurface, RebuildsOnlyTheFamiliesShownAndNotDone) {
    RecordingScope r;
    Document doc = Document::Defaut();
    doc.DefGrille.NbSec = 2;
    doc.DefGrille.Sec.Val[1] = 1.0;
    doc.DefGrille.Sec.Val[2] = 3.0;
    TEntity* s = doc.Surface(0);

    // Hull shown, no family ticked: the stations all the same.
    ObjCom::MajCoupesSurface(doc);
    EXPECT_EQ(std::tuple(s->Calculee, CompteStatus(r.rec, "Couple "), s->SecFait, s->LEFait + s->LongFait + s->DiagFait),
              std::tuple(1, 2, 1, 0));

    doc.Aff.MeSections = true;
    ObjCom::MajCoupesSurface(doc);  // done already
    EXPECT_EQ(std::tuple(CompteStatus(r.rec, "Couple "), s->LEFait), std::tuple(2, 0));

    // A hidden surface keeps its old tables.
    const TCoupe avant = s->Sec[1];
    s->Visible = s->SecFait = 0;
    doc.DefGrille.Sec.Val[1] = 1.5;
    ObjCom::MajCoupesSurface(doc);
    EXPECT_EQ(std::tuple(s->Sec[1], s->SecFait), std::tuple(avant, 0));

    // The hull hidden: no cut is rebuilt.
    s->Visible = 1;
    s->Calculee = 0;
    doc.Aff.MeCarene = false;
    doc.Aff.MeSurfaceParam = true;
    ObjCom::MajCoupesSurface(doc);
    EXPECT_EQ(std::tuple(s->Calculee, s->SecFait), std::tuple(1, 0));
}

// The default hull cut at the default reference lines, as a new document gets them.
TEST(Coupes, DefaultHullCutAtTheDefaultReferenceLines) {
    RecordingScope r;
    Document doc = Document::Defaut();
    doc.Aff.MeSections = doc.Aff.MeLignesdEau = doc.Aff.MeLongitudinales = doc.Aff.MeDiagonales = true;
    Grille::GrilleParDefaut(doc);
    const TEntity& s = *doc.Surface(0);
    const TDefGrille& g = doc.DefGrille;
    ASSERT_EQ(std::tuple(g.NbSec, s.Calculee), std::tuple(11, 1));

    // The stations span the waterline at Z = 0.
    TEtendue lwl;
    Calcs::LongueurLE(doc, -1, lwl, 0.0);
    EXPECT_NEAR(g.Sec.Val[1], lwl.Min, 1e-6);
    EXPECT_NEAR(g.Sec.Val[11], lwl.Max, 1e-5);

    // Every cut lies in its plane, on both sides of the symmetric hull.
    int points = 0;
    auto dansLePlan = [&](const TTabCoupes& t, const TTabCoupes& sym, int n, auto&& ecart, const char* famille) {
        for (int i = 1; i <= n; ++i)
            for (const TCoupe* c : {&t[i], &sym[i]})
                for (const TListPt3D& l : *c)
                    for (const TPt3D& p : l) {
                        EXPECT_NEAR(ecart(i, p.P), 0.0, 1e-9) << famille << " " << i;
                        ++points;
                    }
    };
    for (int i = 1; i <= 11; ++i) EXPECT_FALSE(s.Sec[i].empty() || s.SecSym[i].empty()) << "station " << i;
    dansLePlan(s.Sec, s.SecSym, 11, [&](int i, const TVertex3f& p) { return p.Y - g.Sec.Val[i]; }, "station");
    dansLePlan(s.LE, s.LESym, 7, [&](int i, const TVertex3f& p) { return p.Z - g.LE.Val[i]; }, "waterline");
    dansLePlan(s.Long, s.LongSym, 9, [&](int i, const TVertex3f& p) { return p.X - g.Longit.Val[i]; }, "buttock");
    dansLePlan(s.Diag, s.DiagSym, 5, [&](int i, const TVertex3f& p) {
        double a = 0, b = 0;
        EXPECT_TRUE(g.CoeffsDiag(i, a, b));
        return p.Z - (a * p.X + b);
    }, "diagonal");
    EXPECT_GT(points, 200);
}

// ---- Bounds and extents -------------------------------------------------------------------

TEST(Bornes, SurfacesAndNets) {
    RecordingScope r;
    Document doc;
    Rectangle(doc, 1.0, 2.0, 3.0, 4.0, -1.0);                 // symmetric: no
    TDXFSurface* s = Rectangle(doc, 0.5, -1.0, 1.0, 1.0, 2.0);
    s->Sym = 1;                                                // its mirror reaches X = -1.5
    s->Visible = 0;                                            // hidden counts too
    ObjCom::MajSurface(doc, true, -1);
    EXPECT_EQ(std::tuple(doc.MinMaxSurf.Min, doc.MinMaxSurf.Max), std::tuple(TVertex3f{-1.5, -1.0, -1.0}, TVertex3f{4.0, 6.0, 2.0}));

    // Net bounds: NURBS only, with mirrors in the surface's own plane.
    TSurface* n = doc.NouvelleSurface("N");
    n->Net.Initialise(1);            // plane Z = 0, X and Y from 0 to 2
    n->PlanSym.Origin = {3.0, 0.0, 0.0};
    n->PlanSym.MajEquation();        // mirror plane X = 3
    ObjCom::MajMinMaxAllNet(doc, false);
    EXPECT_EQ(doc.MinMaxNet.Max, (TVertex3f{6.0, 2.0, 0.0}));
}

TEST(Etendues, MirrorGridsCountOnlyForSymmetricSurfaces) {
    RecordingScope r;
    Document doc;
    // A plate at X 1..2, Y 0..3, mirrored in the plane X = 0.
    TDXFSurface* s = Plaque(doc, 2, 2, [](int i, int j) { return TVertex3f{1.0 + i, 3.0 * j, 0.0}; }, true);
    ObjCom::MajSurface(doc, true, -1);
    TEtendue e;
    Calcs::DimentionsSurfSym(doc, 0, false, e);
    EXPECT_EQ(e, (TEtendue{4.0, -2.0f, 2.0f}));
    Calcs::DimentionsSurfSym(doc, 0, true, e);  // one side asked
    EXPECT_EQ(e, (TEtendue{1.0, 1.0f, 2.0f}));

    // No longer symmetric: its stale mirror grid must not count.
    s->Sym = 0;
    Calcs::DimentionsSurfSym(doc, 0, false, e);
    EXPECT_EQ(e, (TEtendue{1.0, 1.0f, 2.0f}));
    Calcs::DimentionsSurfSym(doc, -1, false, e);
    EXPECT_EQ(e, (TEtendue{1.0, 1.0f, 2.0f}));
}

TEST(Etendues, WaterlineAndImmersedLengths) {
    Document doc;
    // Rows at X = 0 and 1; along Y 0..4 the height is -1, 0, 1, 0, -1: the
    // waterline Z = 0 runs from Y = 1 to 3, the ends dip below it.
    auto z = [](int j) { return 1.0 - std::fabs(j - 2.0); };
    TDXFSurface* s = Plaque(doc, 2, 5, [&](int i, int j) { return TVertex3f{1.0 * i, 1.0 * j, z(j)}; });

    TEtendue e;
    Calcs::LongueurLE(doc, 0, e, 0.0);
    EXPECT_EQ(e, (TEtendue{2.0, 1.0f, 3.0f}));
    Calcs::LongueurImmergee(doc, -1, e, 0.0);
    EXPECT_EQ(e, (TEtendue{4.0, 0.0f, 4.0f}));
    TListSurf l;
    l.Add(0);

    // Wholly above the water: empty, not -20000.
    Calcs::LongueurImmergee(doc, 0, e, -5.0);
    TEtendue f{1.0, 1.0f, 2.0f};
    Calcs::LongueurLE(doc, 0, f, 5.0);  // wholly under it: no waterline
    EXPECT_EQ(std::tuple(e, f), std::tuple(TEtendue{}, TEtendue{}));

    // The waterline routines take only surfaces counted in calculations.
    s->Calc = 0;
    Calcs::LongueurLE(doc, -1, e, 0.0);
    EXPECT_EQ(e, TEtendue{});
    Calcs::LongueurLELstSurf(doc, l, e, 0.0);  // a list is taken as given
    EXPECT_EQ(e, (TEtendue{2.0, 1.0f, 3.0f}));
}

// ---- Zoom to fit --------------------------------------------------------------------------------

TEST(AjusteRectangle, ScaleAndOriginCentreTheExtentWithAMargin) {
    TViewRecord v;
    ASSERT_TRUE(ObjCom::AjusteRectangleEtendue({0, 0}, {6, 1}, 600, 402, 2500, v));
    EXPECT_EQ(std::tuple(v.Scale, v.OriginX, v.OriginY), std::tuple(95.0f, 15, 248));  // 248.5 rounds to even

    // A single point: the zero extent's factor, under the ceiling.
    ASSERT_TRUE(ObjCom::AjusteRectangleEtendue({2, 3}, {2, 3}, 600, 402, 2500, v));
    EXPECT_EQ(v.Scale, 2500.0f);
    ASSERT_TRUE(ObjCom::AjusteRectangleEtendue({2, 3}, {2, 3}, 600, 402, 20000, v));
    EXPECT_EQ(v.Scale, 9500.0f);
}

TEST(AjusteRectangle, NothingVisibleLeavesTheViewUnchanged) {
    Document doc;
    TDXFSurface* s = Rectangle(doc, 0, 0, 1, 1, 0);
    s->Visible = 0;
    TViewRecord v;
    std::tie(v.Scale, v.OriginX, v.OriginY) = std::tuple(123.0f, 7, 9);
    EXPECT_FALSE(ObjCom::AjusteRectangle(doc, 1, 600, 400, v));
    EXPECT_EQ(std::tuple(v.Scale, v.OriginX, v.OriginY), std::tuple(123.0f, 7, 9));
    // Scope 0 takes the surfaces counted in calculations, hidden or not.
    s->Calc = 1;
    EXPECT_TRUE(ObjCom::AjusteRectangle(doc, 0, 600, 400, v));
}

// ---- Weights and sails -------------------------------------------------------------------------

TEST(MajTotalPoids, TwoPlatesAndABallastByHand) {
    RecordingScope r;
    Document doc;
    // 2 m2 of 10 mm steel (7.8 t/m3) at (1, 0.5, 0): 156 kg.
    TDXFSurface* p1 = Rectangle(doc, 0, 0, 2, 1, 0);
    std::tie(p1->TypePoids, p1->Epaisseur, p1->Densite) = std::tuple(tpEpaisseur, 0.01, 7.8);
    // 1 m2 of 20 mm at density 1 at (0.5, 2.5, 1): 20 kg; hidden, still weighed.
    TDXFSurface* p2 = Rectangle(doc, 0, 2, 1, 1, 1);
    std::tie(p2->TypePoids, p2->Epaisseur, p2->Densite, p2->Visible) = std::tuple(tpEpaisseur, 0.02, 1.0, 0);
    doc.ListPoids.push_back({"Lest", 100.0, 0.0, 1.0, -1.0, -1});

    ObjCom::MajTotalPoids(doc);
    const TPoids& t = doc.PoidsTotal;
    EXPECT_NEAR(t.Masse, 276.0, 1e-9);
    ExpectNear({t.X, t.Y, t.Z}, {(156.0 * 1.0 + 20.0 * 0.5) / 276.0, (156.0 * 0.5 + 20.0 * 2.5 + 100.0 * 1.0) / 276.0,
                                 (20.0 * 1.0 - 100.0) / 276.0});
}

// ---- Areas and girths of cuts ---------------------------------------------------------------------

TEST(AireSec, BoxAndTriangleSections) {
    // Half a box section at Y = 2: keel at Z = -1, side at X = 1 up to Z = 1.
    TCoupe box = Coupe({{{0, 2, -1}, {1, 2, -1}, {1, 2, 1}}});
    const TCoupe copie = box;
    TAireObj r;
    // A waterline above Z = 0: the chain left under it is closed along the
    // waterline, not through the origin. At Z = -2 nothing is immersed.
    for (auto [z, aire, zc] : {std::tuple{0.0, 1.0, -0.5}, {0.5, 1.5, -0.25}, {-2.0, 0.0, 0.0}}) {
        ObjCom::AireSec(box, r, z);
        EXPECT_DOUBLE_EQ(r.Aire, aire);
        if (aire > 0) { EXPECT_FLOAT_EQ(r.X, 0.5f); EXPECT_FLOAT_EQ(r.Z, zc); }
    }
    EXPECT_EQ(box, copie);  // the station itself is not changed

    // A triangle from the keel to the waterline, in two polylines: area 1/2,
    // centre at a third of each leg.
    const TCoupe tri = Coupe({{{0, 0, -1}, {0.5, 0, -0.5}}, {{0.5, 0, -0.5}, {1, 0, 0}}});
    ObjCom::AireSec(tri, r, 0.0);
    EXPECT_NEAR(r.Aire, 0.5, 1e-12);
    EXPECT_NEAR(r.X, 1.0 / 3.0, 1e-6);
    EXPECT_NEAR(r.Z, -1.0 / 3.0, 1e-6);
}

TEST(AireSec, ClosedSectionAtAnyWaterline) {
    // A closed 1 x 2 rectangle from Z = -1 to 1, as the hydrostatics close
    // a station: the immersed part under z is 1 x (z + 1), centred half way.
    const TCoupe rect = Coupe({{{0, 3, -1}, {1, 3, -1}, {1, 3, 1}, {0, 3, 1}, {0, 3, -1}}});
    TAireObj r;
    for (double z : {-0.5, 0.0, 0.25, 0.5, 2.0}) {
        ObjCom::AireSec(rect, r, z);
        const double h = std::min(z, 1.0) + 1.0;
        EXPECT_NEAR(r.Aire, h, 1e-12) << "z = " << z;
        EXPECT_NEAR(r.Z, -1.0 + h / 2.0, 1e-6) << "z = " << z;
    }
}

// ---- Alignment ------------------------------------------------------------------------------------

namespace {

// A document of two 2 x 2 nets with known points, both calculated.
Document DeuxNets() {
    Document doc;
    for (const char* nom : {"A", "B"}) {
        TSurface* s = doc.NouvelleSurface(nom);
        s->Net.NbL = s->Net.NbC = 2;
        s->Calculee = 1;
    }
    TNet& a = doc.SurfaceNurbs(0)->Net;
    a.pc(0, 0) = {0, 0, 0, 1};
    a.pc(0, 1) = {1, 0, 1, 1};
    a.pc(1, 0) = {2, 5, 0, 1};
    a.pc(1, 1) = {-1, 3, 0, 0.5};
    doc.SurfaceNurbs(1)->Net.pc(0, 0) = {0, 7, 3, 1};
    return doc;
}

TListPC Selection(std::initializer_list<TPC> pcs) {
    TListPC l;
    for (const TPC& pc : pcs) l.Add(pc);
    return l;
}

}  // namespace

// A point on the first one in the view's axes has no side: it stays, with
// a message, and its surface is not touched.
TEST(Alignement, InTheSectionPlaneEachPointKeepsItsDistanceAndSide) {
    RecordingScope r;
    Document doc = DeuxNets();
    int undo = -1;
    doc.Hooks.RecordAction = [&](int k) { undo = k; };
    doc.SurfaceNurbs(1)->Net.pc(0, 0) = {0, 7, 0, 1};
    const TListPC sel = Selection({{0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {0, 1, 1}, {1, 0, 0}});
    ASSERT_TRUE(ObjCom::AligneDansLePlan(doc, sel, vkSection));
    const TNet& n = doc.SurfaceNurbs(0)->Net;
    const double h = 1.0 / std::sqrt(2.0);
    // (2, 5, 0): 2 from the first point on its side of it; Y kept.
    EXPECT_NEAR(std::hypot(n.pc(1, 0).X - 2 * h, n.pc(1, 0).Y - 5, n.pc(1, 0).Z - 2 * h), 0.0, 1e-12);
    // (-1, 3, 0): behind the first point, so on the other side; weight kept.
    EXPECT_NEAR(std::hypot(n.pc(1, 1).X + h, n.pc(1, 1).Y - 3, n.pc(1, 1).Z + h), 0.0, 1e-12);
    EXPECT_EQ(n.pc(1, 1).W, 0.5);
    EXPECT_EQ(doc.SurfaceNurbs(1)->Net.pc(0, 0), (TVertex4f{0, 7, 0, 1}));
    EXPECT_TRUE(Message(r.rec, "Alignement impossible : deux vertex sont confondus"));
    // One undo step; the moved surface must be evaluated again, the other was not touched.
    EXPECT_EQ(std::tuple(undo, doc.Enregistre(), doc.Surface(0)->Calculee, doc.Surface(1)->Calculee), std::tuple(0, false, 0, 1));
}

// The perspective aligns in its screen's plane: seen from above, from the
// side and from behind it does what the plan, profile and section views do;
// seen askew each point keeps its depth and its distance from the first on
// the screen, and lands on the line the first two make there.
TEST(Alignement, ThePerspectiveAlignsInItsScreenPlane) {
    const double pi = std::numbers::pi;
    const struct {
        double a, b;
        int vue;  // the view that must agree, -1 none
    } cas[] = {{0, pi / 2, vkPlan}, {0, 0, vkProfile}, {-pi / 2, 0, vkSection}, {pi / 4, pi / 6, -1}};
    const TListPC sel = Selection({{0, 0, 0}, {0, 0, 1}, {0, 1, 0}, {0, 1, 1}});
    for (const auto& c : cas) {
        RecordingScope r;
        Document doc = DeuxNets(), ref = DeuxNets();
        ASSERT_TRUE(ObjCom::AligneDansLePlan(doc, sel, vkPerspective, c.a, c.b));
        if (c.vue >= 0) ObjCom::AligneDansLePlan(ref, sel, c.vue);
        auto ecran = [&](const TVertex4f& p) {
            TVertex2f v;
            Calcs::ProjectionVue({p.X, p.Y, p.Z}, v, c.a, c.b);
            return std::complex<double>(v.X, v.Y);
        };
        const TNet &n = doc.SurfaceNurbs(0)->Net, &m = ref.SurfaceNurbs(0)->Net;
        const std::complex<double> o = ecran(n.pc(0, 0)), u = ecran(n.pc(0, 1)) - o;
        for (int j : {0, 1}) {
            const TVertex4f &p = n.pc(1, j), &q = m.pc(1, j), d{p.X - q.X, p.Y - q.Y, p.Z - q.Z, 0};
            if (c.vue >= 0) {
                EXPECT_NEAR(std::hypot(d.X, d.Y, d.Z), 0.0, 1e-12) << c.vue;
            } else {
                EXPECT_NEAR(std::imag(std::conj(u) * (ecran(p) - o)), 0.0, 1e-5);
                EXPECT_NEAR(std::abs(ecran(p) - o), std::abs(ecran(q) - o), 1e-5);
                EXPECT_NEAR(std::abs(ecran(d)), std::hypot(d.X, d.Y, d.Z), 1e-5);
            }
        }
    }
}

TEST(Alignement, RefusedCasesChangeNothing) {
    RecordingScope r;
    Document doc = DeuxNets();
    int undo = 0;
    doc.Hooks.RecordAction = [&](int) { ++undo; };

    EXPECT_FALSE(ObjCom::AligneDansLePlan(doc, Selection({{0, 0, 0}, {0, 0, 1}}), vkSection));
    EXPECT_TRUE(Message(r.rec, "Sélectionnez plus de deux vertex"));
    // The first two points coincide in the view's axes (section: X and Z).
    doc.SurfaceNurbs(0)->Net.pc(0, 1) = {0, 4, 0, 1};
    const TNet coincide = doc.SurfaceNurbs(0)->Net;
    EXPECT_FALSE(ObjCom::AligneDansLePlan(doc, Selection({{0, 0, 0}, {0, 0, 1}, {0, 1, 0}}), vkSection));
    EXPECT_EQ(doc.SurfaceNurbs(0)->Net, coincide);
    EXPECT_TRUE(Message(r.rec, "Alignement impossible : deux vertex sont confondus"));
    EXPECT_EQ(undo, 0);
    EXPECT_TRUE(doc.Enregistre());
}
