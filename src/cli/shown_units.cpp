#include "cli/shown_units.h"

#include <atomic>
#include <charconv>
#include <cmath>
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
        .add_option("--unit", options.list,
                    "the unit of single quantities, e.g. p=psig,t=F; quantities: " +
                        quantityKeys() + "; a gauge unit (barg, psig, ...) is above 1.01325 bar")
        ->type_name("QUANTITY=UNIT,...")
        ->check(CLI::Validator(
            [](const std::string& list) {
                output::UnitChoice choice;
                return output::applyUnitList(list, choice);
            },
            ""));
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
    return output::findUnit(units);
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
    gShownUnits = *choice;
}

void requireWrittenUnits(std::string_view command) {
    if (!gShownUnits.isWritten()) {
        throw ArgumentError(std::string(command) +
                            ": --units and --unit are not taken yet; its values are in the "
                            "written units (bar, °C, kJ/kg, ...)");
    }
}

const output::UnitChoice& shownUnits() {
    return gShownUnits;
}

bool carriesUnit(std::string_view text) {
    text = trimBlanks(text);
    double value = 0.0;
    const auto end = std::from_chars(text.data(), text.data() + text.size(), value).ptr;
    const std::string_view unit =
        trimBlanks(text.substr(static_cast<std::size_t>(end - text.data())));
    return end != text.data() && !unit.empty() && output::findUnit(unit) != nullptr;
}

double readOptionNumber(const CLI::Option& option, const std::string& text, bool second) {
    const output::Unit* written = bracketUnit(option.get_description(), second);
    const std::optional<double> plain = parseNumber(text);
    if (plain && (written == nullptr || shownUnits().unit(written->quantity) == nullptr)) {
        return *plain;
    }
    if (written == nullptr) {
        throw ArgumentError(option.get_name() + " \"" + text + "\": a number without unit");
    }
    const output::Reading reading = output::readValue(text, *written, shownUnits());
    if (!reading.ok()) {
        throw ArgumentError(option.get_name() + " " + reading.refusal);
    }
    return reading.value;
}

double shownValue(double value, const output::Unit* written) {
    if (written == nullptr || !std::isfinite(value)) {
        return value;
    }
    return output::toShown(value, *written, shownUnits());
}

double shownValue(double value, output::ReportUnit unit) {
    return shownValue(value, output::writtenUnit(unit));
}

std::string_view shownSymbol(output::ReportUnit unit) {
    const output::Unit* written = output::writtenUnit(unit);
    return written != nullptr ? output::shownUnit(*written, shownUnits()).symbol
                              : std::string_view();
}

std::string shownLabel(std::string_view label, output::ReportUnit unit) {
    return relabelled(label, output::writtenUnit(unit));
}

std::string shownLabel(std::string_view label) {
    return relabelled(label, bracketUnit(label));
}

std::string shownColumn(const output::PropertyEntry& entry) {
    const std::string_view symbol = shownSymbol(entry.unit);
    if (shownUnits().isWritten() || symbol.empty()) {
        return std::string(entry.key);
    }
    return std::string(entry.key) + " [" + std::string(symbol) + "]";
}

void addUnits(nlohmann::ordered_json& json, std::span<const output::PropertyEntry> entries) {
    if (shownUnits().isWritten()) {
        return;
    }
    nlohmann::ordered_json& units = json["units"];
    for (const output::PropertyEntry& entry : entries) {
        if (const std::string_view symbol = shownSymbol(entry.unit); !symbol.empty()) {
            units[std::string(entry.key)] = std::string(symbol);
        }
    }
}

}  // namespace vaporis::cli
