#pragma once

#include <QWidget>

#include "ui/display_list.h"

namespace vaporis::ui {

//! The canvas control of a template: shows the last display list handed to it, its square
//! scaled to the widget's smaller side.
class CanvasWidget : public QWidget {
public:
    explicit CanvasWidget(QWidget* parent);

    void setDrawing(const DisplayList& drawing);
    [[nodiscard]] QSize sizeHint() const override { return {kCanvasSize, kCanvasSize}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DisplayList drawing_;
};

}  // namespace vaporis::ui
