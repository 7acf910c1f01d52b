// Opening and replacing the files of a run.
#include "driver/run_files.h"

#include <cerrno>
#include <cstdio>

#include "platform/platform.h"

namespace lwall {

std::string PathIn(const std::string& directory, std::string_view name) {
  return platform::JoinPath(directory, name);
}

std::FILE* OpenOutput(const std::string& path) {
  return platform::OpenFile(path, "wb");
}

File OpenInput(const std::string& path) {
  return File(platform::OpenFile(path, "rb"));
}

namespace {

// Creates a file of its own beside `path`: "PATH.tmpPID" and, should that be
// taken, a number after it. Its permissions are those a plain new file gets,
// so the renamed file has the permissions an overwritten one had.
File CreateBeside(const std::string& path, std::string& created) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    created = path + ".tmp" + std::to_string(platform::ProcessId());
    if (attempt > 0) created += "-" + std::to_string(attempt);
    File file(platform::CreateNewFile(created));
    if (file || errno != EEXIST) return file;
  }
  return nullptr;
}

}  // namespace

ReplaceResult ReplaceFile(const std::string& path, std::string_view contents) {
  std::string temporary;
  File file = CreateBeside(path, temporary);
  if (!file) return ReplaceResult::kCannotCreate;
  bool written = std::fwrite(contents.data(), 1, contents.size(), file.get()) == contents.size();
  written = std::fclose(file.release()) == 0 && written;
  if (written && platform::RenameOver(temporary, path)) return ReplaceResult::kDone;
  // A directory where the file should be: the file cannot be made at all.
  const bool blocked = written && errno == EISDIR;
  platform::RemoveFile(temporary);
  return blocked ? ReplaceResult::kCannotCreate : ReplaceResult::kCannotWrite;
}

}  // namespace lwall
