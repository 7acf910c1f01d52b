// Script command forms.
#include "output/script_writer.h"

#include "common/number_format.h"

namespace lwall {

namespace {

void AppendPoint(std::string& line, double x, double y) {
  char point[2 * FixedRoom(5, 0) + 2];
  char* end = WriteFixed(point, x, 5, 0);
  *end++ = ',';
  end = WriteFixed(end, y, 5, 0);
  *end++ = ' ';
  line.append(point, static_cast<std::size_t>(end - point));
}

void AppendShifted(std::string& line, Point p, Point origin) {
  AppendPoint(line, p.x + origin.x, p.y + origin.y);
}

// The text and circle commands print the point as given when the origin is
// (0, 0): adding zero would turn a negative zero into a positive one.
void AppendPlaced(std::string& line, Point p, Point origin) {
  if (origin.x == 0.0 && origin.y == 0.0) {
    AppendPoint(line, p.x, p.y);
  } else {
    AppendShifted(line, p, origin);
  }
}

}  // namespace

std::string ScriptPoint(double x, double y) {
  std::string text;
  AppendPoint(text, x, y);
  return text;
}

std::string& ScriptWriter::Start(std::string_view command) {
  line_.assign(command);
  return line_;
}

void ScriptWriter::Polyline(std::span<const Point> points, Point origin) {
  std::string& line = Start("PLINE ");
  for (const Point& p : points) AppendShifted(line, p, origin);
  WriteScriptLine(line);
}

void ScriptWriter::ScriptLeader(Point p1, Point p2, Point origin) {
  std::string& line = Start("qleader ");
  AppendShifted(line, p1, origin);
  AppendShifted(line, p2, origin);
  WriteScriptLine(line);
}

void ScriptWriter::ScriptLeader(Point p1, Point p2, Point p3, Point origin) {
  std::string& line = Start("qleader ");
  AppendShifted(line, p1, origin);
  AppendShifted(line, p2, origin);
  AppendFixed(line, p3.x + origin.x, 5, 0);
  line += ',';
  AppendFixed(line, p3.y + origin.y, 5, 0);
  line += '\n';  // an empty line: the Enter that closes the leader's text prompt
  WriteScriptLine(line);
}

void ScriptWriter::Text(Point p, std::int64_t height, double angle, std::string_view text,
                        Point origin) {
  std::string& line = Start("text ");
  AppendPlaced(line, p, origin);
  AppendInt(line, height);
  line += ' ';
  AppendFixed(line, angle, 5, 0);
  line += ' ';
  line += text;
  line += ' ';
  WriteScriptLine(line);
}

void ScriptWriter::Circle(Point p, double radius, Point origin) {
  std::string& line = Start("CIRCLE ");
  AppendPlaced(line, p, origin);
  AppendFixed(line, radius, 5, 0);
  line += '\n';
  WriteScriptLine(line);
}

void ScriptWriter::DimLinear(std::string_view form, Point p1, Point p2, Point location,
                             Point origin) {
  std::string& line = Start("dimlinear ");
  AppendShifted(line, p1, origin);
  AppendShifted(line, p2, origin);
  line += form;
  AppendShifted(line, location, origin);
  WriteScriptLine(line);
}

void ScriptWriter::ScriptDimLinearV(Point p1, Point p2, Point location, Point origin) {
  DimLinear("V ", p1, p2, location, origin);
}

void ScriptWriter::ScriptDimLinearH(Point p1, Point p2, Point location, Point origin) {
  DimLinear("H ", p1, p2, location, origin);
}

void ScriptWriter::ScriptDimLinearM(Point p1, Point p2, std::string_view text, Point location,
                                    Point origin) {
  std::string& line = Start("dimlinear ");
  AppendShifted(line, p1, origin);
  AppendShifted(line, p2, origin);
  line += "M ";
  line += text;
  line += '\n';
  AppendShifted(line, location, origin);
  WriteScriptLine(line);
}

void ScriptWriter::Donut(Point p, std::int64_t diameter, Point origin) {
  std::string& line = Start("donut 0 ");
  AppendInt(line, diameter);
  line += ' ';
  AppendShifted(line, p, origin);
  WriteScriptLine(line);
}

}  // namespace lwall
