// DXF LINE, TEXT and CIRCLE records.
#include "output/dxf_writer.h"

#include "common/number_format.h"

namespace lwall {

void DxfWriter::Int(std::int64_t value) {
  scratch_.clear();
  AppendInt(scratch_, value);
  out_.PlainLine(scratch_);
}

void DxfWriter::Text(std::string_view value) {
  out_.Line(value);
}

void DxfWriter::Real(double value) {
  scratch_.clear();
  AppendFixed(scratch_, value, 5, 0);
  out_.PlainLine(scratch_);
}

void DxfWriter::WriteDxfLine(std::string_view layer, double thickness, int colour, double x1,
                             double y1, double x2, double y2) {
  Text("LINE");
  Group(8, layer);
  GroupInt(62, colour);
  GroupReal(39, thickness);
  GroupReal(10, x1);
  GroupReal(20, y1);
  GroupInt(30, 0);
  GroupReal(11, x2);
  GroupReal(21, y2);
  GroupInt(31, 0);
  Int(0);
}

void DxfWriter::LinetypedLine(std::string_view linetype, std::string_view layer, double thickness,
                              int colour, double x1, double y1, double x2, double y2) {
  Text("LINE");
  Group(8, layer);
  GroupInt(62, colour);
  GroupReal(39, thickness);
  GroupReal(48, 10.0);  // linetype scale
  Group(6, linetype);
  GroupReal(10, x1);
  GroupReal(20, y1);
  GroupInt(30, 0);
  GroupReal(11, x2);
  GroupReal(21, y2);
  GroupInt(31, 0);
  Int(0);
}

void DxfWriter::WriteDxfHiddenLine(std::string_view layer, double thickness, int colour, double x1,
                                   double y1, double x2, double y2) {
  LinetypedLine("HIDDEN", layer, thickness, colour, x1, y1, x2, y2);
}

void DxfWriter::WriteDxfCenterLine(std::string_view layer, double thickness, int colour, double x1,
                                   double y1, double x2, double y2) {
  LinetypedLine("CENTER", layer, thickness, colour, x1, y1, x2, y2);
}

void DxfWriter::WriteDxfText(std::string_view layer, double thickness, int colour,
                             std::int64_t height, std::string_view text, double width_factor,
                             double angle, double x, double y) {
  Text("TEXT");
  Group(8, layer);
  GroupReal(39, thickness);
  GroupInt(62, colour);
  GroupReal(10, x);
  GroupReal(20, y);
  GroupInt(30, 0);
  GroupInt(40, height);
  GroupReal(51, angle);  // group 51, as the readers of these sheets expect
  Group(1, text);
  GroupReal(41, width_factor);
  Int(0);
}

void DxfWriter::WriteDxfAlignedText(std::string_view layer, double thickness, int colour,
                                    std::int64_t height, std::string_view text, double width_factor,
                                    double rotation, std::string_view style, double x1, double y1,
                                    double x2, double y2) {
  Text("TEXT");
  Group(8, layer);
  GroupReal(39, thickness);
  GroupInt(62, colour);
  GroupReal(10, x1);
  GroupReal(20, y1);
  GroupInt(30, 0);
  GroupReal(11, x2);
  GroupReal(21, y2);
  GroupInt(31, 0);
  GroupInt(40, height);
  GroupReal(41, width_factor);
  GroupReal(50, rotation);
  Group(1, text);
  Group(7, style);
  GroupInt(72, 0);
  Int(0);
}

void DxfWriter::WriteDxfCircle(std::string_view layer, int colour, double x, double y,
                               double radius, double thickness, double origin_x, double origin_y) {
  Text("CIRCLE");
  Group(8, layer);
  GroupReal(39, thickness);
  GroupInt(62, colour);
  GroupReal(10, x + origin_x);
  GroupReal(20, y + origin_y);
  GroupInt(30, 0);
  GroupReal(40, radius);
  Int(0);
}

}  // namespace lwall
