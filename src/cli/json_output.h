#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace vaporis::cli {

//! The value as a JSON number, or null when it is not valid.
[[nodiscard]] nlohmann::ordered_json numberOrNull(double value, bool valid);

//! {"value": value or null, "status": status, "message": what a water/steam status says};
//! the value is null unless status is 0, the message empty then.
[[nodiscard]] nlohmann::ordered_json valueWithStatus(double value, int status);

//! The document on one line, keys in the order they were added, every number in the shortest
//! form that reads back as the same double, whatever the locale.
[[nodiscard]] std::string jsonText(const nlohmann::ordered_json& document);

//! Prints jsonText(document) and a line end to stdout.
void printJson(const nlohmann::ordered_json& document);

}  // namespace vaporis::cli
