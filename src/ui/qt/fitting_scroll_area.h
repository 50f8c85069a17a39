#pragma once

#include <QEvent>
#include <QObject>
#include <QScrollArea>
#include <QSize>
#include <QWidget>

namespace vaporis::ui {

//! Holds a window's controls at their natural size while they fit the screen the window is on,
//! and scrolls them where they would not: a window's buttons, kept outside, stay reachable on a
//! small screen or at a large scaling.
class FittingScrollArea : public QScrollArea {
public:
    explicit FittingScrollArea(QWidget* parent);

    //! What the window needs beside this area (its button row, its margins).
    void setReserved(QSize reserved);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    //! Follows controls that grow after the window was built (a label that gained its unit).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize reserved_{0, 0};
};

}  // namespace vaporis::ui
