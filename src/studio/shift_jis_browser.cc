// Code page 932 to UTF-8 in the browser, through its own Shift-JIS decoder.
//
// The browser's "shift_jis" decoder maps every character of code page 932
// as the C library's CP932 converter does, so a picture drawn here holds the
// same bytes as the command line's. Where the text is damaged, the command
// line replaces one byte at a time and goes on after it; so does this, by
// decoding a damaged text character by character.
#include <emscripten/emscripten.h>

#include <cstddef>

#include "platform/platform.h"

// Decodes `size` bytes at `text` into at most `capacity` bytes of UTF-8 at
// `out`; returns how many it wrote, or -1 when the bytes are not all valid.
// clang-format off
EM_JS(int, lwall_decode_shift_jis, (const char* text, int size, char* out, int capacity), {
  let decoded;
  try {
    decoded = new TextDecoder('shift_jis', {fatal: true}).decode(HEAPU8.subarray(text, text + size));
  } catch (e) {
    return -1;
  }
  return stringToUTF8(decoded, out, capacity + 1);
});
// clang-format on

namespace lwall::platform {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Appends the UTF-8 of `text`; false, appending nothing, when it is not
// valid code page 932 throughout.
bool AppendDecoded(std::string& out, std::string_view text) {
  // Every byte makes at most three bytes of UTF-8; one more for the NUL
  // the decoder writes.
  const std::size_t start = out.size();
  out.resize(start + 3 * text.size() + 1);
  const int written = lwall_decode_shift_jis(text.data(), static_cast<int>(text.size()),
                                             out.data() + start, static_cast<int>(3 * text.size()));
  out.resize(written < 0 ? start : start + static_cast<std::size_t>(written));
  return written >= 0;
}

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace

std::optional<std::string> ShiftJisToUtf8(std::string_view text) {
  std::string out;
  bool ascii = true;
  for (const char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::string(text);
  out.reserve(text.size() * 3 / 2 + 4);
  if (AppendDecoded(out, text)) return out;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      out += text[i++];
      continue;
    }
    const std::size_t length = IsLeadByte(byte) && i + 1 < text.size() ? 2 : 1;
    if (AppendDecoded(out, text.substr(i, length))) {
      i += length;
    } else {
      out += kReplacement;
      ++i;
    }
  }
  return out;
}

}  // namespace lwall::platform
