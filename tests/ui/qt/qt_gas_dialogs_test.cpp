#include <array>
#include <memory>
#include <set>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/main_menu.h"
#include "app/module_objects.h"
#include "engine/gas/component_data.h"
#include "ui/gas_analysis_dialog.h"
#include "ui/gas_property_dialog.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_test_support.h"
#include "ui/qt/qt_text.h"

namespace vaporis::app {
namespace {

using test::click;
using test::control;
using test::inWindow;
using test::retype;
using ui::DialogTemplate;
using ui::QtDialogHost;
using ui::toQString;

QString textOf(QWidget& window, int id) {
    return control<QLineEdit>(window, id)->text();
}

TEST(QtGasDialogs, TemplatesBuildEveryControlOnceWithItsTitle) {
    for (const DialogTemplate* layout : {&ui::kGasPropertyTemplate, &ui::kGasAnalysisTemplate}) {
        SCOPED_TRACE(layout->resourceId);
        ModuleObjects objects;
        test::RecordingLogic* logic = nullptr;
        QtDialogHost host(
            *layout,
            [&logic](ui::Port&) {
                auto recording = std::make_unique<test::RecordingLogic>();
                logic = recording.get();
                return recording;
            },
            nullptr);
        EXPECT_EQ(host.window().windowTitle().toStdString(), layout->caption);
        std::set<int> ids;
        for (const ui::ControlEntry& entry : layout->controls) {
            if (entry.id != ui::kStaticId) {
                SCOPED_TRACE(entry.id);
                EXPECT_TRUE(ids.insert(entry.id).second) << "one control per id";
                EXPECT_NE(control<QWidget>(host.window(), entry.id), nullptr);
            }
        }
        EXPECT_NE(logic, nullptr);
    }
}

// An engineer enters combustion air in the editor, opened from the gas-property dialog.
TEST(QtGasDialogs, EditorOpensFromGasPropertiesAndTypingUpdatesTheSumLive) {
    ModuleObjects objects;
    QtDialogHost menu(kMainMenuTemplate, mainMenuFactory(objects), nullptr);
    test::Watchdog watchdog;
    std::array<QString, 4> sums;
    std::array<QString, 4> differences;
    QString name;
    QString properties;
    inWindow(toQString(kMainMenuTemplate.caption), [&](QWidget& menuWindow) {
        inWindow(toQString(ui::kGasPropertyTemplate.caption), [&](QWidget& gas) {
            inWindow(toQString(ui::kGasAnalysisTemplate.caption), [&](QWidget& editor) {
                click(editor, ui::kIdDeleteAnalysis);
                retype(editor, ui::componentFieldId(gas::kNitrogen), "7");
                sums[0] = textOf(editor, ui::kIdPercentSum);
                differences[0] = textOf(editor, ui::kIdPercentDifference);
                QTest::keyClicks(control<QLineEdit>(editor, ui::componentFieldId(gas::kNitrogen)),
                                 "9");
                sums[1] = textOf(editor, ui::kIdPercentSum);
                differences[1] = textOf(editor, ui::kIdPercentDifference);
                retype(editor, ui::componentFieldId(gas::kOxygen), "21");
                sums[2] = textOf(editor, ui::kIdPercentSum);
                differences[2] = textOf(editor, ui::kIdPercentDifference);
                click(editor, ui::kIdAnalysisOk);
            });
            click(gas, ui::kIdGasEditAnalysis);
            name = textOf(gas, ui::kIdGasName);
            click(gas, ui::kIdGasOk);
            properties = textOf(gas, ui::gasPropertyFieldId(gas::kDensity));
            click(gas, ui::kIdGasBack);
        });
        click(menuWindow, kIdGasProperties);
        click(menuWindow, kIdExitProgram);
    });
    EXPECT_EQ(menu.exec(), kIdExitProgram);
    EXPECT_FALSE(watchdog.fired());
    EXPECT_EQ(sums[0], "7.0000");
    EXPECT_EQ(differences[0], "93.0000");
    EXPECT_EQ(sums[1], "79.0000");
    EXPECT_EQ(differences[1], "21.0000");
    EXPECT_EQ(sums[2], "100.0000");
    EXPECT_EQ(differences[2], "0.0000");
    EXPECT_DOUBLE_EQ(objects.gasAnalysis.volumeFraction(gas::kNitrogen), 0.79);
    EXPECT_EQ(name, "NO NAME");
    EXPECT_FALSE(properties.isEmpty()) << "the new gas is computed";
}

}  // namespace
}  // namespace vaporis::app
