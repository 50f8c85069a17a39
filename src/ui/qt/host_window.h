#pragma once

#include <functional>
#include <utility>

#include <QDialog>

namespace vaporis::ui {

//! The window of a QtDialogHost. The close box and Escape do not close it themselves: they
//! ask the dialog logic, exactly as its "back" (or "OK") button would.
class HostWindow : public QDialog {
public:
    HostWindow(QWidget* parent, std::function<void()> closeRequested)
        : QDialog(parent), closeRequested_(std::move(closeRequested)) {}

    //! Qt's way in for the close box and Escape: hand them to the logic instead of closing.
    void reject() override { closeRequested_(); }

private:
    std::function<void()> closeRequested_;
};

}  // namespace vaporis::ui
