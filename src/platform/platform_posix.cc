// The platform on POSIX systems: the terminal and its locale, file names as
// bytes. The Shift-JIS converter is iconv's (shift_jis_iconv.cc), or the
// browser's in the studio's build.
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>

#include "platform/platform.h"

namespace lwall::platform {

bool IsUtf8Codeset(std::string_view codeset) {
  // nl_langinfo spells it "UTF-8"; some systems say "utf8".
  std::string name;
  for (const char c : codeset) {
    if (c != '-' && c != '_') name += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  }
  return name == "UTF8";
}

std::string CharacterLocaleCodeset() {
  const char* current = std::setlocale(LC_CTYPE, nullptr);
  const std::string previous = current != nullptr ? current : "C";
  std::string codeset;
  if (std::setlocale(LC_CTYPE, "") != nullptr) codeset = nl_langinfo(CODESET);
  std::setlocale(LC_CTYPE, previous.c_str());
  return codeset;
}

std::string SystemLanguage() {
  return "";
}

std::string SystemCodeset(std::FILE* /*out*/) {
  return "";
}

bool MessagesInUtf8(std::FILE* out) {
  if (isatty(fileno(out)) == 0) return false;
  // Only the character type is taken from the environment: numbers are
  // read and printed by the program's own code, whatever the locale.
  if (std::setlocale(LC_CTYPE, "") == nullptr) return false;
  return IsUtf8Codeset(nl_langinfo(CODESET));
}

bool WriteMessage(std::FILE* out, std::string_view text, bool /*utf8*/) {
  return std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
}

std::vector<std::string> Arguments(int argc, char* argv[]) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  return arguments;
}

std::string ArgumentInMessages(std::string_view argument, bool /*utf8*/) {
  return std::string(argument);
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
  std::FILE* file = std::fopen(path.c_str(), mode);
  if (file == nullptr) return nullptr;
  struct stat info {};
  const int error = fstat(fileno(file), &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
  if (error == 0) return file;
  std::fclose(file);
  errno = error;
  return nullptr;
}

std::FILE* CreateNewFile(const std::string& path) {
  return std::fopen(path.c_str(), "wbx");
}

bool RenameOver(const std::string& from, const std::string& to) {
  if (std::rename(from.c_str(), to.c_str()) == 0) return true;
  // Onto a directory that is not empty, rename says ENOTEMPTY.
  const int error = errno;
  errno = KindOf(to) == PathKind::kDirectory ? EISDIR : error;
  return false;
}

bool RemoveFile(const std::string& path) {
  return std::remove(path.c_str()) == 0;
}

unsigned long ProcessId() {
  return static_cast<unsigned long>(getpid());
}

std::string JoinPath(const std::string& directory, std::string_view name) {
  if (directory.empty()) return std::string(name);
  return directory.back() == '/' ? directory + std::string(name)
                                 : directory + "/" + std::string(name);
}

PathKind KindOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return PathKind::kNone;
  return S_ISDIR(info.st_mode) ? PathKind::kDirectory : PathKind::kOther;
}

}  // namespace lwall::platform
