// The studio and the tool windows as the main window's windows, on a real X server.
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>

#include "app/gui/Settings.h"
#include "studio/gui/GaussForm.h"
#include "studio/gui/StudioForm.h"
#include "studio/gui/scene/VisView.h"
#include "views/VueCtrl.h"
#include "views/gui/VueCtrlForm.h"
#include "tests/gui/MainFormTestUtil.h"

namespace {

class StudioFenetre : public ProgrammeTest {
protected:
    // Fenêtres › Studio.
    TStudioForm* Studio() {
        A("MeStudioFen")->trigger();
        QApplication::processEvents();
        return TStudioForm::Instance();
    }
    // The hull's (blue) pixels, none at the border: the studio shows it whole.
    ::testing::AssertionResult Cadree(TStudioForm& st) {
        F().Doc().Aff.MeAfficheAxes = false;
        st.SetPlanEau(false);
        const QImage im = st.GLC()->grabFramebuffer();
        int coque = 0, bord = 0;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                if (const QRgb c = im.pixel(x, y); qBlue(c) > qRed(c) + 40)
                    ++coque, bord += x < 2 || y < 2 || x >= im.width() - 2 || y >= im.height() - 2;
        return ::testing::AssertionResult(bord == 0 && coque > im.width() * im.height() / 50)
               << bord << " at the border, " << coque << " in " << im.width() << "x" << im.height();
    }
};

// The shown window's X window. Asked of its QWindow: a widget asked for its id
// becomes native, and with it every part of its parent.
xcb_window_t X(const QWidget& w) { return static_cast<xcb_window_t>(w.windowHandle()->winId()); }

// Where the window asks the desktop to put it (WM_NORMAL_HINTS' field 2 its y, 17 its win_gravity):
// its frame's corner at its position (north-west), or its inside (static).
uint32_t Demande(const QWidget& w, int champ) {
    xcb_connection_t* c = qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const auto k = xcb_get_property(c, 0, X(w), XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, 18);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> r(xcb_get_property_reply(c, k, nullptr), &std::free);
    if (!r || xcb_get_property_value_length(r.get()) < 72) return 0;
    return static_cast<const uint32_t*>(xcb_get_property_value(r.get()))[champ];
}
uint32_t Gravite(const QWidget& w) { return Demande(w, 17); }

// The frame a desktop would put round the window (left, right, top, bottom), told as the root window says.
void Cadre(const QWidget& w, std::array<uint32_t, 4> marges) {
    xcb_connection_t* c = qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    auto atome = [c](const char* nom) {
        const auto k = xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(nom)), nom);
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> r(xcb_intern_atom_reply(c, k, nullptr), &std::free);
        return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    };
    const xcb_atom_t extents = atome("_NET_FRAME_EXTENTS");
    const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, racine, atome("_NET_SUPPORTED"), XCB_ATOM_ATOM, 32, 1, &extents);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, X(w), extents, XCB_ATOM_CARDINAL, 32, 4,
                        marges.data());
    xcb_flush(c);
}

TEST_F(StudioFenetre, FenetresStudioShowsTheLitHullInTheMainWindowAsItStandsAndTheLightsOutliveTheProgram) {
    // The palette put where it was kept asks for its frame there (its inside
    // there would put it a title bar higher each session). The studio opens
    // in the main window's own native window; the palette and the curvature
    // scale stay above it (transient for it).
    auto* palette = F().findChild<QWidget*>(QStringLiteral("BoiteOutilsForm"));
    Settings::TPlacement p = Settings::PlacementDe(*palette);
    p.Left = 300, p.Top = 200;
    Settings::AppliquePlacement(*palette, p, false);
    A("MeIcoBoiteOutils")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Gravite(*palette), uint32_t{XCB_GRAVITY_NORTH_WEST});
    const WId fenetre = F().winId();
    const QPoint place = F().pos();
    TStudioForm* st = Studio();
    ASSERT_TRUE(st && st->isVisible());
    EXPECT_TRUE(F().winId() == fenetre && F().pos() == place);
    // The curvature scale first shows its frame 22 pixels below the main window's, clear of its title bar.
    Cadre(F(), {1, 1, 20, 5});
    ASSERT_TRUE(QTest::qWaitFor([this] { return F().windowHandle()->frameMargins().top() == 20; }));
    st->findChild<QToolButton*>(QStringLiteral("SBCourbure"))->click();
    QApplication::processEvents();
    const int y = static_cast<int>(Demande(*st->Gauss(), 2)), gravite = static_cast<int>(Gravite(*st->Gauss()));
    EXPECT_EQ(gravite == XCB_GRAVITY_NORTH_WEST ? y : y - 20, F().frameGeometry().top() + 22) << gravite;
    for (const QWidget* w : {palette, static_cast<QWidget*>(st->Gauss())})
        EXPECT_TRUE(w->isVisible() && w->windowHandle()->transientParent() == F().windowHandle()) << w->objectName().toStdString();
    EXPECT_TRUE(F().ZoneMdi()->activeSubWindow()->isMaximized() && F().ZoneMdi()->activeSubWindow()->widget() == st);
    EXPECT_TRUE(A("MeStudioFen")->isChecked());
    EXPECT_EQ(F().TexteStatusBar(0), QStringLiteral("Studio"));

    // "Copier" puts the studio's picture on the clipboard: the one on the screen.
    QGuiApplication::clipboard()->clear();
    A("MeCopier")->trigger();
    const QImage copie = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(copie.size() == st->GLC()->size() && copie == st->GLC()->grabFramebuffer().convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(Cadree(*st)) << "menu";

    // The lights as the user left them come back at the next start.
    TglLightList& l = st->Lumieres();
    l[5].SetEnabled(true);
    l[5].SetRotX(33.3f);
    l[5].SetRotY(-0.1f);  // folds to 359.9
    l[6].SetDistZ(5.123f);
    l[1].SetEnabled(false);
    const Settings::TLumieres reglages = st->ReglagesLumieres();
    const QPointer<TStudioForm> ancien(st);
    F().close();
    QApplication::processEvents();
    TearDown();
    {  // restored open and maximised, it shows the whole hull again
        auto s = Settings::Ouvrir();
        s->setValue(QStringLiteral("Environement/PosFen"), true);
        p = Settings::TPlacement{};
        p.Width = 600, p.Height = 400, p.Visible = true, p.WinState = QStringLiteral("Maximized");
        Settings::EcrirePlacement(*s, QStringLiteral("StudioForm"), p);
    }
    SetUp();
    TStudioForm* relu = TStudioForm::Instance();
    ASSERT_TRUE(relu && ancien.isNull());  // a new one may stand at the old one's address
    EXPECT_EQ(relu->ReglagesLumieres(), reglages);
    ASSERT_TRUE(relu->isVisible());
    EXPECT_TRUE(Cadree(*relu)) << "start-up";
}

TEST_F(StudioFenetre, ZoomCommandsAndTheViewControlSteerTheActiveStudio) {
    TStudioForm* st = Studio();
    ASSERT_NE(st, nullptr);
    const float loin = st->Vue().Distance;
    const int echellePlan = static_cast<int>(Vue(vkPlan)->Vue().Scale);
    A("MeAgrandir")->trigger();
    EXPECT_LT(st->Vue().Distance, loin);
    EXPECT_EQ(static_cast<int>(Vue(vkPlan)->Vue().Scale), echellePlan);  // the 2-D views stay
    A("MeReduire")->trigger();
    EXPECT_FLOAT_EQ(st->Vue().Distance, loin);

    // The view-control window opened over the studio takes it and turns it
    // with its bars; a click in the studio gives it back to the studio.
    A("MeControleVue")->trigger();
    TVueCtrlForm* c = F().FenetreControleVue();
    EXPECT_EQ(c->Index(), VueCtrl::kStudio);
    c->TrackBar(TVueCtrlForm::bRHori)->setValue(40);
    EXPECT_FLOAT_EQ(st->Vue().AngleZ, 40.0f);
    c->ChangeVue(vkPlan);
    QTest::mouseClick(st->GLC(), Qt::LeftButton);
    EXPECT_EQ(c->Index(), VueCtrl::kStudio);

    // The arrows pan the active studio (Shift turns it), whatever field of it has the focus.
    auto* lumiere = st->findChild<QSpinBox*>(QStringLiteral("UpDownLightNum"));
    lumiere->setFocus();
    const int panY = st->Vue().PanY;
    QTest::keyClick(lumiere, Qt::Key_Up);
    QTest::keyClick(lumiere, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_TRUE(lumiere->value() == 0 && st->Vue().PanY == panY + 10);
    EXPECT_EQ(c->TrackBar(TVueCtrlForm::bRHori)->value(), 50);  // turned by 10 degrees, the bar following

    // A document opened over it gives its stored view to the studio and, at once, to the view control.
    Document doc;
    doc.NouvelleSurface("Coque")->Net.Initialise(0);
    TStockValues& vue = doc.StockFen.Vues[TStockFen::Studio];
    vue.OrigX = 12, vue.OrigY = -7, vue.Echelle = 25.0f, vue.Angle1 = 30.0f, vue.Angle2 = 15.0f;
    doc.NomFichier = Fichier(QStringLiteral("studio.cse")).toStdString();
    GestFich::EnregistrerFichierAll(doc, 0);
    d_.fichierOuvrir = QString::fromStdString(doc.NomFichier);
    d_.reponses = {Ui::mrYes};
    A("MeOuvrir")->trigger();
    std::vector<int> barres;
    for (int b = 0; b < 5; ++b) barres.push_back(c->TrackBar(static_cast<TVueCtrlForm::Barre>(b))->value());
    EXPECT_EQ(barres, (std::vector<int>{101, 12, -7, 30, 15}));  // the zoom at 350 - 10 x 25 + 1
}

}  // namespace
