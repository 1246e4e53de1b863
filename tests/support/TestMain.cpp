#include "Screen.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // 96 dots per inch: 15 twips per pixel, as every expectation assumes.
    Screen::pin(96, 96, 1920, 1080, 32);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
