#include "app/screenshots.h"

#include <memory>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "app/main_menu.h"
#include "app/module_registry.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_validity_window.h"

namespace vaporis::app {
namespace {

using ui::QtDialogHost;

bool saveWindow(QWidget& window, const QDir& directory, const QString& name) {
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(directory.filePath(name + ".png"), "PNG");
    window.hide();
    return saved;
}

bool saveModule(const ModuleRow& row, ModuleObjects& objects, QWidget& validityWindow,
                const QDir& directory) {
    ui::DialogLogic* logic = nullptr;
    QtDialogHost host(
        *row.layout,
        [&](ui::Port& port) {
            std::unique_ptr<ui::DialogLogic> made = row.makeLogic(port, objects);
            logic = made.get();
            return made;
        },
        &validityWindow);
    if (row.pictureCommand != 0) {
        logic->command(row.pictureCommand);
    }
    return saveWindow(host.window(), directory, ui::toQString(row.pictureName));
}

}  // namespace

bool renderScreenshots(const QString& directory, ModuleObjects& objects) {
    const QDir target(directory);
    if (!target.mkpath(QStringLiteral("."))) {
        return false;
    }
    ui::QtValidityWindow validity;
    // The results window shows the state as the steam table leaves it after OK.
    objects.steamState1.calculate();
    QtDialogHost menu(kMainMenuTemplate, mainMenuFactory(objects), &validity.window());
    bool saved = saveWindow(menu.window(), target, QStringLiteral("main-menu"));
    for (const ModuleRow& row : kModules) {
        if (row.enabled()) {
            saved &= saveModule(row, objects, validity.window(), target);
        }
    }
    return saved;
}

}  // namespace vaporis::app
