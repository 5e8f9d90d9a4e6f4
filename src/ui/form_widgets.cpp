#include "form_widgets.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

#include "focus_mark_style.h"
#include "twips.h"

namespace tubeline {

LegendMark::LegendMark(const QString& name, QColor colour, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    SetBackground(*this, colour);
}

WrappedRadioButton::WrappedRadioButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {}

void WrappedRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    const int spacing = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    // Room above the first line for the focus mark, as a one-line option leaves it.
    option.rect = QRect(0, kFocusMarkReach, indicator, fontMetrics().height());
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
    const QRect textArea = rect().adjusted(indicator + spacing, kFocusMarkReach, 0, 0);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    QRect drawn;
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop,
                     WrappedLines(text(), fontMetrics(), textArea.width()).join(QLatin1Char('\n')),
                     &drawn);
    if (hasFocus()) {
        // Around the lines the caption takes, however many: not an empty second line.
        DrawFocusMarkAround(painter, drawn);
    }
}

QStringList WrappedLines(const QString& caption, const QFontMetrics& metrics, int width) {
    // The caption in pieces that each end where a line may break.
    QStringList pieces;
    QString piece;
    for (const QChar c : caption) {
        piece += c;
        if (c == QLatin1Char(' ') || c == QChar(0x30FC)) {
            pieces << piece;
            piece.clear();
        }
    }
    if (!piece.isEmpty()) {
        pieces << piece;
    }
    QStringList lines;
    QString line;
    for (const QString& next : pieces) {
        if (!line.isEmpty() && metrics.horizontalAdvance((line + next).trimmed()) > width) {
            lines << line.trimmed();
            line.clear();
        }
        line += next;
    }
    if (!line.isEmpty()) {
        lines << line.trimmed();
    }
    return lines;
}

bool WrappedRadioButton::hitButton(const QPoint& position) const {
    return rect().contains(position);
}

void Place(QWidget& control, const char* name, QRect twips) {
    control.setObjectName(QString::fromLatin1(name));
    control.setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void PlaceLabel(QLabel& label, const char* name, int leftTwips, int topTwips, int widthTwips,
                int heightTwips) {
    label.setObjectName(QString::fromLatin1(name));
    if (widthTwips > 0) {
        label.setGeometry(TwipsRect(leftTwips, topTwips, widthTwips, heightTwips));
    } else {
        label.move(Pixels(leftTwips), Pixels(topTwips));
        label.adjustSize();
    }
}

void WidenToFit(QWidget& frame, std::initializer_list<QWidget*> controls) {
    constexpr int kFrameMargin = 8;  // pixels right of the widest control
    int right = 0;
    for (QWidget* control : controls) {
        control->resize(std::max(control->width(), control->sizeHint().width()), control->height());
        right = std::max(right, control->geometry().right());
    }
    frame.resize(std::max(frame.width(), right + kFrameMargin), frame.height());
}

void GrowCaptionLeftward(QLabel& caption) {
    const int needed = caption.sizeHint().width();
    if (needed > caption.width()) {
        const int right = caption.geometry().right();
        caption.setGeometry(right + 1 - needed, caption.y(), needed, caption.height());
    }
}

void PaintLightYellow(QPushButton& button) {
    // A style sheet takes the button out of the style's hands, so it draws its own focus mark.
    button.setStyleSheet(
        QStringLiteral("QPushButton { background-color: #ffffc0; }"
                       "QPushButton:focus { border: 2px solid #1e5ac8; "
                       "border-radius: 3px; }"));
}

void SetBackground(QWidget& control, QColor colour) {
    control.setAutoFillBackground(true);
    QPalette colours = control.palette();
    colours.setColor(QPalette::Window, colour);
    control.setPalette(colours);
}

QFont InterfaceFont(double points) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

}  // namespace tubeline
