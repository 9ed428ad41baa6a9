// The main window on a real X server: the state kept for it reaches the
// desktop's window, which the studio's GL view makes before the first showing.
#include <QWindow>

#include "tests/gui/MainFormTestUtil.h"

TEST_F(MainFormTest, AMainWindowKeptMaximisedStartsMaximised) {
    for (const bool maximise : {true, false}) {
        {
            auto s = Settings::Ouvrir();
            s->setValue(QStringLiteral("Environement/PosFen"), true);
            s->setValue(QStringLiteral("PosFen/MainFormWinState"), QLatin1String(maximise ? "Maximized" : "Normal"));
        }
        TMainForm f;
        Startup::CreeFenetres(f);
        f.show();
        QApplication::processEvents();
        ASSERT_NE(f.windowHandle(), nullptr);
        EXPECT_EQ(f.windowHandle()->windowStates().testFlag(Qt::WindowMaximized), maximise);
        EXPECT_TRUE(f.close());
    }
}
