// The DXF entity records, written exactly as CAD readers expect.
//
// A record is a run of lines in pairs, group code then value. Each record
// writer starts with the entity name (the "0" before it is already in the
// file) and ends with a "0" line that introduces whatever follows. The order
// of the groups inside a record is part of the file format.
#ifndef LWALL_OUTPUT_DXF_WRITER_H_
#define LWALL_OUTPUT_DXF_WRITER_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "output/entity_sink.h"
#include "output/output_stream.h"

namespace lwall {

class DxfWriter {
 public:
  explicit DxfWriter(OutputStream& out) : out_(out) {}

  // Every entity record written from now on is also handed to `sink`.
  void AddSink(EntitySink& sink) { sinks_.push_back(&sink); }
  // Texts whose style name is empty name `style` instead. Some readers take
  // an empty style name for a damaged record; the portable form sets
  // "STANDARD" here.
  void NameEmptyStyle(std::string_view style) { empty_style_name_ = style; }

  // The three value line formats: "%d", "%s" and "%5.0lf".
  void Int(std::int64_t value);
  void Text(std::string_view value);
  void Real(double value);
  // A group code line followed by its value line.
  void Group(int code, std::string_view value) {
    Int(code);
    Text(value);
  }
  void GroupInt(int code, std::int64_t value) {
    Int(code);
    Int(value);
  }
  void GroupReal(int code, double value) {
    Int(code);
    Real(value);
  }
  // A real with `decimals` places, for the header and the viewport, whose
  // values are not whole millimetres (a scale, the centre of a view).
  void GroupDecimal(int code, double value, int decimals);

  // Entity records; coordinates are sheet coordinates.
  void WriteDxfLine(std::string_view layer, double thickness, int colour, double x1, double y1,
                    double x2, double y2);
  void WriteDxfHiddenLine(std::string_view layer, double thickness, int colour, double x1,
                          double y1, double x2, double y2);
  void WriteDxfCenterLine(std::string_view layer, double thickness, int colour, double x1,
                          double y1, double x2, double y2);
  void WriteDxfText(std::string_view layer, double thickness, int colour, std::int64_t height,
                    std::string_view text, double width_factor, double angle, double x, double y);
  void WriteDxfAlignedText(std::string_view layer, double thickness, int colour,
                           std::int64_t height, std::string_view text, double width_factor,
                           double rotation, std::string_view style, double x1, double y1, double x2,
                           double y2);
  // The circle is the one record given view coordinates: it adds the origin.
  void WriteDxfCircle(std::string_view layer, int colour, double x, double y, double radius,
                      double thickness, double origin_x, double origin_y);

 private:
  // Record assembly: the entity name, then group code and value lines, then
  // the closing "0"; End() hands the record on.
  char* Room(std::size_t bytes);  // where `bytes` more bytes of the record go
  void Grow(std::size_t bytes);
  void Commit(const char* end);  // the record now ends at `end`
  void Begin(std::string_view entity);
  void PutCode(std::string_view code);
  void PutText(std::string_view code, std::string_view value);
  void PutInt(std::string_view code, std::int64_t value);
  void PutReal(std::string_view code, double value);
  void End();

  // A LINE record; an empty linetype leaves the layer's own.
  void WriteLine(std::string_view linetype, std::string_view layer, double thickness, int colour,
                 double x1, double y1, double x2, double y2);

  OutputStream& out_;
  std::vector<EntitySink*> sinks_;
  std::string empty_style_name_;
  std::string scratch_;  // one value line, reused to spare allocations
  std::string record_;   // room for one record: its first record_size_ bytes
  std::size_t record_size_ = 0;
};

}  // namespace lwall

#endif  // LWALL_OUTPUT_DXF_WRITER_H_
