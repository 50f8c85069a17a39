#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace vaporis::ui {

//! What a control is; the Qt host builds one widget kind per value.
enum class ControlKind {
    kEdit,          //!< editable number field (at most 9 characters), label at its left
    kReadOnlyEdit,  //!< result or display field, label at its left
    kRadio,         //!< radio button; radios of one group box are exclusive
    kCheck,         //!< check box
    kButton,        //!< push button
    kStatic,        //!< fixed text
    kPicture,       //!< a drawn picture; the text names it ("steam", "flame")
    kGroup,         //!< group box; its text is the caption that member controls name
    kCanvas,        //!< a drawing area that shows the display list the logic hands it
};

//! One control of a dialog template. Every control sits in a grid cell: controls whose
//! group is "" in the dialog's own grid, the others in the grid of the kGroup entry whose
//! text equals their group. An edit field with a text takes two cells: the label at
//! `column`, the field at `column + 1`.
struct ControlEntry {
    int id;  //!< control id; kStaticId for controls the logic never addresses
    ControlKind kind;
    std::string_view text;  //!< UTF-8 label, button text, static text or group caption
    int row;
    int column;
    std::string_view group;  //!< caption of the enclosing group box; "" for none
    int columnSpan = 1;      //!< grid cells the control (or its field) spans
    bool enabled = true;     //!< enabled when the dialog opens
    int rowSpan = 1;         //!< grid rows a group box spans
};

//! Id for controls that the logic never addresses (labels, pictures).
inline constexpr int kStaticId = -1;

//! One table of controls from parts, in their order: a dialog's own rows joined with rows it
//! shares with a sister dialog.
template <std::size_t... N>
constexpr std::array<ControlEntry, (N + ...)> joinControls(
    const std::array<ControlEntry, N>&... parts) {
    std::array<ControlEntry, (N + ...)> joined{};
    auto next = joined.begin();
    ((next = std::copy(parts.begin(), parts.end(), next)), ...);
    return joined;
}

//! A dialog: caption, controls, and which button the window's close box stands for.
struct DialogTemplate {
    int resourceId;            //!< the dialog's number (101, 102, ...)
    std::string_view caption;  //!< UTF-8 window title
    std::span<const ControlEntry> controls;
    int closeBoxId;           //!< the command the close box sends ("back", "OK")
    int defaultButtonId = 0;  //!< button pressed by Enter; 0 for none
    int copyButtonId = 0;     //!< button pressed by Ctrl+C ("copy table"); 0 for none
    //! Buttons that Enter presses in a field of their own group box, in place of the default
    //! button: a section's own "calculation".
    std::span<const int> sectionButtons = {};
};

}  // namespace vaporis::ui
