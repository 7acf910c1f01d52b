// Test support for the Windows build: runs lwall.exe over many cases in one
// process, so that wine starts once for all of them.
//
//   case_runner LWALL.EXE CASES RESULTS
//
// CASES is UTF-8 text, one case a line, its fields separated by tabs: the
// case's name, where its output goes ("file" or "console:CODEPAGE"), the
// directory to run in, and the arguments. The runner starts LWALL.EXE in that
// directory with those arguments as a wide-character command line, so names
// in any script reach it as they are, and appends "NAME STATUS" to
// RESULTS\statuses.txt.
//
// With "file" the standard output and error go to RESULTS\NAME.out and
// NAME.err, byte for byte. With "console:CODEPAGE" the standard output is a
// fresh console screen buffer whose output code page is CODEPAGE: what the
// console shows is read back and written to NAME.out in UTF-8, one line per
// row, as a person at that console would read it.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::wstring Widen(const std::string& utf8) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), narrow.data(), length,
                      nullptr, nullptr);
  return narrow;
}

// One argument as the command line carries it, for CommandLineToArgvW and
// the C runtime alike: quoted, with the backslashes before a quote doubled.
std::wstring Quoted(const std::wstring& argument) {
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(2 * backslashes, L'\\');
  return out + L"\"";
}

HANDLE CreateOutput(const std::wstring& path) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The rows of `console` as text, blanks at the ends of rows and empty rows at
// the end left out.
std::string ConsoleText(HANDLE console) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  GetConsoleScreenBufferInfo(console, &info);
  std::string text;
  std::string blank_rows;
  for (SHORT row = 0; row <= info.dwCursorPosition.Y; ++row) {
    std::wstring cells(static_cast<std::size_t>(info.dwSize.X), L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(console, cells.data(), info.dwSize.X, COORD{0, row}, &read);
    cells.resize(read);
    while (!cells.empty() && cells.back() == L' ') cells.pop_back();
    if (cells.empty()) {
      blank_rows += "\n";
      continue;
    }
    text += blank_rows + Narrow(cells) + "\n";
    blank_rows.clear();
  }
  return text;
}

// Runs one case; returns its exit status, or -1 when it could not start.
// A console case needs the runner to have a console (under wine: a
// terminal to run in).
long RunCase(const std::wstring& lwall, const std::vector<std::string>& fields,
             const std::wstring& results) {
  const std::wstring name = Widen(fields[0]);
  const std::string& output = fields[1];
  std::wstring command = Quoted(lwall);
  for (std::size_t i = 3; i < fields.size(); ++i) command += L" " + Quoted(Widen(fields[i]));

  HANDLE out = INVALID_HANDLE_VALUE;
  const bool console = output.rfind("console:", 0) == 0;
  if (console) {
    SetConsoleOutputCP(static_cast<UINT>(std::stoul(output.substr(8))));
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    out =
        CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  &inherit, CONSOLE_TEXTMODE_BUFFER, nullptr);
    if (out == INVALID_HANDLE_VALUE) return -1;
  } else {
    out = CreateOutput(results + L"\\" + name + L".out");
  }
  HANDLE err = CreateOutput(results + L"\\" + name + L".err");

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  const std::wstring directory = Widen(fields[2]);
  long status = -1;
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, directory.c_str(),
                     &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    status = static_cast<long>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  if (console) {
    std::ofstream(std::filesystem::path(results + L"\\" + name + L".out"), std::ios::binary)
        << ConsoleText(out);
  }
  CloseHandle(out);
  CloseHandle(err);
  return status;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  if (argc != 4) {
    std::fputs("usage: case_runner LWALL.EXE CASES RESULTS\n", stderr);
    return 64;
  }
  std::ifstream cases(std::filesystem::path(argv[2]), std::ios::binary);
  std::ofstream statuses(std::filesystem::path(argv[3]) / L"statuses.txt", std::ios::binary);
  std::string line;
  int failures = 0;
  while (std::getline(cases, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::vector<std::string> fields;
    std::istringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    if (fields.size() < 3) continue;
    const long status = RunCase(argv[1], fields, argv[3]);
    if (status < 0) ++failures;
    statuses << fields[0] << ' ' << status << '\n';
  }
  return failures == 0 ? 0 : 1;
}
