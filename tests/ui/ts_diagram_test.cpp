#include "output/diagrams/ts_diagram.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "engine/gas/component_data.h"
#include "engine/gas/gas_analysis.h"
#include "engine/gas/gas_state.h"
#include "engine/water/if97_regions.h"
#include "engine/water/saturation.h"
#include "engine/water/water_steam_state.h"
#include "output/diagrams/hs_diagram.h"
#include "output/messages/messages.h"
#include "output/units/units.h"
#include "processes/thermal/gas_thermal_process.h"
#include "processes/thermal/steam_thermal_process.h"
#include "processes/thermal/thermal_process.h"
#include "support/scripted_port.h"
#include "support/temporary_folder.h"
#include "ui/thermal/ts_diagram_dialog.h"

namespace vaporis::ui {
namespace {

using processes::SteamThermalProcess;

template <typename Command>
std::vector<Command> all(const output::DisplayList& list) {
    std::vector<Command> found;
    for (const output::DrawCommand& command : list.commands()) {
        if (const auto* c = std::get_if<Command>(&command)) {
            found.push_back(*c);
        }
    }
    return found;
}

using Segment = std::pair<output::CanvasPoint, output::CanvasPoint>;

// The straight pieces of the curves drawn after the axes and their texts (the last of which is
// the s axis's title); those after the first dashed pen when dashedOnly.
std::vector<Segment> segments(const output::DisplayList& list, bool dashedOnly = false) {
    std::vector<Segment> found;
    bool frameDone = false;
    bool dashed = false;
    for (const output::DrawCommand& command : list.commands()) {
        if (const auto* pen = std::get_if<output::SetPen>(&command)) {
            dashed = dashed || pen->style == output::PenStyle::kDashed;
        } else if (const auto* text = std::get_if<output::TextInRect>(&command)) {
            frameDone = frameDone || text->text == " s [kJ/kgK]";
        } else if (const auto* line = std::get_if<output::Polyline>(&command)) {
            for (std::size_t i = 1; frameDone && (dashed || !dashedOnly) && i < line->points.size();
                 ++i) {
                found.emplace_back(line->points[i - 1], line->points[i]);
            }
        }
    }
    return found;
}

// Every curve stays in the frame of the axes and has no zero-length piece.
void expectCurvesInFrame(const output::DisplayList& list) {
    const std::vector<Segment> lines = segments(list);
    ASSERT_GT(lines.size(), 100U);
    for (const auto& [from, to] : lines) {
        EXPECT_NE(from, to);
        for (const output::CanvasPoint& p : {from, to}) {
            EXPECT_TRUE(p.x >= 50.0 && p.x <= 450.0 && p.y >= 40.0 && p.y <= 460.0)
                << p.x << "," << p.y;
        }
    }
}

bool overlap(const output::CanvasRect& a, const output::CanvasRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::vector<output::CanvasPoint> circleCentres(const output::DisplayList& list) {
    std::vector<output::CanvasPoint> centres;
    for (const output::Circle& circle : all<output::Circle>(list)) {
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
    [[nodiscard]] output::CanvasPoint at(double t, double p, double x) const {
        int status = 0;
        const double s = x == NOT_SET ? water::entropy(p, t, status) : water::entropyFromPX(p, x);
        return toScreen(t, s, settings_);
    }

    water::WaterSteamState initial_{water::kModePT, 50.0, 400.0, NOT_SET};
    water::WaterSteamState final_{water::kModePT, 0.5, NOT_SET, NOT_SET};
    SteamThermalProcess process_{initial_, final_};
    output::TsDiagramSettings settings_;
};

TEST_F(SteamDiagramTest, StatesSitAtTheirEntropyAndTheDashedPathJoinsThem) {
    using P = SteamThermalProcess;
    ASSERT_GT(final_.quality(), 0.0);
    ASSERT_LT(final_.quality(), 1.0);
    const std::vector<output::CanvasPoint> states{
        at(400.0, 50.0, NOT_SET), at(final_.temperature(), 0.5, final_.quality()),
        at(process_.result(P::kTemperatureAfterLoss), 0.5, process_.result(P::kQualityAfterLoss))};
    const output::DisplayList list = steamTsDiagram(process_, settings_);
    EXPECT_EQ(circleCentres(list), states);
    EXPECT_EQ(segments(list, true),
              (std::vector<Segment>{{states[0], states[1]}, {states[1], states[2]}}));
    // The wet end's quality row pushes the block after heat loss down by one row.
    const std::vector<output::TextInRect> texts = all<output::TextInRect>(list);
    const auto t3 = std::find_if(texts.begin(), texts.end(), [](const output::TextInRect& t) {
        return t.text.starts_with("T3=");
    });
    ASSERT_NE(t3, texts.end());
    EXPECT_EQ(t3->rect.top, 165 + 15);
}

TEST_F(SteamDiagramTest, APointOnAnAxisEndIsNeitherCircledNorJoined) {
    settings_.tMax = 400.0;
    const output::DisplayList list = steamTsDiagram(process_, settings_);
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
    EXPECT_NEAR(top->second.y, toScreen(373.846, 0.0, settings_).y, 1.0);
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

// The default range from 0 °C and a narrow one that cuts the level parts of both isobars: no
// curve leaves the frame, and none starts from an error marker below the triple point.
TEST_F(SteamDiagramTest, CurvesStayInsideTheAxesFrame) {
    expectCurvesInFrame(steamTsDiagram(process_, settings_));
    settings_ = output::TsDiagramSettings{50.0, 450.0, 5.0, 8.0};
    expectCurvesInFrame(steamTsDiagram(process_, settings_));
}

// A small heat loss puts state 3 just beside state 2: its number moves off circle 2.
TEST_F(SteamDiagramTest, StateNumbersCoverNoCircleAndNoValues) {
    process_.reset();
    ASSERT_TRUE(process_.setInput(SteamThermalProcess::kIsentropicEta, 0.85));
    ASSERT_TRUE(process_.setInput(SteamThermalProcess::kMassFlow, 1.0));
    ASSERT_TRUE(process_.setInput(SteamThermalProcess::kHeatLoss, 20.0));
    ASSERT_EQ(process_.calculate(), 0);
    settings_ = output::TsDiagramSettings{50.0, 450.0, 5.0, 8.0};
    const output::DisplayList list = steamTsDiagram(process_, settings_);
    const std::vector<output::CanvasPoint> centres = circleCentres(list);
    ASSERT_EQ(centres.size(), 3U);
    for (const output::TextInRect& text : all<output::TextInRect>(list)) {
        if (text.text.size() != 1 || text.text[0] < '1' || text.text[0] > '3') {
            continue;
        }
        for (std::size_t i = 0; i < centres.size(); ++i) {
            const auto x = static_cast<int>(centres[i].x);
            const auto y = static_cast<int>(centres[i].y);
            if (i != static_cast<std::size_t>(text.text[0] - '1')) {
                EXPECT_FALSE(overlap(text.rect, {x - 5, y - 5, x + 6, y + 6})) << text.text;
            }
        }
        EXPECT_GT(text.rect.left, 65 + 130) << "right of the value blocks";
    }
}

// The place of (s, h) on axes that span x 50..450 and y 460..40.
output::CanvasPoint hsPlace(double s, double h, const output::HsDiagramRanges& r) {
    return {50.0 + (s - r.sMin) * 400.0 / (r.sMax - r.sMin),
            460.0 - (h - r.hMin) * 420.0 / (r.hMax - r.hMin)};
}

// Steam tables (IAPWS-95): 50 bar 400 °C h 3196.7 kJ/kg, s 6.6483 kJ/(kg K); at 0.5 bar h' 340.54,
// h'' 2645.2, s' 1.0912, s'' 7.5931. The expansion with 85 % and the 200 kW loss by hand.
TEST_F(SteamDiagramTest, HsStatesSitAtTheSteamTableStates) {
    const double hl = 340.54, hv = 2645.2, sl = 1.0912, sv = 7.5931, h1 = 3196.7, s1 = 6.6483;
    const double h2 = h1 - 0.85 * (h1 - (hl + (s1 - sl) / (sv - sl) * (hv - hl)));
    const auto wetEntropy = [&](double h) { return sl + (h - hl) / (hv - hl) * (sv - sl); };
    const output::HsDiagramRanges ranges = output::hsRangesFor(process_);
    const output::DisplayList list = steamHsDiagram(process_, settings_, ranges);
    const std::vector<output::CanvasPoint> expected{
        hsPlace(s1, h1, ranges), hsPlace(wetEntropy(h2), h2, ranges),
        hsPlace(wetEntropy(h2 - 200.0), h2 - 200.0, ranges)};
    const std::vector<output::CanvasPoint> centres = circleCentres(list);
    ASSERT_EQ(centres.size(), 3U);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(centres[i].x, expected[i].x, 1.0) << "state " << i + 1;
        EXPECT_NEAR(centres[i].y, expected[i].y, 1.0) << "state " << i + 1;
    }
    expectCurvesInFrame(list);
}

// IAPWS: the critical point at h 2087.5 kJ/kg, s 4.412 kJ/(kg K) joins the two sides; the
// highest saturated vapour enthalpy is 2803.3 kJ/kg (near 30 bar).
TEST_F(SteamDiagramTest, HsSaturationLineJoinsAtTheCriticalPoint) {
    settings_.isobaricLines = false;
    const output::HsDiagramRanges ranges{0.0, 4000.0, 0.0, 10.0};
    const std::vector<Segment> lines = segments(steamHsDiagram(process_, settings_, ranges));
    const output::CanvasPoint critical = hsPlace(4.412, 2087.5, ranges);
    const auto near = [&critical](const Segment& line) {
        return std::hypot(line.second.x - critical.x, line.second.y - critical.y) < 0.5;
    };
    EXPECT_NE(std::find_if(lines.begin(), lines.end(), near), lines.end());
    const auto top = std::min_element(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        return a.second.y < b.second.y;
    });
    EXPECT_NEAR(top->second.y, hsPlace(0.0, 2803.3, ranges).y, 0.5);
}

// Digits after the point of a number's text.
int decimalsOf(const std::string& text) {
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.find(' ', point) - point - 1);
}

// In US units every tick and value is the written one converted by the published factors:
// 1 psi = 6894.757293168 Pa, °F = °C 9/5 + 32, 1 BTU/lb = 2.326 kJ/kg, so 1 BTU/(lb °F) =
// 4.1868 kJ/(kg K); the h-s diagram's ticks sit at whole BTU/lb.
TEST_F(SteamDiagramTest, UsUnitsShowTheWrittenTicksAndValuesConverted) {
    const output::UnitChoice us = *output::presetChoice("us");
    const std::vector<output::TextInRect> written =
        all<output::TextInRect>(steamTsDiagram(process_, settings_));
    const std::vector<output::TextInRect> shown =
        all<output::TextInRect>(steamTsDiagram(process_, settings_, us));
    ASSERT_EQ(shown.size(), written.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::string& w = written[i].text;
        const std::string& u = shown[i].text;
        std::function<double(double)> convert = [](double v) { return v; };
        if (w[0] == 'p') {
            convert = [](double p) { return p * 1e5 / 6894.757293168; };
        } else if (w[0] == 'T' || (written[i].rect.left <= 20 && written[i].rect.top < 470)) {
            convert = [](double t) { return t * 9.0 / 5.0 + 32.0; };
        } else if (w[0] == 'h') {
            convert = [](double h) { return h / 2.326; };
        } else if (written[i].rect.top == 470) {
            convert = [](double s) { return s / 4.1868; };
        } else if (w[0] == ' ') {
            continue;  // the axis titles
        }
        const double slope = std::abs(convert(1.0) - convert(0.0));
        const double tolerance =
            0.5 * std::pow(10.0, -decimalsOf(u)) + slope * 0.5 * std::pow(10.0, -decimalsOf(w));
        EXPECT_NEAR(std::stod(u.substr(u.find('=') + 1)),
                    convert(std::stod(w.substr(w.find('=') + 1))), tolerance)
            << w << " -> " << u;
    }
    EXPECT_EQ(shown[0].text, " T\n[°F]");
    EXPECT_EQ(shown[4].text, " s [BTU/lb°F]");
    EXPECT_EQ(shown[8].text, "p1=725.19 psia");
    // The ranges chosen in BTU/lb end on ticks too.
    const output::HsDiagramRanges ranges = output::hsRangesFor(process_, us);
    std::vector<int> tops;
    for (const output::TextInRect& tick :
         all<output::TextInRect>(steamHsDiagram(process_, settings_, ranges, us))) {
        if (tick.rect.right == 42) {
            const double h = std::stod(tick.text) * 2.326;
            EXPECT_NEAR(tick.rect.top + 7, hsPlace(0.0, h, ranges).y, 1.0) << tick.text;
            tops.push_back(tick.rect.top);
        }
    }
    ASSERT_GE(tops.size(), 4U);
    EXPECT_EQ(tops.front(), 460 - 7);
    EXPECT_EQ(tops.back(), 40 - 7);
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
    const std::string refused(output::messageText(output::MessageId::kTemperatureLimitsOutOfRange));
    for (const auto& [tMin, tMax] :
         {std::pair{"-1", "800"}, std::pair{"300", "300"}, std::pair{"10", "2100"}}) {
        redrawWith(tMin, tMax);
        ASSERT_FALSE(port_.messages().empty()) << tMin << " " << tMax;
        EXPECT_EQ(port_.messages().back().text, refused);
    }
    redrawWith("x", "800");
    EXPECT_EQ(port_.messages().back().text,
              output::messageText(output::MessageId::kInputDataError));
    EXPECT_EQ(settings_.tMin, 0.0);
    redrawWith("20", "600");
    EXPECT_EQ(port_.messages().size(), 4U);
    EXPECT_EQ(settings_.tMax, 600.0);
    EXPECT_EQ(*port_.drawing(kIdTsCanvas), steamTsDiagram(process_, settings_));
    redrawWith("20", "999");  // a limit like any other, shown again on opening
    dialog_.opened();
    EXPECT_EQ(port_.text(kIdTsTMax), "999.0");
}

// The defaults from 0 °C draw; the h-s choice shows its own ranges and draws them.
TEST_F(TsDiagramDialogTest, DefaultRangeRedrawsAndTheHsChoiceDrawsItsRanges) {
    dialog_.command(kIdTsRedraw);
    EXPECT_TRUE(port_.messages().empty());
    port_.chooseRadio(kIdTsKindHs, {kIdTsKindTs, kIdTsKindHs});
    dialog_.command(kIdTsKindHs);
    EXPECT_FALSE(port_.enabled(kIdTsTMin));
    const output::HsDiagramRanges chosen = output::hsRangesFor(process_);
    EXPECT_EQ(*port_.drawing(kIdTsCanvas), steamHsDiagram(process_, settings_, chosen));
    port_.typeText(kIdTsHMin, "2000");
    port_.typeText(kIdTsHMax, "1000");
    dialog_.command(kIdTsRedraw);
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].text, output::messageText(output::MessageId::kInputDataError));
}

TEST_F(TsDiagramDialogTest, SavesSvgPngAndPdfAndSaysWhenAFileCannotBeWritten) {
    const test::TemporaryFolder folder;
    for (const auto& [id, name, start] :
         {std::tuple{kIdTsSaveSvg, "d.svg", "<?xml"}, std::tuple{kIdTsSavePng, "d.png", "\x89PNG"},
          std::tuple{kIdTsSavePdf, "d.pdf", "%PDF-"}}) {
        port_.answerNextSaveQuestion(folder.file(name).string());
        dialog_.command(id);
        EXPECT_EQ(test::fileBytes(folder.file(name)).rfind(start, 0), 0U) << name;
        EXPECT_EQ(port_.lastFileQuestion()->suggestedName, "TS-diagram");
    }
    EXPECT_TRUE(port_.messages().empty());
    port_.answerNextSaveQuestion(folder.file("no such folder/d.png").string());
    dialog_.command(kIdTsSavePng);
    ASSERT_EQ(port_.messages().size(), 1U);
    EXPECT_EQ(port_.messages()[0].text.rfind(kDiagramNotWrittenText, 0), 0U);
}

// Flue gas H2O 15, N2 72, O2 5, CO2 8 vol % expanded isentropically from 3 bar 130 °C to
// 1 bar, below its dew point, then cooled by 20 kW: with its condensate the cooling lowers the
// entropy (s2 6.925, s3 6.864 kJ/(kg K)), and state 2 lies on the drawn 1 bar isobar.
TEST(GasDiagram, CoolingBelowTheDewPointLowersTheEntropyAndStaysOnTheIsobar) {
    std::array<double, gas::kComponentCount> percent{};
    percent[gas::kWaterVapor] = 15.0;
    percent[gas::kNitrogen] = 72.0;
    percent[gas::kOxygen] = 5.0;
    percent[gas::kCarbonDioxide] = 8.0;
    gas::GasAnalysis analysis;
    analysis.setFromVolumePercent(percent);
    gas::GasState initial;
    gas::GasState final;
    initial.bind(analysis);
    final.bind(analysis);
    initial.setPressure(3.0);
    initial.setTemperature(130.0);
    final.setPressure(1.0);
    processes::GasThermalProcess process(initial, final);
    process.setType(processes::kIsentropicEfficiency);
    for (const auto& [slot, value] : {std::pair{processes::GasThermalProcess::kIsentropicEta, 1.0},
                                      std::pair{processes::GasThermalProcess::kTimeFactor, 1.0},
                                      std::pair{processes::GasThermalProcess::kMassFlow, 1.0},
                                      std::pair{processes::GasThermalProcess::kHeatLoss, 20.0}}) {
        ASSERT_TRUE(process.setInput(slot, value));
    }
    ASSERT_EQ(process.calculate(), processes::ThermalProcessStatus::kCondensedInFinalState);
    const output::TsDiagramSettings settings{0.0, 200.0, 6.0, 8.0};
    const output::DisplayList list = gasTsDiagram(process, settings);
    const std::vector<output::CanvasPoint> centres = circleCentres(list);
    ASSERT_EQ(centres.size(), 3U);
    EXPECT_NEAR(centres[1].x, toScreen(0.0, 6.925, settings).x, 1.0);
    EXPECT_NEAR(centres[2].x, toScreen(0.0, 6.864, settings).x, 1.0);
    const std::vector<Segment> lines = segments(list);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&centres](const Segment& line) {
        return std::abs(line.first.y - centres[1].y) <= 2.0 &&
               std::abs(line.first.x - centres[1].x) <= 2.0;
    })) << "an isobar point at state 2";
}

}  // namespace
}  // namespace vaporis::ui
