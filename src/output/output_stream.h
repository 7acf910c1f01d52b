// A text output that ends every line with CR LF, kept in memory and optionally
// passed on to a file.
//
// Both output files are read by CAD programs that expect CR LF line ends,
// including the line breaks inside a command (a CIRCLE's radius line, the
// second line of a dimension with its own text). Every "\n" handed to this
// stream becomes CR LF, so no writer has to think about it.
#ifndef LWALL_OUTPUT_OUTPUT_STREAM_H_
#define LWALL_OUTPUT_OUTPUT_STREAM_H_

#include <cstdio>
#include <string>
#include <string_view>

namespace lwall {

class OutputStream {
 public:
  // Keeps everything in memory; `contents()` returns all bytes written.
  OutputStream() { buffer_.reserve(kMemoryReserve); }
  // Passes the bytes on to `file` (not owned) in large blocks; `contents()`
  // then holds only what has not been passed on yet.
  explicit OutputStream(std::FILE* file) : file_(file) { buffer_.reserve(2 * kFlushThreshold); }
  OutputStream(const OutputStream&) = delete;
  OutputStream& operator=(const OutputStream&) = delete;
  ~OutputStream() { Flush(); }

  // The line end of both output files.
  static constexpr std::string_view kLineEnd = "\r\n";
  // Appends `text` to `to`, turning each "\n" into CR LF: the one place
  // where line breaks become line ends, for this stream and for writers that
  // assemble whole records before handing them on.
  static void AppendWithLineEnds(std::string& to, std::string_view text);

  // Appends `text`, turning each "\n" into CR LF.
  void Write(std::string_view text) {
    AppendWithLineEnds(buffer_, text);
    FlushWhenFull();
  }
  // Appends `text` and a line end.
  void Line(std::string_view text) {
    AppendWithLineEnds(buffer_, text);
    buffer_.append(kLineEnd);
    FlushWhenFull();
  }

  // Appends `text`, which holds no "\n", and a line end: the fast way for
  // lines the program builds itself from numbers.
  void PlainLine(std::string_view text) {
    buffer_.append(text);
    buffer_.append(kLineEnd);
    FlushWhenFull();
  }

  // Appends `text` as it is: bytes that already carry CR LF line ends.
  void Raw(std::string_view text) {
    buffer_.append(text);
    FlushWhenFull();
  }

  void Flush();
  const std::string& contents() const { return buffer_; }

 private:
  void FlushWhenFull() {
    if (file_ != nullptr && buffer_.size() >= kFlushThreshold) Flush();
  }

  static constexpr std::size_t kFlushThreshold = 1 << 16;
  // Room for a whole sheet taken at once: growing a string step by step to
  // a few hundred kilobytes costs more than drawing the sheet, since every
  // step maps and faults in fresh pages. Pages never written cost nothing.
  static constexpr std::size_t kMemoryReserve = 1 << 20;
  std::string buffer_;
  std::FILE* file_ = nullptr;
};

}  // namespace lwall

#endif  // LWALL_OUTPUT_OUTPUT_STREAM_H_
