// Printing the program's messages.
#include "driver/messages.h"

#include <optional>

#include "platform/platform.h"

namespace lwall {

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
  // The prefix is a directory name as the user gave it: it is not converted
  // with the message, only put into the messages' encoding where the system
  // needs that.
  const std::optional<std::string> converted =
      convert ? platform::ShiftJisToUtf8(message) : std::optional<std::string>();
  std::string_view text = converted ? std::string_view(*converted) : message;
  const bool in_utf8 = converted.has_value();
  const std::string lead = prefix.empty() ? "" : platform::ArgumentInMessages(prefix, in_utf8);
  std::string lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    lines += lead;
    lines += text.substr(0, length);
    text.remove_prefix(length);
  }
  if (!platform::WriteMessage(out_, lines, in_utf8)) ok_ = false;
}

}  // namespace lwall
