#pragma once

#include <span>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "output/catalogue/property_catalogue.h"
#include "output/catalogue/report_unit.h"
#include "output/units/units.h"

namespace vaporis::cli {

//! --units and --unit as typed.
struct UnitOptions {
    std::string preset;          //!< "written", "si-mpa" or "us"; empty: written
    std::string list;            //!< "p=psig,t=F"
    std::string gaugeReference;  //!< "1.01325", "14.696psia"; empty: 1.01325 bar
};

//! Adds --units, --unit and --gauge-reference to every command of app that has no commands
//! below it.
void addUnitOptions(CLI::App& app, UnitOptions& options);

//! Makes the units the options name the ones every value of this program run is read and
//! shown in, while it lives. A command run inside another (a row of a batch, on any thread)
//! keeps the units of the outermost one.
class CommandUnits {
public:
    CommandUnits();
    ~CommandUnits();
    CommandUnits(const CommandUnits&) = delete;
    CommandUnits& operator=(const CommandUnits&) = delete;

    //! Throws ArgumentError for an unknown preset or unit.
    void choose(const UnitOptions& options);

private:
    bool outermost_;
};

//! The units values are read and shown in.
[[nodiscard]] const output::UnitChoice& shownUnits();

//! What follows the number a text starts with ("barg" of "5 barg"); empty when nothing does
//! or the text starts with no number.
[[nodiscard]] std::string_view unitSpelling(std::string_view text);

//! Whether the text is a number followed by the name of a unit ("5 barg").
[[nodiscard]] bool carriesUnit(std::string_view text);

//! The value of a number option's text in the unit its help names in brackets ("[bar]"; of
//! "[kg/s or kg/h]" the second when `second`): a bare number is in the shown unit, or the
//! text carries its own. Throws ArgumentError naming the option, the text and the unit.
[[nodiscard]] double readOptionNumber(const CLI::Option& option, const std::string& text,
                                      bool second);

//! The value of `text` in `written`: a bare number is in the shown unit, or the text carries
//! its own; a `difference` takes the scale of the unit only (a step of "10 psi", "50F").
//! Throws ArgumentError starting with `name`, naming the text and the unit.
[[nodiscard]] double readShownNumber(const std::string& name, std::string_view text,
                                     const output::Unit& written, bool difference = false);

//! A value written in `unit` as shown; unchanged when it has no other unit or is not finite.
[[nodiscard]] double shownValue(double value, output::ReportUnit unit);

//! The unit a label names in brackets ("power [kW]"; of "[kg/s or kg/h]" the second when
//! `second`); null for none and for units without others ("[-]", "[%]").
[[nodiscard]] const output::Unit* bracketUnit(std::string_view label, bool second = false);

//! A value written in `written` as shown; unchanged when null or not finite.
[[nodiscard]] double shownValue(double value, const output::Unit* written);

//! The label with the unit in its brackets replaced by the shown one, as shownLabel.
[[nodiscard]] std::string shownLabel(std::string_view label);

//! The unit a value written in `unit` is shown in ("psia"); empty when it has none.
[[nodiscard]] std::string shownSymbol(output::ReportUnit unit);

//! The label with the unit in its brackets replaced by the shown one ("pressure p [psia]");
//! as it is when the units are the written ones.
[[nodiscard]] std::string shownLabel(std::string_view label, output::ReportUnit unit);

//! A CSV column or JSON key of the entry: its key, followed by its shown unit in brackets
//! ("p [psia]") when the units are not the written ones.
[[nodiscard]] std::string shownColumn(const output::PropertyEntry& entry);

//! Adds the shown unit of every entry that has one to the object's "units" object, when the
//! units are not the written ones.
void addUnits(nlohmann::ordered_json& json, std::span<const output::PropertyEntry> entries);

//! Adds `units` (key: shown symbol) to the object's "units" object when the units are not the
//! written ones, last in it "gauge_reference_bar" when a value is shown in a gauge unit.
void placeUnits(nlohmann::ordered_json& json, const nlohmann::ordered_json& units);

}  // namespace vaporis::cli
