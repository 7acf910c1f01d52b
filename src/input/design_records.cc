// The record layout of "tempoL.dat".
#include "input/design_records.h"

#include <initializer_list>

namespace lwall {

namespace {

DesignRecord Reals(std::initializer_list<double*> fields) {
  DesignRecord record;
  record.real = true;
  for (double* field : fields) record.reals[static_cast<std::size_t>(record.size++)] = field;
  return record;
}

DesignRecord Integers(std::initializer_list<int*> fields) {
  DesignRecord record;
  for (int* field : fields) record.integers[static_cast<std::size_t>(record.size++)] = field;
  return record;
}

}  // namespace

BarArrangement& MarkArrangement(DesignData& d, int mark) {
  const std::array<BarArrangement*, 9> marks = {&d.F1, &d.F2, &d.F3, &d.F4, &d.W1,
                                                &d.W2, &d.W3, &d.W4, &d.W5};
  return *marks[static_cast<std::size_t>(mark)];
}

const BarArrangement& MarkArrangement(const DesignData& d, int mark) {
  return MarkArrangement(const_cast<DesignData&>(d), mark);
}

MarkRecord MarkRecordOf(int record) {
  if (record < kFirstMarkRecord || record >= kFirstMarkRecord + 9 * kRecordsPerMark) return {};
  return {(record - kFirstMarkRecord) / kRecordsPerMark,
          (record - kFirstMarkRecord) % kRecordsPerMark};
}

DesignRecord DesignRecordFields(DesignData& d, int record) {
  switch (record) {
    case 1:
      return Reals({&d.toe_width, &d.wall_thickness, &d.heel_width});
    case 2:
      return Reals({&d.wall_height, &d.footing_thickness});
    case 3:
      return Reals({&d.view_length_left, &d.view_length_right});
    case 4:
      return Reals({&d.cover_footing_bottom, &d.cover_footing_top, &d.cover_wall_front,
                    &d.cover_wall_back, &d.cover_front_side, &d.cover_back_side});
    case 5:
      return Reals({&d.cover_wall_top});
    case kTieRecord:
      return Integers({&d.s1_diameter, &d.s2_diameter, &d.s1_count, &d.s2_count, nullptr});
    default:
      break;
  }
  const MarkRecord at = MarkRecordOf(record);
  if (at.mark < 0) return {};  // no record of the file
  BarArrangement& bar = MarkArrangement(d, at.mark);
  switch (at.part) {
    case 0:
      return Integers({&bar.segment_count});
    case 1:
      return Integers({&bar.diameter[1], &bar.diameter[2], &bar.diameter[3], &bar.diameter[4],
                       &bar.diameter[5]});
    case 2:
      return Reals({&bar.pitch[1], &bar.pitch[2], &bar.pitch[3], &bar.pitch[4], &bar.pitch[5]});
    default:
      return Integers({&bar.pitch_count[1], &bar.pitch_count[2], &bar.pitch_count[3],
                       &bar.pitch_count[4], &bar.pitch_count[5]});
  }
}

double DesignFieldValue(const DesignData& d, int record, int index) {
  const DesignRecord fields = DesignRecordFields(const_cast<DesignData&>(d), record);
  if (index < 0 || index >= fields.size) return 0;
  const auto i = static_cast<std::size_t>(index);
  if (fields.real) return fields.reals[i] != nullptr ? *fields.reals[i] : 0;
  return fields.integers[i] != nullptr ? *fields.integers[i] : 0;
}

int DesignRecordSize(int record) {
  DesignData scratch;
  return DesignRecordFields(scratch, record).size;
}

}  // namespace lwall
