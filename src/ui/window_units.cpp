#include "ui/window_units.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "output/messages/limit_text.h"

namespace vaporis::ui {

namespace {

output::UnitChoice gWindowUnits;
std::function<void()> gKeepWindowUnits;

struct Bracket {
    std::size_t open;
    std::size_t close;
};

Bracket findBracket(std::string_view label) {
    const std::size_t open = label.find('[');
    return {open, open == std::string_view::npos ? open : label.find(']', open)};
}

// The unit of a difference, as a value per unit has: "bar" and "°C" too.
const output::Unit* differenceUnit(std::string_view spelling) {
    const output::Unit* unit = output::findWrittenUnit(spelling);
    if (unit != nullptr && unit->quantity == output::Quantity::kPressure) {
        return output::findUnit(output::Quantity::kPressureDifference, spelling);
    }
    if (unit != nullptr && unit->quantity == output::Quantity::kTemperature) {
        return output::findUnit(output::Quantity::kTemperatureDifference, spelling);
    }
    return unit;
}

// A window writes absolute pressures in bar and temperatures in °C: any other pressure or
// temperature unit of a label is that of a difference.
const output::Unit* writtenUnit(std::string_view spelling) {
    return spelling == "bar" || spelling == "°C" ? output::findUnit(spelling)
                                                 : differenceUnit(spelling);
}

bool isFlow(output::Quantity quantity) {
    return quantity == output::Quantity::kMassFlow || quantity == output::Quantity::kVolumeFlow ||
           quantity == output::Quantity::kNormalVolumeFlow;
}

// "kg/s - m³/s" or "bar, Pa": the unit at the start of `text` and the separator after it.
struct ListItem {
    std::string_view unit;
    std::string_view separator;
};

ListItem firstItem(std::string_view text) {
    const std::size_t cut = std::min(text.find(" - "), text.find(", "));
    if (cut == std::string_view::npos) {
        return {text, {}};
    }
    return {text.substr(0, cut), text.substr(cut, text[cut] == ',' ? 2 : 3)};
}

// A text of units alone ("bar, Pa", "1/K") with each in the chosen unit; nothing for any other
// text or when every unit stays. "K" alone names an absolute temperature there, which the
// windows keep in K.
std::optional<std::string> shownUnitList(std::string_view text) {
    std::string shown;
    bool converted = false;
    while (!text.empty()) {
        const ListItem item = firstItem(text);
        const bool perUnit = item.unit.starts_with("1/");
        const output::Unit* unit =
            perUnit ? differenceUnit(item.unit.substr(2)) : writtenUnit(item.unit);
        if (unit == nullptr) {
            return std::nullopt;
        }
        const bool kept =
            (!perUnit && unit->quantity == output::Quantity::kTemperatureDifference) ||
            gWindowUnits.unit(unit->quantity) == nullptr;
        shown += kept ? std::string(item.unit)
                      : (perUnit ? "1/" : "") + std::string(windowUnit(*unit).symbol);
        shown += item.separator;
        converted = converted || !kept;
        text.remove_prefix(item.unit.size() + item.separator.size());
    }
    return converted ? std::optional<std::string>(shown) : std::nullopt;
}

}  // namespace

const output::Unit& windowUnit(const output::Unit& written) {
    const output::Unit& chosen = output::shownUnit(written, gWindowUnits);
    if (!isFlow(written.quantity) || &chosen == &written) {
        return chosen;
    }
    const std::string_view symbol = chosen.symbol;
    const std::string sameBasis = std::string(symbol.substr(0, symbol.rfind('/'))) +
                                  std::string(written.symbol.substr(written.symbol.rfind('/')));
    const output::Unit* unit = output::findUnit(written.quantity, sameBasis);
    return unit != nullptr ? *unit : chosen;
}

double shownValue(double value, const output::Unit& written) {
    output::UnitChoice choice = gWindowUnits;
    choice.units[static_cast<std::size_t>(written.quantity)] = &windowUnit(written);
    return output::toShown(value, written, choice);
}

output::Reading writtenValue(double value, const output::Unit& written) {
    return output::toWritten(value, windowUnit(written), written, gWindowUnits.referencePressure,
                             "");
}

double shownDifference(double difference, const output::Unit& written) {
    return difference * written.factor / windowUnit(written).factor;
}

double writtenDifference(double difference, const output::Unit& written) {
    return difference * windowUnit(written).factor / written.factor;
}

const output::UnitChoice& windowUnits() {
    return gWindowUnits;
}

void setWindowUnits(const output::UnitChoice& choice) {
    gWindowUnits = choice;
    if (gKeepWindowUnits) {
        gKeepWindowUnits();
    }
}

void keepWindowUnitsWith(std::function<void()> keep) {
    gKeepWindowUnits = std::move(keep);
}

const output::Unit* convertedUnit(std::string_view label) {
    const Bracket bracket = findBracket(label);
    if (bracket.close == std::string_view::npos) {
        return nullptr;
    }
    const output::Unit* written =
        writtenUnit(label.substr(bracket.open + 1, bracket.close - bracket.open - 1));
    return written != nullptr && gWindowUnits.unit(written->quantity) != nullptr ? written
                                                                                 : nullptr;
}

const output::Unit* invertedUnit(std::string_view label) {
    const Bracket bracket = findBracket(label);
    if (bracket.close == std::string_view::npos ||
        !label.substr(bracket.open + 1).starts_with("1/")) {
        return nullptr;
    }
    const output::Unit* written =
        differenceUnit(label.substr(bracket.open + 3, bracket.close - bracket.open - 3));
    return written != nullptr && gWindowUnits.unit(written->quantity) != nullptr ? written
                                                                                 : nullptr;
}

// A value per unit converts as a difference of that unit the other way round.
double shownFieldValue(std::string_view label, double value) {
    if (const output::Unit* written = convertedUnit(label)) {
        return shownValue(value, *written);
    }
    const output::Unit* perUnit = invertedUnit(label);
    return perUnit != nullptr ? writtenDifference(value, *perUnit) : value;
}

std::optional<double> writtenFieldValue(std::string_view label, double value) {
    if (const output::Unit* written = convertedUnit(label)) {
        const output::Reading reading = writtenValue(value, *written);
        return reading.ok() ? std::optional<double>(reading.value) : std::nullopt;
    }
    const output::Unit* perUnit = invertedUnit(label);
    return perUnit != nullptr ? shownDifference(value, *perUnit) : value;
}

int shownDecimals(std::string_view label, int decimals, int maxDecimals) {
    double smaller = 1.0;  // the shown number to the written one
    if (const output::Unit* written = convertedUnit(label)) {
        smaller = windowUnit(*written).factor / written->factor;
    } else if (const output::Unit* perUnit = invertedUnit(label)) {
        smaller = perUnit->factor / windowUnit(*perUnit).factor;
    }
    const int extra = smaller >= 10.0 ? static_cast<int>(std::floor(std::log10(smaller))) : 0;
    return std::min(decimals + extra, std::max(decimals, maxDecimals));
}

std::string shownLabel(std::string_view label) {
    const output::Unit* written = convertedUnit(label);
    const Bracket bracket = findBracket(label);
    if (written == nullptr) {
        const output::Unit* perUnit = invertedUnit(label);
        return perUnit == nullptr ? shownMessage(label)
                                  : shownMessage(label.substr(0, bracket.open + 3)) +
                                        std::string(windowUnit(*perUnit).symbol) +
                                        std::string(label.substr(bracket.close));
    }
    const output::Unit& shown = windowUnit(*written);
    std::string name(label.substr(0, bracket.open + 1));
    // A pressure shown above the reference is no absolute one ("absolut" in older labels).
    for (const std::string_view word : {"absolute ", "absolut "}) {
        if (const std::size_t at = name.find(word); shown.gauge && at != std::string::npos) {
            name.erase(at, word.size());
        }
    }
    return shownMessage(name) + std::string(shown.symbol) +
           std::string(label.substr(bracket.close));
}

std::string shownText(std::string_view text) {
    if (findBracket(text).close != std::string_view::npos) {
        return shownLabel(text);
    }
    std::optional<std::string> units = shownUnitList(text);
    return units ? *units : shownMessage(text);
}

std::string shownMessage(std::string_view text) {
    return output::shownLimits(text, gWindowUnits);
}

}  // namespace vaporis::ui
