// The DXF files of the bundled designs as read by ezdxf, a DXF reader that
// nobody on this project wrote (dxf_reader_check.py beside this file): read
// in code page 932, audited, every entity on a layer of the LAYER table,
// inside the sheet frame, its texts decoded, the sheet's titles present, and
// as many entities of each type as the file holds.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

#include "conformance/bundled_designs.h"
#include "support/program_run.h"
#include "support/test_sheet.h"

namespace lwall::testing {
namespace {

// Debian's Python, the one its python3-ezdxf package installs into; another
// Python first on the PATH would not see it.
constexpr const char* kPython = "/usr/bin/python3";
constexpr int kReaderMissing = 77;

struct ReaderVerdict {
  int status = -1;
  std::string report;
};

ReaderVerdict ReadWithEzdxf(const TempDir& dir, const std::string& design) {
  const std::string command = std::string(kPython) +
                              " '" LWALL_TESTS_DIR "/conformance/dxf_reader_check.py' --design '" +
                              design + "' '" + (dir.path() / "Lwall.dxf").string() + "' > '" +
                              (dir.path() / "reader.txt").string() + "' 2>&1";
  const int raw = std::system(command.c_str());
  ReaderVerdict verdict;
  verdict.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  if (dir.Has("reader.txt")) verdict.report = dir.Read("reader.txt");
  // 126 and 127: the shell found no Python to run.
  if (verdict.status == 126 || verdict.status == 127) verdict.status = kReaderMissing;
  return verdict;
}

// "count TYPE N" lines of the reader's report.
std::map<std::string, int> ReaderCounts(const std::string& report) {
  std::map<std::string, int> counts;
  std::istringstream lines(report);
  std::string word, type;
  int n = 0;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    if (fields >> word >> type >> n && word == "count") counts[type] = n;
  }
  return counts;
}

class BundledDesignDxf : public ::testing::TestWithParam<const char*> {};

TEST_P(BundledDesignDxf, IsReadByEzdxfAsWritten) {
  TempDir dir;
  dir.CopyExample(GetParam());
  const ProgramResult result = RunProgramIn(dir);
  ASSERT_EQ(result.status, 0) << result.output;

  const ReaderVerdict verdict = ReadWithEzdxf(dir, GetParam());
  if (verdict.status == kReaderMissing) GTEST_SKIP() << "ezdxf not installed: " << verdict.report;
  EXPECT_EQ(verdict.status, 0) << verdict.report;

  std::map<std::string, int> written;
  for (const DxfEntity& e : ParseFileEntities(dir.Read("Lwall.dxf"))) ++written[e.type];
  EXPECT_EQ(ReaderCounts(verdict.report), written);
}

INSTANTIATE_TEST_SUITE_P(Examples, BundledDesignDxf, ::testing::ValuesIn(kBundledDesigns));

// The reader check itself: faults planted into a good file are reported.
TEST(ReaderCheck, ReportsFaultsPlantedIntoAGoodFile) {
  TempDir dir;
  dir.CopyExample();
  ASSERT_EQ(RunProgramIn(dir).status, 0);
  const std::string good = dir.Read("Lwall.dxf");
  ASSERT_NE(good.find("\r\nLINE\r\n8\r\nD-STR-STR1\r\n"), std::string::npos);
  if (ReadWithEzdxf(dir, "standard").status == kReaderMissing)
    GTEST_SKIP() << "ezdxf not installed";

  const auto planted = [&](const std::string& from, const std::string& to) {
    std::string bad = good;
    const std::size_t at = bad.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) bad.replace(at, from.size(), to);
    dir.Write("Lwall.dxf", bad);
    return ReadWithEzdxf(dir, "standard");
  };
  struct Case {
    std::string from, to, fault;
  };
  const Case cases[] = {
      {"\r\nLINE\r\n8\r\nD-STR-STR1\r\n", "\r\nLINE\r\n8\r\nD-NONE\r\n", "not in the LAYER table"},
      {"\r\nLINE\r\n8\r\nD-STR-STR1\r\n62\r\n", "\r\nLINE\r\n8\r\nD-STR-STR1\r\n62\r\n-",
       "audit fix"},  // a negative colour the audit mends
      {"\r\n10\r\n", "\r\n10\r\n-", "outside the sheet frame"},
      {"\x81\x40", "\x81\x20", "UnicodeDecodeError"},  // an ideographic space cut in half
      {"ENDSEC\r\n0\r\nEOF\r\n", "ENDSEC\r\n", "does not end with ENDSEC and EOF"},
  };
  for (const Case& c : cases) {
    const ReaderVerdict verdict = planted(c.from, c.to);
    EXPECT_EQ(verdict.status, 1) << c.to << "\n" << verdict.report;
    EXPECT_NE(verdict.report.find(c.fault), std::string::npos) << c.to << "\n" << verdict.report;
  }
}

}  // namespace
}  // namespace lwall::testing
