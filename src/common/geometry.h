// Points of the drawing, in millimetres.
#ifndef LWALL_COMMON_GEOMETRY_H_
#define LWALL_COMMON_GEOMETRY_H_

namespace lwall {

struct Point {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const Point&, const Point&) = default;
};

}  // namespace lwall

#endif  // LWALL_COMMON_GEOMETRY_H_
