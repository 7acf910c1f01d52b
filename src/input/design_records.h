// The 42 records of "tempoL.dat" and the DesignData fields each one fills.
//
// The reader fills the fields through this layout and the check changes them
// through it, so the two can never disagree about which value of the file
// lands where.
#ifndef LWALL_INPUT_DESIGN_RECORDS_H_
#define LWALL_INPUT_DESIGN_RECORDS_H_

#include <array>
#include <string_view>

#include "input/design_data.h"

namespace lwall {

inline constexpr int kDesignRecords = 42;
// Records 6 + 4k to 9 + 4k hold bar mark k (kBarMarks[k]): its segment count,
// diameters, pitches and numbers of pitches.
inline constexpr int kFirstMarkRecord = 6;
inline constexpr int kRecordsPerMark = 4;
inline constexpr std::array<std::string_view, 9> kBarMarks = {"F1", "F2", "F3", "F4", "W1",
                                                              "W2", "W3", "W4", "W5"};
// The ties' record: S1 and S2 diameters, S1 and S2 counts, and a fifth value
// that is read and dropped.
inline constexpr int kTieRecord = 42;

// The comma-separated values of one record, all of one type: "%lf,%lf,..."
// or "%d,%d,...". A null field is a value that is read and dropped.
struct DesignRecord {
  bool real = false;
  int size = 0;
  std::array<double*, 6> reals{};
  std::array<int*, 6> integers{};
};

// The fields record `record` (1 to 42) fills in `d`, in the record's order;
// none for another number.
DesignRecord DesignRecordFields(DesignData& d, int record);

// The value of field `index` of record `record` in `d`, an integer as a
// real; 0 for a value read and dropped or no such field.
double DesignFieldValue(const DesignData& d, int record, int index);

// The number of values record `record` takes (0 for another number).
int DesignRecordSize(int record);

// Bar mark `mark` (0 to 8, in kBarMarks order) of `d`.
BarArrangement& MarkArrangement(DesignData& d, int mark);
const BarArrangement& MarkArrangement(const DesignData& d, int mark);

// Where a record of a bar mark lies: the mark (0 to 8), and which of its four
// records (0 segment count, 1 diameters, 2 pitches, 3 numbers of pitches).
// Both -1 for the other records.
struct MarkRecord {
  int mark = -1;
  int part = -1;
};
MarkRecord MarkRecordOf(int record);
// The record of part `part` (0 to 3, as above) of bar mark `mark`.
inline constexpr int MarkRecordNumber(int mark, int part) {
  return kFirstMarkRecord + kRecordsPerMark * mark + part;
}

}  // namespace lwall

#endif  // LWALL_INPUT_DESIGN_RECORDS_H_
