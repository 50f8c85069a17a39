#include <clocale>

#include <QApplication>
#include <gtest/gtest.h>

#include "ui/qt/offscreen_screen.h"

namespace {

constexpr QSize kLaptopAt100(1708, 910);
constexpr QSize kDesktopAt125(1920, 1040);

}  // namespace

int main(int argc, char* argv[]) {
    // The windows are built without a display, on a 1366 x 768 laptop at 125 %; a desktop run
    // may choose its own platform and scaling. Beside it, as seen at 125 %, the screens the windows
    // must fit without scrolling, less their 40 px task bars: the laptop at 100 % (1366 x 728
    // logical px) and a 1920 x 1080 desktop at 125 %.
    const vaporis::ui::OffscreenLaptopScreen screen({kLaptopAt100, kDesktopAt125});
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", "1.25");
    }
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
