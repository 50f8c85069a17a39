#pragma once

#include <initializer_list>

#include <QSize>
#include <QTemporaryDir>

namespace vaporis::ui {

//! Windows drawn without a display (pictures, tests) on the smallest screen they are made for:
//! a 1366 x 768 px laptop. Applies when no platform is chosen or Qt's "offscreen" one, and
//! must be made before the QApplication, and live until it is made. moreScreens [px] stand at
//! its right, for a window that is put onto them.
class OffscreenLaptopScreen {
public:
    explicit OffscreenLaptopScreen(std::initializer_list<QSize> moreScreens = {});

private:
    QTemporaryDir folder_;
};

}  // namespace vaporis::ui
