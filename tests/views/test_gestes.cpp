#include <gtest/gtest.h>

#include <cmath>

#include "base/Langue.h"
#include "model/Update.h"
#include "tests/support/Proches.h"
#include "tests/support/RecordingUi.h"
#include "tests/support/VueEditFixture.h"
#include "views/Selection.h"

using namespace testvue;
using Gestes::TItem;

namespace {

TPoint Plus(TPoint p, int dx, int dy) { return {p.X + dx, p.Y + dy}; }

// A document, one view of a kind, its host and its mouse, with the undo
// behind the document's record hook.
struct Banc {
    explicit Banc(int kind, Document d = Document::Defaut()) : doc(std::move(d)), vue(kind) {
        doc.Hooks.RecordAction = [this](int k) {
            ++records;
            undo.RecordAction(doc, k);
        };
        doc.Hooks.FinAction = [this] { undo.FinAction(doc); };
        hote.doc = &doc;
        hote.vues = {&vue};
        vue.Maj(doc);
    }
    RecordingScope ui;
    Document doc;
    Vue vue;
    Hote hote;
    TUndo undo;
    int records = 0;
    Souris souris{doc, vue, hote};
    TNet& Net(int s = 0) { return doc.SurfaceNurbs(s)->Net; }
    // A flat grid laid in the document, one-sided unless `sym`, and shown.
    template <class... A>
    TSurface* Grille(bool sym, A... a) {
        TSurface* s = Plaque(doc, a...);
        if (!sym) s->Sym = 0;
        vue.Maj(doc);
        return s;
    }
    void Clic(TPoint p) {
        souris.Down(p);
        souris.Up(p);
    }
};

Document Vide() { return Document{}; }

}  // namespace

// ---- Dragging control points ---------------------------------------------------------------------

TEST(Glisser, ClickSelectsForItsPressPlanDragChangesOnlyXAndYAndUndoPutsItBack) {
    Banc b(vkPlan);
    const TPoint c = b.vue.Pixel({0, 2, 1});
    b.souris.Down(c);
    EXPECT_TRUE(b.vue.sel.Contains({0, 2, 1}));
    b.souris.Up(c);
    EXPECT_TRUE(b.vue.sel.empty() && b.doc.Enregistre());
    b.souris.touches.shift = true;
    b.Clic(c);
    EXPECT_TRUE(b.vue.sel.Contains({0, 2, 1}));
    b.Clic(c);  // Shift on a selected point unselects it
    EXPECT_TRUE(b.vue.sel.empty());
    b.souris.touches.shift = false;

    const TPC pc{0, 1, 1};
    const TVertex4f avant = b.Net().TabPC[1][1];
    const TPoint p0 = b.vue.Pixel(pc);
    ASSERT_EQ(p0, (TPoint{550, 355}));  // Y = 3 right of 400, X = 1.1 below 300
    b.souris.Down(Plus(p0, 2, -1));
    EXPECT_TRUE(b.vue.geste.Outil == Gestes::otDeplacePC && b.doc.CurrentPC == pc);
    b.souris.Move(Plus(p0, 10, 5));
    b.souris.Move(Plus(p0, 20, 10));
    b.souris.Up(Plus(p0, 20, 10));
    // The point follows the cursor, not the press 2 pixels off it.
    ExpectNear(Xyz(b.Net().TabPC[1][1]), {avant.X + 10 / 50.0, avant.Y + 20 / 50.0, avant.Z});
    EXPECT_EQ(b.Net().TabPC[1][1].W, avant.W);
    EXPECT_TRUE(b.records == 1 && !b.doc.Enregistre());  // one snapshot for the whole drag
    EXPECT_TRUE(b.vue.sel.empty());  // a single point without Shift is let go
    ASSERT_TRUE(b.undo.Annuler(b.doc));
    EXPECT_EQ(b.doc.SurfaceNurbs(0)->Net.TabPC[1][1], avant);
}

TEST(Glisser, SymmetricPointStopsOnItsPlaneAndTheOthersByTheSameAmount) {
    Banc b(vkSection, Vide());
    TSurface* s = b.Grille(true, 3, 1);  // X = 0.5, 1.0, 1.5 on Y = 0, Z = 0, mirrored in X = 0
    // [1][0] and [0][0] selected, [0][0] dragged.
    const TPoint p0 = b.vue.Pixel({0, 0, 0});  // (450, 300)
    Selection::SelectPoint(*b.vue.tab, b.vue.sel, {0, 1, 0});
    Selection::SelectPoint(*b.vue.tab, b.vue.sel, {0, 0, 0});
    b.souris.Down(p0);
    ASSERT_EQ(b.vue.sel.Count(), 2);
    b.souris.Move(Plus(p0, -80, 0));  // would take [0][0] to X = -0.3
    // [1][0] moved by the same 0.5, [2][0] not dragged.
    EXPECT_EQ(std::tuple(s->Net.TabPC[0][0].X, s->Net.TabPC[1][0].X, s->Net.TabPC[2][0].X), std::tuple(0.0, 0.5, 1.5));
    b.souris.Up(Plus(p0, -80, 0));

    // With the horizontal constraint the same stop holds, Z untouched.
    b.hote.coches.insert(TItem::MeDeplHori);
    const TPoint p1 = b.vue.Pixel({0, 2, 0});
    b.souris.Down(p1);
    b.souris.Move(Plus(p1, -400, -30));
    EXPECT_TRUE(s->Net.TabPC[2][0].X == 0.0 && s->Net.TabPC[2][0].Z == 0.0);
    b.souris.Up(Plus(p1, -400, -30));
    EXPECT_FALSE(b.hote.Coche(TItem::MeDeplHori));  // the release turns it off
}

TEST(Glisser, WeldsOfWeldsFollowConstraintsAndCtrl) {
    Banc b(vkPlan, Vide());
    TSurface* s = b.Grille(false, 3, 3);
    TNet& n = s->Net;
    const TPC A{0, 0, 0}, B{0, 1, 1}, C{0, 2, 2};
    b.doc.AjouteSoudure([&] { TListPC l; l.Add(A); l.Add(B); return l; }());
    b.doc.AjouteSoudure([&] { TListPC l; l.Add(B); l.Add(C); return l; }());
    const TNet n0 = n;
    const TPoint p = b.vue.Pixel(A);
    b.souris.Drag(p, {Plus(p, 10, 0), Plus(p, 25, 0)});
    for (const TPC& w : {A, B, C}) EXPECT_NEAR(n.TabPC[w.I][w.J].Y, n0.TabPC[w.I][w.J].Y + 0.5, 1e-12) << w.I;
    EXPECT_EQ(n.TabPC[2][0], n0.TabPC[2][0]);

    b.hote.coches.insert(TItem::MeDeplVert);
    const TPoint q = b.vue.Pixel({0, 1, 2});
    b.souris.Drag(q, {Plus(q, 30, 10), Plus(q, 40, 20)});
    EXPECT_EQ(n.TabPC[1][2].Y, n0.TabPC[1][2].Y);  // screen horizontal is Y in the plan
    EXPECT_NEAR(n.TabPC[1][2].X, n0.TabPC[1][2].X + 0.4, 1e-12);
    EXPECT_EQ(b.hote.desarmes, std::vector<TItem>{TItem::MeDeplVert});

    // Ctrl selects the whole net and drags nothing.
    const TNet net = n;
    b.souris.touches.ctrl = true;
    b.souris.Drag(b.vue.Pixel({0, 0, 0}), {{10, 10}});
    EXPECT_TRUE(n == net && b.vue.sel.Count() == 9);
}

// ---- Choice of the tool ---------------------------------------------------------------------------

TEST(Outil, PressChoosesFromTheTicksThenFromWhatIsUnderTheCursor) {
    Banc b(vkSection);
    auto choix = [&](TPoint p, Ui::KeyState k = {}, int bouton = Gestes::btGauche) {
        int r = 0;
        b.souris.Run([&](Gestes::TGestes& g) { r = g.SelAction(bouton, k, p); });
        return r;
    };
    const TPoint pc = b.vue.Pixel({0, 2, 2});
    const TPoint vide{5, 5};
    EXPECT_EQ(choix(pc, {}, Gestes::btDroit), Gestes::otAucun);
    EXPECT_EQ(choix(pc), Gestes::otDeplacePC);
    EXPECT_EQ(choix(pc, {true, false, false}), Gestes::otSelectNet);
    EXPECT_EQ(choix(vide), Gestes::otZone);
    b.vue.sel.Add({0, 0, 0});
    EXPECT_EQ(choix(vide), Gestes::otEffaceSel);
    EXPECT_EQ(choix(vide, {false, true, false}), Gestes::otZone);  // Shift keeps the selection
    b.hote.coches = {TItem::MeSupprimerVx};
    EXPECT_EQ(choix(pc), Gestes::otSupprLnCol);
    b.hote.coches = {TItem::MeAjouterVx, TItem::MeSupprimerVx};
    EXPECT_EQ(choix(vide), Gestes::otAjoutLnCol);
    b.hote.coches = {TItem::MeZoom, TItem::MeDeplacerVue};
    EXPECT_EQ(choix(pc), Gestes::otZoom);
}

// ---- Rubber band, zoom box, pan --------------------------------------------------------------------------

// A zoom box drawn to the left does nothing and leaves the tool on (the
// box to the right is the program's mouse test).
TEST(Bande, ZoomBoxDrawnToTheLeftDoesNothing) {
    Banc b(vkSection);
    b.hote.coches.insert(TItem::MeZoom);
    const float avant = b.vue.rec.Scale;
    b.souris.Drag({600, 100}, {{300, 300}, {200, 300}});
    EXPECT_TRUE(b.vue.rec.Scale == avant && b.hote.Coche(TItem::MeZoom));
}

// ---- Rows and columns ---------------------------------------------------------------------------------

TEST(Reseau, OneRowIsCopiedAMeshOrCoincidentPointsRefused) {
    Banc b(vkSection, Vide());
    b.Grille(true, 1, 3);
    b.doc.CurrentPC = {0, 0, 1};
    b.hote.coches.insert(TItem::MeAjouterVx);
    b.Clic({300, 300});
    ASSERT_EQ(b.Net().NbL, 2);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(b.Net().TabPC[1][j], b.Net().TabPC[0][j]);

    // A mesh is current.
    Banc m(vkPlan, Vide());
    m.doc.AjouteSurface(std::make_unique<TDXFSurface>(0, 3, 3, m.doc.DefGrille));
    m.doc.CurrentPC = {0, 1, 1};
    m.hote.coches.insert(TItem::MeAjouterVx);
    m.Clic({300, 300});
    EXPECT_TRUE(m.records == 0 && m.ui.rec.messages.size() == 1u);

    // Rows 0..2 that differ only in Y fall on one pixel of the section view.
    Banc c(vkSection, Vide());
    Plaque(c.doc, 3, 2, 0.5, 0.0);
    for (int i = 0; i < 3; ++i) c.Net().TabPC[i][0].Y = i;
    c.vue.Maj(c.doc);
    c.doc.CurrentPC = {0, 1, 0};
    c.hote.coches.insert(TItem::MeAjouterVx);
    const TNet avant = c.Net();
    c.Clic({470, 280});
    EXPECT_TRUE(c.Net() == avant && c.ui.rec.messages.size() == 1u);
}

TEST(Reseau, RemovalInTheProfileRemovesTheColumnAndRenumbersTheSelection) {
    Banc b(vkProfile, Vide());
    b.Grille(true, 2, 4);
    b.vue.sel.Add({0, 0, 3});
    b.vue.tab->At(0, 0, 3).Etat = epSelect;
    b.hote.coches.insert(TItem::MeSupprimerVx);
    const TVertex4f dernier = b.Net().TabPC[1][3];
    b.Clic(b.vue.Pixel({0, 1, 1}));
    ASSERT_EQ(b.Net().NbC, 3);
    EXPECT_EQ(b.Net().TabPC[1][2], dernier);
    EXPECT_TRUE(b.doc.CurrentPC == (TPC{0, 0, 0}) && b.vue.sel.Contains({0, 0, 2}) && b.vue.tab->At(0, 0, 2).Etat == epSelect);
}

// Inserted between the current point and its predecessor, 20 pixels to one
// side of the segment joining them, then to the other side: the new point of
// the current line is under the click.
TEST(Reseau, InsertedPointLandsUnderTheClickInEveryView) {
    for (int kind : {vkSection, vkPlan, vkProfile})
        for (int cote : {1, -1}) {
            Banc b(kind, Vide());
            TSurface* s = Plaque(b.doc, 3, 3, 0.5, 1.0, 0.0, 2.0, 0.0);
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) s->Net.TabPC[i][j].Z = 0.5 * i + 0.25 * j;
            s->Sym = 0;
            b.vue.Maj(b.doc);
            const bool ligne = kind == vkSection;
            const TPC c{0, 1, 1};
            const TPoint pa = b.vue.Pixel(ligne ? TPC{0, 0, 1} : TPC{0, 1, 0}), pc = b.vue.Pixel(c);
            const double dx = pc.X - pa.X, dy = pc.Y - pa.Y, l = std::hypot(dx, dy);
            b.doc.CurrentPC = c;
            const TPoint q{(pa.X + pc.X) / 2 + static_cast<int>(std::lround(-dy / l * 20 * cote)),
                           (pa.Y + pc.Y) / 2 + static_cast<int>(std::lround(dx / l * 20 * cote))};
            b.hote.coches.insert(TItem::MeAjouterVx);
            b.Clic(q);
            ASSERT_EQ(ligne ? b.Net().NbL : b.Net().NbC, 4) << kind;
            const TPoint n = b.vue.Pixel(c);
            EXPECT_LE(std::max(std::abs(n.X - q.X), std::abs(n.Y - q.Y)), 1) << kind << " " << cote;
        }
}

TEST(Reseau, RefusedInsertionOrRemovalKeepsThePreviousChangeUndoable) {
    // A drag, then a removal the 2 x 1 net refuses: undo still gives the drag back.
    Banc b(vkSection, Vide());
    b.Grille(true, 2, 1);
    const TNet avant = b.Net();
    const TPoint p = b.vue.Pixel({0, 1, 0});
    b.souris.Drag(p, {Plus(p, 10, 0), Plus(p, 30, -20)});
    ASSERT_TRUE(b.Net() != avant && b.records == 1);
    b.hote.coches.insert(TItem::MeSupprimerVx);
    b.Clic(b.vue.Pixel({0, 1, 0}));
    EXPECT_EQ(b.records, 1);
    EXPECT_EQ(b.ui.rec.messages.back(), Langue::Txt("rsSupprLnImpossible"));
    ASSERT_TRUE(b.undo.Annuler(b.doc));
    EXPECT_EQ(b.Net(), avant);

    // The same with an insertion into a full net, and into a locked surface.
    Banc f(vkSection, Vide());
    TSurface* s = f.Grille(true, 31, 2, 0.0, 0.1);
    const TNet plein = f.Net();
    const TPoint q = f.vue.Pixel({0, 5, 1});
    f.souris.Drag(q, {Plus(q, 0, -15)});
    ASSERT_EQ(f.records, 1);
    auto ajoute = [&] {
        f.doc.CurrentPC = {0, 5, 1};
        f.hote.coches.insert(TItem::MeAjouterVx);
        f.Clic(Plus(q, 40, 0));
    };
    ajoute();
    EXPECT_EQ(f.ui.rec.messages.back(), Langue::Txt("rsMaxLignes"));
    s->Verrou = 1;
    ajoute();
    // Nothing recorded; the locked surface's current point stays.
    EXPECT_TRUE(f.Net().NbL == 31 && f.records == 1 && f.doc.CurrentPC == (TPC{0, 5, 1}));
    ASSERT_TRUE(f.undo.Annuler(f.doc));
    EXPECT_EQ(f.Net(), plein);
}

// ---- Measures ---------------------------------------------------------------------------------------

TEST(Mesure, DistanceDimensionIsKeptAngleLegsFollowTheDragsToolsTurnOff) {
    Banc b(vkSection, Vide());
    b.hote.coches.insert(TItem::MeCotMetre);
    b.souris.Drag({400, 300}, {{450, 300}, {500, 300}});
    ASSERT_EQ(b.doc.ListCotes.size(), 1u);
    EXPECT_EQ(b.doc.ListCotes[0].Text, "1.000 m");
    EXPECT_FALSE(b.hote.Coche(TItem::MeCotMetre) || b.doc.Enregistre());

    // A measure is not kept.
    b.hote.coches.insert(TItem::MeMesureCercle);
    b.souris.Drag({400, 300}, {{400, 250}});
    EXPECT_EQ(b.doc.ListCotes.size(), 1u);
    b.doc.ListCotes.clear();

    // The angle: its legs follow the drags, and its sign runs from the first leg to the second.
    b.hote.coches.insert(TItem::MeCotAngle);
    // The lines drawn last from the vertex (400, 300).
    auto legs = [&] {
        std::vector<TPoint> ends;
        for (const auto& e : b.hote.canvas.entries)
            if (e.Kind == TRecordingCanvas::Op::Line && e.Points[0].X == 400 && e.Points[0].Y == 300)
                ends.push_back(e.Points[1]);
        b.hote.canvas.Clear();
        return ends;
    };
    b.Clic({400, 300});
    EXPECT_EQ(b.vue.geste.MesureAngle.NbPts, 1);  // a first leg of no length does not arm the second
    legs();
    b.souris.Down({400, 300});
    b.souris.Move({450, 300});
    EXPECT_EQ(legs().back(), (TPoint{450, 300}));  // the first leg follows the first drag
    b.souris.Up({500, 300});
    EXPECT_TRUE(b.vue.geste.MesureAngle.NbPts == 2 && b.doc.ListCotes.empty());
    legs();
    b.souris.Drag({500, 300}, {{450, 250}});
    const std::vector<TPoint> fin = legs();
    ASSERT_GE(fin.size(), 2u);  // both legs: the first still to (500, 300), the second following the drag
    EXPECT_EQ(std::vector(fin.end() - 2, fin.end()), (std::vector<TPoint>{{500, 300}, {450, 250}}));
    ASSERT_EQ(b.doc.ListCotes.size(), 1u);
    EXPECT_EQ(b.doc.ListCotes[0].Kind, "Angle");
    // From the first leg (right) to the second (up and right): 45 degrees
    // counter-clockwise on the screen, negative on pixels whose Y runs down.
    EXPECT_NEAR(b.doc.ListCotes[0].Mesure.Value, -45.0f, 1e-4);
    EXPECT_FALSE(b.vue.geste.MesureAngleEnCours || b.hote.Coche(TItem::MeCotAngle));
}

// ---- Frame handle and orientation ------------------------------------------------------------------

TEST(Repere, OriginMovesTheSurfaceItsFrameAndWeightsAxisEndTurnsThem) {
    Banc b(vkSection, Vide());
    TSurface* s = b.Grille(true, 2, 2);
    b.doc.ListPoids.push_back(TPoids{"Lest", 10.0, 0.2, 0.0, 0.0, 0});
    b.doc.Aff.MeBasePlanSym = true;
    b.vue.Maj(b.doc);
    const TVertex4f p0 = s->Net.TabPC[1][1];
    b.souris.Down({400, 300});  // the frame's origin
    ASSERT_EQ(b.vue.geste.Outil, Gestes::otDeplBase);
    b.souris.Move({450, 300});
    b.souris.Move({450, 290});
    b.souris.Up({450, 290});
    ExpectNear(Xyz(s->Net.TabPC[1][1]), {p0.X + 0.5, p0.Y, p0.Z + 0.1});
    EXPECT_NEAR(s->PlanSym.D, -0.5, 1e-12);
    EXPECT_NEAR(b.doc.ListPoids[0].X, 0.7, 1e-12);
    EXPECT_EQ(b.records, 1);

    b.souris.Down({450, 190});  // end of Axis3 (0, 0, 1) from the origin, now (0.5, 0, 0.1)
    ASSERT_EQ(b.vue.geste.Outil, Gestes::otRotBase);
    b.souris.Move({550, 290});  // a quarter turn clockwise on the screen
    b.souris.Up({550, 290});
    ExpectNear(s->PlanSym.Axis3, {1.0, 0.0, 0.0}, 1e-9);
    // Point [0][0], (1.0, 0, 0.1) after the move, turned about the origin.
    ExpectNear(Xyz(s->Net.TabPC[0][0]), {0.5, 0.0, -0.4}, 1e-9);
}

// Nothing moves in the perspective, neither a control point nor a frame
// handle; a click on a handle moves nothing anywhere.
TEST(Repere, AClickOnAHandleOrAPerspectiveGestureChangesNothing) {
    for (int kind : {vkSection, vkPerspective}) {
        Banc b(kind, Vide());
        b.Grille(true, 2, 2);
        b.doc.Aff.MeBasePlanSym = true;
        b.vue.Maj(b.doc);
        const TSurface before = *b.doc.SurfaceNurbs(0);
        const TPlanSym& ps = before.PlanSym;
        for (const TVertex3f bout : {ps.Origin, TVertex3f{ps.Axis3.X, ps.Axis3.Y, ps.Axis3.Z}, TVertex3f{1, 1, 0}}) {
            TPoint px;
            ASSERT_TRUE(Calcs::VueVersPixel(bout, px, b.vue.rec));
            const bool pc = bout.X == 1;  // the control point [1][1], dragged in the perspective only
            if (pc && kind == vkSection) continue;
            b.souris.Down(px);
            const int o = b.vue.geste.Outil;
            ASSERT_TRUE(pc ? o == Gestes::otDeplacePC : o == Gestes::otDeplBase || o == Gestes::otRotBase) << kind;
            if (kind == vkPerspective) b.souris.Move(Plus(px, 40, 25));  // moves or turns nothing there
            b.souris.Up(kind == vkPerspective ? Plus(px, 40, 25) : px);
        }
        // No undo snapshot taken over the last one, nothing to save.
        EXPECT_TRUE(b.records == 0 && b.doc.Enregistre() && b.doc.SurfaceNurbs(0)->Net == before.Net) << kind;
    }
}

TEST(Repere, OrientationMarkFlipsTheSurface) {
    Banc b(vkSection, Vide());
    TSurface* s = Plaque(b.doc, 4, 4, 0.0, 0.3, 0.0, 0.3, 0.0);
    ObjCom::MajSurface(b.doc, true, -1);
    ASSERT_TRUE(s->Calculee);
    b.doc.Aff.MeOrientSurf = true;
    b.vue.Maj(b.doc);
    const int i = s->DernLigne / 2, j = s->DernCol / 2;
    const TVertex3f p = s->Points[i][j], n = s->Normales[i][j];
    TPoint tip;
    ASSERT_TRUE(Calcs::VueVersPixel({p.X - n.X, p.Y - n.Y, p.Z - n.Z}, tip, b.vue.rec));
    b.souris.Down(tip);
    EXPECT_EQ(b.vue.geste.Outil, Gestes::otOrientation);
    b.souris.Up(tip);
    EXPECT_TRUE(s->Orientation == 0 && !b.doc.Enregistre());
}

