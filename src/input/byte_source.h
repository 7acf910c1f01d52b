// Where the readers take their bytes from: an open input file read in
// chunks, or a text in memory (tests, the benchmark).
//
// The readers pull bytes only as far as their reads need, so an input of any
// size, or one that never ends, costs no more memory than a chunk.
#ifndef LWALL_INPUT_BYTE_SOURCE_H_
#define LWALL_INPUT_BYTE_SOURCE_H_

#include <cstddef>
#include <cstdio>
#include <string_view>

namespace lwall {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to `size` bytes into `buffer` and returns how many it read;
  // 0 means the end of the input or a read error (failed() tells which).
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
  // True once a read has failed with an error rather than at the end.
  virtual bool failed() const = 0;
};

// The bytes of a text in memory.
class StringSource : public ByteSource {
 public:
  explicit StringSource(std::string_view text) : text_(text) {}
  std::size_t Read(char* buffer, std::size_t size) override;
  bool failed() const override { return false; }

 private:
  std::string_view text_;
};

// The bytes of an open file (not owned), read with fread.
class FileSource : public ByteSource {
 public:
  explicit FileSource(std::FILE* file) : file_(file) {}
  std::size_t Read(char* buffer, std::size_t size) override;
  bool failed() const override { return failed_; }

 private:
  std::FILE* file_;
  bool failed_ = false;
};

}  // namespace lwall

#endif  // LWALL_INPUT_BYTE_SOURCE_H_
