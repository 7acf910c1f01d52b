// A text output that ends every line with CR LF, kept in memory and optionally
// passed on to a file, and never larger than one sheet can sensibly be.
//
// Both output files are read by CAD programs that expect CR LF line ends,
// including the line breaks inside a command (a CIRCLE's radius line, the
// second line of a dimension with its own text). Every "\n" handed to this
// stream becomes CR LF, so no writer has to think about it.
//
// The counts of a damaged design drive the drawing loops, and a few hundred
// bytes of design can ask for more entities than any disk holds. The bars of
// every real sheet fit in well under a megabyte per file, so a stream refuses
// to grow past kMaxOutputBytes: the write that would pass it throws
// OutputLimitExceeded, which ends the drawing at once.
#ifndef LWALL_OUTPUT_OUTPUT_STREAM_H_
#define LWALL_OUTPUT_OUTPUT_STREAM_H_

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/output_bound.h"

namespace lwall {

class OutputStream;

// Thrown by the write that would take `stream` past its size bound.
class OutputLimitExceeded : public std::runtime_error {
 public:
  explicit OutputLimitExceeded(const OutputStream& stream)
      : std::runtime_error("output exceeds its size bound"), stream_(&stream) {}
  const OutputStream& stream() const { return *stream_; }

 private:
  const OutputStream* stream_;
};

class OutputStream {
 public:
  // Keeps everything in memory; `contents()` returns all bytes written.
  OutputStream() { buffer_.reserve(kMemoryReserve); }
  // Passes the bytes on to `file` in large blocks; `contents()` then holds
  // only what has not been passed on yet. The stream owns the file: it
  // closes it once, in Close() or, failing that, when it is destroyed.
  // `file` is freshly opened; its own buffer is dropped, which would only
  // split each block in two writes.
  explicit OutputStream(std::FILE* file) : file_(file) {
    if (file_ != nullptr) std::setvbuf(file_, nullptr, _IONBF, 0);
    buffer_.reserve(2 * kFlushThreshold);
  }
  OutputStream(const OutputStream&) = delete;
  OutputStream& operator=(const OutputStream&) = delete;
  // Passes on what is left and closes the file; a failure then goes untold,
  // so a caller that cares closes first.
  ~OutputStream() { Close(); }

  // The line end of both output files.
  static constexpr std::string_view kLineEnd = "\r\n";
  // Appends `text` to `to`, turning each "\n" into CR LF: the one place
  // where line breaks become line ends, for this stream and for writers that
  // assemble whole records before handing them on.
  static void AppendWithLineEnds(std::string& to, std::string_view text);

  // Appends `text`, turning each "\n" into CR LF.
  void Write(std::string_view text) {
    AppendWithLineEnds(buffer_, text);
    Check();
  }
  // Appends `text` and a line end.
  void Line(std::string_view text) {
    AppendWithLineEnds(buffer_, text);
    buffer_.append(kLineEnd);
    Check();
  }

  // Appends `text`, which holds no "\n", and a line end: the fast way for
  // lines the program builds itself from numbers.
  void PlainLine(std::string_view text) {
    buffer_.append(text);
    buffer_.append(kLineEnd);
    Check();
  }

  // Appends `text` as it is: bytes that already carry CR LF line ends.
  void Raw(std::string_view text) {
    buffer_.append(text);
    Check();
  }

  // Passes the buffered bytes on to the file and flushes the file. Returns
  // false once any write to the file has failed (a full disk, an I/O error);
  // from then on the stream drops what it is given.
  bool Flush();
  // Flushes and closes the file. Returns false when any write, the flush or
  // the close failed; the stream then keeps what it is given in memory.
  // Closing again, or closing a stream in memory, only repeats the answer.
  bool Close();
  // Whether the stream passes its bytes on to a file it has not closed yet
  // (false for a stream made over a file that did not open).
  bool has_file() const { return file_ != nullptr; }

  // All bytes written so far, passed on or not.
  std::uint64_t size() const { return passed_on_ + buffer_.size(); }
  // A stream refuses to grow past `limit` bytes (kMaxOutputBytes unless set).
  void set_limit(std::uint64_t limit) { limit_ = limit; }
  std::uint64_t limit() const { return limit_; }

  const std::string& contents() const { return buffer_; }

 private:
  void Check() {
    if (size() > limit_) Exceeded();
    if (file_ != nullptr && buffer_.size() >= kFlushThreshold) PassOn();
  }
  [[noreturn]] void Exceeded();
  void PassOn();

  static constexpr std::size_t kFlushThreshold = 1 << 16;
  // Room for a whole sheet taken at once: growing a string step by step to
  // a few hundred kilobytes costs more than drawing the sheet, since every
  // step maps and faults in fresh pages. Pages never written cost nothing.
  static constexpr std::size_t kMemoryReserve = 1 << 20;
  std::string buffer_;
  std::FILE* file_ = nullptr;
  std::uint64_t passed_on_ = 0;
  std::uint64_t limit_ = kMaxOutputBytes;
  bool failed_ = false;
};

}  // namespace lwall

#endif  // LWALL_OUTPUT_OUTPUT_STREAM_H_
