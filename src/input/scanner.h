// Reads numbers and words from an input the way a formatted scan does.
//
// The input files are lists of numbers whose line ends only separate values.
// A record is read value by value; the first value that does not fit stops
// the record, the position stays at that character, and the next record's
// read starts there. So a stray letter leaves every later field at zero,
// which is how the program has always treated a damaged file.
//
// Only plain decimal numbers count: "nan", "inf", hexadecimal forms, a real
// too large for a double and an integer outside 32 bits stop the read at
// their first character, so no such value ever reaches a drawing.
//
// The input is a stream, pulled in chunks only as far as a read looks at it:
// once every read fails at the same byte nothing more is read, so a file of
// any size, or a device that never ends, costs no more than a chunk. A number
// is read once, however long, into its compact form (number_text.h), and the
// reads that start inside it again are answered from that form.
#ifndef LWALL_INPUT_SCANNER_H_
#define LWALL_INPUT_SCANNER_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/output_bound.h"
#include "input/byte_source.h"
#include "input/number_text.h"

namespace lwall {

// A place in an input: the byte offset from 0, the line and the column from
// 1, columns counting bytes.
struct TextPosition {
  std::uint64_t offset = 0;
  std::uint64_t line = 1;
  std::uint64_t column = 1;
};

class Scanner {
 public:
  // The longest word kept. No output file may grow past kMaxOutputBytes, so a
  // longer word could never be written out whole; the rest of it is read and
  // dropped.
  static constexpr std::size_t kMaxWordBytes = kMaxOutputBytes + 1;
  // The most bytes Preview shows.
  static constexpr std::size_t kMaxPreviewBytes = 64;

  explicit Scanner(ByteSource& source) : source_(source) {}
  Scanner(const Scanner&) = delete;
  Scanner& operator=(const Scanner&) = delete;

  // Skips white space (blank, tab, LF, VT, FF, CR), like a blank or a line
  // end in a scan format.
  void SkipSpace();
  // Skips white space, then reads a decimal integer into `value` ("%d").
  // Returns false, leaving `value` alone, when there is none; a sign with no
  // digit after it is taken up.
  bool ReadInt(int& value);
  // Skips white space, then reads a decimal real into `value` ("%lf"). A
  // sign, or a point, with no digit after it is taken up and the read fails
  // after it, as a scan does; an exponent letter with no digits after it is
  // taken up and the value is that of the digits before it.
  bool ReadReal(double& value);
  // Skips white space, then reads a run of other bytes ("%s") into `value`,
  // which is a C string: a NUL byte ends it, and the bytes after the NUL
  // are read and dropped. A word is meant to follow white space or a number
  // read that succeeded; after a failed read over a number with more than
  // 800 significant digits in a row, the digits are no longer held and the
  // word read fails there.
  bool ReadWord(std::string& value);
  // Consumes `c` when it is the next byte (a literal in a scan format). `c`
  // is punctuation: never a digit, sign, point or exponent letter.
  bool Literal(char c);

  bool AtEnd();
  TextPosition position() const;
  // Whether the last number read failed at a number too large for its type.
  bool last_too_large() const { return last_too_large_; }
  // The next bytes from the position on (at most `max_bytes`, itself at most
  // kMaxPreviewBytes), without consuming them.
  std::string Preview(std::size_t max_bytes);

 private:
  static constexpr std::size_t kChunkBytes = 4096;

  // Whether the position lies inside the number read last, whose bytes have
  // already been taken from the stream.
  bool InNumber() const { return pos_ < cursor_.offset; }
  std::uint64_t NumberOffset() const { return pos_ - number_start_; }

  // Makes at least `wanted` bytes available unless the input ends first;
  // false when none is left.
  bool Fill(std::size_t wanted) { return end_ - begin_ >= wanted || Refill(wanted); }
  bool Refill(std::size_t wanted);
  int Peek();  // the next byte, or -1 at the end
  void Take(std::size_t n);
  void TakeInLine(std::size_t n);  // `n` bytes known to hold no line end
  void TakeDigits(DigitRun& run);
  // Reads the number starting at the position up to the point (the sign and
  // integer digits), and then, for a real, the rest.
  void StartNumber();
  void ReadNumberTail();

  ByteSource& source_;
  // One byte more than a chunk for a NUL after the bytes read, which stops
  // the C library's span searches there.
  std::array<char, kChunkBytes + 1> buffer_{};
  std::size_t begin_ = 0;  // buffer_[begin_, end_) is read but not taken
  std::size_t end_ = 0;
  bool source_ended_ = false;
  TextPosition cursor_;    // where buffer_[begin_] lies
  std::uint64_t pos_ = 0;  // the position; behind cursor_ only inside number_
  NumberText number_;
  std::uint64_t number_start_ = 0;
  bool last_too_large_ = false;
};

}  // namespace lwall

#endif  // LWALL_INPUT_SCANNER_H_
