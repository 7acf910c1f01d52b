// Opening and replacing the files of a run.
#include "driver/run_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace lwall {

std::string PathIn(const std::string& directory, std::string_view name) {
  if (directory.empty()) return std::string(name);
  std::string path = directory;
  if (path.back() != '/') path += '/';
  return path += name;
}

std::FILE* OpenOutput(const std::string& path) {
  return std::fopen(path.c_str(), "wb");
}

File OpenInput(const std::string& path) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return nullptr;
  struct stat info {};
  if (fstat(fileno(file.get()), &info) != 0 || S_ISDIR(info.st_mode)) return nullptr;
  return file;
}

namespace {

// Creates a file of its own beside `path`: "PATH.tmpPID" and, should that be
// taken, a number after it. The mode follows the umask, as a plain fopen's
// does, so the renamed file has the permissions an overwritten one had.
int CreateBeside(const std::string& path, std::string& created) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    created = path + ".tmp" + std::to_string(getpid());
    if (attempt > 0) created += "-" + std::to_string(attempt);
    const int fd = open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

ReplaceResult ReplaceFile(const std::string& path, std::string_view contents) {
  std::string temporary;
  const int fd = CreateBeside(path, temporary);
  if (fd < 0) return ReplaceResult::kCannotCreate;
  bool written = true;
  for (std::string_view rest = contents; written && !rest.empty();) {
    const ssize_t n = write(fd, rest.data(), rest.size());
    if (n < 0 && errno == EINTR) continue;
    written = n > 0;
    if (written) rest.remove_prefix(static_cast<std::size_t>(n));
  }
  written = close(fd) == 0 && written;
  if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return ReplaceResult::kDone;
  // A directory where the file should be: the file cannot be made at all.
  const bool blocked = written && errno == EISDIR;
  std::remove(temporary.c_str());
  return blocked ? ReplaceResult::kCannotCreate : ReplaceResult::kCannotWrite;
}

}  // namespace lwall
