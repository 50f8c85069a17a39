#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/main_menu.h"
#include "app/module_objects.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_test_support.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_validity_window.h"
#include "ui/steam_results_dialog.h"
#include "ui/steam_table_dialog.h"

namespace vaporis::app {
namespace {

using test::click;
using test::control;
using test::inWindow;
using test::retype;
using ui::QtDialogHost;
using ui::toQString;

// The whole way of an engineer who looks up superheated steam at 50 bar and 400 °C.
TEST(QtMainMenu, SteamTableShowsEnthalpyOfFiftyBarFourHundredDegrees) {
    ModuleObjects objects;
    ui::QtValidityWindow validity;
    QtDialogHost menu(kMainMenuTemplate, mainMenuFactory(objects), &validity.window());
    test::Watchdog watchdog;
    QString enthalpy;
    bool validityShown = false;
    inWindow(toQString(kMainMenuTemplate.caption), [&](QWidget& menuWindow) {
        inWindow(toQString(ui::kSteamTableTemplate.caption), [&](QWidget& table) {
            control<QRadioButton>(table, ui::kIdModePT)->click();
            retype(table, ui::kIdPressure, "50");
            retype(table, ui::kIdTemperature, "400");
            inWindow(toQString(ui::kSteamResultsTemplate.caption), [&](QWidget& results) {
                enthalpy = control<QLineEdit>(results, ui::stateFieldId(water::kH))->text();
                click(results, ui::kIdResultsValidity);
                validityShown = validity.window().isVisible();
                click(results, ui::kIdResultsOk);
            });
            click(table, ui::kIdSteamOk);
            click(table, ui::kIdSteamBack);
        });
        click(menuWindow, kIdSteamTable);
        click(menuWindow, kIdExitProgram);
    });
    EXPECT_EQ(menu.exec(), kIdExitProgram);
    EXPECT_TRUE(enthalpy.startsWith("3196.59")) << enthalpy.toStdString();
    EXPECT_TRUE(validityShown);
    EXPECT_FALSE(watchdog.fired());
}

TEST(QtMainMenu, CloseBoxEndsTheProgramLikeExit) {
    ModuleObjects objects;
    QtDialogHost menu(kMainMenuTemplate, mainMenuFactory(objects), nullptr);
    test::Watchdog watchdog;
    inWindow(toQString(kMainMenuTemplate.caption), [](QWidget& window) { window.close(); });
    EXPECT_EQ(menu.exec(), kIdExitProgram);
    EXPECT_FALSE(watchdog.fired());
}

}  // namespace
}  // namespace vaporis::app
