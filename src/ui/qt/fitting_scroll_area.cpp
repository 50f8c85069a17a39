#include "ui/qt/fitting_scroll_area.h"

#include <algorithm>

#include <QScreen>
#include <QStyle>

namespace vaporis::ui {
namespace {

// Room a desktop takes around a window's content: title bar and borders [logical px].
constexpr QSize kWindowFrame(8, 32);

}  // namespace

FittingScrollArea::FittingScrollArea(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void FittingScrollArea::setReserved(QSize reserved) {
    reserved_ = reserved;
    updateGeometry();
}

QSize FittingScrollArea::sizeHint() const {
    if (widget() == nullptr) {
        return {};
    }
    const QSize content = widget()->sizeHint();
    const QSize room = screen()->availableGeometry().size() - kWindowFrame - reserved_;
    QSize fitted = content.boundedTo(room);
    // A scroll bar in one direction takes room from the other.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (content.height() > room.height()) {
        fitted.setWidth(std::min(content.width() + bar, room.width()));
    }
    if (content.width() > room.width()) {
        fitted.setHeight(std::min(content.height() + bar, room.height()));
    }
    return fitted;
}

bool FittingScrollArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::Resize) {
        updateGeometry();
    }
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace vaporis::ui
