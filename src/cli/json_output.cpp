#include "cli/json_output.h"

#include <cstdio>

#include "cli/text_table.h"

namespace vaporis::app {

nlohmann::ordered_json numberOrNull(double value, bool valid) {
    return valid ? nlohmann::ordered_json(value) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json valueWithStatus(double value, int status) {
    return {{"value", numberOrNull(value, status == 0)}, {"status", status}};
}

void printJson(const nlohmann::ordered_json& document) {
    writeText(stdout, document.dump() + '\n');
}

}  // namespace vaporis::app
