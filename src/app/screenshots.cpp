#include "app/screenshots.h"

#include <memory>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "app/main_menu.h"
#include "engine/water/water_steam_state.h"
#include "ui/gas_analysis_dialog.h"
#include "ui/gas_property_dialog.h"
#include "ui/information_dialog.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_validity_window.h"
#include "ui/steam_results_dialog.h"
#include "ui/steam_table_dialog.h"

namespace vaporis::app {
namespace {

using ui::DialogFactory;
using ui::DialogTemplate;
using ui::Port;
using ui::QtDialogHost;

bool saveWindow(QWidget& window, const QDir& directory, const QString& name) {
    window.show();
    QApplication::processEvents();
    const bool saved = window.grab().save(directory.filePath(name), "PNG");
    window.hide();
    return saved;
}

bool saveDialog(const DialogTemplate& layout, const DialogFactory& makeLogic,
                QWidget& validityWindow, const QDir& directory, const QString& name) {
    QtDialogHost host(layout, makeLogic, &validityWindow);
    return saveWindow(host.window(), directory, name);
}

void calculateReferenceState(water::WaterSteamState& state) {
    state.reset();
    state.setMode(water::kModePT);
    state.setPressure(50.0);
    state.setTemperature(400.0);
    state.calculate();
}

// The gas-property dialog after OK on gas state 1, every result field filled.
bool saveCalculatedGasProperties(ModuleObjects& objects, QWidget& validityWindow,
                                 const QDir& directory) {
    ui::DialogLogic* logic = nullptr;
    QtDialogHost host(
        ui::kGasPropertyTemplate,
        [&objects, &logic](Port& port) {
            auto dialog = std::make_unique<ui::GasPropertyDialog>(
                port, objects.gasState1, objects.gasAnalysis, objects.flags);
            logic = dialog.get();
            return dialog;
        },
        &validityWindow);
    logic->command(ui::kIdGasOk);
    return saveWindow(host.window(), directory, QStringLiteral("gas-properties.png"));
}

}  // namespace

bool renderScreenshots(const QString& directory, ModuleObjects& objects) {
    const QDir target(directory);
    if (!target.mkpath(QStringLiteral("."))) {
        return false;
    }
    ui::QtValidityWindow validity;
    QWidget& validityWindow = validity.window();
    bool saved = saveDialog(kMainMenuTemplate, mainMenuFactory(objects), validityWindow, target,
                            QStringLiteral("main-menu.png"));
    saved &= saveDialog(
        ui::kSteamTableTemplate,
        [&objects](Port& port) {
            return std::make_unique<ui::SteamTableDialog>(port, objects.steamState1, objects.flags);
        },
        validityWindow, target, QStringLiteral("steam-table.png"));
    calculateReferenceState(objects.steamState1);
    saved &= saveDialog(
        ui::kSteamResultsTemplate,
        [&objects](Port& port) {
            return std::make_unique<ui::SteamResultsDialog>(port, objects.steamState1);
        },
        validityWindow, target, QStringLiteral("steam-results.png"));
    saved &= saveCalculatedGasProperties(objects, validityWindow, target);
    saved &= saveDialog(
        ui::kGasAnalysisTemplate,
        [&objects](Port& port) {
            return std::make_unique<ui::GasAnalysisDialog>(port, objects.gasAnalysis);
        },
        validityWindow, target, QStringLiteral("gas-analysis.png"));
    saved &= saveWindow(validityWindow, target, QStringLiteral("validity.png"));
    saved &= saveDialog(
        ui::kInformationTemplate,
        [](Port& port) { return std::make_unique<ui::InformationDialog>(port); }, validityWindow,
        target, QStringLiteral("information.png"));
    return saved;
}

}  // namespace vaporis::app
