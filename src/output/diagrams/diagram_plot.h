#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/diagrams/display_list.h"
#include "output/units/units.h"

namespace vaporis::output {

//! The axis ends of a diagram: x (entropy) runs from xMin at the left tick (50 px) to xMax at
//! the right one (450 px), y (temperature or enthalpy) from yMin at the bottom tick (460 px) to
//! yMax at the top one (40 px).
struct PlotAxes {
    double xMin;
    double xMax;
    double yMin;
    double yMax;
};

//! The frame of the axes in the square [logical px]; nothing plotted leaves it.
inline constexpr double kPlotLeft = 50.0;
inline constexpr double kPlotRight = 450.0;
inline constexpr double kPlotTop = 40.0;
inline constexpr double kPlotBottom = 460.0;

//! A point of a diagram in its own quantities: x entropy, y temperature or enthalpy.
struct PlotPoint {
    double x;
    double y;
};

//! The exact place of (x, y) in the square, fractions kept; nothing when not finite.
[[nodiscard]] std::optional<CanvasPoint> plotPlace(PlotPoint point, const PlotAxes& axes);

//! Draws curves as polylines clipped exactly at the frame of the axes. A missing point (a
//! property function's error marker) breaks the curve; repeated points give no zero-length
//! segment.
class CurvePen {
public:
    CurvePen(DisplayList& list, const PlotAxes& axes) : list_(list), axes_(axes) {}
    CurvePen(const CurvePen&) = delete;
    CurvePen& operator=(const CurvePen&) = delete;
    ~CurvePen() { end(); }

    //! Ends the curve being drawn and begins the next at point.
    void start(std::optional<PlotPoint> point);
    //! Continues the curve to point.
    void plot(std::optional<PlotPoint> point);
    //! Writes the curve being drawn to the list.
    void end();

private:
    DisplayList& list_;
    PlotAxes axes_;
    std::optional<CanvasPoint> last_;
    std::vector<CanvasPoint> open_;
};

//! One text row of a value block: its line in the block, width [px] and text.
struct ValueRow {
    int line;
    int width;
    std::string text;
};

//! The rows of one state's value block; a quality row pushes the following blocks down.
struct ValueBlock {
    std::vector<ValueRow> rows;
    bool hasQuality = false;
};

inline constexpr int kDiagramStates = 3;  //!< start, end, after heat loss

//! How far the value blocks move from their place at the top left [px].
struct BlockShift {
    int right = 0;
    int down = 0;
};

//! What a diagram shows of the states of a process: value blocks and places in the square.
struct StateMarks {
    std::array<std::optional<ValueBlock>, kDiagramStates> blocks;
    std::array<std::optional<CanvasPoint>, kDiagramStates> places;  //!< inside the ranges
    std::array<bool, kDiagramStates> circled{true, true, true};
    bool changeInState = true;
    BlockShift blockShift;
};

//! About the width of text in the drawing's font [logical px], to know where a text ends.
[[nodiscard]] int textWidth(std::string_view text);

//! value formatted by a printf-style format.
[[nodiscard]] std::string diagramNumber(std::string_view format, double value);

//! A diagram's value of `quantity` (pressure [bar], temperature [°C], specific enthalpy [kJ/kg]
//! or entropy [kJ/(kg K)]) in the chosen units.
[[nodiscard]] double diagramValue(double value, Quantity quantity, const UnitChoice& units);

//! The written value of a diagram's value shown in the chosen units; diagramValue's inverse.
[[nodiscard]] double writtenDiagramValue(double shown, Quantity quantity, const UnitChoice& units);

//! The unit a diagram shows `quantity` in ("°F"; "kJ/kgK" for the written entropy).
[[nodiscard]] std::string_view diagramUnit(Quantity quantity, const UnitChoice& units);

//! p, T and h of state n in the chosen units; x under them when given.
[[nodiscard]] ValueBlock stateBlock(int n, double p, double t, double h, std::optional<double> x,
                                    const UnitChoice& units);
//! After heat loss: T when the temperature was found, h under it, x when known.
[[nodiscard]] ValueBlock afterLossBlock(std::optional<double> t, double h, std::optional<double> x,
                                        const UnitChoice& units);

//! The white square, the axes with their arrow heads.
void drawAxes(DisplayList& list);

//! The title of the s axis in the chosen unit at the axis's right end, moved left as far as a
//! unit longer than the written one needs to stay in the square.
void drawEntropyTitle(DisplayList& list, const UnitChoice& units);

//! Moves the value blocks of marks from the top left into the corner of the square where the
//! fewest of the curves already drawn in list, and no state, run under them.
void placeValueBlocksClear(const DisplayList& list, StateMarks& marks);

//! The value blocks, the numbered circles of the states and the dashed change of state. A
//! state's number goes beside its circle where it covers no other circle, number or value.
void drawStateMarks(DisplayList& list, const StateMarks& marks);

}  // namespace vaporis::output
