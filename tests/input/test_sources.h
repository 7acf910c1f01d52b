// Test support for the input readers: byte sources that count what is pulled
// from them, hand bytes out in small pieces, never end or fail after a while,
// and the plain in-memory scanner that the streaming one must agree with.
#ifndef LWALL_TESTS_INPUT_TEST_SOURCES_H_
#define LWALL_TESTS_INPUT_TEST_SOURCES_H_

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <string_view>

#include "input/byte_source.h"

namespace lwall::testing {

// Counts the bytes and reads pulled through it.
class CountingSource : public ByteSource {
 public:
  explicit CountingSource(ByteSource& inner) : inner_(inner) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    ++reads_;
    const std::size_t n = inner_.Read(buffer, size);
    bytes_ += n;
    return n;
  }
  bool failed() const override { return inner_.failed(); }
  std::uint64_t bytes() const { return bytes_; }
  std::uint64_t reads() const { return reads_; }

 private:
  ByteSource& inner_;
  std::uint64_t bytes_ = 0;
  std::uint64_t reads_ = 0;
};

// `head`, then `pattern` repeated without end (or `limit` bytes of it).
class RepeatingSource : public ByteSource {
 public:
  explicit RepeatingSource(std::string pattern, std::uint64_t limit = UINT64_MAX,
                           std::string head = "")
      : pattern_(std::move(pattern)), head_(std::move(head)), left_(limit) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    if (!head_.empty()) {
      const std::size_t n = std::min(size, head_.size());
      std::memcpy(buffer, head_.data(), n);
      head_.erase(0, n);
      return n;
    }
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(size, left_));
    for (std::size_t done = 0; done < n;) {
      const std::size_t piece = std::min(n - done, pattern_.size() - at_);
      std::memcpy(buffer + done, pattern_.data() + at_, piece);
      done += piece;
      at_ = (at_ + piece) % pattern_.size();
    }
    left_ -= n;
    return n;
  }
  bool failed() const override { return false; }

 private:
  std::string pattern_;
  std::string head_;
  std::size_t at_ = 0;
  std::uint64_t left_;
};

// Random bytes without end.
class RandomSource : public ByteSource {
 public:
  explicit RandomSource(std::uint32_t seed) : random_(seed) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    for (std::size_t i = 0; i < size; ++i) buffer[i] = static_cast<char>(random_());
    return size;
  }
  bool failed() const override { return false; }

 private:
  std::mt19937 random_;
};

// The bytes of `text`, at most `piece` at a time (a pipe, a slow device), and
// after `fail_after` bytes a read error instead of the rest.
class PieceSource : public ByteSource {
 public:
  PieceSource(std::string_view text, std::size_t piece, std::size_t fail_after = SIZE_MAX)
      : text_(text), piece_(piece), fail_after_(fail_after) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    if (failed_) return 0;
    std::size_t n = std::min({size, piece_, text_.size()});
    if (given_ + n > fail_after_) n = fail_after_ - given_;
    if (n == 0 && !text_.empty()) {
      failed_ = true;
      return 0;
    }
    std::memcpy(buffer, text_.data(), n);
    text_.remove_prefix(n);
    given_ += n;
    return n;
  }
  bool failed() const override { return failed_; }

 private:
  std::string_view text_;
  std::size_t piece_;
  std::size_t fail_after_;
  std::size_t given_ = 0;
  bool failed_ = false;
};

// The scanner as it was when every input was read whole into memory: each
// read looks at the text directly, so it is plainly right, and slow on long
// numbers. The streaming scanner must give the same values and positions.
class TextScanner {
 public:
  explicit TextScanner(std::string_view text) : text_(text) {}

  void SkipSpace() {
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
  }
  bool Literal(char c) {
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  bool ReadInt(int& value) {
    SkipSpace();
    const std::size_t start = pos_;
    std::size_t i = pos_;
    bool negative = false;
    if (i < text_.size() && (text_[i] == '+' || text_[i] == '-')) negative = text_[i++] == '-';
    if (!IsDigit(i)) {
      pos_ = i;
      return false;
    }
    const std::size_t end = SkipDigits(i);
    long long magnitude = 0;
    for (std::size_t k = i; k < end; ++k) {
      magnitude = magnitude * 10 + (text_[k] - '0');
      if (magnitude > static_cast<long long>(INT_MAX) + 1) {
        pos_ = start;
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
  bool ReadReal(double& value) {
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
      if (has_digits) {
        j = fraction_end;
      } else {
        pos_ = j + 1;  // a lone point is taken up
        return false;
      }
    }
    if (!has_digits) {
      pos_ = mantissa_start;
      return false;
    }
    std::size_t number_end = j;
    std::size_t consumed_end = j;
    if (j < text_.size() && (text_[j] == 'e' || text_[j] == 'E')) {
      std::size_t k = j + 1;
      if (k < text_.size() && (text_[k] == '+' || text_[k] == '-')) ++k;
      const std::size_t exponent_end = SkipDigits(k);
      number_end = exponent_end > k ? exponent_end : j;
      consumed_end = exponent_end > k ? exponent_end : k;
    }
    const std::string token(text_.substr(start, number_end - start));
    const double parsed = std::strtod(token.c_str(), nullptr);
    if (!std::isfinite(parsed)) {
      pos_ = start;
      return false;
    }
    value = parsed;
    pos_ = consumed_end;
    return true;
  }
  bool ReadWord(std::string& value) {
    SkipSpace();
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !IsSpace(text_[pos_])) ++pos_;
    if (pos_ == start) return false;
    const std::string_view word = text_.substr(start, pos_ - start);
    value.assign(word.substr(0, word.find('\0')));
    return true;
  }

  std::size_t offset() const { return pos_; }
  std::size_t line() const {
    return 1 + static_cast<std::size_t>(std::count(text_.begin(), text_.begin() + pos_, '\n'));
  }
  std::size_t column() const {
    const std::size_t line_start = text_.rfind('\n', pos_ == 0 ? 0 : pos_ - 1);
    if (pos_ == 0 || line_start == std::string_view::npos) return pos_ + 1;
    return pos_ - line_start;
  }
  std::string_view rest() const { return text_.substr(pos_); }

 private:
  static bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  }
  bool IsDigit(std::size_t i) const {
    return i < text_.size() && text_[i] >= '0' && text_[i] <= '9';
  }
  std::size_t SkipDigits(std::size_t i) const {
    while (IsDigit(i)) ++i;
    return i;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace lwall::testing

#endif  // LWALL_TESTS_INPUT_TEST_SOURCES_H_
