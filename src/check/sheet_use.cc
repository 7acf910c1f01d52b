// Learning what a sheet uses by drawing it.
#include "check/sheet_use.h"

#include <algorithm>
#include <cmath>

#include "drawings/arrangement/reinforcement_arrangement.h"
#include "drawings/assembly/rebar_assembly.h"
#include "input/design_records.h"
#include "kernel/run_state.h"
#include "output/entity_sink.h"
#include "output/output_stream.h"
#include "tables/schedules.h"

namespace lwall {

namespace {

// A real sheet takes well under a megabyte in each file. A drawing is cut
// here, so that a design asking for millions of bars costs little to ask
// about; two drawings cut at the same bytes count as the same sheet.
constexpr std::uint64_t kDrawingBound = std::uint64_t{1} << 20;

// Thrown by the recorder at the first entity after which the sheet drawn
// differs from the first one.
struct SheetDiffers {};

// Two changes of a value, the second asked only when the first leaves the
// sheet alone. The first is small: a real grows by a quarter and ten, an
// integer jumps between 1 and 3, so that a count walked only up to 5, a
// parity and a test against 0 all see it. The second is large, for a value
// that is only compared with a limit or divided into whole steps. Both stay
// far from overflowing.
double Changed(double value, int change) {
  if (change == 0) return std::fabs(value) < 1e12 ? value * 1.25 + 10 : value / 2;
  return std::fabs(value) < 1e12 ? value * 3 + 200 : value / 4;
}
int Changed(int value, int change) {
  if (change == 0) return value >= 2 ? 1 : 3;
  return value > -100'000'000 && value < 100'000'000 ? value * 2 + 5 : value / 2;
}

void Change(DesignData& design, DesignFieldId field, int change) {
  const DesignRecord record = DesignRecordFields(design, field.record);
  if (field.index < 0 || field.index >= record.size) return;
  const auto i = static_cast<std::size_t>(field.index);
  if (record.real) {
    if (record.reals[i] != nullptr) *record.reals[i] = Changed(*record.reals[i], change);
  } else if (record.integers[i] != nullptr) {
    *record.integers[i] = Changed(*record.integers[i], change);
  }
}

constexpr int kChanges = 2;

// The colour and thickness of the layers in the drawing that finds which
// layers take their look from the layer file: the i-th layer drawn on gets
// colour and thickness kLookMark + i, which no other source gives.
constexpr int kLookMark = 1000;

}  // namespace

// Notes the layer of every entity drawn and, for a drawing compared with the
// first one, checks the bytes written so far after every entity.
class SheetUse::Recorder : public EntitySink {
 public:
  Recorder(const OutputStream& dxf, const OutputStream& script, const Sheet* first)
      : dxf_(dxf), script_(script), first_(first) {}

  void OnLine(const LineRecord& line) override {
    Note(line.layer, line.colour, line.thickness, line.linetype.empty());
    Compare();
  }
  void OnText(const TextRecord& text) override {
    // Texts carry colour 0 whatever their layer; only the thickness tells.
    Note(text.layer, -1, text.thickness, false);
    Compare();
  }
  void OnCircle(const CircleRecord& circle) override {
    Note(circle.layer, circle.colour, circle.thickness, true);
    Compare();
  }

  // The layers in the order first drawn on, and for each whether one of its
  // entities carried the look kLookMark + its place, and whether one takes
  // the layer's linetype (a line without one of its own, or a circle).
  std::vector<std::string> layers;
  std::vector<bool> marked;
  std::vector<bool> takes_linetype;

 private:
  void Note(std::string_view layer, int colour, double thickness, bool layer_linetype) {
    std::size_t i = last_ < layers.size() && layers[last_] == layer ? last_ : layers.size();
    if (i == layers.size()) {
      i = static_cast<std::size_t>(std::find(layers.begin(), layers.end(), layer) - layers.begin());
      if (i == layers.size()) {
        layers.emplace_back(layer);
        marked.push_back(false);
        takes_linetype.push_back(false);
      }
    }
    last_ = i;
    if (layer_linetype) takes_linetype[i] = true;
    const int mark = kLookMark + static_cast<int>(i);
    if (colour == mark || thickness == mark) marked[i] = true;
  }

  void Compare() {
    if (first_ == nullptr) return;
    Same(dxf_.contents(), first_->dxf, dxf_checked_);
    Same(script_.contents(), first_->script, script_checked_);
  }
  static void Same(const std::string& now, const std::string& first, std::size_t& checked) {
    if (now.size() > first.size() ||
        now.compare(checked, std::string::npos, first, checked, now.size() - checked) != 0) {
      throw SheetDiffers{};
    }
    checked = now.size();
  }

  const OutputStream& dxf_;
  const OutputStream& script_;
  const Sheet* first_;
  std::size_t dxf_checked_ = 0;
  std::size_t script_checked_ = 0;
  std::size_t last_ = 0;
};

namespace {

// What a run draws after the DXF tables, in the run's order. Returns whether
// the drawing passed the bound and was cut there.
bool DrawSheetInto(OutputStream& dxf, OutputStream& script, const DesignData& design,
                   const LayerTable& layers, EntitySink& recorder) {
  dxf.set_limit(kDrawingBound);
  script.set_limit(kDrawingBound);
  RunState run(dxf, script);
  run.design = design;
  run.layers = layers;
  run.dxf.AddSink(recorder);
  try {
    DrawReinforcementArrangement(run);
    DrawRebarAssemblyDrawing(run);
    DrawSchedules(run);
  } catch (const OutputLimitExceeded&) {
    return true;
  }
  return false;
}

}  // namespace

SheetUse::SheetUse(const DesignData& design, const LayerTable& layers)
    : design_(design), layers_(layers) {
  for (auto& record : used_) record.fill(-1);
  OutputStream dxf;
  OutputStream script;
  Recorder recorder(dxf, script, nullptr);
  sheet_.cut = DrawSheetInto(dxf, script, design_, layers_, recorder);
  ++drawings_;
  sheet_.dxf = dxf.contents();
  sheet_.script = script.contents();
  layers_drawn_on_ = std::move(recorder.layers);
  for (std::size_t i = 0; i < layers_drawn_on_.size(); ++i) {
    if (recorder.takes_linetype[i]) layers_taking_linetype_.push_back(layers_drawn_on_[i]);
  }
}

bool SheetUse::Differs(const DesignData& design) {
  OutputStream dxf;
  OutputStream script;
  Recorder recorder(dxf, script, &sheet_);
  ++drawings_;
  bool cut = false;
  try {
    cut = DrawSheetInto(dxf, script, design, layers_, recorder);
  } catch (const SheetDiffers&) {
    return true;
  }
  return cut != sheet_.cut || dxf.contents() != sheet_.dxf || script.contents() != sheet_.script;
}

bool SheetUse::Uses(DesignFieldId field) {
  if (field.record < 1 || field.record > kDesignRecords || field.index < 0 || field.index > 5) {
    return false;
  }
  // A sheet cut at the bound cannot tell what its uncut part would use:
  // every value counts as used, so that nothing is passed over.
  if (sheet_.cut) return true;
  std::int8_t& known =
      used_[static_cast<std::size_t>(field.record)][static_cast<std::size_t>(field.index)];
  if (known < 0) {
    known = 0;
    for (int change = 0; change < kChanges && known == 0; ++change) {
      DesignData changed = design_;
      Change(changed, field, change);
      if (Differs(changed)) known = 1;
    }
  }
  return known == 1;
}

bool SheetUse::UsesAny(std::span<const DesignFieldId> fields) {
  if (sheet_.cut) return !fields.empty();
  std::vector<int> key;
  for (const DesignFieldId field : fields) {
    if (field.record < 1 || field.record > kDesignRecords || field.index < 0 || field.index > 5) {
      continue;
    }
    const std::int8_t known =
        used_[static_cast<std::size_t>(field.record)][static_cast<std::size_t>(field.index)];
    if (known == 1) return true;
    if (known < 0) key.push_back(field.record * 8 + field.index);
  }
  if (key.empty()) return false;
  if (key.size() == 1) return Uses({key[0] / 8, key[0] % 8});
  std::sort(key.begin(), key.end());
  const auto found = groups_.find(key);
  if (found != groups_.end()) return found->second;
  bool differs = false;
  for (int change = 0; change < kChanges && !differs; ++change) {
    DesignData changed = design_;
    for (const int k : key) Change(changed, {k / 8, k % 8}, change);
    differs = Differs(changed);
  }
  groups_.emplace(key, differs);
  // A group whose change leaves the sheet alone is taken as unused field by
  // field; the changes of two fields that undo each other are not looked for.
  if (!differs) {
    for (const int k : key)
      used_[static_cast<std::size_t>(k / 8)][static_cast<std::size_t>(k % 8)] = 0;
  }
  return differs;
}

bool SheetUse::TakesLinetypeFromLayerFile(std::string_view layer) const {
  return std::find(layers_taking_linetype_.begin(), layers_taking_linetype_.end(), layer) !=
         layers_taking_linetype_.end();
}

bool SheetUse::TakesLookFromLayerFile(std::string_view layer) {
  if (!layers_with_own_look_) {
    LayerTable marked;
    for (std::size_t i = 0; i < layers_drawn_on_.size(); ++i) {
      const int mark = kLookMark + static_cast<int>(i);
      marked.layers.push_back({mark, 1, static_cast<double>(mark), layers_drawn_on_[i]});
    }
    OutputStream dxf;
    OutputStream script;
    Recorder recorder(dxf, script, nullptr);
    DrawSheetInto(dxf, script, design_, marked, recorder);
    ++drawings_;
    layers_with_own_look_.emplace();
    for (std::size_t i = 0; i < recorder.layers.size(); ++i) {
      // The same design draws the same layers in the same order.
      if (!recorder.marked[i]) layers_with_own_look_->push_back(recorder.layers[i]);
    }
  }
  return std::find(layers_with_own_look_->begin(), layers_with_own_look_->end(), layer) ==
         layers_with_own_look_->end();
}

}  // namespace lwall
