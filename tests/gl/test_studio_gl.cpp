// The studio's pictures, rendered by Mesa under an X server and read back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QMenu>
#include <QTimer>
#include <QTest>
#include <QToolButton>

#include <GL/gl.h>

#include <cmath>
#include <limits>
#include <memory>
#include <numbers>

#include "model/Draw.h"
#include "views/DrawAffiche.h"
#include "model/Update.h"
#include "studio/gui/StudioForm.h"
#include "studio/gui/scene/VisView.h"

namespace {

struct Hote : IStudioHote {
    Document doc;
    TOptionsDessin dessin;
    Settings::TOptions options;
    Document& Doc() override { return doc; }
    const TOptionsDessin& OptionsDessin() const override { return dessin; }
    Settings::TOptions OptionsStudio() const override { return options; }
};

int Gris(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c); }

// The pixels of a picture for which f(x, y, colour) holds.
template <class F>
int Compte(const QImage& im, F&& f) {
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) n += f(x, y, im.pixel(x, y));
    return n;
}

class StudioGL : public ::testing::Test {
protected:
    static constexpr int W = 400, H = 300;

    void SetUp() override {
        hote_.doc = Document::Defaut();
        Evalue();
        studio_ = std::make_unique<TStudioForm>(&hote_);
        studio_->resize(W + 120, H);
        studio_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(studio_.get()));
        glc_ = studio_->GLC();
        ASSERT_NE(glc_, nullptr);
        studio_->SetPlanEau(false);
        // The view the tests place their points in: no pan, distance 10.
        TStockValues vue;
        vue.Echelle = 10.0f;
        studio_->AppliqueVue(vue);
    }
    void TearDown() override { studio_.reset(); }

    void Evalue() {
        Document& d = hote_.doc;
        d.Decalcule();
        ObjCom::MajSurface(d, true, -1);
        ObjCom::MajMinMaxAllNet(d, false);
        d.ExtremitesAxes = Affiche::ExtremitesAxes(d.MinMaxNet.Min, d.MinMaxNet.Max);
    }
    QImage Image() { return glc_->RenderToBitmap(W, H); }

    // The pixel of a model point, as the studio's frame places it.
    QPoint Pixel(const TVertex3f& p) const {
        const Studio::TVueStudio& v = studio_->Vue();
        const double a = (v.AngleZ - 90.0) * std::numbers::pi / 180.0, b = (v.AngleX - 90.0) * std::numbers::pi / 180.0;
        const double x1 = p.X * std::cos(a) - p.Y * std::sin(a), y1 = p.X * std::sin(a) + p.Y * std::cos(a), z1 = p.Z;
        const double y2 = y1 * std::cos(b) - z1 * std::sin(b), z2 = y1 * std::sin(b) + z1 * std::cos(b);
        const double ex = x1 + v.PanX / 10.0, ey = y2 + v.PanY / 10.0, ez = z2 - v.Distance;
        const double f = 1.0 / std::tan(15.0 * std::numbers::pi / 180.0), aspect = double(W) / H;
        const double nx = f / aspect * ex / -ez, ny = f * ey / -ez;
        return {static_cast<int>((nx + 1) / 2 * W), static_cast<int>((1 - ny) / 2 * H)};
    }

    Hote hote_;
    std::unique_ptr<TStudioForm> studio_;
    TVisView* glc_ = nullptr;
};

TEST_F(StudioGL, TheHullIsLitOnItsBackgroundAndTheWaterCoversWhatLiesBelowIt) {
    studio_->SetZoom(51, 350);  // distance 30: the whole hull in the picture
    studio_->SetAngleX(20);     // from a little above the water
    const TEntity& s = *hote_.doc.Surface(0);
    const QImage sec = Image();
    // The middle of the hull's grid, facing the camera: the surface colour
    // (0x00FF9B00, blue above green, no red) shaded, not the black background.
    const QRgb milieu = sec.pixel(Pixel(s.Points[s.DernLigne / 2][s.DernCol / 2]));
    EXPECT_TRUE(qBlue(milieu) > qRed(milieu) + 40 && qGreen(milieu) > qRed(milieu)) << std::hex << milieu;

    // Water: a hull point under the waterline takes the water's colour over
    // it; beside the hull the water lies on the black background.
    int r = 0;
    while (r < s.DernLigne && s.Points[r + 1][s.DernCol / 2].Z < -0.02) ++r;
    ASSERT_LT(s.Points[r][s.DernCol / 2].Z, -0.02);
    const QPoint sous = Pixel(s.Points[r][s.DernCol / 2]);
    const QPoint cote = Pixel({hote_.doc.MinMaxSurf.Max.X + 2.0, hote_.doc.MinMaxSurf.Max.Y + 3.0, 0.0});
    EXPECT_EQ(sec.pixel(cote), qRgb(0, 0, 0));
    studio_->SetPlanEau(true);
    const QImage eau = Image();
    const QRgb c = eau.pixel(cote);
    EXPECT_TRUE(qBlue(c) > qGreen(c) && qGreen(c) > 40 && qRed(c) < qGreen(c)) << std::hex << c;
    EXPECT_GT(std::abs(Gris(eau.pixel(sous)) - Gris(sec.pixel(sous))), 30);
    // Above the water nothing changes.
    const QPoint haut = Pixel(s.Points[s.DernLigne - 2][s.DernCol / 2]);
    EXPECT_EQ(eau.pixel(haut), sec.pixel(haut));
}

// Whatever its size, the studio opens on the whole hull, both halves, with
// the background all round it.
TEST_F(StudioGL, TheStudioOpensFramedOnTheWholeHullWhateverItsSize) {
    hote_.doc.Aff.MeAfficheAxes = false;
    for (const QSize taille : {QSize(400, 300), QSize(900, 160), QSize(160, 600)}) {
        studio_ = std::make_unique<TStudioForm>(&hote_);
        studio_->resize(taille.width() + 120, taille.height());
        studio_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(studio_.get()));
        QApplication::processEvents();
        studio_->SetPlanEau(false);
        TVisView* glc = studio_->GLC();
        const QImage im = glc->RenderToBitmap(glc->width(), glc->height());
        const int coque = Compte(im, [](int, int, QRgb c) { return c != qRgb(0, 0, 0); });
        const int bord = Compte(im, [&](int x, int y, QRgb c) {
            return c != qRgb(0, 0, 0) && (x < 2 || y < 2 || x >= im.width() - 2 || y >= im.height() - 2);
        });
        EXPECT_TRUE(bord == 0 && coque > im.width() * im.height() / 50) << taille.width() << "x" << taille.height();
    }
}

TEST_F(StudioGL, VertexArraysAndEachDisplayModeAndHiddenPartsThatHideTheLinesBehind) {
    studio_->SetZoom(201, 350);  // distance 15
    studio_->SetAngleX(25);
    studio_->SetAngleZ(40);
    hote_.doc.Aff.MeSections = true;
    Grille::GrilleParDefaut(hote_.doc);
    ObjCom::MajCoupesSurface(hote_.doc);
    hote_.doc.Surface(0)->Couleur = -1;
    // Vertex arrays draw the picture of the per-vertex loop, water and curvature colours included.
    studio_->SetPlanEau(true);
    for (bool courbure : {false, true}) {
        studio_->SetCourbure(courbure);
        studio_->Rendu().TableauxSommets = false;
        const QImage b = Image();
        studio_->Rendu().TableauxSommets = true;
        const QImage a = Image();
        const int differents = Compte(a, [&](int x, int y, QRgb c) { return c != b.pixel(x, y); });
        const int hull = Compte(a, [](int, int, QRgb c) { return c != qRgb(0, 0, 0); });
        // Alike, and there is a picture to compare.
        EXPECT_TRUE(differents <= 20 && hull > W * H / 20) << courbure << ": " << differents << " " << hull;
    }
    studio_->SetCourbure(false);
    studio_->SetPlanEau(false);
    studio_->SetPartiesCachees(false);  // which the curvature colours turned on
    // Pixels of the surface (blue above red) and of the white station lines.
    auto compte = [&](int& surface, int& blanc) {
        const QImage im = Image();
        // Not the blue axis.
        surface = Compte(im, [](int, int, QRgb c) { return qBlue(c) > qRed(c) + 40 && qGreen(c) > 40; });
        blanc = Compte(im, [](int, int, QRgb c) { return c == qRgb(255, 255, 255); });
    };
    int rempli, blancVisibles, n, blanc;
    compte(rempli, blancVisibles);
    // A surface of the default colour is drawn in the palette's colour as it
    // stands, its bristles too, and keeps no colour of its own.
    hote_.doc.Aff.MeHerisson = true;
    hote_.dessin.Couleurs.BordSf = 0x0000FF;  // red
    const int rouge = Compte(Image(), [](int, int, QRgb c) { return qRed(c) > qBlue(c) + 40 && qRed(c) > qGreen(c) + 40; });
    EXPECT_EQ(hote_.doc.Surface(0)->Couleur, -1);
    EXPECT_GT(rouge, rempli / 2);
    hote_.dessin.Couleurs.BordSf = 0xFF9B00;
    hote_.doc.Aff.MeHerisson = false;
    using M = Studio::TModeSurf;
    for (M m : {M::Filaire, M::Contours, M::Points}) {
        studio_->SetMode(m);
        compte(n, blanc);
        EXPECT_TRUE(n > 0 && n < rempli * 3 / 4) << int(m) << ": " << n << " of " << rempli;
    }
    // Invisible surfaces that hide what lies behind them: no surface colour,
    // and the far side's stations are gone.
    studio_->SetMode(M::Invisible);
    compte(n, blanc);
    EXPECT_EQ(n, 0);
    const int tousLesTraits = blanc;
    studio_->SetPartiesCachees(true);
    compte(n, blanc);
    EXPECT_TRUE(n == 0 && blanc > 0 && blanc < tousLesTraits * 9 / 10) << n << " " << blanc << " " << tousLesTraits;
}

TEST_F(StudioGL, TurningALightOffDarkensTheSideItLit) {
    studio_->SetZoom(51, 350);
    const TEntity& s = *hote_.doc.Surface(0);
    const QPoint p = Pixel(s.Points[s.DernLigne / 2][s.DernCol / 2]);
    const int tous = Gris(Image().pixel(p));
    int baisse = 0;
    for (int n = 0; n < 3; ++n) {
        studio_->SetLumiereCourante(n);
        auto* cb = studio_->findChild<QCheckBox*>(QStringLiteral("CB_Light"));
        ASSERT_TRUE(cb->isChecked());
        cb->click();
        const int sans = Gris(Image().pixel(p));
        EXPECT_LE(sans, tous + 2) << n;
        baisse = std::max(baisse, tous - sans);
        cb->click();
    }
    EXPECT_GT(baisse, 30);
}

// A light value that is not a number gives the light its default.
TEST_F(StudioGL, LightsThatAreNotNumbersTakeTheirDefaults) {
    Settings::TLumieres r;
    r.RX[2] = std::numeric_limits<double>::infinity();
    studio_->AppliqueLumieres(r);
    EXPECT_EQ(studio_->Lumieres()[2].RotX(), 60.0f);
}

// A 4 x 4 net z = a (i - 1.5)^2 + b (j - 1.5)^2 over a unit grid.
void Nappe(TSurface& s, double a, double b) {
    s.Net.NbL = s.Net.NbC = 4;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            s.Net.TabPC[i][j] = {j - 1.5, i - 1.5, a * (i - 1.5) * (i - 1.5) + b * (j - 1.5) * (j - 1.5), 1.0};
    s.Sym = 0;
}

// Seen from above with the curvature colours: white on a cylinder, blue on a
// dome, red on a saddle; the mirrored half takes the colours of the points it mirrors.
TEST_F(StudioGL, CurvatureColoursAndTheMirroredHalf) {
    studio_->SetAngleX(90);
    studio_->SetAngleZ(90);  // model X to the right
    studio_->SetCourbure(true);
    TSurface& s = *hote_.doc.SurfaceNurbs(0);
    for (auto [a, b] : {std::pair{0.0, 0.4}, {-0.4, -0.4}, {0.4, -0.4}}) {
        Nappe(s, a, b);
        Evalue();
        const QRgb p = Image().pixel(W / 2, H / 2);
        if (a == 0.0)
            EXPECT_EQ(p, qRgb(255, 255, 255));
        else if (a < 0)
            EXPECT_TRUE(qBlue(p) > 60 && qRed(p) < qBlue(p) - 40 && qRed(p) == qGreen(p)) << std::hex << p;
        else
            EXPECT_TRUE(qRed(p) > 60 && qBlue(p) < qRed(p) - 40 && qBlue(p) == qGreen(p)) << std::hex << p;
    }
    // The curvature changes sign along the rows: red at one end, blue at the other.
    Nappe(s, 0.0, 0.4);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            s.Net.TabPC[i][j].X += 1.7;
            s.Net.TabPC[i][j].Z += 0.2 * (i - 1.5) * (i - 1.5) * (i - 1.5);
        }
    s.Sym = 1;
    Evalue();
    const QImage im = Image();
    int rouges = 0, bleus = 0;
    for (double y : {-1.2, -0.8, 0.8, 1.2}) {
        const QRgb a = im.pixel(Pixel({1.6, y, 0})), b = im.pixel(Pixel({-1.6, y, 0}));
        EXPECT_EQ(a, b) << y;
        rouges += qRed(a) > qBlue(a) + 40;
        bleus += qBlue(a) > qRed(a) + 40;
    }
    EXPECT_EQ(std::pair(rouges, bleus), std::pair(2, 2));
}

TEST_F(StudioGL, TheProjectionFollowsTheCameraAndAViewWithoutHeightGetsAnAspectOfOneButNoPicture) {
    EXPECT_TRUE(glc_->RenderToBitmap(0, 100).isNull() && !glc_->RenduBitmap());
    const double f = 1.0 / std::tan(15.0 * std::numbers::pi / 180.0);
    using T = TVisProjectionType;
    glc_->makeCurrent();
    // Type, width, height, the scales of x and y (orthographic 400 x 200: -2..2 by -1..1).
    for (auto [type, w, h, sx, sy] : {std::tuple{T::Perspective, 400, 0, f, f}, {T::Orthographic, 400, 200, 0.5, 1.0},
                                      {T::Orthographic, 400, 0, 1.0, 1.0}}) {
        glc_->SetProjectionType(type);
        glc_->Projection(w, h);
        double m[16];
        glGetDoublev(GL_PROJECTION_MATRIX, m);
        EXPECT_TRUE(std::abs(m[0] - sx) < 1e-6 && std::abs(m[5] - sy) < 1e-6) << w << "x" << h << ": " << m[0] << " " << m[5];
    }
    glc_->doneCurrent();
}

TEST_F(StudioGL, TheLeftButtonTurnsTheModelAndTheRightOneNever) {
    QTest::mousePress(glc_, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(glc_, QPoint(110, 104));
    QTest::mouseRelease(glc_, Qt::LeftButton, {}, QPoint(110, 104));
    EXPECT_EQ(std::pair(studio_->Vue().AngleZ, studio_->Vue().AngleX), std::pair(5.0f, -2.0f));
    auto* menu = studio_->findChild<QMenu*>(QStringLiteral("PM_Studio"));
    QTest::mousePress(glc_, Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    EXPECT_FLOAT_EQ(studio_->Vue().AngleZ, 5.0f);
    // The wheel zooms by one unit a notch.
    QWheelEvent w(QPointF(50, 50), glc_->mapToGlobal(QPointF(50, 50)), {}, {0, 120}, Qt::NoButton, {},
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(glc_, &w);
    EXPECT_FLOAT_EQ(studio_->Vue().Distance, 9.0f);

    // An arrow button held turns the current light by 10 degrees at each tick of its timer.
    studio_->SetLumiereCourante(1);
    const float avant = studio_->Lumieres()[1].RotX();
    auto* haut = studio_->findChild<QToolButton*>(QStringLiteral("SB_Haut"));
    auto* minuterie = studio_->findChild<QTimer*>(QStringLiteral("TimerFleches"));
    QTest::mousePress(haut, Qt::LeftButton);
    EXPECT_TRUE(minuterie->isActive());
    studio_->TickFleches();
    QTest::mouseRelease(haut, Qt::LeftButton);
    EXPECT_TRUE(std::fmod(avant - studio_->Lumieres()[1].RotX() + 360.0f, 360.0f) == 10.0f && !minuterie->isActive());
}

}  // namespace
