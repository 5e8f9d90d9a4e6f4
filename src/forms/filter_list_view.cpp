#include "filter_list_view.h"

#include <QPainter>
#include <algorithm>

#include "ui/form_widgets.h"

namespace tubeline {
namespace {

// The box's own units: 16.5 twips across and 16.875 twips down, 15 twips to a pixel.
constexpr double kPixelsPerUnitAcross = 16.5 / 15;
constexpr double kPixelsPerUnitDown = 16.875 / 15;
constexpr double kNameX = 2;
constexpr double kThicknessX = 60;
constexpr double kLineSpacing = 12;
constexpr double kFirstLineY = 2;
constexpr double kColumnGap = 6;  // pixels between a name and the thickness column

}  // namespace

FilterListView::FilterListView(QWidget* parent) : QWidget(parent) {
    SetBackground(*this, Qt::white);
    setFont(InterfaceFont(9.75));
}

void FilterListView::SetLines(const std::vector<FilterListLine>& lines) {
    if (lines != lines_) {
        lines_ = lines;
        QStringList whole;
        for (const FilterListLine& line : lines_) {
            whole << QString::fromStdString(line.Name + " " + line.Thickness);
        }
        setToolTip(whole.join(QLatin1Char('\n')));
        update();
    }
}

void FilterListView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font());
    const int ascent = QFontMetrics(font()).ascent();
    const double nameX = kNameX * kPixelsPerUnitAcross;
    // The thickness column stands where it always has, further right where a name (an English
    // one, say) needs the room, and never so far that a thickness is cut off; a name that is
    // still too long is shortened with "…".
    double widestName = 0;
    double widestThickness = 0;
    for (const FilterListLine& line : lines_) {
        widestName =
            std::max(widestName, metrics.horizontalAdvance(QString::fromStdString(line.Name)));
        widestThickness = std::max(
            widestThickness, metrics.horizontalAdvance(QString::fromStdString(line.Thickness)));
    }
    const double thicknessX =
        std::min(std::max(kThicknessX * kPixelsPerUnitAcross, nameX + widestName + kColumnGap),
                 width() - widestThickness - nameX);
    const double nameWidth = thicknessX - kColumnGap - nameX;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const double top =
            (kFirstLineY + kLineSpacing * static_cast<double>(i)) * kPixelsPerUnitDown;
        const double baseline = top + ascent;
        painter.drawText(
            QPointF(nameX, baseline),
            metrics.elidedText(QString::fromStdString(lines_[i].Name), Qt::ElideRight, nameWidth));
        painter.drawText(QPointF(thicknessX, baseline),
                         QString::fromStdString(lines_[i].Thickness));
    }
}

}  // namespace tubeline
