#include "ui/svg_writer.h"

#include <cstddef>
#include <string_view>
#include <variant>

namespace vaporis::ui {
namespace {

std::string_view colourName(Colour colour) {
    return colour == Colour::kWhite ? "white" : "black";
}

void appendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
}

// Turns the commands into SVG elements; the pen and the current point are its state.
class SvgBuilder {
public:
    explicit SvgBuilder(std::string& out) : out_(out) {}

    void operator()(const SetPen& pen) { pen_ = pen; }
    void operator()(const FillRectangle& fill) {
        const std::string_view colour = colourName(fill.colour);
        out_ += "<rect x=\"" + number(fill.rect.left) + "\" y=\"" + number(fill.rect.top) +
                "\" width=\"" + number(fill.rect.right - fill.rect.left) + "\" height=\"" +
                number(fill.rect.bottom - fill.rect.top) + "\" fill=\"";
        out_ += colour;
        out_ += "\" stroke=\"";
        out_ += colour;
        out_ += "\"/>\n";
    }
    void operator()(const Polyline& line) {
        out_ += "<polyline points=\"";
        for (std::size_t i = 0; i < line.points.size(); ++i) {
            if (i > 0) {
                out_ += ' ';
            }
            out_ += number(line.points[i].x);
            out_ += ',';
            out_ += number(line.points[i].y);
        }
        out_ += "\" fill=\"none\"";
        closeStroked();
    }
    void operator()(const MoveTo& move) { current_ = move.to; }
    void operator()(const LineTo& line) {
        out_ += "<line x1=\"" + number(current_.x) + "\" y1=\"" + number(current_.y) + "\" x2=\"" +
                number(line.to.x) + "\" y2=\"" + number(line.to.y) + "\"";
        closeStroked();
        current_ = line.to;
    }
    void operator()(const Circle& circle) {
        out_ += "<circle cx=\"" + number(circle.centre.x) + "\" cy=\"" + number(circle.centre.y) +
                "\" r=\"" + number(circle.radius) + "\" fill=\"none\"";
        closeStroked();
    }
    void operator()(const TextInRect& text) {
        int baseline = text.rect.top + kCanvasBaseline;
        std::string_view rest = text.text;
        while (true) {
            const std::size_t end = rest.find('\n');
            out_ +=
                "<text x=\"" + number(text.rect.left) + "\" y=\"" + number(baseline) + "\" fill=\"";
            out_ += colourName(pen_.colour);
            out_ += "\">";
            appendEscaped(out_, rest.substr(0, end));
            out_ += "</text>\n";
            if (end == std::string_view::npos) {
                return;
            }
            rest.remove_prefix(end + 1);
            baseline += kCanvasLineHeight;
        }
    }

private:
    static std::string number(int value) { return std::to_string(value); }

    void closeStroked() {
        out_ += " stroke=\"";
        out_ += colourName(pen_.colour);
        out_ += "\"";
        if (pen_.style == PenStyle::kDashed) {
            out_ += " stroke-dasharray=\"" + number(kCanvasDash) + " " + number(kCanvasGap) + "\"";
        }
        out_ += "/>\n";
    }

    std::string& out_;
    SetPen pen_{Colour::kBlack, PenStyle::kSolid};
    CanvasPoint current_{0, 0};
};

}  // namespace

std::string toSvg(const DisplayList& drawing) {
    const std::string size = std::to_string(kCanvasSize);
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + size + "\" height=\"" +
                      size + "\" viewBox=\"0 0 " + size + " " + size +
                      "\" font-family=\"sans-serif\" font-size=\"" +
                      std::to_string(kCanvasFontSize) + "\">\n";
    SvgBuilder builder(out);
    for (const DrawCommand& command : drawing.commands()) {
        std::visit(builder, command);
    }
    out += "</svg>\n";
    return out;
}

}  // namespace vaporis::ui
