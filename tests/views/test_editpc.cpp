// Typed editing: a control point and its welded partners, the vertex list's
// cells, the typed moves and turns, the thickness offset and the hull
// dimensions.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "model/Undo.h"
#include "model/Update.h"
#include "tests/support/CareneFixtures.h"
#include "tests/support/RecordingUi.h"
#include "views/DeplSurf.h"
#include "views/EditPC.h"
#include "views/Epaisseur.h"
#include "views/Taille.h"

namespace {

// Two NURBS planes standing as the sides of a box 10 long, 4 wide, 2 deep
// (X = +-2, Y 0..10, Z -1..1), one order 2 net of 2 x 2 points each, and the
// bottom: their lower edges are welded to its corners.
Document DocBoite() {
    Document doc;
    auto plan = [&](const char* nom, std::array<TVertex3f, 4> p) {
        TSurface* s = doc.NouvelleSurface(nom);
        s->Net.NbL = s->Net.NbC = 2;
        s->Net.LFlex = s->Net.CFlex = 2;
        for (int k = 0; k < 4; ++k) s->Net.TabPC[k / 2][k % 2] = {p[k].X, p[k].Y, p[k].Z, 1};
        s->Sym = 0;
    };
    plan("Bord", {{{2, 0, -1}, {2, 10, -1}, {2, 0, 1}, {2, 10, 1}}});
    plan("Fond", {{{-2, 0, -1}, {-2, 10, -1}, {2, 0, -1}, {2, 10, -1}}});
    for (int j : {0, 1}) {
        TListPC g;
        g.Add({0, 0, j});
        g.Add({1, 1, j});
        doc.AjouteSoudure(g);
    }
    ObjCom::MajSurface(doc, true, -1);
    return doc;
}

TEST(EditPC, TypedPointMovesItsWeldedPartnerAndOneUndoRestoresBoth) {
    Document doc = DocBoite();
    TUndo undo;
    undo.RecordAction(doc, TUndo::kGeometrie);
    ASSERT_TRUE(EditPC::Applique(doc, {0, 0, 0}, {3, 0, -1, 0.5}));
    EXPECT_EQ(doc.SurfaceNurbs(0)->Net.TabPC[0][0], (TVertex4f{3, 0, -1, 0.5}));
    EXPECT_EQ(doc.SurfaceNurbs(1)->Net.TabPC[1][0], (TVertex4f{3, 0, -1, 1}));  // W only on the edited point
    EXPECT_EQ(doc.Surface(1)->Calculee, 0);
    ObjCom::MajSurface(doc, true, -1);
    doc.Surface(1)->MajCentreBorde();
    // The bottom widened at one end: a trapezium 4..5 wide, 10 long.
    EXPECT_NEAR(doc.Surface(1)->Aire, 45.0, 1e-3);  // 40 before
    ASSERT_TRUE(undo.Annuler(doc));
    EXPECT_EQ(std::pair(doc.SurfaceNurbs(0)->Net.TabPC[0][0], doc.SurfaceNurbs(1)->Net.TabPC[1][0]),
              std::pair(TVertex4f{2, 0, -1, 1}, TVertex4f{2, 0, -1, 1}));
    EXPECT_FALSE(EditPC::Applique(doc, {0, 5, 0}, {}));
}

TEST(EditPC, ListCellsWriteNumbersOnlyAndArrowsStayInTheNet) {
    Document doc = DocBoite();
    const std::vector<std::string> texte = EditPC::TexteListe(doc);
    ASSERT_EQ(texte.size(), 9u);
    EXPECT_EQ(texte[7], "Fond;1;1;0;2.000;0.000;-1.000;1.000;");
    bool refus = false;
    EXPECT_FALSE(EditPC::EcritCellule(doc, {0, 1, 1}, 0, "-", &refus));
    EXPECT_FALSE(EditPC::EcritCellule(doc, {0, 1, 1}, 0, "1,5", &refus));
    EXPECT_TRUE(refus && doc.SurfaceNurbs(0)->Net.TabPC[1][1].X == 2.0);
    EXPECT_TRUE(EditPC::EcritCellule(doc, {0, 1, 1}, 0, "-1", &refus));
    // Welded points do not follow.
    EXPECT_TRUE(doc.SurfaceNurbs(0)->Net.TabPC[1][1].X == -1.0 && doc.SurfaceNurbs(1)->Net.TabPC[1][1].X == 2.0);

    doc.CurrentPC = {0, 0, 1};
    EXPECT_FALSE(EditPC::Pas(doc, -1, 0));
    EXPECT_TRUE(EditPC::Pas(doc, 1, 0));
    EXPECT_FALSE(EditPC::Pas(doc, 0, 1));
    EXPECT_EQ(doc.CurrentPC, (TPC{0, 1, 1}));
}

double Ecart(const TVertex4f& p, TVertex3f q) { return std::fabs(p.X - q.X) + std::fabs(p.Y - q.Y) + std::fabs(p.Z - q.Z); }

TEST(DeplSurf, FrameModeTurnsAboutTheFrameOriginAndCarriesTheSurface) {
    Document doc = DocBoite();
    TSurface& s = *doc.SurfaceNurbs(0);
    s.PlanSym.Origin = {1, 2, 0};
    s.PlanSym.MajEquation();
    DeplSurf::TParams p;
    p.A = {0, 0, 90};
    DeplSurf::Applique(doc, DeplSurf::dmPlanSym, {true, false}, p);
    // (2, 0, -1) - O = (1, -2, -1), turned: (2, 1, -1), + O.
    EXPECT_LT(Ecart(s.Net.TabPC[0][0], {3, 3, -1}), 1e-12);
    EXPECT_EQ(s.PlanSym.Origin, (TVertex3f{1, 2, 0}));
    EXPECT_NEAR(s.PlanSym.Axis1.Y, 1, 1e-12);

    p = {};
    p.E = {1, 0, 0};
    p.A = {0, 0, 90};
    DeplSurf::Applique(doc, DeplSurf::dmRotation, {false, true}, p);  // (2, 0, -1) about (1, 0, 0)
    EXPECT_LT(Ecart(doc.SurfaceNurbs(1)->Net.TabPC[1][0], {1, 1, -1}), 1e-12);
    p.E = {0, 0, 5};
    p.Conjoint = false;
    DeplSurf::Applique(doc, DeplSurf::dmPlanSym, {true, false}, p);
    EXPECT_NEAR(s.Net.TabPC[0][0].X, 3, 1e-12);  // without the surface
    EXPECT_EQ(s.PlanSym.Origin, (TVertex3f{1, 2, 5}));
}

TEST(Epaisseur, ZeroIsACopyInwardNeverCrossesThePlaneAndTheLimitHolds) {
    RecordingScope ui;
    Document doc;
    doc.AjouteSurface(fixtures::Caisson(doc.DefGrille));
    ObjCom::MajSurface(doc, true, -1);
    const TEntity& src = *doc.Surface(0);
    ASSERT_EQ(Epaisseur::CreerEpaisseur(doc, 0, 0.0, true), 1);
    const TEntity& copie = *doc.Surface(1);
    EXPECT_EQ(copie.Points, src.Points);
    EXPECT_TRUE(copie.Calc == 0 && copie.Nom == src.Nom + " 2" && copie.TypeFichier() == std::string("MESH"));

    // 3 m inside a box 4 wide: the deck and bottom stay on the side of X >= 0.
    const int m = Epaisseur::CreerEpaisseur(doc, 0, 3.0, true);
    double minX = 1e9, maxX = -1e9;
    PourChaquePoint(*doc.Surface(m), doc.Surface(m)->Points, [&](const TVertex3f& p) {
        minX = std::min(minX, p.X);
        maxX = std::max(maxX, p.X);
    });
    EXPECT_EQ(minX, 0.0);
    EXPECT_LE(maxX, 2.0);  // inward: never beyond the side

    while (doc.NbSurf() < kMaxSurfaces) doc.NouvelleSurface("x");
    EXPECT_EQ(Epaisseur::CreerEpaisseur(doc, 0, 0.1, true), -1);
    EXPECT_EQ(ui.rec.messages.back(), "Nombre maximum de Surfaces atteint");
}

TEST(Taille, BoxDimensionsAndNothingChosen) {
    Document doc;
    doc.AjouteSurface(fixtures::Caisson(doc.DefGrille));
    ObjCom::MajSurface(doc, true, -1);
    const Taille::TDimensions d = Taille::Dimensions(doc, {true});
    EXPECT_TRUE(d.Longueur == 10 && d.Largeur == 4 && d.Hauteur == 2 && d.HauteurMax == 1 && d.ProfondeurMax == -1);
    EXPECT_LT(std::fabs(d.LongueurFlottaison - 10) + std::fabs(d.LargeurFlottaison - 4), 1e-6);
    const Taille::TDimensions z = Taille::Dimensions(doc, {false});
    EXPECT_TRUE(z.Largeur == 0 && z.MinX == TVertex3f{});
}

TEST(Taille, PrecisionAlwaysWithinItsRange) {
    struct Cas {
        const char* texte;
        bool debug;
        int attendu;
    };
    for (const Cas& c : {Cas{"250", false, 200}, Cas{"5", false, 10}, Cas{"5", true, 5}, Cas{"1", true, 2},
                         Cas{"abc", false, 30}, Cas{"", false, 30}, Cas{"50", false, 50}})
        EXPECT_EQ(Taille::BornePrecision(c.texte, 30, c.debug), c.attendu) << c.texte;
}

}  // namespace
