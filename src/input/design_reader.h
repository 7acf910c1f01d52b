// Reading "tempoL.dat" into DesignData, record by record, and noting on
// request where each value came from.
#ifndef LWALL_INPUT_DESIGN_READER_H_
#define LWALL_INPUT_DESIGN_READER_H_

#include <string_view>

#include "input/byte_source.h"
#include "input/design_data.h"
#include "input/input_trace.h"

namespace lwall {

// Reads the 42 records of the design data file. Nothing is validated: a
// record stops at the first value that does not fit, and every field not
// reached keeps zero. The source is read only as far as the records reach;
// a read error ends it as its end does (the source's failed() tells). With
// a `trace`, notes where each value came from (record 1 to 42, fields in the
// order of the record).
DesignData ReadDesignData(ByteSource& source, InputTrace* trace = nullptr);
DesignData ReadDesignData(std::string_view text);

}  // namespace lwall

#endif  // LWALL_INPUT_DESIGN_READER_H_
