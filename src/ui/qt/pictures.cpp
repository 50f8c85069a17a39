#include "ui/qt/pictures.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include <QLinearGradient>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace vaporis::ui {
namespace {

// Every length is a fraction of the area, so the pictures scale with the font and screen.
constexpr double kCornerRadius = 0.08;
constexpr double kWaterLevel = 0.72;
constexpr double kWaveHeight = 0.035;
constexpr int kWaveCount = 3;
constexpr auto kPlumePositions = std::to_array({0.3, 0.5, 0.7});
constexpr auto kFlamePositions = std::to_array({0.3, 0.5, 0.7});
constexpr auto kFlameHeights = std::to_array({0.5, 0.66, 0.5});
constexpr double kBurnerTop = 0.84;
constexpr auto kIconSizes = std::to_array({16, 24, 32, 48, 64, 128, 256});

void paintTile(QPainter& painter, const QRectF& area, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    const double radius = kCornerRadius * std::min(area.width(), area.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRoundedRect(area, radius, radius);
}

void paintWater(QPainter& painter, const QRectF& area) {
    const double level = area.top() + kWaterLevel * area.height();
    const double wave = kWaveHeight * area.height();
    const double step = area.width() / (2 * kWaveCount);
    QPainterPath surface(QPointF(area.left(), level));
    for (int i = 0; i < 2 * kWaveCount; ++i) {
        const double x = area.left() + i * step;
        const double lift = (i % 2 == 0) ? -wave : wave;
        surface.quadTo(x + step / 2, level + 2 * lift, x + step, level);
    }
    surface.lineTo(area.bottomRight());
    surface.lineTo(area.bottomLeft());
    surface.closeSubpath();
    QLinearGradient gradient(0, level, 0, area.bottom());
    gradient.setColorAt(0.0, QColor(0x8e, 0xd1, 0xe6));
    gradient.setColorAt(1.0, QColor(0x1b, 0x6c, 0xa8));
    const double radius = kCornerRadius * std::min(area.width(), area.height());
    QPainterPath tile;
    tile.addRoundedRect(area, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawPath(surface.intersected(tile));
}

QPainterPath plume(const QRectF& area, double position) {
    const double x = area.left() + position * area.width();
    const double bottom = area.top() + (kWaterLevel - 0.06) * area.height();
    const double top = area.top() + 0.14 * area.height();
    const double swing = 0.06 * area.width();
    const double third = (bottom - top) / 3;
    QPainterPath path(QPointF(x, bottom));
    path.cubicTo(x - swing, bottom - third * 0.5, x - swing, bottom - third, x,
                 bottom - 1.5 * third);
    path.cubicTo(x + swing, bottom - 2 * third, x + swing, top + third * 0.5, x, top);
    return path;
}

void paintPlumes(QPainter& painter, const QRectF& area) {
    const double width = 0.045 * std::min(area.width(), area.height());
    painter.setBrush(Qt::NoBrush);
    for (const double position : kPlumePositions) {
        const QPainterPath path = plume(area, position);
        painter.setPen(QPen(QColor(255, 255, 255, 70), 2.2 * width, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(path);
        painter.setPen(QPen(QColor(255, 255, 255, 230), width, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(path);
    }
}

QPainterPath flameShape(double x, double base, double width, double height) {
    QPainterPath path(QPointF(x, base));
    path.cubicTo(x - 0.75 * width, base - 0.1 * height, x - 0.35 * width, base - 0.6 * height,
                 x + 0.05 * width, base - height);
    path.cubicTo(x + 0.25 * width, base - 0.6 * height, x + 0.75 * width, base - 0.15 * height, x,
                 base);
    return path;
}

void paintOneFlame(QPainter& painter, const QRectF& area, double position, double heightShare) {
    const double x = area.left() + position * area.width();
    const double base = area.top() + kBurnerTop * area.height();
    const double height = heightShare * area.height();
    const double width = 0.24 * area.width();
    QRadialGradient glow(QPointF(x, base - 0.2 * height), height);
    glow.setColorAt(0.0, QColor(0xff, 0xd1, 0x66));
    glow.setColorAt(0.45, QColor(0xf7, 0x7f, 0x00));
    glow.setColorAt(1.0, QColor(0xd6, 0x28, 0x28));
    painter.setBrush(glow);
    painter.drawPath(flameShape(x, base, width, height));
    painter.setBrush(QColor(0xff, 0xf3, 0xb0));
    painter.drawPath(flameShape(x, base, 0.45 * width, 0.45 * height));
}

void paintBurner(QPainter& painter, const QRectF& area) {
    const QRectF bar(area.left() + 0.15 * area.width(), area.top() + kBurnerTop * area.height(),
                     0.7 * area.width(), 0.06 * area.height());
    painter.setBrush(QColor(0x4a, 0x4e, 0x54));
    painter.drawRoundedRect(bar, bar.height() / 2, bar.height() / 2);
}

}  // namespace

void paintSteam(QPainter& painter, const QRectF& area) {
    paintTile(painter, area, QColor(0x1d, 0x35, 0x57), QColor(0x45, 0x7b, 0x9d));
    paintWater(painter, area);
    paintPlumes(painter, area);
}

void paintFlame(QPainter& painter, const QRectF& area) {
    paintTile(painter, area, QColor(0x2b, 0x0a, 0x05), QColor(0x6e, 0x1a, 0x0c));
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < kFlamePositions.size(); ++i) {
        paintOneFlame(painter, area, kFlamePositions[i], kFlameHeights[i]);
    }
    paintBurner(painter, area);
}

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paintSteam(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace vaporis::ui
