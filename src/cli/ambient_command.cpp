#include "cli/ambient_command.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_error.h"
#include "cli/json_output.h"
#include "cli/output_options.h"
#include "cli/shown_units.h"
#include "cli/text_table.h"
#include "output/messages/messages.h"
#include "output/units/units.h"
#include "processes/module_rules.h"
#include "processes/status_codes.h"
#include "processes/tools/ambient_data.h"

namespace vaporis::cli {

namespace {

using processes::AmbientData;

constexpr double kNoDewPoint = -1.0;

struct AmbientLine {
    const char* key;
    const char* label;
};

constexpr auto kAmbientLines = std::to_array<AmbientLine>({
    {"pressure", "Atmospheric pressure p [bar]"},
    {"density", "Density of the moist air rho [kg/m³]"},
    {"humidityRatio", "Water content x [kg/kg dry air]"},
    {"waterMassFraction", "Water content [kg/kg moist air]"},
    {"waterMoleFraction", "Water content [mol/mol moist air]"},
    {"dewPoint", "Dew point [°C]"},
});
static_assert(kAmbientLines.size() == AmbientData::kResultCount);

// Result i in its shown unit.
double shownResult(const AmbientData& ambient, int i) {
    return shownValue(ambient.result(i),
                      bracketUnit(kAmbientLines[static_cast<std::size_t>(i)].label));
}

// An input with its label, as shown.
std::vector<std::string> inputRow(std::string_view label, double value) {
    return {shownLabel(label), tableNumber(shownValue(value, bracketUnit(label)), true)};
}

bool hasValue(const AmbientData& ambient, int i) {
    const double value = ambient.result(i);
    return value != NOT_SET && !(i == AmbientData::kDewPoint && value == kNoDewPoint);
}

}  // namespace

nlohmann::ordered_json ambientJson(const AmbientData& ambient) {
    nlohmann::ordered_json values = nlohmann::ordered_json::object();
    nlohmann::ordered_json units = nlohmann::ordered_json::object();
    for (int i = 0; i < AmbientData::kResultCount; ++i) {
        const AmbientLine& line = kAmbientLines[static_cast<std::size_t>(i)];
        values[line.key] = numberOrNull(shownResult(ambient, i), hasValue(ambient, i));
        if (const output::Unit* unit = bracketUnit(line.label)) {
            units[line.key] = std::string(output::shownUnit(*unit, shownUnits()).symbol);
        }
    }
    placeUnits(values, units);
    return values;
}

std::string ambientTable(const AmbientData& ambient) {
    TextTable table;
    table.addRow(inputRow("Ambient temperature t [°C]", ambient.input(AmbientData::kTemperature)));
    table.addRow(
        inputRow("Relative humidity phi [%]", ambient.input(AmbientData::kRelativeHumidity)));
    table.addRow(inputRow("Level above sea z [m]", ambient.input(AmbientData::kLevel)));
    for (int i = 0; i < AmbientData::kResultCount; ++i) {
        table.addRow({shownLabel(kAmbientLines[static_cast<std::size_t>(i)].label),
                      tableNumber(shownResult(ambient, i), hasValue(ambient, i))});
    }
    return table.render();
}

std::string ambientFailureText(int status) {
    using output::MessageId;
    switch (status) {
        case processes::codeOf(processes::AmbientStatus::kHumidityOutOfRange):
            return std::string(output::messageText(output::MessageId::kRelativeHumidityRange));
        case processes::codeOf(processes::AmbientStatus::kWaterBoils):
        case processes::codeOf(processes::AmbientStatus::kBelowTriplePoint):
            return std::string(output::messageText(output::MessageId::kAmbientTemperatureRange));
        default:
            return std::string(output::messageText(output::MessageId::kFreeFlowError));
    }
}

int runAmbient(const AmbientOptions& options) {
    AmbientData ambient;
    ambient.reset();
    ambient.setInput(AmbientData::kTemperature,
                     options.t.value_or(ambient.input(AmbientData::kTemperature)));
    ambient.setInput(AmbientData::kRelativeHumidity,
                     options.phi.value_or(ambient.input(AmbientData::kRelativeHumidity)));
    ambient.setInput(AmbientData::kLevel,
                     options.level.value_or(ambient.input(AmbientData::kLevel)));
    if (processes::checkAmbient(ambient, processes::MarkerMeaning::kNumber)) {
        constexpr int kNonFinite = processes::codeOf(processes::AmbientStatus::kNonFiniteInput);
        return reportRefusal(options.json, kNonFinite, ambientFailureText(kNonFinite));
    }
    if (const int status = ambient.calculate(); status != processes::kOk) {
        return reportRefusal(options.json, status, ambientFailureText(status));
    }
    if (options.json) {
        printJson(ambientJson(ambient));
    } else {
        writeText(stdout, ambientTable(ambient));
    }
    return kExitOk;
}

}  // namespace vaporis::cli
