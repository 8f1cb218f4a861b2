// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the window tests: an offscreen application object that refuses any
// message box a test did not expect.
#include <gtest/gtest.h>

#include <QApplication>

#include "AplicacaoTastavo.h"
#include "Apoio.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    AplicacaoTastavo app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
