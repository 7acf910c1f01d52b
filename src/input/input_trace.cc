// Noting a reader's reads.
#include "input/input_trace.h"

namespace lwall {

void TraceRecorder::StartRecord(int record, int fields) {
  full_ = full_ || trace_.fields.size() + static_cast<std::size_t>(fields) > InputTrace::kMaxFields;
  if (full_) return;
  record_start_ = trace_.fields.size();
  next_ = record_start_;
  for (int i = 0; i < fields; ++i) {
    FieldTrace field;
    field.record = record;
    field.index = i;
    trace_.fields.push_back(field);
  }
}

void TraceRecorder::DropRecord() {
  if (full_) return;
  trace_.fields.resize(record_start_);
  next_ = record_start_;
}

void TraceRecorder::BeforeValue(ValueKind kind) {
  in_.SkipSpace();
  if (full_) return;
  FieldTrace& field = trace_.fields[next_];
  field.kind = kind;
  field.at = in_.position();
  field.text = in_.Preview(kTraceQuoteBytes);
  value_at_end_ = in_.AtEnd();
}

void TraceRecorder::ValueRead(double value) {
  if (full_) return;
  FieldTrace& field = trace_.fields[next_++];
  field.state = FieldState::kRead;
  field.value = value;
  field.end = in_.position();
  field.rest = in_.Preview(kTraceQuoteBytes);
}

void TraceRecorder::ValueMissed() {
  if (full_) return;
  FieldTrace& field = trace_.fields[next_];
  field.miss = value_at_end_          ? Miss::kEnd
               : in_.last_too_large() ? Miss::kTooLarge
                                      : Miss::kNotANumber;
  last_miss_ = field.miss;
}

void TraceRecorder::CommaMissed() {
  if (full_) return;
  FieldTrace& field = trace_.fields[next_];
  field.at = in_.position();
  field.text = in_.Preview(kTraceQuoteBytes);
  field.miss = in_.AtEnd() ? Miss::kEnd : Miss::kNoComma;
  last_miss_ = field.miss;
}

void TraceRecorder::Finish() {
  trace_.stop = in_.position();
  trace_.stop_text = in_.Preview(kTraceQuoteBytes);
  trace_.stop_at_end = in_.AtEnd();
  trace_.stop_miss = last_miss_;
  std::size_t last_read = 0;
  bool any_read = false;
  for (std::size_t i = 0; i < trace_.fields.size(); ++i) {
    if (trace_.fields[i].state == FieldState::kRead) {
      last_read = i;
      any_read = true;
    }
  }
  for (std::size_t i = 0; i < trace_.fields.size(); ++i) {
    FieldTrace& field = trace_.fields[i];
    if (field.state != FieldState::kRead) {
      field.state = any_read && i < last_read ? FieldState::kLeft : FieldState::kNotReached;
    }
  }
}

}  // namespace lwall
