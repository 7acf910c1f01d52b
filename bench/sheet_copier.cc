// The floor the benchmark holds lwall against: a program that only copies
// finished sheets. For each pair FROM TO it writes the "Lwall.dxf" and
// "tempoL.scr" of directory FROM into directory TO, each file opened,
// written and closed as lwall does; a FROM named again is not read again.
// It draws nothing and reads no design, so no program that writes the same
// sheets can do less.
//
// Usage: lwall_sheet_copier FROM TO [FROM TO]...
#include <cstdio>
#include <map>
#include <string>
#include <utility>

namespace {

constexpr const char* kSheetFiles[] = {"Lwall.dxf", "tempoL.scr"};

bool ReadFile(const std::string& path, std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  char block[1 << 16];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, file)) > 0) bytes.append(block, got);
  const bool read = std::ferror(file) == 0;
  return std::fclose(file) == 0 && read;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3 || argc % 2 == 0) {
    std::fputs("usage: lwall_sheet_copier FROM TO [FROM TO]...\n", stderr);
    return 64;
  }
  std::map<std::string, std::pair<std::string, std::string>> sheets;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string from = argv[i];
    const std::string to = argv[i + 1];
    auto [sheet, fresh] = sheets.try_emplace(from);
    auto& [dxf, script] = sheet->second;
    if (fresh && !(ReadFile(from + "/" + kSheetFiles[0], dxf) &&
                   ReadFile(from + "/" + kSheetFiles[1], script))) {
      std::fprintf(stderr, "lwall_sheet_copier: cannot read the sheet of %s\n", from.c_str());
      return 1;
    }
    if (!WriteFile(to + "/" + kSheetFiles[0], dxf) ||
        !WriteFile(to + "/" + kSheetFiles[1], script)) {
      std::fprintf(stderr, "lwall_sheet_copier: cannot write into %s\n", to.c_str());
      return 1;
    }
  }
  return 0;
}
