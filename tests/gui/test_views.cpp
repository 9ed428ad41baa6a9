// The canvas on a picture in memory, and the four drawing views.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QMenu>
#include <climits>
#include <set>
#include <vector>

#include "views/DrawAffiche.h"
#include "model/Update.h"
#include "platform/CanvasQt.h"
#include "views/gui/Affiche.h"
#include "views/gui/Vues.h"

namespace {

QImage Noire(int w, int h) {
    QImage im(w, h, QImage::Format_RGB32);
    im.fill(Qt::black);
    return im;
}

constexpr QRgb kRouge = 0xFFFF0000;   // 0x0000FF as 0x00BBGGRR
constexpr QRgb kVert = 0xFF00FF00;
constexpr QRgb kNoir = 0xFF000000;

struct HoteTest : IVueHote {
    Document doc = Document::Defaut();
    TOptionsDessin options;
    bool depuisFichier = false;
    std::vector<TActivationVue> activations;
    std::set<TCommandeVue> offertes;
    std::vector<TCommandeVue> appels;

    Document& Doc() override { return doc; }
    const TOptionsDessin& OptionsDessin() const override { return options; }
    bool VuesDepuisFichier() const override { return depuisFichier; }
    void VueActivee(TFormFille*, const TActivationVue& a) override { activations.push_back(a); }
    bool CommandeDisponible(TCommandeVue c) const override { return offertes.count(c) != 0; }
    void Commande(TCommandeVue c, TFormFille*) override { appels.push_back(c); }
};

// The four views of one host, destroyed with the test.
struct Vues4 {
    explicit Vues4(HoteTest& h) {
        auto v = Vues::CreeVues(&h);
        for (int k = 0; k < 4; ++k) vues[k].reset(v[static_cast<std::size_t>(k)]);
    }
    TFormFille* operator[](int k) { return vues[k].get(); }
    std::unique_ptr<TFormFille> vues[4];
};

}  // namespace

// ---- The canvas on a picture ---------------------------------------------------------

TEST(CanvasQt, RectanglesEllipsesAndLinesLeaveOutTheirFarEdges) {
    QImage im = Noire(30, 30);
    {
        TQtCanvas cv(im);
        cv.SetPen(TPen{0x0000FF, 1, TPenStyle::Solid, TPenMode::Copy});
        cv.SetBrush(TBrush{0, TBrushStyle::Clear});
        cv.Rectangle(2, 2, 9, 9);   // a 7 x 7 square
        cv.SetPen(TPen{0x00FF00, 1, TPenStyle::Solid, TPenMode::Copy});
        cv.SetBrush(TBrush{0x00FF00, TBrushStyle::Solid});
        cv.Rectangle(12, 2, 19, 9);
        cv.SetPen(TPen{0x0000FF, 1, TPenStyle::Solid, TPenMode::Copy});
        cv.Line(1, 20, 6, 20);
    }
    EXPECT_EQ(im.pixel(8, 8), kRouge);
    EXPECT_EQ(im.pixel(9, 5), kNoir);
    EXPECT_EQ(im.pixel(5, 5), kNoir);   // clear brush: the inside is untouched
    int verts = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 10; x < 30; ++x) verts += im.pixel(x, y) == kVert;
    EXPECT_EQ(verts, 49);   // filled: exactly 7 x 7
    for (int x = 1; x <= 5; ++x) EXPECT_EQ(im.pixel(x, 20), kRouge) << x;
    EXPECT_EQ(im.pixel(6, 20), kNoir);   // the last point of a line is left out
}

TEST(CanvasQt, ExclusiveOrTwiceGivesThePictureBack) {
    QImage avant(120, 90, QImage::Format_RGB32);  // every pixel differs from its neighbours
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x) avant.setPixel(x, y, qRgb((x * 37) & 255, (y * 59) & 255, (x * y * 13) & 255));
    QImage im = avant;
    auto figures = [&](TPenMode mode) {
        TQtCanvas cv(im);
        cv.SetPen(TPen{0x3C7F11, 1, TPenStyle::Solid, mode});
        cv.SetBrush(TBrush{0, TBrushStyle::Clear});
        cv.Rectangle(10, 10, 60, 40);
        cv.Ellipse(30, 20, 80, 70);
        const TPoint pts[5] = {{5, 80}, {50, 5}, {110, 85}, {110, 85}, {5, 80}};
        cv.Polyline(pts);
        cv.Line(0, 0, 119, 89);
        cv.Arc(40, 40, 60, 60, 60, 50, 50, 40);
        cv.SetPen(TPen{0xFFFFFF, 1, TPenStyle::DashDot, mode});
        cv.Line(0, 45, 119, 45);
        cv.SetBrush(TBrush{0x00FF00, TBrushStyle::Solid});
        cv.Rectangle(70, 10, 77, 17);
    };
    for (TPenMode mode : {TPenMode::Xor, TPenMode::Not}) {
        figures(mode);
        EXPECT_NE(im, avant);
        figures(mode);
        EXPECT_EQ(im, avant);
    }
    // A closed polyline in exclusive-or covers each of its pixels once, corners included.
    QImage n = Noire(20, 20);
    {
        TQtCanvas cv(n);
        cv.SetPen(TPen{0xFFFFFF, 1, TPenStyle::Solid, TPenMode::Xor});
        const TPoint carre[5] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}, {2, 2}};
        cv.Polyline(carre);
    }
    for (QPoint p : {QPoint(2, 2), QPoint(12, 2), QPoint(12, 12), QPoint(2, 12), QPoint(7, 2)})
        EXPECT_EQ(n.pixel(p), 0xFFFFFFFFu) << p.x() << "," << p.y();
}

// ---- The views ---------------------------------------------------------------------

TEST(Views, CreationDefaultsProjectionAndResize) {
    HoteTest h;
    Vues4 v(h);
    TFormFille& sec = *v[0];
    sec.show();   // a hidden widget gets its resize events only when shown
    sec.resize(800, 600);
    sec.resize(1000, 500);
    EXPECT_EQ(std::pair(sec.Vue().OriginX, sec.Vue().OriginY), std::pair(500, 250));
    TFormFille& plan = *v[1];
    plan.Vue().OriginX = 200;
    plan.Vue().OriginY = 150;
    // Moving the mouse down in the plan view increases X.
    EXPECT_EQ(plan.TexteCoordonnees({300, 250}), "X = 2.0000; Y = 2.0000; Z = 0.0000");
    EXPECT_EQ(v[3]->TexteCoordonnees({12, 34}), "");

    // An origin ordinate of 0 becomes 1 instead of being scaled.
    plan.show();
    plan.Vue().OriginY = 0;
    plan.resize(plan.width() + 10, plan.height() + 20);
    EXPECT_EQ(plan.Vue().OriginY, 1);
}

TEST(Views, StoredViewsFromTheDocument) {
    HoteTest h;
    h.depuisFichier = true;
    TStockValues& s = h.doc.StockFen.Vues[TStockFen::Perspective];
    s.OrigX = 123;
    s.OrigY = 45;
    s.Echelle = 77.0f;
    s.Angle1 = 0.5f;
    s.Angle2 = -0.25f;
    h.doc.StockFen.Vues[TStockFen::Plan].Echelle = 12.0f;
    Vues4 v(h);
    // 0.5 rad in whole degrees.
    EXPECT_EQ(std::tuple(v[3]->Vue().OriginX, v[1]->Vue().Scale, v[3]->Angle1), std::tuple(123, 12.0f, 29));

    // A damaged document with angles far beyond a turn: the whole degrees stop
    // at the limits of an int instead of wrapping round to any value.
    s.Angle1 = 3.0e38f;
    s.Angle2 = -3.0e38f;
    Vues4 w(h);
    EXPECT_EQ(std::pair(w[3]->Angle1, w[3]->Angle2), std::pair(INT_MAX, INT_MIN));

    // An origin pushed far to the right stays to the right when the window grows.
    TFormFille& pf = *w[2];
    pf.show();
    pf.resize(800, 600);
    pf.Vue().OriginX = 2'000'000'000;
    pf.resize(1000, 600);
    EXPECT_EQ(pf.Vue().OriginX, INT_MAX);
}

TEST(Views, MarkersOnThePicture) {
    HoteTest h;
    TListPC groupe;
    groupe.Add({0, 1, 2});
    h.doc.AjouteSoudure(groupe);
    h.doc.Aff.MeCarene = false;   // only the nets and the markers
    h.doc.Aff.MeAfficheAxes = false;
    Vues4 v(h);
    TFormFille& pf = *v[2];
    pf.resize(1400, 700);
    pf.Vue().OriginX = 100;
    pf.Vue().OriginY = 500;
    pf.Vue().Scale = 200.0f;
    pf.MajTabCoor();
    pf.TabCoor().At(0, 0, 1).Etat = epSelect;
    pf.Redessine();
    const QImage& im = pf.Image();
    ASSERT_EQ(im.size(), QSize(1400, 700));
    const TCouleursDessin& c = h.options.Couleurs;
    auto rgb = [](TColor k) { return TQtCanvas::Couleur(k).rgb(); };
    auto cell = [&](int i, int j) {
        const TCellPC& x = pf.TabCoor().At(0, i, j);
        return QPoint(x.X, x.Y);
    };
    // Corner [0][0], the current point: filled, with the yellow square inside.
    const QPoint a = cell(0, 0);
    EXPECT_EQ(std::pair(im.pixel(a + QPoint(-3, -3)), im.pixel(a + QPoint(2, 2))), std::pair(rgb(c.Vertex), 0xFFFFFF00u));
    EXPECT_NE(im.pixel(a + QPoint(4, -3)), rgb(c.Vertex));
    // [0][1] selected, hollow; [1][2] welded; [2][2] a plain corner.
    const QPoint b = cell(0, 1);
    EXPECT_EQ(im.pixel(b + QPoint(3, -3)), rgb(c.SelVertex));
    EXPECT_NE(im.pixel(b + QPoint(-2, -2)), rgb(c.SelVertex));
    EXPECT_EQ(im.pixel(cell(1, 2) + QPoint(3, 3)), rgb(c.SoudeVertex));

    // A rubber band drawn twice on the picture, in the mode it is handed, leaves it as it was.
    const QImage avant = im;
    auto rubber = [](const TViewRecord& r) {
        r.Canvas->SetPen(TPen{0xFFFFFF, 1, TPenStyle::Dot, PenModeOf(r.PenMode)});
        r.Canvas->SetBrush(TBrush{0, TBrushStyle::Clear});
        r.Canvas->Rectangle(60, 50, 400, 300);
        TMetre m;
        m.P1 = {0, 0, 0};
        m.P2 = {0, 2, 1};
        m.Draw(TMesure::mElastique, r, 0x00FFFF);
    };
    pf.Elastique(kPenXor, rubber);
    EXPECT_NE(pf.Image(), avant);
    pf.Elastique(kPenXor, rubber);
    EXPECT_EQ(pf.Image(), avant);
}

TEST(Views, TopPresetOfThePerspectiveIsThePlanView) {
    HoteTest h;
    h.doc.Aff.MeGrille = true;
    h.doc.Aff.MeSurfaceParam = true;
    ObjCom::MajSurface(h.doc, true, -1);
    Grille::GrilleParDefaut(h.doc);
    Vues4 v(h);
    TFormFille& pl = *v[1];
    TPerspForm& pe = *Vues::Fenetres().Persp;
    pl.resize(640, 480);
    pe.resize(640, 480);
    pl.Vue().OriginX = pe.Vue().OriginX = 100;
    pl.Vue().OriginY = pe.Vue().OriginY = 240;
    pl.Vue().Scale = pe.Vue().Scale = 80.0f;
    pe.AppliquePreset(TPerspForm::Dessus);
    EXPECT_EQ(pe.Angle2, 90);
    pl.Redessine();
    pe.Redessine();
    EXPECT_TRUE(pl.Image() == pe.Image() && pl.Image() != Noire(640, 480));
}

TEST(Views, NothingIsDrawnWhileDrawingIsOff) {
    HoteTest h;
    h.doc.FormeAffichee = false;
    Vues4 v(h);
    v[0]->resize(300, 200);
    Affiche::AfficheNet(v[0]);
    EXPECT_TRUE(v[0]->Image().isNull());
    h.doc.FormeAffichee = true;
    Affiche::AfficheNet(v[0]);
    EXPECT_EQ(v[0]->Image().size(), QSize(300, 200));

    // With "MultiFen" a minimised view is skipped and the others are drawn.
    h.doc.Options.MultiFen = true;
    for (int k = 1; k < 4; ++k) v[k]->resize(200, 100);
    v[2]->showMinimized();
    Affiche::AfficheNet(v[0]);
    EXPECT_TRUE(!v[1]->Image().isNull() && v[2]->Image().isNull());
}

TEST(Views, ActivationAndPopupMenus) {
    HoteTest h;
    Vues4 v(h);
    v[1]->Activer();
    v[3]->Activer();
    ASSERT_EQ(h.activations.size(), 2u);
    EXPECT_EQ(h.activations[0].CaptionAjouter, "&Ajouter une colonne");
    EXPECT_FALSE(h.activations[1].LignesColonnesActives);

    // Entries of commands the host does not offer stay disabled.
    h.offertes = {TCommandeVue::FenPlan, TCommandeVue::Ajuster};
    QMenu m;
    v[0]->RemplirMenu(m);
    for (QAction* a : m.actions())
        EXPECT_EQ(a->isEnabled(), a->objectName() == "PUSAjuster" || a->objectName() == "PmPlan" || a->isSeparator())
            << a->objectName().toStdString();
    m.findChild<QAction*>("PmPlan")->trigger();
    EXPECT_EQ(h.appels, std::vector{TCommandeVue::FenPlan});

    QMenu mp;
    v[3]->RemplirMenu(mp);
    EXPECT_EQ(mp.findChild<QAction*>("PmPersp"), nullptr);   // a view does not list itself
}
