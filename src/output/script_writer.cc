// Script command forms.
#include "output/script_writer.h"

#include "common/number_format.h"

namespace lwall {

std::string ScriptPoint(double x, double y) {
  return FormatWhole(x) + "," + FormatWhole(y) + " ";
}

namespace {

std::string Shifted(Point p, Point origin) { return ScriptPoint(p.x + origin.x, p.y + origin.y); }

// The text and circle commands print the point as given when the origin is
// (0, 0): adding zero would turn a negative zero into a positive one.
std::string Placed(Point p, Point origin) {
  if (origin.x == 0.0 && origin.y == 0.0) return ScriptPoint(p.x, p.y);
  return Shifted(p, origin);
}

}  // namespace

void ScriptWriter::Polyline(std::span<const Point> points, Point origin) {
  std::string line = "PLINE ";
  for (const Point& p : points) line += Shifted(p, origin);
  WriteScriptLine(line);
}

void ScriptWriter::ScriptLeader(Point p1, Point p2, Point origin) {
  WriteScriptLine("qleader " + Shifted(p1, origin) + Shifted(p2, origin));
}

void ScriptWriter::ScriptLeader(Point p1, Point p2, Point p3, Point origin) {
  WriteScriptLine("qleader " + Shifted(p1, origin) + Shifted(p2, origin) +
                  FormatWhole(p3.x + origin.x) + "," + FormatWhole(p3.y + origin.y) + "\n");
}

void ScriptWriter::Text(Point p, std::int64_t height, double angle, std::string_view text,
                        Point origin) {
  std::string line = "text " + Placed(p, origin) + FormatInt(height) + " " + FormatWhole(angle) +
                     " ";
  line += text;
  line += " ";
  WriteScriptLine(line);
}

void ScriptWriter::Circle(Point p, double radius, Point origin) {
  WriteScriptLine("CIRCLE " + Placed(p, origin) + FormatWhole(radius) + "\n");
}

void ScriptWriter::ScriptDimLinearV(Point p1, Point p2, Point location, Point origin) {
  WriteScriptLine("dimlinear " + Shifted(p1, origin) + Shifted(p2, origin) + "V " +
                  Shifted(location, origin));
}

void ScriptWriter::ScriptDimLinearH(Point p1, Point p2, Point location, Point origin) {
  WriteScriptLine("dimlinear " + Shifted(p1, origin) + Shifted(p2, origin) + "H " +
                  Shifted(location, origin));
}

void ScriptWriter::ScriptDimLinearM(Point p1, Point p2, std::string_view text, Point location,
                                    Point origin) {
  std::string line = "dimlinear " + Shifted(p1, origin) + Shifted(p2, origin) + "M ";
  line += text;
  line += "\n";
  line += Shifted(location, origin);
  WriteScriptLine(line);
}

void ScriptWriter::Donut(Point p, std::int64_t diameter, Point origin) {
  WriteScriptLine("donut 0 " + FormatInt(diameter) + " " + Shifted(p, origin));
}

}  // namespace lwall
