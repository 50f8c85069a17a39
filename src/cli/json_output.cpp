#include "cli/json_output.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "cli/text_table.h"
#include "output/format/number_text.h"
#include "output/messages/steam_table_messages.h"

namespace vaporis::cli {

namespace {

// Like dump() (a non-finite number as null), but every finite floating-point number in its shortest
// round-trip form.
void appendJson(std::string& out, const nlohmann::ordered_json& value) {
    if (value.is_object()) {
        out += '{';
        for (auto item = value.begin(); item != value.end(); ++item) {
            out += item == value.begin() ? "" : ",";
            out += nlohmann::ordered_json(item.key()).dump();
            out += ':';
            appendJson(out, item.value());
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        for (auto item = value.begin(); item != value.end(); ++item) {
            out += item == value.begin() ? "" : ",";
            appendJson(out, *item);
        }
        out += ']';
    } else if (value.is_number_float() && std::isfinite(value.get<double>())) {
        out += output::formatShortest(value.get<double>());
    } else {
        out += value.dump();
    }
}

}  // namespace

nlohmann::ordered_json numberOrNull(double value, bool valid) {
    return valid ? nlohmann::ordered_json(value) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json valueWithStatus(double value, int status) {
    return {{"value", numberOrNull(value, status == 0)},
            {"status", status},
            {"message", output::propertyStatusText(status)}};
}

std::string jsonText(const nlohmann::ordered_json& document) {
    std::string out;
    appendJson(out, document);
    return out;
}

void printJson(const nlohmann::ordered_json& document) {
    writeText(stdout, jsonText(document) + '\n');
}

}  // namespace vaporis::cli
