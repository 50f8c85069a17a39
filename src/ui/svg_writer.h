#pragma once

#include <string>

#include "ui/display_list.h"

namespace vaporis::ui {

//! The drawing as a standalone SVG document of kCanvasSize x kCanvasSize px (UTF-8).
[[nodiscard]] std::string toSvg(const DisplayList& drawing);

}  // namespace vaporis::ui
