// Code page 932 to UTF-8 through the C library's iconv, on POSIX systems.
#include <iconv.h>

#include <cerrno>

#include "platform/platform.h"

namespace lwall::platform {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// One conversion descriptor per call: conversions are rare (a message, a
// picture's texts) and a descriptor kept between calls would be shared state.
class Converter {
 public:
  Converter() : cd_(iconv_open("UTF-8", "CP932")) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

}  // namespace

std::optional<std::string> ShiftJisToUtf8(std::string_view text) {
  // Plain ASCII needs no conversion and is most of what is converted.
  bool ascii = true;
  for (const char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::string(text);

  Converter converter;
  if (!converter.ok()) return std::nullopt;
  std::string out;
  out.reserve(text.size() * 3 / 2 + 4);
  char* in = const_cast<char*>(text.data());
  std::size_t in_left = text.size();
  char buffer[1024];
  while (in_left > 0) {
    char* to = buffer;
    std::size_t to_left = sizeof buffer;
    const std::size_t result = iconv(converter.get(), &in, &in_left, &to, &to_left);
    out.append(buffer, static_cast<std::size_t>(to - buffer));
    if (result != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL (a first byte at the very end): replace one byte.
    out += kReplacement;
    ++in;
    --in_left;
    iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace lwall::platform
