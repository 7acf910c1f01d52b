// The platform on Windows: the code page API, the console, the wide-character
// command line and file names.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
// _get_osfhandle, _open_osfhandle, _fstat64.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cwchar>

#include "platform/platform.h"

namespace lwall::platform {

namespace {

constexpr UINT kShiftJis = 932;
constexpr wchar_t kReplacement = 0xFFFD;

// `text` (UTF-8 unless another code page is named) in UTF-16.
std::wstring Widen(std::string_view text, UINT code_page = CP_UTF8) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), length);
  return wide;
}

// `wide` in `code_page`; a character the code page lacks becomes its
// default character ("?").
std::string Narrow(std::wstring_view wide, UINT code_page) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

// The console `out` writes to, or null when it writes to a file or a pipe.
HANDLE ConsoleOf(std::FILE* out) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(out)));
  DWORD mode = 0;
  if (handle == INVALID_HANDLE_VALUE || GetConsoleMode(handle, &mode) == 0) return nullptr;
  return handle;
}

}  // namespace

std::optional<std::string> ShiftJisToUtf8(std::string_view text) {
  bool ascii = true;
  for (const char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::string(text);
  if (!IsValidCodePage(kShiftJis)) return std::nullopt;

  // Character by character, so that a byte that begins none is replaced
  // alone and the conversion goes on after it.
  std::wstring wide;
  wide.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      wide += static_cast<wchar_t>(byte);
      ++i;
      continue;
    }
    const int length = IsDBCSLeadByteEx(kShiftJis, byte) && i + 1 < text.size() ? 2 : 1;
    wchar_t character[2];
    const int converted =
        MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, text.data() + i, length, character, 2);
    if (converted <= 0) {
      wide += kReplacement;
      ++i;
    } else {
      wide.append(character, static_cast<std::size_t>(converted));
      i += static_cast<std::size_t>(length);
    }
  }
  return Narrow(wide, CP_UTF8);
}

std::string CharacterLocaleCodeset() {
  return "";
}

std::string SystemLanguage() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? "ja_JP" : "";
}

std::string SystemCodeset(std::FILE* out) {
  if (ConsoleOf(out) != nullptr && GetConsoleOutputCP() == CP_UTF8) return "UTF-8";
  return "CP932";
}

bool MessagesInUtf8(std::FILE* out) {
  return ConsoleOf(out) != nullptr && GetConsoleOutputCP() == CP_UTF8;
}

bool WriteMessage(std::FILE* out, std::string_view text, bool utf8) {
  const HANDLE console = ConsoleOf(out);
  // A file or a pipe gets the bytes; the stream's text mode turns each "\n"
  // into CR LF.
  if (console == nullptr) {
    return std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
  }
  // A C runtime may convert the bytes it writes to a console once more (by
  // its own locale, not by the console's code page), so the console is given
  // the characters, decoded as the bytes were encoded.
  if (std::fflush(out) != 0) return false;
  std::wstring lines;
  for (const wchar_t c : Widen(text, utf8 ? CP_UTF8 : kShiftJis)) {
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  DWORD written = 0;
  return lines.empty() || (WriteConsoleW(console, lines.data(), static_cast<DWORD>(lines.size()),
                                         &written, nullptr) != 0 &&
                           written == lines.size());
}

std::vector<std::string> Arguments(int argc, char* argv[]) {
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) {  // out of memory: the arguments in the ANSI code page
    for (int i = 1; i < argc; ++i) arguments.push_back(Narrow(Widen(argv[i], CP_ACP), CP_UTF8));
    return arguments;
  }
  for (int i = 1; i < count; ++i) arguments.push_back(Narrow(wide[i], CP_UTF8));
  LocalFree(wide);
  return arguments;
}

std::string ArgumentInMessages(std::string_view argument, bool utf8) {
  if (utf8) return std::string(argument);
  return Narrow(Widen(argument), kShiftJis);
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
  std::FILE* file = _wfopen(Widen(path).c_str(), Widen(mode).c_str());
  if (file == nullptr) return nullptr;
  struct _stat64 info {};
  const int error = _fstat64(_fileno(file), &info) != 0    ? errno
                    : (info.st_mode & _S_IFMT) == _S_IFDIR ? EISDIR
                                                           : 0;
  if (error == 0) return file;
  std::fclose(file);
  errno = error;
  return nullptr;
}

std::FILE* CreateNewFile(const std::string& path) {
  const HANDLE handle = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    errno = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? EEXIST : EACCES;
    return nullptr;
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
  if (fd < 0) {
    CloseHandle(handle);
    return nullptr;
  }
  std::FILE* file = _fdopen(fd, "wb");
  if (file == nullptr) _close(fd);
  return file;
}

bool RenameOver(const std::string& from, const std::string& to) {
  if (MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0) {
    return true;
  }
  errno = KindOf(to) == PathKind::kDirectory ? EISDIR : EACCES;
  return false;
}

bool RemoveFile(const std::string& path) {
  return _wremove(Widen(path).c_str()) == 0;
}

unsigned long ProcessId() {
  return GetCurrentProcessId();
}

std::string JoinPath(const std::string& directory, std::string_view name) {
  if (directory.empty()) return std::string(name);
  // "C:" names the current directory of drive C, so nothing goes between.
  const char last = directory.back();
  const bool separated = last == '/' || last == '\\' || (directory.size() == 2 && last == ':');
  return directory + (separated ? "" : "\\") + std::string(name);
}

PathKind KindOf(const std::string& path) {
  // GetFileAttributesW, unlike _wstat, takes "DIR\" as the directory DIR,
  // which is how the command prompt completes a directory name.
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    errno = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                    error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH
                ? ENOENT
            : error == ERROR_ACCESS_DENIED ? EACCES
                                           : EIO;
    return PathKind::kNone;
  }
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::kDirectory : PathKind::kOther;
}

}  // namespace lwall::platform
