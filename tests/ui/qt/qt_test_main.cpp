#include <clocale>

#include <QApplication>
#include <gtest/gtest.h>

#include "ui/qt/offscreen_screen.h"

int main(int argc, char* argv[]) {
    // The windows are built without a display, on a 1366 x 768 laptop at 125 %; a desktop run
    // may choose its own platform and scaling.
    const vaporis::ui::OffscreenLaptopScreen screen;
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", "1.25");
    }
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
