#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QApplication>
#include <QDialog>
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

inline void click(QWidget& window, int id) {
    control<QPushButton>(window, id)->click();
}

//! What a window sent its logic.
struct Recorded {
    std::vector<int> commands;
    std::vector<int> edits;
    int refreshes = 0;
};

//! The factory of a logic that only records into `recorded` what the window sent it.
inline ui::DialogFactory recordInto(Recorded& recorded) {
    struct Logic : ui::DialogLogic {
        explicit Logic(Recorded& into) : to(into) {}
        void command(int id) override { to.commands.push_back(id); }
        void fieldEdited(int id) override { to.edits.push_back(id); }
        void refreshDisplays() override { ++to.refreshes; }
        Recorded& to;
    };
    return [&recorded](ui::Port&) { return std::make_unique<Logic>(recorded); };
}

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

inline void inWindow(const QString& title, std::function<void(QWidget&)> action) {
    inWindowWhere([title](QWidget& window) { return window.windowTitle() == title; }, action);
}

//! Ends every modal window once the deadline has passed, so a test that went wrong fails
//! instead of waiting forever for a click.
struct Watchdog {
    Watchdog() {
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            fired = true;
            timer.setInterval(50);
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QDialog*>(window);
                if (dialog != nullptr && dialog->isVisible() &&
                    dialog->windowModality() != Qt::NonModal) {
                    dialog->done(-1);
                }
            }
        });
        timer.start(10000);
    }
    QTimer timer;
    bool fired = false;
};

}  // namespace vaporis::test
