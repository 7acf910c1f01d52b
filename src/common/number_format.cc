// Fixed-point formatting with 17-significant-digit, half-away-from-zero rounding.
#include "common/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace lwall {

namespace {

// Pads `text` (of `size` characters) on the left to `width` and appends it.
void AppendPadded(std::string& out, const char* text, std::size_t size, int width) {
  if (width > 0 && size < static_cast<std::size_t>(width)) {
    out.append(static_cast<std::size_t>(width) - size, ' ');
  }
  out.append(text, size);
}

// Appends a whole number right-aligned in `width` columns, built from the
// right in one small buffer so that it costs a single append.
void AppendWhole(std::string& out, bool negative, unsigned long long whole, int width) {
  char buf[48];
  char* const end = buf + sizeof buf;
  char* p = end;
  do {
    *--p = static_cast<char>('0' + whole % 10);
    whole /= 10;
  } while (whole != 0);
  if (negative) *--p = '-';
  if (width > 24) {
    AppendPadded(out, p, static_cast<std::size_t>(end - p), width);
    return;
  }
  while (end - p < width) *--p = ' ';
  out.append(p, static_cast<std::size_t>(end - p));
}

}  // namespace

void AppendFixed(std::string& out, double value, int width, int precision) {
  if (!std::isfinite(value)) value = 0.0;
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);

  // Whole units below 10^15: rounding the fraction directly gives what the
  // 17-digit expansion gives. A double that lies closer to a half than one
  // unit of its 17th digit is the half itself, and v - trunc(v) is exact.
  if (precision == 0 && magnitude < 1e15) {
    double whole = std::trunc(magnitude);
    if (magnitude - whole >= 0.5) whole += 1.0;
    AppendWhole(out, negative, static_cast<unsigned long long>(whole), width);
    return;
  }

  // Whole numbers below 10^15 have an exact short expansion: no rounding.
  if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
    char buf[24];
    char* p = buf;
    if (negative) *p++ = '-';
    p = std::to_chars(p, buf + sizeof buf, static_cast<long long>(magnitude)).ptr;
    std::string text(buf, static_cast<std::size_t>(p - buf));
    text += '.';
    text.append(static_cast<std::size_t>(precision), '0');
    AppendPadded(out, text.data(), text.size(), width);
    return;
  }

  // d.dddddddddddddddde+XX: the 17 significant digits and the decimal exponent.
  char sci[40];
#if defined(__cpp_lib_to_chars)
  const char* sci_end =
      std::to_chars(sci, sci + sizeof sci, magnitude, std::chars_format::scientific, 16).ptr;
#else
  // A C++ library without the floating-point to_chars (the browser build's):
  // to_chars with a precision prints as printf does, so printf stands in.
  const char* sci_end = sci + std::snprintf(sci, sizeof sci, "%.16e", magnitude);
#endif
  char digits[17];
  digits[0] = sci[0];
  std::memcpy(digits + 1, sci + 2, 16);
  int exponent = 0;
  std::from_chars(sci + 19 + (sci[19] == '+' ? 1 : 0), sci_end, exponent);

  // digits[i] has the place value 10^(exponent - i). Keep the places down to
  // 10^-precision; the first dropped digit decides the rounding.
  const long keep = static_cast<long>(exponent) + 1 + precision;
  std::string kept;  // the digits of round(magnitude * 10^precision)
  if (keep < 0) {
    kept = "0";
  } else if (keep >= 17) {
    kept.assign(digits, 17);
    kept.append(static_cast<std::size_t>(keep - 17), '0');
  } else {
    kept.assign(digits, static_cast<std::size_t>(keep));
    if (digits[keep] >= '5') {
      // Carry upwards; a carry out of the first digit adds a leading 1.
      long i = keep - 1;
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

  // Split into integer and fraction parts.
  const std::size_t frac = static_cast<std::size_t>(precision);
  if (kept.size() <= frac) kept.insert(0, frac + 1 - kept.size(), '0');
  std::size_t first = 0;  // leading zeros of the integer part
  while (first + 1 < kept.size() - frac && kept[first] == '0') ++first;
  std::string text;
  if (negative) text += '-';
  text.append(kept, first, kept.size() - frac - first);
  if (frac > 0) {
    text += '.';
    text.append(kept, kept.size() - frac, frac);
  }
  AppendPadded(out, text.data(), text.size(), width);
}

std::string FormatFixed(double value, int width, int precision) {
  std::string text;
  AppendFixed(text, value, width, precision);
  return text;
}

void AppendInt(std::string& out, std::int64_t value) {
  char buf[24];
  const char* end = std::to_chars(buf, buf + sizeof buf, value).ptr;
  out.append(buf, static_cast<std::size_t>(end - buf));
}

std::string FormatInt(std::int64_t value) {
  std::string text;
  AppendInt(text, value);
  return text;
}

}  // namespace lwall
