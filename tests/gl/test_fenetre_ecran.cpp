// The main window as the desktop shows it, on a real X server: what reaches
// the screen is what its parts paint, once the curvature scale has opened.
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "studio/gui/GaussForm.h"
#include "studio/gui/StudioForm.h"
#include "tests/gui/MainFormTestUtil.h"

namespace {

QStringList g_gl;  // the OpenGL composition's complaints
QtMessageHandler g_avant = nullptr;

// The pixels of w, outside `dessus`, that the screen does not show as w paints them.
int Ecarts(QWidget* w, QRect dessus) {
    int n = -1;
    dessus.translate(-w->mapToGlobal(QPoint(0, 0)));
    (void)QTest::qWaitFor([&] {
        const QPoint o = w->mapTo(w->window(), QPoint(0, 0));
        const QImage e = w->screen()->grabWindow(w->window()->winId(), o.x(), o.y(), w->width(), w->height())
                             .toImage().convertToFormat(QImage::Format_RGB32);
        const QImage g = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        n = e.size() == g.size() ? 0 : -1;
        for (int y = 0; y < g.height() && n >= 0; ++y)
            for (int x = 0; x < g.width(); ++x) n += !dessus.contains(x, y) && e.pixel(x, y) != g.pixel(x, y);
        return n == 0;
    }, 3000);
    return n;
}

TEST_F(ProgrammeTest, TheMainWindowKeepsPaintingOnceTheCurvatureScaleHasOpened) {
    g_gl.clear();
    g_avant = qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& c, const QString& m) {
        if (m.contains(QLatin1String("non-opengl surface")) || m.contains(QLatin1String("make context current"))) g_gl << m;
        if (g_avant) g_avant(t, c, m);
    });
    A("MeStudioFen")->trigger();
    TStudioForm* st = TStudioForm::Instance();
    ASSERT_TRUE(st && st->isVisible());
    st->findChild<QToolButton*>(QStringLiteral("SBCourbure"))->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(st->Gauss()));

    // A menu opened over the tool bar and closed; the plan view active, the mouse over it.
    QMenu* menu = F().findChild<QMenu*>(QStringLiteral("MeDonnees"));
    QTest::mouseClick(F().menuBar(), Qt::LeftButton, {}, F().menuBar()->actionGeometry(menu->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());
    Active(1);
    // The X server's pointer brought there too, lest its own enter or leave say
    // the mouse is elsewhere; it answers in its own time: moved until the panel follows.
    const QPoint ici(Vue(1)->width() / 3, Vue(1)->height() / 3);
    QCursor::setPos(Vue(1)->mapToGlobal(ici));
    QTRY_VERIFY_WITH_TIMEOUT((QTest::mouseMove(Vue(1), ici), !F().TexteStatusBar(2).isEmpty() &&
                              F().TexteStatusBar(2).toStdString() == Vue(1)->TexteCoordonnees(ici)), 5000);
    EXPECT_EQ(F().TexteStatusBar(0), QStringLiteral("Vue horizontale"));
    for (QWidget* w : std::initializer_list<QWidget*>{F().menuBar(), F().BarreOutils(), F().statusBar(), Vue(1)})
        EXPECT_EQ(Ecarts(w, st->Gauss()->frameGeometry()), 0) << w->metaObject()->className();
    qInstallMessageHandler(g_avant);
    EXPECT_TRUE(g_gl.isEmpty()) << g_gl.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
