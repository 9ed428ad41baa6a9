// Runs the window tests under a QApplication (offscreen platform in CTest).
#include <QApplication>
#include <clocale>

#include <gtest/gtest.h>

#include "tests/support/Sanitizers.h"

#if defined(__SANITIZE_ADDRESS__)
// What Qt itself keeps is no leak of ours: a command that fails throws
// through Qt's shortcut and action frames, which leave a guarded pointer's
// counter behind (a test provokes it on purpose).
extern "C" const char* __lsan_default_suppressions() { return "leak:QtSharedPointer::ExternalRefCountData::getAndRef\n"; }
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
