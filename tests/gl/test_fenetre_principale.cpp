// The main window on a real X server: the state kept for it reaches the
// desktop's window, which the studio's GL view makes before the first showing.
#include <QWindow>

#include <string>

#include "tests/gui/MainFormTestUtil.h"

TEST_F(MainFormTest, AMainWindowKeptMaximisedStartsMaximised) {
    for (const char* etat : {"Maximized", "Normal"}) {
        {
            auto s = Settings::Ouvrir();
            s->setValue(QStringLiteral("Environement/PosFen"), true);
            s->setValue(QStringLiteral("PosFen/MainFormWinState"), QLatin1String(etat));
        }
        TMainForm f;
        Startup::CreeFenetres(f);
        f.show();
        QApplication::processEvents();
        ASSERT_NE(f.windowHandle(), nullptr);
        const bool maximise = etat == std::string("Maximized");
        EXPECT_EQ(f.windowHandle()->windowStates().testFlag(Qt::WindowMaximized), maximise) << etat;
        EXPECT_TRUE(f.close());
    }
}
