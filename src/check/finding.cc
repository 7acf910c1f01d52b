// Filling in phrases and writing findings.
#include "check/finding.h"

#include "common/number_format.h"

namespace lwall {

PhraseArg::PhraseArg(std::string_view name, std::string text)
    : placeholder(name), value(std::move(text)) {}

PhraseArg::PhraseArg(std::string_view name, const char* text) : placeholder(name), value(text) {}

PhraseArg::PhraseArg(std::string_view name, Phrase nested) : placeholder(name) {
  phrase.push_back(std::move(nested));
}

std::string_view CatalogPatterns::Translate(const TextPattern& pattern, std::int64_t count) const {
  if (pattern.many.empty()) return texts_.Translate(pattern.one);
  return texts_.TranslateCount(pattern.one, pattern.many, count);
}

std::string Render(const Phrase& phrase, const FindingTranslator* catalog) {
  const TextPattern pattern = PatternOf(phrase.text);
  const std::string_view form = catalog != nullptr ? catalog->Translate(pattern, phrase.count)
                                : pattern.many.empty() || phrase.count == 1 ? pattern.one
                                                                            : pattern.many;
  std::string out;
  std::size_t at = 0;
  while (at < form.size()) {
    const std::size_t open = form.find('{', at);
    const std::size_t close = open == std::string_view::npos ? open : form.find('}', open);
    if (close == std::string_view::npos) {
      out.append(form.substr(at));
      break;
    }
    out.append(form.substr(at, open - at));
    const std::string_view name = form.substr(open + 1, close - open - 1);
    bool filled = false;
    for (const PhraseArg& arg : phrase.args) {
      if (arg.placeholder != name) continue;
      out += arg.phrase.empty() ? arg.value : Render(arg.phrase.front(), catalog);
      filled = true;
      break;
    }
    // A placeholder without its value stays as it is, to be seen and mended.
    if (!filled) out.append(form.substr(open, close - open + 1));
    at = close + 1;
  }
  return out;
}

std::string FormatFinding(const Finding& finding, std::string_view design_name,
                          std::string_view layer_name, const FindingTranslator* catalog) {
  std::string line(finding.file == InputFile::kDesign ? design_name : layer_name);
  if (finding.line > 0) {
    line += ':' + std::to_string(finding.line) + ':' + std::to_string(finding.column);
  }
  if (catalog == nullptr) {
    line += finding.severity == Severity::kError ? ": error: " : ": warning: ";
    return line + finding.text;
  }
  line += ": ";
  line += Render({finding.severity == Severity::kError ? Text::kError : Text::kWarning}, catalog);
  line += ": ";
  return line + Render(finding.message, catalog);
}

std::string NumberValue(double value) {
  std::string text = FormatFixed(value, 0, 3);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

std::string QuoteValue(std::string_view bytes, std::size_t max_bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (const char c : bytes.substr(0, max_bytes)) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '"':
      case '\\':
        out += '\\';
        out += c;
        break;
      default:
        if (byte < 0x20 || byte >= 0x7F) {
          out += "\\x";
          out += kHex[byte >> 4];
          out += kHex[byte & 0xF];
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

}  // namespace lwall
