#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include <QApplication>
#include <QStringList>
#include <QTimer>

#include "app/main_menu.h"
#include "app/screenshots.h"
#include "app/unit_settings.h"
#include "project/module_objects.h"
#include "ui/qt/offscreen_screen.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_validity_window.h"
#include "ui/window_units.h"

namespace {

constexpr char kScreenshotOption[] = "--screenshots";
constexpr char kUsage[] =
    "Usage: vaporis [FILE.prj | FILE.gas]\n"
    "  or:  vaporis --screenshots DIRECTORY\n"
    "Water/steam properties after IAPWS-IF97, gas mixtures, thermal and flow processes and\n"
    "engineering tools in windows, with T-s diagrams and HTML reports.\n\n"
    "FILE.prj opens a project, FILE.gas a gas analysis in the gas-property window;\n"
    "--screenshots writes a PNG picture of every window into DIRECTORY.\n"
    "vaporis-cli answers the same questions on the command line.\n";

// On X11 and Wayland desktops Qt aborts without a display; say what to do instead.
bool displayAvailable() {
#if defined(_WIN32) || defined(__APPLE__)
    return true;
#else
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
#endif
}

int runMenu(vaporis::project::ModuleObjects& objects, const QString& startFile) {
    vaporis::ui::QtValidityWindow validity;
    vaporis::app::MainMenu* menuLogic = nullptr;
    vaporis::ui::QtDialogHost menu(
        vaporis::app::kMainMenuTemplate,
        [&](vaporis::ui::Port& port) {
            auto logic = std::make_unique<vaporis::app::MainMenu>(port, objects);
            menuLogic = logic.get();
            return logic;
        },
        &validity.window());
    if (!startFile.isEmpty()) {
        // Once the menu shows, so a message or the gas-property window is owned by it.
        QTimer::singleShot(0, &menu.window(), [menuLogic, path = startFile.toStdString()] {
            menuLogic->openAtStart(path);
        });
    }
    menu.exec();
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QByteArray first = argc >= 2 ? QByteArray(argv[1]) : QByteArray();
    const bool screenshots = first == kScreenshotOption;
    if ((screenshots && argc != 3) || (!screenshots && argc > 2) ||
        (!screenshots && first.startsWith('-'))) {
        std::fputs(kUsage, first == "--help" || first == "-h" ? stdout : stderr);
        return first == "--help" || first == "-h" ? 0 : 2;
    }
    std::optional<vaporis::ui::OffscreenLaptopScreen> offscreen;
    if (screenshots) {
        offscreen.emplace();
    } else if (!displayAvailable()) {
        std::fputs(
            "vaporis: no display; use --screenshots DIRECTORY or start it in a desktop "
            "session\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    // Qt has set the C library's locale from the desktop; numbers keep their decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(vaporis::ui::applicationIcon());
    vaporis::project::ModuleObjects objects;
    vaporis::app::loadWindowUnits();
    if (screenshots) {
        if (!vaporis::app::renderScreenshots(QApplication::arguments().at(2), objects)) {
            std::fputs("vaporis: the pictures could not be written to that folder\n", stderr);
            return 1;
        }
        return 0;
    }
    vaporis::ui::keepWindowUnitsWith(vaporis::app::storeWindowUnits);
    return runMenu(objects, argc == 2 ? QApplication::arguments().at(1) : QString());
}
