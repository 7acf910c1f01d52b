// The findings about "tempoL.dat": what the reader made of it, where its
// records came apart from its lines, the size limits of a run, and values
// that read but are very likely not meant.
#ifndef LWALL_CHECK_DESIGN_CHECK_H_
#define LWALL_CHECK_DESIGN_CHECK_H_

#include <string_view>

#include "check/finding.h"
#include "check/finding_list.h"
#include "check/sheet_use.h"
#include "input/design_data.h"
#include "input/input_trace.h"

namespace lwall {

// `design` and `trace` are what the reader made of the file, whose bytes
// from its start are `text` (as far as they were kept); `use` tells what
// this design's sheet uses.
void CheckDesign(const DesignData& design, const InputTrace& trace, std::string_view text,
                 SheetUse& use, FindingList& out);

// A design field's name as the user's guide gives it ("toe width",
// "W3 pitch count 2"), and with its record ("record 31, W3 diameter 2").
Phrase DesignFieldName(int record, int index);
Phrase DesignFieldReference(int record, int index);

}  // namespace lwall

#endif  // LWALL_CHECK_DESIGN_CHECK_H_
