// The SVG picture of the sheet, element by element as the records arrive.
#include "output/svg_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>

#include "common/number_format.h"
#include "common/sheet_frame.h"
#include "output/dxf_tables.h"

namespace lwall {

namespace {

// Coordinates are printed to 0.1 mm of the sheet, 2 micrometres on paper.
constexpr int kDecimals = 1;
constexpr double kResolution = 0.05;
// Room around the sheet frame, in sheet millimetres (8 mm on paper).
constexpr double kMargin = 400;
// Length of the picture's own unit (a CSS pixel, 1/96 inch) in sheet
// millimetres on a sheet printed at 1:50: stroke widths and dashes are
// given in these units.
constexpr double kSheetMmPerPixel = 25.4 / 96 * kSheetScale;
constexpr std::string_view kFonts = "IPAGothic, 'Noto Sans CJK JP', 'MS Gothic', sans-serif";

// A DXF text's height is the height of its capitals, as CAD programs draw
// it; a font size is the height of the whole em, of which the capitals of
// the usual gothic fonts take about 0.7. Dividing by this ratio gives the
// picture's texts the size they have in a CAD program.
constexpr double kCapHeightRatio = 0.7;

// A stroke of one pixel: 0.26 mm on paper, a hairline on a screen.
constexpr std::string_view kStrokeWidth = "1";

struct Rgb {
  int r = 0, g = 0, b = 0;
};

// The standard 256-colour index of DXF colour numbers: 1 to 9 named colours,
// 10 to 249 twenty-four hues 15 degrees apart in five shades each, at full
// and at half saturation, and 250 to 255 greys.
Rgb IndexColour(int index) {
  static constexpr std::array<Rgb, 10> kNamed{{{0, 0, 0},
                                               {255, 0, 0},
                                               {255, 255, 0},
                                               {0, 255, 0},
                                               {0, 255, 255},
                                               {0, 0, 255},
                                               {255, 0, 255},
                                               {255, 255, 255},
                                               {128, 128, 128},
                                               {192, 192, 192}}};
  static constexpr std::array<int, 6> kGreys{51, 80, 105, 130, 190, 255};
  static constexpr std::array<double, 5> kShades{255, 165, 127, 76, 38};
  if (index >= 1 && index <= 9) return kNamed[static_cast<std::size_t>(index)];
  if (index >= 250 && index <= 255) {
    const int grey = kGreys[static_cast<std::size_t>(index - 250)];
    return {grey, grey, grey};
  }
  if (index < 10 || index > 249) return {};
  // The hue's red, green and blue at full value and saturation, from 0 to 1.
  const double hue = (index - 10) / 10 * 15.0;
  const auto full = [&](int n) {
    const double k = std::fmod(n + hue / 60, 6);
    return 1 - std::max(0.0, std::min({k, 4 - k, 1.0}));
  };
  const bool pale = index % 2 == 1;
  const double shade = kShades[static_cast<std::size_t>(index % 10 / 2)];
  const auto level = [&](double c) {
    if (pale) c = 0.5 + c / 2;
    return static_cast<int>(std::floor(shade * c));
  };
  return {level(full(5)), level(full(3)), level(full(1))};
}

// Colours as they read on white paper: 7 (white on a CAD screen) and every
// number outside the index (0, the texts' "by block") are black; colours too
// light to read on white, yellow first, are darkened to a brightness that
// does, keeping their hue.
Rgb PaperColour(int index) {
  if (index == 7) return {};
  Rgb c = IndexColour(index);
  constexpr double kMaxLuma = 140;
  const double luma = 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
  if (luma > kMaxLuma) {
    const double f = kMaxLuma / luma;
    c = {static_cast<int>(c.r * f), static_cast<int>(c.g * f), static_cast<int>(c.b * f)};
  }
  return c;
}

void AppendColour(std::string& out, int index) {
  static constexpr std::string_view kHex = "0123456789abcdef";
  const Rgb c = PaperColour(index);
  out += '#';
  for (const int v : {c.r, c.g, c.b}) {
    out += kHex[static_cast<std::size_t>(v >> 4)];
    out += kHex[static_cast<std::size_t>(v & 15)];
  }
}

void AppendNumber(std::string& out, double value) {
  AppendFixed(out, value, 0, kDecimals);
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The character that begins at `utf8[i]`, and its length in bytes. The texts
// come from the Shift-JIS converter, which makes valid UTF-8 of any bytes; a sequence
// cut short all the same reads as U+FFFD.
char32_t CharacterAt(std::string_view utf8, std::size_t i, std::size_t& length) {
  const auto lead = static_cast<unsigned char>(utf8[i]);
  length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (i + length > utf8.size()) {
    length = utf8.size() - i;
    return 0xFFFD;
  }
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (utf8[i + k] & 0x3F);
  return c;
}

// Characters a text may show: what XML 1.0 allows, less the control
// characters (a damaged layer file can put any byte into a text).
bool Showable(char32_t c) {
  if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return false;
  return c <= 0xD7FF || (c >= 0xE000 && c <= 0xFFFD) || c >= 0x10000;
}

// A text, converted to UTF-8, as XML character data or an attribute value.
void AppendEscaped(std::string& out, std::string_view utf8) {
  static constexpr std::pair<char32_t, std::string_view> kEntities[] = {
      {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}, {'\'', "&apos;"}};
  std::size_t length = 0;
  for (std::size_t i = 0; i < utf8.size(); i += length) {
    const char32_t c = CharacterAt(utf8, i, length);
    std::string_view piece = Showable(c) ? utf8.substr(i, length) : kReplacement;
    for (const auto& [markup, entity] : kEntities) {
      if (c == markup) piece = entity;
    }
    out += piece;
  }
}

// A layer name, converted to UTF-8, as a class token (the rule is in the
// header).
void AppendClassToken(std::string& out, std::string_view utf8) {
  const auto kept = [](char32_t c) {
    if (c >= 0x80) {  // not the non-ASCII blanks, nor the mark of damage
      return Showable(c) && c != 0xA0 && !(c >= 0x2000 && c <= 0x200F) &&
             !(c >= 0x2028 && c <= 0x202F) && c != 0x205F && c != 0x3000 && c != 0xFEFF &&
             c != 0xFFFD;
    }
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
  };
  const std::size_t start = out.size();
  std::size_t length = 0;
  for (std::size_t i = 0; i < utf8.size(); i += length) {
    const char32_t c = CharacterAt(utf8, i, length);
    if (out.size() == start && ((c >= '0' && c <= '9') || c == '-')) out += '_';
    if (kept(c)) {
      out.append(utf8, i, length);
    } else {
      out += '_';
    }
  }
  if (out.size() == start) out += '_';
}

}  // namespace

SvgWriter::SvgWriter(OutputStream& out, const LayerTable& layers, ShiftJisDecoder decode)
    : out_(out), layers_(layers), decode_(decode) {
  const double left = kSheetFrameLowerLeft.x - kMargin;
  const double top = -(kSheetFrameUpperRight.y + kMargin);
  const double width = kSheetFrameWidth + 2 * kMargin;
  const double height = kSheetFrameHeight + 2 * kMargin;
  std::string& s = scratch_;
  const auto put = [&s](std::string_view before, double value) {
    s += before;
    AppendNumber(s, value);
  };
  s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  put("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"", width / kSheetScale);
  put("mm\" height=\"", height / kSheetScale);
  put("mm\" viewBox=\"", left);
  put(" ", top);
  put(" ", width);
  put(" ", height);
  put("\">\n<rect x=\"", left);
  put("\" y=\"", top);
  put("\" width=\"", width);
  put("\" height=\"", height);
  s += "\" fill=\"#ffffff\"/>\n<g fill=\"none\" stroke-width=\"";
  s += kStrokeWidth;
  s += "\" font-family=\"";
  s += kFonts;
  s += "\">";
  out_.Line(s);
}

void SvgWriter::Finish() {
  scratch_.clear();
  if (group_open_) scratch_ += "</g>\n";
  scratch_ += "</g>\n</svg>";
  group_open_ = false;
  out_.Line(scratch_);
}

std::string_view SvgWriter::Utf8(std::string_view shift_jis) {
  std::optional<std::string> utf8 = decode_(shift_jis);
  if (!utf8) {
    converted_ = false;
    utf8.emplace();  // the text is left out of a picture that is given up
  }
  converted_text_ = std::move(*utf8);
  return converted_text_;
}

std::string_view SvgWriter::LayerLinetype(std::string_view layer) const {
  // As the layer table of the DXF file writes it; a reader takes the first
  // layer of a name that occurs twice.
  const std::vector<LayerDef>& defs = layers_.layers;
  for (std::size_t i = 0; i < defs.size(); ++i) {
    if (defs[i].name == layer) return LayerLinetypes(layers_)[i];
  }
  return "CONTINUOUS";
}

void SvgWriter::EnterLayer(std::string_view layer) {
  if (group_open_ && layer == group_layer_) return;
  scratch_.clear();
  if (group_open_) scratch_ += "</g>\n";
  scratch_ += "<g class=\"";
  AppendClassToken(scratch_, Utf8(layer));
  scratch_ += "\">";
  out_.Line(scratch_);
  group_open_ = true;
  group_layer_.assign(layer);
  group_linetype_ = LayerLinetype(layer);
}

void SvgWriter::AppendPoint(std::string_view x_name, std::string_view y_name, Point p) {
  scratch_ += ' ';
  scratch_ += x_name;
  scratch_ += "=\"";
  AppendNumber(scratch_, p.x);
  scratch_ += "\" ";
  scratch_ += y_name;
  scratch_ += "=\"";
  AppendNumber(scratch_, -p.y);
  scratch_ += '"';
}

void SvgWriter::OnLine(const LineRecord& line) {
  EnterLayer(line.layer);
  std::string& s = scratch_;
  s = "<line";
  AppendPoint("x1", "y1", line.from);
  AppendPoint("x2", "y2", line.to);
  s += " stroke=\"";
  AppendColour(s, line.colour);
  s += '"';
  const std::string_view linetype = line.linetype.empty() ? group_linetype_ : line.linetype;
  const std::span<const double> dashes = LinetypeDashes(linetype);
  if (!dashes.empty()) {
    s += " stroke-dasharray=\"";
    const char* separator = "";
    for (const double dash : dashes) {
      s += separator;
      // Whole drawing units, as the LTYPE table prints them and a reader of
      // the file draws them.
      const double units = std::round(std::fabs(dash));
      AppendFixed(s, units * line.linetype_scale / kSheetMmPerPixel, 0, 2);
      separator = " ";
    }
    s += '"';
  }
  // A line without length shows as a dot in a CAD program; a round cap
  // makes it one in the picture too, where a plain stroke shows nothing.
  if (std::fabs(line.from.x - line.to.x) < kResolution &&
      std::fabs(line.from.y - line.to.y) < kResolution) {
    s += " stroke-linecap=\"round\"";
  }
  s += " vector-effect=\"non-scaling-stroke\"/>";
  out_.PlainLine(s);
}

void SvgWriter::OnCircle(const CircleRecord& circle) {
  EnterLayer(circle.layer);
  std::string& s = scratch_;
  s = "<circle";
  AppendPoint("cx", "cy", circle.centre);
  s += " r=\"";
  AppendNumber(s, circle.radius);
  s += "\" stroke=\"";
  AppendColour(s, circle.colour);
  s += "\" vector-effect=\"non-scaling-stroke\"/>";
  out_.PlainLine(s);
}

void SvgWriter::OnText(const TextRecord& text) {
  EnterLayer(text.layer);
  std::string& s = scratch_;
  // Both kinds of text are left-aligned on their baseline at their first
  // point: the DXF record of an aligned text says so (horizontal alignment
  // 0), and a reader then does not use its second point.
  s = "<text";
  AppendPoint("x", "y", text.at);
  s += " font-size=\"";
  AppendNumber(s, static_cast<double>(text.height) / kCapHeightRatio);
  s += "\" fill=\"";
  AppendColour(s, text.colour);
  s += '"';
  // The angle as the DXF file prints it: whole degrees. Every text of the
  // sheet has a width factor of 1.
  std::string angle;
  AppendFixed(angle, -text.rotation, 0, 0);
  if (angle != "0" && angle != "-0") {
    s += " transform=\"rotate(";
    s += angle;
    s += ' ';
    AppendNumber(s, text.at.x);
    s += ' ';
    AppendNumber(s, -text.at.y);
    s += ")\"";
  }
  s += " xml:space=\"preserve\">";
  AppendEscaped(s, Utf8(text.text));
  s += "</text>";
  out_.PlainLine(s);
}

}  // namespace lwall
