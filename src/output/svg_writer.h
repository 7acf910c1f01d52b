// The sheet as an SVG 1.1 picture that any browser shows: one more consumer of
// the entity records the DXF writer hands on, so the picture holds exactly the
// LINE, CIRCLE and TEXT records of "Lwall.dxf", one element each, in file order.
//
// The picture is in sheet coordinates with y negated (SVG's y points down). Its
// viewBox is the sheet frame with a margin, its width and height are the
// frame's size on paper at 1:50, and it lies on a white background.
//
// Strokes are thin and do not scale with zoom (a non-scaling stroke), so a
// stroke's width and its dashes are lengths of the displayed picture, not of
// the sheet: a dashed line carries the dashes of its DXF linetype at its
// linetype scale, converted to the length they have on paper at 1:50.
//
// A text is as high as a CAD program draws it: the DXF height is the height
// of its capitals, so the font size is that height over the cap-height ratio
// of the usual gothic fonts (0.7).
//
// Entities of one layer that follow each other share a group whose class
// names the layer, so that a style sheet can hide a layer while the order of
// the entities stays the DXF file's. The class is the layer name in UTF-8 with
// every character other than an ASCII letter or digit, "-", "_" or a
// printable non-ASCII character (not a space) replaced by "_", and "_" put in
// front of a name that is empty or does not begin with a letter, "_" or a
// non-ASCII character; so "D-STR-DIM" stays "D-STR-DIM", "A&B 2" becomes
// "A_B_2" and "2F" becomes "_2F". Every class is one token that a CSS selector
// takes as it is.
//
// Texts and layer names are input and may hold any bytes: they are converted
// from Shift-JIS, characters that XML 1.0 forbids or that are control
// characters become U+FFFD, and the five markup characters are escaped, so the
// picture is well-formed XML whatever the layer file holds. A system without a
// Shift-JIS converter cannot show them at all: the writer then says it has
// not converted every text, and the picture is not worth keeping.
#ifndef LWALL_OUTPUT_SVG_WRITER_H_
#define LWALL_OUTPUT_SVG_WRITER_H_

#include <string>
#include <string_view>

#include "common/shift_jis_decoder.h"
#include "input/layer_table.h"
#include "output/entity_sink.h"
#include "output/output_stream.h"

namespace lwall {

class SvgWriter : public EntitySink {
 public:
  // Writes the head of the document. `layers` is read as entities arrive (it
  // is filled after this writer is made) and must outlive the writer.
  SvgWriter(OutputStream& out, const LayerTable& layers, ShiftJisDecoder decode);

  void OnLine(const LineRecord& line) override;
  void OnText(const TextRecord& text) override;
  void OnCircle(const CircleRecord& circle) override;

  // Closes the open layer group and the document; nothing may follow.
  void Finish();

  // False once a text or layer name could not be converted to UTF-8.
  bool converted() const { return converted_; }

 private:
  // Opens a new group when `layer` differs from the layer of the group open.
  void EnterLayer(std::string_view layer);
  // The linetype a line without one of its own takes from its layer, as the
  // DXF layer table names it ("CONTINUOUS" when the layer is unknown).
  std::string_view LayerLinetype(std::string_view layer) const;
  void AppendPoint(std::string_view x_name, std::string_view y_name, Point p);
  // `shift_jis` in UTF-8, valid until the next call.
  std::string_view Utf8(std::string_view shift_jis);

  OutputStream& out_;
  const LayerTable& layers_;
  bool group_open_ = false;
  std::string group_layer_;
  std::string_view group_linetype_;  // the open group's layer linetype
  std::string scratch_;              // one element, reused to spare allocations
  std::string converted_text_;
  bool converted_ = true;
  ShiftJisDecoder decode_;
};

}  // namespace lwall

#endif  // LWALL_OUTPUT_SVG_WRITER_H_
