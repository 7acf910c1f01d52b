// The catalogs linked into the program: lookups and placeholders, and that
// every English text of the program has its Japanese form, in both
// encodings, in a catalog the gettext tools accept.
#include "common/catalog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/program_run.h"
#include "support/shift_jis_text.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

std::string Utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

const std::string kSourceDir = LWALL_TESTS_DIR "/..";

TEST(Catalog, EnglishIsTheProgramsOwnText) {
  const Catalog english;
  EXPECT_EQ(english.language(), "");
  EXPECT_EQ(english.Translate("Usage: lwall [OPTION]... [DIR]...\n"),
            "Usage: lwall [OPTION]... [DIR]...\n");
  EXPECT_EQ(english.Format("unknown option '%s'", {"-x"}), "unknown option '-x'");
  EXPECT_FALSE(english.Has("unknown option '%s'"));
  // A language the program has no catalog for, or an encoding it has none
  // in, is English too.
  EXPECT_FALSE(Catalog::Exists("de", TextEncoding::kUtf8));
  EXPECT_EQ(Catalog("de", TextEncoding::kUtf8).language(), "");
  EXPECT_EQ(Catalog("", TextEncoding::kUtf8).language(), "");
}

TEST(Catalog, JapaneseInUtf8AndShiftJis) {
  const Catalog utf8("ja", TextEncoding::kUtf8);
  const Catalog sjis("ja", TextEncoding::kShiftJis);
  EXPECT_EQ(utf8.language(), "ja");
  EXPECT_EQ(sjis.encoding(), TextEncoding::kShiftJis);
  const std::string usage = Utf8(u8"使い方: lwall [オプション]... [DIR]...\n");
  EXPECT_EQ(utf8.Translate("Usage: lwall [OPTION]... [DIR]...\n"), usage);
  // "使い方" in code page 932.
  const std::string_view shift_jis = sjis.Translate("Usage: lwall [OPTION]... [DIR]...\n");
  EXPECT_TRUE(shift_jis.starts_with("\x8E\x67\x82\xA2\x95\xFB: lwall")) << shift_jis;
  EXPECT_EQ(shift_jis, testing::Sjis(usage));
  EXPECT_EQ(utf8.Format("unknown option '%s'", {"-x"}), Utf8(u8"不明なオプション '-x' です"));
  // Not in the catalog: the English text, placeholders filled.
  EXPECT_EQ(utf8.Translate("no such text"), "no such text");
  EXPECT_EQ(utf8.Format("no %s text", {"such"}), "no such text");
  EXPECT_EQ(utf8.Translate(""), "");
}

TEST(Catalog, PlaceholdersInOrderOrByPosition) {
  const Catalog english;
  EXPECT_EQ(english.Format("%s, then %s", {"a", "b"}), "a, then b");
  // A translation may need the arguments in another order.
  EXPECT_EQ(english.Format("%2$s before %1$s", {"a", "b"}), "b before a");
  EXPECT_EQ(english.Format("100%% of %s", {"it"}), "100% of it");
  // Anything else stays as written; a missing argument gives nothing.
  EXPECT_EQ(english.Format("%d %5s %0$s %", {}), "%d %5s %0$s %");
  EXPECT_EQ(english.Format("%s and %s and %3$s", {"a"}), "a and  and ");
  // An argument is put in as it stands, placeholders and all.
  EXPECT_EQ(english.Format("%s!", {"%s%2$s"}), "%s%2$s!");
}

TEST(Catalog, CountsInEnglishAndJapanese) {
  const Catalog english;
  EXPECT_EQ(english.TranslateCount("{count} error", "{count} errors", 1), "{count} error");
  EXPECT_EQ(english.TranslateCount("{count} error", "{count} errors", 0), "{count} errors");
  EXPECT_EQ(english.TranslateCount("{count} error", "{count} errors", 2), "{count} errors");
  // Japanese has one form for every count.
  const Catalog japanese("ja", TextEncoding::kUtf8);
  for (const std::int64_t count : {0, 1, 2, 11}) {
    EXPECT_EQ(japanese.TranslateCount("{count} error", "{count} errors", count),
              Utf8(u8"エラー {count} 件"));
  }
  // Not in the catalog: English forms, chosen as in English.
  EXPECT_EQ(japanese.TranslateCount("%s file", "%s files", 2), "%s files");
}

// Runs a shell command; its standard output, or nullopt when it failed.
std::optional<std::string> Output(const std::string& command, const std::string& file) {
  const int status = std::system((command + " > '" + file + "'").c_str());
  std::string text = testing::ReadFileText(file);
  std::filesystem::remove(file);
  if (status != 0) return std::nullopt;
  return text;
}

// The catalogs against the program's sources, as the gettext tools see them.
class CatalogFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    template_ = (dir_.path() / "lwall.pot").string();
    ASSERT_EQ(std::system(("bash '" + kSourceDir + "/scripts/update-catalogs.sh' --template '" +
                           template_ + "' 2>&1")
                              .c_str()),
              0);
  }

  std::string Run(const std::string& command) {
    const std::optional<std::string> out = Output(command, (dir_.path() / "out").string());
    EXPECT_TRUE(out.has_value()) << command;
    return out.value_or("");
  }

  testing::TempDir dir_;
  std::string template_;
};

TEST_F(CatalogFiles, EveryEnglishTextHasItsJapaneseForm) {
  const std::string ja = kSourceDir + "/po/ja.po";
  // msgfmt accepts it: header, and the placeholders of every translation.
  Run("msgfmt --check --output-file=/dev/null '" + ja + "'");
  // msgmerge takes it with the texts of today's sources; then no text is
  // left untranslated or to be reviewed, and none is kept that the program
  // no longer has.
  const std::string merged = (dir_.path() / "merged.po").string();
  Run("msgmerge --quiet --no-fuzzy-matching --output-file='" + merged + "' '" + ja + "' '" +
      template_ + "'");
  EXPECT_EQ(Run("msgattrib --untranslated --no-obsolete '" + merged + "'"), "");
  EXPECT_EQ(Run("msgattrib --only-fuzzy --no-obsolete '" + merged + "'"), "");
  EXPECT_EQ(Run("msgattrib --only-obsolete '" + merged + "'"), "");
}

TEST_F(CatalogFiles, TheProgramCarriesEveryTranslationInBothEncodings) {
  // Every msgid the sources look up, one a line (none holds a NUL byte).
  const std::string ids =
      Run("msgexec --input='" + template_ + "' sh -c 'printf \"%s\\0\" \"$MSGEXEC_MSGID\"'");
  std::vector<std::string> english;
  for (std::size_t start = 0, end; (end = ids.find('\0', start)) != std::string::npos;
       start = end + 1) {
    if (end > start) english.push_back(ids.substr(start, end - start));
  }
  EXPECT_GE(english.size(), 9u);
  const Catalog utf8("ja", TextEncoding::kUtf8);
  const Catalog sjis("ja", TextEncoding::kShiftJis);
  for (const std::string& text : english) {
    EXPECT_TRUE(utf8.Has(text)) << text;
    EXPECT_TRUE(sjis.Has(text)) << text;
    EXPECT_EQ(sjis.Translate(text), testing::Sjis(utf8.Translate(text))) << text;
  }
}

}  // namespace
}  // namespace lwall
