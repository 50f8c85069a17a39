#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "output/diagrams/display_list.h"
#include "ui/dialog_template.h"

namespace vaporis::ui {

//! Buttons of a message box.
enum class MessageButtons { kOk, kYesNo, kOkCancel, kYesNoCancel };

//! The button that closed a message box.
enum class MessageAnswer { kOk, kCancel, kYes, kNo };

//! A file question: filter text as shown ("HTML files (*.html)"), its pattern ("*.html"),
//! the extension appended when the user types a name without one ("html") and, for a file
//! to write, the name offered at first.
struct FileQuestion {
    std::string_view filterName;
    std::string_view pattern;
    std::string_view defaultExtension;
    std::string_view suggestedName = {};  //!< file name offered for a new file ("steam table")
};

class Port;

//! The behaviour of one dialog, independent of any toolkit. The host calls the handlers;
//! the logic answers through the port it was made with.
class DialogLogic {
public:
    virtual ~DialogLogic() = default;
    //! The window has been built from its template and is about to show.
    virtual void opened() {}
    //! A button or radio button with this id was clicked; the close box sends the
    //! template's closeBoxId.
    virtual void command(int id) = 0;
    //! The user changed the text of an edit field (every keystroke).
    virtual void fieldEdited(int /*id*/) {}
    //! The user moved between controls or typed: live displays follow the fields.
    virtual void refreshDisplays() {}
};

//! Builds the logic of a child dialog for the port of its new window.
using DialogFactory = std::function<std::unique_ptr<DialogLogic>(Port&)>;

//! The window operations that dialog logic may use. Texts are UTF-8. Field ids are the
//! template's control ids; an unknown id reads as empty and ignores writes.
class Port {
public:
    virtual ~Port() = default;

    //! Sets the window's title.
    virtual void setCaption(std::string_view caption) = 0;
    [[nodiscard]] virtual std::string text(int id) const = 0;
    //! Sets a control's text and removes its tool tip, which belonged to the former text.
    virtual void setText(int id, std::string_view text) = 0;
    //! The text shown when the pointer rests on a control: a result's full value. Typing in
    //! a field removes it, as setText does.
    //! The text at the left of a field as the logic last set it; empty while it is the template's.
    [[nodiscard]] virtual std::string label(int id) const = 0;
    //! Sets the text at the left of a field (its label, with the unit a choice decided).
    virtual void setLabel(int id, std::string_view text) = 0;
    //! The label of a field as its template wrote it; empty for none (and for a port that
    //! keeps no template, whose fields then stay in the written units).
    [[nodiscard]] virtual std::string templateLabel(int /*id*/) const { return {}; }
    [[nodiscard]] virtual std::string toolTip(int id) const = 0;
    virtual void setToolTip(int id, std::string_view text) = 0;
    [[nodiscard]] virtual bool checked(int id) const = 0;
    virtual void setChecked(int id, bool checked) = 0;
    [[nodiscard]] virtual bool enabled(int id) const = 0;
    virtual void setEnabled(int id, bool enabled) = 0;
    virtual void setVisible(int id, bool visible) = 0;
    //! An input field that shows what the calculation found instead of what the user typed: it
    //! reads as disabled and, in a window, looks like a result and leaves the Tab chain, until
    //! setEnabled(id, true) opens it to typing again.
    virtual void showAsResult(int id) { setEnabled(id, false); }
    //! Puts the keyboard focus into a field with its text selected, so the user can retype a
    //! refused input; const, as it changes no control, so that reading an input may do it.
    virtual void focusField(int /*id*/) const {}
    //! Paints the window at once, so results show while a long calculation goes on.
    virtual void repaintNow() = 0;
    //! Lets the user's clicks through while a long calculation runs; the logic decides
    //! which of them it hears.
    virtual void processInput() {}
    //! Shows drawing on canvas control id, in place of what it showed before.
    virtual void draw(int id, const output::DisplayList& drawing) = 0;

    //! A modal message box owned by this dialog.
    virtual MessageAnswer message(std::string_view text, std::string_view caption,
                                  MessageButtons buttons) = 0;
    //! A modal box with a text, an OK button and one check box; answers whether the box
    //! was ticked when the user closed it (by OK or by the close box).
    virtual bool messageWithCheckBox(std::string_view title, std::string_view text,
                                     std::string_view checkBoxText) = 0;

    //! Asks for an existing file to open; nothing when the user cancels.
    [[nodiscard]] virtual std::optional<std::string> askOpenFileName(
        const FileQuestion& question) = 0;
    //! Asks for a file to write; nothing when the user cancels. Does not ask about
    //! overwriting: the logic asks that itself.
    [[nodiscard]] virtual std::optional<std::string> askSaveFileName(
        const FileQuestion& question) = 0;

    //! Builds a child dialog from its template, runs it modally, returns its end code.
    virtual int runModal(const DialogTemplate& layout, const DialogFactory& makeLogic) = 0;
    //! Shows the modeless validity window if it is hidden, hides it if it is shown.
    virtual void toggleValidityWindow() = 0;
    [[nodiscard]] virtual bool validityWindowVisible() const = 0;

    //! Opens a written document with the desktop's default viewer; false when that failed.
    virtual bool openDocument(const std::string& path) = 0;
    //! Puts a text on the desktop's clipboard, for pasting into other programs.
    virtual void setClipboardText(std::string_view text) = 0;
    //! Ends this dialog; runModal of its parent returns the code.
    virtual void endDialog(int code) = 0;
};

}  // namespace vaporis::ui
