// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the Qt printing tests: an offscreen application object for the fonts.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
