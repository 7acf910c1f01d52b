// CR LF line ends, block-wise passing to a file, and the size bound.
#include "output/output_stream.h"

#include <cstring>

namespace lwall {

void OutputStream::AppendWithLineEnds(std::string& to, std::string_view text) {
  while (!text.empty()) {
    const void* found = std::memchr(text.data(), '\n', text.size());
    if (found == nullptr) {
      to.append(text);
      break;
    }
    const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
    to.append(text.data(), at);
    to.append(kLineEnd);
    text.remove_prefix(at + 1);
  }
}

void OutputStream::PassOn() {
  if (file_ == nullptr || buffer_.empty()) return;
  if (!failed_ && std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
    failed_ = true;
  }
  passed_on_ += buffer_.size();
  buffer_.clear();
}

bool OutputStream::Flush() {
  if (file_ == nullptr) return !failed_;
  PassOn();
  if (!failed_ && std::fflush(file_) != 0) failed_ = true;
  return !failed_;
}

bool OutputStream::Close() {
  if (file_ == nullptr) return !failed_;
  const bool flushed = Flush();
  std::FILE* file = file_;
  file_ = nullptr;
  // fclose releases the stream even when it fails: it is called only once.
  if (std::fclose(file) != 0 || !flushed) failed_ = true;
  return !failed_;
}

void OutputStream::Exceeded() {
  // What fits stays; the write that would pass the bound is cut there.
  const std::uint64_t room = limit_ > passed_on_ ? limit_ - passed_on_ : 0;
  if (buffer_.size() > room) buffer_.resize(static_cast<std::size_t>(room));
  PassOn();
  throw OutputLimitExceeded(*this);
}

}  // namespace lwall
