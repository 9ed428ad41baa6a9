// Where the floating windows and the dialogs open.
#include <QDialog>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMenuBar>
#include <QToolBar>

#include "tests/gui/MainFormTestUtil.h"

TEST_F(ProgrammeTest, FloatingWindowsOpenInTheFreeAreaAndComeBackWhereClosed) {
    F().setGeometry(F().screen()->availableGeometry());
    QApplication::processEvents();
    const QRect zone(F().ZoneMdi()->viewport()->mapToGlobal(QPoint(0, 0)), F().ZoneMdi()->viewport()->size());
    const QRect barres(F().menuBar()->mapToGlobal(QPoint(0, 0)),
                       QSize(F().width(), F().BarreOutils()->geometry().bottom() - F().menuBar()->y()));
    std::vector<QRect> outils;
    for (const auto& [item, nom] : {std::pair{"MeControleVue", "VueCtrlForm"}, std::pair{"MeIcoBoiteOutils", "BoiteOutilsForm"},
                                    std::pair{"MeFenSel", "FenSelForm"}}) {
        A(item)->trigger();
        QApplication::processEvents();
        const QWidget* w = F().findChild<QWidget*>(QLatin1String(nom));
        ASSERT_TRUE(w && w->isVisible()) << nom;
        EXPECT_TRUE(zone.contains(w->frameGeometry())) << nom;
        EXPECT_FALSE(barres.intersects(w->frameGeometry())) << nom;
        for (const QRect& autre : outils) EXPECT_FALSE(autre.intersects(w->frameGeometry())) << nom;
        outils.push_back(w->frameGeometry());
    }

    // A dialog moved by the desktop, closed and opened again: where it was,
    // wide enough for its title, and wholly on the screen.
    QDialog d(&F());
    d.setWindowTitle(QStringLiteral("Un dialogue au titre assez long pour sa largeur"));
    d.resize(120, 80);
    d.show();
    QApplication::processEvents();
    EXPECT_GE(d.width(), QFontMetrics(d.font()).horizontalAdvance(d.windowTitle()));
    d.windowHandle()->setPosition(37, 41);
    QApplication::processEvents();
    const QRect avant = d.geometry();
    d.hide();
    d.show();
    QApplication::processEvents();
    EXPECT_EQ(d.geometry(), avant);
    {
        // One made anew for each use comes back where the one before was closed.
        d.setObjectName(QStringLiteral("DialogueEssai"));
        d.hide();
        QDialog suivant(&F());
        suivant.setObjectName(d.objectName());
        suivant.show();
        EXPECT_EQ(suivant.geometry(), avant);
    }
    {
        // An unnamed one is forgotten when it goes: one made anew where it stood opens afresh.
        alignas(QDialog) unsigned char memoire[sizeof(QDialog)];
        auto* premier = new (memoire) QDialog(&F());
        premier->show();
        premier->windowHandle()->setPosition(53, 61);
        QApplication::processEvents();
        premier->hide();
        premier->~QDialog();
        auto* second = new (memoire) QDialog(&F());
        second->show();
        EXPECT_NE(second->geometry().topLeft(), QPoint(53, 61));
        second->~QDialog();
    }
    const QRect ecran = F().screen()->availableGeometry();
    d.hide();
    d.move(ecran.right() - 20, ecran.bottom() - 10);
    d.show();
    EXPECT_TRUE(ecran.contains(d.frameGeometry()));

    // No window stays above the dialogs: the tool windows keep above the main window only.
    std::vector<std::unique_ptr<QWidget>> temporaires;
    for (const QWidget* w : F().FenetresDuProgramme(temporaires))
        EXPECT_FALSE(w && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << (w ? w->objectName().toStdString() : "");
}
