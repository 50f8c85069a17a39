#include "output/diagrams/ts_diagram.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/common/not_set.h"
#include "engine/common/physical_constants.h"
#include "engine/gas/condensation.h"
#include "engine/gas/status_codes.h"
#include "engine/water/if97_regions.h"
#include "engine/water/saturation.h"
#include "output/diagrams/diagram_plot.h"
#include "processes/module_rules.h"

namespace vaporis::output {

namespace {

using processes::GasThermalProcess;
using processes::SteamThermalProcess;

constexpr double kSaturationTop = 373.846;       // 0.1 K below the critical point [°C]
constexpr double kSaturationTopGuard = 373.946;  // [°C]
constexpr double kIsobarStep = 1.0;              // [K]
constexpr double kFarAway = 1000000.0;           // [px]
// Steps of one curve at most: 1 K steps over any accepted range stay far below it, and a range
// beyond the formulations (or so wide that a step no longer changes T) ends there.
constexpr int kMaxCurveSteps = 20000;

processes::DiagramRanges rangesOf(const TsDiagramSettings& settings) {
    return {settings.tMin, settings.tMax, settings.sMin, settings.sMax};
}

PlotAxes axesOf(const TsDiagramSettings& settings) {
    return {settings.sMin, settings.sMax, settings.tMin, settings.tMax};
}

//! An entropy [kJ/(kg K)] at a temperature [°C]; nothing where the property function failed.
using EntropyAt = std::function<std::optional<double>(double t)>;

//! One curve of the diagram, point by point in T and s.
class TsCurve {
public:
    TsCurve(CurvePen& pen, EntropyAt entropy) : pen_(pen), entropy_(std::move(entropy)) {}
    void start(double t) { pen_.start(at(t, entropy_(t))); }
    void plot(double t) { pen_.plot(at(t, entropy_(t))); }
    void plot(double t, std::optional<double> s) { pen_.plot(at(t, s)); }

private:
    static std::optional<PlotPoint> at(double t, std::optional<double> s) {
        return s ? std::optional<PlotPoint>(PlotPoint{*s, t}) : std::nullopt;
    }

    CurvePen& pen_;
    EntropyAt entropy_;
};

using Saturation = std::function<void(CurvePen&)>;
using Isobar = std::function<void(CurvePen&, double p)>;

std::optional<double> validValue(double value, int status) {
    return status == 0 && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// A temperature tick's text at the left edge of rect, moved left where a long one would
// reach the tick.
void drawTemperatureTick(DisplayList& list, CanvasRect rect, double t, const UnitChoice& units) {
    const std::string text = diagramNumber("%.0lf", diagramValue(t, Quantity::kTemperature, units));
    const int left = std::min(rect.left, 43 - textWidth(text));
    list.text({left, rect.top, rect.right + left - rect.left, rect.bottom}, text);
}

void drawEntropyTick(DisplayList& list, CanvasRect rect, double s, const UnitChoice& units) {
    list.text(rect, diagramNumber("%.2lf", diagramValue(s, Quantity::kSpecificEntropy, units)));
}

void drawFrame(DisplayList& list, const TsDiagramSettings& settings, const UnitChoice& units) {
    drawAxes(list);
    for (const double x : {50.0, 250.0, 450.0}) {
        list.polyline({{x, 455}, {x, 465}});
    }
    for (const double y : {460.0, 250.0, 40.0}) {
        list.polyline({{45, y}, {55, y}});
    }
    list.text({65, 10, 110, 60},
              " T\n[" + std::string(diagramUnit(Quantity::kTemperature, units)) + "]");
    drawTemperatureTick(list, {20, 33, 60, 50}, settings.tMax, units);
    drawTemperatureTick(list, {20, 243, 70, 275}, (settings.tMax + settings.tMin) / 2.0, units);
    drawTemperatureTick(list, {20, 453, 70, 480}, settings.tMin, units);
    drawEntropyTitle(list, units);
    drawEntropyTick(list, {438, 470, 520, 500}, settings.sMax, units);
    drawEntropyTick(list, {240, 470, 290, 500}, (settings.sMax + settings.sMin) / 2.0, units);
    drawEntropyTick(list, {40, 470, 90, 500}, settings.sMin, units);
}

// The curves begin at the triple point, where the formulations begin.
double curveStart(const TsDiagramSettings& settings) {
    return std::max(settings.tMin, kTripleTemperature);
}

// The entropy of one side of the saturation line [kJ/(kg K)] at t [°C].
std::optional<double> saturatedEntropy(double t, double (*entropyAt)(double p, int& status)) {
    int status = 0;
    const double p = water::vaporPressure(t, status);
    if (status != 0) {
        return std::nullopt;
    }
    const double s = entropyAt(p, status);
    return validValue(s, status);
}

// Up the liquid side to just below the critical point, across, and down the vapour side.
void drawSaturationLine(CurvePen& pen, const TsDiagramSettings& settings) {
    const double bottom = curveStart(settings);
    TsCurve liquid(pen, [](double t) { return saturatedEntropy(t, water::entropySatLiquid); });
    TsCurve vapour(pen, [](double t) { return saturatedEntropy(t, water::entropySatVapor); });
    double t = bottom;
    liquid.start(t);
    for (int step = 0; t < kSaturationTop && step < kMaxCurveSteps; ++step) {
        t += kIsobarStep;
        if (t >= kSaturationTopGuard) {
            t = kSaturationTop;
        }
        liquid.plot(t);
    }
    vapour.plot(t);
    for (int step = 0; t > bottom && step < kMaxCurveSteps; ++step) {
        t = std::max(t - kIsobarStep, bottom);
        vapour.plot(t);
    }
    pen.end();
}

std::optional<double> steamEntropy(double p, double t) {
    int status = 0;
    const double s = water::entropy(p, t, status);
    return validValue(s, status);
}

// Steps the temperature up to tMax along an isobar.
void climbToTop(TsCurve& curve, double t, const TsDiagramSettings& settings) {
    for (int step = 0; t < settings.tMax && step < kMaxCurveSteps; ++step) {
        t = std::min(t + kIsobarStep, settings.tMax);
        curve.plot(t);
    }
}

// A subcritical isobar runs straight across the two-phase region at its boiling temperature.
void drawSteamIsobar(CurvePen& pen, double p, const TsDiagramSettings& settings) {
    TsCurve curve(pen, [p](double t) { return steamEntropy(p, t); });
    double t = curveStart(settings);
    curve.start(t);
    if (p < kCriticalPressure) {
        int status = 0;
        const double ts = water::boilingTemperature(p, status);
        for (int step = 0; t < ts - 0.0011 && step < kMaxCurveSteps; ++step) {
            t += kIsobarStep;
            if (t <= ts - 0.001) {
                curve.plot(t);
            } else {
                t = ts;
                int liquidStatus = 0;
                curve.plot(t, validValue(water::entropySatLiquid(p, liquidStatus), liquidStatus));
            }
        }
        curve.plot(ts, validValue(water::entropySatVapor(p, status), status));
    }
    climbToTop(curve, t, settings);
    pen.end();
}

// Below the dew point the gas is taken with its condensate, as the process's end state is.
std::optional<double> gasEntropy(const gas::GasAnalysis& analysis, double p, double t) {
    int status = 0;
    double remainingWater = 0.0;
    double condensationEntropy = 0.0;
    const double s =
        gas::entropyWithCondensation(analysis, p, t, remainingWater, condensationEntropy, status);
    return gas::isValidStatus(status) && std::isfinite(s) ? std::optional<double>(s) : std::nullopt;
}

void drawGasIsobar(CurvePen& pen, const gas::GasAnalysis& analysis, double p,
                   const TsDiagramSettings& settings) {
    TsCurve curve(pen, [&analysis, p](double t) { return gasEntropy(analysis, p, t); });
    curve.start(settings.tMin);
    climbToTop(curve, settings.tMin, settings);
    pen.end();
}

struct DiagramContent {
    double p1 = NOT_SET;
    double p2 = NOT_SET;
    StateMarks marks;
};

// The pixel of a state in the ranges (truncated as toScreen), nothing outside them.
std::optional<CanvasPoint> statePlace(double t, double s, const TsDiagramSettings& settings) {
    return inside(t, s, settings) ? std::optional<CanvasPoint>(toScreen(t, s, settings))
                                  : std::nullopt;
}

DisplayList drawDiagram(DiagramContent content, const TsDiagramSettings& settings,
                        const UnitChoice& units, const Saturation& saturation,
                        const Isobar& isobar) {
    DisplayList list;
    drawFrame(list, settings, units);
    CurvePen pen(list, axesOf(settings));
    if (saturation) {
        saturation(pen);
    }
    if (settings.isobaricLines) {
        isobar(pen, content.p1);
        if (content.p2 != content.p1) {
            isobar(pen, content.p2);
        }
    }
    content.marks.circled = settings.stateShown;
    content.marks.changeInState = settings.changeInState;
    drawStateMarks(list, content.marks);
    return list;
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
        return std::isnan(v) ? -kFarAway : std::trunc(std::clamp<double>(v, -kFarAway, kFarAway));
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

std::optional<double> entropyAfterLoss(const SteamThermalProcess& process) {
    using P = SteamThermalProcess;
    if (!process.heatLossOn() || !process.heatLossValid()) {
        return std::nullopt;
    }
    const double p2 = process.finalState().pressure();
    const double x3 = process.result(P::kQualityAfterLoss);
    return x3 == NOT_SET ? steamEntropy(p2, process.result(P::kTemperatureAfterLoss))
                         : std::optional<double>(water::entropyFromPX(p2, x3));
}

DisplayList steamTsDiagram(const SteamThermalProcess& process, const TsDiagramSettings& settings,
                           const UnitChoice& units) {
    using P = SteamThermalProcess;
    const water::WaterSteamState& initial = process.initialState();
    const water::WaterSteamState& final = process.finalState();
    const bool valid = process.heatLossValid();
    const double t3 = process.result(P::kTemperatureAfterLoss);
    const double x3 = process.result(P::kQualityAfterLoss);
    DiagramContent content{initial.pressure(), final.pressure(), {}};
    StateMarks& marks = content.marks;
    if (settings.valuesShown[0]) {
        marks.blocks[0] =
            stateBlock(1, initial.pressure(), initial.temperature(), initial.stateValue(water::kH),
                       when(initial.mode() != water::kModePT, initial.quality()), units);
    }
    if (settings.valuesShown[1]) {
        marks.blocks[1] =
            stateBlock(2, final.pressure(), final.temperature(), final.stateValue(water::kH),
                       when(final.mode() != water::kModePT, final.quality()), units);
    }
    if (settings.valuesShown[2] && process.heatLossOn()) {
        marks.blocks[2] = afterLossBlock(when(valid, t3), process.result(P::kEnthalpyAfterLoss),
                                         when(valid && x3 != NOT_SET, x3), units);
    }
    marks.places[0] = statePlace(initial.temperature(), initial.stateValue(water::kS), settings);
    marks.places[1] = statePlace(final.temperature(), final.stateValue(water::kS), settings);
    if (const std::optional<double> s3 = entropyAfterLoss(process)) {
        marks.places[2] = statePlace(t3, *s3, settings);
    }
    Saturation saturation;
    if (settings.phaseChangeLine) {
        saturation = [&settings](CurvePen& pen) { drawSaturationLine(pen, settings); };
    }
    return drawDiagram(std::move(content), settings, units, saturation,
                       [&settings](CurvePen& pen, double p) { drawSteamIsobar(pen, p, settings); });
}

DisplayList gasTsDiagram(const GasThermalProcess& process, const TsDiagramSettings& settings,
                         const UnitChoice& units) {
    using P = GasThermalProcess;
    const gas::GasState& initial = process.initialState();
    const gas::GasState& final = process.finalState();
    const gas::GasAnalysis& analysis = *initial.analysis();
    const bool valid = process.heatLossValid();
    const double p2 = final.pressure();
    const double t3 = process.result(P::kTemperatureAfterLoss);
    DiagramContent content{initial.pressure(), p2, {}};
    StateMarks& marks = content.marks;
    if (settings.valuesShown[0]) {
        marks.blocks[0] = stateBlock(1, initial.pressure(), initial.temperature(),
                                     initial.property(gas::kEnthalpy), std::nullopt, units);
    }
    if (settings.valuesShown[1]) {
        marks.blocks[1] = stateBlock(2, p2, final.temperature(),
                                     process.finalProperty(gas::kEnthalpy), std::nullopt, units);
    }
    if (settings.valuesShown[2] && process.heatLossOn()) {
        marks.blocks[2] = afterLossBlock(when(valid, t3), process.result(P::kEnthalpyAfterLoss),
                                         std::nullopt, units);
    }
    marks.places[0] = statePlace(initial.temperature(), initial.property(gas::kEntropy), settings);
    marks.places[1] =
        statePlace(final.temperature(), process.finalProperty(gas::kEntropy), settings);
    if (process.heatLossOn() && valid) {
        // With its condensate, as state 2: a cooling below the dew point lowers the entropy.
        marks.places[2] = statePlace(t3, gasEntropy(analysis, p2, t3).value_or(NOT_SET), settings);
    }
    return drawDiagram(std::move(content), settings, units, {},
                       [&analysis, &settings](CurvePen& pen, double p) {
                           drawGasIsobar(pen, analysis, p, settings);
                       });
}

}  // namespace vaporis::output
