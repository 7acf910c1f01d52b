// Turning what the layer reader did with "GasouL.dat" into findings.
#include "check/layer_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "check/read_reasons.h"
#include "input/layer_reader.h"

namespace lwall {

namespace {

constexpr std::array<Text, 4> kLayerFields = {Text::kColour, Text::kLinetypeCode, Text::kThickness,
                                              Text::kName};

// Layer files give the thickness as if it were a line weight, a fraction of
// a millimetre; DXF takes it as a height above the drawing, so a thickness
// past this ("035" for 0.35) raises the layer's entities visibly.
constexpr double kThickestLayer = 2;

// Entries `first` to `last`: "entry 10", "entries 10 and 11", "entries 10 to 12".
Phrase EntryRange(int first, int last) {
  if (first == last) return {Text::kEntries, {{"entries", first}}, 1};
  return {
      Text::kEntries, {{"entries", TwoOrRange(first, last, last == first + 1)}}, last - first + 1};
}

// The fields of a layer entry from the `first`-th on: "thickness and name".
Phrase FieldsFrom(int first) {
  if (first == 3) return {kLayerFields[3]};
  if (first == 2) {
    return {Text::kTwo, {{"first", Phrase{kLayerFields[2]}}, {"second", Phrase{kLayerFields[3]}}}};
  }
  return {Text::kRange,
          {{"first", Phrase{kLayerFields[static_cast<std::size_t>(first)]}},
           {"last", Phrase{kLayerFields[3]}}}};
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// Whether one edit (a byte changed, added, dropped, or two neighbours
// swapped) turns `a` into `b`.
bool OneEditApart(std::string_view a, std::string_view b) {
  if (a.size() > b.size()) std::swap(a, b);
  if (b.size() - a.size() > 1) return false;
  std::size_t i = 0;
  while (i < a.size() && a[i] == b[i]) ++i;
  if (a.size() == b.size()) {
    if (i == a.size()) return false;  // the same
    if (a.substr(i + 1) == b.substr(i + 1)) return true;
    return i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i] &&
           a.substr(i + 2) == b.substr(i + 2);
  }
  return a.substr(i) == b.substr(i + 1);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The line weights CAD programs offer, in millimetres, up to the thickest
// a layer takes (2.11 is above it and told as such). A layer file gives its
// thicknesses as line weights, so a thickness that is none of them (0.81 for
// 0.18) is very likely one mistyped.
bool IsLineWeight(double thickness) {
  static constexpr std::array<double, 23> kWeights = {0,   0.05, 0.09, 0.13, 0.15, 0.18, 0.2, 0.25,
                                                      0.3, 0.35, 0.4,  0.5,  0.53, 0.6,  0.7, 0.8,
                                                      0.9, 1,    1.06, 1.2,  1.4,  1.58, 2};
  return std::any_of(kWeights.begin(), kWeights.end(),
                     [&](double w) { return std::fabs(thickness - w) < 1e-9; });
}

// A name with the marks around it taken off: quotes, commas and the like
// that a spreadsheet or an editor left there.
std::string_view WithoutMarks(std::string_view name) {
  auto mark = [](char c) {
    return !(IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
             static_cast<unsigned char>(c) >= 0x80);
  };
  while (!name.empty() && mark(name.front())) name.remove_prefix(1);
  while (!name.empty() && mark(name.back())) name.remove_suffix(1);
  return name;
}

class LayerChecker {
 public:
  LayerChecker(const LayerTable& table, const InputTrace& trace, SheetUse& use, FindingList& out)
      : table_(table), trace_(trace), use_(use), out_(out) {}

  void Check() {
    const FieldTrace& count = trace_.fields[0];
    const int declared = static_cast<int>(count.value);
    bool defined = true;  // whether the file defines layers at all
    if (count.state != FieldState::kRead) {
      defined = false;
      About(count.miss == Miss::kEnd ? out_.Error(count.at, {Text::kLayerCountEnds})
                                     : out_.Error(count.at, {Text::kLayerCountDoesNotRead,
                                                             {{"text", Quote(count.text)}}}),
            0, 0);
    } else if (declared < 0) {
      defined = false;
      About(out_.Error(count.at, {Text::kLayerCountNegative, {{"count", declared}}}), 0, 0);
    } else if (declared > kDeclaredLayersHonoured) {
      About(out_.Error(count.at, {Text::kLayerCountTooLarge,
                                  {{"count", declared}, {"limit", kDeclaredLayersHonoured}}}),
            0, 0);
    }
    Entries(declared);
    Numbers();
    if (defined) {
      OutOfStep();
      Unread(declared);
      Names();
      Undefined();
    }
  }

 private:
  int entries() const {
    // An absurd file may hold more entries than a trace notes; the count
    // above 19 is its finding.
    return static_cast<int>(
        std::min(table_.layers.size(), (trace_.fields.size() - 1) / kLayerFields.size()));
  }
  const FieldTrace& Field(int entry, int index) const {
    return trace_
        .fields[1 + 4 * static_cast<std::size_t>(entry - 1) + static_cast<std::size_t>(index)];
  }
  const LayerDef& Layer(int entry) const {
    return table_.layers[static_cast<std::size_t>(entry - 1)];
  }
  bool Complete(int entry) const {
    for (int k = 0; k < 4; ++k) {
      if (Field(entry, k).state != FieldState::kRead) return false;
    }
    return true;
  }
  Phrase Named(int entry) const {
    if (Field(entry, 3).state != FieldState::kRead) return {Text::kLayerEntry, {{"entry", entry}}};
    return {Text::kLayerNamed, {{"name", Quote(Layer(entry).name)}}};
  }
  static Finding& About(Finding& finding, int entry, int index) {
    finding.layer_entry = entry;
    if (index >= 0) finding.field = index;
    return finding;
  }

  void Entries(int declared) {
    const int last = entries();
    for (int e = 1; e <= last; ++e) {
      Colour(e);
      int missed = 4;
      for (int k = 0; k < 4 && missed == 4; ++k) {
        if (Field(e, k).state != FieldState::kRead) missed = k;
      }
      if (missed == 4) {
        EntryWarnings(e, Layer(e));
        continue;
      }
      const FieldTrace& at = Field(e, missed);
      const bool stuck = at.state == FieldState::kNotReached;
      const bool later = stuck && e < last;
      if (at.miss == Miss::kEnd && missed == 0) {
        // Told at the count, where it is mended when an entry was taken out
        // or the count mistyped.
        About(out_.Error(
                  trace_.fields[0].at,
                  {Text::kFewerEntries,
                   {{"held", e - 1}, {"declared", declared}, {"entries", EntryRange(e, last)}}}),
              0, 0);
        return;
      }
      Phrase phrase;
      if (at.miss == Miss::kEnd) {
        phrase = {later ? Text::kFileEndsInEntryLeavingLater : Text::kFileEndsInEntry,
                  {{"entry", e}, {"declared", declared}, {"fields", FieldsFrom(missed)}}};
      } else {
        phrase = {later ? Text::kEntryDoesNotReadLeavingLater : Text::kEntryDoesNotRead,
                  {{"entry", e}, {"text", Quote(at.text)}, {"fields", FieldsFrom(missed)}}};
      }
      if (later) {
        phrase.args.emplace_back("entries", EntryRange(e + 1, last));
      }
      // A file that ends in an entry is told where the entry's values end,
      // on its own line, not past the file's last line break.
      const TextPosition& where =
          at.miss == Miss::kEnd && missed > 0 ? Field(e, missed - 1).end : at.at;
      About(out_.Error(where, std::move(phrase)), e, missed);
      if (stuck) return;
    }
    if (declared > last && last >= kDeclaredLayersHonoured) {
      About(out_.Error(trace_.fields[0].at,
                       {Text::kFewerEntriesThanHonoured, {{"held", last}, {"declared", declared}}}),
            0, 0);
    }
  }

  // DXF colours are 1 to 255; 0 and 256 stand for "the block's" and "the
  // layer's" colour, which a layer's own entities cannot take.
  void Colour(int e) {
    const FieldTrace& field = Field(e, 0);
    if (field.state != FieldState::kRead || ContinuesNumber(field.rest)) return;
    const int colour = Layer(e).colour;
    if (colour == 0) {
      About(out_.Warning(field.at, {Text::kColourByBlock, {{"layer", Named(e)}}}), e, 0);
    } else if (colour == 256) {
      About(out_.Warning(field.at, {Text::kColourByLayer, {{"layer", Named(e)}}}), e, 0);
    } else if (colour < 1 || colour > 255) {
      About(out_.Error(field.at, {Text::kColourOutside, {{"layer", Named(e)}, {"colour", colour}}}),
            e, 0);
    }
  }

  void EntryWarnings(int e, const LayerDef& layer) {
    if (LinetypeName(layer.linetype_code).empty()) {
      About(out_.Warning(Field(e, 1).at,
                         {e == 1 ? Text::kLinetypeOutsideFirst : Text::kLinetypeOutside,
                          {{"layer", Named(e)}, {"code", layer.linetype_code}}}),
            e, 1);
    }
    // The sheet gives the lines it means hidden or centre a linetype of
    // their own; the rest (outlines, bars, dimension and frame lines, bar
    // circles) show in their layer's, and a dashed outline reads as an edge
    // out of sight. Only the entry the sheet draws with counts.
    const std::string_view linetype = LinetypeName(layer.linetype_code);
    if (layer.linetype_code != 1 && !linetype.empty() && !first_entry_.contains(layer.name) &&
        use_.TakesLinetypeFromLayerFile(layer.name)) {
      About(out_.Warning(Field(e, 1).at, {Text::kLinetypeOnPlainLines,
                                          {{"layer", Named(e)},
                                           {"code", layer.linetype_code},
                                           {"linetype", std::string(linetype)}}}),
            e, 1);
    }
    const FieldTrace& thickness = Field(e, 2);
    if (layer.thickness > kThickestLayer && !ContinuesNumber(thickness.rest)) {
      About(out_.Warning(thickness.at, {Text::kThicknessAboveMaximum,
                                        {{"layer", Named(e)},
                                         {"value", NumberValue(layer.thickness)},
                                         {"limit", NumberValue(kThickestLayer)}}}),
            e, 2);
    }
    const std::string_view thickness_text =
        std::string_view(thickness.text).substr(0, thickness.text.find_first_of(" \t\r\n"));
    // A thickness that reads whole but is very likely not the one meant (one
    // read in part has its finding already).
    std::optional<Text> doubt;
    if (!thickness_text.empty() && thickness_text.back() == '.') {
      doubt = Text::kThicknessEndsInPoint;
    } else if (layer.thickness < 0) {
      doubt = Text::kThicknessNegative;
    } else if (layer.thickness <= kThickestLayer && !IsLineWeight(layer.thickness)) {
      doubt = Text::kThicknessNoLineWeight;
    }
    if (doubt && !ContinuesNumber(thickness.rest)) {
      About(out_.Warning(thickness.at, {*doubt,
                                        {{"layer", Named(e)},
                                         {"text", Quote(thickness_text)},
                                         {"value", NumberValue(layer.thickness)}}}),
            e, 2);
    }
    // "0,13" for 0.13: the thickness reads 0 and the name becomes ",13".
    if (layer.name.size() > 1 && layer.name[0] == ',' && IsDigit(layer.name[1]) &&
        thickness.end.offset == Field(e, 3).at.offset) {
      About(out_.Error(thickness.at, {Text::kDecimalCommaInThickness,
                                      {{"entry", e},
                                       {"text", Quote(thickness_text)},
                                       {"read", NumberValue(layer.thickness)},
                                       {"name", Quote(layer.name)}}}),
            e, 2);
      decimal_comma_line_ = thickness.at.line;
    }
    const auto [first, inserted] = first_entry_.emplace(layer.name, e);
    if (!inserted) {
      About(out_.Warning(Field(e, 3).at,
                         {Text::kDefinedTwice, {{"layer", Named(e)}, {"first", first->second}}}),
            e, 3);
    }
  }

  // Entries written one a line that the reading took out of step: a value
  // too many on a line starts the next entry there, one too few takes the
  // next line's first value for the name. Told at the line that is off,
  // once, as every later entry reads out of step after it.
  void OutOfStep() {
    const int last = entries();
    for (int e = 1; e <= last; ++e) {
      const FieldTrace& colour = Field(e, 0);
      if (colour.state != FieldState::kRead) return;
      const FieldTrace& before = e == 1 ? trace_.fields[0] : Field(e - 1, 3);
      if (before.state == FieldState::kRead && colour.at.line == before.end.line &&
          colour.at.line != decimal_comma_line_) {
        Phrase after = e == 1 ? Phrase{Text::kLayerCount} : Named(e - 1);
        About(out_.Warning(colour.at,
                           {Text::kValueAfterEntry,
                            {{"line", colour.at.line}, {"after", std::move(after)}, {"entry", e}}}),
              e, 0);
        return;
      }
      const FieldTrace& name = Field(e, 3);
      if (!Complete(e) || name.at.line == colour.at.line || e == last) continue;
      if (Field(e + 1, 0).at.line == name.end.line) {
        About(out_.Warning(colour.at,
                           {Text::kEntryShortOfValue,
                            {{"line", colour.at.line}, {"entry", e}, {"next", name.at.line}}}),
              e, 0);
        return;
      }
    }
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
      Phrase name{Text::kEntryField,
                  {{"entry", field.record},
                   {"field", Phrase{kLayerFields[static_cast<std::size_t>(field.index)]}}}};
      About(out_.Error(field.at, PartlyRead(field, std::move(name))), field.record, field.index);
    }
  }

  // Entries past the declared count, which are never read.
  void Unread(int declared) {
    if (trace_.stop_at_end || trace_.stop.line == decimal_comma_line_) return;
    const bool all_read =
        std::all_of(trace_.fields.begin(), trace_.fields.end(),
                    [](const FieldTrace& f) { return f.state == FieldState::kRead; });
    if (!all_read || declared > kDeclaredLayersHonoured) return;
    out_.Warning(trace_.stop, {Text::kEntriesAfterCount,
                               {{"count", declared}, {"text", Quote(trace_.stop_text)}}});
  }

  bool Defines(std::string_view name) const {
    return std::any_of(table_.layers.begin(), table_.layers.end(),
                       [&](const LayerDef& layer) { return layer.name == name; });
  }

  // A name that is no layer of the sheet, but so close to one the file
  // lacks that it was very likely meant for it.
  void Names() {
    const std::vector<std::string>& drawn = use_.layers_drawn_on();
    std::vector<std::string> missing;
    for (const std::string& name : drawn) {
      if (!Defines(name)) missing.push_back(name);
    }
    if (missing.empty()) return;
    for (int e = 1; e <= entries(); ++e) {
      if (!Complete(e)) continue;
      const std::string& name = Layer(e).name;
      if (std::find(drawn.begin(), drawn.end(), name) != drawn.end()) continue;
      const std::string lower = Lower(name);
      const std::string bare = Lower(WithoutMarks(name));
      const auto first_missing = [&](auto matches) -> const std::string* {
        for (const std::string& layer : missing) {
          if (matches(Lower(layer))) return &layer;
        }
        return nullptr;
      };
      Text text = Text::kNameDiffersInCase;
      const std::string* meant = first_missing([&](const std::string& l) { return l == lower; });
      if (meant == nullptr && bare.size() < name.size()) {
        text = Text::kNameWithMarks;
        meant = first_missing([&](const std::string& l) { return l == bare; });
      }
      if (meant == nullptr) {
        text = Text::kNameOneEditAway;
        meant = first_missing([&](const std::string& l) { return OneEditApart(l, lower); });
      }
      if (meant == nullptr) continue;
      About(out_.Warning(Field(e, 3).at, {text, {{"name", Quote(name)}, {"meant", Quote(*meant)}}}),
            e, 3);
    }
  }

  void Undefined() {
    for (const std::string& name : use_.layers_drawn_on()) {
      if (Defines(name)) continue;
      out_.Warning({use_.TakesLookFromLayerFile(name) ? Text::kLayerNotDefined
                                                      : Text::kOwnColourLayerNotDefined,
                    {{"name", Quote(name)}}});
    }
  }

  const LayerTable& table_;
  const InputTrace& trace_;
  SheetUse& use_;
  FindingList& out_;
  std::map<std::string, int> first_entry_;  // the entry first defining each name
  std::uint64_t decimal_comma_line_ = 0;
};

}  // namespace

void CheckLayers(const LayerTable& table, const InputTrace& trace, SheetUse& use,
                 FindingList& out) {
  LayerChecker(table, trace, use, out).Check();
}

}  // namespace lwall
