#include "ui/qt/qt_dialog_host.h"

#include <array>
#include <memory>

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/main_menu.h"
#include "ui/gas_property_dialog.h"
#include "ui/information_dialog.h"
#include "ui/qt/qt_test_support.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_validity_window.h"
#include "ui/steam_results_dialog.h"
#include "ui/steam_table_dialog.h"
#include "ui/validity_window.h"

namespace vaporis::ui {
namespace {

using test::control;
using test::RecordingLogic;

// Builds a window over RecordingLogic; recorded() is what the window sent it.
class RecordedWindow {
public:
    explicit RecordedWindow(const DialogTemplate& layout, QWidget* validityWindow = nullptr)
        : host_(
              layout, [this](Port&) { return makeLogic(); }, validityWindow) {}
    [[nodiscard]] QWidget& window() { return host_.window(); }
    [[nodiscard]] QtDialogHost& host() { return host_; }
    [[nodiscard]] const RecordingLogic& recorded() const { return *logic_; }

private:
    std::unique_ptr<DialogLogic> makeLogic() {
        auto logic = std::make_unique<RecordingLogic>();
        logic_ = logic.get();
        return logic;
    }

    RecordingLogic* logic_ = nullptr;
    QtDialogHost host_;
};

const auto kTemplates = std::to_array<const DialogTemplate*>({
    &app::kMainMenuTemplate,
    &kSteamTableTemplate,
    &kSteamResultsTemplate,
    &kValidityTemplate,
    &kInformationTemplate,
});

TEST(QtDialogHost, EveryTemplateBuildsEveryControlWithItsTitle) {
    for (const DialogTemplate* layout : kTemplates) {
        SCOPED_TRACE(layout->resourceId);
        RecordedWindow built(*layout);
        EXPECT_EQ(built.window().windowTitle().toStdString(), layout->caption);
        for (const ControlEntry& entry : layout->controls) {
            if (entry.id != kStaticId) {
                SCOPED_TRACE(entry.id);
                QWidget* widget = control<QWidget>(built.window(), entry.id);
                ASSERT_NE(widget, nullptr);
                EXPECT_EQ(widget->isEnabled(), entry.enabled);
            }
        }
    }
}

// The groups above decide how wide the grid's columns are; the buttons below must not follow.
TEST(QtDialogHost, ButtonsThatEndADialogKeepTheirNaturalWidthInOneRow) {
    struct Case {
        const DialogTemplate* layout;
        std::array<int, 3> buttons;
    };
    for (const Case& c : {Case{&kGasPropertyTemplate, {kIdGasOk, kIdGasValidity, kIdGasBack}},
                          Case{&kSteamTableTemplate, {kIdSteamOk, kIdValidity, kIdSteamBack}}}) {
        SCOPED_TRACE(c.layout->resourceId);
        RecordedWindow built(*c.layout);
        built.window().show();
        QApplication::processEvents();
        int previousRight = 0;
        for (const int id : c.buttons) {
            SCOPED_TRACE(id);
            const auto* button = control<QPushButton>(built.window(), id);
            EXPECT_EQ(button->width(), button->sizeHint().width());
            EXPECT_EQ(button->y(), control<QPushButton>(built.window(), c.buttons[0])->y());
            EXPECT_GT(button->x(), previousRight);
            previousRight = button->geometry().right();
        }
        built.window().hide();
    }
}

TEST(QtDialogHost, NumberFieldsKeepNineCharactersAndResultsAreReadOnly) {
    RecordedWindow built(kSteamTableTemplate);
    auto* pressure = control<QLineEdit>(built.window(), kIdPressure);
    QTest::keyClicks(pressure, "1234567890.5");
    EXPECT_EQ(pressure->text(), "123456789");
    EXPECT_EQ(built.host().text(kIdPressure), "123456789");
    EXPECT_TRUE(control<QLineEdit>(built.window(), kIdIterTemperature)->isReadOnly());
}

TEST(QtDialogHost, TypingReportsTheFieldAndRefreshesDisplays) {
    RecordedWindow built(kSteamTableTemplate);
    const int refreshesBefore = built.recorded().refreshes;
    QTest::keyClicks(control<QLineEdit>(built.window(), kIdTemperature), "40");
    EXPECT_EQ(built.recorded().edits, (std::vector<int>{kIdTemperature, kIdTemperature}));
    EXPECT_EQ(built.recorded().refreshes, refreshesBefore + 2);
}

TEST(QtDialogHost, ClicksOnButtonsRadiosAndCheckBoxesReachTheLogic) {
    RecordedWindow built(kSteamTableTemplate);
    built.window().show();
    for (const int id : {kIdModePX, kIdHtmlOutput, kIdIterCalculate}) {
        // Near the left edge: radio and check box take clicks on their indicator and text only.
        QWidget* widget = control<QWidget>(built.window(), id);
        const int middle = widget->height() / 2;
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(middle, middle));
    }
    EXPECT_EQ(built.recorded().commands,
              (std::vector<int>{kIdModePX, kIdHtmlOutput, kIdIterCalculate}));
}

TEST(QtDialogHost, CloseBoxAndEscapeSendTheBackCommandAndLeaveClosingToTheLogic) {
    RecordedWindow built(kSteamTableTemplate);
    built.window().show();
    built.window().close();
    QTest::keyClick(&built.window(), Qt::Key_Escape);
    EXPECT_EQ(built.recorded().commands, (std::vector<int>{kIdSteamBack, kIdSteamBack}));
    EXPECT_TRUE(built.window().isVisible());
}

TEST(QtDialogHost, PortWritesReachTheWidgetsAndUnknownIdsAreIgnored) {
    RecordedWindow built(kSteamTableTemplate);
    QtDialogHost& port = built.host();
    port.setText(kIdBoilingTemp, "263.941 °C");
    port.setChecked(kIdModeTX, true);
    port.setEnabled(kIdQuality, false);
    port.setText(4711, "ignored");
    EXPECT_EQ(control<QLineEdit>(built.window(), kIdBoilingTemp)->text(), "263.941 °C");
    EXPECT_TRUE(control<QRadioButton>(built.window(), kIdModeTX)->isChecked());
    EXPECT_FALSE(port.enabled(kIdQuality));
    EXPECT_EQ(port.text(4711), "");
    EXPECT_FALSE(port.checked(4711));
    // The logic may clear a whole radio group, which Qt's exclusive groups would refuse.
    port.setChecked(kIdModeTX, false);
    EXPECT_FALSE(port.checked(kIdModeTX));
}

TEST(QtDialogHost, ValidityButtonTogglesTheOneValidityWindow) {
    QtValidityWindow validity;
    QtDialogHost table(
        kSteamTableTemplate, [](Port&) { return std::make_unique<RecordingLogic>(); },
        &validity.window());
    EXPECT_FALSE(validity.window().isVisible());
    table.toggleValidityWindow();
    EXPECT_TRUE(table.validityWindowVisible());
    table.toggleValidityWindow();
    EXPECT_FALSE(validity.window().isVisible());
    table.toggleValidityWindow();
    // Its close box only hides it; the next toggle shows the same window again.
    validity.window().close();
    EXPECT_FALSE(table.validityWindowVisible());
    table.toggleValidityWindow();
    EXPECT_TRUE(validity.window().isVisible());
    validity.window().hide();
}

TEST(QtDialogHost, MovingFocusBetweenFieldsRefreshesDisplays) {
    RecordedWindow built(kSteamTableTemplate);
    built.window().show();
    QApplication::setActiveWindow(&built.window());
    control<QLineEdit>(built.window(), kIdPressure)->setFocus();
    const int refreshesBefore = built.recorded().refreshes;
    control<QLineEdit>(built.window(), kIdTemperature)->setFocus();
    EXPECT_GT(built.recorded().refreshes, refreshesBefore);
    EXPECT_TRUE(built.recorded().edits.empty());
}

TEST(QtDialogHost, SaveQuestionAddsTheExtensionAndLeavesTheOverwriteQuestionToTheLogic) {
    const QTemporaryDir directory;
    QFile existing(directory.filePath("report.html"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    RecordedWindow built(kSteamTableTemplate);
    test::Watchdog watchdog;
    QStringList filters;
    test::inWindowWhere(
        [](QWidget& window) { return qobject_cast<QFileDialog*>(&window) != nullptr; },
        [&](QWidget& window) {
            auto& dialog = static_cast<QFileDialog&>(window);
            filters = dialog.nameFilters();
            // Typed as a user would: selectFile() leaves a focused name field alone.
            dialog.setDirectory(directory.path());
            dialog.findChild<QLineEdit*>("fileNameEdit")->setText("report");
            static_cast<QDialog&>(dialog).accept();
        });
    const auto path = built.host().askSaveFileName({"HTML files (*.html)", "*.html", "html"});
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, directory.filePath("report.html").toStdString());
    EXPECT_EQ(filters, QStringList{"HTML files (*.html)"});
    EXPECT_FALSE(watchdog.fired()) << "no question of the file dialog's own";
}

bool isMessageBox(QWidget& window) {
    return qobject_cast<QMessageBox*>(&window) != nullptr;
}

TEST(QtDialogHost, MessageBoxShowsCaptionAndAnswersYesOnlyForYes) {
    RecordedWindow built(kSteamTableTemplate);
    test::Watchdog watchdog;
    QString caption;
    test::inWindowWhere(isMessageBox, [&caption](QWidget& window) {
        caption = window.windowTitle();
        static_cast<QMessageBox&>(window).button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(
        built.host().message("File already exists! Overwrite?", "Warning", MessageButtons::kYesNo),
        MessageAnswer::kYes);
    EXPECT_EQ(caption, "Warning");
    test::inWindowWhere(isMessageBox, [](QWidget& window) { window.close(); });
    EXPECT_EQ(
        built.host().message("File already exists! Overwrite?", "Warning", MessageButtons::kYesNo),
        MessageAnswer::kNo);
    EXPECT_FALSE(watchdog.fired());
}

TEST(QtDialogHost, CheckBoxMessageTellsWhetherTheBoxWasTickedWhenClosed) {
    RecordedWindow built(kSteamTableTemplate);
    test::Watchdog watchdog;
    test::inWindowWhere(isMessageBox, [](QWidget& window) {
        static_cast<QMessageBox&>(window).checkBox()->setChecked(true);
        window.close();
    });
    EXPECT_TRUE(built.host().messageWithCheckBox("Achtung: Gültigkeitsbereich überschritten",
                                                 "Warning: The formulas are valid for p = 1bar.",
                                                 "Don't show this message again"));
    EXPECT_FALSE(watchdog.fired());
}

TEST(QtDialogHost, InformationDialogEndsByItsCloseBox) {
    QtDialogHost information(
        kInformationTemplate, [](Port& port) { return std::make_unique<InformationDialog>(port); },
        nullptr);
    test::Watchdog watchdog;
    test::inWindow(toQString(kInformationTemplate.caption),
                   [](QWidget& window) { window.close(); });
    EXPECT_EQ(information.exec(), 0);
    EXPECT_FALSE(watchdog.fired());
}

}  // namespace
}  // namespace vaporis::ui
