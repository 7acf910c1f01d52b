// Reads numbers from an input text the way a formatted scan does.
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
#ifndef LWALL_INPUT_SCANNER_H_
#define LWALL_INPUT_SCANNER_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace lwall {

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  // Skips white space (blank, tab, LF, VT, FF, CR), like a blank or a line
  // end in a scan format.
  void SkipSpace();
  // Skips white space, then reads a decimal integer into `value` ("%d").
  // Returns false, leaving `value` alone, when there is none.
  bool ReadInt(int& value);
  // Skips white space, then reads a decimal real into `value` ("%lf").
  bool ReadReal(double& value);
  // Skips white space, then reads a run of other characters ("%s").
  bool ReadWord(std::string& value);
  // Consumes `c` when it is the next character (a literal in a scan format).
  bool Literal(char c);

  bool AtEnd() const { return pos_ >= text_.size(); }
  std::size_t position() const { return pos_; }

 private:
  bool IsSpace(std::size_t i) const;
  bool IsDigit(std::size_t i) const;
  std::size_t SkipDigits(std::size_t i) const;

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace lwall

#endif  // LWALL_INPUT_SCANNER_H_
