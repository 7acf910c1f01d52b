// The text of one number in an input, held in a compact form that answers
// every read starting inside it, however long the number is.
//
// A number read may look at a long stretch of text and then stop at the
// number's first character (a real too large for a double, an integer
// outside 32 bits), so the next read starts there again. Rather than keeping
// the text, the scanner reads it once into a NumberText: per digit run its
// length, its leading zeros and its first significant digits, which decide
// every value a read can give. 800 significant digits are enough: a double
// is rounded correctly from any decimal text once the digits past the 767th
// are replaced by one non-zero digit when any of them is non-zero.
#ifndef LWALL_INPUT_NUMBER_TEXT_H_
#define LWALL_INPUT_NUMBER_TEXT_H_

#include <cstddef>
#include <cstdint>
#include <string>

namespace lwall {

// A run of decimal digits as it was written.
class DigitRun {
 public:
  static constexpr std::size_t kKeptDigits = 800;

  // Appends digits ('0' to '9' only).
  void Append(const char* begin, const char* end);
  void Clear();

  bool empty() const { return length_ == 0; }
  std::uint64_t length() const { return length_; }
  std::uint64_t leading_zeros() const { return leading_zeros_; }
  std::uint64_t significant_count() const { return length_ - leading_zeros_; }
  // The first kKeptDigits digits from the first non-zero one on.
  const std::string& kept() const { return kept_; }
  // Whether a non-zero digit follows the kept ones.
  bool nonzero_dropped() const { return nonzero_dropped_; }
  // Whether every digit can be written out again.
  bool lossless() const { return significant_count() == kept_.size(); }
  // Appends up to `max_bytes` digits as written, from digit `from` on.
  // Returns false when digits past the kept ones were wanted: nothing more
  // is known of a lossy run, and the text ends there.
  bool AppendText(std::uint64_t from, std::uint64_t max_bytes, std::string& out) const;

 private:
  std::uint64_t length_ = 0;
  std::uint64_t leading_zeros_ = 0;
  std::string kept_;
  bool nonzero_dropped_ = false;
};

// A number's text: [sign] digits [. digits] [e|E [sign] digits], as far as a
// formatted scan takes it from the number's first character. The point and
// exponent are looked at only once a real read needs them (`tail_read`);
// an integer read ends at the point.
struct NumberText {
  char sign = 0;  // '+', '-' or 0
  DigitRun integer;
  bool tail_read = false;
  bool point = false;
  DigitRun fraction;
  char exponent_marker = 0;  // 'e', 'E' or 0
  char exponent_sign = 0;
  DigitRun exponent;

  // Offsets from the number's first byte of the places a read can start
  // again: after a sign taken up alone, at the point (after an integer read),
  // at the exponent marker (after an integer read or a lone point).
  std::uint64_t IntegerAt() const { return sign != 0 ? 1 : 0; }
  std::uint64_t PointAt() const { return IntegerAt() + integer.length(); }
  std::uint64_t ExponentAt() const { return PointAt() + (point ? 1 + fraction.length() : 0); }
  std::uint64_t length() const;
  // Empties the number, keeping the room its digits took.
  void Clear();

  // The text from `offset` on (at most `max_bytes` bytes); false when a run
  // too long to keep lies in the way, the text then ending before it.
  bool TextFrom(std::uint64_t offset, std::uint64_t max_bytes, std::string& out) const;
};

// What one read starting `offset` bytes into a number gives: whether it
// read a value, and the offset where the next read starts.
struct NumberRead {
  bool ok = false;
  std::uint64_t next = 0;
  bool too_large = false;  // a number, but too large for the type read
};

// "%d" from `offset`: a value in 32 bits, or a failure at `offset` (after a
// lone sign, past the sign).
NumberRead ReadIntAt(const NumberText& number, std::uint64_t offset, int& value);
// "%lf" from `offset`; needs the tail. A lone sign or point is taken up; a
// value too large for a double fails at `offset`.
NumberRead ReadRealAt(const NumberText& number, std::uint64_t offset, double& value);

}  // namespace lwall

#endif  // LWALL_INPUT_NUMBER_TEXT_H_
