// Values of numbers from their compact form.
#include "input/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace lwall {

namespace {

// Counts and exponents are capped here before they are added, so that no
// sum overflows; the cap is far beyond any exponent that still gives a
// finite non-zero double.
constexpr std::int64_t kHuge = 100'000'000'000'000'000;

std::int64_t Capped(std::uint64_t count) {
  return static_cast<std::int64_t>(std::min<std::uint64_t>(count, kHuge));
}

std::int64_t ExponentValue(char sign, const DigitRun& digits) {
  std::int64_t value = kHuge;
  if (digits.significant_count() <= 17) {
    value = 0;
    for (const char c : digits.kept()) value = value * 10 + (c - '0');
  }
  return sign == '-' ? -value : value;
}

// The double nearest to [-]integer.fraction x 10^exponent, or an infinity
// when it is too large. The kept digits, with one '1' standing for any
// non-zero digits dropped after them, round exactly as the full text does.
// The decimal exponent is clamped to +-400: 0.1e400 still overflows and
// 0.9e-400 still rounds to zero.
double DecimalValue(bool negative, const DigitRun* integer, const DigitRun& fraction,
                    std::int64_t exponent) {
  // "-0." digits, the sticky '1', "e-400" and the terminating NUL.
  std::array<char, 3 + DigitRun::kKeptDigits + 1 + 5 + 1> text;
  char* out = text.data();
  auto put = [&out](std::string_view part) { out = std::copy(part.begin(), part.end(), out); };
  put(negative ? "-0." : "0.");
  bool sticky = false;
  std::int64_t point_shift = 0;  // value = 0.digits x 10^(point_shift + exponent)
  if (integer != nullptr && integer->significant_count() > 0) {
    put(integer->kept());
    sticky = integer->nonzero_dropped();
    point_shift = Capped(integer->significant_count());
    std::size_t room = DigitRun::kKeptDigits - integer->kept().size();
    if (room == 0) {
      sticky = sticky || fraction.significant_count() > 0;
    } else {
      // The fraction's leading zeros are significant after an integer part.
      const std::size_t zeros =
          static_cast<std::size_t>(std::min<std::uint64_t>(fraction.leading_zeros(), room));
      out = std::fill_n(out, zeros, '0');
      room -= zeros;
      const std::string& kept = fraction.kept();
      const std::size_t take = std::min(room, kept.size());
      put(std::string_view(kept).substr(0, take));
      sticky = fraction.nonzero_dropped() || kept.find_first_not_of('0', take) != std::string::npos;
    }
  } else if (fraction.significant_count() > 0) {
    put(fraction.kept());
    sticky = fraction.nonzero_dropped();
    point_shift = -Capped(fraction.leading_zeros());
  } else {
    return negative ? -0.0 : 0.0;
  }
  if (sticky) *out++ = '1';
  *out++ = 'e';
  const std::int64_t scale = std::clamp<std::int64_t>(point_shift + exponent, -400, 400);
  out = std::to_chars(out, text.data() + text.size() - 1, scale).ptr;
  *out = '\0';
  return std::strtod(text.data(), nullptr);
}

}  // namespace

void DigitRun::Append(const char* begin, const char* end) {
  length_ += static_cast<std::uint64_t>(end - begin);
  const char* p = begin;
  if (kept_.empty()) {
    while (p != end && *p == '0') ++p;
    leading_zeros_ += static_cast<std::uint64_t>(p - begin);
  }
  const std::size_t take = std::min(kKeptDigits - kept_.size(), static_cast<std::size_t>(end - p));
  kept_.append(p, take);
  p += take;
  if (!nonzero_dropped_)
    nonzero_dropped_ = std::find_if(p, end, [](char c) { return c != '0'; }) != end;
}

void DigitRun::Clear() {
  length_ = 0;
  leading_zeros_ = 0;
  kept_.clear();
  nonzero_dropped_ = false;
}

bool DigitRun::AppendText(std::uint64_t from, std::uint64_t max_bytes, std::string& out) const {
  const std::uint64_t wanted = std::min(max_bytes, length_ - std::min(from, length_));
  std::uint64_t zeros = 0;
  if (from < leading_zeros_) zeros = std::min(wanted, leading_zeros_ - from);
  out.append(static_cast<std::size_t>(zeros), '0');
  const std::uint64_t rest = wanted - zeros;
  if (rest == 0) return true;
  const std::uint64_t first_kept = from + zeros - leading_zeros_;
  const std::uint64_t known = kept_.size() > first_kept ? kept_.size() - first_kept : 0;
  out.append(kept_, static_cast<std::size_t>(std::min(first_kept, std::uint64_t{kept_.size()})),
             static_cast<std::size_t>(std::min(rest, known)));
  return rest <= known;
}

std::uint64_t NumberText::length() const {
  if (exponent_marker == 0) return ExponentAt();
  return ExponentAt() + 1 + (exponent_sign != 0 ? 1 : 0) + exponent.length();
}

void NumberText::Clear() {
  sign = 0;
  integer.Clear();
  tail_read = false;
  point = false;
  fraction.Clear();
  exponent_marker = 0;
  exponent_sign = 0;
  exponent.Clear();
}

bool NumberText::TextFrom(std::uint64_t offset, std::uint64_t max_bytes, std::string& out) const {
  // The pieces of the text in order; a piece of one byte is a character.
  std::uint64_t at = 0;  // offset of the current piece
  auto put_char = [&](char c) {
    if (c == 0) return true;
    if (offset <= at && out.size() < max_bytes) out += c;
    ++at;
    return true;
  };
  auto put_run = [&](const DigitRun& run) {
    const std::uint64_t from = offset > at ? offset - at : 0;
    at += run.length();
    if (from >= run.length() || out.size() >= max_bytes) return true;
    return run.AppendText(from, max_bytes - out.size(), out);
  };
  if (!put_char(sign) || !put_run(integer)) return false;
  if (point && (!put_char('.') || !put_run(fraction))) return false;
  if (exponent_marker != 0 &&
      (!put_char(exponent_marker) || !put_char(exponent_sign) || !put_run(exponent))) {
    return false;
  }
  return true;
}

namespace {

// Where a read from `offset` finds its digits: past the sign when it starts
// at the number's first byte.
std::uint64_t PastSign(const NumberText& number, std::uint64_t offset, bool& negative) {
  negative = offset == 0 && number.sign == '-';
  return offset == 0 && number.sign != 0 ? 1 : offset;
}

}  // namespace

NumberRead ReadIntAt(const NumberText& number, std::uint64_t offset, int& value) {
  bool negative = false;
  const std::uint64_t at = PastSign(number, offset, negative);
  // No digit here: a sign alone is taken up, anything else stays.
  if (at != number.IntegerAt() || number.integer.empty()) return {false, at};
  const DigitRun& digits = number.integer;
  if (digits.significant_count() > 10) return {false, offset, true};
  long long magnitude = 0;
  for (const char c : digits.kept()) magnitude = magnitude * 10 + (c - '0');
  const long long signed_value = negative ? -magnitude : magnitude;
  if (signed_value > INT_MAX || signed_value < INT_MIN) return {false, offset, true};
  value = static_cast<int>(signed_value);
  return {true, number.PointAt()};
}

NumberRead ReadRealAt(const NumberText& number, std::uint64_t offset, double& value) {
  bool negative = false;
  const std::uint64_t at = PastSign(number, offset, negative);
  const DigitRun* integer = nullptr;
  if (at == number.IntegerAt()) {
    integer = &number.integer;
  } else if (at != number.PointAt() || !number.point) {
    return {false, offset};  // at an exponent marker: nothing a real starts with
  }
  const bool has_digits = (integer != nullptr && !integer->empty()) || !number.fraction.empty();
  if (!has_digits) {
    // A lone sign, or a point with no digit on either side, is taken up.
    return {false, number.point ? number.PointAt() + 1 : at};
  }
  const std::int64_t exponent =
      number.exponent_marker != 0 ? ExponentValue(number.exponent_sign, number.exponent) : 0;
  const double parsed = DecimalValue(negative, integer, number.fraction, exponent);
  if (!std::isfinite(parsed)) return {false, offset, true};  // too large for a double
  value = parsed;
  return {true, number.length()};
}

}  // namespace lwall
