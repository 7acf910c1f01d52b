// Which language and encoding the texts for people take (the help, usage
// errors, the findings of --check): those of the locale lwall runs in, as
// gettext decides them.
//
// The language is that of the message locale: the first of LC_ALL,
// LC_MESSAGES and LANG that is set, unless it is "C" or "POSIX"; a LANGUAGE
// list then names the languages to try in turn. The encoding is the codeset
// of the character locale (LC_ALL, LC_CTYPE, LANG), as the C library has it,
// or as its name says when the system has no such locale: Japanese comes in
// UTF-8 or Shift-JIS, whether or not the output is a terminal. Where neither
// can be written, the texts stay English.
#ifndef LWALL_DRIVER_TEXT_LOCALE_H_
#define LWALL_DRIVER_TEXT_LOCALE_H_

#include <optional>
#include <string>
#include <string_view>

#include "common/catalog.h"

namespace lwall {

// What decides the catalog: "" for anything unset.
struct LocaleSources {
  // The environment.
  std::string lc_all;
  std::string lc_messages;
  std::string lc_ctype;
  std::string lang;
  std::string language;  // gettext's list of languages, "ja:en"
  // The codeset the C library gives the character locale (nl_langinfo), ""
  // when it has no such locale installed.
  std::string installed_codeset;
  // What the system itself says, where it keeps these apart from the
  // environment (see ReadSystemLocale): the user's interface language
  // ("ja_JP"), taken when the environment names no message locale, and the
  // console's code page ("CP932", "UTF-8"), which decides the encoding.
  std::string system_language;
  std::string system_codeset;
};

// The encoding a codeset name stands for ("UTF-8", "utf8"; "SJIS",
// "Shift_JIS", "CP932", "WINDOWS-31J", ...); none for any other.
std::optional<TextEncoding> EncodingOfCodeset(std::string_view codeset);

// The catalog for the texts of a run in `sources`: English unless a
// language with a catalog comes first.
Catalog ChooseCatalog(const LocaleSources& sources);

// The sources of this process: its environment and C library, and the
// system's own (ReadSystemLocale).
LocaleSources LocaleSourcesOfProcess();

// Platform hook: fills `system_language` and `system_codeset` where the
// system keeps them apart from the environment. On Windows they are the
// user's interface language (GetUserDefaultUILanguage) and the console's
// output code page (GetConsoleOutputCP); a POSIX system says everything
// through the environment, so here it adds nothing.
void ReadSystemLocale(LocaleSources& sources);

}  // namespace lwall

#endif  // LWALL_DRIVER_TEXT_LOCALE_H_
