#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/file/safe_write.h"
#include "output/catalogue/report_unit.h"
#include "output/units/units.h"

namespace vaporis::output {

//! Fills the last column of value rows and forms the empty separator rows.
inline constexpr std::string_view kSpacer = "&nbsp &nbsp &nbsp &nbsp";

inline constexpr std::string_view kWaterReportTitle =
    "Properties of water / steam according to IAPWS-IF97";
inline constexpr std::string_view kGasReportTitle = "Properties of gases according to FDBR";

//! Shown when a report file could not be created; the report is then not opened.
inline constexpr std::string_view kReportNotWrittenText =
    "The report file could not be written. Please choose another folder or file name.";

//! Shown when the desktop found no viewer for a written report; %s is the report's path.
inline constexpr std::string_view kReportNotOpenedFormat =
    "The report was written to\n%s\nbut the desktop could not open it. Please open the file "
    "with a web browser.";

//! The rows of a report's inputs (4 decimals) and results (5 decimals): label, value, then
//! the spacer and the unit text. The order is fixed so that tools reading saved reports find
//! each cell in its column.
inline constexpr std::string_view kReportInputRow =
    "<tr> \n <td width=350>%s</td><td> %.4lf %s </td><td width=55>%s</td>\n</tr>\n";
inline constexpr std::string_view kReportValueRow =
    "<tr>\n <td width=350>%s</td><td> %.5lf %s </td><td width=55>%s</td>\n</tr>\n";
//! The empty rows, filled with the spacer, that close the input rows and the result rows.
inline constexpr std::string_view kReportInputSpacerRow =
    "<tr> \n <td> %s </td><td></td><td></td>\n</tr>\n";
inline constexpr std::string_view kReportValueSpacerRow =
    "<tr>\n <td> %s </td><td></td><td></td>\n</tr>\n";

//! While it lives, the reports this thread writes show their values and unit texts in the
//! chosen units (written units before and after). A report writer opens one for its choice.
class ReportUnitScope {
public:
    explicit ReportUnitScope(const UnitChoice& units);
    ~ReportUnitScope();
    ReportUnitScope(const ReportUnitScope&) = delete;
    ReportUnitScope& operator=(const ReportUnitScope&) = delete;

private:
    const UnitChoice* previous_;
};

//! A value written in `unit` as the report shows it; NOT_SET stays as it is.
[[nodiscard]] double reportValue(double value, ReportUnit unit);

//! The decimals of a value the written report shows with `decimals` in `unit`: more where
//! the shown unit is much larger than the written one, so the value keeps its resolution.
[[nodiscard]] int reportDecimals(int decimals, ReportUnit unit);

//! The unit text of a report row: unitText(unit) in the written units, else the shown
//! symbol padded to the same number of characters.
[[nodiscard]] std::string reportUnitText(ReportUnit unit);

//! A whole report: the HTML head, the `title` as heading, the module's `sections`, the end.
[[nodiscard]] std::string reportDocument(std::string_view title, std::string_view sections);

//! The bytes a report file holds for a UTF-8 text: Windows-1252, a character without a place
//! there as an HTML character reference ("&#321;" for "Ł"), a malformed UTF-8 byte as "?",
//! every line ending in CR LF: one encoding for every report, so that a saved report reads
//! the same in any viewer and tool.
[[nodiscard]] std::string reportFileBytes(std::string_view utf8);

//! Writes `utf8Document` as a report to `path` (UTF-8): first to a temporary file beside it,
//! then renamed over it, so a failed write never destroys an older report. False when the
//! file could not be written; nothing is left behind then.
file::WriteOutcome writeReportFile(const std::string& path, std::string_view utf8Document);

//! Writes a report to a file given by a path.
using ReportWriter = std::function<file::WriteOutcome(const std::string& path)>;

//! The message of a failed save: `text`, then the file and the cause on a line of their own.
[[nodiscard]] std::string notWrittenMessage(std::string_view text,
                                            const file::WriteOutcome& outcome);

}  // namespace vaporis::output
