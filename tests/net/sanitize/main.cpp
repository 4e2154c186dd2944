#include <QCoreApplication>
#include <gtest/gtest.h>

// The download component needs only an event loop, no GUI.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
