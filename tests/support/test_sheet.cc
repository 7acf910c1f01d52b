// Test support implementation.
#include "support/test_sheet.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "input/design_reader.h"
#include "input/layer_reader.h"

namespace lwall::testing {

std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string ExampleDesignText() {
  return ReadFileText(std::string(LWALL_EXAMPLES_DIR) + "/standard/tempoL.dat");
}

std::string ExampleLayerText() {
  return ReadFileText(std::string(LWALL_EXAMPLES_DIR) + "/standard/GasouL.dat");
}

TestSheet::TestSheet(bool with_example_design) {
  run_.layers = ReadLayerTable(ExampleLayerText());
  if (with_example_design) run_.design = ReadDesignData(ExampleDesignText());
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string DxfEntity::Get(int code) const {
  for (const auto& [c, v] : groups) {
    if (c == code) return v;
  }
  return "";
}

double DxfEntity::Number(int code) const {
  return std::strtod(Get(code).c_str(), nullptr);
}

namespace {

std::vector<DxfEntity> Parse(const std::vector<std::string>& lines, std::size_t i) {
  std::vector<DxfEntity> entities;
  while (i < lines.size()) {
    if (lines[i] == "ENDSEC" || lines[i] == "EOF") break;
    DxfEntity e;
    e.type = lines[i++];
    while (i + 1 < lines.size() && lines[i] != "0") {
      e.groups.emplace_back(std::atoi(lines[i].c_str()), lines[i + 1]);
      i += 2;
    }
    ++i;  // the "0" that introduces the next record
    entities.push_back(std::move(e));
  }
  return entities;
}

}  // namespace

std::vector<DxfEntity> ParseEntities(const std::string& bytes) {
  return Parse(SplitLines(bytes), 0);
}

std::vector<DxfEntity> ParseFileEntities(const std::string& file_bytes) {
  const std::vector<std::string> lines = SplitLines(file_bytes);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i] == "ENTITIES" && lines[i + 1] == "0") return Parse(lines, i + 2);
  }
  return {};
}

}  // namespace lwall::testing
