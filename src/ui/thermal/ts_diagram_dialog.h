#pragma once

#include <array>
#include <string_view>

#include "output/diagrams/hs_diagram.h"
#include "output/diagrams/ts_diagram.h"
#include "processes/thermal/gas_thermal_process.h"
#include "processes/thermal/steam_thermal_process.h"
#include "ui/dialog_template.h"
#include "ui/port.h"

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
    kIdTsKindTs = 1589,
    kIdTsKindHs = 1590,
    kIdTsHMin = 1591,
    kIdTsHMax = 1592,
    kIdTsSavePdf = 1593,
};

//! Shown when a diagram file could not be written; an existing file is then untouched.
inline constexpr std::string_view kDiagramNotWrittenText =
    "The diagram file could not be written. Please choose another folder or file name.";

namespace detail {

inline constexpr std::string_view kGroupTsSettings = "diagram";

// id, kind, UTF-8 text, row, column, group box, column span
inline constexpr auto kTsDiagramControls = std::to_array<ControlEntry>({
    {kIdTsCanvas, ControlKind::kCanvas, "", 0, 0, ""},
    {kStaticId, ControlKind::kGroup, kGroupTsSettings, 0, 1, ""},
    {kIdTsKindTs, ControlKind::kRadio, "T-s diagram", 0, 0, kGroupTsSettings},
    {kIdTsKindHs, ControlKind::kRadio, "h-s diagram", 0, 1, kGroupTsSettings},
    {kIdTsTMin, ControlKind::kEdit, "T_min [°C] =", 1, 0, kGroupTsSettings},
    {kIdTsTMax, ControlKind::kEdit, "T_max [°C] =", 2, 0, kGroupTsSettings},
    {kIdTsHMin, ControlKind::kEdit, "h_min [kJ/kg] =", 3, 0, kGroupTsSettings},
    {kIdTsHMax, ControlKind::kEdit, "h_max [kJ/kg] =", 4, 0, kGroupTsSettings},
    {kIdTsSMin, ControlKind::kEdit, "s_min [kJ/kgK] =", 5, 0, kGroupTsSettings},
    {kIdTsSMax, ControlKind::kEdit, "s_max [kJ/kgK] =", 6, 0, kGroupTsSettings},
    {kIdTsPhaseChangeLine, ControlKind::kCheck, "phase change line", 7, 0, kGroupTsSettings},
    {kIdTsIsobars, ControlKind::kCheck, "isobaric lines", 7, 1, kGroupTsSettings},
    {kIdTsStart, ControlKind::kCheck, "start state", 8, 0, kGroupTsSettings},
    {kIdTsStartValues, ControlKind::kCheck, "p, T, h at process start", 8, 1, kGroupTsSettings},
    {kIdTsEnd, ControlKind::kCheck, "end state", 9, 0, kGroupTsSettings},
    {kIdTsEndValues, ControlKind::kCheck, "p, T, h at process end", 9, 1, kGroupTsSettings},
    {kIdTsAfterLoss, ControlKind::kCheck, "state after heat loss", 10, 0, kGroupTsSettings},
    {kIdTsAfterLossValues, ControlKind::kCheck, "p, T, h after heat loss", 10, 1, kGroupTsSettings},
    {kIdTsChangeInState, ControlKind::kCheck, "change in state", 11, 0, kGroupTsSettings, 2},
    {kIdTsRedraw, ControlKind::kButton, "redraw", 12, 0, kGroupTsSettings, 2},
    {kIdTsSaveSvg, ControlKind::kButton, "save as SVG", 13, 0, kGroupTsSettings},
    {kIdTsSavePng, ControlKind::kButton, "save as PNG", 13, 1, kGroupTsSettings},
    {kIdTsSavePdf, ControlKind::kButton, "save as PDF", 14, 0, kGroupTsSettings},
    {kIdTsBack, ControlKind::kButton, "back", 14, 1, kGroupTsSettings},
});

}  // namespace detail

//! Dialog 154. The close box acts as "back".
inline constexpr DialogTemplate kTsDiagramTemplate{
    154, "TORVIK - TS-diagram", detail::kTsDiagramControls, kIdTsBack, kIdTsRedraw};

//! The T-s diagram of a calculated process (for water/steam also its h-s diagram): shows it with
//! the settings, takes new ranges and options on "redraw" and writes the drawing as SVG, PNG or
//! PDF. The h-s ranges are chosen from the process when the dialog opens and kept while it is
//! open.
class TsDiagramDialog : public DialogLogic {
public:
    void opened() override;
    void command(int id) override;

protected:
    TsDiagramDialog(Port& port, output::TsDiagramSettings& settings)
        : port_(port), settings_(settings) {}

    //! The T-s diagram with these settings.
    [[nodiscard]] virtual output::DisplayList drawing(
        const output::TsDiagramSettings& settings) const = 0;
    //! Whether the ranges of settings may be drawn.
    [[nodiscard]] virtual bool rangesValid(const output::TsDiagramSettings& settings) const = 0;
    //! Whether the medium has a saturation line to draw (and so an h-s diagram).
    [[nodiscard]] virtual bool hasSaturationLine() const = 0;
    //! The h-s diagram's ranges chosen from the process.
    [[nodiscard]] virtual output::HsDiagramRanges hsRanges() const = 0;
    //! The h-s diagram with the switches of settings and ranges.
    [[nodiscard]] virtual output::DisplayList hsDrawing(
        const output::TsDiagramSettings& settings, const output::HsDiagramRanges& ranges) const = 0;

private:
    void redraw();
    void showKind(bool hs);
    [[nodiscard]] bool readRanges(std::array<double, 4>& range);
    void takeSwitches();
    [[nodiscard]] output::DisplayList shown() const;
    void save(int id);

    Port& port_;
    output::TsDiagramSettings& settings_;
    output::HsDiagramRanges hs_;
    bool hsShown_ = false;
};

//! The diagram of the water/steam process.
class SteamTsDiagramDialog final : public TsDiagramDialog {
public:
    SteamTsDiagramDialog(Port& port, const processes::SteamThermalProcess& process,
                         output::TsDiagramSettings& settings)
        : TsDiagramDialog(port, settings), process_(process) {}

private:
    [[nodiscard]] output::DisplayList drawing(
        const output::TsDiagramSettings& settings) const override;
    [[nodiscard]] bool rangesValid(const output::TsDiagramSettings& settings) const override;
    [[nodiscard]] bool hasSaturationLine() const override { return true; }
    [[nodiscard]] output::HsDiagramRanges hsRanges() const override;
    [[nodiscard]] output::DisplayList hsDrawing(
        const output::TsDiagramSettings& settings,
        const output::HsDiagramRanges& ranges) const override;

    const processes::SteamThermalProcess& process_;
};

//! The diagram of the gas process; its range is that of the initial state's analysis.
class GasTsDiagramDialog final : public TsDiagramDialog {
public:
    GasTsDiagramDialog(Port& port, const processes::GasThermalProcess& process,
                       output::TsDiagramSettings& settings)
        : TsDiagramDialog(port, settings), process_(process) {}

private:
    [[nodiscard]] output::DisplayList drawing(
        const output::TsDiagramSettings& settings) const override;
    [[nodiscard]] bool rangesValid(const output::TsDiagramSettings& settings) const override;
    [[nodiscard]] bool hasSaturationLine() const override { return false; }
    [[nodiscard]] output::HsDiagramRanges hsRanges() const override { return {}; }
    [[nodiscard]] output::DisplayList hsDrawing(
        const output::TsDiagramSettings& /*settings*/,
        const output::HsDiagramRanges& /*ranges*/) const override {
        return {};
    }

    const processes::GasThermalProcess& process_;
};

}  // namespace vaporis::ui
