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

}  // namespace lwall

#endif  // LWALL_COMMON_NUMBER_FORMAT_H_
