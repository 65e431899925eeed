#include <gtest/gtest.h>

#include <QApplication>

// Widgets need one application object for the whole run, created before the
// tests and destroyed after them.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
