#include "output/diagrams/diagram_file_writer.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

namespace vaporis::output {
namespace {

constexpr int kMaxPixels = 20000;
constexpr const char* kFontFamily = "DejaVu Sans";

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
using Context = std::unique_ptr<cairo_t, decltype(&cairo_destroy)>;

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// The PNG is drawn on a one-channel (A8) surface, which Cairo writes as an 8-bit grey PNG of its
// coverage: white is full coverage, black takes it away (DEST_OUT; Cairo's CLEAR misses straight
// lines on whole pixels there), and antialiased edges come out grey. Half the bytes of an RGB
// picture of the same two colours, and quicker to compress.
void setColour(cairo_t* cr, Colour colour) {
    cairo_surface_t* target = cairo_get_target(cr);
    const bool grey = cairo_surface_get_type(target) == CAIRO_SURFACE_TYPE_IMAGE &&
                      cairo_image_surface_get_format(target) == CAIRO_FORMAT_A8;
    const double level = colour == Colour::kWhite ? 1.0 : 0.0;
    cairo_set_source_rgb(cr, level, level, level);
    if (grey) {
        cairo_set_operator(
            cr, colour == Colour::kWhite ? CAIRO_OPERATOR_OVER : CAIRO_OPERATOR_DEST_OUT);
    }
}

// Replays the commands; the pen and the current point are its state. Lines that follow one
// another from the current point become one path, so a dashed line keeps its rhythm.
class Replay {
public:
    explicit Replay(cairo_t* cr) : cr_(cr) {
        cairo_set_line_width(cr_, 1.0);
        (*this)(SetPen{Colour::kBlack, PenStyle::kSolid});
    }
    ~Replay() { strokeOpenPath(); }
    Replay(const Replay&) = delete;
    Replay& operator=(const Replay&) = delete;

    void operator()(const SetPen& pen) {
        strokeOpenPath();
        pen_ = pen;
        setColour(cr_, pen.colour);
        const std::array<double, 2> dashes{kCanvasDash, kCanvasGap};
        cairo_set_dash(cr_, dashes.data(), pen.style == PenStyle::kDashed ? 2 : 0, 0.0);
    }
    void operator()(const FillRectangle& fill) {
        strokeOpenPath();
        setColour(cr_, fill.colour);
        cairo_rectangle(cr_, fill.rect.left, fill.rect.top, fill.rect.right - fill.rect.left,
                        fill.rect.bottom - fill.rect.top);
        cairo_fill_preserve(cr_);
        cairo_stroke(cr_);
        setColour(cr_, pen_.colour);
    }
    void operator()(const Polyline& line) {
        strokeOpenPath();
        if (line.points.empty()) {
            return;
        }
        cairo_move_to(cr_, line.points.front().x, line.points.front().y);
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            cairo_line_to(cr_, line.points[i].x, line.points[i].y);
        }
        cairo_stroke(cr_);
    }
    void operator()(const MoveTo& move) {
        strokeOpenPath();
        current_ = move.to;
    }
    void operator()(const LineTo& line) {
        if (!pathOpen_) {
            cairo_move_to(cr_, current_.x, current_.y);
            pathOpen_ = true;
        }
        cairo_line_to(cr_, line.to.x, line.to.y);
        current_ = line.to;
    }
    void operator()(const Circle& circle) {
        strokeOpenPath();
        cairo_new_sub_path(cr_);
        cairo_arc(cr_, circle.centre.x, circle.centre.y, circle.radius, 0.0, 2.0 * kPi);
        cairo_stroke(cr_);
    }
    void operator()(const TextInRect& text) {
        strokeOpenPath();
        double baseline = text.rect.top + kCanvasBaseline;
        std::string_view rest = text.text;
        while (true) {
            const std::size_t end = rest.find('\n');
            const std::string line(rest.substr(0, end));
            cairo_move_to(cr_, text.rect.left, baseline);
            cairo_show_text(cr_, line.c_str());
            cairo_new_path(cr_);
            if (end == std::string_view::npos) {
                return;
            }
            rest.remove_prefix(end + 1);
            baseline += kCanvasLineHeight;
        }
    }

private:
    static constexpr double kPi = 3.14159265358979323846;

    void strokeOpenPath() {
        if (pathOpen_) {
            cairo_stroke(cr_);
            pathOpen_ = false;
        }
    }

    cairo_t* cr_;
    SetPen pen_{Colour::kBlack, PenStyle::kSolid};
    CanvasPoint current_{0, 0};
    bool pathOpen_ = false;
};

void selectFont(cairo_t* cr) {
    cairo_select_font_face(cr, kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, kCanvasFontSize);
    // Unhinted metrics: the text keeps its place in the square at every size.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

// Draws the commands on surface, scaled from the logical square to side units.
bool paint(cairo_surface_t* surface, const DisplayList& drawing, double side) {
    const Context cr(cairo_create(surface), cairo_destroy);
    const double scale = side / kCanvasSize;
    cairo_scale(cr.get(), scale, scale);
    // A 1 px line on whole coordinates straddles two pixel rows; half a unit puts it on one.
    cairo_translate(cr.get(), 0.5, 0.5);
    cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_GRAY);
    selectFont(cr.get());
    setColour(cr.get(), Colour::kWhite);
    cairo_paint(cr.get());
    {
        Replay replay(cr.get());
        for (const DrawCommand& command : drawing.commands()) {
            std::visit(replay, command);
        }
    }
    cairo_show_page(cr.get());
    return cairo_status(cr.get()) == CAIRO_STATUS_SUCCESS;
}

std::string png(const DisplayList& drawing, int pixels) {
    const Surface surface(cairo_image_surface_create(CAIRO_FORMAT_A8, pixels, pixels),
                          cairo_surface_destroy);
    std::string bytes;
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS ||
        !paint(surface.get(), drawing, pixels)) {
        return {};
    }
    cairo_surface_flush(surface.get());
    if (cairo_surface_write_to_png_stream(surface.get(), appendBytes, &bytes) !=
        CAIRO_STATUS_SUCCESS) {
        return {};
    }
    return bytes;
}

Surface vectorSurface(DiagramFormat format, std::string& bytes) {
    if (format == DiagramFormat::kPdf) {
        return {cairo_pdf_surface_create_for_stream(appendBytes, &bytes, kCanvasSize, kCanvasSize),
                cairo_surface_destroy};
    }
    Surface surface(
        cairo_svg_surface_create_for_stream(appendBytes, &bytes, kCanvasSize, kCanvasSize),
        cairo_surface_destroy);
    cairo_svg_surface_set_document_unit(surface.get(), CAIRO_SVG_UNIT_PX);
    return surface;
}

// The vector surfaces write their last bytes when they are finished.
std::string vector(const DisplayList& drawing, DiagramFormat format) {
    std::string bytes;
    const Surface surface = vectorSurface(format, bytes);
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS ||
        !paint(surface.get(), drawing, kCanvasSize)) {
        return {};
    }
    cairo_surface_finish(surface.get());
    return cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS ? bytes : std::string();
}

}  // namespace

std::string diagramFile(const DisplayList& drawing, DiagramFormat format, int pixels) {
    if (format != DiagramFormat::kPng) {
        return vector(drawing, format);
    }
    return pixels >= 1 && pixels <= kMaxPixels ? png(drawing, pixels) : std::string();
}

}  // namespace vaporis::output
