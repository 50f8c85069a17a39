#pragma once

#include <array>
#include <optional>

#include "engine/file/binary_io.h"
#include "output/diagrams/display_list.h"
#include "output/units/units.h"
#include "processes/thermal/gas_thermal_process.h"
#include "processes/thermal/steam_thermal_process.h"

namespace vaporis::output {

//! Axis ranges and drawing options of one process's T-s diagram; lives for the whole run.
struct TsDiagramSettings {
    static constexpr int kStates = 3;  //!< start, end, after heat loss

    double tMin = 0.0;                 //!< [°C]
    double tMax = 800.0;               //!< [°C]
    double sMin = 0.0;                 //!< [kJ/(kg K)]
    double sMax = 10.0;                //!< [kJ/(kg K)]
    std::array<double, 4> reserved{};  //!< kept by the project file only
    bool showOnOpen = false;           //!< open the diagram after a calculation
    bool phaseChangeLine = true;       //!< the saturation line (water/steam only)
    bool isobaricLines = true;         //!< the isobars of p1 and p2
    std::array<bool, kStates> stateShown{true, true, true};
    std::array<bool, kStates> valuesShown{true, true, true};
    bool changeInState = true;  //!< dashed lines 1-2 and 2-3

    //! tMin, tMax, sMin, sMax by index 0..3; 0 for another index.
    [[nodiscard]] double range(int index) const;
    //! Sets range index 0..3; another index is ignored.
    void setRange(int index, double value);

    bool operator==(const TsDiagramSettings&) const = default;
};

//! Appends settings as a project block's fields: the four ranges and four reserved values
//! (f64), then the ten drawing switches (flags).
void writeBlock(const TsDiagramSettings& settings, file::BinaryWriter& out);
//! Reads those fields; a flag other than 0/1 or a non-finite number fails the reader.
void readBlock(file::BinaryReader& in, TsDiagramSettings& settings);

//! The pixel of (t [°C], s [kJ/(kg K)]) in the diagram's square, truncated toward zero:
//! sMin..sMax spans x = 50..450 and tMin..tMax spans y = 460..40.
[[nodiscard]] CanvasPoint toScreen(double t, double s, const TsDiagramSettings& settings);

//! Whether (t, s) lies strictly inside the axis ranges.
[[nodiscard]] bool inside(double t, double s, const TsDiagramSettings& settings);

//! Whether the ranges of settings may be drawn for the process: both axes ascending and the
//! temperatures within the formulations (water/steam: 0 to 2000 °C, at most 800 °C above
//! 100 bar, the curves starting at the triple point; gas: the range of the initial state's
//! analysis).
[[nodiscard]] bool rangesAccepted(const processes::SteamThermalProcess& process,
                                  const TsDiagramSettings& settings);
[[nodiscard]] bool rangesAccepted(const processes::GasThermalProcess& process,
                                  const TsDiagramSettings& settings);

//! Entropy [kJ/(kg K)] of a water/steam process's state after heat loss (at p2); nothing
//! without a heat loss whose state was found.
[[nodiscard]] std::optional<double> entropyAfterLoss(const processes::SteamThermalProcess& process);

//! The T-s diagram of a calculated water/steam process, its axes and values in the chosen
//! units (the ranges of settings stay in the written ones).
[[nodiscard]] DisplayList steamTsDiagram(const processes::SteamThermalProcess& process,
                                         const TsDiagramSettings& settings,
                                         const UnitChoice& units = {});

//! The T-s diagram of a calculated gas process (its analysis is the initial state's).
[[nodiscard]] DisplayList gasTsDiagram(const processes::GasThermalProcess& process,
                                       const TsDiagramSettings& settings,
                                       const UnitChoice& units = {});

}  // namespace vaporis::output
