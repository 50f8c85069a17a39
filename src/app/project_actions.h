#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "project/module_objects.h"
#include "ui/port.h"

namespace vaporis::app {

//! The file question of project files.
inline constexpr ui::FileQuestion kProjectFileQuestion{"Project files (*.prj)", "*.prj", "prj"};
//! Shown when a project file could not be written; an existing file is then untouched.
inline constexpr std::string_view kProjectNotWrittenText =
    "The project file could not be written. Please choose another folder or file name.";

//! Begins the message of a project holding an impossible value; the field and a point follow.
inline constexpr std::string_view kImpossibleValueText =
    "The project file holds an impossible value: ";

//! "save calculation": asks for a .prj file and writes the inputs of every module into it; an
//! existing file is replaced only after the user agreed. The file written; nothing when nothing
//! was written.
std::optional<std::string> saveProject(ui::Port& port, const project::ModuleObjects& objects);
//! "load calculation": asks for a .prj file and loads it into the module objects. The file
//! loaded; nothing when nothing was loaded.
std::optional<std::string> loadProject(ui::Port& port, project::ModuleObjects& objects);
//! Loads the project at path into the objects; an unusable file shows its message and changes
//! nothing. False when nothing was loaded.
bool loadProjectFile(ui::Port& port, project::ModuleObjects& objects, const std::string& path);

}  // namespace vaporis::app
