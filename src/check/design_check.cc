// Turning what the design data reader did with "tempoL.dat" into findings.
#include "check/design_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "check/mark_spans.h"
#include "check/read_reasons.h"
#include "common/sheet_frame.h"
#include "input/design_records.h"
#include "kernel/rebar_rules.h"

namespace lwall {

namespace {

// No dimension of a retaining wall comes near this; the drawing's
// arithmetic is not meant for larger values.
constexpr double kLargestValue = 1e7;
// No outline or view of a wall is this short: a length above 0 below it is
// one written in metres, or with its point out of place ("1.200").
constexpr double kShortestLength = 50;
// The segments of one bar mark lie along a wall or a footing of at most a
// few metres; more than this is a mistyped pitch or number of pitches.
constexpr double kLongestMarkRun = 20000;

// The marks whose bars every wall has: without them the sheet lacks its
// main bars.
constexpr std::array<std::string_view, 5> kMainBarMarks = {"W1", "W2", "W5", "F1", "F2"};

// "A", "A and B", or "A to B" for three or more, in file order.
Phrase List(const std::vector<Phrase>& items) {
  if (items.size() == 1) return items[0];
  return TwoOrRange(items.front(), items.back(), items.size() == 2);
}

// Records `first` to `last`, two or more: "records 11 and 12".
Phrase Records(int first, int last) {
  return {
      Text::kRecords, {{"records", TwoOrRange(first, last, last == first + 1)}}, last - first + 1};
}

// Bar mark `m` (0 to 8) as the findings name it: "F1".
std::string MarkName(int m) {
  return std::string(kBarMarks[static_cast<std::size_t>(m)]);
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Whether `rest`, the bytes after a value, is blanks and then a comma.
bool BlankBeforeComma(std::string_view rest) {
  std::size_t i = 0;
  while (i < rest.size() && IsBlank(rest[i])) ++i;
  return i > 0 && i < rest.size() && rest[i] == ',';
}

std::string_view AfterBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return text.substr(i);
}

bool StartsNumber(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// The lines of the file as far as its bytes were kept: for each line (from
// 1) how many values it holds, where its first value starts and its text.
class Lines {
 public:
  explicit Lines(std::string_view text) {
    values_.push_back(0);
    first_column_.push_back(0);
    texts_.emplace_back();
    std::size_t start = 0;
    while (start <= text.size()) {
      std::size_t end = text.find('\n', start);
      const bool last = end == std::string_view::npos;
      if (last) end = text.size();
      Add(text.substr(start, end - start));
      if (last) break;
      start = end + 1;
    }
  }

  int count() const { return static_cast<int>(values_.size()) - 1; }
  // 0 for a line past the bytes kept.
  int Values(std::uint64_t line) const {
    return line < values_.size() ? values_[static_cast<std::size_t>(line)] : 0;
  }
  std::uint64_t FirstColumn(std::uint64_t line) const {
    return line < first_column_.size() ? first_column_[static_cast<std::size_t>(line)] : 0;
  }
  std::string_view TextOf(std::uint64_t line) const {
    return line < texts_.size() ? texts_[static_cast<std::size_t>(line)] : std::string_view();
  }

 private:
  void Add(std::string_view line) {
    int values = 0;
    std::uint64_t first = 0;
    bool in_value = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      const bool separator =
          c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
      if (!separator && !in_value) {
        ++values;
        if (first == 0) first = i + 1;
      }
      in_value = !separator;
    }
    while (!line.empty() && (IsBlank(line.back()) || line.back() == '\r')) line.remove_suffix(1);
    values_.push_back(values);
    first_column_.push_back(first);
    texts_.push_back(line);
  }

  std::vector<int> values_;
  std::vector<std::uint64_t> first_column_;
  std::vector<std::string_view> texts_;
};

class DesignChecker {
 public:
  DesignChecker(const DesignData& design, const InputTrace& trace, std::string_view text,
                SheetUse& use, FindingList& out)
      : d_(design),
        trace_(trace),
        lines_(text),
        use_(use),
        out_(out),
        first_(kDesignRecords + 1, 0) {
    for (std::size_t i = trace_.fields.size(); i > 0; --i) {
      first_[static_cast<std::size_t>(trace_.fields[i - 1].record)] = i - 1;
    }
  }

  void Check() {
    Reading();
    Layout();
    // Values lost or shifted make any comparison between marks mislead.
    read_as_written_ = !out_.has_errors();
    Limits();
    Values();
    // Nor is a wall the run refuses worth comparing.
    if (read_as_written_ && !out_.has_errors()) {
      Diameters();
      Spans();
    }
  }

 private:
  const FieldTrace& Field(int record, int index) const {
    return trace_
        .fields[first_[static_cast<std::size_t>(record)] + static_cast<std::size_t>(index)];
  }
  bool WasRead(int record, int index) const {
    return Field(record, index).state == FieldState::kRead;
  }
  static Phrase Ref(const FieldTrace& field) {
    return DesignFieldReference(field.record, field.index);
  }
  bool Used(const FieldTrace& field) { return use_.Uses({field.record, field.index}); }
  bool Used(int record, int index) { return use_.Uses({record, index}); }
  // Whether the sheet uses any field from the i-th of the trace on.
  bool UsedFrom(std::size_t i) {
    std::vector<DesignFieldId> fields;
    for (; i < trace_.fields.size(); ++i) {
      fields.push_back({trace_.fields[i].record, trace_.fields[i].index});
    }
    return use_.UsesAny(fields);
  }
  const FieldTrace* Before(std::size_t i) const { return i > 0 ? &trace_.fields[i - 1] : nullptr; }
  static Finding& About(Finding& finding, const FieldTrace& field) {
    finding.record = field.record;
    finding.field = field.index;
    return finding;
  }

  // Where the reading stopped, at `stop`, the first field not reached: the
  // sentence of "reading stopped at ...", its place, and the field whose
  // text is to be mended there (the one before, when the reading stopped
  // inside its number or at a blank after it).
  struct Stop {
    TextPosition at;
    Phrase phrase;
    const FieldTrace* field;
  };
  Stop Stopped(std::size_t stop) const {
    const FieldTrace& first = trace_.fields[stop];
    const FieldTrace* before = Before(stop);
    if (before != nullptr && before->state == FieldState::kRead && BlankBeforeComma(before->rest)) {
      return {before->end,
              {Text::kStoppedAtBlankBeforeComma,
               {{"text", Quote(before->rest)}, {"field", Ref(first)}}},
              before};
    }
    Stop result{trace_.stop,
                {Text::kStopped, {{"text", Quote(trace_.stop_text)}, {"field", Ref(first)}}},
                &first};
    switch (ReasonOfMiss(before, trace_.stop, trace_.stop_text, trace_.stop_miss)) {
      case MissReason::kInsideNumber:
        result.phrase.text = Text::kStoppedInsideNumber;
        AddInsideNumber(result.phrase, *before, Ref(*before));
        result.field = before;
        break;
      case MissReason::kTooLarge:
        result.phrase.text = Text::kStoppedTooLarge;
        break;
      case MissReason::kNotANumber:
        result.phrase.text = Text::kStoppedNotANumber;
        break;
      case MissReason::kNone:
        break;
    }
    return result;
  }

  // Where the reading stopped and how the file ends, records that ended
  // early, and values whose text went on past what was read.
  void Reading() {
    const std::vector<FieldTrace>& fields = trace_.fields;
    std::set<std::uint64_t> explained;  // where a finding already tells why
    std::size_t stop = fields.size();
    while (stop > 0 && fields[stop - 1].state == FieldState::kNotReached) --stop;
    if (stop < fields.size()) {
      const FieldTrace& first = fields[stop];
      if (UsedFrom(stop)) {
        if (trace_.stop_at_end) {
          About(out_.Error(trace_.stop, {Text::kFileEndsBefore, {{"field", Ref(first)}}}), first);
        } else {
          Stop stopped = Stopped(stop);
          About(out_.Error(stopped.at, std::move(stopped.phrase)), *stopped.field);
        }
      } else if (trace_.stop_at_end) {
        // Nothing the sheet uses is lost, but a file that lacks its last
        // record very likely lost a line among the records before it: told
        // at the last line that holds values, where the last records are.
        if (!WasRead(kTieRecord, 0)) {
          const TextPosition& last = stop > 0 ? fields[stop - 1].at : trace_.stop;
          About(out_.Error(TextPosition{last.offset - (last.column - 1), last.line, 1},
                           {Text::kFileEndsBeforeLastRecord, {{"record", kDesignRecords}}}),
                Field(kTieRecord, 0));
        }
      } else {
        Stop stopped = Stopped(stop);
        About(out_.Warning(stopped.at, std::move(stopped.phrase)), *stopped.field);
      }
      explained.insert(trace_.stop.offset);
    } else if (!trace_.stop_at_end) {
      out_.Warning(trace_.stop, {Text::kFileGoesOnAfterLastRecord,
                                 {{"record", kDesignRecords}, {"text", Quote(trace_.stop_text)}}});
      explained.insert(trace_.stop.offset);
    }

    // Records that ended early while later ones read on. Records that end
    // one after another at the same place, reading nothing, make one finding.
    for (std::size_t i = 0; i < stop;) {
      const int first_record = fields[i].record;
      int last_record = first_record;
      std::size_t values = 0;
      std::size_t missed = stop;
      std::vector<DesignFieldId> unread;
      std::size_t k = i;
      for (; k < stop; ++k) {
        const FieldTrace& field = fields[k];
        if (field.record != last_record) {
          // The next record joins only if this one read nothing, and it
          // ends where this one did, first thing.
          if (missed == stop || values > 0 || field.state == FieldState::kRead ||
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
        unread.push_back({field.record, field.index});
      }
      if (missed == stop) {
        i = k;
        continue;
      }
      const FieldTrace& at = fields[missed];
      const std::string_view after = AfterBlanks(at.text);
      const bool comma_missed = values > 0 && at.miss == Miss::kNoComma;
      if (comma_missed && !after.empty() && StartsNumber(after[0])) {
        // Values go on on the same line: the next record takes them, and
        // every value from here on lands a field early.
        Phrase phrase{Text::kRecordEndsCommaMissing,
                      {{"record", first_record},
                       {"text", Quote(at.text)},
                       {"taken", values},
                       {"size", k - i}}};
        About(UsedFrom(missed) ? out_.Error(at.at, std::move(phrase))
                               : out_.Warning(at.at, std::move(phrase)),
              at);
        explained.insert(at.at.offset);
        i = k;
        continue;
      }
      std::vector<Phrase> left;
      if (use_.UsesAny(unread)) {
        for (const DesignFieldId field : unread) {
          if (Used(field.record, field.index))
            left.push_back(DesignFieldName(field.record, field.index));
        }
      }
      if (left.empty() && comma_missed && (after.empty() || after[0] == '\r' || after[0] == '\n')) {
        // Only values the sheet does not use are left at 0, but a line
        // short of a value has very likely lost one of those it holds.
        About(out_.Warning(at.at, {Text::kRecordEndsShortLine,
                                   {{"record", first_record},
                                    {"line", at.at.line},
                                    {"taken", values},
                                    {"size", k - i}}}),
              at);
      } else if (!left.empty()) {
        const FieldTrace* before = Before(missed);
        Phrase phrase = RecordsEnded(first_record, last_record, values, k - i,
                                     ReasonOfMiss(before, at.at, at.text, at.miss));
        phrase.args.emplace_back("text", Quote(at.text));
        phrase.args.emplace_back("fields", List(left));
        const bool inside = phrase.text == Text::kRecordEndsAfterInsideNumber ||
                            phrase.text == Text::kRecordEndsBeforeFirstInsideNumber ||
                            phrase.text == Text::kRecordsEndBeforeFirstInsideNumber;
        if (inside) AddInsideNumber(phrase, *before, Ref(*before));
        About(out_.Error(at.at, std::move(phrase)), inside ? *before : at);
        explained.insert(at.at.offset);
      }
      i = k;
    }

    // A line that ends in a comma lets its record read on into the next
    // line: the value before that comma was lost, and the records from
    // there on take their values from the line after their own.
    // Told only in a file written a record a line whose reading went
    // wrong: a file may as well give a value a line, each ending in a comma.
    for (std::size_t i = 1; i < stop && (stop < fields.size() || !trace_.stop_at_end); ++i) {
      const FieldTrace& field = fields[i];
      const FieldTrace& before = fields[i - 1];
      if (field.record != before.record || field.state != FieldState::kRead ||
          before.state != FieldState::kRead || field.at.line <= before.end.line) {
        continue;
      }
      const std::uint64_t line = before.end.line;
      const std::string_view text = lines_.TextOf(line);
      if (field.record < 2 || !OnOwnLine(field.record - 1) || text.empty() || text.back() != ',' ||
          lines_.Values(line) != DesignRecordSize(field.record) - 1) {
        break;
      }
      About(out_.Error(TextPosition{0, line, text.size()},
                       {Text::kLineEndsInComma,
                        {{"line", line}, {"field", Ref(field)}, {"next", field.at.line}}}),
            field);
      break;
    }

    for (std::size_t i = 0; i < stop; ++i) {
      const FieldTrace& field = fields[i];
      if (field.state != FieldState::kRead || !ContinuesNumber(field.rest) ||
          explained.count(field.end.offset) > 0 || !UsedFrom(i + 1)) {
        continue;
      }
      About(out_.Error(field.at, PartlyRead(field, Ref(field))), field);
    }
  }

  // Whether the record's values are those of one line, all of them.
  bool OnOwnLine(int record) const {
    const FieldTrace& first = Field(record, 0);
    const int size = DesignRecordSize(record);
    if (lines_.Values(first.at.line) != size) return false;
    for (int i = 0; i < size; ++i) {
      const FieldTrace& field = Field(record, i);
      if (field.state != FieldState::kRead || field.at.line != first.at.line ||
          field.end.line != first.at.line) {
        return false;
      }
    }
    return true;
  }

  // The sentence for records `first` to `last` that ended after `values` of
  // their `size` values, for `reason`; the caller adds the quote and fields.
  static Phrase RecordsEnded(int first, int last, std::size_t values, std::size_t size,
                             MissReason reason) {
    // By reason: after some values, before the first value of one record,
    // before the first values of several.
    static constexpr std::array<std::array<Text, 3>, 4> kTexts = {{
        {Text::kRecordEndsAfter, Text::kRecordEndsBeforeFirst, Text::kRecordsEndBeforeFirst},
        {Text::kRecordEndsAfterInsideNumber, Text::kRecordEndsBeforeFirstInsideNumber,
         Text::kRecordsEndBeforeFirstInsideNumber},
        {Text::kRecordEndsAfterTooLarge, Text::kRecordEndsBeforeFirstTooLarge,
         Text::kRecordsEndBeforeFirstTooLarge},
        {Text::kRecordEndsAfterNotANumber, Text::kRecordEndsBeforeFirstNotANumber,
         Text::kRecordsEndBeforeFirstNotANumber},
    }};
    const auto& texts = kTexts[static_cast<std::size_t>(reason)];
    if (first != last) return {texts[2], {{"records", Records(first, last)}}};
    if (values == 0) return {texts[1], {{"record", first}}};
    return {texts[0], {{"record", first}, {"taken", values}, {"size", size}}};
  }

  // Records that take their values from another record's line. In a file
  // written a record a line, the first record that does not take exactly
  // the values of a line of its own, while a line later or earlier in the
  // file would fit, tells a line missing or doubled above it.
  void Layout() {
    const std::vector<FieldTrace>& fields = trace_.fields;
    if (std::all_of(fields.begin(), fields.end(),
                    [](const FieldTrace& f) { return f.state == FieldState::kRead; }) &&
        trace_.stop_at_end) {
      return;  // read as written: no record took another's values
    }
    std::vector<int> record_of_line(static_cast<std::size_t>(lines_.count()) + 1, 0);
    int record = 1;
    for (; record <= kDesignRecords; ++record) {
      const FieldTrace& first = Field(record, 0);
      if (!OnOwnLine(record)) break;
      if (first.at.line < record_of_line.size()) {
        record_of_line[static_cast<std::size_t>(first.at.line)] = record;
      }
    }
    if (record < 2 || record > kDesignRecords) return;
    const FieldTrace& first = Field(record, 0);
    const std::uint64_t line = first.at.line;
    const int held = lines_.Values(line);
    const int taken = DesignRecordSize(record);
    if (held == taken || held == 0 || first.at.column != lines_.FirstColumn(line)) return;

    // The lines from this one on that hold values, a few of them.
    std::vector<int> counts;
    for (std::uint64_t l = line;
         l <= static_cast<std::uint64_t>(lines_.count()) && counts.size() < 4; ++l) {
      if (lines_.Values(l) > 0) counts.push_back(lines_.Values(l));
    }
    // Whether those lines hold the values of the records from `from` on,
    // starting with the `skip`-th line.
    auto fits = [&](int from, std::size_t skip) {
      if (counts.size() <= skip) return false;
      for (std::size_t j = skip; j < counts.size(); ++j) {
        const int r = from + static_cast<int>(j);
        if (r < 1 || r > kDesignRecords || DesignRecordSize(r) != counts[j]) return false;
      }
      return true;
    };
    const bool missing = fits(record + 1, 0);
    if (missing) {
      // A line left blank where the values were lost is the line missing:
      // the records from it on took the values of the next line, unnoticed
      // while those were as many as their own.
      const bool alone = fits(record, 1);
      for (std::uint64_t l = line; l > 1;) {
        const std::uint64_t previous = l - 1;
        // When this line alone may be off, only a blank line right above
        // tells the other reading.
        if (alone && l != line) break;
        if (lines_.Values(previous) == 0) {
          const int lost = l == line ? record : record_of_line[static_cast<std::size_t>(l)];
          Finding& finding =
              out_.Error(TextPosition{0, previous, 1},
                         {Text::kBlankLineLostValues, {{"line", previous}, {"record", lost}}});
          finding.record = lost;
          return;
        }
        const int r = record_of_line[static_cast<std::size_t>(previous)];
        if (r < 1 || r >= kDesignRecords || DesignRecordSize(r) != DesignRecordSize(r + 1)) break;
        l = previous;
      }
    }
    // This line alone is off (a value too many or too few on it): the
    // findings of the reading say so.
    if (fits(record, 1)) return;
    const bool doubled = fits(record - 1, 0);
    if (!missing && !doubled) return;

    if (doubled && !missing) {
      // A doubled line goes unnoticed while the records after it take as
      // many values as the ones before them: look back that far for two
      // lines alike.
      for (std::uint64_t l = line; l > 1;) {
        std::uint64_t previous = l - 1;
        while (previous > 0 && lines_.Values(previous) == 0) --previous;
        if (previous == 0) break;
        if (lines_.TextOf(previous) == lines_.TextOf(l)) {
          Phrase phrase{Text::kLineRepeated,
                        {{"line", l},
                         {"previous", previous},
                         {"record", record},
                         {"taken", taken},
                         {"later", line},
                         {"held", held}},
                        held};
          Finding& finding = out_.Error(TextPosition{0, l, 1}, std::move(phrase));
          finding.record = record;
          return;
        }
        // Looking further up, the record on the line above took the values
        // of the record before it without notice: as many as its own.
        const int r = record_of_line[static_cast<std::size_t>(previous)];
        if (r < 2 || DesignRecordSize(r) != DesignRecordSize(r - 1)) break;
        l = previous;
      }
    }
    const Text text = missing && doubled ? Text::kLineMissingOrDoubledAbove
                      : missing          ? Text::kLineMissingAbove
                                         : Text::kLineDoubledAbove;
    Finding& finding = out_.Error(
        TextPosition{first.at.offset - (first.at.column - 1), line, 1},
        {text, {{"line", line}, {"held", held}, {"record", record}, {"taken", taken}}, held});
    finding.record = record;
  }

  void Limits() {
    const double width = OverallWidth(d_);
    if (width > kMaxFootingWidth) {
      Phrase phrase = std::isfinite(width) ? Phrase{Text::kTooWide, {{"width", NumberValue(width)}}}
                                           : Phrase{Text::kFarTooWide, {}};
      phrase.args.emplace_back("limit", NumberValue(kMaxFootingWidth));
      out_.Error(Field(1, 0).at, std::move(phrase)).record = 1;
    }
    const double height = OverallHeight(d_);
    if (height > kMaxTotalHeight) {
      Phrase phrase = std::isfinite(height)
                          ? Phrase{Text::kTooHigh, {{"height", NumberValue(height)}}}
                          : Phrase{Text::kFarTooHigh, {}};
      phrase.args.emplace_back("limit", NumberValue(kMaxTotalHeight));
      out_.Error(Field(2, 0).at, std::move(phrase)).record = 2;
    }
  }

  // A warning about a field whose value `value` reads but is hardly meant.
  void Warn(int record, int index, Text text, std::vector<PhraseArg> more = {}) {
    const FieldTrace& field = Field(record, index);
    // A value not read, or read from part of a number, has its finding already.
    if (field.state != FieldState::kRead || ContinuesNumber(field.rest)) return;
    Phrase phrase{text, {{"field", Ref(field)}, {"value", NumberValue(field.value)}}};
    for (PhraseArg& arg : more) phrase.args.push_back(std::move(arg));
    About(out_.Warning(field.at, std::move(phrase)), field);
  }

  void Values() {
    // Lengths that must be positive, and those that must not be negative.
    const std::array<std::pair<int, int>, 4> positive = {{{1, 1}, {1, 2}, {2, 0}, {2, 1}}};
    for (const auto& [record, index] : positive) {
      if (Field(record, index).value <= 0) Warn(record, index, Text::kNotPositive);
    }
    const std::array<std::pair<int, int>, 10> not_negative = {
        {{1, 0}, {3, 0}, {3, 1}, {4, 0}, {4, 1}, {4, 2}, {4, 3}, {4, 4}, {4, 5}, {5, 0}}};
    for (const auto& [record, index] : not_negative) {
      if (Field(record, index).value < 0) Warn(record, index, Text::kNegative);
    }
    // The outline and the views: no part of a wall is shorter than a few
    // centimetres.
    for (const auto& [record, index] : std::array<std::pair<int, int>, 7>{
             {{1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {3, 0}, {3, 1}}}) {
      const double value = Field(record, index).value;
      if (value > 0 && value < kShortestLength) {
        Warn(record, index, Text::kLengthBelowMinimum, {{"limit", NumberValue(kShortestLength)}});
      }
    }
    // No cover of a real wall is thinner than a bar.
    for (int index = 0; index < 7; ++index) {
      const int record = index < 6 ? 4 : 5;
      const int place = index < 6 ? index : 0;
      const double value = Field(record, place).value;
      if (value == 0 && WasRead(record, place) && Used(record, place)) {
        Warn(record, place, Text::kCoverZero);
      } else if (value > 0 && value < kThinnestCover) {
        Warn(record, place, Text::kCoverBelowMinimum, {{"limit", NumberValue(kThinnestCover)}});
      } else if (value > kThickestCover && value <= kLargestValue) {
        Warn(record, place, Text::kCoverAboveMaximum, {{"limit", NumberValue(kThickestCover)}});
      }
    }
    // Each cover and the thickness it lies in.
    struct Cover {
      int record;
      int index;
      std::pair<int, int> thickness;
    };
    const std::array<Cover, 7> covers = {{
        {4, 0, {2, 1}},
        {4, 1, {2, 1}},
        {4, 2, {1, 1}},
        {4, 3, {1, 1}},
        {4, 4, {1, 1}},
        {4, 5, {1, 1}},
        {5, 0, {2, 0}},
    }};
    // Two covers or more as thick as the thickness they lie in tell the
    // thickness short of a digit rather than each cover too thick.
    for (const std::pair<int, int>& thickness_field : {std::pair{2, 1}, {1, 1}, {2, 0}}) {
      const auto [record, index] = thickness_field;
      const double thickness = Field(record, index).value;
      if (!WasRead(record, index) || !(thickness > 0)) continue;
      std::vector<const Cover*> over;
      for (const Cover& c : covers) {
        if (c.thickness == thickness_field && Field(c.record, c.index).value >= thickness) {
          over.push_back(&c);
        }
      }
      if (over.size() >= 2 && read_as_written_) {
        std::vector<Phrase> names;
        for (const Cover* c : over) names.push_back(DesignFieldName(c->record, c->index));
        Warn(record, index, Text::kThicknessNotAboveCovers, {{"covers", List(names)}});
        continue;
      }
      for (const Cover* c : over) {
        if (out_.HasFindingAbout(c->record, c->index)) continue;
        Warn(c->record, c->index, Text::kCoverNotSmaller,
             {{"thickness", DesignFieldName(record, index)}, {"limit", NumberValue(thickness)}});
      }
    }
    for (int mark = 0; mark < static_cast<int>(kBarMarks.size()); ++mark) Mark(mark);
    for (const FieldTrace& field : trace_.fields) {
      if (field.state == FieldState::kRead && std::fabs(field.value) > kLargestValue &&
          Used(field)) {
        Warn(field.record, field.index, Text::kBeyondArithmetic,
             {{"limit", NumberValue(kLargestValue)}});
      }
    }
  }

  // The values of one bar mark, in the segments this sheet uses.
  void Mark(int m) {
    const BarArrangement& bar = MarkArrangement(d_, m);
    const std::string mark = MarkName(m);
    const int count_record = MarkRecordNumber(m, 0);
    const int diameters = count_record + 1;
    const int pitches = count_record + 2;
    const int pitch_counts = count_record + 3;
    if ((bar.segment_count < 0 || bar.segment_count > 5) && Used(count_record, 0)) {
      Warn(count_record, 0, Text::kSegmentCountOutside);
    } else if (read_as_written_) {
      SegmentCount(m, bar);
    }
    if (bar.diameter[1] == 0 &&
        std::find(kMainBarMarks.begin(), kMainBarMarks.end(), mark) != kMainBarMarks.end() &&
        Used(diameters, 0)) {
      Warn(diameters, 0, Text::kNoBarsOfMark, {{"mark", mark}});
    }
    double run = 0;
    for (int s = 1; s <= 5; ++s) {
      const auto i = static_cast<std::size_t>(s);
      const int diameter = bar.diameter[i];
      const double pitch = bar.pitch[i];
      if (diameter != 0 && UnitMass(diameter) == 0 && Used(diameters, s - 1)) {
        Warn(diameters, s - 1, Text::kNoUnitMass);
      }
      if (diameter != 0 && pitch <= 0 && Used(pitches, s - 1)) {
        Warn(pitches, s - 1, Text::kPitchInSegmentWithBars);
      }
      if (diameter > 0 && pitch > 0 && pitch <= diameter && Used(pitches, s - 1)) {
        Warn(pitches, s - 1, Text::kPitchNotAboveDiameter, {{"diameter", diameter}});
      }
      if (bar.pitch_count[i] < 0 && Used(pitch_counts, s - 1)) {
        Warn(pitch_counts, s - 1, Text::kNegative);
      } else if (bar.pitch_count[i] > 0 && pitch == 0 && diameter == 0 &&
                 Used(pitch_counts, s - 1) && !out_.HasFindingAbout(pitch_counts, s - 1)) {
        Warn(pitch_counts, s - 1, Text::kPitchCountWithoutPitch);
      }
      run += std::max(0.0, pitch * bar.pitch_count[i]);
    }
    if (!(run > kLongestMarkRun)) return;
    // The run of the segments in use, and the longest of them.
    run = 0;
    int longest = 0;
    double longest_length = 0;
    for (int s = 1; s <= 5; ++s) {
      const auto i = static_cast<std::size_t>(s);
      const double length = std::max(0.0, bar.pitch[i] * bar.pitch_count[i]);
      if (length == 0 || !(Used(pitches, s - 1) || Used(pitch_counts, s - 1))) continue;
      run += length;
      if (length > longest_length) {
        longest = s;
        longest_length = length;
      }
    }
    if (!(run > kLongestMarkRun)) return;
    // The value most likely mistyped: a pitch beyond any a bar is laid at,
    // else the number of pitches.
    const bool pitch_off = bar.pitch[static_cast<std::size_t>(longest)] > 1000;
    const FieldTrace& at = Field(pitch_off ? pitches : pitch_counts, longest - 1);
    if (at.state != FieldState::kRead) return;
    too_long_.insert(m);
    About(out_.Warning(at.at, {Text::kMarkTooLong,
                               {{"mark", mark},
                                {"length", NumberValue(run)},
                                {"limit", NumberValue(kLongestMarkRun)}}}),
          at);
  }

  // The segments walked end with the last that holds a pitch or a number
  // of pitches. When they do not, either the segment count is off, told at
  // it, or a value has landed in the wrong segment: a segment with a pitch
  // and no number of pitches, or the other way round, is told at the value
  // lost (within the count) or at the stray one (beyond it).
  void SegmentCount(int m, const BarArrangement& bar) {
    const std::string mark = MarkName(m);
    const int count_record = MarkRecordNumber(m, 0);
    int last = 0;
    for (int s = 1; s <= 5; ++s) {
      const auto i = static_cast<std::size_t>(s);
      if (bar.pitch[i] != 0 || bar.pitch_count[i] != 0) last = s;
    }
    if (last == 0 || bar.segment_count == last || bar.segment_count < 0 || bar.segment_count > 5 ||
        !Used(count_record, 0)) {
      return;
    }
    for (int s = 1; s <= std::max(last, bar.segment_count); ++s) {
      const auto i = static_cast<std::size_t>(s);
      const bool has_pitch = bar.pitch[i] != 0;
      if (has_pitch == (bar.pitch_count[i] != 0)) continue;
      const bool within = s <= bar.segment_count;
      // Within the count the value missing is told; beyond it, the stray.
      const bool at_pitch = within != has_pitch;
      const int record = count_record + (at_pitch ? 2 : 3);
      const int other = count_record + (at_pitch ? 3 : 2);
      Warn(record, s - 1, Text::kSegmentHalfWritten,
           {{"other", DesignFieldName(other, s - 1)},
            {"othervalue", NumberValue(at_pitch ? bar.pitch_count[i] : bar.pitch[i])},
            {"segment", s},
            {"mark", mark},
            {"count", bar.segment_count}});
      return;
    }
    Warn(count_record, 0, Text::kSegmentCountNotLast, {{"mark", mark}, {"last", last}});
  }

  // Marks whose segments in use lay bars of more than one diameter: the
  // schedule has one row a mark, of one diameter, so all but one of them are
  // drawn with bars the schedule does not list. Told at the diameter that
  // differs from the rest, or at the last when two differ.
  void Diameters() {
    for (int m = 0; m < static_cast<int>(kBarMarks.size()); ++m) {
      const BarArrangement& bar = MarkArrangement(d_, m);
      const int record = MarkRecordNumber(m, 1);
      std::vector<int> with_bars;
      for (int s = 1; s <= 5; ++s) {
        const auto i = static_cast<std::size_t>(s);
        if (bar.pitch_count[i] > 0 && bar.pitch[i] > 0) with_bars.push_back(s);
      }
      // Which diameters are in use takes drawings to tell: asked only of a
      // mark whose segments with bars differ at all.
      if (std::all_of(with_bars.begin(), with_bars.end(), [&](int s) {
            return bar.diameter[static_cast<std::size_t>(s)] ==
                   bar.diameter[static_cast<std::size_t>(with_bars.front())];
          })) {
        continue;
      }
      std::vector<int> segments;
      bool whole = true;
      for (const int s : with_bars) {
        if (!Used(record, s - 1)) continue;
        const FieldTrace& field = Field(record, s - 1);
        whole = whole && field.state == FieldState::kRead && !ContinuesNumber(field.rest);
        segments.push_back(s);
      }
      if (!whole || segments.size() < 2) continue;
      std::map<int, int> laid;  // diameter, segments
      for (const int s : segments) ++laid[bar.diameter[static_cast<std::size_t>(s)]];
      if (laid.size() < 2) continue;
      int odd = segments.back();
      for (const int s : segments) {
        if (laid[bar.diameter[static_cast<std::size_t>(s)]] == 1) {
          odd = s;
          if (laid.size() > 2 || segments.size() > 2) break;
        }
      }
      // "13 and 16", or "13 to 22" for three or more, smallest first.
      const Phrase diameters =
          TwoOrRange(laid.begin()->first, laid.rbegin()->first, laid.size() == 2);
      const FieldTrace& at = Field(record, odd - 1);
      About(out_.Warning(at.at, {Text::kMixedDiameters,
                                 {{"mark", MarkName(m)},
                                  {"diameters", diameters},
                                  {"field", DesignFieldName(record, odd - 1)}}}),
            at);
    }
  }

  // Runs of pitches that do not fill what their bars are spread over.
  void Spans() {
    const auto in_use = [&](DesignFieldId field) { return Used(field.record, field.index); };
    const auto doubtful = [&](DesignFieldId field) {
      return out_.HasFindingAbout(field.record, field.index);
    };
    const auto unread = [&](DesignFieldId field) {
      const FieldTrace& f = Field(field.record, field.index);
      return f.state != FieldState::kRead || ContinuesNumber(f.rest);
    };
    for (const SpanMiss& miss : FindSpanMisses(d_, in_use, doubtful, unread)) {
      // A value already told of, or a mark already told too long, needs no
      // second finding.
      if (out_.HasFindingAbout(miss.suspect.record, miss.suspect.index) ||
          (miss.mark >= 0 && too_long_.count(miss.mark) > 0)) {
        continue;
      }
      const FieldTrace& at = Field(miss.suspect.record, miss.suspect.index);
      Phrase span = miss.span == Span::kFooting     ? Phrase{Text::kFootingSpan}
                    : miss.span == Span::kWall      ? Phrase{Text::kWallSpan}
                    : miss.span == Span::kRightHalf ? DesignFieldName(3, 1)
                                                    : DesignFieldName(3, 0);
      std::vector<PhraseArg> args = {{"run", NumberValue(miss.run)},
                                     {"span", std::move(span)},
                                     {"length", NumberValue(miss.length)}};
      Text text = Text::kSpanMissesRuns;
      if (miss.mark < 0) {
        args.emplace_back("field", DesignFieldName(miss.suspect.record, miss.suspect.index));
      } else {
        args.emplace_back("mark", MarkName(miss.mark));
        text = Text::kRunMissesSpan;
        if (miss.segment > 0) {
          args.emplace_back("segment", miss.segment);
          text = Text::kSegmentRunMissesSpan;
        }
      }
      About(out_.Warning(at.at, {text, std::move(args)}), at);
    }
  }

  const DesignData& d_;
  const InputTrace& trace_;
  Lines lines_;
  SheetUse& use_;
  FindingList& out_;
  std::vector<std::size_t> first_;  // the first field of each record
  // No error so far: every value stands where it was written, so values
  // may be weighed against each other.
  bool read_as_written_ = false;
  std::set<int> too_long_;  // the marks whose run was told too long
};

}  // namespace

Phrase DesignFieldName(int record, int index) {
  static constexpr std::array<std::array<Text, 6>, 5> kOutline = {{
      {Text::kToeWidth, Text::kWallThickness, Text::kHeelWidth},
      {Text::kWallHeight, Text::kFootingThickness},
      {Text::kViewLengthLeft, Text::kViewLengthRight},
      {Text::kFootingBottomCover, Text::kFootingTopCover, Text::kWallFrontCover,
       Text::kWallBackCover, Text::kFrontSideCover, Text::kBackSideCover},
      {Text::kWallTopCover},
  }};
  static constexpr std::array<Text, 5> kTies = {Text::kS1Diameter, Text::kS2Diameter,
                                                Text::kS1Count, Text::kS2Count, Text::kSpare};
  const auto i = static_cast<std::size_t>(index);
  if (record >= 1 && record < kFirstMarkRecord)
    return {kOutline[static_cast<std::size_t>(record - 1)][i]};
  if (record == kTieRecord) return {kTies[i]};
  const MarkRecord at = MarkRecordOf(record);
  const std::string mark = MarkName(at.mark);
  switch (at.part) {
    case 0:
      return {Text::kSegmentCount, {{"mark", mark}}};
    case 1:
      return {Text::kDiameter, {{"mark", mark}, {"segment", index + 1}}};
    case 2:
      return {Text::kPitch, {{"mark", mark}, {"segment", index + 1}}};
    default:
      return {Text::kPitchCount, {{"mark", mark}, {"segment", index + 1}}};
  }
}

Phrase DesignFieldReference(int record, int index) {
  return {Text::kRecordField, {{"record", record}, {"field", DesignFieldName(record, index)}}};
}

void CheckDesign(const DesignData& design, const InputTrace& trace, std::string_view text,
                 SheetUse& use, FindingList& out) {
  DesignChecker(design, trace, text, use, out).Check();
}

}  // namespace lwall
