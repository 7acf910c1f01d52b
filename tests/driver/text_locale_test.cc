// Which catalog the texts for people take in which locale: gettext's choice
// of the language, the codeset of the character locale or of its name.
#include "driver/text_locale.h"

#include <gtest/gtest.h>

namespace lwall {
namespace {

TEST(EncodingOfCodeset, TheSpellingsOfUtf8AndShiftJis) {
  for (const char* utf8 : {"UTF-8", "utf8", "Utf_8"}) {
    EXPECT_EQ(EncodingOfCodeset(utf8), TextEncoding::kUtf8) << utf8;
  }
  for (const char* sjis : {"SJIS", "sjis", "Shift_JIS", "SHIFT-JIS", "CP932", "WINDOWS-31J",
                           "MS_KANJI", "PCK", "932"}) {
    EXPECT_EQ(EncodingOfCodeset(sjis), TextEncoding::kShiftJis) << sjis;
  }
  for (const char* other : {"", "EUC-JP", "eucJP", "ANSI_X3.4-1968", "ISO-8859-1", "UTF-16"}) {
    EXPECT_EQ(EncodingOfCodeset(other), std::nullopt) << other;
  }
}

struct Case {
  LocaleSources sources;
  const char* language;  // "" for English
  TextEncoding encoding = TextEncoding::kUtf8;
};

void ExpectCatalog(const Case& c, int line) {
  const Catalog catalog = ChooseCatalog(c.sources);
  EXPECT_EQ(catalog.language(), c.language) << "case on line " << line;
  if (*c.language != '\0') {
    EXPECT_EQ(catalog.encoding(), c.encoding) << "case on line " << line;
  }
}

LocaleSources Lang(std::string lang) {
  LocaleSources s;
  s.lang = std::move(lang);
  return s;
}

TEST(ChooseCatalog, TheMessageLocaleNamesTheLanguageAndItsNameTheCodeset) {
  // Not installed: the name says it all.
  ExpectCatalog({Lang("ja_JP.UTF-8"), "ja", TextEncoding::kUtf8}, __LINE__);
  ExpectCatalog({Lang("ja_JP.SJIS"), "ja", TextEncoding::kShiftJis}, __LINE__);
  ExpectCatalog({Lang("ja_JP.PCK"), "ja", TextEncoding::kShiftJis}, __LINE__);
  ExpectCatalog({Lang("ja.utf8@modifier"), "ja", TextEncoding::kUtf8}, __LINE__);
  // Japanese that the program cannot write, or a name without a codeset.
  ExpectCatalog({Lang("ja_JP.eucJP"), ""}, __LINE__);
  ExpectCatalog({Lang("ja_JP"), ""}, __LINE__);
  // Other languages, and none.
  ExpectCatalog({Lang("en_US.UTF-8"), ""}, __LINE__);
  ExpectCatalog({Lang("jv_ID.UTF-8"), ""}, __LINE__);
  ExpectCatalog({Lang("C.UTF-8"), ""}, __LINE__);
  ExpectCatalog({LocaleSources{}, ""}, __LINE__);

  // Installed: the C library's codeset decides.
  LocaleSources installed = Lang("ja_JP");
  installed.installed_codeset = "UTF-8";
  ExpectCatalog({installed, "ja", TextEncoding::kUtf8}, __LINE__);
  installed.installed_codeset = "EUC-JP";
  ExpectCatalog({installed, ""}, __LINE__);
  installed.lang = "ja_JP.SJIS";
  installed.installed_codeset = "SHIFT_JIS";
  ExpectCatalog({installed, "ja", TextEncoding::kShiftJis}, __LINE__);
}

TEST(ChooseCatalog, LcAllThenLcMessagesThenLangAndLcCtypeForTheCodeset) {
  LocaleSources s = Lang("ja_JP.UTF-8");
  s.lc_all = "C";
  ExpectCatalog({s, ""}, __LINE__);
  s.lc_all = "";
  s.lc_messages = "en_US.UTF-8";
  ExpectCatalog({s, ""}, __LINE__);

  // Japanese messages, characters from LC_CTYPE or LANG.
  s = Lang("C.UTF-8");
  s.lc_messages = "ja_JP.SJIS";
  ExpectCatalog({s, "ja", TextEncoding::kUtf8}, __LINE__);
  s.lc_ctype = "ja_JP.SJIS";
  ExpectCatalog({s, "ja", TextEncoding::kShiftJis}, __LINE__);
  s.lang = "C";
  s.lc_ctype = "";
  ExpectCatalog({s, ""}, __LINE__);  // plain ASCII characters
  s.lc_all = "ja_JP.UTF-8";
  ExpectCatalog({s, "ja", TextEncoding::kUtf8}, __LINE__);
}

TEST(ChooseCatalog, LanguageListsAsGettextTakesThem) {
  LocaleSources s = Lang("en_US.UTF-8");
  s.language = "ja";
  ExpectCatalog({s, "ja", TextEncoding::kUtf8}, __LINE__);
  s.language = "fr:de_DE:ja_JP";  // the first with a catalog
  ExpectCatalog({s, "ja", TextEncoding::kUtf8}, __LINE__);
  s.language = "::ja";
  ExpectCatalog({s, "ja", TextEncoding::kUtf8}, __LINE__);
  s.language = "en:ja";  // English is the program's own
  ExpectCatalog({s, ""}, __LINE__);
  s.language = "C:ja";
  ExpectCatalog({s, ""}, __LINE__);
  s.language = "fr";
  ExpectCatalog({s, ""}, __LINE__);

  // The list counts only when the message locale is not plain C.
  for (const char* c : {"C", "POSIX"}) {
    s = Lang("C.UTF-8");
    s.lc_messages = c;
    s.language = "ja";
    ExpectCatalog({s, ""}, __LINE__);
  }
  s = Lang("ja_JP.UTF-8");
  s.language = "en";
  ExpectCatalog({s, ""}, __LINE__);
}

TEST(ChooseCatalog, TheSystemsOwnLanguageAndConsoleCodePage) {
  LocaleSources s;
  s.system_language = "ja_JP";
  s.system_codeset = "CP932";
  ExpectCatalog({s, "ja", TextEncoding::kShiftJis}, __LINE__);
  s.system_codeset = "UTF-8";
  ExpectCatalog({s, "ja", TextEncoding::kUtf8}, __LINE__);
  // The environment's message locale comes first; the console's code page
  // decides the encoding whatever the locale's name says.
  s.lang = "C";
  ExpectCatalog({s, ""}, __LINE__);
  s.lang = "ja_JP.SJIS";
  ExpectCatalog({s, "ja", TextEncoding::kUtf8}, __LINE__);
  s.system_codeset = "437";
  ExpectCatalog({s, ""}, __LINE__);
}

}  // namespace
}  // namespace lwall
