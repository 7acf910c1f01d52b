// Printing the program's messages.
#include "driver/messages.h"

#include <langinfo.h>
#include <unistd.h>

#include <clocale>

#include "common/shift_jis.h"

namespace lwall {

bool MessagesInUtf8(bool to_terminal, std::string_view codeset) {
  if (!to_terminal) return false;
  // nl_langinfo spells it "UTF-8"; some systems say "utf8".
  std::string name;
  for (const char c : codeset) {
    if (c != '-' && c != '_') name += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  }
  return name == "UTF8";
}

bool MessagesInUtf8For(std::FILE* out) {
  if (isatty(fileno(out)) == 0) return false;
  // Only the character type is taken from the environment: numbers are
  // read and printed by the program's own code, whatever the locale.
  if (std::setlocale(LC_CTYPE, "") == nullptr) return false;
  return MessagesInUtf8(true, nl_langinfo(CODESET));
}

void MessageOut::Print(std::string_view message) {
  Write(message, prefix_, utf8_);
}

void MessageOut::PrintUnprefixed(std::string_view message) {
  Write(message, "", utf8_);
}

void MessageOut::PrintText(std::string_view text) {
  Write(text, prefix_, false);
}

void MessageOut::PrintTextUnprefixed(std::string_view text) {
  Write(text, "", false);
}

void MessageOut::Write(std::string_view message, std::string_view prefix, bool convert) {
  // The prefix is a directory name as the user typed it: it is not
  // converted with the message.
  const std::string converted = convert ? ShiftJisToUtf8(message) : std::string();
  std::string_view text = convert ? std::string_view(converted) : message;
  std::string lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    lines += prefix;
    lines += text.substr(0, length);
    text.remove_prefix(length);
  }
  if (std::fwrite(lines.data(), 1, lines.size(), out_) != lines.size() || std::fflush(out_) != 0) {
    ok_ = false;
  }
}

}  // namespace lwall
