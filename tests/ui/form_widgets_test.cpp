#include "ui/form_widgets.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "support/focus_mark_colour.h"
#include "support/image_probe.h"

namespace tubeline {
namespace {

// No word is cut: Japanese compounds break after their prolonged sound mark, English at blanks.
TEST(WrappedLines, BreakOnlyBetweenWords) {
    const QFontMetrics metrics(InterfaceFont(9));
    const int width = metrics.horizontalAdvance(QStringLiteral("エネルギーフル"));
    EXPECT_EQ(WrappedLines(QStringLiteral("エネルギーフルエンス"), metrics, width),
              (QStringList{QStringLiteral("エネルギー"), QStringLiteral("フルエンス")}));
    EXPECT_EQ(WrappedLines(QStringLiteral("Energy fluence"), metrics,
                           metrics.horizontalAdvance(QStringLiteral("Energy flu"))),
              (QStringList{QStringLiteral("Energy"), QStringLiteral("fluence")}));
    EXPECT_EQ(WrappedLines(QStringLiteral("空気カーマ"), metrics, width),
              QStringList{QStringLiteral("空気カーマ")});
}

// The option that paints its own caption shows the same clear focus mark as the others.
TEST(WrappedRadioButton, ShowsTheFocusMark) {
    QWidget window;
    WrappedRadioButton option(QStringLiteral("エネルギーフルエンス"), &window);
    option.setGeometry(0, 0, 108, 36);
    window.show();
    QApplication::setActiveWindow(&window);
    const auto markPixels = [&option] {
        const QImage image = option.grab().toImage();
        return testing::CountColour(image, image.rect(), testing::kFocusMarkColour);
    };
    option.setFocus();
    EXPECT_GT(markPixels(), 100);
    option.clearFocus();
    EXPECT_EQ(markPixels(), 0);
}

}  // namespace
}  // namespace tubeline
