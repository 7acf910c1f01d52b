// Reading "tempoL.dat", record by record.
#include "input/design_reader.h"

#include <optional>

#include "input/design_records.h"
#include "input/scanner.h"

namespace lwall {

namespace {

// The reads of a record, "%lf,%lf,...\n" or "%d,%d,...\n": comma-separated
// values, each skipping white space before it, and white space after the
// last. The first value that does not fit ends the record where it stands.
class RecordReader {
 public:
  RecordReader(Scanner& in, InputTrace* trace) : in_(in) {
    if (trace != nullptr) recorder_.emplace(in, *trace);
  }

  // Reads `size` values into `fields`; a null field reads a value and drops it.
  template <typename T>
  void Read(int record, const std::array<T*, 6>& fields, int size) {
    if (recorder_) recorder_->StartRecord(record, size);
    for (int i = 0; i < size; ++i) {
      if (i > 0 && !in_.Literal(',')) {
        if (recorder_) recorder_->CommaMissed();
        return;
      }
      T dropped{};
      T& field = fields[static_cast<std::size_t>(i)] != nullptr
                     ? *fields[static_cast<std::size_t>(i)]
                     : dropped;
      if (recorder_) recorder_->BeforeValue(Kind(field));
      if (!ReadValue(field)) {
        if (recorder_) recorder_->ValueMissed();
        return;
      }
      if (recorder_) recorder_->ValueRead(field);
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

}  // namespace

DesignData ReadDesignData(ByteSource& source, InputTrace* trace) {
  DesignData d;
  Scanner scanner(source);
  RecordReader in(scanner, trace);
  for (int record = 1; record <= kDesignRecords; ++record) {
    const DesignRecord fields = DesignRecordFields(d, record);
    if (fields.real) {
      in.Read(record, fields.reals, fields.size);
    } else {
      in.Read(record, fields.integers, fields.size);
    }
  }
  in.Finish();
  return d;
}

DesignData ReadDesignData(std::string_view text) {
  StringSource source(text);
  return ReadDesignData(source);
}

}  // namespace lwall
