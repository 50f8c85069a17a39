#pragma once

#include <string_view>

#include <QWidget>

namespace vaporis::ui {

//! A drawn picture of a dialog template: "steam" or "flame" (any other name: steam).
class PictureWidget : public QWidget {
public:
    PictureWidget(std::string_view name, QWidget* parent);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool flame_;
};

}  // namespace vaporis::ui
