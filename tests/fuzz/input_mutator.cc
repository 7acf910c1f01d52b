// Test support: the mutations of the input files.
#include "fuzz/input_mutator.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <random>
#include <sstream>
#include <string_view>

#include "input/design_reader.h"
#include "input/layer_reader.h"

namespace lwall::testing {

namespace {

// What a value of the design file stands for, by record: the generator
// picks values each field could plausibly (or implausibly) hold.
enum class Field { kDimension, kLength, kSegmentCount, kDiameter, kPitch, kCount, kTie };

Field FieldOf(std::size_t record, std::size_t column) {
  if (record <= 1) return Field::kDimension;
  if (record <= 4) return Field::kLength;
  if (record == 41) return column < 2 ? Field::kDiameter : Field::kTie;
  switch ((record - 5) % 4) {
    case 0:
      return Field::kSegmentCount;
    case 1:
      return Field::kDiameter;
    case 2:
      return Field::kPitch;
    default:
      return Field::kCount;
  }
}

// The generator: std::mt19937_64's sequence is fixed by the standard, the
// helpers below use only its raw output, so a seed gives the same case with
// every standard library.
class Dice {
 public:
  explicit Dice(std::uint64_t seed) : engine_(seed) {}
  std::uint64_t Below(std::uint64_t n) { return n == 0 ? 0 : engine_() % n; }
  std::int64_t Between(std::int64_t lo, std::int64_t hi) {
    return lo + static_cast<std::int64_t>(Below(static_cast<std::uint64_t>(hi - lo + 1)));
  }
  bool Percent(int p) { return Below(100) < static_cast<std::uint64_t>(p); }
  double Unit() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
  // Log-uniform over [lo, hi].
  double LogUniform(double lo, double hi) { return lo * std::pow(hi / lo, Unit()); }
  template <typename T>
  T Pick(std::initializer_list<T> items) {
    return items.begin()[Below(items.size())];
  }

 private:
  std::mt19937_64 engine_;
};

std::string Real(double v) {
  char buf[64];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, end);
}

std::string OrdinaryValue(Dice& dice, Field field, const std::string& original) {
  const double was = std::strtod(original.c_str(), nullptr);
  switch (field) {
    case Field::kDimension:
      if (dice.Percent(60)) return Real(static_cast<double>(dice.Between(0, 800)));
      if (dice.Percent(40)) return Real(dice.LogUniform(1e-3, 1));
      if (dice.Percent(60)) return Real(dice.LogUniform(1e-3, 1e7));
      return Real(-dice.LogUniform(1e-3, 1e7));
    case Field::kLength:
    case Field::kPitch:
      if (dice.Percent(30)) return Real(was * (0.25 + 2 * dice.Unit()));
      if (dice.Percent(15)) return "0";
      if (dice.Percent(50)) return Real(dice.LogUniform(1e-3, 1e7));
      if (dice.Percent(50)) return Real(-dice.LogUniform(1e-3, 1e7));
      return Real(static_cast<double>(dice.Between(-3000, 3000)));
    case Field::kSegmentCount:
      return std::to_string(dice.Between(-2, 8));
    case Field::kDiameter:
      if (dice.Percent(70))
        return dice.Pick<std::string>(
            {"0", "13", "16", "19", "22", "25", "29", "32", "35", "38", "41", "51"});
      return std::to_string(dice.Between(-3, kMaxGeneratedDiameter));
    case Field::kCount:
    case Field::kTie:
      if (dice.Percent(80)) return std::to_string(dice.Between(0, 12));
      if (dice.Percent(70)) return std::to_string(dice.Between(-3, kMaxGeneratedCount));
      return std::to_string(dice.Between(-10000000, -1));
  }
  return original;
}

std::string AbsurdValue(Dice& dice, Field field) {
  switch (field) {
    case Field::kSegmentCount:
    case Field::kDiameter:
    case Field::kCount:
    case Field::kTie:
      // Large positive counts are left out: they draw for hours, legitimately.
      return dice.Pick<std::string>({"-2147483648", "-2147483647", "-1000000000"});
    default:
      return dice.Pick<std::string>({"1e300", "-1e300", "1e-310", "-1e-310", "4.9e-324",
                                     "1.7976931348623157e308", "-1.7976931348623157e308", "1e20",
                                     "-3e15", "9007199254740993"});
  }
}

// The design file as records of comma-separated values.
using Records = std::vector<std::vector<std::string>>;

Records SplitRecords(const std::string& text) {
  Records records;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> values;
    std::size_t start = 0;
    while (true) {
      const std::size_t comma = line.find(',', start);
      values.push_back(line.substr(start, comma - start));
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
    records.push_back(values);
  }
  return records;
}

std::string JoinRecords(const Records& records, const std::string& line_end) {
  std::string text;
  for (const auto& values : records) {
    for (std::size_t i = 0; i < values.size(); ++i) text += (i ? "," : "") + values[i];
    text += line_end;
  }
  return text;
}

// Changes one to six values of the design, some beyond the ordinary range.
void MutateValues(Dice& dice, std::string& design, bool absurd, std::string& recipe) {
  Records records = SplitRecords(design);
  if (records.empty()) return;
  const int changes = static_cast<int>(dice.Between(1, 6));
  for (int i = 0; i < changes; ++i) {
    const std::size_t r = dice.Below(records.size());
    const std::size_t c = dice.Below(records[r].size());
    const Field field = FieldOf(r, c);
    records[r][c] =
        absurd && i == 0 ? AbsurdValue(dice, field) : OrdinaryValue(dice, field, records[r][c]);
    recipe +=
        " value[" + std::to_string(r + 1) + "," + std::to_string(c + 1) + "]=" + records[r][c];
  }
  design = JoinRecords(records, dice.Percent(50) ? "\r\n" : "\n");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size() - 1;
    lines.push_back(text.substr(start, end + 1 - start));
    start = end + 1;
  }
  return lines;
}

std::string Concat(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l;
  return text;
}

// One damage to the bytes of a file: the kinds of fault a transfer or a
// careless edit leaves.
void MutateBytes(Dice& dice, std::string& text, std::string& recipe) {
  const std::size_t at = dice.Below(text.size() + 1);
  switch (dice.Below(9)) {
    case 0:
      if (at < text.size()) text[at] = static_cast<char>(text[at] ^ (1 << dice.Below(8)));
      recipe += " flip@" + std::to_string(at);
      break;
    case 1:
      text.erase(at, dice.Between(1, 4));
      recipe += " delete@" + std::to_string(at);
      break;
    case 2:
      text.insert(at, text.substr(at, dice.Between(1, 8)));
      recipe += " duplicate@" + std::to_string(at);
      break;
    case 3:
      text.resize(at);
      recipe += " truncate@" + std::to_string(at);
      break;
    case 4:
    case 5: {
      const char c = "0123456789-+ ,,..eE\t\r\n"[dice.Below(22)];
      text.insert(at, 1, c);
      recipe += " insert@" + std::to_string(at);
      break;
    }
    default: {
      std::vector<std::string> lines = Lines(text);
      if (lines.size() < 2) break;
      const std::size_t a = dice.Below(lines.size());
      const std::size_t b = dice.Below(lines.size());
      if (dice.Percent(50)) {
        std::swap(lines[a], lines[b]);
        recipe += " swap-lines " + std::to_string(a + 1) + "," + std::to_string(b + 1);
      } else if (dice.Percent(50)) {
        lines.insert(lines.begin() + a, lines[b]);
        recipe += " copy-line " + std::to_string(b + 1) + " to " + std::to_string(a + 1);
      } else {
        lines.erase(lines.begin() + a);
        recipe += " delete-line " + std::to_string(a + 1);
      }
      text = Concat(lines);
    }
  }
}

// Layer files with odd counts, names, colours, linetypes and thicknesses.
void MutateLayers(Dice& dice, std::string& layers, std::string& recipe) {
  std::vector<std::string> lines = Lines(layers);
  if (lines.empty()) lines.push_back("0\n");
  const std::size_t entry = 1 + dice.Below(lines.size() > 1 ? lines.size() - 1 : 1);
  std::istringstream fields(entry < lines.size() ? lines[entry] : "7 1 0.5 D-STR");
  std::string colour = "7", code = "1", thickness = "0.5", name = "D-STR";
  fields >> colour >> code >> thickness >> name;
  switch (dice.Below(6)) {
    case 0:
      lines[0] = dice.Pick<std::string>(
                     {"0", "1", "5", "19", "20", "25", "100", "-1", "2147483647", "x", ""}) +
                 "\r\n";
      recipe += " layer-count=" + lines[0].substr(0, lines[0].size() - 2);
      break;
    case 1:
      name = dice.Pick<std::string>({std::string(49, 'L'), std::string(60, 'M'),
                                     std::string(300, 'N'), "D-STR", "\x83\x8C\x83\x43\x83\x84",
                                     "D-STR\x7F", "\x81", "D\xFF", "0"});
      recipe += " layer-name@" + std::to_string(entry);
      break;
    case 2:
      colour = dice.Pick<std::string>({"-1", "0", "256", "2147483647", "-2147483648"});
      recipe += " layer-colour=" + colour;
      break;
    case 3:
      code = dice.Pick<std::string>({"0", "6", "7", "-1", "99"});
      recipe += " layer-linetype=" + code;
      break;
    case 4:
      thickness = dice.Pick<std::string>({"0", "-0.5", "1e7", "1e-3", "1e300", "1e-310", "abc"});
      recipe += " layer-thickness=" + thickness;
      break;
    default:
      MutateBytes(dice, layers, recipe);
      return;
  }
  if (entry < lines.size())
    lines[entry] = colour + " " + code + " " + thickness + " " + name + "\r\n";
  layers = Concat(lines);
}

void Mutate(Dice& dice, FuzzCase& c) {
  std::string& recipe = c.recipe;
  const int kind = static_cast<int>(dice.Below(100));
  if (kind < 50) {
    MutateValues(dice, c.files.design, dice.Percent(12), recipe);
  } else if (kind < 80) {
    const int damages = static_cast<int>(dice.Between(1, 4));
    recipe += " design:";
    for (int i = 0; i < damages; ++i) MutateBytes(dice, c.files.design, recipe);
  } else if (kind < 95) {
    recipe += " layers:";
    MutateLayers(dice, c.files.layers, recipe);
    if (dice.Percent(30)) MutateValues(dice, c.files.design, false, recipe);
  } else {
    // Empty and blank files.
    std::string& file = dice.Percent(50) ? c.files.design : c.files.layers;
    file = dice.Pick<std::string>({"", " ", "\r\n", "\n\n\n", ",,,,", "0"});
    recipe += &file == &c.files.design ? " design-empty" : " layers-empty";
  }
}

bool Ordinary(double v) {
  return v == 0 || (std::fabs(v) >= 1e-3 && std::fabs(v) <= 1e7);
}
bool Ordinary(int v) {
  return v >= -10000000 && v <= 10000000;
}

template <typename F>
void ForEachValue(const DesignData& d, F&& f) {
  for (double v : {d.toe_width, d.wall_thickness, d.heel_width, d.wall_height, d.footing_thickness,
                   d.view_length_left, d.view_length_right, d.cover_footing_bottom,
                   d.cover_footing_top, d.cover_wall_front, d.cover_wall_back, d.cover_front_side,
                   d.cover_back_side, d.cover_wall_top}) {
    f(v);
  }
  for (const BarArrangement* bar :
       {&d.F1, &d.F2, &d.F3, &d.F4, &d.W1, &d.W2, &d.W3, &d.W4, &d.W5}) {
    f(bar->segment_count);
    for (int i = 1; i <= 5; ++i) {
      f(bar->diameter[i]);
      f(bar->pitch[i]);
      f(bar->pitch_count[i]);
    }
  }
  for (int v : {d.s1_diameter, d.s2_diameter, d.s1_count, d.s2_count}) f(v);
}

}  // namespace

InputRange RangeOf(const InputFiles& files) {
  bool ordinary = true;
  ForEachValue(ReadDesignData(files.design), [&](auto v) { ordinary = ordinary && Ordinary(v); });
  for (const LayerDef& layer : ReadLayerTable(files.layers).layers) {
    ordinary = ordinary && Ordinary(layer.thickness);
  }
  return ordinary ? InputRange::kOrdinary : InputRange::kAbsurd;
}

bool WithinGeneratedLimits(const InputFiles& files) {
  const DesignData d = ReadDesignData(files.design);
  bool within = d.s1_count <= kMaxGeneratedCount && d.s2_count <= kMaxGeneratedCount;
  for (const BarArrangement* bar :
       {&d.F1, &d.F2, &d.F3, &d.F4, &d.W1, &d.W2, &d.W3, &d.W4, &d.W5}) {
    for (int i = 1; i <= 5; ++i) {
      within = within && bar->diameter[i] <= kMaxGeneratedDiameter &&
               bar->pitch_count[i] <= kMaxGeneratedCount;
    }
  }
  return within;
}

FuzzCase MakeFuzzCase(std::uint64_t seed, const std::vector<InputFiles>& bases) {
  Dice dice(seed);
  while (true) {
    FuzzCase c;
    c.seed = seed;
    const std::size_t base = dice.Below(bases.size());
    c.files = bases[base];
    c.recipe = "base " + std::to_string(base) + ":";
    Mutate(dice, c);
    if (dice.Percent(10)) Mutate(dice, c);
    if (!WithinGeneratedLimits(c.files)) continue;
    c.range = RangeOf(c.files);
    return c;
  }
}

}  // namespace lwall::testing
