// Test support: UTF-8 to Shift-JIS through iconv.
#include "support/shift_jis_text.h"

#include <iconv.h>

#include <stdexcept>

namespace lwall::testing {

std::string Sjis(std::string_view utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no UTF-8 to CP932 converter");
  std::string out(utf8.size() * 2 + 1, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t in_left = utf8.size();
  char* to = out.data();
  std::size_t to_left = out.size();
  const std::size_t result = iconv(cd, &in, &in_left, &to, &to_left);
  iconv_close(cd);
  if (result == static_cast<std::size_t>(-1) || in_left != 0) {
    throw std::runtime_error("not convertible to CP932: " + std::string(utf8));
  }
  out.resize(out.size() - to_left);
  return out;
}

}  // namespace lwall::testing
