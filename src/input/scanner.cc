// Number and word reading with formatted-scan semantics, over a stream.
#include "input/scanner.h"

#include <algorithm>
#include <cstring>

namespace lwall {

namespace {

// White space as a scan format knows it.
constexpr const char* kSpace = " \t\n\v\f\r";
constexpr const char* kDigits = "0123456789";

}  // namespace

bool Scanner::Refill(std::size_t wanted) {
  while (end_ - begin_ < wanted && !source_ended_) {
    if (begin_ == end_) begin_ = end_ = 0;
    if (end_ == kChunkBytes) {
      std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
      end_ -= begin_;
      begin_ = 0;
    }
    const std::size_t room = kChunkBytes - end_;
    const std::size_t n = std::min(source_.Read(buffer_.data() + end_, room), room);
    // A read error ends the input as its end does; the source tells which.
    if (n == 0) source_ended_ = true;
    end_ += n;
    buffer_[end_] = '\0';
  }
  return end_ > begin_;
}

int Scanner::Peek() {
  if (!Fill(1)) return -1;
  return static_cast<unsigned char>(buffer_[begin_]);
}

void Scanner::Take(std::size_t n) {
  for (std::size_t i = begin_; i < begin_ + n; ++i) {
    if (buffer_[i] == '\n') {
      ++cursor_.line;
      cursor_.column = 1;
    } else {
      ++cursor_.column;
    }
  }
  begin_ += n;
  cursor_.offset += n;
}

void Scanner::TakeInLine(std::size_t n) {
  begin_ += n;
  cursor_.offset += n;
  cursor_.column += n;
}

void Scanner::TakeDigits(DigitRun& run) {
  while (Fill(1)) {
    const char* first = buffer_.data() + begin_;
    const std::size_t n = std::strspn(first, kDigits);  // stops at the NUL after the bytes
    run.Append(first, first + n);
    TakeInLine(n);
    if (begin_ != end_) return;
  }
}

void Scanner::StartNumber() {
  number_.Clear();
  number_start_ = pos_;
  const int c = Peek();
  if (c == '+' || c == '-') {
    number_.sign = static_cast<char>(c);
    Take(1);
  }
  TakeDigits(number_.integer);
}

void Scanner::ReadNumberTail() {
  number_.tail_read = true;
  if (Peek() == '.') {
    number_.point = true;
    Take(1);
    TakeDigits(number_.fraction);
  }
  // Without a digit before it, an exponent is no part of the number.
  if (number_.integer.empty() && number_.fraction.empty()) return;
  const int marker = Peek();
  if (marker != 'e' && marker != 'E') return;
  number_.exponent_marker = static_cast<char>(marker);
  Take(1);
  const int sign = Peek();
  if (sign == '+' || sign == '-') {
    number_.exponent_sign = static_cast<char>(sign);
    Take(1);
  }
  TakeDigits(number_.exponent);
}

void Scanner::SkipSpace() {
  if (InNumber()) return;  // a number holds no white space
  while (Fill(1)) {
    Take(std::strspn(buffer_.data() + begin_, kSpace));
    if (begin_ != end_) break;
  }
  pos_ = cursor_.offset;
}

bool Scanner::Literal(char c) {
  if (InNumber() || Peek() != static_cast<unsigned char>(c)) return false;
  Take(1);
  pos_ = cursor_.offset;
  return true;
}

bool Scanner::ReadInt(int& value) {
  SkipSpace();
  if (!InNumber()) StartNumber();
  const NumberRead read = ReadIntAt(number_, NumberOffset(), value);
  pos_ = number_start_ + read.next;
  last_too_large_ = read.too_large;
  return read.ok;
}

bool Scanner::ReadReal(double& value) {
  SkipSpace();
  if (!InNumber()) StartNumber();
  if (!number_.tail_read) ReadNumberTail();
  const NumberRead read = ReadRealAt(number_, NumberOffset(), value);
  pos_ = number_start_ + read.next;
  last_too_large_ = read.too_large;
  return read.ok;
}

bool Scanner::ReadWord(std::string& value) {
  SkipSpace();
  std::string word;
  bool found = false;
  bool ended = false;  // a NUL seen, or the word as long as it may be
  auto keep = [&](const char* first, const char* last) {
    if (ended) return;
    const char* nul = static_cast<const char*>(std::memchr(first, '\0', last - first));
    if (nul != nullptr) last = nul;
    const std::size_t n =
        std::min(static_cast<std::size_t>(last - first), kMaxWordBytes - word.size());
    word.append(first, n);
    ended = nul != nullptr || word.size() == kMaxWordBytes;
  };
  if (InNumber()) {
    std::string digits;
    if (!number_.TextFrom(NumberOffset(), kMaxWordBytes, digits)) return false;
    keep(digits.data(), digits.data() + digits.size());
    found = true;
  }
  while (Fill(1)) {
    // The span search also stops at a NUL, within the word or after the bytes.
    const char* first = buffer_.data() + begin_;
    std::size_t n = std::strcspn(first, kSpace);
    while (begin_ + n < end_ && first[n] == '\0') n += 1 + std::strcspn(first + n + 1, kSpace);
    keep(first, first + n);
    found = found || n > 0;
    TakeInLine(n);
    if (begin_ != end_) break;
  }
  pos_ = cursor_.offset;
  if (!found) return false;
  value = std::move(word);
  return true;
}

bool Scanner::AtEnd() {
  return !InNumber() && !Fill(1);
}

TextPosition Scanner::position() const {
  TextPosition p = cursor_;
  if (InNumber()) {
    // A number lies on one line, so only the column moves back.
    p.column -= cursor_.offset - pos_;
    p.offset = pos_;
  }
  return p;
}

std::string Scanner::Preview(std::size_t max_bytes) {
  max_bytes = std::min(max_bytes, kMaxPreviewBytes);
  std::string out;
  if (InNumber() && !number_.TextFrom(NumberOffset(), max_bytes, out)) return out;
  if (out.size() < max_bytes) {
    Fill(max_bytes - out.size());
    out.append(buffer_.data() + begin_, std::min(end_ - begin_, max_bytes - out.size()));
  }
  return out;
}

}  // namespace lwall
