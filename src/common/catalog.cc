// Looking texts up in a compiled catalog and filling in their placeholders.
#include "common/catalog.h"

#include "common/catalog_images.h"

namespace lwall {

namespace {

constexpr std::uint32_t kMoMagic = 0x950412DE;

// A compiled catalog as msgfmt lays it out: a header of 32-bit numbers, then
// two tables of (length, offset) pairs, the msgids in byte order and their
// translations in the same order, each string ending with a NUL byte. Every
// read is checked against the size of the image, so a damaged image reads
// as a catalog without entries.
class MoImage {
 public:
  explicit MoImage(std::string_view bytes) : bytes_(bytes) {
    if (bytes_.size() < 20) return;
    const std::uint32_t magic = Word(0);
    if (magic != kMoMagic) {
      little_endian_ = false;
      if (Word(0) != kMoMagic) return;
    }
    count_ = Word(8);
    originals_ = Word(12);
    translations_ = Word(16);
    const std::uint64_t table_bytes = 8 * static_cast<std::uint64_t>(count_);
    if (originals_ + table_bytes > bytes_.size() || translations_ + table_bytes > bytes_.size()) {
      count_ = 0;
    }
  }

  // The translation of `key`, or an empty view. A plural entry's msgid is
  // its singular, then a NUL byte and the plural: the key is its singular.
  std::string_view Lookup(std::string_view key) const {
    std::uint32_t low = 0;
    std::uint32_t high = count_;
    while (low < high) {
      const std::uint32_t middle = low + (high - low) / 2;
      std::string_view original = String(originals_, middle);
      original = original.substr(0, original.find('\0'));
      if (original == key) return String(translations_, middle);
      if (original < key) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    return {};
  }

 private:
  std::uint32_t Word(std::uint64_t offset) const {
    if (offset + 4 > bytes_.size()) return 0;
    std::uint32_t word = 0;
    for (int i = 0; i < 4; ++i) {
      const auto byte = static_cast<unsigned char>(bytes_[offset + (little_endian_ ? 3 - i : i)]);
      word = word << 8 | byte;
    }
    return word;
  }

  std::string_view String(std::uint64_t table, std::uint32_t index) const {
    const std::uint64_t entry = table + 8 * static_cast<std::uint64_t>(index);
    const std::uint64_t length = Word(entry);
    const std::uint64_t offset = Word(entry + 4);
    if (offset + length > bytes_.size()) return {};
    return bytes_.substr(offset, length);
  }

  std::string_view bytes_;
  bool little_endian_ = true;
  std::uint32_t count_ = 0;
  std::uint64_t originals_ = 0;
  std::uint64_t translations_ = 0;
};

// The "nplurals=N" of a catalog's header; the plural rule of a catalog with
// one form is "always the first", with two "the second unless 1". Those are
// the only rules of the languages the program has catalogs for.
int PluralForms(std::string_view header) {
  constexpr std::string_view kKey = "nplurals=";
  const std::size_t at = header.find(kKey);
  if (at == std::string_view::npos) return 2;
  const std::size_t digit = at + kKey.size();
  return digit < header.size() && header[digit] == '1' ? 1 : 2;
}

// The `index`-th of the NUL-separated forms, or the last there is.
std::string_view Form(std::string_view forms, int index) {
  for (; index > 0; --index) {
    const std::size_t end = forms.find('\0');
    if (end == std::string_view::npos) break;
    forms.remove_prefix(end + 1);
  }
  return forms.substr(0, forms.find('\0'));
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size() + 32);
  std::size_t next = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 == pattern.size()) {
      out += pattern[i];
      continue;
    }
    if (pattern[i + 1] == '%') {
      out += '%';
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    std::size_t position = 0;
    while (j < pattern.size() && pattern[j] >= '0' && pattern[j] <= '9' && position < 100) {
      position = position * 10 + static_cast<std::size_t>(pattern[j] - '0');
      ++j;
    }
    std::size_t arg;
    if (j > i + 1 && j + 1 < pattern.size() && pattern[j] == '$' && pattern[j + 1] == 's' &&
        position > 0) {
      arg = position - 1;
      j += 1;
    } else if (j == i + 1 && pattern[j] == 's') {
      arg = next++;
    } else {
      out += '%';  // not a placeholder of ours: the text as it stands
      continue;
    }
    if (arg < args.size()) out += *(args.begin() + arg);
    i = j;
  }
  return out;
}

}  // namespace

Catalog::Catalog(std::string_view language, TextEncoding encoding)
    : image_(CatalogImage(language, encoding)), encoding_(encoding) {
  if (image_.empty()) return;
  language_ = language;
  plural_forms_ = PluralForms(MoImage(image_).Lookup(""));
}

bool Catalog::Exists(std::string_view language, TextEncoding encoding) {
  return !CatalogImage(language, encoding).empty();
}

std::string_view Catalog::Find(std::string_view english) const {
  if (english.empty() || image_.empty()) return {};
  return MoImage(image_).Lookup(english);
}

std::string_view Catalog::Translate(std::string_view english) const {
  const std::string_view found = Find(english);
  return found.empty() ? english : Form(found, 0);
}

std::string Catalog::Format(std::string_view english,
                            std::initializer_list<std::string_view> args) const {
  return Fill(Translate(english), args);
}

std::string_view Catalog::TranslateCount(std::string_view one, std::string_view many,
                                         std::int64_t count) const {
  const std::string_view forms = Find(one);
  if (forms.empty()) return count == 1 ? one : many;
  return Form(forms, plural_forms_ == 1 || count == 1 ? 0 : 1);
}

bool Catalog::Has(std::string_view english) const {
  return !Find(english).empty();
}

}  // namespace lwall
