// Test support: Japanese texts as the program writes them. The tests spell
// the texts they expect in UTF-8 and convert them here, at run time, with the
// C library's own converter, independently of the build's list of texts.
#ifndef LWALL_TESTS_SUPPORT_SHIFT_JIS_TEXT_H_
#define LWALL_TESTS_SUPPORT_SHIFT_JIS_TEXT_H_

#include <string>
#include <string_view>

namespace lwall::testing {

// `utf8` in Shift-JIS (code page 932). Throws when it cannot be converted.
std::string Sjis(std::string_view utf8);

}  // namespace lwall::testing

#endif  // LWALL_TESTS_SUPPORT_SHIFT_JIS_TEXT_H_
