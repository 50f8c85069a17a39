#include "ui/window_units.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

// A window writes absolute pressures in bar and temperatures in °C: any other pressure or
// temperature unit of a label is that of a difference.
const output::Unit* writtenUnit(std::string_view spelling) {
    const output::Unit* unit = output::findUnit(spelling);
    if (unit != nullptr && unit->quantity == output::Quantity::kPressure && spelling != "bar") {
        return output::findUnit(output::Quantity::kPressureDifference, spelling);
    }
    if (unit != nullptr && unit->quantity == output::Quantity::kTemperature && spelling != "°C") {
        return output::findUnit(output::Quantity::kTemperatureDifference, spelling);
    }
    return unit;
}

}  // namespace

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

int shownDecimals(const output::Unit& written, int decimals, int maxDecimals) {
    const double larger = output::shownUnit(written, gWindowUnits).factor / written.factor;
    const int extra = larger >= 10.0 ? static_cast<int>(std::floor(std::log10(larger))) : 0;
    return std::min(decimals + extra, std::max(decimals, maxDecimals));
}

std::string shownLabel(std::string_view label) {
    const output::Unit* written = convertedUnit(label);
    if (written == nullptr) {
        return std::string(label);
    }
    const output::Unit& shown = output::shownUnit(*written, gWindowUnits);
    const Bracket bracket = findBracket(label);
    std::string name(label.substr(0, bracket.open + 1));
    // A pressure shown above the reference is no absolute one ("absolut" in older labels).
    for (const std::string_view word : {"absolute ", "absolut "}) {
        if (const std::size_t at = name.find(word); shown.gauge && at != std::string::npos) {
            name.erase(at, word.size());
        }
    }
    return name + std::string(shown.symbol) + std::string(label.substr(bracket.close));
}

}  // namespace vaporis::ui
