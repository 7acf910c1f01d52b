// Choosing the catalog from the locale of the environment.
#include "driver/text_locale.h"

#include <cstdlib>
#include <vector>

#include "platform/platform.h"

namespace lwall {

namespace {

// The first of the values that is set.
const std::string& FirstSet(std::initializer_list<const std::string*> values) {
  for (const std::string* value : values) {
    if (!value->empty()) return *value;
  }
  return *values.begin()[0];
}

// "ja" of "ja_JP.UTF-8@modifier": the language of a locale name.
std::string_view LanguageOf(std::string_view name) {
  return name.substr(0, name.find_first_of("_.@"));
}

// "UTF-8" of "ja_JP.UTF-8@modifier"; "" when the name gives none.
std::string_view CodesetOf(std::string_view name) {
  const std::size_t dot = name.find('.');
  if (dot == std::string_view::npos) return {};
  const std::string_view codeset = name.substr(dot + 1);
  return codeset.substr(0, codeset.find('@'));
}

bool IsPlainC(std::string_view name) {
  return name == "C" || name == "POSIX";
}

std::string Getenv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

std::optional<TextEncoding> EncodingOfCodeset(std::string_view codeset) {
  // Spellings differ in case, dashes and underscores only.
  std::string name;
  for (const char c : codeset) {
    if (c == '-' || c == '_') continue;
    name += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  }
  if (name == "UTF8") return TextEncoding::kUtf8;
  // Shift-JIS as the locales of glibc, Solaris (PCK) and Windows name it;
  // code page 932 is the form every Japanese text of the program takes.
  for (const char* sjis : {"SJIS", "SHIFTJIS", "CP932", "WINDOWS31J", "MSKANJI", "PCK", "932"}) {
    if (name == sjis) return TextEncoding::kShiftJis;
  }
  return std::nullopt;
}

Catalog ChooseCatalog(const LocaleSources& s) {
  std::optional<TextEncoding> encoding;
  if (!s.system_codeset.empty()) {
    encoding = EncodingOfCodeset(s.system_codeset);
  } else if (!s.installed_codeset.empty()) {
    encoding = EncodingOfCodeset(s.installed_codeset);
  } else {
    encoding = EncodingOfCodeset(CodesetOf(FirstSet({&s.lc_all, &s.lc_ctype, &s.lang})));
  }
  if (!encoding) return Catalog();  // only English can be written

  const std::string& locale = FirstSet({&s.lc_all, &s.lc_messages, &s.lang, &s.system_language});
  // gettext leaves "C" alone, whatever LANGUAGE says: its texts are those
  // of the program.
  if (locale.empty() || IsPlainC(locale)) return Catalog();
  std::vector<std::string_view> languages;
  std::string_view list = s.language.empty() ? std::string_view(locale) : s.language;
  while (!list.empty()) {
    const std::size_t colon = list.find(':');
    languages.push_back(list.substr(0, colon));
    list.remove_prefix(colon == std::string_view::npos ? list.size() : colon + 1);
  }
  // The first language the program has a catalog for; English is the
  // program's own language, so it ends the search as a catalog would.
  for (const std::string_view name : languages) {
    if (IsPlainC(name)) break;
    const std::string_view language = LanguageOf(name);
    if (language == "en") break;
    if (!language.empty() && Catalog::Exists(language, *encoding)) {
      return Catalog(language, *encoding);
    }
  }
  return Catalog();
}

LocaleSources LocaleSourcesOfProcess() {
  LocaleSources s;
  s.lc_all = Getenv("LC_ALL");
  s.lc_messages = Getenv("LC_MESSAGES");
  s.lc_ctype = Getenv("LC_CTYPE");
  s.lang = Getenv("LANG");
  s.language = Getenv("LANGUAGE");
  s.installed_codeset = platform::CharacterLocaleCodeset();
  ReadSystemLocale(s);
  return s;
}

void ReadSystemLocale(LocaleSources& sources) {
  sources.system_language = platform::SystemLanguage();
  sources.system_codeset = platform::SystemCodeset(stdout);
}

}  // namespace lwall
