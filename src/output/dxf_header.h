// The HEADER section of the portable DXF form: what a reader needs to know
// about the file without being told (its version, its code page) and where
// the drawing lies (its extents, the sheet limits, the paper).
//
// The plain file has no header, and readers then guess: they decode the
// Shift-JIS texts as Western text and open on an empty view. The header
// follows the drawing's entity records, so the extents are gathered by a
// sink while the sheet is drawn and the header written after.
#ifndef LWALL_OUTPUT_DXF_HEADER_H_
#define LWALL_OUTPUT_DXF_HEADER_H_

#include "common/geometry.h"
#include "output/dxf_writer.h"
#include "output/entity_sink.h"

namespace lwall {

// The box around every point the sheet's entities are drawn at: line ends,
// circles with their radius, text insertion points.
class ExtentsSink : public EntitySink {
 public:
  void OnLine(const LineRecord& line) override;
  void OnText(const TextRecord& text) override;
  void OnCircle(const CircleRecord& circle) override;

  bool empty() const { return empty_; }
  Point min() const { return min_; }
  Point max() const { return max_; }

 private:
  void Add(Point p);
  bool empty_ = true;
  Point min_, max_;
};

// Writes "2", "HEADER", the header variables and "0", "ENDSEC" (the
// "0", "SECTION" before it is the caller's). With no entity drawn the
// extents are those of the sheet frame.
void WriteDxfHeader(DxfWriter& dxf, const ExtentsSink& extents);

}  // namespace lwall

#endif  // LWALL_OUTPUT_DXF_HEADER_H_
