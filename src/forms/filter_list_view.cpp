#include "filter_list_view.h"

#include <QPainter>

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

}  // namespace

FilterListView::FilterListView(QWidget* parent) : QWidget(parent) {
    SetBackground(*this, Qt::white);
    setFont(InterfaceFont(9.75));
}

void FilterListView::SetLines(const std::vector<FilterListLine>& lines) {
    if (lines != lines_) {
        lines_ = lines;
        update();
    }
}

void FilterListView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    const int ascent = QFontMetrics(font()).ascent();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const double top =
            (kFirstLineY + kLineSpacing * static_cast<double>(i)) * kPixelsPerUnitDown;
        painter.drawText(QPointF(kNameX * kPixelsPerUnitAcross, top + ascent),
                         QString::fromStdString(lines_[i].Name));
        painter.drawText(QPointF(kThicknessX * kPixelsPerUnitAcross, top + ascent),
                         QString::fromStdString(lines_[i].Thickness));
    }
}

}  // namespace tubeline
