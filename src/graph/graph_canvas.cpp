#include "graph_canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygon>
#include <cmath>

#include "palette.h"

namespace tubeline {
namespace {

// Times New Roman 15.75 pt, or its metric-compatible substitute: 21 pixels at 96 dpi.
constexpr int kFontPixels = 21;
// The legend's entries, small enough for six of them to leave most of the plot free.
constexpr int kLegendFontPixels = 14;

constexpr double kUnitsPerPixelAcross = GraphCanvas::kWidthUnits / GraphCanvas::kWidthPixels;
constexpr double kUnitsPerPixelDown = GraphCanvas::kHeightUnits / GraphCanvas::kHeightPixels;

int Scaled(int pixels, double scale) {
    return static_cast<int>(std::lround(pixels * scale));
}

QFont GraphFont(int pixels, double scale) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(Scaled(pixels, scale));
    font.setStyleHint(QFont::Serif);
    return font;
}

// Dash and gap lengths in pen widths; every pattern starts with a dash long enough to show
// the colour of its curve.
QList<qreal> DashPattern(LineStyle style) {
    switch (style) {
        case LineStyle::Dashed:
            return {4, 2};
        case LineStyle::Dotted:
            return {1.5, 1.5};
        case LineStyle::DashDot:
            return {5, 2, 1.5, 2};
        case LineStyle::LongDash:
            return {9, 3};
        case LineStyle::DashDotDot:
            return {5, 2, 1.5, 2, 1.5, 2};
        case LineStyle::Solid:
            break;
    }
    return {};
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
      Font(GraphFont(kFontPixels, scale)),
      SmallFont(GraphFont(kLegendFontPixels, scale)) {
    Image.setDevicePixelRatio(scale);
    Image.fill(PaletteColour(kWhite));
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
        case Kind::Polyline: {
            QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
            if (operation.Style != LineStyle::Solid) {
                pen.setDashPattern(DashPattern(operation.Style));
            }
            painter.setPen(pen);
            QPolygon pixels;
            for (const QPointF& point : operation.Points) {
                pixels << Pixel(point);
            }
            painter.drawPolyline(pixels);
            break;
        }
        case Kind::Text:
        case Kind::LegendText:
            painter.setRenderHint(QPainter::TextAntialiasing, true);
            painter.setFont(operation.What == Kind::Text ? Font : SmallFont);
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
    Apply({.What = Operation::Kind::PenWidth, .Value = penWidth});
    current_ = {};
}

void GraphCanvas::SetPenWidth(int pixels) {
    Apply({.What = Operation::Kind::PenWidth, .Value = pixels});
}

void GraphCanvas::Line(QPointF from, QPointF to, int colour) {
    Apply({.What = Operation::Kind::Line, .From = from, .To = to, .Value = colour});
    current_ = to;
}

void GraphCanvas::LineTo(QPointF to, int colour) {
    Line(current_, to, colour);
}

void GraphCanvas::Rectangle(QPointF corner, QPointF opposite, int colour) {
    Apply({.What = Operation::Kind::Rectangle, .From = corner, .To = opposite, .Value = colour});
    current_ = opposite;
}

void GraphCanvas::FilledRectangle(QPointF corner, QPointF opposite, int colour) {
    Apply({.What = Operation::Kind::FilledRectangle,
           .From = corner,
           .To = opposite,
           .Value = colour});
    current_ = opposite;
}

void GraphCanvas::Point(QPointF at, int colour) {
    Apply({.What = Operation::Kind::Point, .From = at, .Value = colour});
    current_ = at;
}

void GraphCanvas::Polyline(const std::vector<QPointF>& points, int colour, LineStyle style) {
    if (points.empty()) {
        return;
    }
    Apply({.What = Operation::Kind::Polyline, .Value = colour, .Points = points, .Style = style});
    current_ = points.back();
}

void GraphCanvas::Text(QPointF topLeft, const QString& text) {
    Apply({.What = Operation::Kind::Text, .From = topLeft, .Words = text});
}

void GraphCanvas::LegendText(QPointF topLeft, const QString& text) {
    Apply({.What = Operation::Kind::LegendText, .From = topLeft, .Words = text});
}

QSizeF GraphCanvas::LegendTextSize(const QString& text) {
    const QFontMetricsF metrics(GraphFont(kLegendFontPixels, 1));
    return {metrics.horizontalAdvance(text) * kUnitsPerPixelAcross,
            metrics.height() * kUnitsPerPixelDown};
}

QString GraphCanvas::ElidedLegendText(const QString& text, double widthUnits) {
    const QFontMetricsF metrics(GraphFont(kLegendFontPixels, 1));
    return metrics.elidedText(text, Qt::ElideRight, widthUnits / kUnitsPerPixelAcross);
}

}  // namespace tubeline
