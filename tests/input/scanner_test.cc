#include "input/scanner.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>

#include "input/test_sources.h"

namespace lwall {
namespace {

using testing::PieceSource;
using testing::TextScanner;

// Number-like text: signs, points, exponent letters, commas, blanks, line
// ends and stray bytes around digit runs, some of them longer than a chunk
// of input or than the digits a number keeps.
std::string RandomText(std::mt19937& random, bool long_runs) {
  using namespace std::string_view_literals;
  static constexpr std::string_view kSingles = "+-..eE,, \n\t\r\v\fx_\0n"sv;
  std::string text;
  const int pieces = 3 + static_cast<int>(random() % 30);
  for (int p = 0; p < pieces; ++p) {
    if (random() % 2 == 0) {
      text += kSingles[random() % kSingles.size()];
      continue;
    }
    std::size_t length = 1 + random() % 4;
    if (random() % 8 == 0) length = 5 + random() % 30;
    if (long_runs && random() % 4 == 0) length = 700 + random() % 9000;
    const int kind = static_cast<int>(random() % 5);  // some all zeros, some zeros first
    const std::size_t zeros = kind == 0 ? length : kind == 1 ? random() % (length + 1) : 0;
    for (std::size_t i = 0; i < length; ++i) {
      text += i < zeros ? '0' : static_cast<char>('0' + random() % 10);
    }
  }
  return text;
}

// Runs the same random reads on the streaming scanner, fed in pieces of
// `piece` bytes, and on the plain one; any difference in a result, a value
// or a position fails.
void ExpectSameReads(const std::string& text, std::size_t piece, std::mt19937& random,
                     bool words_anywhere) {
  PieceSource source(text, piece);
  Scanner in(source);
  TextScanner reference(text);
  bool word_allowed = true;
  std::string trail;
  for (int step = 0; step < 60; ++step) {
    const int op = static_cast<int>(random() % 5);
    bool got = false;
    bool want = false;
    switch (op) {
      case 0:
        in.SkipSpace();
        reference.SkipSpace();
        trail += " S";
        break;
      case 1: {
        int value = -7;
        int expected = -7;
        got = in.ReadInt(value);
        want = reference.ReadInt(expected);
        EXPECT_EQ(value, expected);
        trail += " I";
        break;
      }
      case 2: {
        double value = -7;
        double expected = -7;
        got = in.ReadReal(value);
        want = reference.ReadReal(expected);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(expected))
            << value << " " << expected;
        trail += " R";
        break;
      }
      case 3:
        got = in.Literal(',');
        want = reference.Literal(',');
        trail += " L";
        break;
      case 4: {
        if (!words_anywhere && !word_allowed) continue;
        std::string value = "old";
        std::string expected = "old";
        got = in.ReadWord(value);
        want = reference.ReadWord(expected);
        EXPECT_EQ(value, expected);
        trail += " W";
        break;
      }
    }
    // A word may follow where no number read has stopped inside a number.
    word_allowed = got && (op == 2 || op == 3);
    EXPECT_EQ(got, want);
    const TextPosition at = in.position();
    ASSERT_EQ(at.offset, reference.offset()) << "after" << trail;
    EXPECT_EQ(at.line, reference.line());
    EXPECT_EQ(at.column, reference.column());
    EXPECT_EQ(in.Preview(12), reference.rest().substr(0, 12));
    if (::testing::Test::HasFailure()) {
      ADD_FAILURE() << "text of " << text.size() << " bytes, pieces of " << piece << ", reads"
                    << trail;
      return;
    }
  }
  EXPECT_EQ(in.AtEnd(), reference.rest().empty());
}

TEST(Scanner, AgreesWithThePlainScannerOnShortTexts) {
  std::mt19937 random(11);
  for (int i = 0; i < 3000 && !::testing::Test::HasFailure(); ++i) {
    const std::string text = RandomText(random, false);
    ExpectSameReads(text, 1 + random() % 9, random, true);
  }
}

TEST(Scanner, AgreesWithThePlainScannerOnLongRuns) {
  std::mt19937 random(12);
  for (int i = 0; i < 300 && !::testing::Test::HasFailure(); ++i) {
    const std::string text = RandomText(random, true);
    ExpectSameReads(text, i % 3 == 0 ? 4096 : 1 + random() % 5000, random, false);
  }
}

// Reads the whole of `text` (a number) as a real and as an integer, each
// from a fresh start, against the plain scanner.
void ExpectSameNumber(const std::string& text) {
  SCOPED_TRACE(text.substr(0, 40) + "... (" + std::to_string(text.size()) + " bytes)");
  for (const bool real : {true, false}) {
    StringSource source(text);
    Scanner in(source);
    TextScanner reference(text);
    if (real) {
      double value = -7;
      double expected = -7;
      EXPECT_EQ(in.ReadReal(value), reference.ReadReal(expected));
      EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(expected));
    } else {
      int value = -7;
      int expected = -7;
      EXPECT_EQ(in.ReadInt(value), reference.ReadInt(expected));
      EXPECT_EQ(value, expected);
    }
    EXPECT_EQ(in.position().offset, reference.offset());
  }
}

TEST(Scanner, LongNumbersGiveTheValuesOfTheirWholeText) {
  const std::string zeros(1'000'000, '0');
  ExpectSameNumber(zeros + "5");
  ExpectSameNumber("-" + zeros + "5.25");
  ExpectSameNumber("0." + zeros.substr(1) + "1e1000005");  // 1e5
  ExpectSameNumber("1" + std::string(400, '0'));           // too large for either
  ExpectSameNumber("1" + std::string(400, '0') + "e-400");
  ExpectSameNumber("0." + zeros + "1e-99999999999999999999999");
  ExpectSameNumber(zeros + "e99999999999999999");  // zero, however large the exponent
  ExpectSameNumber("1e" + zeros + "308");
  ExpectSameNumber("-0." + zeros + "1e1000310");  // -1e309: too large
  ExpectSameNumber("2147483647" + std::string(".") + zeros);
  ExpectSameNumber("-" + zeros + "2147483648");
  ExpectSameNumber(zeros + "2147483648");

  // 1 + 2^-53 lies halfway between two doubles and rounds to 1; a non-zero
  // digit far past the kept digits tips it up, from the integer digits, the
  // fraction or across both.
  const std::string half = "100000000000000011102230246251565404236316680908203125";
  double value = 0;
  for (const std::string& text :
       {"1." + half.substr(1), "1." + half.substr(1) + zeros + "1",
        half + zeros + "1e-" + std::to_string(half.size() - 1 + 1'000'001),
        half + "." + zeros + "1e-53"}) {
    ExpectSameNumber(text);
    StringSource source(text);
    Scanner in(source);
    ASSERT_TRUE(in.ReadReal(value));
    EXPECT_EQ(value, text.size() < 100 ? 1.0 : std::nextafter(1.0, 2.0));
  }
}

TEST(Scanner, ALongNumberIsReadOnceAndAnsweredAgainFromItsFirstByte) {
  const std::size_t digits = 5'000'000;  // too large for either type
  std::string text(digits, '7');
  text += ".5,";
  for (int i = 0; i < 100'000; ++i) text += "1,";
  PieceSource pieces(text, 4096);
  testing::CountingSource source(pieces);
  Scanner in(source);
  double real = 0;
  int integer = 0;
  for (int i = 0; i < 5; ++i) {
    EXPECT_FALSE(in.ReadReal(real));
    EXPECT_FALSE(in.ReadInt(integer));
    EXPECT_EQ(in.position().offset, 0u);
    EXPECT_EQ(in.Preview(6), "777777");
  }
  EXPECT_LE(source.bytes(), digits + 3 + 4096);  // the values after it are not needed yet
  EXPECT_EQ(in.position().column, 1u);
  EXPECT_FALSE(in.Literal(','));
}

TEST(Scanner, AWordIsACStringAndKeepsNoMoreThanAnOutputCanHold) {
  const std::string text = std::string("AB\0CD", 5) + " E " + std::string(3, '\0') + "F";
  StringSource source(text);
  Scanner in(source);
  std::string word;
  EXPECT_TRUE(in.ReadWord(word));
  EXPECT_EQ(word, "AB");
  EXPECT_EQ(in.position().offset, 5u);  // the rest of the word is read
  EXPECT_TRUE(in.ReadWord(word));
  EXPECT_EQ(word, "E");
  EXPECT_TRUE(in.ReadWord(word));
  EXPECT_EQ(word, "");
  EXPECT_TRUE(in.AtEnd());
  EXPECT_FALSE(in.ReadWord(word));

  testing::RepeatingSource endless_word(std::string(4096, 'N'), Scanner::kMaxWordBytes + 5000);
  Scanner long_word(endless_word);
  EXPECT_TRUE(long_word.ReadWord(word));
  EXPECT_EQ(word.size(), Scanner::kMaxWordBytes);
  EXPECT_EQ(long_word.position().offset, Scanner::kMaxWordBytes + 5000);
}

TEST(Scanner, PositionsCountLinesAndBytesAcrossChunks) {
  std::string text = std::string(5000, ' ') + "\r\n\t12,\n\n" + std::string(4090, ' ') + "x";
  PieceSource source(text, 4096);
  Scanner in(source);
  int value = 0;
  EXPECT_TRUE(in.ReadInt(value));
  EXPECT_EQ(in.position().line, 2u);
  EXPECT_EQ(in.position().column, 4u);  // after "\t12"
  EXPECT_TRUE(in.Literal(','));
  EXPECT_FALSE(in.ReadInt(value));
  EXPECT_EQ(in.position().offset, text.size() - 1);
  EXPECT_EQ(in.position().line, 4u);
  EXPECT_EQ(in.position().column, 4091u);
  EXPECT_EQ(in.Preview(12), "x");
}

}  // namespace
}  // namespace lwall
