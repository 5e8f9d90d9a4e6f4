#include "graph_canvas.h"

#include <QPainter>
#include <cmath>

#include "palette.h"

namespace tubeline {
namespace {

// Times New Roman 15.75 pt, or its metric-compatible substitute: 21 pixels at 96 dpi.
constexpr int kFontPixels = 21;

int Scaled(int pixels, double scale) {
    return static_cast<int>(std::lround(pixels * scale));
}

QPoint PixelAt(QPointF units, double scale) {
    return {static_cast<int>(std::lround(units.x() * GraphCanvas::kWidthPixels * scale /
                                         GraphCanvas::kWidthUnits)),
            static_cast<int>(std::lround(units.y() * GraphCanvas::kHeightPixels * scale /
                                         GraphCanvas::kHeightUnits))};
}

}  // namespace

GraphCanvas::Surface::Surface(double scale)
    : Scale(scale),
      Image(Scaled(kWidthPixels, scale), Scaled(kHeightPixels, scale), QImage::Format_RGB32),
      Font(QStringLiteral("Liberation Serif")) {
    Image.setDevicePixelRatio(scale);
    Image.fill(PaletteColour(kWhite));
    Font.setPixelSize(Scaled(kFontPixels, scale));
    Font.setStyleHint(QFont::Serif);
}

QPoint GraphCanvas::Surface::Pixel(QPointF units) const {
    return PixelAt(units, Scale);
}

void GraphCanvas::Surface::Draw(const Operation& operation) {
    using Kind = Operation::Kind;
    if (operation.What == Kind::PenWidth) {
        PenWidth = operation.Value;
        return;
    }
    // The image's ratio would make the painter scale again; draw in device pixels.
    Image.setDevicePixelRatio(1);
    QPainter painter(&Image);
    // Chart lines are drawn pixel-exact, never blurred.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int width = Scaled(PenWidth, Scale);
    const QColor colour = PaletteColour(operation.Value);
    switch (operation.What) {
        case Kind::Line:
            painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
            painter.drawLine(Pixel(operation.From), Pixel(operation.To));
            break;
        case Kind::Rectangle:
            painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(Pixel(operation.From), Pixel(operation.To)).normalized());
            break;
        case Kind::FilledRectangle:
            painter.fillRect(QRect(Pixel(operation.From), Pixel(operation.To)).normalized(),
                             colour);
            break;
        case Kind::Point: {
            // A dot of the pen width, centred as a line of that width would be.
            const QPoint pixel = Pixel(operation.From);
            const int before = width / 2;
            painter.fillRect(QRect(pixel.x() - before, pixel.y() - before, width, width), colour);
            break;
        }
        case Kind::Text:
            painter.setRenderHint(QPainter::TextAntialiasing, true);
            painter.setFont(Font);
            painter.setPen(PaletteColour(kBlack));
            painter.drawText(QRect(Pixel(operation.From), Image.size()),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, operation.Words);
            break;
        case Kind::PenWidth:
            break;
    }
    painter.end();
    Image.setDevicePixelRatio(Scale);
}

GraphCanvas::GraphCanvas() : exported_(1) {}

QPoint GraphCanvas::ToPixel(QPointF units) {
    return PixelAt(units, 1);
}

QPointF GraphCanvas::ToUnits(QPointF pixel) {
    return {pixel.x() * kWidthUnits / kWidthPixels, pixel.y() * kHeightUnits / kHeightPixels};
}

const QImage& GraphCanvas::DisplayImage(double devicePixelRatio) const {
    if (devicePixelRatio <= 1) {
        return exported_.Image;
    }
    if (!display_ || display_->Scale != devicePixelRatio) {
        display_.emplace(devicePixelRatio);
        for (const Operation& operation : operations_) {
            display_->Draw(operation);
        }
    }
    return display_->Image;
}

void GraphCanvas::Apply(Operation operation) {
    exported_.Draw(operation);
    if (display_) {
        display_->Draw(operation);
    }
    operations_.push_back(std::move(operation));
}

void GraphCanvas::Clear() {
    const int penWidth = exported_.PenWidth;
    exported_ = Surface(1);
    if (display_) {
        display_.emplace(display_->Scale);
    }
    operations_.clear();
    // The pen width is a setting, not a drawing: it outlives the clear.
    Apply({Operation::Kind::PenWidth, {}, {}, penWidth, {}});
    current_ = {};
}

void GraphCanvas::SetPenWidth(int pixels) {
    Apply({Operation::Kind::PenWidth, {}, {}, pixels, {}});
}

void GraphCanvas::Line(QPointF from, QPointF to, int colour) {
    Apply({Operation::Kind::Line, from, to, colour, {}});
    current_ = to;
}

void GraphCanvas::LineTo(QPointF to, int colour) {
    Line(current_, to, colour);
}

void GraphCanvas::Rectangle(QPointF corner, QPointF opposite, int colour) {
    Apply({Operation::Kind::Rectangle, corner, opposite, colour, {}});
    current_ = opposite;
}

void GraphCanvas::FilledRectangle(QPointF corner, QPointF opposite, int colour) {
    Apply({Operation::Kind::FilledRectangle, corner, opposite, colour, {}});
    current_ = opposite;
}

void GraphCanvas::Point(QPointF at, int colour) {
    Apply({Operation::Kind::Point, at, {}, colour, {}});
    current_ = at;
}

void GraphCanvas::Text(QPointF topLeft, const QString& text) {
    Apply({Operation::Kind::Text, topLeft, {}, 0, text});
}

}  // namespace tubeline
