// Turning what the readers did with the two inputs into findings.
#include "input/input_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <string_view>

#include "common/number_format.h"
#include "common/sheet_frame.h"
#include "input/design_data.h"
#include "input/input_trace.h"
#include "input/layer_table.h"
#include "kernel/rebar_rules.h"

namespace lwall {

namespace {

// No dimension of a retaining wall comes near this; the drawing's
// arithmetic is not meant for larger values.
constexpr double kLargestValue = 1e7;

// The layers the drawings select by name. "D-MTR-MTXT" is selected with a
// colour of its own, but the layer table still wants its definition.
constexpr std::array<std::string_view, 9> kSheetLayers = {"D-TTL-FRAM", "D-STR",      "D-STR-HTXT",
                                                          "D-STR-STR1", "D-STR-DIM",  "D-BMK",
                                                          "D-MTR-TXT",  "D-MTR-FRAM", "D-MTR-MTXT"};
constexpr std::string_view kOwnColourLayer = "D-MTR-MTXT";

constexpr std::array<std::string_view, 4> kLayerFields = {"colour", "linetype code", "thickness",
                                                          "name"};

// A number printed as short as it reads: up to three decimals, no trailing
// zeros.
std::string Number(double value) {
  std::string text = FormatFixed(value, 0, 3);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

// Bytes of an input in double quotes, with line ends, control bytes and
// bytes beyond ASCII written as escapes, so a finding stays one line.
std::string Quote(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (const char c : bytes.substr(0, kTraceQuoteBytes)) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '"':
      case '\\':
        out += '\\';
        out += c;
        break;
      default:
        if (byte < 0x20 || byte >= 0x7F) {
          out += "\\x";
          out += kHex[byte >> 4];
          out += kHex[byte & 0xF];
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

// The number-like word at the start of `text`: up to a blank or a comma.
std::string_view Token(std::string_view text) {
  return text.substr(0, std::min(text.find_first_of(" \t\n\v\f\r,"), text.size()));
}

// Bytes that, right after a value, show that the value's text went on.
bool ContinuesNumber(std::string_view rest) {
  if (rest.empty()) return false;
  const char c = rest[0];
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.' ||
         c == '_' || c == '+' || c == '-';
}

// "nan" and "inf" are numbers to the C library, but not to the readers.
bool LooksLikeNanOrInf(std::string_view text) {
  std::string word(Token(text));
  if (!word.empty() && (word[0] == '+' || word[0] == '-')) word.erase(0, 1);
  for (char& c : word) c = static_cast<char>(c | 0x20);
  return word.starts_with("nan") || word.starts_with("inf");
}

std::string Plural(std::size_t n, std::string_view one, std::string_view many) {
  return std::string(n == 1 ? one : many);
}

// Values that stay 0, in file order: the first and the last of three or more.
std::string Span(const std::vector<std::string>& names) {
  if (names.size() == 1) return names[0] + " stays 0";
  if (names.size() == 2) return names[0] + " and " + names[1] + " stay 0";
  return names.front() + " to " + names.back() + " stay 0";
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string all;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) all += i + 1 == names.size() ? " and " : ", ";
    all += names[i];
  }
  return all;
}

// The findings of one file, put in file order when handed over.
class FileFindings {
 public:
  explicit FileFindings(std::string_view file) : file_(file) {}

  void Error(const TextPosition& at, std::string text) { Add(true, &at, std::move(text)); }
  void Warning(const TextPosition& at, std::string text) { Add(false, &at, std::move(text)); }
  void Warning(std::string text) { Add(false, nullptr, std::move(text)); }

  void MoveTo(InputCheck& check) {
    std::stable_sort(findings_.begin(), findings_.end(), [](const Entry& a, const Entry& b) {
      if (a.placed != b.placed) return a.placed;
      return a.placed && a.at.offset < b.at.offset;
    });
    for (Entry& entry : findings_) {
      std::string line(file_);
      if (entry.placed) {
        line += ':' + std::to_string(entry.at.line) + ':' + std::to_string(entry.at.column);
      }
      line += entry.error ? ": error: " : ": warning: ";
      line += entry.text;
      check.findings.push_back(std::move(line));
      ++(entry.error ? check.errors : check.warnings);
    }
    findings_.clear();
  }

 private:
  struct Entry {
    bool error = false;
    bool placed = false;
    TextPosition at;
    std::string text;
  };

  void Add(bool error, const TextPosition* at, std::string text) {
    Entry entry{error, at != nullptr, at != nullptr ? *at : TextPosition{}, std::move(text)};
    findings_.push_back(std::move(entry));
  }

  std::string_view file_;
  std::vector<Entry> findings_;
};

// Why a read found no value at `at`, for a finding that quotes `text` from
// there; `before` is the field read just before, if any.
std::string MissReason(const FieldTrace* before, const TextPosition& at, std::string_view text,
                       Miss miss, const std::string& before_name) {
  if (before != nullptr && before->state == FieldState::kRead && before->end.offset == at.offset &&
      ContinuesNumber(text)) {
    const std::size_t read = static_cast<std::size_t>(before->end.offset - before->at.offset);
    return " inside the number " + Quote(Token(before->text)) + " (" + before_name + " reads " +
           Quote(std::string_view(before->text).substr(0, read)) + ")";
  }
  if (miss == Miss::kTooLarge) return ", a number too large for its field";
  if (miss == Miss::kNotANumber && LooksLikeNanOrInf(text)) return ", not a number";
  return "";
}

// A value whose text goes on past what its read took: the next read starts
// inside it. `name` names the field.
std::string PartlyRead(const FieldTrace& field, const std::string& name) {
  const std::size_t read = static_cast<std::size_t>(field.end.offset - field.at.offset);
  return name + " " + Quote(Token(field.text)) + " is not " +
         (field.kind == ValueKind::kInteger ? "a whole number" : "a number") + ": " +
         Quote(std::string_view(field.text).substr(0, read)) +
         " is read, and the next read starts at " + Quote(field.rest);
}

class DesignChecker {
 public:
  DesignChecker(const DesignData& design, const InputTrace& trace, FileFindings& out)
      : d_(design), trace_(trace), out_(out), first_(kDesignRecords + 1, 0) {
    for (std::size_t i = trace_.fields.size(); i > 0; --i)
      first_[trace_.fields[i - 1].record] = i - 1;
  }

  void Check() {
    Reading();
    Limits();
    Values();
  }

 private:
  const FieldTrace& Field(int record, int index) const {
    return trace_.fields[first_[record] + static_cast<std::size_t>(index)];
  }
  bool WasRead(int record, int index) const {
    return Field(record, index).state == FieldState::kRead;
  }
  static std::string Ref(const FieldTrace& field) {
    return "record " + std::to_string(field.record) + ", " +
           DesignFieldName(field.record, field.index);
  }
  bool UsedFrom(std::size_t i) const {
    for (; i < trace_.fields.size(); ++i) {
      if (DesignFieldUsed(trace_.fields[i].record, trace_.fields[i].index)) return true;
    }
    return false;
  }
  const FieldTrace* Before(std::size_t i) const { return i > 0 ? &trace_.fields[i - 1] : nullptr; }
  std::string Reason(std::size_t i, const TextPosition& at, std::string_view text,
                     Miss miss) const {
    const FieldTrace* before = Before(i);
    return MissReason(before, at, text, miss, before != nullptr ? Ref(*before) : "");
  }

  // Where the reading stopped, records that ended early, and values whose
  // text went on past what was read.
  void Reading() {
    const std::vector<FieldTrace>& fields = trace_.fields;
    std::set<std::uint64_t> explained;  // where a finding already tells why
    std::size_t stop = fields.size();
    while (stop > 0 && fields[stop - 1].state == FieldState::kNotReached) --stop;
    if (stop < fields.size() && UsedFrom(stop)) {
      const std::string from = Ref(fields[stop]);
      if (trace_.stop_at_end) {
        out_.Error(trace_.stop,
                   "the file ends before " + from + ": it and every later value stay 0");
      } else {
        out_.Error(trace_.stop, "reading stopped at " + Quote(trace_.stop_text) +
                                    Reason(stop, trace_.stop, trace_.stop_text, trace_.stop_miss) +
                                    ": " + from + " and every later value stay 0");
      }
      explained.insert(trace_.stop.offset);
    }

    // Records that ended early while later ones read on. Records that end
    // one after another at the same place, reading nothing, make one finding.
    for (std::size_t i = 0; i < stop;) {
      const int first_record = fields[i].record;
      int last_record = first_record;
      std::size_t values = 0;
      std::size_t missed = stop;
      std::vector<std::string> left;
      std::size_t k = i;
      for (; k < stop; ++k) {
        const FieldTrace& field = fields[k];
        if (field.record != last_record) {
          // The next record joins only if it ends where this one did, first thing.
          if (missed == stop || field.state == FieldState::kRead ||
              field.at.offset != fields[missed].at.offset) {
            break;
          }
          last_record = field.record;
        }
        if (field.state == FieldState::kRead) {
          ++values;
          continue;
        }
        if (missed == stop) missed = k;
        if (DesignFieldUsed(field.record, field.index)) {
          left.push_back(DesignFieldName(field.record, field.index));
        }
      }
      if (!left.empty()) {
        const FieldTrace& at = fields[missed];
        std::string text = first_record == last_record
                               ? "record " + std::to_string(first_record) + " ends"
                               : "records " + std::to_string(first_record) +
                                     (last_record == first_record + 1 ? " and " : " to ") +
                                     std::to_string(last_record) + " end";
        const std::string reason = Reason(missed, at.at, at.text, at.miss);
        std::string count;
        if (values == 0) {
          count =
              first_record == last_record ? " before its first value" : " before their first value";
        } else if (first_record == last_record) {
          count =
              " after " + std::to_string(values) + " of its " + std::to_string(k - i) + " values";
        }
        text += " at " + Quote(at.text) + reason + (reason.empty() || count.empty() ? "" : ",") +
                count + ": " + Span(left);
        out_.Error(at.at, text);
        explained.insert(at.at.offset);
      }
      i = k;
    }

    for (std::size_t i = 0; i < stop; ++i) {
      const FieldTrace& field = fields[i];
      if (field.state != FieldState::kRead || !ContinuesNumber(field.rest) ||
          explained.count(field.end.offset) > 0 || !UsedFrom(i + 1)) {
        continue;
      }
      out_.Error(field.at, PartlyRead(field, Ref(field)));
    }
  }

  void Limits() {
    const double width = OverallWidth(d_);
    if (width > kMaxFootingWidth) {
      out_.Error(Field(1, 0).at,
                 "the wall is " +
                     (std::isfinite(width) ? Number(width) + " wide" : "far too wide") +
                     " (toe width + wall thickness + heel width), more than " +
                     Number(kMaxFootingWidth) + ": the run refuses it");
    }
    const double height = OverallHeight(d_);
    if (height > kMaxTotalHeight) {
      out_.Error(Field(2, 0).at,
                 "the wall is " +
                     (std::isfinite(height) ? Number(height) + " high" : "far too high") +
                     " (wall height + footing thickness), more than " + Number(kMaxTotalHeight) +
                     ": the run refuses it");
    }
  }

  void Warn(int record, int index, const std::string& what) {
    // A value not read, or read from part of a number, has its finding already.
    if (!WasRead(record, index) || ContinuesNumber(Field(record, index).rest)) return;
    out_.Warning(Field(record, index).at, Ref(Field(record, index)) + " is " + what);
  }

  void Values() {
    // Lengths that must be positive, and those that must not be negative.
    const std::array<std::pair<int, int>, 4> positive = {{{1, 1}, {1, 2}, {2, 0}, {2, 1}}};
    for (const auto& [record, index] : positive) {
      const double value = Field(record, index).value;
      if (value <= 0) Warn(record, index, Number(value) + ", not a positive length");
    }
    const std::array<std::pair<int, int>, 8> not_negative = {
        {{1, 0}, {4, 0}, {4, 1}, {4, 2}, {4, 3}, {4, 4}, {4, 5}, {5, 0}}};
    for (const auto& [record, index] : not_negative) {
      const double value = Field(record, index).value;
      if (value < 0) Warn(record, index, Number(value) + ", negative");
    }
    // Each cover and the thickness it lies in.
    struct Cover {
      int index;  // in record 4, or record 5 for the wall top
      int record;
      std::pair<int, int> thickness;
      std::string_view thickness_name;
    };
    const std::array<Cover, 7> covers = {{
        {0, 4, {2, 1}, "footing thickness"},
        {1, 4, {2, 1}, "footing thickness"},
        {2, 4, {1, 1}, "wall thickness"},
        {3, 4, {1, 1}, "wall thickness"},
        {4, 4, {1, 1}, "wall thickness"},
        {5, 4, {1, 1}, "wall thickness"},
        {0, 5, {2, 0}, "wall height"},
    }};
    for (const Cover& c : covers) {
      const double thickness = Field(c.thickness.first, c.thickness.second).value;
      const double cover = Field(c.record, c.index).value;
      if (WasRead(c.thickness.first, c.thickness.second) && thickness > 0 && cover >= thickness) {
        Warn(c.record, c.index,
             Number(cover) + ", not smaller than the " + std::string(c.thickness_name) + " " +
                 Number(thickness));
      }
    }
    Marks();
    for (const FieldTrace& field : trace_.fields) {
      if (field.state == FieldState::kRead && std::fabs(field.value) > kLargestValue &&
          DesignFieldUsed(field.record, field.index)) {
        Warn(field.record, field.index,
             Number(field.value) + ", beyond " + Number(kLargestValue) +
                 ": the drawing's arithmetic is not meant for it");
      }
    }
  }

  // The segments of each bar mark that the sheet draws or weighs: segment 1
  // of every mark, F3 and F4 up to their segment count, the second segment
  // of the crown bars W5 and the second and third of the horizontal wall
  // bars W3 and W4.
  void Marks() {
    const std::pair<std::string_view, const BarArrangement*> marks[] = {
        {"F1", &d_.F1}, {"F2", &d_.F2}, {"F3", &d_.F3}, {"F4", &d_.F4}, {"W1", &d_.W1},
        {"W2", &d_.W2}, {"W3", &d_.W3}, {"W4", &d_.W4}, {"W5", &d_.W5}};
    for (int m = 0; m < 9; ++m) {
      const auto [mark, bar_pointer] = marks[m];
      const BarArrangement& bar = *bar_pointer;
      const int count_record = 6 + 4 * m;
      int last_segment = 1;
      if (mark == "F3" || mark == "F4") {
        if (bar.segment_count < 0 || bar.segment_count > 5) {
          Warn(count_record, 0, std::to_string(bar.segment_count) + ", outside 0 to 5");
        }
        last_segment = std::max(1, bar.EffectiveSegmentCount());
      }
      if (mark == "W5") last_segment = 2;
      if (mark == "W3" || mark == "W4") last_segment = 3;
      if (bar.diameter[1] == 0 &&
          (mark == "W1" || mark == "W2" || mark == "W5" || mark == "F1" || mark == "F2")) {
        Warn(count_record + 1, 0, "0: the sheet draws no " + std::string(mark) + " bars");
      }
      for (int s = 1; s <= last_segment; ++s) {
        if (bar.diameter[s] == 0) continue;  // a segment without bars
        if (UnitMass(bar.diameter[s]) == 0) {
          Warn(count_record + 1, s - 1,
               std::to_string(bar.diameter[s]) +
                   ", which has no unit mass: its bars weigh 0 in the mass and materials tables");
        }
        if (bar.pitch[s] <= 0) {
          Warn(count_record + 2, s - 1, Number(bar.pitch[s]) + " in a segment with bars");
        }
        if (bar.pitch_count[s] < 0) {
          Warn(count_record + 3, s - 1, std::to_string(bar.pitch_count[s]) + ", negative");
        }
      }
    }
  }

  const DesignData& d_;
  const InputTrace& trace_;
  FileFindings& out_;
  std::vector<std::size_t> first_;  // the first field of each record
};

class LayerChecker {
 public:
  LayerChecker(const LayerTable& table, const InputTrace& trace, FileFindings& out)
      : table_(table), trace_(trace), out_(out) {}

  void Check() {
    const FieldTrace& count = trace_.fields[0];
    const int declared = static_cast<int>(count.value);
    bool defined = true;  // whether the file defines layers at all
    if (count.state != FieldState::kRead) {
      defined = false;
      out_.Error(count.at, count.miss == Miss::kEnd
                               ? "the file ends before the layer count: no "
                                 "layer is defined"
                               : "the layer count does not read at " + Quote(count.text) +
                                     ": no layer is defined");
    } else if (declared < 0) {
      defined = false;
      out_.Error(count.at, "the layer count " + std::to_string(declared) +
                               " is negative: no layer is defined");
    } else if (declared > kDeclaredLayersHonoured) {
      out_.Error(count.at, "the layer count " + std::to_string(declared) + " is more than " +
                               std::to_string(kDeclaredLayersHonoured));
    }
    Entries(declared);
    Numbers();
    if (defined) Undefined();
  }

 private:
  const FieldTrace& Field(int entry, int index) const {
    return trace_
        .fields[1 + 4 * static_cast<std::size_t>(entry - 1) + static_cast<std::size_t>(index)];
  }
  std::string Named(int entry) const {
    const std::string& name = table_.layers[static_cast<std::size_t>(entry - 1)].name;
    if (Field(entry, 3).state != FieldState::kRead) return "layer entry " + std::to_string(entry);
    return "layer " + Quote(name);
  }

  void Entries(int declared) {
    // An absurd file may hold more entries than a trace notes; the count
    // above 19 is its finding.
    const int entries = static_cast<int>(
        std::min(table_.layers.size(), (trace_.fields.size() - 1) / kLayerFields.size()));
    for (int e = 1; e <= entries; ++e) {
      int missed = 4;
      std::vector<std::string> unset;
      for (int k = 0; k < 4; ++k) {
        if (Field(e, k).state == FieldState::kRead) continue;
        if (missed == 4) missed = k;
        unset.push_back(std::string(kLayerFields[static_cast<std::size_t>(k)]));
      }
      if (missed == 4) {
        EntryWarnings(e);
        continue;
      }
      const FieldTrace& at = Field(e, missed);
      const bool stuck = at.state == FieldState::kNotReached;
      const std::string later = stuck && e < entries ? EmptyEntries(e + 1, entries) : "";
      if (at.miss == Miss::kEnd && missed == 0) {
        out_.Error(at.at, "the file holds " + std::to_string(e - 1) + " of the " +
                              std::to_string(declared) +
                              " layer entries it declares: " + EmptyEntries(e, entries));
      } else {
        std::string text =
            at.miss == Miss::kEnd
                ? "the file ends in layer entry " + std::to_string(e) + " of the " +
                      std::to_string(declared) + " it declares"
                : "layer entry " + std::to_string(e) + " does not read at " + Quote(at.text);
        text += ": its " + JoinNames(unset) + " stay unset";
        if (!later.empty()) text += ", and " + later;
        out_.Error(at.at, text);
      }
      if (stuck) return;
    }
    if (declared > entries && entries >= kDeclaredLayersHonoured) {
      out_.Error(trace_.stop, "the file holds " + std::to_string(entries) + " of the " +
                                  std::to_string(declared) + " layer entries it declares");
    }
  }

  static std::string EmptyEntries(int first, int last) {
    if (first == last) return "entry " + std::to_string(first) + " stays empty";
    return "entries " + std::to_string(first) + (last == first + 1 ? " and " : " to ") +
           std::to_string(last) + " stay empty";
  }

  // Numbers whose text goes on past what was read: the next read starts
  // inside them.
  void Numbers() {
    for (std::size_t i = 1; i < trace_.fields.size(); ++i) {
      const FieldTrace& field = trace_.fields[i];
      if (field.state != FieldState::kRead || field.kind == ValueKind::kWord ||
          !ContinuesNumber(field.rest)) {
        continue;
      }
      out_.Error(field.at, PartlyRead(field, "layer entry " + std::to_string(field.record) + ", " +
                                                 std::string(kLayerFields[field.index])));
    }
  }

  void EntryWarnings(int e) {
    const LayerDef& layer = table_.layers[static_cast<std::size_t>(e - 1)];
    if (LinetypeName(layer.linetype_code).empty()) {
      out_.Warning(Field(e, 1).at, Named(e) + " has linetype code " +
                                       std::to_string(layer.linetype_code) + ", outside 1 to 5: " +
                                       (e == 1 ? "the layer table gives it a continuous line"
                                               : "it takes the linetype of the layer before it"));
    }
    if (Field(e, 3).state != FieldState::kRead) return;
    const auto [first, inserted] = first_entry_.emplace(layer.name, e);
    if (!inserted) {
      out_.Warning(Field(e, 3).at, Named(e) + " is defined twice (first in entry " +
                                       std::to_string(first->second) +
                                       "): the sheet draws with the first definition");
    }
  }

  void Undefined() {
    for (const std::string_view name : kSheetLayers) {
      const bool found = std::any_of(table_.layers.begin(), table_.layers.end(),
                                     [&](const LayerDef& layer) { return layer.name == name; });
      if (found) continue;
      out_.Warning("layer " + Quote(name) + " is drawn on but not defined: " +
                   (name == kOwnColourLayer ? "the layer table lacks it"
                                            : "its entities take the previous layer's colour"));
    }
  }

  const LayerTable& table_;
  const InputTrace& trace_;
  FileFindings& out_;
  std::map<std::string, int> first_entry_;  // the entry first defining each name
};

}  // namespace

std::string InputCheck::Summary() const {
  if (errors == 0 && warnings == 0) return "no findings";
  std::string text;
  if (errors > 0) text = std::to_string(errors) + Plural(errors, " error", " errors");
  if (errors > 0 && warnings > 0) text += ", ";
  if (warnings > 0) text += std::to_string(warnings) + Plural(warnings, " warning", " warnings");
  return text;
}

InputCheck CheckInputs(ByteSource& design, ByteSource& layers, std::string_view design_name,
                       std::string_view layer_name) {
  InputTrace layer_trace;
  const LayerTable table = ReadLayerTable(layers, &layer_trace);
  InputTrace design_trace;
  const DesignData data = ReadDesignData(design, &design_trace);

  InputCheck check;
  FileFindings design_findings(design_name);
  DesignChecker(data, design_trace, design_findings).Check();
  design_findings.MoveTo(check);
  FileFindings layer_findings(layer_name);
  LayerChecker(table, layer_trace, layer_findings).Check();
  layer_findings.MoveTo(check);
  return check;
}

}  // namespace lwall
