// One finding of "lwall --check" as data: how grave it is, where it is, which
// field of which record or layer entry it is about, and what it says.
//
// What it says is a phrase: a text pattern (finding_texts.h) and the values
// of its placeholders, so that the same finding can be shown in another
// language from a catalog, or linked from a page to the form field it is
// about. FormatFinding is the one place that writes a finding the way
// compilers do ("tempoL.dat:19:4: error: ..."), which editors jump to.
#ifndef LWALL_CHECK_FINDING_H_
#define LWALL_CHECK_FINDING_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "check/finding_texts.h"
#include "common/catalog.h"

namespace lwall {

struct Phrase;

// The value of one placeholder: shown as it stands (a number, a quote of the
// file, a mark), or a phrase of its own (a field's name) that a catalog
// translates too.
struct PhraseArg {
  PhraseArg(std::string_view placeholder, std::string value);
  PhraseArg(std::string_view placeholder, const char* value);
  template <typename Integer, typename = std::enable_if_t<std::is_integral_v<Integer>>>
  PhraseArg(std::string_view placeholder, Integer value)
      : PhraseArg(placeholder, std::to_string(value)) {}
  PhraseArg(std::string_view placeholder, Phrase phrase);

  std::string_view placeholder;  // its name in the pattern, without braces
  std::string value;
  std::vector<Phrase> phrase;  // one phrase, or none for a plain value
};

struct Phrase {
  Phrase() = default;
  Phrase(Text pattern, std::vector<PhraseArg> values = {}, std::int64_t plural_count = 1)
      : text(pattern), args(std::move(values)), count(plural_count) {}

  Text text = Text::kNoFindings;
  std::vector<PhraseArg> args;
  // Chooses between a pattern's singular and plural form.
  std::int64_t count = 1;
};

// "first and last" when `two`, else "first to last": items, records or
// entries of a list told by its ends.
template <typename T>
Phrase TwoOrRange(const T& first, const T& last, bool two) {
  if (two) return {Text::kTwo, {{"first", first}, {"second", last}}};
  return {Text::kRange, {{"first", first}, {"last", last}}};
}

// Where a translation comes from: the pattern to use for `pattern` (its form
// for `count` when it has a plural). The check's own texts are English.
class FindingTranslator {
 public:
  virtual ~FindingTranslator() = default;
  virtual std::string_view Translate(const TextPattern& pattern, std::int64_t count) const = 0;
};

// The patterns as the program's catalog of texts for people has them, in the
// language the driver chose.
class CatalogPatterns final : public FindingTranslator {
 public:
  explicit CatalogPatterns(const Catalog& texts) : texts_(texts) {}
  std::string_view Translate(const TextPattern& pattern, std::int64_t count) const override;

 private:
  const Catalog& texts_;
};

// The phrase with its placeholders filled in, in English or from `catalog`.
std::string Render(const Phrase& phrase, const FindingTranslator* catalog = nullptr);

enum class Severity {
  kError,    // the sheet will not be what the file says
  kWarning,  // the sheet is drawn, but very likely not as meant
};

enum class InputFile { kDesign, kLayers };

struct Finding {
  Severity severity = Severity::kError;
  InputFile file = InputFile::kDesign;
  // From 1, the column counting bytes; both 0 for a finding about the file as
  // a whole.
  std::uint64_t line = 0;
  std::uint64_t column = 0;
  // The value it is about, the one to mend, where there is one: a record of
  // the design data (1 to 42) or an entry of the layer file (0 the count,
  // then 1, 2, ...), and the value's place in it from 0. A finding about a
  // whole record or entry has no place in it.
  std::optional<int> record;
  std::optional<int> layer_entry;
  std::optional<int> field;
  Phrase message;
  std::string text;  // the message in English
};

// "FILE:LINE:COLUMN: error: TEXT", or "FILE: warning: TEXT" for the file as a
// whole, without a line end; FILE is the name given for the finding's file.
// From a catalog, the kind is translated too, as compilers translate it
// ("エラー", "警告"), and the form stays the one editors jump to.
std::string FormatFinding(const Finding& finding, std::string_view design_name,
                          std::string_view layer_name, const FindingTranslator* catalog = nullptr);

// Values as findings show them: a number as short as it reads (up to three
// decimals, no trailing zeros), and bytes of an input in double quotes, at
// most `max_bytes` of them, with line ends, control bytes and bytes beyond
// ASCII written as escapes so that a finding stays one printable line.
std::string NumberValue(double value);
std::string QuoteValue(std::string_view bytes, std::size_t max_bytes);

}  // namespace lwall

#endif  // LWALL_CHECK_FINDING_H_
