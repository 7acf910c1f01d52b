// The portable DXF form: the plain sheet with a header, a viewport and named
// text styles, read by ezdxf with no help (portable_dxf_check.py).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "conformance/bundled_designs.h"
#include "support/program_run.h"
#include "support/test_sheet.h"

namespace lwall::testing {
namespace {

constexpr std::string_view kTables = "0\r\nSECTION\r\n2\r\nTABLES\r\n";
constexpr std::string_view kLtype = "0\r\nTABLE\r\n2\r\nLTYPE\r\n";
constexpr std::string_view kEmptyStyle = "\r\n7\r\n\r\n72\r\n";
constexpr std::string_view kStandardStyle = "\r\n7\r\nSTANDARD\r\n72\r\n";

// The plain file as the portable form writes it: empty style names named.
std::string WithNamedStyles(std::string plain) {
  for (std::size_t at; (at = plain.find(kEmptyStyle)) != std::string::npos;) {
    plain.replace(at, kEmptyStyle.size(), kStandardStyle);
  }
  return plain;
}

class PortableDxf : public ::testing::TestWithParam<const char*> {};

TEST_P(PortableDxf, IsThePlainSheetWithAHeadAReaderNeedsNoHelpWith) {
  TempDir dir;
  dir.CopyExample(GetParam());
  ASSERT_EQ(RunProgramIn(dir).status, 0);
  const std::string plain = dir.Read("Lwall.dxf");
  const std::string script = dir.Read("tempoL.scr");
  const ProgramResult result = RunProgramIn(dir, {"--portable-dxf"});
  ASSERT_EQ(result.status, 0) << result.output;
  const std::string portable = dir.Read("Lwall.dxf");

  // Head: the header section, then the tables with the viewport first.
  ASSERT_TRUE(
      portable.starts_with("0\r\nSECTION\r\n2\r\nHEADER\r\n9\r\n$ACADVER\r\n1\r\nAC1009\r\n"));
  const std::size_t tables = portable.find(kTables);
  ASSERT_NE(tables, std::string::npos);
  EXPECT_TRUE(portable.substr(tables + kTables.size()).starts_with("0\r\nTABLE\r\n2\r\nVPORT\r\n"));
  // From the linetype table on, every byte is the plain file's.
  const std::size_t ltype = portable.find(kLtype);
  ASSERT_NE(ltype, std::string::npos);
  EXPECT_TRUE(plain.starts_with(std::string(kTables)));
  EXPECT_EQ(portable.substr(ltype), WithNamedStyles(plain.substr(kTables.size())));
  EXPECT_EQ(dir.Read("tempoL.scr"), script);

  const std::string command = "/usr/bin/python3 '" LWALL_TESTS_DIR
                              "/conformance/portable_dxf_check.py' '" +
                              (dir.path() / "Lwall.dxf").string() + "' > '" +
                              (dir.path() / "reader.txt").string() + "' 2>&1";
  const int raw = std::system(command.c_str());
  const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  const std::string report = dir.Has("reader.txt") ? dir.Read("reader.txt") : "";
  if (status == 77 || status == 126 || status == 127) GTEST_SKIP() << "no ezdxf: " << report;
  EXPECT_EQ(status, 0) << report;
}

INSTANTIATE_TEST_SUITE_P(Examples, PortableDxf, ::testing::ValuesIn(kBundledDesigns));

}  // namespace
}  // namespace lwall::testing
