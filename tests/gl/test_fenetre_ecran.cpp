// The main window as the desktop shows it, on a real X server: what reaches
// the screen is what its parts paint, whatever window opened over it.
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include "studio/gui/GaussForm.h"
#include "studio/gui/StudioForm.h"
#include "tests/gui/MainFormTestUtil.h"

namespace {

QStringList g_gl;  // the OpenGL composition's complaints
QtMessageHandler g_avant = nullptr;
void Note(QtMsgType t, const QMessageLogContext& c, const QString& m) {
    if (m.contains(QLatin1String("non-opengl surface")) || m.contains(QLatin1String("Failed to make context current")))
        g_gl << m;
    if (g_avant) g_avant(t, c, m);
}

class FenetreEcran : public ProgrammeTest {
protected:
    void SetUp() override {
        g_gl.clear();
        g_avant = qInstallMessageHandler(Note);
        ProgrammeTest::SetUp();
    }
    void TearDown() override {
        ProgrammeTest::TearDown();
        qInstallMessageHandler(g_avant);
    }
    // The pixels of w that no window in `dessus` covers and that the screen
    // does not show as w paints them, once the screen had the time to follow.
    int Ecarts(QWidget* w, QRect dessus = {}) {
        int n = -1;
        (void)QTest::qWaitFor([&] {
            const QRect r(w->mapTo(&F(), QPoint(0, 0)), w->size());
            const QImage e = F().screen()->grabWindow(F().windowHandle()->winId(), r.x(), r.y(), r.width(), r.height())
                                 .toImage().convertToFormat(QImage::Format_RGB32);
            const QImage g = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
            dessus.translate(-w->mapToGlobal(QPoint(0, 0)));
            n = e.size() == g.size() ? 0 : w->width() * w->height();
            for (int y = 0; y < g.height() && n == 0; ++y)
                for (int x = 0; x < g.width(); ++x) n += !dessus.contains(x, y) && e.pixel(x, y) != g.pixel(x, y);
            return n == 0;
        }, 3000);
        return n;
    }
};

TEST_F(FenetreEcran, TheMainWindowKeepsPaintingOnceTheCurvatureScaleHasOpened) {
    A("MeStudioFen")->trigger();
    TStudioForm* st = TStudioForm::Instance();
    ASSERT_TRUE(st && st->isVisible());
    st->findChild<QToolButton*>(QStringLiteral("SBCourbure"))->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(st->Gauss()));
    const QRect gauss = st->Gauss()->frameGeometry();

    // A menu opened over the tool bar and closed.
    QMenu* menu = F().findChild<QMenu*>(QStringLiteral("MeDonnees"));
    QTest::mouseClick(F().menuBar(), Qt::LeftButton, {}, F().menuBar()->actionGeometry(menu->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());

    // The plan view active, the mouse over it.
    Active(1);
    const QPoint ici(Vue(1)->width() / 3, Vue(1)->height() / 3);
    QTest::mouseMove(Vue(1), ici);
    EXPECT_EQ(F().TexteStatusBar(0), QStringLiteral("Vue horizontale"));
    EXPECT_EQ(F().TexteStatusBar(2).toStdString(), Vue(1)->TexteCoordonnees(ici));
    EXPECT_FALSE(F().TexteStatusBar(2).isEmpty());
    for (QWidget* w : {static_cast<QWidget*>(F().menuBar()), static_cast<QWidget*>(F().BarreOutils()),
                       static_cast<QWidget*>(F().statusBar()), static_cast<QWidget*>(Vue(1))})
        EXPECT_EQ(Ecarts(w, gauss), 0) << w->metaObject()->className();
    EXPECT_TRUE(g_gl.isEmpty()) << g_gl.join(QLatin1Char('\n')).toStdString();
}

TEST_F(FenetreEcran, TheViewsKeepTheirPictureBehindAModalDialog) {
    A("MeMosaiqueHoriz")->trigger();
    for (const char* commande : {"MeEspacementGrille", "MeOptions", "MeImporterBitmap", "MeCalcHydroStat"}) {
        bool vu = false;
        QTimer attente;
        QObject::connect(&attente, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d || !QTest::qWaitForWindowExposed(d)) return;
            attente.stop();
            for (int k = 0; k < 4; ++k) EXPECT_EQ(Ecarts(Vue(k), d->frameGeometry()), 0) << commande << " " << k;
            vu = true;
            d->reject();
        });
        attente.start(20);
        A(commande)->trigger();
        EXPECT_TRUE(vu) << commande;
    }
}

}  // namespace
