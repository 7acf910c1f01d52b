// Header variables of the portable DXF form.
#include "output/dxf_header.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/sheet_frame.h"

namespace lwall {

namespace {

// A landscape A1 sheet, in millimetres of paper.
constexpr Point kPaperSize{841, 594};

// Header reals carry one decimal: the extents of a 40 m sheet need no more,
// and whole-number printing would round the extents inward.
void HeaderPoint(DxfWriter& dxf, std::string_view name, Point p) {
  dxf.Group(9, name);
  dxf.GroupDecimal(10, p.x, 1);
  dxf.GroupDecimal(20, p.y, 1);
}

}  // namespace

void ExtentsSink::Add(Point p) {
  // Absurd designs can draw at non-finite points; they say nothing useful
  // about where the sheet lies.
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
  if (empty_) {
    min_ = max_ = p;
    empty_ = false;
    return;
  }
  min_ = {std::min(min_.x, p.x), std::min(min_.y, p.y)};
  max_ = {std::max(max_.x, p.x), std::max(max_.y, p.y)};
}

void ExtentsSink::OnLine(const LineRecord& line) {
  Add(line.from);
  Add(line.to);
}

void ExtentsSink::OnText(const TextRecord& text) {
  Add(text.at);
}

void ExtentsSink::OnCircle(const CircleRecord& circle) {
  const double r = std::fabs(circle.radius);
  Add({circle.centre.x - r, circle.centre.y - r});
  Add({circle.centre.x + r, circle.centre.y + r});
}

void WriteDxfHeader(DxfWriter& dxf, const ExtentsSink& extents) {
  dxf.Group(2, "HEADER");
  // The entity groups of this file are those of release 12.
  dxf.Group(9, "$ACADVER");
  dxf.Group(1, "AC1009");
  // Japanese texts are Shift-JIS bytes.
  dxf.Group(9, "$DWGCODEPAGE");
  dxf.Group(3, "ANSI_932");
  const bool empty = extents.empty();
  HeaderPoint(dxf, "$EXTMIN", empty ? kSheetFrameLowerLeft : extents.min());
  dxf.GroupInt(30, 0);
  HeaderPoint(dxf, "$EXTMAX", empty ? kSheetFrameUpperRight : extents.max());
  dxf.GroupInt(30, 0);
  HeaderPoint(dxf, "$LIMMIN", kSheetFrameLowerLeft);
  HeaderPoint(dxf, "$LIMMAX", kSheetFrameUpperRight);
  // The frame printed at 1:50 fills the paper: readers that print from the
  // header place the drawing's origin at the insertion base (millimetres of
  // paper) so that the frame sits in the middle, and scale it by 1/50.
  HeaderPoint(dxf, "$PLIMMIN", {0, 0});
  HeaderPoint(dxf, "$PLIMMAX", kPaperSize);
  const Point frame_on_paper{kSheetFrameWidth / kSheetScale, kSheetFrameHeight / kSheetScale};
  HeaderPoint(dxf, "$PINSBASE",
              {(kPaperSize.x - frame_on_paper.x) / 2 - kSheetFrameLowerLeft.x / kSheetScale,
               (kPaperSize.y - frame_on_paper.y) / 2 - kSheetFrameLowerLeft.y / kSheetScale});
  dxf.GroupInt(30, 0);
  dxf.Group(9, "$PSVPSCALE");
  dxf.GroupDecimal(40, 1 / kSheetScale, 2);
  dxf.Int(0);
  dxf.Text("ENDSEC");
}

}  // namespace lwall
