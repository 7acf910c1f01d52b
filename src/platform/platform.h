// What differs between the systems lwall runs on, behind one interface: the
// Shift-JIS converter, whether a person reads the messages in UTF-8, the
// command line's and the file names' encoding, and opening files. One
// implementation is chosen at build time (platform_posix.cc with iconv's
// converter in shift_jis_iconv.cc, or platform_windows.cc; the browser
// studio's build takes the browser's decoder for iconv's); no other code
// asks which system it runs on.
//
// Names of files and directories are strings in the arguments' form: the
// bytes as given on POSIX systems, UTF-8 on Windows (where they come from the
// wide-character command line, so that a name in any script works).
#ifndef LWALL_PLATFORM_PLATFORM_H_
#define LWALL_PLATFORM_PLATFORM_H_

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lwall::platform {

// The sheet's Shift-JIS (code page 932) text in UTF-8, for the places people
// read it: a terminal, the picture. A byte that does not begin a valid
// character becomes U+FFFD and the conversion goes on after it, so any bytes
// give valid UTF-8. Nothing when the text is not plain ASCII and the system
// has no converter (iconv's CP932 module missing or failing to load): the
// caller decides what a text it cannot show is worth.
std::optional<std::string> ShiftJisToUtf8(std::string_view text);

// Whether the messages written to `out` are read in UTF-8: on a terminal
// whose locale uses UTF-8 (POSIX), on a console whose output code page is
// 65001 (Windows). Pipes, files and every other terminal or console get the
// Shift-JIS bytes, which the programs that call lwall expect.
bool MessagesInUtf8(std::FILE* out);

// Writes the message text `text` (UTF-8 when `utf8`, else Shift-JIS) to
// `out` and flushes it; false when it could not be written. Each "\n" ends
// a line as the system's console programs end one (CR LF on Windows). A
// Windows console is given the characters themselves, so that it shows them
// whatever the C runtime would make of the bytes.
bool WriteMessage(std::FILE* out, std::string_view text, bool utf8);

// The codeset of the environment's character locale as the C library has
// it ("UTF-8"), "" where the system has no such locale installed or keeps
// its encoding elsewhere (Windows). The program's own locale is left as it
// was: numbers are read and printed the same in every locale.
std::string CharacterLocaleCodeset();

// What the system says of the user's language and encoding apart from the
// environment: on Windows the user's interface language ("ja_JP" for
// Japanese) and the output code page of the console `out` ("CP932",
// "UTF-8"; "CP932" as well for a pipe or a file, as the messages go there);
// "" for both on POSIX, which says everything through the environment.
std::string SystemLanguage();
std::string SystemCodeset(std::FILE* out);

// Whether `codeset`, as nl_langinfo(CODESET) names it, is UTF-8 (POSIX).
bool IsUtf8Codeset(std::string_view codeset);

// The program's arguments after the program name, in the arguments' form.
std::vector<std::string> Arguments(int argc, char* argv[]);

// `argument` (a name the user gave) as bytes to print among the messages:
// as it came on POSIX, where it is already in the terminal's own encoding;
// on Windows in UTF-8 when `utf8`, else in code page 932 like the messages.
std::string ArgumentInMessages(std::string_view argument, bool utf8);

// Opens the file `path` as std::fopen does with `mode` ("rb", "wb"). A
// directory is not a file: it does not open, in any mode.
std::FILE* OpenFile(const std::string& path, const char* mode);

// Creates the file `path` for writing, in binary; nothing, with errno
// EEXIST, when something of that name is there already.
std::FILE* CreateNewFile(const std::string& path);

// Renames the file `from` to `to`, replacing a file there; false when it
// cannot, with errno EISDIR when `to` is a directory.
bool RenameOver(const std::string& from, const std::string& to);

// Removes the file `path`; false when it cannot.
bool RemoveFile(const std::string& path);

// The number of this process, which no other running process has.
unsigned long ProcessId();

// The file `name` in `directory` ("": the current one).
std::string JoinPath(const std::string& directory, std::string_view name);

enum class PathKind { kNone, kDirectory, kOther };
// What `path` names; with kNone, errno tells why there is nothing to see.
PathKind KindOf(const std::string& path);

}  // namespace lwall::platform

#endif  // LWALL_PLATFORM_PLATFORM_H_
