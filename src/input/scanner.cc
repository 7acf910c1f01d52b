// Number reading with formatted-scan semantics.
#include "input/scanner.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

namespace lwall {

bool Scanner::IsSpace(std::size_t i) const {
  if (i >= text_.size()) return false;
  const char c = text_[i];
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool Scanner::IsDigit(std::size_t i) const {
  return i < text_.size() && text_[i] >= '0' && text_[i] <= '9';
}

std::size_t Scanner::SkipDigits(std::size_t i) const {
  while (IsDigit(i)) ++i;
  return i;
}

void Scanner::SkipSpace() {
  while (IsSpace(pos_)) ++pos_;
}

bool Scanner::Literal(char c) {
  if (pos_ < text_.size() && text_[pos_] == c) {
    ++pos_;
    return true;
  }
  return false;
}

bool Scanner::ReadInt(int& value) {
  SkipSpace();
  const std::size_t start = pos_;
  std::size_t i = pos_;
  bool negative = false;
  if (i < text_.size() && (text_[i] == '+' || text_[i] == '-')) {
    negative = text_[i] == '-';
    ++i;
  }
  if (!IsDigit(i)) {
    // A lone sign is consumed, as a scan does; anything else stays.
    pos_ = i;
    return false;
  }
  const std::size_t end = SkipDigits(i);
  long long magnitude = 0;
  for (std::size_t k = i; k < end; ++k) {
    magnitude = magnitude * 10 + (text_[k] - '0');
    if (magnitude > static_cast<long long>(INT_MAX) + 1) {
      pos_ = start;  // out of range: not a number
      return false;
    }
  }
  const long long signed_value = negative ? -magnitude : magnitude;
  if (signed_value > INT_MAX || signed_value < INT_MIN) {
    pos_ = start;
    return false;
  }
  value = static_cast<int>(signed_value);
  pos_ = end;
  return true;
}

bool Scanner::ReadReal(double& value) {
  SkipSpace();
  const std::size_t start = pos_;
  std::size_t i = pos_;
  if (i < text_.size() && (text_[i] == '+' || text_[i] == '-')) ++i;
  const std::size_t mantissa_start = i;
  std::size_t j = SkipDigits(i);
  bool has_digits = j > i;
  if (j < text_.size() && text_[j] == '.') {
    const std::size_t fraction_end = SkipDigits(j + 1);
    has_digits = has_digits || fraction_end > j + 1;
    if (has_digits) j = fraction_end;
  }
  if (!has_digits) {
    pos_ = mantissa_start;  // a lone sign is consumed
    return false;
  }
  std::size_t number_end = j;  // what is converted
  std::size_t consumed_end = j;
  if (j < text_.size() && (text_[j] == 'e' || text_[j] == 'E')) {
    std::size_t k = j + 1;
    if (k < text_.size() && (text_[k] == '+' || text_[k] == '-')) ++k;
    const std::size_t exponent_end = SkipDigits(k);
    if (exponent_end > k) {
      number_end = exponent_end;
      consumed_end = exponent_end;
    } else {
      // An exponent marker without digits is consumed; the value is the mantissa's.
      consumed_end = k;
    }
  }
  const std::string token(text_.substr(start, number_end - start));
  errno = 0;
  const double parsed = std::strtod(token.c_str(), nullptr);
  if (!std::isfinite(parsed)) {
    pos_ = start;  // too large for a double: not a number
    return false;
  }
  value = parsed;
  pos_ = consumed_end;
  return true;
}

bool Scanner::ReadWord(std::string& value) {
  SkipSpace();
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !IsSpace(pos_)) ++pos_;
  if (pos_ == start) return false;
  value.assign(text_.substr(start, pos_ - start));
  return true;
}

}  // namespace lwall
