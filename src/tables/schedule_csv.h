// The bar schedule and the materials table as CSV data for spreadsheets, so
// that the rebar shop and the estimator need not retype them from the sheet.
//
// RFC 4180 records under a heading row, UTF-8 with a byte-order mark (the
// mark is what makes a Japanese spreadsheet read the headings as UTF-8) and
// CR LF line ends. Every field is the text the sheet prints in that cell,
// without the blanks that right-align a number or centre a label.
#ifndef LWALL_TABLES_SCHEDULE_CSV_H_
#define LWALL_TABLES_SCHEDULE_CSV_H_

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "common/shift_jis_decoder.h"
#include "tables/schedule_tables.h"

namespace lwall {

// One row per bar mark in the sheet's order (W1 ... S2) with the columns of
// the bending schedule and then the masses of the mass table; then one row
// per diameter of the materials table's steel rows, ascending, and the
// total mass. The sheet's texts become UTF-8 through `decode`; nothing when
// it cannot convert them (no converter on the system): the headings could
// not be written.
std::optional<std::string> BarScheduleCsv(const ScheduleTables& tables, ShiftJisDecoder decode);

// The materials table's rows, top to bottom: kind, part, unit, quantity,
// remark, each as the sheet shows it (the end formwork's area stands in the
// remarks column there, and so here). Nothing when `decode` cannot convert.
std::optional<std::string> MaterialsCsv(const MaterialsCells& materials, ShiftJisDecoder decode);

// One record: the fields separated by commas, a field quoted (its quotes
// doubled) when it holds a comma, a quote or a line break; ends with CR LF.
std::string CsvRecord(std::initializer_list<std::string_view> fields);

}  // namespace lwall

#endif  // LWALL_TABLES_SCHEDULE_CSV_H_
