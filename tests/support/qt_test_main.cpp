// Runs GoogleTest inside a Qt application on the offscreen platform, so that windows and
// drawing are tested without a display.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

#include "ui/focus_mark_style.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    // The windows' own style, as the program has it.
    QApplication::setStyle(std::make_unique<tubeline::FocusMarkStyle>().release());
    QCoreApplication::setApplicationName(QStringLiteral("Tubeline"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
