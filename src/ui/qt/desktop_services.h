#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QWidget>

#include "ui/port.h"

namespace vaporis::ui {

//! A modal message box owned by parent; the captions "Error" and "Warning" get their icons.
MessageAnswer showMessageBox(QWidget& parent, std::string_view text, std::string_view caption,
                             MessageButtons buttons);

//! A modal message with an OK button and a check box; whether the box was ticked.
bool showMessageWithCheckBox(QWidget& parent, std::string_view title, std::string_view text,
                             std::string_view checkBoxText);

//! Whether a file dialog asks for a file to read or for a file to write.
enum class FileAccess { kOpen, kSave };

//! The file dialog; a name typed without extension gets the question's default extension.
//! A save dialog never asks about overwriting: the caller does.
std::optional<std::string> askFileName(QWidget& parent, const FileQuestion& question,
                                       FileAccess access);

//! Opens path with the desktop's default viewer; false when that failed.
bool openWithDesktop(const std::string& path);

}  // namespace vaporis::ui
