// The one formatter for every real number that lwall prints.
//
// CAD readers get whole millimetres ("%5.0lf") and the tables get fixed
// decimals ("%5.3f", "%5.1f"). Every such number is rounded the same way:
// the value is first taken to 17 significant decimal digits, then rounded at
// the last printed place with halves away from zero. The C library's own
// printf rounds exact halves to even (2.5 -> "2"), which would shift labels
// and coordinates by one unit against what our users check by hand.
#ifndef LWALL_COMMON_NUMBER_FORMAT_H_
#define LWALL_COMMON_NUMBER_FORMAT_H_

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace lwall {

// Formats `value` like printf's "%<width>.<precision>f", with the rounding
// described above. A negative value keeps its sign even when it rounds to
// zero ("-0", "-0.000"). Right-aligned in `width` columns, wider when needed.
// A value that is not finite (only reachable through absurd input whose
// arithmetic overflows) prints as zero: the output files must never carry
// "nan" or "inf", which no CAD reader accepts as a coordinate.
std::string FormatFixed(double value, int width, int precision);
// The same, appended to `out`.
void AppendFixed(std::string& out, double value, int width, int precision);

// "%5.0lf": coordinates, thicknesses, radii, angles and most labels.
inline std::string FormatWhole(double value) {
  return FormatFixed(value, 5, 0);
}

// "%d".
std::string FormatInt(std::int64_t value);
void AppendInt(std::string& out, std::int64_t value);

// The two ways the formatter gets there, named so that they can be held
// against each other.
//
// The general way: the 17-digit expansion of the value, rounded digit by
// digit. Right for every value, width and precision, and slow.
void AppendFixedByExpansion(std::string& out, double value, int width, int precision);
// Whole units ("%<width>.0f") of a magnitude below kWholeUnitLimit in at
// most kWholeUnitMaxWidth columns: every coordinate and length of a sheet
// that stays inside its frame, which is nearly every number lwall prints.
// Writes at `at`, which has room for kWholeUnitRoom bytes (the bytes past
// the returned end are scratch), and returns the end; returns nullptr for a
// value or width it does not serve.
inline constexpr double kWholeUnitLimit = 131072.0;  // 2^17
inline constexpr int kWholeUnitMaxWidth = 8;
inline constexpr std::size_t kWholeUnitRoom = 16;
char* WriteWholeUnits(char* at, double value, int width);

// Writers that assemble whole records in their own buffer write numbers in
// place. FixedRoom(width, precision) is the most bytes WriteFixed needs:
// the 309 digits of the largest double, a sign, a point and the decimals, or
// the width. kIntRoom is the most WriteInt writes.
constexpr std::size_t FixedRoom(int width, int precision) {
  const std::size_t longest = 311 + static_cast<std::size_t>(std::max(precision, 0));
  return std::max(longest, static_cast<std::size_t>(std::max(width, 0)));
}
inline constexpr std::size_t kIntRoom = 20;
// AppendFixed and AppendInt into `at`, which has the room above; each
// returns the end of what it wrote.
char* WriteFixedByExpansion(char* at, double value, int width, int precision);
inline char* WriteFixed(char* at, double value, int width, int precision) {
  static_assert(FixedRoom(0, 0) >= kWholeUnitRoom);
  if (precision == 0) {
    if (char* end = WriteWholeUnits(at, value, width)) return end;
  }
  return WriteFixedByExpansion(at, value, width, precision);
}
char* WriteInt(char* at, std::int64_t value);

}  // namespace lwall

#endif  // LWALL_COMMON_NUMBER_FORMAT_H_
