#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/temporary_folder.h"

namespace vaporis::test {

//! What one run of vaporis-cli gave.
struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

//! Runs the built vaporis-cli with `arguments`, feeding `input` on stdin; stdout goes to
//! `outputPath` instead of CliRun::out when one is given.
[[nodiscard]] CliRun runCli(const std::vector<std::string>& arguments, std::string_view input = {},
                            const std::string& outputPath = {});

//! Line `index` (from 0) of a text, without its end.
[[nodiscard]] std::string lineOf(const std::string& text, std::size_t index);

//! The fields of a CSV line.
[[nodiscard]] std::vector<std::string> fieldsOf(const std::string& line);

//! The number a field spells; NaN for an empty or unreadable field, so it never equals a value.
[[nodiscard]] double numberOf(const std::string& field);

}  // namespace vaporis::test
