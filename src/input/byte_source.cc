// Reading input bytes from memory or from a file.
#include "input/byte_source.h"

#include <algorithm>
#include <cstring>

namespace lwall {

std::size_t StringSource::Read(char* buffer, std::size_t size) {
  const std::size_t n = std::min(size, text_.size());
  if (n > 0) std::memcpy(buffer, text_.data(), n);
  text_.remove_prefix(n);
  return n;
}

std::size_t FileSource::Read(char* buffer, std::size_t size) {
  if (failed_ || size == 0) return 0;
  const std::size_t n = std::fread(buffer, 1, size, file_);
  if (n < size && std::ferror(file_)) failed_ = true;
  return n;
}

}  // namespace lwall
