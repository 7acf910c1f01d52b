#include "check/finding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "check/input_check.h"
#include "common/catalog.h"
#include "support/test_sheet.h"

namespace lwall {
namespace {

// The placeholders of a pattern, in order.
std::vector<std::string> Placeholders(std::string_view pattern) {
  std::vector<std::string> names;
  for (std::size_t open = pattern.find('{'); open != std::string_view::npos;
       open = pattern.find('{', open + 1)) {
    names.emplace_back(pattern.substr(open + 1, pattern.find('}', open) - open - 1));
  }
  return names;
}

// Every text a translator is given is a whole pattern: listed once, its
// placeholders plain names, and its plural form with the same placeholders.
TEST(FindingTexts, EveryPatternIsWholeAndListedOnce) {
  std::set<std::string_view> seen;
  for (int i = 0; i < kTextCount; ++i) {
    const TextPattern pattern = PatternOf(static_cast<Text>(i));
    ASSERT_FALSE(pattern.one.empty()) << i;
    EXPECT_TRUE(seen.insert(pattern.one).second) << pattern.one;
    int depth = 0;
    for (const char c : pattern.one) {
      depth += c == '{' ? 1 : c == '}' ? -1 : 0;
      EXPECT_TRUE(depth == 0 || depth == 1) << pattern.one;
    }
    for (const std::string& name : Placeholders(pattern.one)) {
      EXPECT_FALSE(name.empty()) << pattern.one;
      for (const char c : name) EXPECT_TRUE(c >= 'a' && c <= 'z') << pattern.one;
    }
    if (!pattern.many.empty()) {
      EXPECT_EQ(Placeholders(pattern.many), Placeholders(pattern.one)) << pattern.one;
    }
  }
}

// Every pattern has its Japanese form, in both encodings the program
// carries, with the same placeholders, so that no finding shows English or
// an unfilled placeholder in Japanese.
TEST(FindingTexts, EveryPatternHasItsJapaneseFormWithItsPlaceholders) {
  const Catalog utf8("ja", TextEncoding::kUtf8);
  const Catalog sjis("ja", TextEncoding::kShiftJis);
  const CatalogPatterns japanese(utf8);
  for (int i = 0; i < kTextCount; ++i) {
    const TextPattern pattern = PatternOf(static_cast<Text>(i));
    EXPECT_TRUE(utf8.Has(pattern.one)) << pattern.one;
    EXPECT_TRUE(sjis.Has(pattern.one)) << pattern.one;
    std::vector<std::string> english = Placeholders(pattern.one);
    std::vector<std::string> translated = Placeholders(japanese.Translate(pattern, 2));
    std::sort(english.begin(), english.end());
    std::sort(translated.begin(), translated.end());
    EXPECT_EQ(translated, english) << pattern.one;
  }
}

TEST(Finding, InJapaneseWithTheKindAsCompilersWriteIt) {
  const InputCheck check = CheckInputTexts(
      testing::ExampleDesignText().substr(0, testing::ExampleDesignText().find("4,0,0,0,0")),
      testing::ExampleLayerText());
  ASSERT_EQ(check.findings.size(), 1u);
  const Catalog texts("ja", TextEncoding::kUtf8);
  const CatalogPatterns japanese(texts);
  // The field's name and the kind are translated with the sentence; the
  // place stays in the form editors jump to.
  EXPECT_EQ(FormatFinding(check.findings[0], "a/tempoL.dat", "a/GasouL.dat", &japanese),
            reinterpret_cast<const char*>(
                u8"a/tempoL.dat:9:1: エラー: レコード 9「F1 ピッチ数 1」の手前でファイルが"
                u8"終わっています: それ以降の値はすべて 0 のままです"));
  InputCheck several;
  several.errors = 2;
  several.warnings = 1;
  EXPECT_EQ(several.Summary(&japanese), reinterpret_cast<const char*>(u8"エラー 2 件、警告 1 件"));
  EXPECT_EQ(InputCheck{}.Summary(&japanese), reinterpret_cast<const char*>(u8"指摘なし"));
  // English from the English catalog is the check's own text.
  const Catalog english;
  const CatalogPatterns own(english);
  EXPECT_EQ(FormatFinding(check.findings[0], "t", "g", &own),
            FormatFinding(check.findings[0], "t", "g"));
}

// A catalog that marks every pattern it was asked for, so that what a
// translation is built of shows.
class MarkingTranslator : public FindingTranslator {
 public:
  std::string_view Translate(const TextPattern& pattern, std::int64_t count) const override {
    const std::string_view form = count != 1 && !pattern.many.empty() ? pattern.many : pattern.one;
    return kept_.emplace_back("<" + std::string(form) + ">");
  }

 private:
  mutable std::deque<std::string> kept_;
};

TEST(Finding, ATranslationIsMadeOfWholePatterns) {
  const InputCheck check = CheckInputTexts(
      testing::ExampleDesignText().substr(0, testing::ExampleDesignText().find("4,0,0,0,0")),
      testing::ExampleLayerText());
  ASSERT_EQ(check.findings.size(), 1u);
  const MarkingTranslator catalog;
  EXPECT_EQ(Render(check.findings[0].message, &catalog),
            "<the file ends before <record 9, <F1 pitch count 1>>: it and every later value stay "
            "0>");
  EXPECT_EQ(FormatFinding(check.findings[0], "a/tempoL.dat", "a/GasouL.dat", &catalog),
            "a/tempoL.dat:9:1: <error>: " + Render(check.findings[0].message, &catalog));
  EXPECT_EQ(check.Summary(&catalog), "<1 error>");
  InputCheck several;
  several.errors = 2;
  several.warnings = 3;
  EXPECT_EQ(several.Summary(&catalog), "<<2 errors>, <3 warnings>>");
}

TEST(Finding, SaysWhichValueItIsAbout) {
  const InputCheck check =
      CheckInputTexts(testing::ExampleDesignText(),
                      testing::ExampleLayerText() + "\n");  // the layer file as it is
  EXPECT_TRUE(check.findings.empty());
  const std::string design = testing::ExampleDesignText();
  const std::size_t line19 = design.find("16,16,16");
  std::string damaged = design;
  damaged[line19 + 3] = 'x';  // record 19, the second value
  std::string layers = testing::ExampleLayerText();
  layers.replace(layers.find("3 1 0.18"), 1, "0");  // entry 3, its colour
  const InputCheck both = CheckInputTexts(damaged, layers);
  ASSERT_EQ(both.findings.size(), 2u);
  const Finding& stop = both.findings[0];
  EXPECT_EQ(stop.severity, Severity::kError);
  EXPECT_EQ(stop.file, InputFile::kDesign);
  EXPECT_EQ(stop.line, 19u);
  EXPECT_EQ(stop.column, 4u);
  EXPECT_EQ(stop.record, 19);
  EXPECT_EQ(stop.field, 1);
  EXPECT_FALSE(stop.layer_entry.has_value());
  const Finding& colour = both.findings[1];
  EXPECT_EQ(colour.severity, Severity::kWarning);
  EXPECT_EQ(colour.file, InputFile::kLayers);
  EXPECT_EQ(colour.layer_entry, 3);
  EXPECT_EQ(colour.field, 0);
  EXPECT_EQ(colour.text, Render(colour.message));
  // A reading that stopped inside a number is about that number.
  const InputCheck inside = CheckInputTexts("5O0" + design.substr(3), testing::ExampleLayerText());
  ASSERT_FALSE(inside.findings.empty());
  EXPECT_EQ(inside.findings[0].record, 1);
  EXPECT_EQ(inside.findings[0].field, 0);
  // A finding about the file as a whole has no place.
  std::string renamed = testing::ExampleLayerText();
  renamed.replace(renamed.find("D-BMK"), 5, "OTHER");
  const InputCheck undefined = CheckInputTexts(design, renamed);
  ASSERT_EQ(undefined.findings.size(), 1u);
  const Finding& last = undefined.findings.back();
  EXPECT_EQ(last.line, 0u);
  EXPECT_EQ(FormatFinding(last, "tempoL.dat", "GasouL.dat"),
            "GasouL.dat: warning: layer \"D-BMK\" is drawn on but not defined: its entities take "
            "the previous layer's colour");
}

TEST(Finding, ValuesStayOnOnePrintableLine) {
  EXPECT_EQ(NumberValue(1200), "1200");
  EXPECT_EQ(NumberValue(1.2), "1.2");
  EXPECT_EQ(NumberValue(0.1255), "0.126");
  EXPECT_EQ(QuoteValue("a\r\n\t\"\\\xE9", 12), "\"a\\r\\n\\t\\\"\\\\\\xE9\"");
  EXPECT_EQ(QuoteValue("0123456789", 4), "\"0123\"");
}

}  // namespace
}  // namespace lwall
