// The layers of the code lean only downwards: driver and studio, check,
// drawings and tables, kernel, output, input, common. A header that includes one of a
// higher layer, or two folders that include each other, fail here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The layer of each folder under src/, from the bottom. The studio is a
// face of the program as the command line is, over the same run.
const std::map<std::string, int> kLayers = {
    {"common", 0},
    {"input", 1},
    {"output", 2},
    {"kernel", 3},
    {"tables", 4},
    {"drawings/arrangement", 4},
    {"drawings/assembly", 4},
    {"check", 5},
    {"driver", 6},
    // What differs between systems: the driver's to use and to hand down.
    {"platform", 6},
    {"studio", 6},
};

// Folder to the folders its files include.
std::map<std::string, std::set<std::string>> FolderIncludes() {
  const fs::path src = fs::path(LWALL_TESTS_DIR) / ".." / "src";
  std::map<std::string, std::set<std::string>> includes;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const std::string folder = fs::relative(entry.path().parent_path(), src).generic_string();
    std::ifstream in(entry.path());
    for (std::string line; std::getline(in, line);) {
      if (!line.starts_with("#include \"")) continue;
      const std::string target = line.substr(10, line.find('"', 10) - 10);
      const std::string target_folder = fs::path(target).parent_path().generic_string();
      includes[folder].insert(target_folder);
    }
  }
  return includes;
}

TEST(IncludeLayers, NoIncludeRunsUpwards) {
  for (const auto& [folder, targets] : FolderIncludes()) {
    ASSERT_TRUE(kLayers.count(folder)) << "src/" << folder << " has no place among the layers";
    for (const std::string& target : targets) {
      ASSERT_TRUE(kLayers.count(target)) << target;
      EXPECT_LE(kLayers.at(target), kLayers.at(folder)) << folder << " includes " << target;
    }
  }
}

TEST(IncludeLayers, NoTwoFoldersIncludeEachOther) {
  const auto includes = FolderIncludes();
  // Folders whose includes all lead to folders already taken out, over and
  // over: whatever is left lies on a cycle.
  std::set<std::string> left;
  for (const auto& [folder, targets] : includes) left.insert(folder);
  for (bool removed = true; removed;) {
    removed = false;
    for (auto it = left.begin(); it != left.end();) {
      bool leaf = true;
      for (const std::string& target : includes.at(*it)) {
        leaf = leaf && (target == *it || !left.count(target));
      }
      if (leaf) {
        it = left.erase(it);
        removed = true;
      } else {
        ++it;
      }
    }
  }
  EXPECT_TRUE(left.empty()) << "a cycle through src/" << *left.begin();
}

}  // namespace
