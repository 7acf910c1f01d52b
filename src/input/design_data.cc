// Reading "tempoL.dat", record by record.
#include "input/design_data.h"

#include <algorithm>
#include <initializer_list>

#include "input/scanner.h"

namespace lwall {

int BarArrangement::EffectiveSegmentCount() const {
  return std::clamp(segment_count, 0, 5);
}

namespace {

// One record of comma-separated reals: "%lf,%lf,...\n".
void ReadReals(Scanner& in, std::initializer_list<double*> fields) {
  bool first = true;
  for (double* field : fields) {
    if (!first && !in.Literal(',')) return;
    if (!in.ReadReal(*field)) return;
    first = false;
  }
  in.SkipSpace();
}

// One record of comma-separated integers: "%d,%d,...\n".
void ReadInts(Scanner& in, std::initializer_list<int*> fields) {
  bool first = true;
  for (int* field : fields) {
    if (!first && !in.Literal(',')) return;
    if (!in.ReadInt(*field)) return;
    first = false;
  }
  in.SkipSpace();
}

void ReadArrangement(Scanner& in, BarArrangement& bar) {
  ReadInts(in, {&bar.segment_count});
  ReadInts(in, {&bar.diameter[1], &bar.diameter[2], &bar.diameter[3], &bar.diameter[4],
                &bar.diameter[5]});
  ReadReals(in, {&bar.pitch[1], &bar.pitch[2], &bar.pitch[3], &bar.pitch[4], &bar.pitch[5]});
  ReadInts(in, {&bar.pitch_count[1], &bar.pitch_count[2], &bar.pitch_count[3], &bar.pitch_count[4],
                &bar.pitch_count[5]});
}

}  // namespace

DesignData ReadDesignData(ByteSource& source) {
  DesignData d;
  Scanner in(source);
  ReadReals(in, {&d.toe_width, &d.wall_thickness, &d.heel_width});
  ReadReals(in, {&d.wall_height, &d.footing_thickness});
  ReadReals(in, {&d.view_length_left, &d.view_length_right});
  ReadReals(in, {&d.cover_footing_bottom, &d.cover_footing_top, &d.cover_wall_front,
                 &d.cover_wall_back, &d.cover_front_side, &d.cover_back_side});
  ReadReals(in, {&d.cover_wall_top});
  for (BarArrangement* bar : {&d.F1, &d.F2, &d.F3, &d.F4, &d.W1, &d.W2, &d.W3, &d.W4, &d.W5}) {
    ReadArrangement(in, *bar);
  }
  int unused = 0;  // the fifth value of the tie record has no field
  ReadInts(in, {&d.s1_diameter, &d.s2_diameter, &d.s1_count, &d.s2_count, &unused});
  return d;
}

DesignData ReadDesignData(std::string_view text) {
  StringSource source(text);
  return ReadDesignData(source);
}

}  // namespace lwall
