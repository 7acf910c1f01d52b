// The texts lwall shows to people (the help, usage errors, the findings of
// --check) in the language and encoding the driver chose.
//
// As with gettext, the English text is the key: the program is written in
// English, and a text a catalog lacks is shown in English. The catalogs are
// po/LANGUAGE.po, compiled by msgfmt and linked into the program, so that a
// copied lwall needs no file beside it and no converter when it runs.
//
// The sheet's own texts and the run's messages are bytes of the format that
// the programs reading them expect: they never pass through here.
#ifndef LWALL_COMMON_CATALOG_H_
#define LWALL_COMMON_CATALOG_H_

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace lwall {

enum class TextEncoding { kUtf8, kShiftJis };

// Marks an English text for the catalog where it is written apart from its
// lookup (a table of patterns); the catalog tools find it by this name.
constexpr std::string_view CatalogKey(std::string_view english) {
  return english;
}

class Catalog {
 public:
  // English: every text as the program writes it.
  Catalog() = default;
  // The catalog of `language` ("ja") in `encoding`; English when the program
  // has none.
  Catalog(std::string_view language, TextEncoding encoding);

  // Whether the program holds a catalog of `language` in `encoding`.
  static bool Exists(std::string_view language, TextEncoding encoding);

  // "" for English.
  std::string_view language() const { return language_; }
  TextEncoding encoding() const { return encoding_; }

  // The text for `english`: its translation, or `english` itself.
  std::string_view Translate(std::string_view english) const;
  // The text for `english` with `args` put in for its placeholders, as in C
  // formats: "%s" takes the next argument, "%2$s" the second (a translation
  // may need another order), "%%" stands for "%".
  std::string Format(std::string_view english, std::initializer_list<std::string_view> args) const;
  // The text for a count: in English `one` when `count` is 1 and `many`
  // otherwise; a translation has as many forms as its language has
  // (Japanese one).
  std::string_view TranslateCount(std::string_view one, std::string_view many,
                                  std::int64_t count) const;

  // Whether `english` has a translation here.
  bool Has(std::string_view english) const;

 private:
  // The translation of the entry whose msgid is `english`, with its plural
  // forms separated by NUL bytes; empty when there is none.
  std::string_view Find(std::string_view english) const;

  std::string_view image_;  // a compiled catalog (GNU .mo); empty for English
  std::string language_;
  TextEncoding encoding_ = TextEncoding::kUtf8;
  int plural_forms_ = 2;
};

}  // namespace lwall

#endif  // LWALL_COMMON_CATALOG_H_
