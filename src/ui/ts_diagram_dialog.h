#pragma once

#include <array>
#include <string_view>

#include "processes/gas_thermal_process.h"
#include "processes/steam_thermal_process.h"
#include "ui/dialog_template.h"
#include "ui/port.h"
#include "ui/ts_diagram.h"

namespace vaporis::ui {

//! Control ids of the T-s diagram dialog (154).
enum TsDiagramId : int {
    kIdTsCanvas = 1570,
    kIdTsSMin = 1572,
    kIdTsSMax = 1573,
    kIdTsTMin = 1574,
    kIdTsTMax = 1575,
    kIdTsRedraw = 1576,
    kIdTsBack = 1577,
    kIdTsPhaseChangeLine = 1578,
    kIdTsIsobars = 1579,
    kIdTsStart = 1580,
    kIdTsEnd = 1581,
    kIdTsChangeInState = 1582,
    kIdTsStartValues = 1583,
    kIdTsEndValues = 1584,
    kIdTsAfterLoss = 1585,
    kIdTsAfterLossValues = 1586,
    kIdTsSaveSvg = 1587,
    kIdTsSavePng = 1588,
};

namespace detail {

inline constexpr std::string_view kGroupTsSettings = "diagram";

// id, kind, UTF-8 text, row, column, group box, column span
inline constexpr auto kTsDiagramControls = std::to_array<ControlEntry>({
    {kIdTsCanvas, ControlKind::kCanvas, "", 0, 0, ""},
    {kStaticId, ControlKind::kGroup, kGroupTsSettings, 0, 1, ""},
    {kIdTsTMin, ControlKind::kEdit, "T_min [°C] =", 0, 0, kGroupTsSettings},
    {kIdTsTMax, ControlKind::kEdit, "T_max [°C] =", 1, 0, kGroupTsSettings},
    {kIdTsSMin, ControlKind::kEdit, "s_min [kJ/kgK] =", 2, 0, kGroupTsSettings},
    {kIdTsSMax, ControlKind::kEdit, "s_max [kJ/kgK] =", 3, 0, kGroupTsSettings},
    {kIdTsPhaseChangeLine, ControlKind::kCheck, "phase change line", 4, 0, kGroupTsSettings, 2},
    {kIdTsIsobars, ControlKind::kCheck, "isobaric lines", 5, 0, kGroupTsSettings, 2},
    {kIdTsStart, ControlKind::kCheck, "start state", 6, 0, kGroupTsSettings, 2},
    {kIdTsStartValues, ControlKind::kCheck, "p, T, h at process start", 7, 0, kGroupTsSettings, 2},
    {kIdTsEnd, ControlKind::kCheck, "end state", 8, 0, kGroupTsSettings, 2},
    {kIdTsEndValues, ControlKind::kCheck, "p, T, h at process end", 9, 0, kGroupTsSettings, 2},
    {kIdTsAfterLoss, ControlKind::kCheck, "state after heat loss", 10, 0, kGroupTsSettings, 2},
    {kIdTsAfterLossValues, ControlKind::kCheck, "p, T, h after heat loss", 11, 0, kGroupTsSettings,
     2},
    {kIdTsChangeInState, ControlKind::kCheck, "change in state", 12, 0, kGroupTsSettings, 2},
    {kIdTsRedraw, ControlKind::kButton, "redraw", 13, 0, kGroupTsSettings, 2},
    {kIdTsSaveSvg, ControlKind::kButton, "save as SVG", 14, 0, kGroupTsSettings, 2},
    {kIdTsSavePng, ControlKind::kButton, "save as PNG", 15, 0, kGroupTsSettings, 2},
    {kIdTsBack, ControlKind::kButton, "back", 16, 0, kGroupTsSettings, 2},
});

}  // namespace detail

//! Dialog 154. The close box acts as "back".
inline constexpr DialogTemplate kTsDiagramTemplate{
    154, "TORVIK - TS-diagram", detail::kTsDiagramControls, kIdTsBack, kIdTsRedraw};

//! The T-s diagram of a calculated process: shows it with the settings, takes new ranges and
//! options on "redraw" and writes the drawing as SVG or PNG.
class TsDiagramDialog : public DialogLogic {
public:
    void opened() override;
    void command(int id) override;

protected:
    TsDiagramDialog(Port& port, TsDiagramSettings& settings) : port_(port), settings_(settings) {}

    //! The diagram with these settings.
    [[nodiscard]] virtual DisplayList drawing(const TsDiagramSettings& settings) const = 0;
    //! Whether the ranges of settings may be drawn.
    [[nodiscard]] virtual bool rangesValid(const TsDiagramSettings& settings) const = 0;
    //! Whether the medium has a saturation line to draw.
    [[nodiscard]] virtual bool hasSaturationLine() const = 0;

private:
    void redraw();

    Port& port_;
    TsDiagramSettings& settings_;
};

//! The diagram of the water/steam process.
class SteamTsDiagramDialog final : public TsDiagramDialog {
public:
    SteamTsDiagramDialog(Port& port, const processes::SteamThermalProcess& process,
                         TsDiagramSettings& settings)
        : TsDiagramDialog(port, settings), process_(process) {}

private:
    [[nodiscard]] DisplayList drawing(const TsDiagramSettings& settings) const override;
    [[nodiscard]] bool rangesValid(const TsDiagramSettings& settings) const override;
    [[nodiscard]] bool hasSaturationLine() const override { return true; }

    const processes::SteamThermalProcess& process_;
};

//! The diagram of the gas process; its range is that of the initial state's analysis.
class GasTsDiagramDialog final : public TsDiagramDialog {
public:
    GasTsDiagramDialog(Port& port, const processes::GasThermalProcess& process,
                       TsDiagramSettings& settings)
        : TsDiagramDialog(port, settings), process_(process) {}

private:
    [[nodiscard]] DisplayList drawing(const TsDiagramSettings& settings) const override;
    [[nodiscard]] bool rangesValid(const TsDiagramSettings& settings) const override;
    [[nodiscard]] bool hasSaturationLine() const override { return false; }

    const processes::GasThermalProcess& process_;
};

}  // namespace vaporis::ui
