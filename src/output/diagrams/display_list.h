#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vaporis::output {

//! Width and height of the square a drawing is made in [logical px]; y grows downward. A
//! canvas scales the square to its own size.
inline constexpr int kCanvasSize = 500;

//! The drawing's one small font: its pixel size, the distance from a line's top to its
//! baseline and from one line to the next [logical px].
inline constexpr int kCanvasFontSize = 12;
inline constexpr int kCanvasBaseline = 11;
inline constexpr int kCanvasLineHeight = 14;

//! Dash and gap of a dashed pen [logical px].
inline constexpr int kCanvasDash = 6;
inline constexpr int kCanvasGap = 3;

//! The two colours of a drawing.
enum class Colour { kBlack, kWhite };

//! Pens are 1 px wide, solid or dashed.
enum class PenStyle { kSolid, kDashed };

//! A point of the square [logical px]; curves keep their fractions, so they stay smooth when
//! the square is drawn larger.
struct CanvasPoint {
    double x;
    double y;
    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

//! Left, top, right and bottom edge [logical px].
struct CanvasRect {
    int left;
    int top;
    int right;
    int bottom;
    friend bool operator==(const CanvasRect&, const CanvasRect&) = default;
};

//! The pen of every outline after it, until the next pen.
struct SetPen {
    Colour colour;
    PenStyle style;
    friend bool operator==(const SetPen&, const SetPen&) = default;
};

//! A rectangle filled and outlined in one colour.
struct FillRectangle {
    CanvasRect rect;
    Colour colour;
    friend bool operator==(const FillRectangle&, const FillRectangle&) = default;
};

//! Connected straight lines through the points.
struct Polyline {
    std::vector<CanvasPoint> points;
    friend bool operator==(const Polyline&, const Polyline&) = default;
};

//! Moves the current point without drawing.
struct MoveTo {
    CanvasPoint to;
    friend bool operator==(const MoveTo&, const MoveTo&) = default;
};

//! A line from the current point, which then moves there.
struct LineTo {
    CanvasPoint to;
    friend bool operator==(const LineTo&, const LineTo&) = default;
};

//! The outline of a full circle.
struct Circle {
    CanvasPoint centre;
    int radius;
    friend bool operator==(const Circle&, const Circle&) = default;
};

//! UTF-8 text in the pen's colour, from the top-left corner of rect; '\n' starts a line.
struct TextInRect {
    CanvasRect rect;
    std::string text;
    friend bool operator==(const TextInRect&, const TextInRect&) = default;
};

using DrawCommand =
    std::variant<SetPen, FillRectangle, Polyline, MoveTo, LineTo, Circle, TextInRect>;

//! A drawing as the commands that make it, independent of any toolkit: a dialog hands it to a
//! canvas control, which replays it scaled to its size; it can also be written as PNG, SVG or
//! PDF.
//! The pen starts black and solid, the current point at (0, 0).
class DisplayList {
public:
    void setPen(Colour colour, PenStyle style) { commands_.emplace_back(SetPen{colour, style}); }
    void fillRectangle(CanvasRect rect, Colour colour) {
        commands_.emplace_back(FillRectangle{rect, colour});
    }
    void polyline(std::vector<CanvasPoint> points) {
        commands_.emplace_back(Polyline{std::move(points)});
    }
    void moveTo(CanvasPoint to) { commands_.emplace_back(MoveTo{to}); }
    void lineTo(CanvasPoint to) { commands_.emplace_back(LineTo{to}); }
    void circle(CanvasPoint centre, int radius) { commands_.emplace_back(Circle{centre, radius}); }
    void text(CanvasRect rect, std::string_view text) {
        commands_.emplace_back(TextInRect{rect, std::string(text)});
    }

    [[nodiscard]] const std::vector<DrawCommand>& commands() const { return commands_; }
    friend bool operator==(const DisplayList&, const DisplayList&) = default;

private:
    std::vector<DrawCommand> commands_;
};

}  // namespace vaporis::output
