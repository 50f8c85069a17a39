#include "ui/ts_diagram.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "engine/water/if97_regions.h"
#include "engine/water/saturation.h"
#include "engine/water/water_steam_state.h"
#include "processes/steam_thermal_process.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"
#include "ui/messages.h"
#include "ui/ts_diagram_dialog.h"

namespace vaporis::ui {
namespace {

using processes::SteamThermalProcess;

template <typename Command>
std::vector<Command> all(const DisplayList& list) {
    std::vector<Command> found;
    for (const DrawCommand& command : list.commands()) {
        if (const auto* c = std::get_if<Command>(&command)) {
            found.push_back(*c);
        }
    }
    return found;
}

using Segment = std::pair<CanvasPoint, CanvasPoint>;

// The drawn straight lines, each LineTo with the point the pen came from; those after the
// first dashed pen when dashedOnly.
std::vector<Segment> segments(const DisplayList& list, bool dashedOnly = false) {
    std::vector<Segment> found;
    CanvasPoint at{0, 0};
    bool dashed = false;
    for (const DrawCommand& command : list.commands()) {
        if (const auto* pen = std::get_if<SetPen>(&command)) {
            dashed = dashed || pen->style == PenStyle::kDashed;
        } else if (const auto* move = std::get_if<MoveTo>(&command)) {
            at = move->to;
        } else if (const auto* line = std::get_if<LineTo>(&command)) {
            if (dashed || !dashedOnly) {
                found.emplace_back(at, line->to);
            }
            at = line->to;
        }
    }
    return found;
}

std::vector<CanvasPoint> circleCentres(const DisplayList& list) {
    std::vector<CanvasPoint> centres;
    for (const Circle& circle : all<Circle>(list)) {
        centres.push_back(circle.centre);
    }
    return centres;
}

// 50 bar 400 °C expanded with 85 % to 0.5 bar, into the wet region, then 200 kW lost.
class SteamDiagramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(process_.setInput(SteamThermalProcess::kIsentropicEta, 0.85));
        ASSERT_TRUE(process_.setInput(SteamThermalProcess::kMassFlow, 1.0));
        ASSERT_TRUE(process_.setInput(SteamThermalProcess::kHeatLoss, 200.0));
        ASSERT_EQ(process_.calculate(), 0);
        ASSERT_TRUE(process_.heatLossValid());
    }
    [[nodiscard]] CanvasPoint at(double t, double p, double x) const {
        int status = 0;
        const double s = x == NOT_SET ? water::entropy(p, t, status) : water::entropyFromPX(p, x);
        return toScreen(t, s, settings_);
    }

    water::WaterSteamState initial_{water::kModePT, 50.0, 400.0, NOT_SET};
    water::WaterSteamState final_{water::kModePT, 0.5, NOT_SET, NOT_SET};
    SteamThermalProcess process_{initial_, final_};
    TsDiagramSettings settings_;
};

TEST_F(SteamDiagramTest, StatesSitAtTheirEntropyAndTheDashedPathJoinsThem) {
    using P = SteamThermalProcess;
    ASSERT_GT(final_.quality(), 0.0);
    ASSERT_LT(final_.quality(), 1.0);
    const std::vector<CanvasPoint> states{
        at(400.0, 50.0, NOT_SET), at(final_.temperature(), 0.5, final_.quality()),
        at(process_.result(P::kTemperatureAfterLoss), 0.5, process_.result(P::kQualityAfterLoss))};
    const DisplayList list = steamTsDiagram(process_, settings_);
    EXPECT_EQ(circleCentres(list), states);
    EXPECT_EQ(segments(list, true),
              (std::vector<Segment>{{states[0], states[1]}, {states[1], states[2]}}));
    // The wet end's quality row pushes the block after heat loss down by one row.
    const std::vector<TextInRect> texts = all<TextInRect>(list);
    const auto t3 = std::find_if(texts.begin(), texts.end(),
                                 [](const TextInRect& t) { return t.text.starts_with("T3="); });
    ASSERT_NE(t3, texts.end());
    EXPECT_EQ(t3->rect.top, 165 + 15);
}

TEST_F(SteamDiagramTest, APointOnAnAxisEndIsNeitherCircledNorJoined) {
    settings_.tMax = 400.0;
    const DisplayList list = steamTsDiagram(process_, settings_);
    EXPECT_EQ(circleCentres(list).size(), 2U);
    EXPECT_EQ(segments(list, true).size(), 1U);
}

TEST_F(SteamDiagramTest, SaturationLineTopsNearTheCriticalEntropy) {
    settings_.isobaricLines = false;
    const std::vector<Segment> lines = segments(steamTsDiagram(process_, settings_));
    ASSERT_FALSE(lines.empty());
    const auto top = std::min_element(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        return a.second.y < b.second.y;
    });
    EXPECT_EQ(top->second.y, toScreen(373.846, 0.0, settings_).y);
    // IAPWS: s at the critical point 4.407 kJ/(kg K); 0.1 K below it the sides lie close.
    EXPECT_NEAR(top->second.x, toScreen(0.0, 4.407, settings_).x, 4);
}

TEST_F(SteamDiagramTest, IsobarsCrossTheWetRegionAtTheBoilingTemperature) {
    settings_.phaseChangeLine = false;
    const std::vector<Segment> lines = segments(steamTsDiagram(process_, settings_));
    // Steam tables at 0.5 bar: ts 81.32 °C, s' 1.0912 and s'' 7.5930 kJ/(kg K).
    const Segment wet{toScreen(81.32, 1.0912, settings_), toScreen(81.32, 7.5930, settings_)};
    const auto across = std::find_if(lines.begin(), lines.end(), [&wet](const Segment& line) {
        return std::abs(line.first.x - wet.first.x) <= 1 &&
               std::abs(line.second.x - wet.second.x) <= 1 &&
               std::abs(line.first.y - wet.first.y) <= 1 && line.second.y == line.first.y;
    });
    EXPECT_NE(across, lines.end());
    // An isobar above the critical pressure never runs level.
    process_.reset();
    initial_ = water::WaterSteamState{water::kModePT, 250.0, 500.0, NOT_SET};
    final_ = water::WaterSteamState{water::kModePT, 250.0, NOT_SET, NOT_SET};
    process_.setType(processes::kConstantEnthalpy);
    ASSERT_EQ(process_.calculate(), 0);
    for (const Segment& line : segments(steamTsDiagram(process_, settings_))) {
        EXPECT_LE(std::abs(line.second.x - line.first.x), 8);
    }
}

// Dialog 154 over the same process.
class TsDiagramDialogTest : public SteamDiagramTest {
protected:
    void SetUp() override {
        SteamDiagramTest::SetUp();
        dialog_.opened();
    }
    void redrawWith(const char* tMin, const char* tMax) {
        port_.typeText(kIdTsTMin, tMin);
        port_.typeText(kIdTsTMax, tMax);
        dialog_.command(kIdTsRedraw);
    }
    test::ScriptedPort port_;
    SteamTsDiagramDialog dialog_{port_, process_, settings_};
};

TEST_F(TsDiagramDialogTest, RefusedRangesKeepTheSettings) {
    const std::string refused(messageText(MessageId::kTemperatureLimitsOutOfRange));
    for (const auto& [tMin, tMax] :
         {std::pair{"0", "800"}, std::pair{"300", "300"}, std::pair{"10", "2100"}}) {
        redrawWith(tMin, tMax);
        ASSERT_FALSE(port_.messages().empty()) << tMin << " " << tMax;
        EXPECT_EQ(port_.messages().back().text, refused);
    }
    redrawWith("x", "800");
    EXPECT_EQ(port_.messages().back().text, messageText(MessageId::kInputDataError));
    EXPECT_EQ(settings_.tMin, 0.0);
    redrawWith("20", "600");
    EXPECT_EQ(port_.messages().size(), 4U);
    EXPECT_EQ(settings_.tMax, 600.0);
    EXPECT_EQ(*port_.drawing(kIdTsCanvas), steamTsDiagram(process_, settings_));
    redrawWith("20", "999");  // a limit like any other, shown again on opening
    dialog_.opened();
    EXPECT_EQ(port_.text(kIdTsTMax), "999.0");
}

TEST_F(TsDiagramDialogTest, SavesTheDrawingAsSvgAndPng) {
    const test::TemporaryFolder folder;
    port_.answerNextSaveQuestion(folder.file("diagram.svg").string());
    dialog_.command(kIdTsSaveSvg);
    port_.answerNextSaveQuestion(folder.file("diagram.png").string());
    dialog_.command(kIdTsSavePng);
    EXPECT_EQ(port_.lastFileQuestion()->suggestedName, "TS-diagram");
    EXPECT_TRUE(port_.messages().empty());
    EXPECT_EQ(port_.pngEncodings(), 1);
    EXPECT_NE(test::fileBytes(folder.file("diagram.svg")).find("<svg"), std::string::npos);
    EXPECT_EQ(test::fileBytes(folder.file("diagram.png")).rfind("\x89PNG", 0), 0U);
}

}  // namespace
}  // namespace vaporis::ui
