#include "ui/flow/flow_dialog_rules.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace vaporis::ui {

namespace {

constexpr int kSolveVelocity = 0;
constexpr int kSolveDiameter = 1;
constexpr int kSolveFlow = 2;

// A field the user types or one the calculation fills.
void setInput(Port& port, int id, bool input) {
    if (input) {
        port.setEnabled(id, true);
    } else {
        port.showAsResult(id);
    }
}

void applyGivenFlowRule(Port& port, const FlowControls& c) {
    const int kind = selectedFlowKind(port, c);
    for (int k = 0; k < c.flowCount; ++k) {
        setInput(port, c.flowFields[static_cast<std::size_t>(k)], k == kind);
    }
}

void applyHeightRule(Port& port) {
    port.setEnabled(kIdFlowHeight, rectangularChosen(port));
}

}  // namespace

int selectedSolveMode(const Port& port) {
    return readRadio3(port, kIdFlowSolveVelocity, kIdFlowSolveDiameter, kIdFlowSolveFlow,
                      kSolveVelocity, kSolveDiameter, kSolveFlow);
}

int selectedFlowKind(const Port& port, const FlowControls& c) {
    int kind = 0;
    for (int k = 0; k < c.flowCount; ++k) {
        kind = port.checked(c.givenRadios[static_cast<std::size_t>(k)]) ? k : kind;
    }
    return kind;
}

bool rectangularChosen(const Port& port) {
    return port.checked(kIdFlowRectangular);
}

double selectedTimeFactor(const Port& port) {
    return port.checked(kIdFlowPerSecond) && !port.checked(kIdFlowPerHour) ? 1.0 : 3600.0;
}

void showFlowUnits(Port& port, const FlowControls& c) {
    constexpr std::array<std::array<std::string_view, 2>, 3> kLabels{{
        {"mass flow [kg/s] =", "mass flow [kg/h] ="},
        {"volumetric flow [m³/s] =", "volumetric flow [m³/h] ="},
        {"normal volumetric flow [Nm³/s] =", "normal volumetric flow [Nm³/h] ="},
    }};
    const std::size_t perHour = selectedTimeFactor(port) == 1.0 ? 0 : 1;
    for (std::size_t k = 0; k < static_cast<std::size_t>(c.flowCount); ++k) {
        port.setLabel(c.flowFields[k], kLabels[k][perHour]);
    }
}

void applyFlowEnabling(Port& port, const FlowControls& c) {
    const int mode = selectedSolveMode(port);
    showFlowUnits(port, c);
    setInput(port, kIdFlowVelocity, mode != kSolveVelocity);
    if (mode == kSolveFlow) {
        for (int k = 0; k < c.flowCount; ++k) {
            port.showAsResult(c.flowFields[static_cast<std::size_t>(k)]);
        }
    } else {
        applyGivenFlowRule(port, c);
    }
    if (mode == kSolveDiameter) {
        port.showAsResult(kIdFlowWidth);
        port.setEnabled(kIdFlowHeight, false);
    } else {
        port.setEnabled(kIdFlowWidth, true);
        applyHeightRule(port);
    }
}

bool flowRadioClicked(Port& port, const FlowControls& c, int id) {
    if (id == kIdFlowSolveVelocity || id == kIdFlowSolveDiameter || id == kIdFlowSolveFlow) {
        applyFlowEnabling(port, c);
        return true;
    }
    for (int k = 0; k < c.flowCount; ++k) {
        if (id == c.givenRadios[static_cast<std::size_t>(k)]) {
            if (selectedSolveMode(port) != kSolveFlow) {
                applyGivenFlowRule(port, c);
            }
            return true;
        }
    }
    if (id == kIdFlowPerSecond || id == kIdFlowPerHour) {
        showFlowUnits(port, c);
        return true;
    }
    if (id == kIdFlowCircular || id == kIdFlowRectangular) {
        if (selectedSolveMode(port) != kSolveDiameter) {
            applyHeightRule(port);
        }
        return true;
    }
    return false;
}

void clearFields(Port& port, int firstId, int lastId) {
    for (int id = firstId; id <= lastId; ++id) {
        clearField(port, id);
    }
}

double readPositive(const Port& port, int id, int& error) {
    const double value = readNumber(port, id, kNoNegatives, kNotEmpty, error);
    if (!(value > 0.0)) {
        if (error == kNoInputError) {
            port.focusField(id);
        }
        error = kNotANumber;
    }
    return value;
}

double readOptional(const Port& port, int id, int& error) {
    return readNumber(port, id, kNoNegatives, kEmptyAllowed, error);
}

}  // namespace vaporis::ui
