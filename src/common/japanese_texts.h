// The program's Japanese texts as Shift-JIS (code page 932) bytes: the
// sheet's titles, labels and table headings, the colour words, the linetype
// description and the messages of a refused wall.
//
// They are kept readable in japanese_texts.def; the build converts that list
// into the escaped bytes included here, so no compiler's character set
// decides what the sheet holds.
#ifndef LWALL_COMMON_JAPANESE_TEXTS_H_
#define LWALL_COMMON_JAPANESE_TEXTS_H_

namespace lwall::ja {

#define LWALL_JAPANESE_TEXT(name, text) inline constexpr char name[] = text;
#include "common/japanese_texts_cp932.inc"
#undef LWALL_JAPANESE_TEXT

}  // namespace lwall::ja

#endif  // LWALL_COMMON_JAPANESE_TEXTS_H_
