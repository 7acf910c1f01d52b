// The design results of one L-shaped retaining wall, as read from "tempoL.dat".
//
// Frame of every view: x = 0 on the wall centre line, y = 0 at the underside
// of the footing; the front face and the toe lie on the negative-x side, the
// back face and the heel on the positive-x side. Lengths are millimetres.
//
// Plain data: every drawing reads it, so this header knows nothing of how it
// is read (design_reader.h) or of the file's record layout (design_records.h).
#ifndef LWALL_INPUT_DESIGN_DATA_H_
#define LWALL_INPUT_DESIGN_DATA_H_

#include <array>

namespace lwall {

// The bars of one mark, in up to five pitch segments. Arrays are indexed 1 to
// 5 as the designers number the segments; slot 0 always holds zero.
struct BarArrangement {
  int segment_count = 0;
  std::array<int, 6> diameter{};     // 13 stands for D13; 0 means no bars
  std::array<double, 6> pitch{};     // mm
  std::array<int, 6> pitch_count{};  // the segment is pitch_count * pitch long

  // The segment count the drawings walk: the read count kept within 0..5, so
  // a damaged file never makes a view read past the fifth segment.
  int EffectiveSegmentCount() const;
};

struct DesignData {
  double toe_width = 0;
  double wall_thickness = 0;
  double heel_width = 0;
  double wall_height = 0;
  double footing_thickness = 0;
  double view_length_left = 0;
  double view_length_right = 0;
  double cover_footing_bottom = 0;
  double cover_footing_top = 0;
  double cover_wall_front = 0;
  double cover_wall_back = 0;
  double cover_front_side = 0;
  double cover_back_side = 0;
  double cover_wall_top = 0;

  BarArrangement F1;  // footing top bars, across the footing
  BarArrangement F2;  // footing bottom bars, across the footing
  BarArrangement F3;  // footing longitudinal bars, top face
  BarArrangement F4;  // footing longitudinal bars, bottom face
  BarArrangement W1;  // wall vertical bars, back face
  BarArrangement W2;  // wall vertical bars, front face
  BarArrangement W3;  // wall horizontal bars, back face
  BarArrangement W4;  // wall horizontal bars, front face
  BarArrangement W5;  // crown bars

  // Ties. The section view sets both diameters to 13 before drawing them; the
  // footing plan replaces s2_count by the number of ties it draws.
  int s1_diameter = 0;
  int s2_diameter = 0;
  int s1_count = 0;
  int s2_count = 0;
};

// The wall's overall width (toe + wall + heel) and height (footing + wall),
// which the sheet's views have room for only up to kMaxFootingWidth and
// kMaxTotalHeight.
inline double OverallWidth(const DesignData& d) {
  return d.toe_width + d.wall_thickness + d.heel_width;
}
inline double OverallHeight(const DesignData& d) {
  return d.footing_thickness + d.wall_height;
}

}  // namespace lwall

#endif  // LWALL_INPUT_DESIGN_DATA_H_
