// Fixed-point formatting with 17-significant-digit, half-away-from-zero rounding.
#include "common/number_format.h"

#include <algorithm>
#include <bit>
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

// The eight decimal digits of `n` (below 10^8) as characters, the first
// digit in the lowest byte, computed side by side in one 64-bit word: the
// upper and lower four digits in 32-bit lanes, then pairs in 16-bit lanes,
// then single digits in bytes. Each lane's division by 10000, 100 or 10 is
// a multiplication and a shift that is exact for the lane's range.
std::uint64_t EightDigits(std::uint32_t n) {
  std::uint64_t x = (n / 10000) | (std::uint64_t{n % 10000} << 32);
  std::uint64_t q = ((x * 10486) >> 20) & 0x0000007F0000007F;  // lane / 100
  x = q | ((x - q * 100) << 16);
  q = ((x * 103) >> 10) & 0x000F000F000F000F;  // lane / 10
  x = q | ((x - q * 10) << 8);
  return x;
}

}  // namespace

void AppendFixedByExpansion(std::string& out, double value, int width, int precision) {
  if (!std::isfinite(value)) value = 0.0;
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);

  // Whole numbers below 10^15 have an exact short expansion: no rounding.
  if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
    char buf[24];
    char* p = buf;
    if (negative) *p++ = '-';
    p = std::to_chars(p, buf + sizeof buf, static_cast<long long>(magnitude)).ptr;
    std::string text(buf, static_cast<std::size_t>(p - buf));
    if (precision > 0) {
      text += '.';
      text.append(static_cast<std::size_t>(precision), '0');
    }
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

// Rounding the fraction of the magnitude directly gives what the 17-digit
// expansion gives, for every magnitude below 10^15 and so below the limit:
// there the expansion moves a double by less than half the spacing of
// doubles, so it lifts a double to the half only when the double is the half
// itself. The fraction magnitude - whole is exact (whole is 0 or more than
// half of the magnitude).
char* WriteWholeUnits(char* at, double value, int width) {
  const double magnitude = std::fabs(value);
  // Not-a-number fails the comparison too.
  if (!(magnitude < kWholeUnitLimit) || width < 0 || width > kWholeUnitMaxWidth) return nullptr;
  auto whole = static_cast<std::uint32_t>(magnitude);
  if (magnitude - static_cast<double>(whole) >= 0.5) ++whole;

  // The limit rounds to six digits; a sign makes seven.
  static_assert(kWholeUnitLimit < 1e6 && kWholeUnitMaxWidth >= 7 &&
                kWholeUnitRoom >= kWholeUnitMaxWidth + 8);
  const std::uint64_t digits = EightDigits(whole);
  // Leading zeros are the low zero bytes; the last digit always counts.
  const int zeros = std::countr_zero(digits | (std::uint64_t{1} << 56)) / 8;
  const int count = 8 - zeros;
  const bool negative = std::signbit(value);
  const int size = std::max(width, count + (negative ? 1 : 0));
  // Blanks under the whole field, then the digits as one word that ends at
  // the field's end (its zero bytes beyond are scratch).
  std::memset(at, ' ', kWholeUnitMaxWidth);
  char* const first = at + size - count;
  const std::uint64_t text = (digits | 0x3030303030303030) >> (8 * zeros);
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(first, &text, 8);
  } else {
    for (int i = 0; i < 8; ++i) first[i] = static_cast<char>(text >> (8 * i));
  }
  if (negative) first[-1] = '-';
  return at + size;
}

void AppendFixed(std::string& out, double value, int width, int precision) {
  if (precision == 0) {
    char field[kWholeUnitRoom];
    if (const char* end = WriteWholeUnits(field, value, width)) {
      out.append(field, static_cast<std::size_t>(end - field));
      return;
    }
  }
  AppendFixedByExpansion(out, value, width, precision);
}

char* WriteFixedByExpansion(char* at, double value, int width, int precision) {
  std::string text;
  AppendFixedByExpansion(text, value, width, precision);
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

std::string FormatFixed(double value, int width, int precision) {
  std::string text;
  AppendFixed(text, value, width, precision);
  return text;
}

char* WriteInt(char* at, std::int64_t value) {
  return std::to_chars(at, at + kIntRoom, value).ptr;
}

void AppendInt(std::string& out, std::int64_t value) {
  char buf[kIntRoom];
  const char* end = WriteInt(buf, value);
  out.append(buf, static_cast<std::size_t>(end - buf));
}

std::string FormatInt(std::int64_t value) {
  std::string text;
  AppendInt(text, value);
  return text;
}

}  // namespace lwall
