#pragma once

#include <QWidget>

#include "output/diagrams/display_list.h"

namespace vaporis::ui {

//! The canvas control of a template: shows the last display list handed to it, its square
//! scaled to the widget's smaller side.
class CanvasWidget : public QWidget {
public:
    explicit CanvasWidget(QWidget* parent);

    void setDrawing(const output::DisplayList& drawing);
    [[nodiscard]] QSize sizeHint() const override {
        return {output::kCanvasSize, output::kCanvasSize};
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    output::DisplayList drawing_;
};

}  // namespace vaporis::ui
