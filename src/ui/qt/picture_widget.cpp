#include "ui/qt/picture_widget.h"

#include <QPainter>

#include "ui/qt/pictures.h"

namespace vaporis::ui {
namespace {

// The picture is as high as this many lines of text, so it scales with the font.
constexpr int kHeightInLines = 7;
constexpr double kAspect = 1.6;

}  // namespace

PictureWidget::PictureWidget(std::string_view name, QWidget* parent)
    : QWidget(parent), flame_(name == "flame") {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize PictureWidget::sizeHint() const {
    const int height = fontMetrics().height() * kHeightInLines;
    return {static_cast<int>(height * kAspect), height};
}

void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    if (flame_) {
        paintFlame(painter, area);
    } else {
        paintSteam(painter, area);
    }
}

}  // namespace vaporis::ui
