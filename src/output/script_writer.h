// The command lines of "tempoL.scr", the sheet as a script for a CAD command line.
//
// In a script a blank or a line end acts as the Enter key, so every blank and
// line end below is part of the command. Points are printed "%5.0lf,%5.0lf "
// (a trailing blank included); each builder adds the origin it is given to its
// view coordinates.
#ifndef LWALL_OUTPUT_SCRIPT_WRITER_H_
#define LWALL_OUTPUT_SCRIPT_WRITER_H_

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/geometry.h"
#include "output/output_stream.h"

namespace lwall {

class ScriptWriter {
 public:
  explicit ScriptWriter(OutputStream& out) : out_(out) {}

  // Writes `line` and a line end.
  void WriteScriptLine(std::string_view line) { out_.Line(line); }

  // "PLINE " and every point; a closed outline repeats its first point.
  void Polyline(std::span<const Point> points, Point origin);
  // "qleader " with two points.
  void ScriptLeader(Point p1, Point p2, Point origin);
  // "qleader " with three points; the command is followed by an empty line.
  void ScriptLeader(Point p1, Point p2, Point p3, Point origin);
  // "text " point, height, angle and text.
  void Text(Point p, std::int64_t height, double angle, std::string_view text, Point origin);
  // "CIRCLE " point and radius; the command is followed by an empty line.
  void Circle(Point p, double radius, Point origin);
  // "dimlinear " p1 p2 then "V x,y " or "H x,y " with the dimension line's point.
  void ScriptDimLinearV(Point p1, Point p2, Point location, Point origin);
  void ScriptDimLinearH(Point p1, Point p2, Point location, Point origin);
  // "dimlinear " p1 p2 "M text", then the location point on a line of its own.
  void ScriptDimLinearM(Point p1, Point p2, std::string_view text, Point location, Point origin);
  // "donut 0 d " and the dot's centre: one filled dot of a bar seen end-on.
  void Donut(Point p, std::int64_t diameter, Point origin);

 private:
  // Clears the reused line buffer and starts it with `command`.
  std::string& Start(std::string_view command);
  // "dimlinear " p1 p2, the form ("V " or "H ") and the location point.
  void DimLinear(std::string_view form, Point p1, Point p2, Point location, Point origin);

  OutputStream& out_;
  std::string line_;
};

// "%5.0lf,%5.0lf " of a point.
std::string ScriptPoint(double x, double y);

}  // namespace lwall

#endif  // LWALL_OUTPUT_SCRIPT_WRITER_H_
