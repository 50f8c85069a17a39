#include <clocale>
#include <cstdio>
#include <optional>

#include <QApplication>
#include <QStringList>

#include "app/main_menu.h"
#include "app/module_objects.h"
#include "app/screenshots.h"
#include "ui/qt/offscreen_screen.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_validity_window.h"

namespace {

constexpr char kScreenshotOption[] = "--screenshots";

int runMenu(vaporis::app::ModuleObjects& objects) {
    vaporis::ui::QtValidityWindow validity;
    vaporis::ui::QtDialogHost menu(vaporis::app::kMainMenuTemplate,
                                   vaporis::app::mainMenuFactory(objects), &validity.window());
    menu.exec();
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool screenshots = argc >= 2 && QByteArray(argv[1]) == kScreenshotOption;
    if (screenshots && argc != 3) {
        std::fputs("usage: vaporis [--screenshots DIRECTORY]\n", stderr);
        return 2;
    }
    std::optional<vaporis::ui::OffscreenLaptopScreen> offscreen;
    if (screenshots) {
        offscreen.emplace();
    }
    QApplication application(argc, argv);
    // Qt has set the C library's locale from the desktop; numbers keep their decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(vaporis::ui::applicationIcon());
    vaporis::app::ModuleObjects objects;
    if (screenshots) {
        if (!vaporis::app::renderScreenshots(QApplication::arguments().at(2), objects)) {
            std::fputs("vaporis: the pictures could not be written to that folder\n", stderr);
            return 1;
        }
        return 0;
    }
    return runMenu(objects);
}
