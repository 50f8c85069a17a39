#include "ui/qt/qt_dialog_host.h"

#include <algorithm>
#include <map>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

#include "ui/qt/canvas_widget.h"
#include "ui/qt/desktop_services.h"
#include "ui/qt/display_list_painter.h"
#include "ui/qt/qt_text.h"
#include "ui/result_table.h"
#include "ui/window_units.h"

namespace vaporis::ui {

namespace {

// A field takes Ctrl+C for itself even when nothing in it is selected; then the key is the
// window's again, which copies its whole table.
class CopyKeyFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            return false;
        }
        const auto* edit = qobject_cast<const QLineEdit*>(watched);
        if (edit == nullptr || edit->hasSelectedText()) {
            return false;
        }
        event->ignore();
        return true;
    }
};

// What the user left typed in a window by "back", Escape or the close box, by template: shown
// again at its next opening in this run while its module objects show what they showed then.
// Texts typed in other units than the window's now are not its inputs.
struct Draft {
    QtDialogHost::Inputs shownAtOpening;
    QtDialogHost::Inputs typed;
    output::UnitChoice units;
};

std::map<const DialogTemplate*, Draft>& draftsOfThisRun() {
    static std::map<const DialogTemplate*, Draft> drafts;
    return drafts;
}

bool isEnterKey(QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Enter presses a button: the focused button itself, or from the fields of a section the
// section's button.
class EnterPresses final : public QObject {
public:
    EnterPresses(QAbstractButton* button, QObject* parent) : QObject(parent), button_(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!isEnterKey(event)) {
            return false;
        }
        QAbstractButton* button =
            button_ != nullptr ? button_ : qobject_cast<QAbstractButton*>(watched);
        if (button != nullptr && button->isEnabled()) {
            button->click();
        }
        return true;
    }

private:
    QAbstractButton* button_;
};

}  // namespace

QtDialogHost::QtDialogHost(const DialogTemplate& layout, const DialogFactory& makeLogic,
                           QWidget* validityWindow, QWidget* parent)
    : layout_(layout),
      window_(parent,
              [this, id = layout.closeBoxId] {
                  if (logic_) {
                      logic_->command(id);
                  }
              }),
      controls_(buildTemplate(layout, window_)),
      validityWindow_(validityWindow),
      logic_(makeLogic(*this)) {
    window_.setWindowTitle(toQString(layout.caption));
    logic_->opened();
    for (const auto& [id, control] : controls_) {
        connectControl(id, control);
    }
    if (layout.copyButtonId != 0) {
        connectCopyKey(layout.copyButtonId);
    }
    connectEnterKey(layout);
    restoreDraft();
    focusFirstInput(layout);
    QObject::connect(qApp, &QApplication::focusChanged, &relay_,
                     [this](QWidget* /*old*/, QWidget* now) { focusMoved(now); });
    logic_->refreshDisplays();
}

QtDialogHost::Inputs QtDialogHost::inputs() const {
    Inputs now;
    for (const auto& [id, control] : controls_) {
        if (control.kind == ControlKind::kEdit) {
            now.texts[id] = static_cast<const QLineEdit*>(control.widget)->text();
        } else if (control.kind == ControlKind::kRadio) {
            now.radios[id] = static_cast<const QAbstractButton*>(control.widget)->isChecked();
        }
    }
    return now;
}

void QtDialogHost::restoreDraft() {
    shownAtOpening_ = inputs();
    const auto draft = draftsOfThisRun().find(&layout_);
    if (draft != draftsOfThisRun().end() && draft->second.shownAtOpening == shownAtOpening_ &&
        draft->second.units == windowUnits()) {
        restore(draft->second.typed);
    }
}

// As the user did it: the radios clicked first, as they enable the fields, then the texts of the
// fields that are open to typing.
void QtDialogHost::restore(const Inputs& typed) {
    for (const auto& [id, checked] : typed.radios) {
        auto* radio = static_cast<QAbstractButton*>(controls_.at(id).widget);
        if (checked && !radio->isChecked()) {
            radio->click();
        }
    }
    for (const auto& [id, text] : typed.texts) {
        const BuiltControl& control = controls_.at(id);
        auto* edit = static_cast<QLineEdit*>(control.widget);
        if (controlEnabled(control) && edit->text() != text) {
            edit->setText(text);
            edit->setCursorPosition(0);
            logic_->fieldEdited(id);
        }
    }
}

void QtDialogHost::focusFirstInput(const DialogTemplate& layout) {
    for (const ControlEntry& entry : layout.controls) {
        const BuiltControl* control = find(entry.id);
        if (entry.kind == ControlKind::kEdit && control != nullptr && controlEnabled(*control)) {
            focusField(entry.id);
            return;
        }
    }
}

QtDialogHost::~QtDialogHost() = default;

void QtDialogHost::connectControl(int id, const BuiltControl& control) {
    switch (control.kind) {
        case ControlKind::kEdit: {
            auto* edit = static_cast<QLineEdit*>(control.widget);
            QObject::connect(edit, &QLineEdit::textEdited, &relay_, [this, edit, id] {
                edit->setToolTip({});
                logic_->fieldEdited(id);
            });
            QObject::connect(edit, &QLineEdit::textChanged, &relay_,
                             [this] { logic_->refreshDisplays(); });
            break;
        }
        case ControlKind::kRadio:
        case ControlKind::kCheck:
        case ControlKind::kButton:
            QObject::connect(static_cast<QAbstractButton*>(control.widget),
                             &QAbstractButton::clicked, &relay_,
                             [this, id] { logic_->command(id); });
            break;
        default:
            break;
    }
}

void QtDialogHost::connectCopyKey(int copyButtonId) {
    auto* shortcut = new QShortcut(QKeySequence::Copy, &window_);
    QObject::connect(shortcut, &QShortcut::activated, &relay_,
                     [this, copyButtonId] { logic_->command(copyButtonId); });
    auto* filter = new CopyKeyFilter(&relay_);
    for (const auto& [id, control] : controls_) {
        if (qobject_cast<QLineEdit*>(control.widget) != nullptr) {
            control.widget->installEventFilter(filter);
        }
    }
}

void QtDialogHost::connectEnterKey(const DialogTemplate& layout) {
    auto* onFocusedButton = new EnterPresses(nullptr, &relay_);
    for (const auto& [id, control] : controls_) {
        if (control.kind == ControlKind::kButton) {
            control.widget->installEventFilter(onFocusedButton);
        }
    }
    for (const int buttonId : layout.sectionButtons) {
        const auto section = std::ranges::find(layout.controls, buttonId, &ControlEntry::id);
        const BuiltControl* button = find(buttonId);
        if (section == layout.controls.end() || button == nullptr) {
            continue;
        }
        auto* pressButton =
            new EnterPresses(static_cast<QAbstractButton*>(button->widget), &relay_);
        for (const ControlEntry& entry : layout.controls) {
            if (entry.kind == ControlKind::kEdit && entry.group == section->group) {
                find(entry.id)->widget->installEventFilter(pressButton);
            }
        }
    }
}

void QtDialogHost::focusMoved(QWidget* now) {
    if (now != nullptr && window_.isAncestorOf(now)) {
        logic_->refreshDisplays();
    }
}

int QtDialogHost::exec() {
    // Window-modal, not application-modal: the validity window stays usable beside it.
    window_.setWindowModality(Qt::WindowModal);
    const int code = window_.exec();
    draftsOfThisRun().insert_or_assign(&layout_, Draft{shownAtOpening_, inputs(), windowUnits()});
    return code;
}

const BuiltControl* QtDialogHost::find(int id) const {
    const auto found = controls_.find(id);
    return found != controls_.end() ? &found->second : nullptr;
}

void QtDialogHost::setCaption(std::string_view caption) {
    window_.setWindowTitle(toQString(caption));
}

std::string QtDialogHost::text(int id) const {
    const BuiltControl* control = find(id);
    if (control == nullptr) {
        return {};
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(control->widget)) {
        return toUtf8(edit->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control->widget)) {
        return toUtf8(button->text());
    }
    if (const auto* label = qobject_cast<const QLabel*>(control->widget)) {
        return toUtf8(label->text());
    }
    return {};
}

void QtDialogHost::setText(int id, std::string_view text) {
    const BuiltControl* control = find(id);
    if (control == nullptr) {
        return;
    }
    control->widget->setToolTip({});
    if (auto* edit = qobject_cast<QLineEdit*>(control->widget)) {
        edit->setText(toQString(text));
        // A value longer than the field shows its beginning, not its last digits.
        edit->setCursorPosition(0);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control->widget)) {
        button->setText(toQString(text));
    } else if (auto* label = qobject_cast<QLabel*>(control->widget)) {
        label->setText(toQString(text));
    }
}

std::string QtDialogHost::label(int id) const {
    const auto found = labels_.find(id);
    return found != labels_.end() ? found->second : std::string{};
}

void QtDialogHost::setLabel(int id, std::string_view text) {
    const BuiltControl* control = find(id);
    if (control != nullptr && control->label != nullptr) {
        control->label->setText(toQString(shownLabel(text)));
        labels_.insert_or_assign(id, std::string(text));
    }
}

std::string QtDialogHost::templateLabel(int id) const {
    const auto entry = std::ranges::find(layout_.controls, id, &ControlEntry::id);
    if (entry == layout_.controls.end()) {
        return {};
    }
    return std::string(entry->text.empty() ? rowLabel(layout_.controls, *entry) : entry->text);
}

std::string QtDialogHost::toolTip(int id) const {
    const BuiltControl* control = find(id);
    return control != nullptr ? toUtf8(control->widget->toolTip()) : std::string{};
}

void QtDialogHost::setToolTip(int id, std::string_view text) {
    if (const BuiltControl* control = find(id)) {
        control->widget->setToolTip(toQString(text));
    }
}

bool QtDialogHost::checked(int id) const {
    const BuiltControl* control = find(id);
    const auto* button =
        control != nullptr ? qobject_cast<const QAbstractButton*>(control->widget) : nullptr;
    return button != nullptr && button->isChecked();
}

void QtDialogHost::setChecked(int id, bool checked) {
    const BuiltControl* control = find(id);
    auto* button = control != nullptr ? qobject_cast<QAbstractButton*>(control->widget) : nullptr;
    if (button == nullptr) {
        return;
    }
    // An exclusive radio button refuses to be unchecked directly; the logic may clear all.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(exclusive && checked);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
}

bool QtDialogHost::enabled(int id) const {
    const BuiltControl* control = find(id);
    return control != nullptr && controlEnabled(*control);
}

void QtDialogHost::setEnabled(int id, bool enabled) {
    if (const BuiltControl* control = find(id)) {
        setControlEnabled(*control, enabled);
    }
}

void QtDialogHost::showAsResult(int id) {
    if (const BuiltControl* control = find(id)) {
        showControlAsResult(*control);
    }
}

void QtDialogHost::setVisible(int id, bool visible) {
    const BuiltControl* control = find(id);
    if (control == nullptr) {
        return;
    }
    control->widget->setVisible(visible);
    if (control->label != nullptr) {
        control->label->setVisible(visible);
    }
}

void QtDialogHost::focusField(int id) const {
    const BuiltControl* control = find(id);
    if (auto* edit = control != nullptr ? qobject_cast<QLineEdit*>(control->widget) : nullptr) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
}

void QtDialogHost::repaintNow() {
    window_.repaint();
}

void QtDialogHost::processInput() {
    QCoreApplication::processEvents();
}

void QtDialogHost::draw(int id, const output::DisplayList& drawing) {
    const BuiltControl* control = find(id);
    if (auto* canvas =
            control != nullptr ? dynamic_cast<CanvasWidget*>(control->widget) : nullptr) {
        canvas->setDrawing(drawing);
    }
}

MessageAnswer QtDialogHost::message(std::string_view text, std::string_view caption,
                                    MessageButtons buttons) {
    return showMessageBox(window_, text, caption, buttons);
}

bool QtDialogHost::messageWithCheckBox(std::string_view title, std::string_view text,
                                       std::string_view checkBoxText) {
    return showMessageWithCheckBox(window_, title, text, checkBoxText);
}

std::optional<std::string> QtDialogHost::askOpenFileName(const FileQuestion& question) {
    return askFileName(window_, question, FileAccess::kOpen);
}

std::optional<std::string> QtDialogHost::askSaveFileName(const FileQuestion& question) {
    return askFileName(window_, question, FileAccess::kSave);
}

int QtDialogHost::runModal(const DialogTemplate& layout, const DialogFactory& makeLogic) {
    QtDialogHost child(layout, makeLogic, validityWindow_, &window_);
    return child.exec();
}

void QtDialogHost::toggleValidityWindow() {
    if (validityWindow_ == nullptr) {
        return;
    }
    if (validityWindow_->isVisible()) {
        validityWindow_->hide();
        return;
    }
    validityWindow_->show();
    validityWindow_->raise();
}

bool QtDialogHost::validityWindowVisible() const {
    return validityWindow_ != nullptr && validityWindow_->isVisible();
}

bool QtDialogHost::openDocument(const std::string& path) {
    return openWithDesktop(path);
}

void QtDialogHost::setClipboardText(std::string_view text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}

void QtDialogHost::endDialog(int code) {
    window_.done(code);
}

}  // namespace vaporis::ui
