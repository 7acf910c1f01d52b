// CR LF line ends and block-wise passing to a file.
#include "output/output_stream.h"

namespace lwall {

namespace {
constexpr std::size_t kFlushThreshold = 1 << 16;
}

void OutputStream::Write(std::string_view text) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      buffer_.append(text.substr(start, i - start));
      buffer_.append("\r\n");
      start = i + 1;
    }
  }
  buffer_.append(text.substr(start));
  if (file_ != nullptr && buffer_.size() >= kFlushThreshold) Flush();
}

void OutputStream::Flush() {
  if (file_ == nullptr || buffer_.empty()) return;
  std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
  buffer_.clear();
}

}  // namespace lwall
