// Test support: runs the whole program in process on two input texts and
// checks what it promises for any input: an exit status of 0 or 1, no "nan"
// or "inf" in an output, and well-formed outputs for a drawn sheet.
#ifndef LWALL_TESTS_FUZZ_SHEET_CHECKS_H_
#define LWALL_TESTS_FUZZ_SHEET_CHECKS_H_

#include <string>
#include <vector>

#include "fuzz/input_mutator.h"

namespace lwall::testing {

struct SheetRun {
  int status = -1;
  std::string message;
  std::string dxf;
  std::string script;
};

SheetRun DrawSheetInMemory(const InputFiles& files);

// The faults of one run (none when it keeps every promise): the status; for
// a refused wall the message and the outputs so far; for a drawn sheet no
// "nan" or "inf" (looking past layer names, which come from the input, and
// past the second bytes of Shift-JIS characters), a DXF file of group pairs
// framed by the TABLES section and EOF whose entities are LINE, TEXT and
// CIRCLE with finite numbers, and a script that passes CheckScript with
// every polyline segment among the LINEs. For absurd inputs only what holds
// whatever the arithmetic gives: the status, the framing, and a script of
// known commands however long its numbers.
std::vector<std::string> CheckSheetRun(const SheetRun& run, InputRange range);

// The other faces of the program, each taken by a share of the cases.
enum class Face { kCheck, kPreview, kPortableDxf };
// The faults of `files` through `face`, beside their plain run `plain`: the
// check runs and its findings add up to its summary; the picture changes
// neither output nor the status (but for a picture too large, status 5) and
// is a whole document with finite numbers; the portable DXF ends as the
// plain one does, with the same status, finite numbers and only the plain
// file's kinds of entity.
std::vector<std::string> CheckFace(const InputFiles& files, const SheetRun& plain, Face face);

}  // namespace lwall::testing

#endif  // LWALL_TESTS_FUZZ_SHEET_CHECKS_H_
