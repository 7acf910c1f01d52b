// The platform layer as the rest of the program leans on it: Shift-JIS shown
// in UTF-8 whatever the bytes, the UTF-8 locales, paths joined, and files
// that are files.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "support/program_run.h"

namespace lwall::platform {
namespace {

TEST(ShiftJisToUtf8, ConvertsTheSheetsTextsAndMarksDamage) {
  EXPECT_EQ(ShiftJisToUtf8("D-STR 250"), "D-STR 250");
  // "鉄 筋 加 工 表": its last character ends in the byte of a backslash.
  EXPECT_EQ(ShiftJisToUtf8("\x93\x53 \x8B\xD8 \x89\xC1 \x8D\x48 \x95\x5C"),
            "\xE9\x89\x84 \xE7\xAD\x8B \xE5\x8A\xA0 \xE5\xB7\xA5 \xE8\xA1\xA8");
  // Half-width katakana are single bytes: "ｺﾝ".
  EXPECT_EQ(ShiftJisToUtf8("\xBA\xDD"), "\xEF\xBD\xBA\xEF\xBE\x9D");
  // A first byte whose second is no second byte, and one at the very end:
  // each is replaced alone, and what follows is read afresh.
  EXPECT_EQ(ShiftJisToUtf8("\x81 x\x82"), "\xEF\xBF\xBD x\xEF\xBF\xBD");
}

TEST(IsUtf8Codeset, TakesEverySpellingOfUtf8Only) {
  EXPECT_TRUE(IsUtf8Codeset("UTF-8"));
  EXPECT_TRUE(IsUtf8Codeset("utf8"));
  EXPECT_FALSE(IsUtf8Codeset("ANSI_X3.4-1968"));
  EXPECT_FALSE(IsUtf8Codeset("EUC-JP"));
}

TEST(Files, JoinedPathsAndWhatTheyName) {
  EXPECT_EQ(JoinPath("", "tempoL.dat"), "tempoL.dat");
  EXPECT_EQ(JoinPath("wall", "tempoL.dat"), "wall/tempoL.dat");
  EXPECT_EQ(JoinPath("wall/", "tempoL.dat"), "wall/tempoL.dat");

  const testing::TempDir dir;
  const std::string file = (dir.path() / "tempoL.dat").string();
  dir.Write("tempoL.dat", "1");
  EXPECT_EQ(KindOf(dir.path().string()), PathKind::kDirectory);
  EXPECT_EQ(KindOf(file), PathKind::kOther);
  errno = 0;
  EXPECT_EQ(KindOf(file + "x"), PathKind::kNone);
  EXPECT_EQ(errno, ENOENT);

  std::FILE* opened = OpenFile(file, "rb");
  ASSERT_NE(opened, nullptr);
  std::fclose(opened);
  // A new file is new, or nothing; a file renamed over another replaces it,
  // never a directory.
  errno = 0;
  EXPECT_EQ(CreateNewFile(file), nullptr);
  EXPECT_EQ(errno, EEXIST);
  const std::string fresh = file + ".new";
  std::FILE* created = CreateNewFile(fresh);
  ASSERT_NE(created, nullptr);
  std::fputs("2", created);
  std::fclose(created);
  EXPECT_FALSE(RenameOver(fresh, dir.path().string()));
  EXPECT_EQ(errno, EISDIR);
  EXPECT_TRUE(RenameOver(fresh, file));
  EXPECT_EQ(dir.Read("tempoL.dat"), "2");
  EXPECT_FALSE(RemoveFile(fresh));

  // A directory opens as no file, to read or to write.
  for (const char* mode : {"rb", "wb"}) {
    errno = 0;
    EXPECT_EQ(OpenFile(dir.path().string(), mode), nullptr) << mode;
    EXPECT_EQ(errno, EISDIR) << mode;
  }
}

}  // namespace
}  // namespace lwall::platform
