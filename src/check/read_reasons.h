// Why a reader's read ended where it did, told from its trace: the pieces
// both file checks explain their findings with.
#ifndef LWALL_CHECK_READ_REASONS_H_
#define LWALL_CHECK_READ_REASONS_H_

#include <string>
#include <string_view>

#include "check/finding.h"
#include "input/input_trace.h"

namespace lwall {

// Bytes of the file as findings quote them.
std::string Quote(std::string_view bytes);

// The number-like word at the start of `text`: up to a blank or a comma.
std::string_view Token(std::string_view text);

// Whether bytes right after a value show that the value's text went on.
bool ContinuesNumber(std::string_view rest);

// Why a read found no value where it wanted one.
enum class MissReason {
  kNone,
  kInsideNumber,  // it started inside the number read just before
  kTooLarge,      // a number too large for its field
  kNotANumber,    // "nan", "inf"
};

// The reason for a read that found no value at `at`, quoting `text` from
// there; `before` is the field read just before, if any.
MissReason ReasonOfMiss(const FieldTrace* before, const TextPosition& at, std::string_view text,
                        Miss miss);

// The placeholders "{number}", "{before}" and "{read}" of a read that started
// inside the number of `before`, which `before_name` names.
void AddInsideNumber(Phrase& phrase, const FieldTrace& before, Phrase before_name);

// "{field} {number} is not a whole number: ..." for a value whose text goes
// on past what its read took, so that the next read starts inside it.
Phrase PartlyRead(const FieldTrace& field, Phrase name);

}  // namespace lwall

#endif  // LWALL_CHECK_READ_REASONS_H_
