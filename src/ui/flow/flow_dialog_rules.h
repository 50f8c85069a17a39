#pragma once

#include <array>
#include <cstdint>

#include "engine/common/not_set.h"
#include "output/messages/messages.h"
#include "output/messages/refusal_messages.h"
#include "processes/module_rules.h"
#include "ui/fields.h"
#include "ui/message_box.h"
#include "ui/port.h"

namespace vaporis::ui {

//! Control ids both flow dialogs share.
enum FlowDialogId : int {
    kIdFlowOk = 1,
    kIdFlowHtmlOutput = 1004,
    kIdFlowValidity = 1006,
    kIdFlowRoughness = 1018,
    kIdFlowZeta = 1021,
    kIdFlowTubeLength = 1022,
    kIdFlowMassFlow = 1037,
    kIdFlowVolumeFlow = 1038,
    kIdFlowNormalFlow = 1039,
    kIdFlowVelocity = 1051,
    kIdFlowWidth = 1052,
    kIdFlowGivenMass = 1053,
    kIdFlowGivenVolume = 1054,
    kIdFlowPerSecond = 1061,
    kIdFlowPerHour = 1062,
    kIdFlowBack = 1063,
    kIdFlowCircular = 1064,
    kIdFlowRectangular = 1065,
    kIdFlowHeight = 1083,
    kIdFlowSolveVelocity = 1555,
    kIdFlowSolveDiameter = 1556,
    kIdFlowSolveFlow = 1557,
};

//! The flow controls that differ between the dialogs: the given-flow radios and fields (two
//! or three, in FlowInputKind order) and the tube-count field.
struct FlowControls {
    std::array<int, 3> givenRadios;
    std::array<int, 3> flowFields;
    int flowCount;
    int tubeCount;
};

[[nodiscard]] int selectedSolveMode(const Port& port);
[[nodiscard]] int selectedFlowKind(const Port& port, const FlowControls& c);
[[nodiscard]] bool rectangularChosen(const Port& port);
//! 1 when the flows are shown per second, 3600 per hour.
[[nodiscard]] double selectedTimeFactor(const Port& port);

//! Enables the fields the radios leave to the user: the velocity unless it is solved, the
//! given flow unless the flows are solved, the width and (for a rectangle) the height
//! unless the diameter is solved. The solved and derived quantities show as results; the
//! flows' labels carry the chosen unit.
void applyFlowEnabling(Port& port, const FlowControls& c);

//! The flows' labels name the unit of the per-second or per-hour choice; set before a flow is
//! shown, as a field shows its value in the unit its label names.
void showFlowUnits(Port& port, const FlowControls& c);

//! Handles a click on a solve, given-flow, unit or profile radio; false for any other id.
[[nodiscard]] bool flowRadioClicked(Port& port, const FlowControls& c, int id);

//! Clears fields by id.
void clearFields(Port& port, int firstId, int lastId);

//! Reads a field that must hold a number above 0; raises error otherwise.
[[nodiscard]] double readPositive(const Port& port, int id, int& error);

//! Reads an optional field (empty reads as 0, no negatives).
[[nodiscard]] double readOptional(const Port& port, int id, int& error);

//! The radios and inputs of a flow process as the dialog opens: solve mode, given flow and
//! profile, flows per second or per hour, the given flow's display value and the tube data.
template <typename Process>
void showFlowInputs(Port& port, const FlowControls& c, const Process& p) {
    const double timeFactor = p.input(Process::kInTimeFactor);
    port.setChecked(kIdFlowPerSecond, timeFactor == 1.0);
    port.setChecked(kIdFlowPerHour, timeFactor != 1.0);
    const int mode = p.solveMode();
    port.setChecked(kIdFlowSolveVelocity, mode == 0);
    port.setChecked(kIdFlowSolveDiameter, mode == 1);
    port.setChecked(kIdFlowSolveFlow, mode == 2);
    for (int k = 0; k < c.flowCount; ++k) {
        port.setChecked(c.givenRadios[static_cast<std::size_t>(k)], k == p.flowInputKind());
    }
    port.setChecked(kIdFlowCircular, !p.rectangularProfile());
    port.setChecked(kIdFlowRectangular, p.rectangularProfile());
    showFlowUnits(port, c);
    if (mode != 2 && p.flowInputKind() < c.flowCount) {
        // held per second; a flow never given stays empty instead of showing 999 x 3600
        const double flow = p.input(p.flowInputKind());
        writeNumber(port, c.flowFields[p.flowInputKind()],
                    flow == NOT_SET ? NOT_SET : flow * timeFactor, 4);
    }
    if (p.rectangularProfile()) {
        writeNumber(port, kIdFlowHeight, p.input(Process::kInHeight), 4);
    }
    // inputs with a default are numbers, 999 too; width and zeta have none before a first OK
    writeInputNumber(port, kIdFlowRoughness, p.input(Process::kInRoughness));
    writeInputNumber(port, kIdFlowTubeLength, p.input(Process::kInTubeLength));
    writeNumber(port, kIdFlowWidth, p.input(Process::kInWidth), 4);
    writeNumber(port, kIdFlowZeta, p.input(Process::kInZeta), 4);
    writeInputNumber(port, kIdFlowVelocity, p.input(Process::kInVelocity));
    writeInputNumber(port, c.tubeCount, p.input(Process::kInTubeCount));
    applyFlowEnabling(port, c);
}

//! Reads the radios, the velocity, the tube size, the given flow (per second) and the tube
//! count into a process that was reset; raises error for a missing or unusable value.
template <typename Process>
void readFlowInputs(const Port& port, const FlowControls& c, Process& p, int& error) {
    const int mode = selectedSolveMode(port);
    const int kind = selectedFlowKind(port, c);
    p.setSolveMode(static_cast<std::uint8_t>(mode));
    p.setFlowInputKind(static_cast<std::uint8_t>(kind));
    p.setRectangularProfile(rectangularChosen(port));
    if (mode != 0) {
        p.setInput(Process::kInVelocity, readPositive(port, kIdFlowVelocity, error));
    }
    if (mode != 1) {
        p.setInput(Process::kInWidth, readPositive(port, kIdFlowWidth, error));
    }
    // A solved diameter sizes a circular tube: the height field is disabled then.
    if (p.rectangularProfile() && mode != 1) {
        p.setInput(Process::kInHeight, readPositive(port, kIdFlowHeight, error));
    }
    if (mode != 2) {
        const double flow = readPositive(port, c.flowFields[static_cast<std::size_t>(kind)], error);
        p.setInput(kind, flow / p.input(Process::kInTimeFactor));
    }
    p.setInput(Process::kInTubeCount, readPositive(port, c.tubeCount, error));
}

//! Shows the message of the flow's rules when they refuse its inputs; true then.
template <typename Process>
bool flowRefusedByRules(Port& port, const Process& process) {
    const processes::RuleAnswer refusal =
        processes::checkFlowProcess(process, processes::MarkerMeaning::kNumber);
    if (refusal) {
        showMessage(port, output::refusalMessage(*refusal), output::kCaptionError);
    }
    return refusal.has_value();
}

//! Shows the flows, the velocity and the width a calculation derived.
template <typename Process>
void showDerivedFlows(Port& port, const FlowControls& c, const Process& p) {
    for (int k = 0; k < c.flowCount; ++k) {
        writeInputNumber(port, c.flowFields[static_cast<std::size_t>(k)],
                         p.result(Process::kShownFlows.at(static_cast<std::size_t>(k))));
    }
    writeInputNumber(port, kIdFlowVelocity, p.input(Process::kInVelocity));
    writeInputNumber(port, kIdFlowWidth, p.input(Process::kInWidth));
}

}  // namespace vaporis::ui
