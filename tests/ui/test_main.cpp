// Entry point for ui_tests: a QApplication with the game's font around GoogleTest.
#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Defaults for running the binary by hand; CTest sets the same.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The windows show the pictures the build made.
    setenv("FERLOW_DATA_DIR", FERLOW_DATA_DIR, 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QFont font = QApplication::font();
    font.setPointSizeF(8);
    QApplication::setFont(font);
    return RUN_ALL_TESTS();
}

// The test list is read at build time, outside CTest's environment: leak reports
// from the toolkit's caches at exit must not fail that step.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
