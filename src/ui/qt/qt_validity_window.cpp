#include "ui/qt/qt_validity_window.h"

#include <memory>

#include "ui/info/information_dialog.h"
#include "ui/info/validity_window.h"

namespace vaporis::ui {

QtValidityWindow::QtValidityWindow()
    : host_(
          kValidityTemplate, [](Port& port) { return std::make_unique<InformationDialog>(port); },
          nullptr) {}

}  // namespace vaporis::ui
