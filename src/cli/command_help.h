#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

namespace vaporis::cli {

//! The exit codes a command can return besides 0 (done) and 1 (unusable arguments, files or
//! output).
struct ExitCodes {
    std::string_view refused;  //!< what exit code 2 means for this command; empty: never returned
    bool rows = false;         //!< exit code 3: a batch or table ran, but some rows failed
    std::string_view partial = {};  //!< another meaning of exit code 3 (with rows false)
};

//! Sets the text below a command's options: `notes`, the exit codes it can return and its
//! examples, one command line each. A command's help never shows another command's text.
void setCommandHelp(CLI::App& command, std::string_view notes, ExitCodes codes,
                    std::initializer_list<std::string_view> examples);

//! Lets `app` and the commands added to it afterwards align their help in columns of characters,
//! not bytes, so an option of unit °C lines up with the others.
void alignHelpByCharacters(CLI::App& app);

//! What a number option asks for, from the unit in brackets in its help text: "[bar]" gives
//! BAR, "[°C]" °C, "[kg/s or kg/h]" KG/S|KG/H; no unit or "[-]" gives NUMBER.
[[nodiscard]] std::string numberTypeName(std::string_view help);

}  // namespace vaporis::cli
