#pragma once

#include <array>
#include <string_view>

#include "output/reports/steam_table_grid.h"
#include "ui/dialog_template.h"
#include "ui/port.h"

namespace vaporis::ui {

//! Control ids of the steam-table generator dialog (160).
enum SteamTableGeneratorId : int {
    kIdGeneratorWrite = 1,
    kIdGeneratorGrid = 1700,
    kIdGeneratorSaturationP = 1701,
    kIdGeneratorSaturationT = 1702,
    kIdGeneratorPFrom = 1703,
    kIdGeneratorPTo = 1704,
    kIdGeneratorPStep = 1705,
    kIdGeneratorTFrom = 1706,
    kIdGeneratorTTo = 1707,
    kIdGeneratorTStep = 1708,
    kIdGeneratorHtml = 1709,
    kIdGeneratorBack = 1710,
};

inline constexpr std::string_view kGroupGeneratorTable = "Table";
inline constexpr std::string_view kGroupGeneratorPressure = "pressure p [bar]";
inline constexpr std::string_view kGroupGeneratorTemperature = "temperature t [°C]";

// id, kind, UTF-8 text, row, column, group box, column span, enabled
inline constexpr auto kSteamTableGeneratorControls = std::to_array<ControlEntry>({
    {kStaticId, ControlKind::kGroup, kGroupGeneratorTable, 0, 0, "", 2},
    {kIdGeneratorGrid, ControlKind::kRadio, "every p with every t", 0, 0, kGroupGeneratorTable},
    {kIdGeneratorSaturationP, ControlKind::kRadio, "saturation line over p", 1, 0,
     kGroupGeneratorTable},
    {kIdGeneratorSaturationT, ControlKind::kRadio, "saturation line over t", 2, 0,
     kGroupGeneratorTable},
    {kStaticId, ControlKind::kGroup, kGroupGeneratorPressure, 1, 0, ""},
    {kIdGeneratorPFrom, ControlKind::kEdit, "from =", 0, 0, kGroupGeneratorPressure},
    {kIdGeneratorPTo, ControlKind::kEdit, "to =", 1, 0, kGroupGeneratorPressure},
    {kIdGeneratorPStep, ControlKind::kEdit, "step =", 2, 0, kGroupGeneratorPressure},
    {kStaticId, ControlKind::kGroup, kGroupGeneratorTemperature, 1, 1, ""},
    {kIdGeneratorTFrom, ControlKind::kEdit, "from =", 0, 0, kGroupGeneratorTemperature},
    {kIdGeneratorTTo, ControlKind::kEdit, "to =", 1, 0, kGroupGeneratorTemperature},
    {kIdGeneratorTStep, ControlKind::kEdit, "step =", 2, 0, kGroupGeneratorTemperature},
    {kIdGeneratorHtml, ControlKind::kCheck, "output in HTML format (else CSV)", 2, 0, "", 2},
    {kIdGeneratorWrite, ControlKind::kButton, "write table...", 3, 0, ""},
    {kIdGeneratorBack, ControlKind::kButton, "back", 3, 1, ""},
});

//! Dialog 160: writes a steam table over a range of p and t, or along the saturation line.
inline constexpr DialogTemplate kSteamTableGeneratorTemplate{160, "TORVIK - steam table generator",
                                                             kSteamTableGeneratorControls,
                                                             kIdGeneratorBack, kIdGeneratorWrite};

//! The generator: reads the ranges, asks for a file and writes the table there as CSV or as
//! an HTML report; a refused state keeps its row with its status and message.
class SteamTableGeneratorDialog : public DialogLogic {
public:
    explicit SteamTableGeneratorDialog(Port& port) : port_(port) {}

    void opened() override;
    void command(int id) override;

private:
    [[nodiscard]] output::SteamTableKind selectedKind() const;
    void kindChosen(output::SteamTableKind kind);
    void writeTable();
    [[nodiscard]] bool readRequest(output::SteamTableRequest& request);

    Port& port_;
};

}  // namespace vaporis::ui
