#include "output/diagrams/hs_diagram.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/common/not_set.h"
#include "engine/common/physical_constants.h"
#include "engine/water/if97_regions.h"
#include "engine/water/saturation.h"
#include "output/diagrams/diagram_plot.h"

namespace vaporis::output {

namespace {

using processes::SteamThermalProcess;

constexpr double kStep = 1.0;                   // [K]
constexpr double kIsobarTop = 800.0;            // [°C]
constexpr double kHighestTemperature = 2000.0;  // [°C]
constexpr double kRoomAboveState = 50.0;        // an isobar runs on above the hottest state [K]
// Near the critical point the saturation line turns fast: these temperatures refine its end.
constexpr auto kNearCritical = std::to_array({373.5, 373.8, 373.9, 373.94});
constexpr int kTargetTicks = 8;
constexpr int kMaxTicks = 50;
constexpr int kMaxDecimals = 9;
constexpr double kLeastEntropySpan = 1.0;     // [kJ/(kg K)]
constexpr double kLeastEnthalpySpan = 300.0;  // [kJ/kg]
constexpr int kRoundingPasses = 3;
constexpr double kMargin = 0.25;  // room around the states, of their span
constexpr int kMaxCurveSteps = 20000;
// The liquid part of an isobar stops this short of boiling, where the region choice is exact.
constexpr double kBelowBoiling = 0.01;  // [K]

struct SaturatedPair {
    PlotPoint liquid;
    PlotPoint vapour;
};

PlotAxes axesOf(const HsDiagramRanges& ranges) {
    return {ranges.sMin, ranges.sMax, ranges.hMin, ranges.hMax};
}

// The saturated liquid and vapour at p; nothing beyond the saturation line's ends.
std::optional<SaturatedPair> saturatedAt(double p) {
    std::array<int, 4> status{};
    const SaturatedPair pair{
        {water::entropySatLiquid(p, status[0]), water::enthalpySatLiquid(p, status[1])},
        {water::entropySatVapor(p, status[2]), water::enthalpySatVapor(p, status[3])}};
    if (std::any_of(status.begin(), status.end(), [](int s) { return s != 0; })) {
        return std::nullopt;
    }
    return pair;
}

// Saturation pressures [bar] from the triple point up to the critical point, which is the last.
std::vector<double> saturationPressures() {
    std::vector<double> pressures;
    const auto add = [&pressures](double t) {
        int status = 0;
        const double p = water::vaporPressure(t, status);
        if (status == 0) {
            pressures.push_back(p);
        }
    };
    for (double t = kTripleTemperature; t < kNearCritical.front(); t += kStep) {
        add(t);
    }
    for (const double t : kNearCritical) {
        add(t);
    }
    pressures.push_back(kCriticalPressure);
    return pressures;
}

std::optional<PlotPoint> wetPoint(double p, double x) {
    const std::optional<SaturatedPair> pair = saturatedAt(p);
    if (!pair) {
        return std::nullopt;
    }
    return PlotPoint{pair->liquid.x + x * (pair->vapour.x - pair->liquid.x),
                     pair->liquid.y + x * (pair->vapour.y - pair->liquid.y)};
}

// Up the liquid side to the critical point and down the vapour side: one line.
void drawSaturationLine(CurvePen& pen, const std::vector<double>& pressures) {
    pen.start(wetPoint(pressures.front(), 0.0));
    for (const double p : pressures) {
        pen.plot(wetPoint(p, 0.0));
    }
    for (auto p = pressures.rbegin(); p != pressures.rend(); ++p) {
        pen.plot(wetPoint(*p, 1.0));
    }
    pen.end();
}

// From the triple point to the critical point, where every line of constant quality ends.
void drawQualityLine(CurvePen& pen, const std::vector<double>& pressures, double x) {
    pen.start(wetPoint(pressures.front(), x));
    for (const double p : pressures) {
        pen.plot(wetPoint(p, x));
    }
    pen.end();
}

std::optional<PlotPoint> isobarPoint(double p, double t) {
    std::array<int, 2> status{};
    const PlotPoint point{water::entropy(p, t, status[0]), water::enthalpy(p, t, status[1])};
    if (status[0] != 0 || status[1] != 0) {
        return std::nullopt;
    }
    return point;
}

// Along the isobar from t to top in whole steps.
void climb(CurvePen& pen, double p, double t, double top) {
    for (int step = 0; t < top && step < kMaxCurveSteps; ++step) {
        t = std::min(t + kStep, top);
        pen.plot(isobarPoint(p, t));
    }
}

// A subcritical isobar crosses the two-phase region as a straight line (dh = T ds).
void drawIsobar(CurvePen& pen, double p, double top) {
    double t = kTripleTemperature;
    pen.start(isobarPoint(p, t));
    if (p < kCriticalPressure) {
        int status = 0;
        const double ts = water::boilingTemperature(p, status);
        const std::optional<SaturatedPair> pair =
            status == 0 ? saturatedAt(p) : std::optional<SaturatedPair>();
        if (pair) {
            climb(pen, p, t, ts - kBelowBoiling);
            pen.plot(pair->liquid);
            pen.plot(pair->vapour);
            t = ts;
        }
    }
    climb(pen, p, t, top);
    pen.end();
}

double tickStep(double span) {
    const double raw = span / kTargetTicks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= raw) {
            return factor * magnitude;
        }
    }
    return 10.0 * magnitude;
}

std::string tickText(double value, double step) {
    const int decimals =
        std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, kMaxDecimals);
    const std::string format = "%." + std::to_string(decimals) + "lf";
    return diagramNumber(format, std::abs(value) < step * 1e-9 ? 0.0 : value);
}

// Calls mark(value) at every whole multiple of the axis's tick step from low to high.
template <typename Mark>
void forEachTick(double low, double high, Mark mark) {
    const double step = tickStep(high - low);
    if (!std::isfinite(step) || step <= 0.0) {
        return;
    }
    const double first = std::ceil(low / step - 1e-9);
    for (int i = 0; i < kMaxTicks; ++i) {
        const double value = (first + i) * step;
        if (value > high + step * 1e-9) {
            return;
        }
        mark(value, step);
    }
}

// The axis ends in the chosen units. Every conversion is affine, so a tick at a whole value of
// the shown unit sits where that value's written one does.
PlotAxes shownAxes(const HsDiagramRanges& ranges, const UnitChoice& units) {
    return {diagramValue(ranges.sMin, Quantity::kSpecificEntropy, units),
            diagramValue(ranges.sMax, Quantity::kSpecificEntropy, units),
            diagramValue(ranges.hMin, Quantity::kSpecificEnthalpy, units),
            diagramValue(ranges.hMax, Quantity::kSpecificEnthalpy, units)};
}

void drawFrame(DisplayList& list, const HsDiagramRanges& ranges, const UnitChoice& units) {
    drawAxes(list);
    const PlotAxes axes = shownAxes(ranges, units);
    forEachTick(axes.xMin, axes.xMax, [&](double s, double step) {
        const double x = plotPlace({s, axes.yMin}, axes).value_or(CanvasPoint{0, 0}).x;
        list.polyline({{x, 455}, {x, 465}});
        const std::string text = tickText(s, step);
        const int left = static_cast<int>(x) - textWidth(text) / 2;
        list.text({left, 470, left + textWidth(text), 490}, text);
    });
    forEachTick(axes.yMin, axes.yMax, [&](double h, double step) {
        const double y = plotPlace({axes.xMin, h}, axes).value_or(CanvasPoint{0, 0}).y;
        list.polyline({{45, y}, {55, y}});
        const std::string text = tickText(h, step);
        const int top = static_cast<int>(y) - 7;
        list.text({42 - textWidth(text), top, 42, top + 15}, text);
    });
    list.text({65, 10, 130, 60},
              " h\n[" + std::string(diagramUnit(Quantity::kSpecificEnthalpy, units)) + "]");
    drawEntropyTitle(list, units);
}

struct HsState {
    double p;
    double t;
    double h;
    double s;
    double x;  //!< NOT_SET outside the two-phase region
};

std::optional<double> wetQuality(double x) {
    return x != NOT_SET && x >= 0.0 && x <= 1.0 ? std::optional<double>(x) : std::nullopt;
}

// States 1, 2 and, after a heat loss that was found, 3.
std::array<std::optional<HsState>, kDiagramStates> statesOf(const SteamThermalProcess& process) {
    using P = SteamThermalProcess;
    const water::WaterSteamState& initial = process.initialState();
    const water::WaterSteamState& final = process.finalState();
    std::array<std::optional<HsState>, kDiagramStates> states{
        HsState{initial.pressure(), initial.temperature(), initial.stateValue(water::kH),
                initial.stateValue(water::kS), initial.quality()},
        HsState{final.pressure(), final.temperature(), final.stateValue(water::kH),
                final.stateValue(water::kS), final.quality()},
        std::nullopt};
    if (const std::optional<double> s3 = entropyAfterLoss(process)) {
        states[2] = HsState{final.pressure(), process.result(P::kTemperatureAfterLoss),
                            process.result(P::kEnthalpyAfterLoss), *s3,
                            process.result(P::kQualityAfterLoss)};
    }
    return states;
}

bool strictlyInside(const HsState& state, const HsDiagramRanges& ranges) {
    return ranges.sMin < state.s && state.s < ranges.sMax && ranges.hMin < state.h &&
           state.h < ranges.hMax;
}

StateMarks marksOf(const std::array<std::optional<HsState>, kDiagramStates>& states,
                   const TsDiagramSettings& settings, const HsDiagramRanges& ranges,
                   const UnitChoice& units) {
    StateMarks marks;
    marks.circled = settings.stateShown;
    marks.changeInState = settings.changeInState;
    for (int i = 0; i < kDiagramStates; ++i) {
        if (!states[i]) {
            continue;
        }
        const HsState& state = *states[i];
        if (settings.valuesShown[i]) {
            marks.blocks[i] =
                i < 2 ? stateBlock(i + 1, state.p, state.t, state.h, wetQuality(state.x), units)
                      : afterLossBlock(state.t, state.h, wetQuality(state.x), units);
        }
        if (strictlyInside(state, ranges)) {
            marks.places[i] = plotPlace({state.s, state.h}, axesOf(ranges));
        }
    }
    return marks;
}

// The top of the isobars: above the hottest state, within the formulations.
double isobarTop(const std::array<std::optional<HsState>, kDiagramStates>& states) {
    double top = kIsobarTop;
    for (const std::optional<HsState>& state : states) {
        if (state && std::isfinite(state->t)) {
            top = std::max(top, state->t + kRoomAboveState);
        }
    }
    return std::min(top, kHighestTemperature);
}

}  // namespace

HsDiagramRanges hsRangesFor(const SteamThermalProcess& process, const UnitChoice& units) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    double sLow = kInfinity;
    double sHigh = -kInfinity;
    double hLow = kInfinity;
    double hHigh = -kInfinity;
    for (const std::optional<HsState>& state : statesOf(process)) {
        if (state && std::isfinite(state->s) && std::isfinite(state->h) && state->h != NOT_SET) {
            sLow = std::min(sLow, state->s);
            sHigh = std::max(sHigh, state->s);
            hLow = std::min(hLow, state->h);
            hHigh = std::max(hHigh, state->h);
        }
    }
    if (sLow > sHigh) {
        return {0.0, 4000.0, 0.0, 10.0};
    }
    // Out to whole ticks of the shown unit around the widened span; a wider span may ask for a
    // longer tick.
    const auto widen = [&units](double low, double high, double least, Quantity quantity) {
        const auto shown = [&](double v) { return diagramValue(v, quantity, units); };
        const double centre = (shown(low) + shown(high)) / 2.0;
        const double half =
            std::max(shown(high) - shown(low), shown(least) - shown(0.0)) * (0.5 + kMargin);
        std::pair ends{centre - half, centre + half};
        for (int pass = 0; pass < kRoundingPasses; ++pass) {
            const double step = tickStep(ends.second - ends.first);
            ends = {std::floor(ends.first / step) * step, std::ceil(ends.second / step) * step};
        }
        return std::pair{writtenDiagramValue(ends.first, quantity, units),
                         writtenDiagramValue(ends.second, quantity, units)};
    };
    const auto [sMin, sMax] = widen(sLow, sHigh, kLeastEntropySpan, Quantity::kSpecificEntropy);
    const auto [hMin, hMax] = widen(hLow, hHigh, kLeastEnthalpySpan, Quantity::kSpecificEnthalpy);
    return {hMin, hMax, sMin, sMax};
}

bool rangesAccepted(const HsDiagramRanges& ranges) {
    return !processes::checkDiagramRanges(ranges);
}

DisplayList steamHsDiagram(const SteamThermalProcess& process, const TsDiagramSettings& settings,
                           const HsDiagramRanges& ranges, const UnitChoice& units) {
    DisplayList list;
    drawFrame(list, ranges, units);
    const std::array<std::optional<HsState>, kDiagramStates> states = statesOf(process);
    const std::vector<double> pressures = saturationPressures();
    {
        CurvePen pen(list, axesOf(ranges));
        if (settings.phaseChangeLine) {
            drawSaturationLine(pen, pressures);
        }
        // The quality line of the first wet state after the process.
        for (int i = 1; i < kDiagramStates; ++i) {
            if (states[i] && wetQuality(states[i]->x)) {
                drawQualityLine(pen, pressures, states[i]->x);
                break;
            }
        }
        if (settings.isobaricLines) {
            const double top = isobarTop(states);
            drawIsobar(pen, states[0]->p, top);
            if (states[1]->p != states[0]->p) {
                drawIsobar(pen, states[1]->p, top);
            }
        }
    }
    StateMarks marks = marksOf(states, settings, ranges, units);
    placeValueBlocksClear(list, marks);
    drawStateMarks(list, marks);
    return list;
}

}  // namespace vaporis::output
