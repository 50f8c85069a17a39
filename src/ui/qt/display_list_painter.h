#pragma once

#include <string>

#include <QImage>
#include <QPainter>

#include "output/diagrams/display_list.h"

namespace vaporis::ui {

//! Replays drawing with painter, its 500 x 500 square scaled by scale (1 = one logical px per
//! unit). Lines and text stay crisp at any device pixel ratio: they are drawn, not stretched.
void paintDisplayList(QPainter& painter, const output::DisplayList& drawing, double scale);

//! The drawing as an image of pixels x pixels.
[[nodiscard]] QImage renderDisplayList(const output::DisplayList& drawing, int pixels);

//! Writes the drawing as a PNG file of pixels x pixels; false when the file was not written.
[[nodiscard]] bool savePng(const output::DisplayList& drawing, const std::string& path, int pixels);

}  // namespace vaporis::ui
