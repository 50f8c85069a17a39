#include <clocale>

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // The windows are built without a display; a desktop run may choose its own platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
