#pragma once

#include <string>

#include "ui/display_list.h"

namespace vaporis::ui {

//! The drawing rasterised at scale device px per logical px (pens scale px wide, a built-in
//! bitmap font) as an 8-bit grey PNG of kCanvasSize * scale px square.
[[nodiscard]] std::string toPng(const DisplayList& drawing, int scale = 2);

}  // namespace vaporis::ui
