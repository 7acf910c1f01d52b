// Reading "tempoL.dat", record by record.
#include "input/design_data.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

#include "input/scanner.h"

namespace lwall {

int BarArrangement::EffectiveSegmentCount() const {
  return std::clamp(segment_count, 0, 5);
}

namespace {

constexpr std::array<std::string_view, 9> kMarks = {"F1", "F2", "F3", "F4", "W1",
                                                    "W2", "W3", "W4", "W5"};
// The four records of a bar mark, from record 6 on.
constexpr int kFirstMarkRecord = 6;

// The fields of the records that are not a bar mark's.
constexpr std::array<std::array<std::string_view, 6>, 5> kOutlineFields = {{
    {"toe width", "wall thickness", "heel width"},
    {"wall height", "footing thickness"},
    {"view length left", "view length right"},
    {"footing bottom cover", "footing top cover", "wall front cover", "wall back cover",
     "front side cover", "back side cover"},
    {"wall top cover"},
}};
constexpr std::array<std::string_view, 5> kTieFields = {"S1 diameter", "S2 diameter", "S1 count",
                                                        "S2 count", "spare"};

// The reads of a record, "%lf,%lf,...\n" or "%d,%d,...\n": comma-separated
// values, each skipping white space before it, and white space after the
// last. The first value that does not fit ends the record where it stands.
class RecordReader {
 public:
  RecordReader(Scanner& in, InputTrace* trace) : in_(in) {
    if (trace != nullptr) recorder_.emplace(in, *trace);
  }

  template <typename T>
  void Read(int record, std::initializer_list<T*> fields) {
    if (recorder_) recorder_->StartRecord(record, static_cast<int>(fields.size()));
    bool first = true;
    for (T* field : fields) {
      if (!first && !in_.Literal(',')) {
        if (recorder_) recorder_->CommaMissed();
        return;
      }
      if (recorder_) recorder_->BeforeValue(Kind(*field));
      if (!ReadValue(*field)) {
        if (recorder_) recorder_->ValueMissed();
        return;
      }
      if (recorder_) recorder_->ValueRead(*field);
      first = false;
    }
    in_.SkipSpace();
  }

  void Finish() {
    if (recorder_) recorder_->Finish();
  }

 private:
  bool ReadValue(double& value) { return in_.ReadReal(value); }
  bool ReadValue(int& value) { return in_.ReadInt(value); }
  static ValueKind Kind(double) { return ValueKind::kReal; }
  static ValueKind Kind(int) { return ValueKind::kInteger; }

  Scanner& in_;
  std::optional<TraceRecorder> recorder_;
};

void ReadArrangement(RecordReader& in, int first_record, BarArrangement& bar) {
  in.Read(first_record, {&bar.segment_count});
  in.Read(first_record + 1, {&bar.diameter[1], &bar.diameter[2], &bar.diameter[3], &bar.diameter[4],
                             &bar.diameter[5]});
  in.Read(first_record + 2,
          {&bar.pitch[1], &bar.pitch[2], &bar.pitch[3], &bar.pitch[4], &bar.pitch[5]});
  in.Read(first_record + 3, {&bar.pitch_count[1], &bar.pitch_count[2], &bar.pitch_count[3],
                             &bar.pitch_count[4], &bar.pitch_count[5]});
}

}  // namespace

std::string DesignFieldName(int record, int index) {
  if (record >= 1 && record < kFirstMarkRecord) {
    return std::string(kOutlineFields[record - 1][index]);
  }
  if (record == kDesignRecords) return std::string(kTieFields[index]);
  const int mark = (record - kFirstMarkRecord) / 4;
  std::string name(kMarks[mark]);
  const std::string number = std::to_string(index + 1);
  switch ((record - kFirstMarkRecord) % 4) {
    case 0:
      return name + " segment count";
    case 1:
      return name + " diameter " + number;
    case 2:
      return name + " pitch " + number;
    default:
      return name + " pitch count " + number;
  }
}

bool DesignFieldUsed(int record, int /*index*/) {
  if (record == kDesignRecords) return false;
  if (record < kFirstMarkRecord || (record - kFirstMarkRecord) % 4 != 0) return true;
  const std::string_view mark = kMarks[(record - kFirstMarkRecord) / 4];
  return mark == "F3" || mark == "F4";  // the only segment counts a view walks
}

DesignData ReadDesignData(ByteSource& source, InputTrace* trace) {
  DesignData d;
  Scanner scanner(source);
  RecordReader in(scanner, trace);
  in.Read(1, {&d.toe_width, &d.wall_thickness, &d.heel_width});
  in.Read(2, {&d.wall_height, &d.footing_thickness});
  in.Read(3, {&d.view_length_left, &d.view_length_right});
  in.Read(4, {&d.cover_footing_bottom, &d.cover_footing_top, &d.cover_wall_front,
              &d.cover_wall_back, &d.cover_front_side, &d.cover_back_side});
  in.Read(5, {&d.cover_wall_top});
  int record = kFirstMarkRecord;
  for (BarArrangement* bar : {&d.F1, &d.F2, &d.F3, &d.F4, &d.W1, &d.W2, &d.W3, &d.W4, &d.W5}) {
    ReadArrangement(in, record, *bar);
    record += 4;
  }
  int unused = 0;  // the fifth value of the tie record has no field
  in.Read(kDesignRecords, {&d.s1_diameter, &d.s2_diameter, &d.s1_count, &d.s2_count, &unused});
  in.Finish();
  return d;
}

DesignData ReadDesignData(std::string_view text) {
  StringSource source(text);
  return ReadDesignData(source);
}

}  // namespace lwall
