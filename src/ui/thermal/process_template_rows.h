#pragma once

#include <array>
#include <span>
#include <string_view>

#include "ui/dialog_template.h"
#include "ui/result_table.h"
#include "ui/thermal/thermal_process_fields.h"

namespace vaporis::ui {

//! The result fields both thermal process dialogs show, each dialog under its own ids.
struct ProcessResultFields {
    int p2;
    int t2;
    int h1;
    int h2;
    int dh;
    int ds;
    int dhIsentropic;
    int power;
    int expansion;
    int massDischarge;
    int hAfterLoss;
    int tAfterLoss;
};

//! Texts of the rows that differ only in words between the media.
struct ProcessRowTexts {
    std::string_view balance;    //!< the balance radio
    std::string_view perSecond;  //!< the flow-unit radios
    std::string_view perHour;
};

namespace detail {

inline constexpr std::string_view kGroupProcessInitial = "initial state";
inline constexpr std::string_view kGroupProcessFinal = "final state";
inline constexpr std::string_view kGroupProcessType = "process";
inline constexpr std::string_view kGroupProcessData = "process data";
inline constexpr std::string_view kGroupProcessUnits = "flow units";
inline constexpr std::string_view kGroupProcessFlow = "flow";
inline constexpr std::string_view kGroupProcessResults = "results";
inline constexpr std::string_view kGroupProcessAfterLoss = "after heat loss";

//! Pressure and temperature fields of the initial or final state, from row on.
constexpr std::array<ControlEntry, 2> stateFieldRows(bool final, int row) {
    if (final) {
        return {{
            {kIdProcessP2, ControlKind::kEdit, "pressure p2 [bar] =", row, 0, kGroupProcessFinal},
            {kIdProcessT2, ControlKind::kEdit, "temperature t2 [°C] =", row + 1, 0,
             kGroupProcessFinal},
        }};
    }
    return {{
        {kIdProcessP1, ControlKind::kEdit, "pressure p1 [bar] =", row, 0, kGroupProcessInitial},
        {kIdProcessT1, ControlKind::kEdit, "temperature t1 [°C] =", row + 1, 0,
         kGroupProcessInitial},
    }};
}

//! The process type, process data, flow units and the mass and volume flow (the first two
//! of flows).
constexpr std::array<ControlEntry, 17> processRows(const ProcessRowTexts& texts,
                                                   std::span<const FlowControl> flows) {
    return {{
        {kStaticId, ControlKind::kGroup, kGroupProcessType, 1, 0, ""},
        {kIdProcessThrottle, ControlKind::kRadio, "const. enthalpy (throttling)", 0, 0,
         kGroupProcessType},
        {kIdProcessIsentropic, ControlKind::kRadio, "const. entropy / isentropic efficiency", 1, 0,
         kGroupProcessType},
        {kIdProcessBalance, ControlKind::kRadio, texts.balance, 2, 0, kGroupProcessType},
        {kStaticId, ControlKind::kGroup, kGroupProcessData, 1, 1, ""},
        {kIdProcessEtaS, ControlKind::kEdit, "isentropic efficiency (0 ... 1) =", 0, 0,
         kGroupProcessData},
        {kIdProcessEtaM, ControlKind::kEdit, "mechanical efficiency (0 ... 1) =", 1, 0,
         kGroupProcessData},
        {kIdProcessEtaG, ControlKind::kEdit, "generator efficiency (0 ... 1) =", 2, 0,
         kGroupProcessData},
        {kIdProcessHeatLoss, ControlKind::kEdit, "heat loss (optional) [kW]", 3, 0,
         kGroupProcessData},
        {kStaticId, ControlKind::kGroup, kGroupProcessUnits, 2, 0, ""},
        {kIdProcessPerSecond, ControlKind::kRadio, texts.perSecond, 0, 0, kGroupProcessUnits},
        {kIdProcessPerHour, ControlKind::kRadio, texts.perHour, 1, 0, kGroupProcessUnits},
        {kStaticId, ControlKind::kGroup, kGroupProcessFlow, 2, 1, ""},
        {flows[0].radio, ControlKind::kRadio, "mass flow", 0, 0, kGroupProcessFlow},
        {flows[0].field, ControlKind::kEdit, "", 0, 1, kGroupProcessFlow},
        {flows[1].radio, ControlKind::kRadio, "volume flow (at initial state)", 1, 0,
         kGroupProcessFlow},
        {flows[1].field, ControlKind::kEdit, "", 1, 1, kGroupProcessFlow},
    }};
}

//! The results group box spanning rowSpan rows, with the end pressure and temperature.
constexpr std::array<ControlEntry, 3> endStateResultRows(const ProcessResultFields& f,
                                                         int rowSpan) {
    return {{
        {kStaticId, ControlKind::kGroup, kGroupProcessResults, 0, 2, "", 1, true, rowSpan},
        {f.p2, ControlKind::kReadOnlyEdit, "p2 [bar]", 0, 0, kGroupProcessResults},
        {f.t2, ControlKind::kReadOnlyEdit, "t2 [°C]", 1, 0, kGroupProcessResults},
    }};
}

//! Both enthalpies and the differences, from row on.
constexpr std::array<ControlEntry, 5> differenceResultRows(const ProcessResultFields& f, int row) {
    return {{
        {f.h1, ControlKind::kReadOnlyEdit, "enthalpy at start [kJ/kg]", row, 0,
         kGroupProcessResults},
        {f.h2, ControlKind::kReadOnlyEdit, "enthalpy at end [kJ/kg]", row + 1, 0,
         kGroupProcessResults},
        {f.dh, ControlKind::kReadOnlyEdit, "enthalpy difference [kJ/kg]", row + 2, 0,
         kGroupProcessResults},
        {f.ds, ControlKind::kReadOnlyEdit, "entropy difference [kJ/(kg K)]", row + 3, 0,
         kGroupProcessResults},
        {f.dhIsentropic, ControlKind::kReadOnlyEdit, "enthalpy difference isentropic [kJ/kg]",
         row + 4, 0, kGroupProcessResults},
    }};
}

//! Power, volumetric expansion and mass discharge, from row on.
constexpr std::array<ControlEntry, 3> powerResultRows(const ProcessResultFields& f, int row) {
    return {{
        {f.power, ControlKind::kReadOnlyEdit, "power [kW]", row, 0, kGroupProcessResults},
        {f.expansion, ControlKind::kReadOnlyEdit, "volumetric expansion [%]", row + 1, 0,
         kGroupProcessResults},
        {f.massDischarge, ControlKind::kReadOnlyEdit, "mass discharge [%]", row + 2, 0,
         kGroupProcessResults},
    }};
}

//! The output check boxes at row and the buttons below them.
constexpr std::array<ControlEntry, 6> processButtonRows(int row) {
    return {{
        {kIdProcessHtmlOutput, ControlKind::kCheck, "output in HTML format", row, 0, ""},
        {kIdProcessShowDiagram, ControlKind::kCheck, "show result in TS-diagram", row, 1, ""},
        {kIdProcessOk, ControlKind::kButton, "OK", row + 1, 0, ""},
        {kIdCopyTable, ControlKind::kButton, kCopyTableText, row + 1, 1, ""},
        {kIdProcessValidity, ControlKind::kButton, "area of validity / function abbreviations",
         row + 1, 2, ""},
        {kIdProcessBack, ControlKind::kButton, "back", row + 1, 3, ""},
    }};
}

}  // namespace detail

}  // namespace vaporis::ui
