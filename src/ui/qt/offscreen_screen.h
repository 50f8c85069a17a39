#pragma once

#include <QTemporaryDir>

namespace vaporis::ui {

//! Windows drawn without a display (pictures, tests) on the smallest screen they are made for:
//! a 1366 x 768 px laptop. Applies when no platform is chosen or Qt's "offscreen" one, and
//! must be made before the QApplication, and live until it is made.
class OffscreenLaptopScreen {
public:
    OffscreenLaptopScreen();

private:
    QTemporaryDir folder_;
};

}  // namespace vaporis::ui
