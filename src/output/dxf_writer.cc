// DXF LINE, TEXT and CIRCLE records.
#include "output/dxf_writer.h"

#include <algorithm>
#include <cstring>

#include "common/number_format.h"

namespace lwall {

namespace {
// The scale of the hidden and centre lines the drawings write.
constexpr double kLinetypeScale = 10.0;
}  // namespace

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

void DxfWriter::GroupDecimal(int code, double value, int decimals) {
  Int(code);
  scratch_.clear();
  AppendFixed(scratch_, value, 0, decimals);
  out_.PlainLine(scratch_);
}

// Entity records are assembled in one reused buffer and handed on whole: a
// sheet holds tens of thousands of value lines. Each group is written in
// place behind the record so far, one bound check for the group.

inline char* DxfWriter::Room(std::size_t bytes) {
  if (record_.size() - record_size_ < bytes) Grow(bytes);
  return record_.data() + record_size_;
}

void DxfWriter::Grow(std::size_t bytes) {
  record_.resize(std::max(2 * record_.size(), record_size_ + bytes));
}

inline void DxfWriter::Commit(const char* end) {
  record_size_ = static_cast<std::size_t>(end - record_.data());
}

namespace {

char* Put(char* at, std::string_view text) {
  if (!text.empty()) std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

char* PutLineEnd(char* at) {
  return Put(at, OutputStream::kLineEnd);
}

}  // namespace

void DxfWriter::Begin(std::string_view entity) {
  record_size_ = 0;
  Commit(PutLineEnd(Put(Room(entity.size() + 2), entity)));
}

void DxfWriter::PutCode(std::string_view code) {
  Commit(PutLineEnd(Put(Room(code.size() + 2), code)));
}

void DxfWriter::PutText(std::string_view code, std::string_view value) {
  PutCode(code);
  if (!value.empty() && std::memchr(value.data(), '\n', value.size()) != nullptr) {
    // A text with line breaks (rare) takes the stream's one conversion.
    record_.resize(record_size_);
    OutputStream::AppendWithLineEnds(record_, value);
    record_size_ = record_.size();
    Commit(PutLineEnd(Room(2)));
    return;
  }
  Commit(PutLineEnd(Put(Room(value.size() + 2), value)));
}

void DxfWriter::PutInt(std::string_view code, std::int64_t value) {
  char* at = Put(Room(code.size() + 2 + kIntRoom + 2), code);
  Commit(PutLineEnd(WriteInt(PutLineEnd(at), value)));
}

void DxfWriter::PutReal(std::string_view code, double value) {
  char* at = Put(Room(code.size() + 2 + FixedRoom(5, 0) + 2), code);
  Commit(PutLineEnd(WriteFixed(PutLineEnd(at), value, 5, 0)));
}

void DxfWriter::End() {
  Commit(PutLineEnd(Put(Room(3), "0")));
  out_.Raw(std::string_view(record_.data(), record_size_));
}

void DxfWriter::WriteLine(std::string_view linetype, std::string_view layer, double thickness,
                          int colour, double x1, double y1, double x2, double y2) {
  Begin("LINE");
  PutText("8", layer);
  PutInt("62", colour);
  PutReal("39", thickness);
  if (!linetype.empty()) {  // a continuous line takes its layer's linetype
    PutReal("48", kLinetypeScale);
    PutText("6", linetype);
  }
  PutReal("10", x1);
  PutReal("20", y1);
  PutInt("30", 0);
  PutReal("11", x2);
  PutReal("21", y2);
  PutInt("31", 0);
  End();
  if (sinks_.empty()) return;
  const LineRecord record{
      layer,    thickness, colour, linetype, linetype.empty() ? 1.0 : kLinetypeScale,
      {x1, y1}, {x2, y2}};
  for (EntitySink* sink : sinks_) sink->OnLine(record);
}

void DxfWriter::WriteDxfLine(std::string_view layer, double thickness, int colour, double x1,
                             double y1, double x2, double y2) {
  WriteLine("", layer, thickness, colour, x1, y1, x2, y2);
}

void DxfWriter::WriteDxfHiddenLine(std::string_view layer, double thickness, int colour, double x1,
                                   double y1, double x2, double y2) {
  WriteLine("HIDDEN", layer, thickness, colour, x1, y1, x2, y2);
}

void DxfWriter::WriteDxfCenterLine(std::string_view layer, double thickness, int colour, double x1,
                                   double y1, double x2, double y2) {
  WriteLine("CENTER", layer, thickness, colour, x1, y1, x2, y2);
}

void DxfWriter::WriteDxfText(std::string_view layer, double thickness, int colour,
                             std::int64_t height, std::string_view text, double width_factor,
                             double angle, double x, double y) {
  Begin("TEXT");
  PutText("8", layer);
  PutReal("39", thickness);
  PutInt("62", colour);
  PutReal("10", x);
  PutReal("20", y);
  PutInt("30", 0);
  PutInt("40", height);
  PutReal("51", angle);  // group 51, as the readers of these sheets expect
  PutText("1", text);
  PutReal("41", width_factor);
  End();
  if (sinks_.empty()) return;
  const TextRecord record{layer, thickness, colour, height, text, width_factor,
                          angle, false,     {x, y}, {x, y}, ""};
  for (EntitySink* sink : sinks_) sink->OnText(record);
}

void DxfWriter::WriteDxfAlignedText(std::string_view layer, double thickness, int colour,
                                    std::int64_t height, std::string_view text, double width_factor,
                                    double rotation, std::string_view style, double x1, double y1,
                                    double x2, double y2) {
  Begin("TEXT");
  PutText("8", layer);
  PutReal("39", thickness);
  PutInt("62", colour);
  PutReal("10", x1);
  PutReal("20", y1);
  PutInt("30", 0);
  PutReal("11", x2);
  PutReal("21", y2);
  PutInt("31", 0);
  PutInt("40", height);
  PutReal("41", width_factor);
  PutReal("50", rotation);
  PutText("1", text);
  if (style.empty()) style = empty_style_name_;
  PutText("7", style);
  PutInt("72", 0);
  End();
  if (sinks_.empty()) return;
  const TextRecord record{layer,    thickness, colour,   height,   text, width_factor,
                          rotation, true,      {x1, y1}, {x2, y2}, style};
  for (EntitySink* sink : sinks_) sink->OnText(record);
}

void DxfWriter::WriteDxfCircle(std::string_view layer, int colour, double x, double y,
                               double radius, double thickness, double origin_x, double origin_y) {
  Begin("CIRCLE");
  PutText("8", layer);
  PutReal("39", thickness);
  PutInt("62", colour);
  PutReal("10", x + origin_x);
  PutReal("20", y + origin_y);
  PutInt("30", 0);
  PutReal("40", radius);
  End();
  if (sinks_.empty()) return;
  const CircleRecord record{layer, thickness, colour, {x + origin_x, y + origin_y}, radius};
  for (EntitySink* sink : sinks_) sink->OnCircle(record);
}

}  // namespace lwall
