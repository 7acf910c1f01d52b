// Test support: script command forms and their polyline segments.
#include "conformance/script_grammar.h"

#include <optional>
#include <string_view>

#include "support/test_sheet.h"

namespace lwall::testing {

namespace {

// Beyond this many faults a script is broken throughout; more lines of
// report would only bury the first one.
constexpr std::size_t kMaxFaults = 20;

// The longest command lines a CAD command line takes from the script,
// without the line end; the "M" dimension counts both of its lines.
constexpr std::size_t kMaxPline = 507;
constexpr std::size_t kMaxPlinePoints = 30;
constexpr std::size_t kMaxShort = 107;  // qleader, text, CIRCLE
constexpr std::size_t kMaxDimension = 203;
constexpr std::size_t kMaxDimensionM = 1011;
constexpr std::size_t kMaxDonut = 671;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the fields of one line from left to right.
class Cursor {
 public:
  explicit Cursor(std::string_view line) : rest_(line) {}

  bool Literal(std::string_view word) {
    if (!rest_.starts_with(word)) return false;
    rest_.remove_prefix(word.size());
    return true;
  }

  // "%5.0lf": padding blanks up to five columns, an optional minus sign and
  // the digits of a whole number. Returns the number without its padding.
  std::optional<std::string> Whole() {
    std::size_t blanks = 0;
    while (blanks < rest_.size() && rest_[blanks] == ' ') ++blanks;
    std::size_t end = blanks;
    if (end < rest_.size() && rest_[end] == '-') ++end;
    const std::size_t first_digit = end;
    while (end < rest_.size() && IsDigit(rest_[end])) ++end;
    const std::size_t digits = end - first_digit;
    if (digits == 0) return std::nullopt;
    if (digits > 1 && rest_[first_digit] == '0') return std::nullopt;
    const std::size_t width = end - blanks;
    if (blanks != (width < 5 ? 5 - width : 0)) return std::nullopt;
    std::string number(rest_.substr(blanks, width));
    rest_.remove_prefix(end);
    return number;
  }

  // "%d".
  bool Int() {
    std::size_t end = 0;
    if (end < rest_.size() && rest_[end] == '-') ++end;
    const std::size_t first_digit = end;
    while (end < rest_.size() && IsDigit(rest_[end])) ++end;
    if (end == first_digit || (end - first_digit > 1 && rest_[first_digit] == '0')) return false;
    rest_.remove_prefix(end);
    return true;
  }

  // "%5.0lf,%5.0lf", then the blank that ends a point unless `last`.
  std::optional<std::array<std::string, 2>> Point(bool trailing_blank = true) {
    auto x = Whole();
    if (!x || !Literal(",")) return std::nullopt;
    auto y = Whole();
    if (!y || (trailing_blank && !Literal(" "))) return std::nullopt;
    return std::array<std::string, 2>{*x, *y};
  }

  // A point follows (a number, possibly padded).
  bool AtNumber() const {
    std::size_t i = 0;
    while (i < rest_.size() && rest_[i] == ' ') ++i;
    return i < rest_.size() && (rest_[i] == '-' || IsDigit(rest_[i]));
  }

  std::string_view rest() const { return rest_; }
  bool AtEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

// Shift-JIS as the program writes it: printable ASCII, half-width katakana
// and two-byte characters; no control bytes.
bool IsShiftJisText(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c <= 0x7E) continue;
    if (c >= 0xA1 && c <= 0xDF) continue;
    if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
      if (i + 1 == text.size()) return false;
      const auto trail = static_cast<unsigned char>(text[++i]);
      if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return false;
      continue;
    }
    return false;
  }
  return true;
}

class ScriptParser {
 public:
  ScriptParser(const std::vector<std::string_view>& lines, bool length_limits,
               ScriptCheck& check)
      : lines_(lines), length_limits_(length_limits), check_(check) {}

  void Run() {
    while (next_ < lines_.size()) Command();
  }

 private:
  void Fault(std::size_t line_index, const std::string& what) {
    if (check_.faults.size() < kMaxFaults) {
      check_.faults.push_back("line " + std::to_string(line_index + 1) + ": " + what + ": \"" +
                              std::string(lines_[line_index].substr(0, 120)) + "\"");
    }
  }

  void Command() {
    const std::size_t at = next_++;
    const std::string_view line = lines_[at];
    Cursor c(line);
    if (c.Literal("PLINE ")) {
      Pline(at, c);
    } else if (c.Literal("qleader ")) {
      Leader(at, c);
    } else if (c.Literal("text ")) {
      Text(at, c);
    } else if (c.Literal("CIRCLE ")) {
      Circle(at, c);
    } else if (c.Literal("dimlinear ")) {
      Dimension(at, c);
    } else if (c.Literal("donut 0 ")) {
      Donut(at, c);
    } else {
      Fault(at, line.empty() ? "empty line after no CIRCLE or three-point qleader"
                             : "no command of the script");
    }
  }

  void Count(const char* command) { ++check_.commands[command]; }

  void Limit(std::size_t at, std::size_t length, std::size_t limit) {
    if (length_limits_ && length > limit) Fault(at, "longer than " + std::to_string(limit) + " characters");
  }

  // The line after a command that must be followed by an empty one.
  void EmptyLineAfter(std::size_t at) {
    if (next_ == lines_.size() || !lines_[next_].empty()) {
      Fault(at, "not followed by an empty line");
      return;
    }
    ++next_;
  }

  void Pline(std::size_t at, Cursor& c) {
    std::vector<std::array<std::string, 2>> points;
    while (c.AtNumber()) {
      auto p = c.Point();
      if (!p) break;
      points.push_back(*p);
    }
    if (!c.AtEnd() || points.size() < 2) return Fault(at, "PLINE is not 2 or more points");
    if (points.size() > kMaxPlinePoints) Fault(at, "PLINE of more than 30 points");
    Limit(at, lines_[at].size(), kMaxPline);
    Count("PLINE");
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      check_.segments.push_back(
          {{points[i][0], points[i][1], points[i + 1][0], points[i + 1][1]}, static_cast<int>(at + 1)});
    }
  }

  void Leader(std::size_t at, Cursor& c) {
    if (!c.Point() || !c.Point()) return Fault(at, "qleader without two points");
    Limit(at, lines_[at].size(), kMaxShort);
    if (c.AtEnd()) return Count("qleader");
    if (!c.Point(false) || !c.AtEnd()) return Fault(at, "qleader's third point malformed");
    Count("qleader3");
    EmptyLineAfter(at);
  }

  void Text(std::size_t at, Cursor& c) {
    if (!c.Point() || !c.Int() || !c.Literal(" ") || !c.Whole() || !c.Literal(" ")) {
      return Fault(at, "text without point, height and angle");
    }
    std::string_view text = c.rest();
    if (!text.ends_with(' ')) return Fault(at, "text without its closing blank");
    text.remove_suffix(1);
    if (!IsShiftJisText(text)) return Fault(at, "text is not Shift-JIS");
    Limit(at, lines_[at].size(), kMaxShort);
    Count("text");
  }

  void Circle(std::size_t at, Cursor& c) {
    if (!c.Point() || !c.Whole() || !c.AtEnd()) return Fault(at, "CIRCLE without point and radius");
    Limit(at, lines_[at].size(), kMaxShort);
    Count("CIRCLE");
    EmptyLineAfter(at);
  }

  void Dimension(std::size_t at, Cursor& c) {
    if (!c.Point() || !c.Point()) return Fault(at, "dimlinear without two points");
    const bool vertical = c.Literal("V ");
    if (vertical || c.Literal("H ")) {
      if (!c.Point() || !c.AtEnd()) return Fault(at, "dimlinear's location malformed");
      Limit(at, lines_[at].size(), kMaxDimension);
      return Count(vertical ? "dimlinear V" : "dimlinear H");
    }
    if (!c.Literal("M ")) return Fault(at, "dimlinear of no form V, H or M");
    if (!IsShiftJisText(c.rest())) return Fault(at, "dimlinear text is not Shift-JIS");
    if (next_ == lines_.size()) return Fault(at, "dimlinear M without its location line");
    Cursor location(lines_[next_]);
    if (!location.Point() || !location.AtEnd()) {
      return Fault(next_, "dimlinear M's location line malformed");
    }
    Limit(at, lines_[at].size() + lines_[next_].size(), kMaxDimensionM);
    ++next_;
    Count("dimlinear M");
  }

  void Donut(std::size_t at, Cursor& c) {
    if (!c.Int() || !c.Literal(" ") || !c.Point() || !c.AtEnd()) {
      return Fault(at, "donut without diameter and point");
    }
    Limit(at, lines_[at].size(), kMaxDonut);
    Count("donut");
  }

  const std::vector<std::string_view>& lines_;
  const bool length_limits_;
  ScriptCheck& check_;
  std::size_t next_ = 0;
};

}  // namespace

ScriptCheck CheckScript(const std::string& script, bool length_limits) {
  ScriptCheck check;
  if (!script.empty() && !script.ends_with("\r\n")) {
    check.faults.push_back("the script does not end with CR LF");
  }
  // Views into the script: the fuzz test checks thousands of them.
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < script.size();) {
    std::size_t end = script.find("\r\n", start);
    if (end == std::string::npos) end = script.size();
    lines.push_back(std::string_view(script).substr(start, end - start));
    start = end + 2;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find('\r') != std::string_view::npos ||
        lines[i].find('\n') != std::string_view::npos) {
      check.faults.push_back("line " + std::to_string(i + 1) + ": a bare CR or LF");
      return check;
    }
  }
  ScriptParser(lines, length_limits, check).Run();
  return check;
}

std::vector<std::string> CheckSegmentsInDxf(const ScriptCheck& check,
                                            const std::string& dxf_file) {
  // One pass over the file's lines, without copying them: the fuzz test
  // runs this on thousands of sheets.
  const std::string_view dxf = dxf_file;
  std::size_t pos = 0;
  const auto next_line = [&]() -> std::optional<std::string_view> {
    if (pos >= dxf.size()) return std::nullopt;
    std::size_t end = dxf.find("\r\n", pos);
    if (end == std::string_view::npos) end = dxf.size();
    const std::string_view line = dxf.substr(pos, end - pos);
    pos = end + 2;
    return line;
  };
  const auto trimmed = [](std::string_view v) {
    while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
    return v;
  };

  std::size_t matched = 0;
  bool in_entities = false;
  bool in_line = false;
  std::array<std::string_view, 4> ends;
  const auto end_record = [&] {
    if (in_line && matched < check.segments.size()) {
      const auto& wanted = check.segments[matched].ends;
      if (ends[0] == wanted[0] && ends[1] == wanted[1] && ends[2] == wanted[2] &&
          ends[3] == wanted[3]) {
        ++matched;
      }
    }
    in_line = false;
    ends = {};
  };
  while (auto code = next_line()) {
    const auto value = next_line();
    if (!value) break;
    if (*code == "0") {
      end_record();
      in_line = in_entities && *value == "LINE";
      if (*value == "ENDSEC") in_entities = false;
    } else if (*code == "2" && *value == "ENTITIES") {
      in_entities = true;
    } else if (in_line) {
      if (*code == "10") ends[0] = trimmed(*value);
      if (*code == "20") ends[1] = trimmed(*value);
      if (*code == "11") ends[2] = trimmed(*value);
      if (*code == "21") ends[3] = trimmed(*value);
    }
  }
  end_record();
  if (matched == check.segments.size()) return {};
  const ScriptSegment& s = check.segments[matched];
  return {"PLINE of line " + std::to_string(s.line) + ": segment (" + s.ends[0] + "," +
          s.ends[1] + ")-(" + s.ends[2] + "," + s.ends[3] +
          ") has no DXF LINE after the previous segment's"};
}

}  // namespace lwall::testing
