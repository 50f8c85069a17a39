#include "ui/ts_diagram.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <fmt/printf.h>

#include "engine/common/not_set.h"
#include "engine/gas/mixture.h"
#include "engine/water/if97_regions.h"
#include "engine/water/saturation.h"
#include "processes/module_rules.h"

namespace vaporis::ui {

namespace {

using processes::GasThermalProcess;
using processes::SteamThermalProcess;

constexpr double kCriticalPressure = 220.64;     // [bar]
constexpr double kSaturationTop = 373.846;       // 0.1 K below the critical point [°C]
constexpr double kSaturationTopGuard = 373.946;  // [°C]
constexpr double kIsobarStep = 1.0;              // [K]
constexpr int kCircleRadius = 5;
constexpr int kFarAway = 1000000;  // [px]
// Steps of one curve at most: 1 K steps over any accepted range stay far below it, and a range
// beyond the formulations (or so wide that a step no longer changes T) ends there.
constexpr int kMaxCurveSteps = 20000;
constexpr int kRowHeight = 15;
constexpr int kQualityRowShift = 15;
constexpr int kValueLeft = 65;
constexpr int kValueWidth = 80;
constexpr int kEnthalpyWidth = 90;
constexpr std::array<int, TsDiagramSettings::kStates> kBlockTops{55, 110, 165};

processes::DiagramRanges rangesOf(const TsDiagramSettings& settings) {
    return {settings.tMin, settings.tMax, settings.sMin, settings.sMax};
}

struct PlotPoint {
    double t;
    double s;
};

//! One text row of a value block: its line in the block, width [px] and text.
struct ValueRow {
    int line;
    int width;
    std::string text;
};

//! The p, T, h and x rows of a state; a quality row pushes the following blocks down.
struct ValueBlock {
    std::vector<ValueRow> rows;
    bool hasQuality = false;
};

//! What a diagram shows of a process, whichever its medium.
struct DiagramContent {
    double p1 = NOT_SET;
    double p2 = NOT_SET;
    std::array<std::optional<ValueBlock>, TsDiagramSettings::kStates> blocks;
    std::array<std::optional<PlotPoint>, TsDiagramSettings::kStates> points;
};

class CurvePen;
using Saturation = std::function<void(CurvePen&)>;
using Isobar = std::function<void(CurvePen&, double p)>;

//! Draws curves point by point: a point outside the ranges, and the first of each curve, only
//! moves the pen.
class CurvePen {
public:
    CurvePen(DisplayList& list, const TsDiagramSettings& settings)
        : list_(list), settings_(settings) {}

    void start(double t, double s) { list_.moveTo(toScreen(t, s, settings_)); }
    void plot(double t, double s) {
        const CanvasPoint point = toScreen(t, s, settings_);
        if (inside(t, s, settings_)) {
            list_.lineTo(point);
        } else {
            list_.moveTo(point);
        }
    }

private:
    DisplayList& list_;
    const TsDiagramSettings& settings_;
};

std::string number(std::string_view format, double value) {
    return fmt::sprintf(format, value);
}

void drawFrame(DisplayList& list, const TsDiagramSettings& settings) {
    list.fillRectangle({0, 0, kCanvasSize, kCanvasSize}, Colour::kWhite);
    list.setPen(Colour::kBlack, PenStyle::kSolid);
    list.polyline({{460, 455}, {470, 460}, {460, 465}});
    list.polyline({{45, 30}, {50, 20}, {55, 30}});
    list.polyline({{50, 20}, {50, 460}, {470, 460}});
    for (const int x : {50, 250, 450}) {
        list.polyline({{x, 455}, {x, 465}});
    }
    for (const int y : {460, 250, 40}) {
        list.polyline({{45, y}, {55, y}});
    }
    list.text({65, 10, 110, 60}, " T\n[°C]");
    list.text({20, 33, 60, 50}, number("%.0lf", settings.tMax));
    list.text({20, 243, 70, 275}, number("%.0lf", (settings.tMax + settings.tMin) / 2.0));
    list.text({20, 453, 70, 480}, number("%.0lf", settings.tMin));
    // Moved left from x = 445 so the whole title fits in the square at the drawing's font.
    list.text({430, 435, 500, 470}, " s [kJ/kgK]");
    list.text({438, 470, 520, 500}, number("%.2lf", settings.sMax));
    list.text({240, 470, 290, 500}, number("%.2lf", (settings.sMax + settings.sMin) / 2.0));
    list.text({40, 470, 90, 500}, number("%.2lf", settings.sMin));
}

double liquidEntropy(double t) {
    int status = 0;
    return water::entropySatLiquid(water::vaporPressure(t, status), status);
}

double vapourEntropy(double t) {
    int status = 0;
    return water::entropySatVapor(water::vaporPressure(t, status), status);
}

// Up the liquid side to just below the critical point, across, and down the vapour side.
void drawSaturationLine(CurvePen& pen, const TsDiagramSettings& settings) {
    double t = settings.tMin;
    pen.start(t, liquidEntropy(t));
    for (int step = 0; t < kSaturationTop && step < kMaxCurveSteps; ++step) {
        t += kIsobarStep;
        if (t >= kSaturationTopGuard) {
            t = kSaturationTop;
        }
        pen.plot(t, liquidEntropy(t));
    }
    pen.plot(t, vapourEntropy(t));
    for (int step = 0; t > settings.tMin && step < kMaxCurveSteps; ++step) {
        t = std::max(t - kIsobarStep, settings.tMin);
        pen.plot(t, vapourEntropy(t));
    }
}

double steamEntropy(double p, double t) {
    int status = 0;
    return water::entropy(p, t, status);
}

// Steps the temperature up to tMax along an isobar whose entropy s(t) gives.
template <typename Entropy>
void climbToTop(CurvePen& pen, double t, const TsDiagramSettings& settings, Entropy entropy) {
    for (int step = 0; t < settings.tMax && step < kMaxCurveSteps; ++step) {
        t = std::min(t + kIsobarStep, settings.tMax);
        pen.plot(t, entropy(t));
    }
}

// A subcritical isobar runs straight across the two-phase region at its boiling temperature.
void drawSteamIsobar(CurvePen& pen, double p, const TsDiagramSettings& settings) {
    const auto entropy = [p](double t) { return steamEntropy(p, t); };
    double t = settings.tMin;
    pen.start(t, entropy(t));
    if (p < kCriticalPressure) {
        int status = 0;
        const double ts = water::boilingTemperature(p, status);
        for (int step = 0; t < ts - 0.0011 && step < kMaxCurveSteps; ++step) {
            t += kIsobarStep;
            if (t <= ts - 0.001) {
                pen.plot(t, entropy(t));
            } else {
                t = ts;
                pen.plot(t, water::entropySatLiquid(p, status));
            }
        }
        pen.plot(ts, water::entropySatVapor(p, status));
    }
    climbToTop(pen, t, settings, entropy);
}

void drawGasIsobar(CurvePen& pen, const gas::GasAnalysis& analysis, double p,
                   const TsDiagramSettings& settings) {
    const auto entropy = [&analysis, p](double t) {
        int status = 0;
        return gas::mixtureEntropy(analysis, p, t, status);
    };
    pen.start(settings.tMin, entropy(settings.tMin));
    climbToTop(pen, settings.tMin, settings, entropy);
}

void drawValueBlocks(DisplayList& list, const DiagramContent& content) {
    int offset = 0;
    for (int i = 0; i < TsDiagramSettings::kStates; ++i) {
        if (!content.blocks[i]) {
            continue;
        }
        const int top = kBlockTops[i] + offset;
        for (const ValueRow& row : content.blocks[i]->rows) {
            const int y = top + row.line * kRowHeight;
            list.text({kValueLeft, y, kValueLeft + row.width, y + kRowHeight}, row.text);
        }
        if (content.blocks[i]->hasQuality) {
            offset += kQualityRowShift;
        }
    }
}

void drawStates(DisplayList& list, const DiagramContent& content,
                const TsDiagramSettings& settings) {
    std::array<std::optional<CanvasPoint>, TsDiagramSettings::kStates> visible;
    for (int i = 0; i < TsDiagramSettings::kStates; ++i) {
        const std::optional<PlotPoint>& point = content.points[i];
        if (!point || !inside(point->t, point->s, settings)) {
            continue;
        }
        const CanvasPoint at = toScreen(point->t, point->s, settings);
        visible[i] = at;
        if (settings.stateShown[i]) {
            list.circle(at, kCircleRadius);
            list.text({at.x + 10, at.y - 7, at.x + 20, at.y + 8}, std::to_string(i + 1));
        }
    }
    list.setPen(Colour::kBlack, PenStyle::kDashed);
    if (!settings.changeInState) {
        return;
    }
    for (int i = 0; i + 1 < TsDiagramSettings::kStates; ++i) {
        if (visible[i] && visible[i + 1]) {
            list.moveTo(*visible[i]);
            list.lineTo(*visible[i + 1]);
        }
    }
}

DisplayList drawDiagram(const DiagramContent& content, const TsDiagramSettings& settings,
                        const Saturation& saturation, const Isobar& isobar) {
    DisplayList list;
    drawFrame(list, settings);
    CurvePen pen(list, settings);
    if (saturation) {
        saturation(pen);
    }
    if (settings.isobaricLines) {
        isobar(pen, content.p1);
        if (content.p2 != content.p1) {
            isobar(pen, content.p2);
        }
    }
    drawValueBlocks(list, content);
    drawStates(list, content, settings);
    return list;
}

// p, T and h of state n; x under them when the state was given with a quality.
ValueBlock stateBlock(int n, double p, double t, double h, std::optional<double> x) {
    const std::string name = std::to_string(n);
    ValueBlock block{{{0, kValueWidth, number("p" + name + "=%.2lf bar", p)},
                      {1, kValueWidth, number("T" + name + "=%.2lf °C", t)},
                      {2, kEnthalpyWidth, number("h" + name + "=%.2lf kJ/kg", h)}}};
    if (x) {
        block.rows.push_back({3, kValueWidth, number("x" + name + "=%.3lf", *x)});
        block.hasQuality = true;
    }
    return block;
}

// After heat loss: T when the temperature was found, h under it, x when known.
ValueBlock afterLossBlock(std::optional<double> t, double h, std::optional<double> x) {
    ValueBlock block{{{1, kEnthalpyWidth, number("h3=%.2lf kJ/kg", h)}}};
    if (t) {
        block.rows.push_back({0, kValueWidth, number("T3=%.2lf °C", *t)});
    }
    if (x) {
        block.rows.push_back({2, kValueWidth, number("x3=%.3lf", *x)});
        block.hasQuality = true;
    }
    return block;
}

std::optional<double> when(bool known, double value) {
    return known ? std::optional<double>(value) : std::nullopt;
}

}  // namespace

namespace {

// The switches in their file order; the same list reads and writes them.
template <typename Settings>
auto switchesOf(Settings& settings) {
    return std::to_array<decltype(&settings.showOnOpen)>({
        &settings.showOnOpen,
        &settings.phaseChangeLine,
        &settings.isobaricLines,
        &settings.stateShown[0],
        &settings.stateShown[1],
        &settings.stateShown[2],
        &settings.valuesShown[0],
        &settings.valuesShown[1],
        &settings.valuesShown[2],
        &settings.changeInState,
    });
}

// The ranges and reserved values in their file order.
template <typename Settings>
auto numbersOf(Settings& settings) {
    return std::to_array<decltype(&settings.tMin)>({
        &settings.tMin,
        &settings.tMax,
        &settings.sMin,
        &settings.sMax,
        &settings.reserved[0],
        &settings.reserved[1],
        &settings.reserved[2],
        &settings.reserved[3],
    });
}

}  // namespace

void writeBlock(const TsDiagramSettings& settings, file::BinaryWriter& out) {
    for (const double* value : numbersOf(settings)) {
        out.f64(*value);
    }
    for (const bool* on : switchesOf(settings)) {
        out.flag(*on);
    }
}

void readBlock(file::BinaryReader& in, TsDiagramSettings& settings) {
    for (double* value : numbersOf(settings)) {
        *value = in.finiteF64();
    }
    for (bool* on : switchesOf(settings)) {
        *on = in.flag();
    }
}

double TsDiagramSettings::range(int index) const {
    switch (index) {
        case 0:
            return tMin;
        case 1:
            return tMax;
        case 2:
            return sMin;
        case 3:
            return sMax;
        default:
            return 0.0;
    }
}

void TsDiagramSettings::setRange(int index, double value) {
    switch (index) {
        case 0:
            tMin = value;
            break;
        case 1:
            tMax = value;
            break;
        case 2:
            sMin = value;
            break;
        case 3:
            sMax = value;
            break;
        default:
            break;
    }
}

CanvasPoint toScreen(double t, double s, const TsDiagramSettings& settings) {
    const double x = (s - settings.sMin) * 400.0 / (settings.sMax - settings.sMin) + 50.0;
    const double y = 460.0 - (t - settings.tMin) * 420.0 / (settings.tMax - settings.tMin);
    // Far-away points keep their side of the square without overflowing the integer; a value
    // that is no number at all (never inside, so only moved to) goes far off to the left/top.
    const auto pixel = [](double v) {
        return std::isnan(v) ? -kFarAway
                             : static_cast<int>(std::clamp<double>(v, -kFarAway, kFarAway));
    };
    return {pixel(x), pixel(y)};
}

bool inside(double t, double s, const TsDiagramSettings& settings) {
    return settings.tMin < t && t < settings.tMax && settings.sMin < s && s < settings.sMax;
}

bool rangesAccepted(const SteamThermalProcess& process, const TsDiagramSettings& settings) {
    return !processes::checkDiagramRanges(process, rangesOf(settings));
}

bool rangesAccepted(const GasThermalProcess& process, const TsDiagramSettings& settings) {
    return !processes::checkDiagramRanges(process, rangesOf(settings));
}

DisplayList steamTsDiagram(const SteamThermalProcess& process, const TsDiagramSettings& settings) {
    using P = SteamThermalProcess;
    const water::WaterSteamState& initial = process.initialState();
    const water::WaterSteamState& final = process.finalState();
    const bool valid = process.heatLossValid();
    const double t3 = process.result(P::kTemperatureAfterLoss);
    const double x3 = process.result(P::kQualityAfterLoss);
    DiagramContent content{initial.pressure(), final.pressure(), {}, {}};
    if (settings.valuesShown[0]) {
        content.blocks[0] =
            stateBlock(1, initial.pressure(), initial.temperature(), initial.stateValue(water::kH),
                       when(initial.mode() != water::kModePT, initial.quality()));
    }
    if (settings.valuesShown[1]) {
        content.blocks[1] =
            stateBlock(2, final.pressure(), final.temperature(), final.stateValue(water::kH),
                       when(final.mode() != water::kModePT, final.quality()));
    }
    if (settings.valuesShown[2] && process.heatLossOn()) {
        content.blocks[2] = afterLossBlock(when(valid, t3), process.result(P::kEnthalpyAfterLoss),
                                           when(valid && x3 != NOT_SET, x3));
    }
    content.points[0] = PlotPoint{initial.temperature(), initial.stateValue(water::kS)};
    content.points[1] = PlotPoint{final.temperature(), final.stateValue(water::kS)};
    if (process.heatLossOn() && valid) {
        const double s3 = x3 == NOT_SET ? steamEntropy(final.pressure(), t3)
                                        : water::entropyFromPX(final.pressure(), x3);
        content.points[2] = PlotPoint{t3, s3};
    }
    Saturation saturation;
    if (settings.phaseChangeLine) {
        saturation = [&settings](CurvePen& pen) { drawSaturationLine(pen, settings); };
    }
    return drawDiagram(content, settings, saturation,
                       [&settings](CurvePen& pen, double p) { drawSteamIsobar(pen, p, settings); });
}

DisplayList gasTsDiagram(const GasThermalProcess& process, const TsDiagramSettings& settings) {
    using P = GasThermalProcess;
    const gas::GasState& initial = process.initialState();
    const gas::GasState& final = process.finalState();
    const gas::GasAnalysis& analysis = *initial.analysis();
    const bool valid = process.heatLossValid();
    const double p2 = final.pressure();
    const double t3 = process.result(P::kTemperatureAfterLoss);
    DiagramContent content{initial.pressure(), p2, {}, {}};
    if (settings.valuesShown[0]) {
        content.blocks[0] = stateBlock(1, initial.pressure(), initial.temperature(),
                                       initial.property(gas::kEnthalpy), std::nullopt);
    }
    if (settings.valuesShown[1]) {
        content.blocks[1] = stateBlock(2, p2, final.temperature(),
                                       process.finalProperty(gas::kEnthalpy), std::nullopt);
    }
    if (settings.valuesShown[2] && process.heatLossOn()) {
        content.blocks[2] =
            afterLossBlock(when(valid, t3), process.result(P::kEnthalpyAfterLoss), std::nullopt);
    }
    content.points[0] = PlotPoint{initial.temperature(), initial.property(gas::kEntropy)};
    content.points[1] = PlotPoint{final.temperature(), process.finalProperty(gas::kEntropy)};
    if (process.heatLossOn() && valid) {
        int status = 0;
        content.points[2] = PlotPoint{t3, gas::mixtureEntropy(analysis, p2, t3, status)};
    }
    return drawDiagram(content, settings, {}, [&analysis, &settings](CurvePen& pen, double p) {
        drawGasIsobar(pen, analysis, p, settings);
    });
}

}  // namespace vaporis::ui
