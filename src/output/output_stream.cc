// CR LF line ends and block-wise passing to a file.
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

void OutputStream::Flush() {
  if (file_ == nullptr || buffer_.empty()) return;
  std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
  buffer_.clear();
}

}  // namespace lwall
