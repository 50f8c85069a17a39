#include "ui/steam_table/steam_results_dialog.h"

#include "engine/water/status_codes.h"
#include "engine/water/water_steam_state.h"
#include "ui/fields.h"

namespace vaporis::ui {

namespace {

void writeIfValid(Port& port, int fieldId, double value, int status,
                  const output::PropertyEntry& entry) {
    if (status == water::kOk) {
        writeNumber(port, fieldId, value, entry.decimals);
    }
}

}  // namespace

SteamResultsDialog::SteamResultsDialog(Port& port, const water::WaterSteamState& state)
    : port_(port), state_(state) {}

void SteamResultsDialog::opened() {
    writeNumber(port_, kIdResultP, state_.pressure(), output::kWaterPressureEntry.decimals);
    writeNumber(port_, kIdResultT, state_.temperature(), output::kWaterTemperatureEntry.decimals);
    if (state_.mode() != water::kModePT) {
        writeNumber(port_, kIdResultX, state_.quality(), output::kWaterQualityEntry.decimals);
    } else {
        clearField(port_, kIdResultX);
    }
    for (int i = 0; i < water::kPropertyCount; ++i) {
        const output::PropertyEntry& entry = output::waterProperty(i);
        writeIfValid(port_, stateFieldId(i), state_.stateValue(i), state_.stateStatus(i), entry);
        writeIfValid(port_, liquidFieldId(i), state_.liquidValue(i), state_.liquidStatus(i), entry);
        writeIfValid(port_, vaporFieldId(i), state_.vaporValue(i), state_.vaporStatus(i), entry);
    }
    for (int i = 0; i < water::kSaturationCount; ++i) {
        writeIfValid(port_, kIdResultPs + i, state_.saturationValue(i), state_.saturationStatus(i),
                     output::saturationEntry(i));
    }
}

void SteamResultsDialog::command(int id) {
    if (id == kIdResultsOk) {
        port_.endDialog(kIdResultsOk);
    } else if (id == kIdResultsValidity) {
        port_.toggleValidityWindow();
    } else if (id == kIdCopyTable) {
        copyResultTable(port_, kSteamResultsTemplate);
    }
}

}  // namespace vaporis::ui
