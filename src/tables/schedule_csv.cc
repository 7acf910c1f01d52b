// Writing the two CSV files from the tables' cells.
#include "tables/schedule_csv.h"

#include "common/japanese_texts.h"

namespace lwall {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";  // U+3000 in UTF-8

// A text of the sheet (Shift-JIS bytes, like every text the program draws)
// as a cell: in UTF-8, without the blanks that right-align a number or
// centre a label in its cell on the sheet ("  2.2", "　計　").
// Empty when there is no converter, which the files' callers learn from
// Converts() first.
std::string CellText(ShiftJisDecoder decode, std::string_view sheet_text) {
  std::string text = decode(sheet_text).value_or("");
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (const std::string_view blank : {std::string_view(" "), kIdeographicSpace}) {
      if (text.starts_with(blank)) {
        text.erase(0, blank.size());
        trimmed = true;
      }
      if (text.ends_with(blank)) {
        text.erase(text.size() - blank.size());
        trimmed = true;
      }
    }
  }
  return text;
}

// Whether the sheet's Japanese texts convert here at all: the converter is
// there for every text or for none.
bool Converts(ShiftJisDecoder decode) {
  return decode(ja::kKind).has_value();
}

}  // namespace

std::string CsvRecord(std::initializer_list<std::string_view> fields) {
  std::string record;
  bool first = true;
  for (const std::string_view field : fields) {
    if (!first) record += ',';
    first = false;
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
      record += field;
      continue;
    }
    record += '"';
    for (const char c : field) {
      if (c == '"') record += '"';
      record += c;
    }
    record += '"';
  }
  record += "\r\n";
  return record;
}

std::optional<std::string> BarScheduleCsv(const ScheduleTables& tables, ShiftJisDecoder decode) {
  if (!Converts(decode)) return std::nullopt;
  const auto Cell = [decode](std::string_view text) { return CellText(decode, text); };
  // A heading of the sheet with the unit it prints below it.
  const auto WithUnit = [&](std::string_view heading, std::string_view unit) {
    return Cell(heading) + " " + std::string(unit);
  };
  std::string file(kByteOrderMark);
  file += CsvRecord({Cell(ja::kKind), Cell(ja::kShape), Cell(ja::kDiameter), Cell(ja::kCount),
                     WithUnit(ja::kLength, "(mm)"), WithUnit(ja::kL1, "(mm)"),
                     WithUnit(ja::kL2, "(mm)"), WithUnit(ja::kL3, "(mm)"),
                     WithUnit(ja::kUnitMass, "(kg/m)"), WithUnit(ja::kMassPerBar, "(kg)"),
                     WithUnit(ja::kMass, "(kg)")});
  for (const BarRowCells& row : tables.bars) {
    file += CsvRecord({Cell(row.mark), Cell(row.shape_code), Cell(row.diameter), Cell(row.count),
                       Cell(row.length), Cell(row.l1), Cell(row.l2), row.l3 ? Cell(*row.l3) : "",
                       Cell(row.unit_mass), Cell(row.one_bar_mass), Cell(row.mark_mass)});
  }
  const std::string total = Cell(ja::kTotal);
  for (const SteelRowCells& steel : tables.materials.steel) {
    if (steel.diameter.empty()) continue;
    file +=
        CsvRecord({total, "", Cell(steel.diameter), "", "", "", "", "", "", "", Cell(steel.mass)});
  }
  file +=
      CsvRecord({total, "", "", "", "", "", "", "", "", "", Cell(tables.materials.steel_total)});
  return file;
}

std::optional<std::string> MaterialsCsv(const MaterialsCells& m, ShiftJisDecoder decode) {
  if (!Converts(decode)) return std::nullopt;
  const auto Cell = [decode](std::string_view text) { return CellText(decode, text); };
  std::string file(kByteOrderMark);
  file += CsvRecord(
      {Cell(ja::kKind), Cell(ja::kItem), Cell(ja::kUnit), Cell(ja::kQuantity), Cell(ja::kRemarks)});
  const std::string concrete = Cell(ja::kConcrete);
  const std::string formwork = Cell(ja::kFormwork);
  const std::string steel_kind = Cell(ja::kReinforcement);
  const std::string base = Cell(ja::kBaseMaterial);
  const std::string wall = Cell(ja::kWall);
  const std::string footing = Cell(ja::kFooting);
  const std::string total = Cell(ja::kTotal);
  file += CsvRecord({concrete, wall, "m3", Cell(m.wall_concrete), ""});
  file += CsvRecord({concrete, footing, "m3", Cell(m.footing_concrete), ""});
  file += CsvRecord({concrete, total, "m3", Cell(m.concrete_total), ""});
  file += CsvRecord({formwork, wall, "m2", Cell(m.wall_formwork), ""});
  file += CsvRecord({formwork, footing, "m2", Cell(m.footing_formwork), ""});
  file += CsvRecord({formwork, Cell(ja::kEndFormwork), "m2", "", Cell(m.end_formwork)});
  file += CsvRecord({formwork, total, "m2", Cell(m.formwork_total), ""});
  // The sheet lists the steel rows bottom up; the file reads top down.
  for (auto steel = m.steel.rbegin(); steel != m.steel.rend(); ++steel) {
    file += CsvRecord({steel_kind, Cell(steel->diameter), "kg", Cell(steel->mass), ""});
  }
  // The sheet prints no unit in the steel total's row.
  file += CsvRecord({steel_kind, total, "", Cell(m.steel_total), ""});
  file +=
      CsvRecord({base, Cell(ja::kLevellingConcrete), "m2", Cell(m.levelling_concrete), "t=10cm"});
  file += CsvRecord({base, Cell(ja::kCrusherRun), "m2", Cell(m.crusher_run), "t=20cm"});
  return file;
}

}  // namespace lwall
