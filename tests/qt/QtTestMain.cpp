#include <QApplication>
#include <gtest/gtest.h>

// GoogleTest inside a running QApplication (the platform comes from the
// environment: offscreen, or a virtual X server).
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
