#pragma once

#include <cstddef>
#include <string>

#include "ui/csv_line.h"
#include "ui/steam_table_grid.h"

namespace vaporis::ui {

//! A generated steam table as text, and how many of its states were refused.
struct GeneratedTable {
    std::string text;
    std::size_t refusedRows = 0;
};

//! The table as CSV: a header (p, t, status, message and the column keys), then one line per
//! row; a refused row has its status and message and no values.
[[nodiscard]] GeneratedTable steamTableCsv(const SteamTableRequest& request, CsvFormat format);

//! The table as an HTML report: a header with the units, then one row per state; a refused row
//! shows its message in place of the values.
[[nodiscard]] GeneratedTable steamTableHtml(const SteamTableRequest& request);

}  // namespace vaporis::ui
