// Fixed-point formatting with 17-significant-digit, half-away-from-zero rounding.
#include "common/number_format.h"

#include <charconv>
#include <cmath>
#include <string>

namespace lwall {

std::string FormatFixed(double value, int width, int precision) {
  if (!std::isfinite(value)) value = 0.0;
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);

  // d.dddddddddddddddde+XX: the 17 significant digits and the decimal exponent.
  char buf[40];
  const auto result = std::to_chars(buf, buf + sizeof buf, magnitude,
                                    std::chars_format::scientific, 16);
  std::string sci(buf, result.ptr);
  const std::size_t e_pos = sci.find('e');
  std::string digits = sci.substr(0, 1) + sci.substr(2, e_pos - 2);  // 17 digits
  const int exponent = std::stoi(sci.substr(e_pos + 1));

  // digits[i] has the place value 10^(exponent - i). Keep the places down to
  // 10^-precision; the first dropped digit decides the rounding.
  const long keep = static_cast<long>(exponent) + 1 + precision;
  std::string kept;  // digits of round(magnitude * 10^precision)
  if (magnitude == 0.0 || keep < 0) {
    kept = "0";
  } else {
    const std::size_t n = static_cast<std::size_t>(keep);
    if (n >= digits.size()) {
      kept = digits + std::string(n - digits.size(), '0');
    } else {
      kept = digits.substr(0, n);
      if (digits[n] >= '5') {
        // Carry upwards; a carry out of the first digit adds a leading 1.
        long i = static_cast<long>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
          kept[static_cast<std::size_t>(i)] = '0';
          --i;
        }
        if (i < 0) {
          kept.insert(kept.begin(), '1');
        } else {
          ++kept[static_cast<std::size_t>(i)];
        }
      }
      if (kept.empty()) kept = "0";
    }
  }

  // Split into integer and fraction parts.
  const std::size_t frac = static_cast<std::size_t>(precision);
  if (kept.size() <= frac) kept.insert(0, frac + 1 - kept.size(), '0');
  std::size_t first = 0;  // strip leading zeros of the integer part
  while (first + 1 < kept.size() - frac && kept[first] == '0') ++first;
  std::string text = kept.substr(first, kept.size() - frac - first);
  if (frac > 0) {
    text += '.';
    text += kept.substr(kept.size() - frac);
  }
  if (negative) text.insert(text.begin(), '-');
  if (text.size() < static_cast<std::size_t>(width)) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  }
  return text;
}

std::string FormatInt(std::int64_t value) { return std::to_string(value); }

}  // namespace lwall
