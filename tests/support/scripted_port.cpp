#include "support/scripted_port.h"

#include <utility>

namespace vaporis::test {

namespace {

template <typename T>
std::optional<T> takeFront(std::deque<T>& queue) {
    if (queue.empty()) {
        return std::nullopt;
    }
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

// The answer of a box the test did not script: the first button.
ui::MessageAnswer firstButton(ui::MessageButtons buttons) {
    const bool yes =
        buttons == ui::MessageButtons::kYesNo || buttons == ui::MessageButtons::kYesNoCancel;
    return yes ? ui::MessageAnswer::kYes : ui::MessageAnswer::kOk;
}

template <typename Map>
bool valueOr(const Map& map, int id, bool fallback) {
    const auto found = map.find(id);
    return found == map.end() ? fallback : found->second;
}

}  // namespace

ScriptedPort::ScriptedPort() : validityVisible_(std::make_shared<bool>(false)) {}

ScriptedPort::ScriptedPort(ChildKey /*key*/, std::shared_ptr<bool> validityVisible)
    : validityVisible_(std::move(validityVisible)) {}

ScriptedPort::~ScriptedPort() = default;

void ScriptedPort::chooseRadio(int id, std::initializer_list<int> group) {
    for (const int member : group) {
        checked_[member] = member == id;
    }
    checked_[id] = true;
}

void ScriptedPort::answerNextSaveQuestion(std::optional<std::string> path) {
    saveAnswers_.push_back(std::move(path));
}

void ScriptedPort::answerNextOpenQuestion(std::optional<std::string> path) {
    openAnswers_.push_back(std::move(path));
}

bool ScriptedPort::visible(int id) const {
    return valueOr(visible_, id, true);
}

const output::DisplayList* ScriptedPort::drawing(int id) const {
    const auto found = drawings_.find(id);
    return found == drawings_.end() ? nullptr : &found->second;
}

std::string ScriptedPort::text(int id) const {
    const auto found = texts_.find(id);
    return found == texts_.end() ? std::string{} : found->second;
}

void ScriptedPort::setText(int id, std::string_view text) {
    texts_[id] = std::string(text);
    toolTips_.erase(id);
}

std::string ScriptedPort::toolTip(int id) const {
    const auto found = toolTips_.find(id);
    return found == toolTips_.end() ? std::string{} : found->second;
}

bool ScriptedPort::checked(int id) const {
    return valueOr(checked_, id, false);
}

bool ScriptedPort::enabled(int id) const {
    return valueOr(enabled_, id, true);
}

ui::MessageAnswer ScriptedPort::message(std::string_view text, std::string_view caption,
                                        ui::MessageButtons buttons) {
    messages_.push_back({std::string(text), std::string(caption), buttons});
    if (buttons == ui::MessageButtons::kOk) {
        return ui::MessageAnswer::kOk;
    }
    return takeFront(answers_).value_or(firstButton(buttons));
}

bool ScriptedPort::messageWithCheckBox(std::string_view title, std::string_view text,
                                       std::string_view /*checkBoxText*/) {
    messages_.push_back({std::string(text), std::string(title), ui::MessageButtons::kOk});
    return takeFront(checkBoxAnswers_).value_or(false);
}

std::optional<std::string> ScriptedPort::askOpenFileName(const ui::FileQuestion& question) {
    lastQuestion_ = question;
    return takeFront(openAnswers_).value_or(std::nullopt);
}

std::optional<std::string> ScriptedPort::askSaveFileName(const ui::FileQuestion& question) {
    lastQuestion_ = question;
    ++saveQuestions_;
    return takeFront(saveAnswers_).value_or(std::nullopt);
}

int ScriptedPort::runModal(const ui::DialogTemplate& layout, const ui::DialogFactory& makeLogic) {
    auto childPort = std::make_unique<ScriptedPort>(ChildKey{}, validityVisible_);
    std::unique_ptr<ui::DialogLogic> logic = makeLogic(*childPort);
    logic->opened();
    if (std::optional<ChildAction> action = takeFront(childActions_)) {
        (*action)(*childPort, *logic);
    }
    const int code = childPort->endCode().value_or(layout.closeBoxId);
    children_.push_back({layout.resourceId, std::move(childPort), std::move(logic)});
    return code;
}

bool ScriptedPort::openDocument(const std::string& path) {
    documents_.push_back(path);
    return openDocumentResult_;
}

}  // namespace vaporis::test
