#include "graph_canvas.h"

#include <QPainter>
#include <cmath>

#include "palette.h"

namespace tubeline {
namespace {

// Times New Roman 15.75 pt, or its metric-compatible substitute: 21 pixels at 96 dpi.
constexpr int kFontPixels = 21;

// Chart lines are drawn pixel-exact, never blurred.
void MakeCrisp(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace

GraphCanvas::GraphCanvas()
    : image_(kWidthPixels, kHeightPixels, QImage::Format_RGB32),
      font_(QStringLiteral("Liberation Serif")) {
    font_.setPixelSize(kFontPixels);
    font_.setStyleHint(QFont::Serif);
    Clear();
}

QPoint GraphCanvas::ToPixel(QPointF units) {
    return {static_cast<int>(std::lround(units.x() * kWidthPixels / kWidthUnits)),
            static_cast<int>(std::lround(units.y() * kHeightPixels / kHeightUnits))};
}

void GraphCanvas::Clear() {
    image_.fill(PaletteColour(kWhite));
    current_ = {};
}

void GraphCanvas::SetPenWidth(int pixels) {
    penWidth_ = pixels;
}

void GraphCanvas::Line(QPointF from, QPointF to, int colour) {
    QPainter painter(&image_);
    MakeCrisp(painter);
    painter.setPen(QPen(PaletteColour(colour), penWidth_, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(ToPixel(from), ToPixel(to));
    current_ = to;
}

void GraphCanvas::LineTo(QPointF to, int colour) {
    Line(current_, to, colour);
}

void GraphCanvas::Rectangle(QPointF corner, QPointF opposite, int colour) {
    QPainter painter(&image_);
    MakeCrisp(painter);
    painter.setPen(
        QPen(PaletteColour(colour), penWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(ToPixel(corner), ToPixel(opposite)).normalized());
    current_ = opposite;
}

void GraphCanvas::FilledRectangle(QPointF corner, QPointF opposite, int colour) {
    QPainter painter(&image_);
    MakeCrisp(painter);
    const QRect pixels = QRect(ToPixel(corner), ToPixel(opposite)).normalized();
    painter.fillRect(pixels, PaletteColour(colour));
    current_ = opposite;
}

void GraphCanvas::Point(QPointF at, int colour) {
    QPainter painter(&image_);
    MakeCrisp(painter);
    const QPoint pixel = ToPixel(at);
    // A dot of the pen width, centred as a line of that width would be.
    const int before = penWidth_ / 2;
    painter.fillRect(QRect(pixel.x() - before, pixel.y() - before, penWidth_, penWidth_),
                     PaletteColour(colour));
    current_ = at;
}

void GraphCanvas::Text(QPointF topLeft, const QString& text) {
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(PaletteColour(kBlack));
    const QPoint pixel = ToPixel(topLeft);
    painter.drawText(QRect(pixel, QSize(kWidthPixels, kHeightPixels)),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

}  // namespace tubeline
