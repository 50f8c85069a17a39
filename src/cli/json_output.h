#pragma once

#include <nlohmann/json.hpp>

namespace vaporis::app {

//! The value as a JSON number, or null when it is not valid.
[[nodiscard]] nlohmann::ordered_json numberOrNull(double value, bool valid);

//! {"value": value or null, "status": status}; the value is null unless status is 0.
[[nodiscard]] nlohmann::ordered_json valueWithStatus(double value, int status);

//! Prints the document on one line to stdout, keys in the order they were added. Numbers keep their
//! shortest round-trip form whatever the locale (nlohmann writes them itself).
void printJson(const nlohmann::ordered_json& document);

}  // namespace vaporis::app
