// The server's tests run Qt's event loop: one QCoreApplication lives for the
// whole run, then GoogleTest runs the cases.
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
