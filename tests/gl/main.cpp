// Runs the studio's picture tests under a QApplication on a real X server
// (CTest: QT_QPA_PLATFORM=xcb, Mesa's software renderer, each on an X server of its own, see scripts/own_x_server.sh).
#include <QApplication>

#include <clocale>

#include <gtest/gtest.h>

#include "tests/support/Sanitizers.h"

#if defined(__SANITIZE_ADDRESS__)
// No leak count: the OpenGL driver and the desktop bus keep what they made,
// in code unloaded before the count (the windows' tests count ours).
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
#endif

#include "studio/gui/scene/VisGL.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display.
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    VisGL::InitFPU();
    VisGL::FormatParDefaut();
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
