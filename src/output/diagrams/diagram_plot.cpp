#include "output/diagrams/diagram_plot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <fmt/printf.h>

namespace vaporis::output {

namespace {

constexpr double kFarAway = 1.0e7;  // [px]
constexpr int kCircleRadius = 5;
constexpr int kRowHeight = 15;
constexpr int kQualityRowShift = 15;
constexpr int kValueLeft = 65;
constexpr int kValueWidth = 80;
constexpr int kEnthalpyWidth = 90;
constexpr std::array<int, kDiagramStates> kBlockTops{55, 110, 165};
// Advance of an average character of the drawing's font [px], to know where a text ends.
constexpr double kCharacterWidth = 7.5;

// Where a state's number may go, relative to its circle's centre, in the order tried: right
// of it, left, above, below, upper right, lower right.
constexpr auto kNumberPlaces = std::to_array<CanvasRect>({
    {10, -7, 20, 8},
    {-20, -7, -10, 8},
    {-5, -24, 5, -9},
    {-5, 9, 5, 24},
    {10, -22, 20, -7},
    {10, 8, 20, 23},
});

using Segment = std::pair<CanvasPoint, CanvasPoint>;

CanvasPoint along(CanvasPoint a, CanvasPoint b, double f) {
    return {a.x + f * (b.x - a.x), a.y + f * (b.y - a.y)};
}

// The part of the segment a-b inside the frame (Liang-Barsky); its ends stay exact where they
// lie inside.
std::optional<Segment> clipToFrame(CanvasPoint a, CanvasPoint b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double enter = 0.0;
    double leave = 1.0;
    const std::array<std::pair<double, double>, 4> edges{{{-dx, a.x - kPlotLeft},
                                                          {dx, kPlotRight - a.x},
                                                          {-dy, a.y - kPlotTop},
                                                          {dy, kPlotBottom - a.y}}};
    for (const auto& [direction, room] : edges) {
        if (direction == 0.0) {
            if (room < 0.0) {
                return std::nullopt;
            }
            continue;
        }
        const double f = room / direction;
        if (direction < 0.0) {
            enter = std::max(enter, f);
        } else {
            leave = std::min(leave, f);
        }
        if (enter > leave) {
            return std::nullopt;
        }
    }
    return Segment{enter > 0.0 ? along(a, b, enter) : a, leave < 1.0 ? along(a, b, leave) : b};
}

bool overlap(const CanvasRect& a, const CanvasRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

CanvasRect shifted(const CanvasRect& r, int x, int y) {
    return {r.left + x, r.top + y, r.right + x, r.bottom + y};
}

CanvasRect circleBox(CanvasPoint centre) {
    const int x = static_cast<int>(std::floor(centre.x));
    const int y = static_cast<int>(std::floor(centre.y));
    return {x - kCircleRadius - 1, y - kCircleRadius - 1, x + kCircleRadius + 2,
            y + kCircleRadius + 2};
}

//! A text row of a value block: the rectangle it is drawn in and the one its text covers.
struct PlacedRow {
    CanvasRect box;
    CanvasRect covered;
    const std::string* text;
};

// The rows of the blocks one under another, moved by the marks' shift.
std::vector<PlacedRow> placedRows(const StateMarks& marks) {
    std::vector<PlacedRow> rows;
    const int left = kValueLeft + marks.blockShift.right;
    int offset = marks.blockShift.down;
    for (int i = 0; i < kDiagramStates; ++i) {
        if (!marks.blocks[i]) {
            continue;
        }
        const int top = kBlockTops[i] + offset;
        for (const ValueRow& row : marks.blocks[i]->rows) {
            const int y = top + row.line * kRowHeight;
            const int width = std::max(textWidth(row.text), row.width);
            rows.push_back({{left, y, left + row.width, y + kRowHeight},
                            {left, y, left + width, y + kRowHeight},
                            &row.text});
        }
        if (marks.blocks[i]->hasQuality) {
            offset += kQualityRowShift;
        }
    }
    return rows;
}

// Draws the blocks one under another; answers the rectangles their texts cover.
std::vector<CanvasRect> drawValueBlocks(DisplayList& list, const StateMarks& marks) {
    std::vector<CanvasRect> covered;
    for (const PlacedRow& row : placedRows(marks)) {
        list.text(row.box, *row.text);
        covered.push_back(row.covered);
    }
    return covered;
}

bool contains(const CanvasRect& r, CanvasPoint p) {
    return r.left <= p.x && p.x <= r.right && r.top <= p.y && p.y <= r.bottom;
}

// The pen's way through the list as segments: polylines and the lines from moves.
std::vector<std::pair<CanvasPoint, CanvasPoint>> drawnSegments(const DisplayList& list) {
    std::vector<std::pair<CanvasPoint, CanvasPoint>> lines;
    std::optional<CanvasPoint> pen;
    for (const DrawCommand& command : list.commands()) {
        if (const auto* move = std::get_if<MoveTo>(&command)) {
            pen = move->to;
        } else if (const auto* line = std::get_if<LineTo>(&command)) {
            if (pen) {
                lines.emplace_back(*pen, line->to);
            }
            pen = line->to;
        } else if (const auto* polyline = std::get_if<Polyline>(&command)) {
            for (std::size_t i = 1; i < polyline->points.size(); ++i) {
                lines.emplace_back(polyline->points[i - 1], polyline->points[i]);
            }
        }
    }
    return lines;
}

// How much of the drawing the blocks would cover: every state under them counts more than all
// the curves; a segment counts where one of five points along it falls under a block.
std::size_t blockCollisions(const StateMarks& marks,
                            const std::vector<std::pair<CanvasPoint, CanvasPoint>>& lines) {
    constexpr std::size_t kStateWeight = 1000000;
    constexpr int kSamples = 4;
    std::size_t count = 0;
    for (const PlacedRow& row : placedRows(marks)) {
        for (const std::optional<CanvasPoint>& place : marks.places) {
            count += place && overlap(circleBox(*place), row.covered) ? kStateWeight : 0;
        }
        for (const auto& [from, to] : lines) {
            for (int k = 0; k <= kSamples; ++k) {
                const double f = static_cast<double>(k) / kSamples;
                if (contains(row.covered,
                             {from.x + f * (to.x - from.x), from.y + f * (to.y - from.y)})) {
                    ++count;
                    break;
                }
            }
        }
    }
    return count;
}

// The first place beside the circle at centre where the number stays in the square and covers
// nothing in taken; the place right of it when there is none.
CanvasRect numberPlace(CanvasPoint centre, const std::vector<CanvasRect>& taken) {
    const int x = static_cast<int>(centre.x);
    const int y = static_cast<int>(centre.y);
    for (const CanvasRect& place : kNumberPlaces) {
        const CanvasRect at = shifted(place, x, y);
        const bool inSquare =
            at.left >= 0 && at.top >= 0 && at.right <= kCanvasSize && at.bottom <= kCanvasSize;
        if (inSquare && std::none_of(taken.begin(), taken.end(),
                                     [&at](const CanvasRect& r) { return overlap(at, r); })) {
            return at;
        }
    }
    return shifted(kNumberPlaces.front(), x, y);
}

void drawCircles(DisplayList& list, const StateMarks& marks, std::vector<CanvasRect> taken) {
    for (int i = 0; i < kDiagramStates; ++i) {
        if (marks.places[i] && marks.circled[i]) {
            taken.push_back(circleBox(*marks.places[i]));
        }
    }
    for (int i = 0; i < kDiagramStates; ++i) {
        if (!marks.places[i] || !marks.circled[i]) {
            continue;
        }
        list.circle(*marks.places[i], kCircleRadius);
        const CanvasRect number = numberPlace(*marks.places[i], taken);
        list.text(number, std::to_string(i + 1));
        taken.push_back(number);
    }
}

}  // namespace

std::optional<CanvasPoint> plotPlace(PlotPoint point, const PlotAxes& axes) {
    const double x =
        (point.x - axes.xMin) * (kPlotRight - kPlotLeft) / (axes.xMax - axes.xMin) + kPlotLeft;
    const double y =
        kPlotBottom - (point.y - axes.yMin) * (kPlotBottom - kPlotTop) / (axes.yMax - axes.yMin);
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return std::nullopt;
    }
    return CanvasPoint{std::clamp(x, -kFarAway, kFarAway), std::clamp(y, -kFarAway, kFarAway)};
}

void CurvePen::start(std::optional<PlotPoint> point) {
    end();
    last_ = point ? plotPlace(*point, axes_) : std::nullopt;
}

void CurvePen::plot(std::optional<PlotPoint> point) {
    const std::optional<CanvasPoint> next = point ? plotPlace(*point, axes_) : std::nullopt;
    const std::optional<Segment> piece =
        last_ && next ? clipToFrame(*last_, *next) : std::optional<Segment>();
    if (!piece) {
        end();
    } else {
        if (open_.empty() || open_.back() != piece->first) {
            end();
            open_.push_back(piece->first);
        }
        if (open_.back() != piece->second) {
            open_.push_back(piece->second);
        }
    }
    last_ = next;
}

void CurvePen::end() {
    if (open_.size() >= 2) {
        list_.polyline(std::move(open_));
    }
    open_.clear();
}

int textWidth(std::string_view text) {
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;  // not a UTF-8 continuation
    });
    return static_cast<int>(std::ceil(static_cast<double>(characters) * kCharacterWidth));
}

std::string diagramNumber(std::string_view format, double value) {
    return fmt::sprintf(format, value);
}

namespace {

// The written unit of one of the four quantities a diagram shows.
const Unit& writtenDiagramUnit(Quantity quantity) {
    static const std::array<const Unit*, 4> kWritten{
        findUnit(Quantity::kPressure, "bar"), findUnit(Quantity::kTemperature, "°C"),
        findUnit(Quantity::kSpecificEnthalpy, "kJ/kg"),
        findUnit(Quantity::kSpecificEntropy, "kJ/kgK")};
    const auto found = std::find_if(kWritten.begin(), kWritten.end(),
                                    [quantity](const Unit* u) { return u->quantity == quantity; });
    return **found;
}

// One row "p1=50.00 bar": two decimals in the written unit, one more for each power of ten
// the shown unit is larger (MPa: three); wider than `width` by what its unit adds.
ValueRow valueRow(int line, int width, std::string_view name, double value, Quantity quantity,
                  const UnitChoice& units) {
    const Unit& written = writtenDiagramUnit(quantity);
    const Unit& shown = shownUnit(written, units);
    const double ratio = shown.factor / written.factor;
    const int decimals = 2 + std::clamp(static_cast<int>(std::ceil(std::log10(ratio) - 0.5)), 0, 6);
    const std::string format = std::string(name) + "=%." + std::to_string(decimals) + "lf ";
    const int wider = textWidth(shown.symbol) - textWidth(written.symbol);
    return {
        line, width + std::max(wider, 0),
        diagramNumber(format, diagramValue(value, quantity, units)) + std::string(shown.symbol)};
}

}  // namespace

double diagramValue(double value, Quantity quantity, const UnitChoice& units) {
    return toShown(value, writtenDiagramUnit(quantity), units);
}

double writtenDiagramValue(double shown, Quantity quantity, const UnitChoice& units) {
    const Unit& written = writtenDiagramUnit(quantity);
    return toWritten(shown, shownUnit(written, units), written, units.referencePressure, "").value;
}

std::string_view diagramUnit(Quantity quantity, const UnitChoice& units) {
    return shownUnit(writtenDiagramUnit(quantity), units).symbol;
}

ValueBlock stateBlock(int n, double p, double t, double h, std::optional<double> x,
                      const UnitChoice& units) {
    const std::string name = std::to_string(n);
    ValueBlock block{
        {valueRow(0, kValueWidth, "p" + name, p, Quantity::kPressure, units),
         valueRow(1, kValueWidth, "T" + name, t, Quantity::kTemperature, units),
         valueRow(2, kEnthalpyWidth, "h" + name, h, Quantity::kSpecificEnthalpy, units)}};
    if (x) {
        block.rows.push_back({3, kValueWidth, diagramNumber("x" + name + "=%.3lf", *x)});
        block.hasQuality = true;
    }
    return block;
}

ValueBlock afterLossBlock(std::optional<double> t, double h, std::optional<double> x,
                          const UnitChoice& units) {
    ValueBlock block{{valueRow(1, kEnthalpyWidth, "h3", h, Quantity::kSpecificEnthalpy, units)}};
    if (t) {
        block.rows.push_back(valueRow(0, kValueWidth, "T3", *t, Quantity::kTemperature, units));
    }
    if (x) {
        block.rows.push_back({2, kValueWidth, diagramNumber("x3=%.3lf", *x)});
        block.hasQuality = true;
    }
    return block;
}

void drawAxes(DisplayList& list) {
    list.fillRectangle({0, 0, kCanvasSize, kCanvasSize}, Colour::kWhite);
    list.setPen(Colour::kBlack, PenStyle::kSolid);
    list.polyline({{460, 455}, {470, 460}, {460, 465}});
    list.polyline({{45, 30}, {50, 20}, {55, 30}});
    list.polyline({{50, 20}, {50, 460}, {470, 460}});
}

void drawEntropyTitle(DisplayList& list, const UnitChoice& units) {
    const std::string_view unit = diagramUnit(Quantity::kSpecificEntropy, units);
    const std::string_view written = writtenDiagramUnit(Quantity::kSpecificEntropy).symbol;
    // Moved left from x = 445 so the whole title fits in the square at the drawing's font.
    const int left = 430 - std::max(textWidth(unit) - textWidth(written), 0);
    list.text({left, 435, left + 70, 470}, " s [" + std::string(unit) + "]");
}

void placeValueBlocksClear(const DisplayList& list, StateMarks& marks) {
    // top left, top right, bottom right, bottom left of the square [px]
    constexpr std::array<BlockShift, 4> kShifts{{{0, 0}, {265, 0}, {265, 200}, {0, 200}}};
    const std::vector<std::pair<CanvasPoint, CanvasPoint>> lines = drawnSegments(list);
    BlockShift best = kShifts.front();
    std::size_t fewest = std::numeric_limits<std::size_t>::max();
    for (const BlockShift& shift : kShifts) {
        marks.blockShift = shift;
        if (const std::size_t collisions = blockCollisions(marks, lines); collisions < fewest) {
            fewest = collisions;
            best = shift;
        }
    }
    marks.blockShift = best;
}

void drawStateMarks(DisplayList& list, const StateMarks& marks) {
    drawCircles(list, marks, drawValueBlocks(list, marks));
    list.setPen(Colour::kBlack, PenStyle::kDashed);
    if (!marks.changeInState) {
        return;
    }
    // 1-2 and 2-3 where both ends are in the ranges, as one line when all three are.
    std::vector<CanvasPoint> path;
    for (const std::optional<CanvasPoint>& place : marks.places) {
        if (!place) {
            if (path.size() >= 2) {
                list.polyline(path);
            }
            path.clear();
        } else if (path.empty() || path.back() != *place) {
            path.push_back(*place);
        }
    }
    if (path.size() >= 2) {
        list.polyline(path);
    }
}

}  // namespace vaporis::output
