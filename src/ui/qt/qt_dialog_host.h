#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <QObject>
#include <QString>
#include <QWidget>

#include "ui/dialog_template.h"
#include "ui/port.h"
#include "ui/qt/host_window.h"
#include "ui/qt/template_builder.h"

namespace vaporis::ui {

//! A window built from any dialog template, driven by its dialog logic: the one place that
//! turns Qt signals into the logic's handlers and the port's calls into widget changes.
class QtDialogHost final : public Port {
public:
    //! Builds the window (a child of parent, a top-level window when parent is null) and its
    //! logic, then tells the logic it opened. validityWindow is the run's one validity
    //! window, shown and hidden by toggleValidityWindow; null when there is none.
    QtDialogHost(const DialogTemplate& layout, const DialogFactory& makeLogic,
                 QWidget* validityWindow, QWidget* parent = nullptr);
    ~QtDialogHost() override;
    QtDialogHost(const QtDialogHost&) = delete;
    QtDialogHost& operator=(const QtDialogHost&) = delete;

    //! Runs the window modally (blocking only its parent windows); its end code.
    int exec();
    [[nodiscard]] QWidget& window() { return window_; }

    void setCaption(std::string_view caption) override;
    [[nodiscard]] std::string text(int id) const override;
    void setText(int id, std::string_view text) override;
    [[nodiscard]] std::string label(int id) const override;
    void setLabel(int id, std::string_view text) override;
    [[nodiscard]] std::string templateLabel(int id) const override;
    [[nodiscard]] std::string toolTip(int id) const override;
    void setToolTip(int id, std::string_view text) override;
    [[nodiscard]] bool checked(int id) const override;
    void setChecked(int id, bool checked) override;
    [[nodiscard]] bool enabled(int id) const override;
    void setEnabled(int id, bool enabled) override;
    void setVisible(int id, bool visible) override;
    void showAsResult(int id) override;
    void focusField(int id) const override;
    void repaintNow() override;
    void processInput() override;
    void draw(int id, const output::DisplayList& drawing) override;
    MessageAnswer message(std::string_view text, std::string_view caption,
                          MessageButtons buttons) override;
    bool messageWithCheckBox(std::string_view title, std::string_view text,
                             std::string_view checkBoxText) override;
    [[nodiscard]] std::optional<std::string> askOpenFileName(const FileQuestion& question) override;
    [[nodiscard]] std::optional<std::string> askSaveFileName(const FileQuestion& question) override;
    int runModal(const DialogTemplate& layout, const DialogFactory& makeLogic) override;
    void toggleValidityWindow() override;
    [[nodiscard]] bool validityWindowVisible() const override;
    bool openDocument(const std::string& path) override;
    void setClipboardText(std::string_view text) override;
    void endDialog(int code) override;

    //! The inputs of a window: the texts of its edit fields and which radios are checked.
    struct Inputs {
        std::map<int, QString> texts;
        std::map<int, bool> radios;
        bool operator==(const Inputs&) const = default;
    };

private:
    [[nodiscard]] const BuiltControl* find(int id) const;
    [[nodiscard]] Inputs inputs() const;
    void restoreDraft();
    void restore(const Inputs& typed);
    void focusFirstInput(const DialogTemplate& layout);
    void connectControl(int id, const BuiltControl& control);
    void connectCopyKey(int copyButtonId);
    void connectEnterKey(const DialogTemplate& layout);
    void focusMoved(QWidget* now);

    const DialogTemplate& layout_;
    HostWindow window_;
    ControlMap controls_;
    QWidget* validityWindow_;
    std::unique_ptr<DialogLogic> logic_;
    Inputs shownAtOpening_;
    std::map<int, std::string> labels_;
    // Context of every signal connection; declared last, so it goes first and no signal
    // raised while the widgets are torn down reaches the logic.
    QObject relay_;
};

}  // namespace vaporis::ui
