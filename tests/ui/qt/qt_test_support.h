#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "ui/port.h"

namespace vaporis::test {

//! The widget of a built window with control id `id`, or null.
template <typename Widget>
Widget* control(QWidget& window, int id) {
    return window.findChild<Widget*>(QStringLiteral("control%1").arg(id));
}

//! Replaces the text of edit field `id` key by key, as a user who selected it and typed.
inline void retype(QWidget& window, int id, const char* text) {
    auto* edit = control<QLineEdit>(window, id);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

//! Clicks button `id`.
inline void click(QWidget& window, int id) {
    control<QPushButton>(window, id)->click();
}

//! Dialog logic that only records what the window sent it.
class RecordingLogic : public ui::DialogLogic {
public:
    void command(int id) override { commands.push_back(id); }
    void fieldEdited(int id) override { edits.push_back(id); }
    void refreshDisplays() override { ++refreshes; }

    std::vector<int> commands;
    std::vector<int> edits;
    int refreshes = 0;
};

//! Runs action in the first visible window that `matches` as soon as it shows: how a test
//! acts inside a modal loop that the code under test started.
inline void inWindowWhere(std::function<bool(QWidget&)> matches,
                          std::function<void(QWidget&)> action) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, matches, action] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && matches(*window)) {
                poll->stop();
                poll->deleteLater();
                action(*window);
                return;
            }
        }
    });
    poll->start(10);
}

//! Runs action in the visible window titled `title` as soon as it shows.
inline void inWindow(const QString& title, std::function<void(QWidget&)> action) {
    inWindowWhere([title](QWidget& window) { return window.windowTitle() == title; },
                  std::move(action));
}

//! Ends every modal window once the deadline has passed, so a test that went wrong fails
//! instead of waiting forever for a click.
class Watchdog {
public:
    explicit Watchdog(int milliseconds = 10000) {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { endModalWindows(); });
        timer_.start(milliseconds);
    }
    [[nodiscard]] bool fired() const { return fired_; }

private:
    void endModalWindows() {
        fired_ = true;
        timer_.setInterval(50);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(window);
            if (dialog != nullptr && dialog->isVisible() &&
                dialog->windowModality() != Qt::NonModal) {
                dialog->done(-1);
            }
        }
    }

    QTimer timer_;
    bool fired_ = false;
};

}  // namespace vaporis::test
