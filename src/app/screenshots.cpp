#include "app/screenshots.h"

#include <array>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QToolTip>

#include "app/main_menu.h"
#include "app/module_registry.h"
#include "engine/common/not_set.h"
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

bool saveModule(const ModuleRow& row, project::ModuleObjects& objects, QWidget& validityWindow,
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

// Closes the message boxes a calculation shows, so pictures of it never wait for a user.
void closeMessageBoxesMeanwhile(QObject& owner) {
    auto* timer = new QTimer(&owner);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    timer->start(50);
}

// 10 kg/s of steam at 50 bar 400 °C through a 100 mm tube, 2 Nm³/s of air up a 300 mm, 30 m
// stack: the flow windows show every result.
void prepareFlows(project::ModuleObjects& objects) {
    using processes::GasFlowProcess;
    using processes::SteamFlowProcess;
    objects.steamFlowProcess.setInput(SteamFlowProcess::kInMassFlow, 10.0);
    objects.steamFlowProcess.setInput(SteamFlowProcess::kInWidth, 100.0);
    objects.gasFlowProcess.setInput(GasFlowProcess::kInNormalFlow, 2.0);
    objects.gasFlowProcess.setInput(GasFlowProcess::kInWidth, 300.0);
    objects.gasFlowProcess.setInput(GasFlowProcess::kInHeightDifference, 30.0);
}

// 50 bar 400 °C expanded with 85 % to 0.5 bar: the end lies in the wet region.
void prepareWetExpansion(project::ModuleObjects& objects) {
    objects.steamState1 = water::WaterSteamState(water::kModePT, 50.0, 400.0, NOT_SET);
    objects.steamState2 = water::WaterSteamState(water::kModePT, 0.5, NOT_SET, NOT_SET);
    objects.steamThermalProcess.setType(processes::kIsentropicEfficiency);
    (void)objects.steamThermalProcess.setInput(processes::SteamThermalProcess::kIsentropicEta,
                                               0.85);
}

// Flue gas with 15 vol % H2O cooled from 1 bar 400 °C to 30 °C, below its dew point.
void prepareFlueGasCooling(project::ModuleObjects& objects) {
    std::array<double, gas::kComponentCount> percent{};
    percent[gas::kNitrogen] = 71.0;
    percent[gas::kCarbonDioxide] = 9.0;
    percent[gas::kWaterVapor] = 15.0;
    percent[gas::kOxygen] = 4.0;
    percent[gas::kArgon] = 1.0;
    objects.gasAnalysis.setFromVolumePercent(percent);
    objects.gasState1.setPressure(1.0);
    objects.gasState1.setTemperature(400.0);
    objects.gasState2.setPressure(1.0);
    objects.gasState2.setTemperature(30.0);
    objects.gasThermalProcess.setType(processes::kStateBalance);
    objects.gasTsDiagram.tMin = 20.0;
    objects.gasTsDiagram.tMax = 420.0;
    objects.gasTsDiagram.sMin = 6.0;
    objects.gasTsDiagram.sMax = 8.5;
}

// The two process windows after a calculation and their diagrams.
bool saveProcessExamples(project::ModuleObjects& objects, QWidget& validityWindow,
                         const QDir& directory) {
    static constexpr std::array<ModuleRow, 5> kExamples{{
        {kNotInMenu, &ui::kSteamProcessTemplate,
         makeModule<ui::SteamProcessDialog, &project::ModuleObjects::steamThermalProcess,
                    &project::ModuleObjects::steamState1, &project::ModuleObjects::steamState2,
                    &project::ModuleObjects::flags, &project::ModuleObjects::steamTsDiagram>,
         "steam-thermal-process-wet", ui::kIdProcessOk},
        {kNotInMenu, &ui::kTsDiagramTemplate,
         makeModule<ui::SteamTsDiagramDialog, &project::ModuleObjects::steamThermalProcess,
                    &project::ModuleObjects::steamTsDiagram>,
         "ts-diagram-steam-wet"},
        {kNotInMenu, &ui::kTsDiagramTemplate,
         makeModule<ui::SteamTsDiagramDialog, &project::ModuleObjects::steamThermalProcess,
                    &project::ModuleObjects::steamTsDiagram>,
         "hs-diagram-steam-wet", ui::kIdTsKindHs},
        {kNotInMenu, &ui::kGasProcessTemplate,
         makeModule<ui::GasProcessDialog, &project::ModuleObjects::gasThermalProcess,
                    &project::ModuleObjects::gasState1, &project::ModuleObjects::gasState2,
                    &project::ModuleObjects::gasAnalysis, &project::ModuleObjects::flags,
                    &project::ModuleObjects::gasTsDiagram>,
         "gas-thermal-process-condensing", ui::kIdProcessOk},
        {kNotInMenu, &ui::kTsDiagramTemplate,
         makeModule<ui::GasTsDiagramDialog, &project::ModuleObjects::gasThermalProcess,
                    &project::ModuleObjects::gasTsDiagram>,
         "ts-diagram-gas-condensing"},
    }};
    prepareWetExpansion(objects);
    prepareFlueGasCooling(objects);
    bool saved = true;
    for (const ModuleRow& row : kExamples) {
        saved &= saveModule(row, objects, validityWindow, directory);
    }
    return saved;
}

// The results of 1 bar 20 °C, where v and chi keep few digits in their fields, with the tool
// tip that gives v in full. The tip is a window of its own, so it is painted into the picture.
bool saveSmallValueResults(project::ModuleObjects& objects, const QDir& directory) {
    objects.steamState1 = water::WaterSteamState(water::kModePT, 1.0, 20.0, NOT_SET);
    objects.steamState1.calculate();
    QtDialogHost host(
        ui::kSteamResultsTemplate,
        [&objects](ui::Port& port) {
            return std::make_unique<ui::SteamResultsDialog>(port, objects.steamState1);
        },
        nullptr);
    QWidget& window = host.window();
    window.show();
    QApplication::processEvents();
    auto* field =
        window.findChild<QLineEdit*>(QStringLiteral("control%1").arg(ui::stateFieldId(water::kV)));
    const QPoint below(field->width() / 2, field->height());
    QToolTip::showText(field->mapToGlobal(below), field->toolTip(), field);
    QApplication::processEvents();
    QPixmap picture = window.grab();
    for (QWidget* tip : QApplication::topLevelWidgets()) {
        if (tip->isVisible() && tip->inherits("QTipLabel")) {
            QPainter(&picture).drawPixmap(window.mapFromGlobal(tip->pos()), tip->grab());
        }
    }
    QToolTip::hideText();
    window.hide();
    return picture.save(directory.filePath(QStringLiteral("steam-results-small-values.png")),
                        "PNG");
}

}  // namespace

bool renderScreenshots(const QString& directory, project::ModuleObjects& objects) {
    const QDir target(directory);
    if (!target.mkpath(QStringLiteral("."))) {
        return false;
    }
    ui::QtValidityWindow validity;
    QObject owner;
    closeMessageBoxesMeanwhile(owner);
    prepareFlows(objects);
    // The results window shows the state as the steam table leaves it after OK.
    objects.steamState1.calculate();
    QtDialogHost menu(kMainMenuTemplate, mainMenuFactory(objects), &validity.window());
    bool saved = saveWindow(menu.window(), target, QStringLiteral("main-menu"));
    for (const ModuleRow& row : kModules) {
        if (row.hasWindow()) {
            saved &= saveModule(row, objects, validity.window(), target);
        }
    }
    saved &= saveProcessExamples(objects, validity.window(), target);
    saved &= saveSmallValueResults(objects, target);
    return saved;
}

}  // namespace vaporis::app
