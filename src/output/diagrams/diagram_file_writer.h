#pragma once

#include <string>

#include "output/diagrams/display_list.h"

namespace vaporis::output {

//! The file formats a drawing is saved in.
enum class DiagramFormat { kPng, kSvg, kPdf };

//! Side of a saved PNG [px]: twice the logical square, so 1 px pens stay crisp.
inline constexpr int kDiagramPngPixels = 2 * kCanvasSize;

//! The bytes of drawing as a file of format, antialiased with DejaVu Sans: a PNG of pixels x
//! pixels, an SVG or a one-page PDF of kCanvasSize x kCanvasSize units (px, pt). Empty when the
//! drawing could not be rendered (pixels below 1 or above 20000, or out of memory).
[[nodiscard]] std::string diagramFile(const DisplayList& drawing, DiagramFormat format,
                                      int pixels = kDiagramPngPixels);

}  // namespace vaporis::output
