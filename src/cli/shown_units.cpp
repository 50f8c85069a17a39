#include "cli/shown_units.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "cli/command_error.h"
#include "cli/number_io.h"

namespace vaporis::cli {

namespace {

// Set by the outermost command run only, before it starts any thread.
output::UnitChoice gShownUnits;
std::atomic<int> gRunDepth{0};

std::string quantityKeys() {
    std::string keys;
    for (int i = 0; i < output::kQuantityCount; ++i) {
        keys += keys.empty() ? "" : " ";
        keys += output::quantityKey(static_cast<output::Quantity>(i));
    }
    return keys;
}

void addUnitOptionsTo(CLI::App& command, UnitOptions& options) {
    command
        .add_option("--units", options.preset,
                    "units of the values read and shown: written (bar, °C, kJ/kg, ...; the "
                    "default), si-mpa or us (psia, °F, BTU/lb, lb/h, ...)")
        ->type_name("written|si-mpa|us")
        ->check(CLI::Validator(
            [](const std::string& name) {
                return output::presetChoice(name)
                           ? std::string()
                           : "\"" + name + "\" is none of written, si-mpa, us";
            },
            ""));
    command
        .add_option(
            "--unit", options.list,
            "the unit of single quantities, e.g. p=psig,t=F; quantities: " + quantityKeys() +
                "; a gauge unit (barg, psig, ...) is above --gauge-reference")
        ->type_name("QUANTITY=UNIT,...")
        ->check(CLI::Validator(
            [](const std::string& list) {
                output::UnitChoice choice;
                return output::applyUnitList(list, choice);
            },
            ""));
    command
        .add_option("--gauge-reference", options.gaugeReference,
                    "the absolute pressure [bar] gauge units (barg, psig, ...) are above: "
                    "above 0, at most 10 bar (default 1.01325); may carry its unit (14.696psia)")
        ->type_name("P");
}

// The most a reference of gauge pressures may be [bar], as in the units window.
constexpr double kMaxGaugeReference = 10.0;

// The reference of gauge pressures the text gives [bar]; a bare number is in bar.
double gaugeReference(const std::string& text) {
    // A gauge unit cannot give the reference it is measured from: read against none (NaN),
    // it gives no number and is refused below.
    output::UnitChoice noReference;
    noReference.referencePressure = std::numeric_limits<double>::quiet_NaN();
    const output::Reading reading =
        output::readValue(text, *output::findUnit(output::Quantity::kPressure, "bar"), noReference);
    if (!reading.ok()) {
        throw ArgumentError("--gauge-reference " + reading.refusal);
    }
    if (!(reading.value > 0.0) || reading.value > kMaxGaugeReference) {
        throw ArgumentError("--gauge-reference \"" + text +
                            "\": not an absolute pressure above 0 and at most 10 bar");
    }
    return reading.value;
}

// The label with `written` in its brackets replaced by the shown unit.
std::string relabelled(std::string_view label, const output::Unit* written) {
    const auto open = label.find('[');
    const auto close = label.find(']', open);
    if (written == nullptr || shownUnits().unit(written->quantity) == nullptr ||
        close == std::string_view::npos) {
        return std::string(label);
    }
    return std::string(label.substr(0, open + 1)) +
           std::string(output::shownUnit(*written, shownUnits()).symbol) +
           std::string(label.substr(close));
}

}  // namespace

const output::Unit* bracketUnit(std::string_view help, bool second) {
    const auto open = help.find('[');
    const auto close = help.find(']', open);
    if (open == std::string_view::npos || close == std::string_view::npos) {
        return nullptr;
    }
    std::string_view units = help.substr(open + 1, close - open - 1);
    if (const auto alternative = units.find(" or "); alternative != std::string_view::npos) {
        units = second ? units.substr(alternative + 4) : units.substr(0, alternative);
    }
    return output::findWrittenUnit(units);
}

void addUnitOptions(CLI::App& app, UnitOptions& options) {
    for (CLI::App* command : app.get_subcommands({})) {
        if (command->get_subcommands({}).empty()) {
            addUnitOptionsTo(*command, options);
        } else {
            addUnitOptions(*command, options);
        }
    }
}

CommandUnits::CommandUnits() : outermost_(gRunDepth++ == 0) {}

CommandUnits::~CommandUnits() {
    --gRunDepth;
    if (outermost_) {
        gShownUnits = {};
    }
}

void CommandUnits::choose(const UnitOptions& options) {
    if (!outermost_) {
        return;
    }
    std::optional<output::UnitChoice> choice =
        output::presetChoice(options.preset.empty() ? "written" : options.preset);
    if (!choice) {
        throw ArgumentError("--units \"" + options.preset + "\" is none of written, si-mpa, us");
    }
    if (const std::string refusal = output::applyUnitList(options.list, *choice);
        !refusal.empty()) {
        throw ArgumentError("--unit " + refusal);
    }
    if (!options.gaugeReference.empty()) {
        choice->referencePressure = gaugeReference(options.gaugeReference);
    }
    gShownUnits = *choice;
}

const output::UnitChoice& shownUnits() {
    return gShownUnits;
}

std::string_view unitSpelling(std::string_view text) {
    text = trimBlanks(text);
    double value = 0.0;
    const auto end = std::from_chars(text.data(), text.data() + text.size(), value).ptr;
    return end == text.data()
               ? std::string_view()
               : trimBlanks(text.substr(static_cast<std::size_t>(end - text.data())));
}

bool carriesUnit(std::string_view text) {
    const std::string_view unit = unitSpelling(text);
    return !unit.empty() && output::findUnit(unit) != nullptr;
}

double readShownNumber(const std::string& name, std::string_view text, const output::Unit& written,
                       bool difference) {
    const std::optional<double> plain = parseNumber(text);
    if (plain && shownUnits().unit(written.quantity) == nullptr) {
        return *plain;
    }
    const output::Reading reading = difference ? output::readDifference(text, written, shownUnits())
                                               : output::readValue(text, written, shownUnits());
    if (!reading.ok()) {
        throw ArgumentError(name + " " + reading.refusal);
    }
    return reading.value;
}

double readOptionNumber(const CLI::Option& option, const std::string& text, bool second) {
    const output::Unit* written = bracketUnit(option.get_description(), second);
    if (written == nullptr) {
        if (const std::optional<double> plain = parseNumber(text)) {
            return *plain;
        }
        throw ArgumentError(option.get_name() + " \"" + text + "\": a number without unit");
    }
    return readShownNumber(option.get_name(), text, *written);
}

double shownValue(double value, const output::Unit* written) {
    if (written == nullptr || !std::isfinite(value)) {
        return value;
    }
    return output::toShown(value, *written, shownUnits());
}

double shownValue(double value, output::ReportUnit unit) {
    return output::shownReportValue(value, unit, shownUnits());
}

std::string shownSymbol(output::ReportUnit unit) {
    return output::shownReportSymbol(unit, shownUnits());
}

std::string shownLabel(std::string_view label, output::ReportUnit unit) {
    const auto open = label.find('[');
    const auto close = label.find(']', open);
    if (!output::shownConverted(unit, shownUnits()) || close == std::string_view::npos) {
        return std::string(label);
    }
    return std::string(label.substr(0, open + 1)) + shownSymbol(unit) +
           std::string(label.substr(close));
}

std::string shownLabel(std::string_view label) {
    return relabelled(label, bracketUnit(label));
}

std::string shownColumn(const output::PropertyEntry& entry) {
    const std::string symbol = shownSymbol(entry.unit);
    if (shownUnits().isWritten() || symbol.empty()) {
        return std::string(entry.key);
    }
    return std::string(entry.key) + " [" + std::string(symbol) + "]";
}

void addUnits(nlohmann::ordered_json& json, std::span<const output::PropertyEntry> entries) {
    if (shownUnits().isWritten()) {
        return;
    }
    nlohmann::ordered_json units = nlohmann::ordered_json::object();
    for (const output::PropertyEntry& entry : entries) {
        if (const std::string symbol = shownSymbol(entry.unit); !symbol.empty()) {
            units[std::string(entry.key)] = std::string(symbol);
        }
    }
    placeUnits(json, units);
}

void placeUnits(nlohmann::ordered_json& json, const nlohmann::ordered_json& units) {
    if (shownUnits().isWritten()) {
        return;
    }
    constexpr const char* kReferenceKey = "gauge_reference_bar";
    nlohmann::ordered_json& placed = json["units"];
    placed.update(units);
    placed.erase(kReferenceKey);
    const bool gauge = std::any_of(placed.begin(), placed.end(), [](const auto& symbol) {
        const output::Unit* unit =
            symbol.is_string()
                ? output::findUnit(output::Quantity::kPressure, symbol.template get<std::string>())
                : nullptr;
        return unit != nullptr && unit->gauge;
    });
    if (gauge) {
        placed[kReferenceKey] = shownUnits().referencePressure;
    }
}

}  // namespace vaporis::cli
