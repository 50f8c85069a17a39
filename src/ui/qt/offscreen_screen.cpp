#include "ui/qt/offscreen_screen.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vaporis::ui {
namespace {

constexpr QSize kLaptop(1366, 768);

QByteArray screenEntry(const QString& name, int x, QSize size) {
    return QStringLiteral(R"({"name": "%1", "x": %2, "y": 0, "width": %3, "height": %4, )"
                          R"("logicalDpi": 96, "logicalBaseDpi": 96})")
        .arg(name)
        .arg(x)
        .arg(size.width())
        .arg(size.height())
        .toLatin1();
}

// The configuration of Qt's offscreen platform: the laptop and the screens at its right, side by
// side; windows without frames.
QByteArray configuration(std::initializer_list<QSize> moreScreens) {
    QByteArray screens = screenEntry(QStringLiteral("laptop"), 0, kLaptop);
    int x = kLaptop.width();
    for (const QSize size : moreScreens) {
        screens += ", " + screenEntry(QStringLiteral("screen%1").arg(x), x, size);
        x += size.width();
    }
    return R"({"windowFrameMargins": false, "screens": [)" + screens + "]}\n";
}

}  // namespace

OffscreenLaptopScreen::OffscreenLaptopScreen(std::initializer_list<QSize> moreScreens) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen") {
        return;
    }
    QFile file(folder_.filePath("screen.json"));
    if (!folder_.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(configuration(moreScreens)) < 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return;
    }
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toLocal8Bit());
}

}  // namespace vaporis::ui
