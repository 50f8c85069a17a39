#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/port.h"

namespace vaporis::test {

//! A message box as the logic showed it.
struct RecordedMessage {
    std::string text;
    std::string caption;
    ui::MessageButtons buttons;
};

class ScriptedPort;

//! What a test does inside a child dialog while it runs modally.
using ChildAction = std::function<void(ScriptedPort& port, ui::DialogLogic& logic)>;

//! A child dialog that ran modally, kept with its window for inspection.
struct ChildDialog {
    int resourceId;
    std::unique_ptr<ScriptedPort> port;
    std::unique_ptr<ui::DialogLogic> logic;
};

//! The port in memory: fields are texts by id, message boxes and file questions take
//! scripted answers, child dialogs run at once and stay inspectable.
class ScriptedPort : public ui::Port {
public:
    ScriptedPort();
    ~ScriptedPort() override;

    // The user's side.

    //! Sets a field's text as if typed, which removes its tool tip.
    void typeText(int id, std::string_view text) { setText(id, text); }
    //! Checks `id` and unchecks the other radios of its group, as a click on a radio does.
    void chooseRadio(int id, std::initializer_list<int> group);
    //! The answer to the next message box with buttons other than OK.
    void answerNextQuestion(ui::MessageAnswer answer) { answers_.push_back(answer); }
    //! The answer to the next save-file question; nothing stands for Cancel.
    void answerNextSaveQuestion(std::optional<std::string> path);
    //! The answer to the next open-file question; nothing stands for Cancel.
    void answerNextOpenQuestion(std::optional<std::string> path);
    //! The answer to the next check-box message (whether the box was ticked).
    void answerNextCheckBoxMessage(bool ticked) { checkBoxAnswers_.push_back(ticked); }
    //! Runs inside the next child dialog, after its opened().
    void onNextChild(ChildAction action) { childActions_.push_back(std::move(action)); }
    //! What the user does whenever a long calculation lets input through.
    void onProcessInput(std::function<void()> action) { onInput_ = std::move(action); }
    //! Whether openDocument reports success.
    void setOpenDocumentResult(bool result) { openDocumentResult_ = result; }

    // What the logic did.

    [[nodiscard]] bool hasText(int id) const { return texts_.contains(id); }
    [[nodiscard]] const std::string& caption() const { return caption_; }
    //! The field the logic last put the focus into; 0 for none.
    [[nodiscard]] int focusedField() const { return focusedField_; }
    [[nodiscard]] const std::vector<RecordedMessage>& messages() const { return messages_; }
    [[nodiscard]] int saveQuestions() const { return saveQuestions_; }
    [[nodiscard]] const std::vector<std::string>& openedDocuments() const { return documents_; }
    [[nodiscard]] const std::vector<ChildDialog>& children() const { return children_; }
    [[nodiscard]] std::optional<int> endCode() const { return endCode_; }
    [[nodiscard]] int repaints() const { return repaints_; }
    [[nodiscard]] bool visible(int id) const;
    //! What the logic last drew on canvas id; null when nothing.
    [[nodiscard]] const output::DisplayList* drawing(int id) const;
    [[nodiscard]] const std::string& clipboard() const { return clipboard_; }

    // ui::Port
    void setCaption(std::string_view caption) override { caption_ = std::string(caption); }
    [[nodiscard]] std::string text(int id) const override;
    void setText(int id, std::string_view text) override;
    [[nodiscard]] std::string label(int id) const override {
        return labels_.contains(id) ? labels_.at(id) : std::string{};
    }
    void setLabel(int id, std::string_view text) override { labels_[id] = std::string(text); }
    [[nodiscard]] std::string toolTip(int id) const override;
    void setToolTip(int id, std::string_view text) override { toolTips_[id] = std::string(text); }
    [[nodiscard]] bool checked(int id) const override;
    void setChecked(int id, bool checked) override { checked_[id] = checked; }
    [[nodiscard]] bool enabled(int id) const override;
    void setEnabled(int id, bool enabled) override { enabled_[id] = enabled; }
    void setVisible(int id, bool visible) override { visible_[id] = visible; }
    void focusField(int id) const override { focusedField_ = id; }
    void repaintNow() override { ++repaints_; }
    void processInput() override {
        if (onInput_) {
            onInput_();
        }
    }
    void draw(int id, const output::DisplayList& drawing) override { drawings_[id] = drawing; }
    //! Counts the call and answers a few stand-in bytes.
    ui::MessageAnswer message(std::string_view text, std::string_view caption,
                              ui::MessageButtons buttons) override;
    bool messageWithCheckBox(std::string_view title, std::string_view text,
                             std::string_view checkBoxText) override;
    [[nodiscard]] std::optional<std::string> askOpenFileName(
        const ui::FileQuestion& question) override;
    [[nodiscard]] std::optional<std::string> askSaveFileName(
        const ui::FileQuestion& question) override;
    int runModal(const ui::DialogTemplate& layout, const ui::DialogFactory& makeLogic) override;
    void toggleValidityWindow() override { *validityVisible_ = !*validityVisible_; }
    [[nodiscard]] bool validityWindowVisible() const override { return *validityVisible_; }
    bool openDocument(const std::string& path) override;
    void setClipboardText(std::string_view text) override { clipboard_ = std::string(text); }
    void endDialog(int code) override { endCode_ = code; }

    //! The last file question asked (save or open).
    [[nodiscard]] const std::optional<ui::FileQuestion>& lastFileQuestion() const {
        return lastQuestion_;
    }

private:
    struct ChildKey {};

public:
    //! A child window; it shares its parent's validity window, as there is one per program.
    ScriptedPort(ChildKey, std::shared_ptr<bool> validityVisible);

private:
    std::string caption_;
    mutable int focusedField_ = 0;
    std::map<int, std::string> texts_;
    std::map<int, std::string> labels_;
    std::map<int, std::string> toolTips_;
    std::string clipboard_;
    std::map<int, bool> checked_;
    std::map<int, bool> enabled_;
    std::map<int, bool> visible_;
    std::map<int, output::DisplayList> drawings_;
    std::vector<RecordedMessage> messages_;
    std::deque<ui::MessageAnswer> answers_;
    std::deque<bool> checkBoxAnswers_;
    std::deque<std::optional<std::string>> saveAnswers_;
    std::deque<std::optional<std::string>> openAnswers_;
    std::deque<ChildAction> childActions_;
    std::optional<ui::FileQuestion> lastQuestion_;
    std::vector<std::string> documents_;
    std::vector<ChildDialog> children_;
    std::shared_ptr<bool> validityVisible_;
    std::optional<int> endCode_;
    std::function<void()> onInput_;
    int saveQuestions_ = 0;
    int repaints_ = 0;
    bool openDocumentResult_ = true;
};

}  // namespace vaporis::test
