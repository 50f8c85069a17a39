#pragma once

#include <QIcon>
#include <QPainter>
#include <QRectF>

namespace vaporis::ui {

//! Water with rising steam on a blue tile, filling area.
void paintSteam(QPainter& painter, const QRectF& area);

//! Burner flames on a dark red tile, filling area.
void paintFlame(QPainter& painter, const QRectF& area);

//! The program's icon (the steam picture) in the usual icon sizes.
[[nodiscard]] QIcon applicationIcon();

}  // namespace vaporis::ui
