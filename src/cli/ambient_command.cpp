#include "cli/ambient_command.h"

#include <array>
#include <cstdio>

#include "cli/command_error.h"
#include "cli/json_output.h"
#include "cli/output_options.h"
#include "cli/text_table.h"
#include "output/messages/messages.h"
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

bool hasValue(const AmbientData& ambient, int i) {
    const double value = ambient.result(i);
    return value != NOT_SET && !(i == AmbientData::kDewPoint && value == kNoDewPoint);
}

}  // namespace

nlohmann::ordered_json ambientJson(const AmbientData& ambient) {
    nlohmann::ordered_json values = nlohmann::ordered_json::object();
    for (int i = 0; i < AmbientData::kResultCount; ++i) {
        values[kAmbientLines[static_cast<std::size_t>(i)].key] =
            numberOrNull(ambient.result(i), hasValue(ambient, i));
    }
    return values;
}

std::string ambientTable(const AmbientData& ambient) {
    TextTable table;
    table.addRow({"Ambient temperature t [°C]",
                  tableNumber(ambient.input(AmbientData::kTemperature), true)});
    table.addRow({"Relative humidity phi [%]",
                  tableNumber(ambient.input(AmbientData::kRelativeHumidity), true)});
    table.addRow({"Level above sea z [m]", tableNumber(ambient.input(AmbientData::kLevel), true)});
    for (int i = 0; i < AmbientData::kResultCount; ++i) {
        table.addRow({kAmbientLines[static_cast<std::size_t>(i)].label,
                      tableNumber(ambient.result(i), hasValue(ambient, i))});
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
