// The files of a run on disk: opening the two outputs and the two inputs,
// and writing a picture or data file so that it replaces an earlier one only
// when it is complete.
#ifndef LWALL_DRIVER_RUN_FILES_H_
#define LWALL_DRIVER_RUN_FILES_H_

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace lwall {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The file `name` of `directory` ("" for the current one).
std::string PathIn(const std::string& directory, std::string_view name);

// Opens an output for writing, emptying it: the sheet's two files are opened
// so, before anything is read, as the programs that call lwall expect.
std::FILE* OpenOutput(const std::string& path);
// Opens an input for reading; a directory does not count as a readable file.
File OpenInput(const std::string& path);

enum class ReplaceResult { kDone, kCannotCreate, kCannotWrite };
// Writes `contents` to a new file beside `path` and renames it over `path`
// once it is complete and closed; on any failure the new file is removed and
// whatever was at `path` before is left as it was.
ReplaceResult ReplaceFile(const std::string& path, std::string_view contents);

}  // namespace lwall

#endif  // LWALL_DRIVER_RUN_FILES_H_
