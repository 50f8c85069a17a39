#include "ui/qt/canvas_widget.h"

#include <algorithm>

#include <QPainter>

#include "ui/qt/display_list_painter.h"

namespace vaporis::ui {

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CanvasWidget::setDrawing(const output::DisplayList& drawing) {
    drawing_ = drawing;
    update();
}

void CanvasWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const double scale = static_cast<double>(std::min(width(), height())) / output::kCanvasSize;
    paintDisplayList(painter, drawing_, scale);
}

}  // namespace vaporis::ui
