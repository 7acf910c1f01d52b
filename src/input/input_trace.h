// What a reader made of its input, value by value: where each value came
// from, which values were left because their record ended early, and where
// and why the reading stopped. A reader fills it only when asked, with the
// very reads it makes anyway, so that an explanation of the input can never
// disagree with what a run reads.
#ifndef LWALL_INPUT_INPUT_TRACE_H_
#define LWALL_INPUT_INPUT_TRACE_H_

#include <cstddef>
#include <string>
#include <vector>

#include "input/scanner.h"

namespace lwall {

// Why a read found no value where its record wanted one.
enum class Miss {
  kNone,
  kNoComma,     // the value before it was not followed by a comma
  kNotANumber,  // nothing a number starts with (or only a sign or a point)
  kTooLarge,    // a number too large for its field
  kEnd,         // the input ended
};

enum class FieldState {
  kRead,        // a value was read into it
  kLeft,        // its record ended before it, and later records read on
  kNotReached,  // nothing was read from its record's end on
};

enum class ValueKind { kInteger, kReal, kWord };

// One value of a record: a design data field, the layer count or a field of
// a layer entry.
struct FieldTrace {
  int record = 0;  // the design record (1 to 42), or the layer entry (0: the count)
  int index = 0;   // its place in the record, from 0
  ValueKind kind = ValueKind::kInteger;
  FieldState state = FieldState::kNotReached;
  double value = 0;  // the number read
  // Where its value starts, or for the field at which a record ended, where
  // the read found no value (or no comma); with the next bytes from there.
  TextPosition at;
  std::string text;
  // For a value read: where the read stopped, and the next bytes from there.
  TextPosition end;
  std::string rest;
  // For the field at which its record ended: why.
  Miss miss = Miss::kNone;
};

struct InputTrace {
  // A trace notes no more fields than this: only a layer file with absurdly
  // many entries reaches it, and its entries past it go unnoted.
  static constexpr std::size_t kMaxFields = 100'000;

  // Every field of every record read or tried, in file order; a record that
  // ended early lists its remaining fields too.
  std::vector<FieldTrace> fields;
  // Where the reading ended and the bytes from there; `stop_at_end` when the
  // input was used up. If the reading stopped early, every later read failed
  // here, for the reason of the last read tried (`stop_miss`).
  TextPosition stop;
  std::string stop_text;
  bool stop_at_end = false;
  Miss stop_miss = Miss::kNone;
};

// The bytes a trace quotes: enough to recognise the place in an editor.
inline constexpr std::size_t kTraceQuoteBytes = 12;

// Notes the reads of a reader into a trace: the reader calls it around each
// value it reads. Reading through it changes nothing: the white space it
// skips before a value is skipped by the value's read anyway, and the bytes
// it quotes are only looked at, not taken.
class TraceRecorder {
 public:
  TraceRecorder(Scanner& in, InputTrace& trace) : in_(in), trace_(trace) {}

  // A record of `fields` values begins.
  void StartRecord(int record, int fields);
  // Drops the record begun last: it turned out not to be one.
  void DropRecord();
  // Before the read of the record's next value.
  void BeforeValue(ValueKind kind);
  void ValueRead(double value = 0);
  // The read before which BeforeValue was called found no value.
  void ValueMissed();
  // The record ended at the comma it wanted before its next value.
  void CommaMissed();
  // The reading is over: where it ended, and which fields were left.
  void Finish();

 private:
  Scanner& in_;
  InputTrace& trace_;
  std::size_t record_start_ = 0;
  std::size_t next_ = 0;  // the field the record reads next
  bool full_ = false;     // kMaxFields reached: nothing more is noted
  bool value_at_end_ = false;
  Miss last_miss_ = Miss::kNone;
};

}  // namespace lwall

#endif  // LWALL_INPUT_INPUT_TRACE_H_
