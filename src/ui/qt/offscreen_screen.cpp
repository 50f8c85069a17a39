#include "ui/qt/offscreen_screen.h"

#include <QByteArray>
#include <QFile>

namespace vaporis::ui {
namespace {

// The configuration of Qt's offscreen platform: one screen, windows without frames.
constexpr char kLaptopScreen[] = R"({
  "windowFrameMargins": false,
  "screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,
               "logicalDpi": 96, "logicalBaseDpi": 96}]
}
)";

}  // namespace

OffscreenLaptopScreen::OffscreenLaptopScreen() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen") {
        return;
    }
    QFile file(folder_.filePath("screen.json"));
    if (!folder_.isValid() || !file.open(QIODevice::WriteOnly) || file.write(kLaptopScreen) < 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return;
    }
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toLocal8Bit());
}

}  // namespace vaporis::ui
