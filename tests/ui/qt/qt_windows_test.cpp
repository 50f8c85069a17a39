#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "app/main_menu.h"
#include "app/module_registry.h"
#include "output/diagrams/diagram_file_writer.h"
#include "support/window_units_scope.h"
#include "ui/qt/display_list_painter.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_test_support.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_validity_window.h"

namespace vaporis::ui {
namespace {

using app::kMainMenuTemplate;
using test::click;
using test::control;
using test::inWindow;
using test::Recorded;
using test::recordInto;

// The groups above decide how wide the grid's columns are; the buttons below must not follow.
TEST(QtDialogHost, ButtonsThatEndADialogKeepTheirNaturalWidthInOneRow) {
    Recorded recorded;
    QtDialogHost host(kGasPropertyTemplate, recordInto(recorded), nullptr);
    host.window().show();
    int previousRight = 0;
    for (const int id : {kIdGasOk, kIdGasValidity, kIdGasBack}) {
        const auto* button = control<QPushButton>(host.window(), id);
        EXPECT_EQ(button->width(), button->sizeHint().width()) << id;
        EXPECT_EQ(button->y(), control<QPushButton>(host.window(), kIdGasOk)->y()) << id;
        EXPECT_GT(button->x(), previousRight) << id;
        previousRight = button->geometry().right();
    }
}

TEST(QtDialogHost, TypedFieldsKeepNineCharactersAndReachTheLogicWithRefreshes) {
    Recorded recorded;
    QtDialogHost host(kSteamTableTemplate, recordInto(recorded), nullptr);
    recorded.refreshes = 0;
    QTest::keyClicks(control<QLineEdit>(host.window(), kIdPressure), "1234567890.5");
    EXPECT_EQ(host.text(kIdPressure), "123456789");
    EXPECT_EQ(recorded.edits, std::vector<int>(9, kIdPressure));
    EXPECT_EQ(recorded.refreshes, 9);
    EXPECT_TRUE(control<QLineEdit>(host.window(), kIdIterTemperature)->isReadOnly());
}

TEST(QtDialogHost, ClicksAndTheCloseBoxReachTheLogicWhichDecidesAboutClosing) {
    Recorded recorded;
    QtDialogHost host(kSteamTableTemplate, recordInto(recorded), nullptr);
    host.window().show();
    for (const int id : {kIdModePX, kIdHtmlOutput, kIdIterCalculate}) {
        // Near the left edge: radio and check box take clicks on their indicator and text only.
        QWidget* widget = control<QWidget>(host.window(), id);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }
    host.window().close();
    QTest::keyClick(&host.window(), Qt::Key_Escape);
    EXPECT_EQ(recorded.commands, (std::vector<int>{kIdModePX, kIdHtmlOutput, kIdIterCalculate,
                                                   kIdSteamBack, kIdSteamBack}));
    EXPECT_TRUE(host.window().isVisible());
    // The logic may clear a whole radio group, which Qt's exclusive groups would refuse.
    host.setChecked(kIdModePX, false);
    EXPECT_FALSE(control<QRadioButton>(host.window(), kIdModePX)->isChecked());
    EXPECT_EQ(host.text(4711), "") << "an unknown id reads as empty";
}

TEST(QtDialogHost, MovingFocusBetweenFieldsRefreshesDisplays) {
    Recorded recorded;
    QtDialogHost host(kSteamTableTemplate, recordInto(recorded), nullptr);
    host.window().show();
    QApplication::setActiveWindow(&host.window());
    control<QLineEdit>(host.window(), kIdPressure)->setFocus();
    const int refreshesBefore = recorded.refreshes;
    control<QLineEdit>(host.window(), kIdTemperature)->setFocus();
    EXPECT_GT(recorded.refreshes, refreshesBefore);
    EXPECT_TRUE(recorded.edits.empty());
}

TEST(QtDialogHost, SaveQuestionOffersTheNameRemembersTheFolderAndLeavesOverwritingToTheLogic) {
    const QTemporaryDir directory;
    QFile existing(directory.filePath("report.html"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    Recorded recorded;
    QtDialogHost host(kSteamTableTemplate, recordInto(recorded), nullptr);
    test::Watchdog watchdog;
    QStringList filters;
    QString offered;
    const auto isFileDialog = [](QWidget& window) {
        return qobject_cast<QFileDialog*>(&window) != nullptr;
    };
    test::inWindowWhere(isFileDialog, [&](QWidget& window) {
        auto& dialog = static_cast<QFileDialog&>(window);
        filters = dialog.nameFilters();
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        offered = name->text();
        // Typed as a user would: selectFile() leaves a focused name field alone.
        dialog.setDirectory(directory.path());
        name->setText("report");
        static_cast<QDialog&>(dialog).accept();
    });
    const FileQuestion question{"HTML files (*.html)", "*.html", "html", "steam table"};
    const auto path = host.askSaveFileName(question);
    EXPECT_EQ(path, directory.filePath("report.html").toStdString());
    EXPECT_EQ(filters, QStringList{"HTML files (*.html)"});
    EXPECT_EQ(offered, "steam table.html");
    QString startFolder;
    test::inWindowWhere(isFileDialog, [&](QWidget& window) {
        startFolder = static_cast<QFileDialog&>(window).directory().absolutePath();
        static_cast<QDialog&>(window).reject();
    });
    EXPECT_EQ(host.askOpenFileName(question), std::nullopt);
    EXPECT_EQ(startFolder, QDir(directory.path()).absolutePath()) << "the folder chosen last";
    EXPECT_FALSE(watchdog.fired) << "no question of the file dialog's own";
}

TEST(QtDialogHost, MessageBoxesAnswerYesOnlyForYesAndTellWhetherTheirBoxWasTicked) {
    Recorded recorded;
    QtDialogHost host(kSteamTableTemplate, recordInto(recorded), nullptr);
    test::Watchdog watchdog;
    const auto isBox = [](QWidget& window) { return qobject_cast<QMessageBox*>(&window); };
    test::inWindowWhere(isBox, [](QWidget& window) {
        static_cast<QMessageBox&>(window).button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(host.message("Overwrite?", "Warning", MessageButtons::kYesNo), MessageAnswer::kYes);
    test::inWindowWhere(isBox, [](QWidget& window) { window.close(); });
    EXPECT_EQ(host.message("Overwrite?", "Warning", MessageButtons::kYesNo), MessageAnswer::kNo);
    test::inWindowWhere(isBox, [](QWidget& window) {
        static_cast<QMessageBox&>(window).checkBox()->setChecked(true);
        window.close();
    });
    EXPECT_TRUE(host.messageWithCheckBox("Achtung", "p = 1bar.", "Don't show again"));
    EXPECT_FALSE(watchdog.fired);
}

// A result or a computed input keeps its full value at hand and stays selectable out of the Tab
// chain; a disabled input is disabled. Ctrl+C copies the selection of a field, or else the
// window's table.
TEST(QtDialogHost, FieldsOfferTheirFullValueAndCtrlCCopiesTheTable) {
    Recorded recorded;
    QtDialogHost host(kGasPropertyTemplate, recordInto(recorded), nullptr);
    host.window().show();
    QApplication::setActiveWindow(&host.window());
    auto* enthalpy = control<QLineEdit>(host.window(), kIdGasEnthalpy);
    host.setText(kIdGasEnthalpy, "411.7040");
    host.setToolTip(kIdGasEnthalpy, "411.70403123");
    EXPECT_EQ(host.toolTip(kIdGasEnthalpy), "411.70403123");
    host.setEnabled(kIdGasEnthalpy, false);
    EXPECT_FALSE(enthalpy->isEnabled());
    host.showAsResult(kIdGasEnthalpy);
    EXPECT_FALSE(host.enabled(kIdGasEnthalpy));
    EXPECT_TRUE(enthalpy->isEnabled() && enthalpy->isReadOnly()) << "a result, selectable";
    EXPECT_NE(enthalpy->palette().color(QPalette::Base),
              control<QLineEdit>(host.window(), kIdGasPressure)->palette().color(QPalette::Base));
    enthalpy->setFocus();
    QTest::keyClick(enthalpy, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(recorded.commands, std::vector<int>{kIdCopyTable});
    enthalpy->selectAll();
    QTest::keyClick(enthalpy, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(recorded.commands.size(), 1U) << "a selection is copied by the field itself";
    EXPECT_EQ(QApplication::clipboard()->text(), "411.7040");
    host.setClipboardText("v\t0.0010017977396906677\tm³/kg\n");
    EXPECT_EQ(toUtf8(QApplication::clipboard()->text()), "v\t0.0010017977396906677\tm³/kg\n");
    host.setText(kIdGasEnthalpy, "");
    EXPECT_EQ(host.toolTip(kIdGasEnthalpy), "") << "a new text drops the former value's tip";
}

// The tests run on a 1366 x 768 laptop at 125 %: 1093 x 614 logical px, of which a window's
// content gets at most 1093 x 590 beside the title bar. A window taller than that scrolls its
// controls, but the button that ends it stays in full view.
TEST(QtWindows, EveryWindowBuildsItsControlsAndFitsALaptopWithTheButtonThatEndsItInView) {
    ASSERT_EQ(QApplication::primaryScreen()->size(), QSize(1093, 614));
    Recorded recorded;
    std::vector<const DialogTemplate*> layouts{&kMainMenuTemplate};
    for (const app::ModuleRow& row : app::kModules) {
        if (row.hasWindow()) {
            layouts.push_back(row.layout);
        }
    }
    for (const DialogTemplate* layout : layouts) {
        SCOPED_TRACE(layout->resourceId);
        QtDialogHost host(*layout, recordInto(recorded), nullptr);
        QWidget& shown = host.window();
        EXPECT_EQ(shown.windowTitle().toStdString(), layout->caption);
        for (const ControlEntry& entry : layout->controls) {
            QWidget* widget = control<QWidget>(shown, entry.id);
            EXPECT_TRUE(entry.id == kStaticId ||
                        (widget && host.enabled(entry.id) == entry.enabled))
                << entry.id;
        }
        shown.show();
        QApplication::processEvents();
        EXPECT_LE(shown.width(), 1093);
        EXPECT_LE(shown.height(), 590);
        if (auto* button = control<QPushButton>(shown, layout->closeBoxId)) {
            EXPECT_EQ(button->visibleRegion().boundingRect(), button->rect());
            EXPECT_TRUE(
                shown.rect().contains(QRect(button->mapTo(&shown, QPoint(0, 0)), button->size())));
        }
        shown.hide();
    }
}

// Beside the laptop at 125 % the test screens are, as seen at 125 %, the laptop at 100 % and a
// 1920 x 1080 desktop at 125 %, each less its task bar: every window, as its logic fills it,
// fits both without a scroll bar, and the laptop at 125 % without a sideways one.
TEST(QtWindows, EveryWindowFitsALaptopAt100AndADesktopAt125PercentWithoutScrolling) {
    ASSERT_EQ(QApplication::screens().size(), 3);
    for (QScreen* screen : QApplication::screens()) {
        const bool laptopAt125 = screen == QApplication::screens().front();
        for (const app::ModuleRow* row = app::kModules.begin(); row != app::kModules.end(); ++row) {
            if (!row->hasWindow()) {
                continue;
            }
            SCOPED_TRACE(row->layout->resourceId);
            project::ModuleObjects objects;
            QtDialogHost host(
                *row->layout, [&](Port& port) { return row->makeLogic(port, objects); }, nullptr);
            QWidget& shown = host.window();
            shown.setScreen(screen);
            shown.move(screen->geometry().topLeft());
            shown.show();
            QApplication::processEvents();
            const auto* area = shown.findChild<QScrollArea*>();
            EXPECT_FALSE(area->horizontalScrollBar()->isVisible()) << screen->size().width();
            // the laptop at 125 % may scroll, but only down
            EXPECT_TRUE(laptopAt125 || !area->verticalScrollBar()->isVisible())
                << screen->size().width();
            shown.hide();
        }
    }
}

// The whole way of an engineer who looks up superheated steam at 50 bar and 400 °C.
TEST(QtWindows, SteamTableFromTheMenuShowsEnthalpyOfFiftyBarFourHundredDegrees) {
    project::ModuleObjects objects;
    QtValidityWindow validity;
    QtDialogHost menu(kMainMenuTemplate, app::mainMenuFactory(objects), &validity.window());
    test::Watchdog watchdog;
    QString enthalpy;
    inWindow(toQString(kMainMenuTemplate.caption), [&](QWidget& menuWindow) {
        inWindow(toQString(kSteamTableTemplate.caption), [&](QWidget& table) {
            inWindow(toQString(kSteamResultsTemplate.caption), [&](QWidget& results) {
                enthalpy = control<QLineEdit>(results, stateFieldId(water::kH))->text();
                click(results, kIdResultsValidity);
                click(results, kIdResultsOk);
            });
            click(table, kIdSteamOk);
            click(table, kIdSteamBack);
        });
        click(menuWindow, app::kIdSteamTable);
        menuWindow.close();
    });
    EXPECT_EQ(menu.exec(), app::kIdExitProgram) << "the close box ends the program";
    EXPECT_TRUE(enthalpy.startsWith("3196.59")) << enthalpy.toStdString();
    EXPECT_TRUE(validity.window().isVisible()) << "shown from the results";
    EXPECT_FALSE(watchdog.fired);
}

// The steam table of the program's objects, run modally; action acts inside it once it shows.
int runSteamTable(project::ModuleObjects& objects, const std::function<void(QWidget&)>& action) {
    const app::ModuleRow& row = *app::moduleOfMenuButton(app::kIdSteamTable);
    QtDialogHost table(
        *row.layout, [&](Port& port) { return row.makeLogic(port, objects); }, nullptr);
    inWindow(toQString(row.layout->caption), [&action](QWidget& window) {
        QApplication::setActiveWindow(&window);
        action(window);
    });
    return table.exec();
}

// The text at the left of field id.
QString fieldLabel(QWidget& window, int id) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() == control<QWidget>(window, id)) {
            return label->text();
        }
    }
    return {};
}

// 50 bar, 400 °C are 725.1887 psia, 752 °F; h = 3196.59 kJ/kg / 2.326 = 1374.29 BTU/lb, the
// boiling point 263.94 °C is 507.09 °F, and the unlabelled column of saturated liquid follows
// its row: h' = 1154.5 kJ/kg = 496.35 BTU/lb; the compressibility 0.021588 1/bar is 0.0014885
// 1/psi.
TEST(QtWindows, SteamTableInUsUnitsReadsAndShowsPsiaFahrenheitAndBtuPerPound) {
    const test::WindowUnitsScope units("us");
    project::ModuleObjects objects;
    test::Watchdog watchdog;
    std::vector<QString> shown;
    runSteamTable(objects, [&](QWidget& table) {
        inWindow(toQString(kSteamResultsTemplate.caption), [&](QWidget& results) {
            shown.insert(shown.end(),
                         {control<QLineEdit>(results, stateFieldId(water::kH))->text(),
                          fieldLabel(results, stateFieldId(water::kH)),
                          control<QLineEdit>(results, kIdResultTs)->text(),
                          control<QLineEdit>(results, liquidFieldId(water::kH))->text(),
                          fieldLabel(results, stateFieldId(water::kChi)),
                          control<QLineEdit>(results, stateFieldId(water::kChi))->text()});
            click(results, kIdResultsOk);
        });
        shown = {control<QLineEdit>(table, kIdPressure)->text(), fieldLabel(table, kIdPressure),
                 control<QLineEdit>(table, kIdTemperature)->text()};
        click(table, kIdSteamOk);
        click(table, kIdSteamBack);
    });
    ASSERT_EQ(shown.size(), 9U);
    EXPECT_EQ(shown[0], "725.1887");
    EXPECT_EQ(shown[1].toStdString(), "absolut pressure p [psia] =");
    EXPECT_EQ(shown[2], "752.0000");
    EXPECT_TRUE(shown[3].startsWith("1374.2")) << shown[3].toStdString();
    EXPECT_EQ(shown[4].toStdString(), "specific enthalpy h [BTU/lb]");
    EXPECT_TRUE(shown[5].startsWith("507.0")) << shown[5].toStdString();
    EXPECT_TRUE(shown[6].startsWith("496.3")) << shown[6].toStdString();
    EXPECT_EQ(shown[7].toStdString(), "isothermal compressibility chi [1/psi]");
    EXPECT_TRUE(shown[8].startsWith("0.001488")) << shown[8].toStdString();
    EXPECT_FALSE(watchdog.fired);
}

// 0.045 mm is 0.000045 m: an input shown in a larger unit keeps its digits, never "0.0000",
// which OK would read back as no roughness at all.
TEST(QtWindows, InputsShownInALargerUnitKeepTheirDigits) {
    const test::WindowUnitsScope units("d=m");
    project::ModuleObjects objects;
    objects.steamFlowProcess.setInput(processes::SteamFlowProcess::kInRoughness, 0.045);
    const app::ModuleRow& row = *app::moduleOfMenuButton(app::kIdSteamFlowProcess);
    QtDialogHost host(
        *row.layout, [&](Port& port) { return row.makeLogic(port, objects); }, nullptr);
    EXPECT_EQ(control<QLineEdit>(host.window(), kIdFlowRoughness)->text().toStdString(),
              "0.0000450");
}

// Typing straight after opening replaces the first input; Tab passes greyed and result fields.
TEST(QtKeyboard, DialogsOpenInTheirFirstInputAndTabRunsFromInputToInput) {
    project::ModuleObjects objects;
    test::Watchdog watchdog;
    std::vector<QString> stops;
    runSteamTable(objects, [&](QWidget& table) {
        QTest::keyClicks(table.focusWidget(), "77");
        control<QRadioButton>(table, kIdModePX)->click();
        for (int i = 0; i < 2; ++i) {
            stops.push_back(table.focusWidget()->objectName());
            QTest::keyClick(table.focusWidget(), Qt::Key_Tab);
        }
        stops.push_back(table.focusWidget()->objectName());
        QTest::keyClick(&table, Qt::Key_Escape);
    });
    EXPECT_EQ(stops, (std::vector<QString>{"control1008", "control1010", "control1012"}))
        << "from p past the greyed t to x, past the boiling point to h";
    EXPECT_DOUBLE_EQ(objects.steamState1.pressure(), 50.0) << "objects change on OK only";
    QString pressure;
    bool qualityOpen = false;
    runSteamTable(objects, [&](QWidget& table) {
        pressure = control<QLineEdit>(table, kIdPressure)->text();
        qualityOpen = control<QLineEdit>(table, kIdQuality)->isEnabled();
        QTest::keyClick(&table, Qt::Key_Escape);
    });
    EXPECT_EQ(pressure, "77") << "what was typed is there again";
    EXPECT_TRUE(qualityOpen) << "in the mode that was chosen";
    EXPECT_FALSE(watchdog.fired);
}

// Enter presses the button of the section the user types in, and a focused button itself.
TEST(QtKeyboard, EnterRunsTheSectionTheUserIsInAndTheFocusedButton) {
    Recorded recorded;
    QtDialogHost table(kSteamTableTemplate, recordInto(recorded), nullptr);
    table.window().show();
    QTest::keyClick(control<QLineEdit>(table.window(), kIdIterPressure), Qt::Key_Return);
    QTest::keyClick(control<QLineEdit>(table.window(), kIdPressure), Qt::Key_Enter);
    QtDialogHost menu(kMainMenuTemplate, recordInto(recorded), nullptr);
    QTest::keyClick(control<QPushButton>(menu.window(), app::kIdTools), Qt::Key_Return);
    EXPECT_EQ(recorded.commands, (std::vector<int>{kIdIterCalculate, kIdSteamOk, app::kIdTools}));
}

// Escape in the menu with changed inputs asks first; Cancel keeps the program running.
TEST(QtKeyboard, EscapeWithChangedInputsAsksAndCancelKeepsTheProgramRunning) {
    project::ModuleObjects objects;
    QtDialogHost menu(kMainMenuTemplate, app::mainMenuFactory(objects), nullptr);
    objects.steamState1.setPressure(77.0);
    test::Watchdog watchdog;
    const auto answer = [](QMessageBox::StandardButton button) {
        test::inWindowWhere(
            [](QWidget& w) { return qobject_cast<QMessageBox*>(&w) != nullptr; },
            [button](QWidget& box) { static_cast<QMessageBox&>(box).button(button)->click(); });
    };
    bool runningAfterCancel = false;
    inWindow(toQString(kMainMenuTemplate.caption), [&](QWidget& window) {
        answer(QMessageBox::Cancel);
        QTest::keyClick(&window, Qt::Key_Escape);
        runningAfterCancel = window.isVisible();
        answer(QMessageBox::No);
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    EXPECT_EQ(menu.exec(), app::kIdExitProgram);
    EXPECT_TRUE(runningAfterCancel);
    EXPECT_FALSE(watchdog.fired);
}

constexpr int kCanvasId = 1600;
constexpr auto kCanvasControls = std::to_array<ControlEntry>({
    {kCanvasId, ControlKind::kCanvas, "", 0, 0, ""},
});
constexpr DialogTemplate kCanvasTemplate{154, "canvas", kCanvasControls, 0};

output::DisplayList blackSquareOnAxis() {
    output::DisplayList drawing;
    drawing.fillRectangle({0, 0, 500, 500}, output::Colour::kWhite);
    drawing.polyline({{50, 20}, {50, 460}, {470, 460}});
    drawing.fillRectangle({200, 200, 300, 300}, output::Colour::kBlack);
    return drawing;
}

void expectCrispSquareOnAxis(const QImage& image) {
    ASSERT_EQ(image.size(), QSize(1000, 1000));
    for (const auto& [x, y, colour] : {std::array{99, 500, 0xffffff},
                                       {100, 500, 0x000000},
                                       {101, 500, 0x000000},
                                       {102, 500, 0xffffff},
                                       {500, 500, 0x000000},
                                       {800, 200, 0xffffff}}) {
        EXPECT_EQ(image.pixel(x, y) & 0xffffffU, static_cast<unsigned>(colour)) << x << "," << y;
    }
}

// At twice the size a 1 px line is two whole pixels wide, not three grey ones.
TEST(QtCanvas, ShowsADrawingScaledCrispAtTwiceItsSizeAndWritesItAsPng) {
    expectCrispSquareOnAxis(renderDisplayList(blackSquareOnAxis(), 1000));
    const QTemporaryDir folder;
    const std::string path = folder.filePath("diagram.png").toStdString();
    ASSERT_TRUE(savePng(blackSquareOnAxis(), path, 500));
    EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(500, 500));
    EXPECT_FALSE(savePng(blackSquareOnAxis(), path + "/no such folder/x.png", 500));
    // In a window the logic draws through the port; 500 logical px are 625 at 125 %.
    Recorded recorded;
    QtDialogHost host(kCanvasTemplate, recordInto(recorded), nullptr);
    host.draw(kCanvasId, blackSquareOnAxis());
    const QImage shown = control<QWidget>(host.window(), kCanvasId)->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(625, 625));
    EXPECT_EQ(shown.pixel(312, 312) & 0xffffffU, 0U);
    EXPECT_EQ(shown.pixel(150, 150) & 0xffffffU, 0xffffffU);
}

// The file renderer draws the canvas's pixels in a PNG the toolkit reads, with gaps in dashes.
TEST(DiagramFile, WritesAPngTheToolkitReadsWithTheCanvasPixels) {
    output::DisplayList drawing = blackSquareOnAxis();
    drawing.setPen(output::Colour::kBlack, output::PenStyle::kDashed);
    drawing.polyline({{100, 150}, {400, 150}});
    const std::string png = output::diagramFile(drawing, output::DiagramFormat::kPng, 1000);
    const QImage image = QImage::fromData(reinterpret_cast<const uchar*>(png.data()),
                                          static_cast<int>(png.size()), "PNG");
    expectCrispSquareOnAxis(image);
    int black = 0;
    for (int x = 200; x < 800; ++x) {
        black += (image.pixel(x, 300) & 0xffffffU) == 0 ? 1 : 0;
    }
    EXPECT_NEAR(black, 600 * output::kCanvasDash / (output::kCanvasDash + output::kCanvasGap), 12);
    EXPECT_LT(png.size(), 20000U);
}

// The vector files decode: the SVG as XML with an svg root of the square's size, the PDF with
// its header and one page.
TEST(DiagramFile, WritesAnSvgThatParsesAsXmlAndAOnePagePdf) {
    output::DisplayList drawing = blackSquareOnAxis();
    drawing.text({65, 10, 110, 60}, " T\n[°C] & <s>");
    QXmlStreamReader svg(
        QByteArray::fromStdString(output::diagramFile(drawing, output::DiagramFormat::kSvg)));
    ASSERT_TRUE(svg.readNextStartElement());
    EXPECT_EQ(svg.name(), QStringLiteral("svg"));
    EXPECT_EQ(svg.attributes().value(QStringLiteral("width")), QStringLiteral("500px"));
    while (!svg.atEnd()) {
        svg.readNext();
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    const QByteArray pdf =
        QByteArray::fromStdString(output::diagramFile(drawing, output::DiagramFormat::kPdf));
    EXPECT_TRUE(pdf.startsWith("%PDF-1."));
    EXPECT_TRUE(pdf.contains("/Type /Pages") && pdf.contains("/Count 1"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
}

}  // namespace
}  // namespace vaporis::ui
