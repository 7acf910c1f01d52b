// Shift-JIS (code page 932) to UTF-8, for the places that show the sheet's
// Japanese texts to people rather than to CAD programs: a terminal, a
// picture of the sheet.
#ifndef LWALL_COMMON_SHIFT_JIS_H_
#define LWALL_COMMON_SHIFT_JIS_H_

#include <string>
#include <string_view>

namespace lwall {

// Converts `text` from code page 932 to UTF-8. A byte that does not begin a
// valid character (damaged input, a stray second byte) becomes U+FFFD and
// the conversion goes on after it, so any bytes give valid UTF-8.
std::string ShiftJisToUtf8(std::string_view text);

}  // namespace lwall

#endif  // LWALL_COMMON_SHIFT_JIS_H_
