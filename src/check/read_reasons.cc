// Reasons of reads, from their traces.
#include "check/read_reasons.h"

#include <algorithm>

namespace lwall {

std::string Quote(std::string_view bytes) {
  return QuoteValue(bytes, kTraceQuoteBytes);
}

std::string_view Token(std::string_view text) {
  return text.substr(0, std::min(text.find_first_of(" \t\n\v\f\r,"), text.size()));
}

bool ContinuesNumber(std::string_view rest) {
  if (rest.empty()) return false;
  const char c = rest[0];
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.' ||
         c == '_' || c == '+' || c == '-';
}

namespace {

// "nan" and "inf" are numbers to the C library, but not to the readers.
bool LooksLikeNanOrInf(std::string_view text) {
  std::string word(Token(text));
  if (!word.empty() && (word[0] == '+' || word[0] == '-')) word.erase(0, 1);
  for (char& c : word) c = static_cast<char>(c | 0x20);
  return word.starts_with("nan") || word.starts_with("inf");
}

}  // namespace

MissReason ReasonOfMiss(const FieldTrace* before, const TextPosition& at, std::string_view text,
                        Miss miss) {
  if (before != nullptr && before->state == FieldState::kRead && before->end.offset == at.offset &&
      ContinuesNumber(text)) {
    return MissReason::kInsideNumber;
  }
  if (miss == Miss::kTooLarge) return MissReason::kTooLarge;
  if (miss == Miss::kNotANumber && LooksLikeNanOrInf(text)) return MissReason::kNotANumber;
  return MissReason::kNone;
}

namespace {

std::string ReadPart(const FieldTrace& field) {
  const auto read = static_cast<std::size_t>(field.end.offset - field.at.offset);
  return Quote(std::string_view(field.text).substr(0, read));
}

}  // namespace

void AddInsideNumber(Phrase& phrase, const FieldTrace& before, Phrase before_name) {
  phrase.args.emplace_back("number", Quote(Token(before.text)));
  phrase.args.emplace_back("before", std::move(before_name));
  phrase.args.emplace_back("read", ReadPart(before));
}

Phrase PartlyRead(const FieldTrace& field, Phrase name) {
  return {field.kind == ValueKind::kInteger ? Text::kNotAWholeNumber : Text::kNotWhollyANumber,
          {{"field", std::move(name)},
           {"number", Quote(Token(field.text))},
           {"read", ReadPart(field)},
           {"rest", Quote(field.rest)}}};
}

}  // namespace lwall
