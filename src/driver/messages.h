// Where the program's messages go: standard output, one line each, with the
// directory in front when several are drawn in one call, and in UTF-8 when a
// person reads them in UTF-8 (platform::MessagesInUtf8).
//
// The messages are written as Shift-JIS bytes, like every Japanese text of
// the program: the programs that call lwall and read its output expect them
// so. A UTF-8 terminal or console shows those bytes as garbage, so there, and
// only there, they are converted; where no converter can be had they go out
// as Shift-JIS all the same, as a pipe gets them.
#ifndef LWALL_DRIVER_MESSAGES_H_
#define LWALL_DRIVER_MESSAGES_H_

#include <cstdio>
#include <string>
#include <string_view>

namespace lwall {

class MessageOut {
 public:
  MessageOut(std::FILE* out, bool utf8) : out_(out), utf8_(utf8) {}

  // Every line printed from now on starts with `prefix` (empty: none).
  void set_prefix(std::string prefix) { prefix_ = std::move(prefix); }
  // Prints `text`: one or more lines, each ending with "\n".
  void Print(std::string_view message);
  // The same without the prefix: for lines that name their directory
  // themselves (a file path in a finding).
  void PrintUnprefixed(std::string_view message);
  // Texts for people (the --check report): already in the encoding of the
  // user's locale, with the paths as the user typed them, so they are
  // written as they stand, with the prefix or without.
  void PrintText(std::string_view text);
  void PrintTextUnprefixed(std::string_view text);
  // False once standard output could not take a message.
  bool ok() const { return ok_; }

 private:
  void Write(std::string_view message, std::string_view prefix, bool convert);

  std::FILE* out_;
  bool utf8_;
  std::string prefix_;
  bool ok_ = true;
};

}  // namespace lwall

#endif  // LWALL_DRIVER_MESSAGES_H_
