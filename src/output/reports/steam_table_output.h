#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "output/format/csv_line.h"
#include "output/reports/steam_table_grid.h"
#include "output/units/units.h"

namespace vaporis::output {

//! A generated steam table as text, and how many of its states were refused.
struct GeneratedTable {
    std::string text;
    std::size_t refusedRows = 0;
};

//! Every row of the table, in order.
[[nodiscard]] std::vector<SteamTableRow> steamTableRows(const SteamTableRequest& request);

//! The row with p, t and the values of `columns` in `units`.
[[nodiscard]] SteamTableRow shownRow(const SteamTableRow& row,
                                     const std::vector<SteamTableColumn>& columns,
                                     const UnitChoice& units);

//! The table as CSV in `units`: a header (p, t, status, message and the column keys, each
//! followed by its unit in brackets when the units are not the written ones), then one line
//! per row; a refused row has its status and message and no values. `rows` are the request's
//! rows, computed beforehand (a caller may compute them on several threads).
[[nodiscard]] GeneratedTable steamTableCsv(const SteamTableRequest& request, CsvFormat format,
                                           std::span<const SteamTableRow> rows,
                                           const UnitChoice& units = {});
[[nodiscard]] GeneratedTable steamTableCsv(const SteamTableRequest& request, CsvFormat format);

//! The table as an HTML report in `units`: a header with the units, then one row per state; a
//! refused row shows its message in place of the values.
[[nodiscard]] GeneratedTable steamTableHtml(const SteamTableRequest& request,
                                            std::span<const SteamTableRow> rows,
                                            const UnitChoice& units = {});
[[nodiscard]] GeneratedTable steamTableHtml(const SteamTableRequest& request);

}  // namespace vaporis::output
