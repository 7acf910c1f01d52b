// Test support: a checker of "tempoL.scr" against the command forms a CAD
// command line replays, and of its polylines against the DXF file's LINEs.
#ifndef LWALL_TESTS_CONFORMANCE_SCRIPT_GRAMMAR_H_
#define LWALL_TESTS_CONFORMANCE_SCRIPT_GRAMMAR_H_

#include <array>
#include <map>
#include <string>
#include <vector>

namespace lwall::testing {

// One segment of a "PLINE" command, its end points as printed ("%5.0lf"
// without the padding blanks).
struct ScriptSegment {
  std::array<std::string, 4> ends;  // x1, y1, x2, y2
  int line = 0;                     // 1-based line of its command
};

struct ScriptCheck {
  std::vector<std::string> faults;       // "line N: what is wrong"
  std::map<std::string, int> commands;   // "PLINE", "qleader", "qleader3", "text", ...
  std::vector<ScriptSegment> segments;   // every PLINE segment, in file order
};

// Parses every line of a whole script. Accepted, character for character:
//   PLINE P P ... (2 to 30 points)      qleader P P
//   qleader P P x,y  then an empty line  text P h a TEXT_
//   CIRCLE P r  then an empty line       donut 0 d P
//   dimlinear P P V P / H P              dimlinear P P M TEXT  then a line "P"
// where P is "%5.0lf,%5.0lf " (blank included), r and a are "%5.0lf", h and d
// "%d", TEXT any Shift-JIS text and _ a blank; every line ends with CR LF and
// keeps within the command's length limit (unless `length_limits` is false:
// absurd design values print numbers of hundreds of digits). Anything else is
// a fault.
ScriptCheck CheckScript(const std::string& script, bool length_limits = true);

// Faults for every PLINE segment without its DXF LINE: the LINEs of
// `dxf_file`, in file order, must hold the segments of `check`, in order and
// with the same printed end points (other LINEs may stand between them).
std::vector<std::string> CheckSegmentsInDxf(const ScriptCheck& check, const std::string& dxf_file);

}  // namespace lwall::testing

#endif  // LWALL_TESTS_CONFORMANCE_SCRIPT_GRAMMAR_H_
