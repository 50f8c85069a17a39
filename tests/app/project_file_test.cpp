#include "project/project_file.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "app/main_menu.h"
#include "app/project_actions.h"
#include "output/messages/messages.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"
#include "ui/gas/gas_property_dialog.h"

namespace vaporis::app {
namespace {

using Bytes = std::vector<std::uint8_t>;
using processes::GasThermalProcess;
using processes::SteamFlowProcess;

Bytes keptDefaults() {
    const std::string bytes = test::fileBytes(VAPORIS_TEST_DATA_DIR "/defaults.prj");
    return {bytes.begin(), bytes.end()};
}

double f64At(const Bytes& bytes, std::size_t offset) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        bits |= static_cast<std::uint64_t>(bytes.at(offset + i)) << (8 * i);
    }
    return std::bit_cast<double>(bits);
}

void putF64(Bytes& bytes, std::size_t offset, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < 8; ++i) {
        bytes.at(offset + i) = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

// Every module's inputs away from the defaults, the water/steam diagram included.
void changeEveryModule(project::ModuleObjects& o) {
    std::array<double, gas::kComponentCount> percent{};
    percent[gas::kNitrogen] = 79.0;
    percent[gas::kOxygen] = 21.0;
    o.gasAnalysis.setFromVolumePercent(percent);
    o.gasState1.setPressure(2.5);
    o.gasState2.setEnthalpy(120.0);
    o.gasThermalProcess.setType(processes::kStateBalance);
    ASSERT_TRUE(o.gasThermalProcess.setInput(GasThermalProcess::kMassFlow, 2.0));
    ASSERT_TRUE(o.gasThermalProcess.setInput(GasThermalProcess::kNormalVolumeFlow, 0.5));
    o.gasFlowProcess.setInput(processes::GasFlowProcess::kInNormalFlow, 0.25);
    o.gasFlowProcess.setInput(processes::GasFlowProcess::kInHeightDifference, 30.0);
    o.gasFlowProcess.setFreeFlow(true);
    o.steamState1 = water::WaterSteamState(water::kModePX, 10.0, NOT_SET, 0.9);
    o.steamState2.setTemperature(180.0);
    o.steamThermalProcess.setType(processes::kConstantEnthalpy);
    ASSERT_TRUE(o.steamThermalProcess.setInput(processes::SteamThermalProcess::kHeatLoss, 5.0));
    o.steamFlowProcess.setInput(SteamFlowProcess::kInVolumeFlow, 0.5);
    o.steamFlowProcess.setSolveMode(processes::kSolveDiameter);
    o.ambient.setInput(processes::AmbientData::kLevel, 1200.0);
    o.gasTsDiagram.tMax = 1200.0;
    o.steamTsDiagram.sMax = 9.5;
    o.steamTsDiagram.valuesShown[2] = false;
    o.steamTsDiagram.reserved[1] = 7.0;
}

TEST(ProjectFile, ProjectAtStartIsTheKeptDefaultsFile) {
    const project::ModuleObjects objects;
    const Bytes bytes = projectBytes(objects);
    ASSERT_EQ(bytes.size(), 12005U);
    EXPECT_EQ(bytes, keptDefaults());
    EXPECT_EQ((Bytes{bytes.begin(), bytes.begin() + 5}), (Bytes{0x22, 0x0F, 0x03, 0x00, 0x01}));
    // Blocks 2 and 3: three flags, then p and t of the gas states; 6 and 7: mode i32, three
    // flags, then p and t of the water/steam states.
    for (const std::size_t block : {1005U, 2005U}) {
        EXPECT_EQ(f64At(bytes, block + 3), 1.0);
        EXPECT_EQ(f64At(bytes, block + 11), 400.0);
    }
    for (const std::size_t block : {5005U, 6005U}) {
        EXPECT_EQ(f64At(bytes, block + 7), 50.0);
        EXPECT_EQ(f64At(bytes, block + 15), 400.0);
    }
    project::ModuleObjects loaded;
    changeEveryModule(loaded);
    ASSERT_EQ(readProjectBytes(keptDefaults(), loaded), project::ProjectResult::kOk);
    EXPECT_EQ(project::projectInputs(loaded), project::projectInputs(objects))
        << "both diagrams as at start";
}

TEST(ProjectFile, EveryModuleSurvivesASaveAndLoad) {
    project::ModuleObjects saved;
    changeEveryModule(saved);
    const test::TemporaryFolder folder;
    ASSERT_TRUE(project::writeProjectFile(folder.file("plant.prj"), saved));
    project::ModuleObjects loaded;
    ASSERT_EQ(readProjectFile(folder.file("plant.prj"), loaded), project::ProjectResult::kOk);
    EXPECT_EQ(project::projectInputs(loaded), project::projectInputs(saved));
    EXPECT_EQ(loaded.steamTsDiagram, saved.steamTsDiagram);
    // The analysis is recomputed: 21 vol % O2 in N2 is 23.3 mass % (M = 32.00 and 28.01).
    EXPECT_NEAR(loaded.gasAnalysis.massFraction(gas::kOxygen), 0.2330, 5e-4);
    // Flows are held per second and shown per hour.
    EXPECT_EQ(loaded.gasThermalProcess.result(GasThermalProcess::kShownMassFlow), 7200.0);
    EXPECT_EQ(loaded.steamFlowProcess.result(SteamFlowProcess::kVolumeFlow), 1800.0);
    // The gas's normal flows stand in slots of their own, after the shared ones.
    EXPECT_EQ(loaded.gasThermalProcess.result(GasThermalProcess::kShownNormalVolumeFlow), 1800.0);
    EXPECT_EQ(loaded.gasFlowProcess.result(processes::GasFlowProcess::kNormalFlow), 900.0);
}

TEST(ProjectFile, UnusableFilesAreRefusedAndChangeNothing) {
    const Bytes good = keptDefaults();
    struct Case {
        const char* what;
        Bytes bytes;
        std::string text;
    };
    std::vector<Case> cases;
    auto altered = [&](const char* what, auto change, auto message) {
        Bytes bytes = good;
        change(bytes);
        if constexpr (std::is_same_v<decltype(message), output::MessageId>) {
            cases.push_back({what, bytes, std::string(output::messageText(message))});
        } else {
            cases.push_back({what, bytes, std::string(kImpossibleValueText) + message + "."});
        }
    };
    altered(
        "7 bytes", [](Bytes& b) { b.resize(7); }, output::MessageId::kInvalidFileType);
    altered(
        "one byte short", [](Bytes& b) { b.pop_back(); }, output::MessageId::kInvalidFileType);
    altered(
        "25 components", [](Bytes& b) { b[5] = 25; }, output::MessageId::kInvalidFileType);
    altered(
        "flag 2", [](Bytes& b) { b[1005] = 2; }, output::MessageId::kInvalidFileType);
    altered(
        "process type 3", [](Bytes& b) { b[3005] = 3; }, output::MessageId::kInvalidFileType);
    altered(
        "NaN pressure", [](Bytes& b) { putF64(b, 5012, std::nan("")); },
        output::MessageId::kInvalidFileType);
    altered(
        "infinite diagram range",
        [](Bytes& b) { putF64(b, 11005, std::numeric_limits<double>::infinity()); },
        output::MessageId::kInvalidFileType);
    altered(
        "foreign, version 1", [](Bytes& b) { b[0] = 0; }, output::MessageId::kInvalidFileType);
    altered(
        "foreign, version 2",
        [](Bytes& b) {
            b[0] = 0;
            b[4] = 2;
        },
        output::MessageId::kInvalidFileType);
    altered(
        "text file",
        [](Bytes& b) {
            b.assign({'p', ' ', '[', 'b', 'a', 'r', ']', '\n', '1'});
        },
        output::MessageId::kInvalidFileType);
    altered(
        "version 2", [](Bytes& b) { b[4] = 2; }, output::MessageId::kFileFromNewerVersion);
    // Offsets: block k of 1000 bytes starts at 5 + 1000 (k - 1); a process block's values
    // follow its two choice bytes.
    altered(
        "steam flow per 7 s", [](Bytes& b) { putF64(b, 8007 + 8 * 2, 7.0); },
        "time factor of the steam flow (1 or 3600)");
    altered(
        "gas thermal time factor 0", [](Bytes& b) { putF64(b, 3007 + 8 * 3, 0.0); },
        "time factor of the gas thermal process (1 or 3600)");
    altered(
        "no component",
        [](Bytes& b) {
            for (std::size_t i = 0; i < gas::kComponentCount; ++i) {
                putF64(b, 7 + 8 * i, 0.0);
            }
        },
        "gas analysis without components");
    const test::TemporaryFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        project::ModuleObjects objects;
        changeEveryModule(objects);
        const project::ProjectInputs before = project::projectInputs(objects);
        const double oxygenBefore = objects.gasAnalysis.massFraction(gas::kOxygen);
        const auto path = folder.file("bad.prj");
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(c.bytes.data()),
                   static_cast<std::streamsize>(c.bytes.size()));
        test::ScriptedPort port;
        EXPECT_FALSE(loadProjectFile(port, objects, path.string()));
        ASSERT_EQ(port.messages().size(), 1U);
        EXPECT_EQ(port.messages()[0].text, c.text);
        EXPECT_EQ(port.messages()[0].caption, output::kCaptionError);
        EXPECT_EQ(project::projectInputs(objects), before);
        EXPECT_EQ(objects.gasAnalysis.massFraction(gas::kOxygen), oxygenBefore);
    }
}

TEST(ProjectActions, OverwriteIsAskedAndAFailedSaveSaysSo) {
    const test::TemporaryFolder folder;
    const std::string path = folder.file("old.prj").string();
    std::ofstream(path) << "old";
    project::ModuleObjects objects;
    test::ScriptedPort port;
    port.answerNextSaveQuestion(path);
    port.answerNextQuestion(ui::MessageAnswer::kNo);
    EXPECT_FALSE(saveProject(port, objects));
    ASSERT_EQ(port.messages().size(), 1U);
    EXPECT_EQ(port.messages()[0].text,
              output::messageText(output::MessageId::kFileExistsOverwrite));
    EXPECT_EQ(port.messages()[0].caption, output::kCaptionWarning);
    EXPECT_EQ(test::fileBytes(path), "old");

    const std::string missing = folder.file("missing/new.prj").string();
    port.answerNextSaveQuestion(missing);
    EXPECT_FALSE(saveProject(port, objects));
    ASSERT_EQ(port.messages().size(), 2U);
    EXPECT_EQ(port.messages()[1].text, std::string(kProjectNotWrittenText) + "\n\n" + missing +
                                           ": the folder does not exist");
}

TEST(MainMenu, StartFileOpensAProjectOrAGasAnalysisWithItsWindow) {
    const test::TemporaryFolder folder;
    project::ModuleObjects objects;
    test::ScriptedPort port;
    MainMenu menu(port, objects);
    menu.openAtStart(folder.file("absent.prj").string());
    ASSERT_EQ(port.messages().size(), 1U);
    EXPECT_EQ(port.messages()[0].text, output::messageText(output::MessageId::kFileNotFound));
    EXPECT_EQ(project::projectInputs(objects), project::projectInputs(project::ModuleObjects{}));

    std::array<double, gas::kComponentCount> methane{};
    methane[gas::kMethane] = 100.0;
    gas::GasAnalysis analysis;
    analysis.setFromVolumePercent(methane);
    ASSERT_TRUE(gas::writeGasFile(analysis, folder.file("FUEL.GAS")));
    menu.openAtStart(folder.file("FUEL.GAS").string());
    EXPECT_EQ(objects.gasAnalysis.volumeFraction(gas::kMethane), 1.0);
    ASSERT_EQ(port.children().size(), 1U);
    EXPECT_EQ(port.children()[0].resourceId, ui::kGasPropertyTemplate.resourceId);
}

}  // namespace
}  // namespace vaporis::app
