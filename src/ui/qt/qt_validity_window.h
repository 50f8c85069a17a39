#pragma once

#include <QWidget>

#include "ui/qt/qt_dialog_host.h"

namespace vaporis::ui {

//! The run's one validity window, built hidden. Its close box only hides it; every dialog's
//! validity button shows it again through toggleValidityWindow.
class QtValidityWindow {
public:
    QtValidityWindow();

    [[nodiscard]] QWidget& window() { return host_.window(); }

private:
    QtDialogHost host_;
};

}  // namespace vaporis::ui
