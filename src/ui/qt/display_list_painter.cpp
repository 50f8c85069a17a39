#include "ui/qt/display_list_painter.h"

#include <variant>

#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRect>

#include "ui/qt/qt_text.h"

namespace vaporis::ui {
namespace {

QColor colourOf(output::Colour colour) {
    return colour == output::Colour::kWhite ? Qt::white : Qt::black;
}

QPointF pointOf(output::CanvasPoint point) {
    return {point.x, point.y};
}

// Replays the commands; the pen and the current point are its state.
class Replay {
public:
    explicit Replay(QPainter& painter) : painter_(painter) {
        (*this)(output::SetPen{output::Colour::kBlack, output::PenStyle::kSolid});
    }

    void operator()(const output::SetPen& pen) {
        QPen qtPen(colourOf(pen.colour), 1.0);
        if (pen.style == output::PenStyle::kDashed) {
            qtPen.setDashPattern({output::kCanvasDash, output::kCanvasGap});
        }
        painter_.setPen(qtPen);
    }
    void operator()(const output::FillRectangle& fill) {
        const QRect area(QPoint(fill.rect.left, fill.rect.top),
                         QPoint(fill.rect.right, fill.rect.bottom));
        painter_.save();
        painter_.setPen(colourOf(fill.colour));
        painter_.setBrush(colourOf(fill.colour));
        painter_.drawRect(area);
        painter_.restore();
    }
    void operator()(const output::Polyline& line) {
        QPolygonF polygon;
        for (const output::CanvasPoint point : line.points) {
            polygon << pointOf(point);
        }
        painter_.drawPolyline(polygon);
    }
    void operator()(const output::MoveTo& move) { current_ = pointOf(move.to); }
    void operator()(const output::LineTo& line) {
        painter_.drawLine(current_, pointOf(line.to));
        current_ = pointOf(line.to);
    }
    void operator()(const output::Circle& circle) {
        painter_.drawEllipse(pointOf(circle.centre), circle.radius, circle.radius);
    }
    void operator()(const output::TextInRect& text) {
        const QStringList lines = toQString(text.text).split(QLatin1Char('\n'));
        int top = text.rect.top;
        for (const QString& line : lines) {
            painter_.drawText(QPoint(text.rect.left, top + output::kCanvasBaseline), line);
            top += output::kCanvasLineHeight;
        }
    }

private:
    QPainter& painter_;
    QPointF current_{0, 0};
};

}  // namespace

void paintDisplayList(QPainter& painter, const output::DisplayList& drawing, double scale) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    // A 1 px line on whole coordinates straddles two pixel rows; half a unit puts it on one.
    painter.translate(0.5, 0.5);
    QFont font = painter.font();
    font.setPixelSize(output::kCanvasFontSize);
    painter.setFont(font);
    painter.setBrush(Qt::NoBrush);
    Replay replay(painter);
    for (const output::DrawCommand& command : drawing.commands()) {
        std::visit(replay, command);
    }
    painter.restore();
}

QImage renderDisplayList(const output::DisplayList& drawing, int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintDisplayList(painter, drawing, static_cast<double>(pixels) / output::kCanvasSize);
    painter.end();
    return image;
}

bool savePng(const output::DisplayList& drawing, const std::string& path, int pixels) {
    return renderDisplayList(drawing, pixels).save(toQString(path), "PNG");
}

}  // namespace vaporis::ui
