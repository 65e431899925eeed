#include <gtest/gtest.h>

#include <QApplication>

// Widgets need one application object for the whole run, created before the
// tests and destroyed after them. Without a display the tests run offscreen.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
