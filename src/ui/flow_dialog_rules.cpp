#include "ui/flow_dialog_rules.h"

namespace vaporis::ui {

namespace {

constexpr int kSolveVelocity = 0;
constexpr int kSolveDiameter = 1;
constexpr int kSolveFlow = 2;

void applyGivenFlowRule(Port& port, const FlowControls& c) {
    const int kind = selectedFlowKind(port, c);
    for (int k = 0; k < c.flowCount; ++k) {
        port.setEnabled(c.flowFields[static_cast<std::size_t>(k)], k == kind);
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

void applyFlowEnabling(Port& port, const FlowControls& c) {
    const int mode = selectedSolveMode(port);
    port.setEnabled(kIdFlowVelocity, mode != kSolveVelocity);
    if (mode == kSolveFlow) {
        for (int k = 0; k < c.flowCount; ++k) {
            port.setEnabled(c.flowFields[static_cast<std::size_t>(k)], false);
        }
    } else {
        applyGivenFlowRule(port, c);
    }
    if (mode == kSolveDiameter) {
        port.setEnabled(kIdFlowWidth, false);
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
        error = kNotANumber;
    }
    return value;
}

double readOptional(const Port& port, int id, int& error) {
    return readNumber(port, id, kNoNegatives, kEmptyAllowed, error);
}

}  // namespace vaporis::ui
