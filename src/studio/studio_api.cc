// The studio's calls, each a thin layer over what the command line does.
#include "studio/studio_api.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "driver/sheet.h"
#include "input/byte_source.h"
#include "input/design_data.h"
#include "input/input_check.h"
#include "input/input_trace.h"
#include "input/layer_table.h"
#include "output/output_stream.h"

namespace lwall {

namespace {

constexpr std::string_view kDesignName = "tempoL.dat";
constexpr std::string_view kLayersName = "GasouL.dat";

// A JSON string of bytes: each byte one character, so that the page gets
// the input's bytes back exactly whatever their encoding.
void AppendJsonBytes(std::string& out, std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte >= 0x7F) {
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  out += '"';
}

// The bytes of a number's text from where its read began: up to a blank or
// a comma, as far as the readers' values reach.
std::string_view TokenAt(std::string_view text, std::uint64_t offset) {
  if (offset >= text.size()) return {};
  const std::string_view rest = text.substr(static_cast<std::size_t>(offset));
  return rest.substr(0, std::min(rest.find_first_of(" \t\n\v\f\r,"), rest.size()));
}

// The form's text of one field: what was read, or the text the read could
// not take (so that the form written back stops where the file stopped), or
// "0", the value a run holds for a field it never reached. `taken` is where
// the text of the field before ends: a read that failed inside that text
// has it shown there already.
std::string FieldText(std::string_view file, const FieldTrace& field, std::uint64_t taken = 0) {
  const bool missed = field.miss == Miss::kNotANumber || field.miss == Miss::kTooLarge;
  if (field.state == FieldState::kRead || (missed && field.at.offset >= taken)) {
    const std::string_view token = TokenAt(file, field.at.offset);
    if (!token.empty()) return std::string(token);
  }
  return "0";
}

// Where a finding points to: the field whose text holds the place, else the
// field whose read found nothing there.
const FieldTrace* FieldAt(const InputTrace& trace, std::string_view file, std::uint64_t line,
                          std::uint64_t column) {
  for (const FieldTrace& field : trace.fields) {
    if (field.state != FieldState::kRead || field.at.line != line) continue;
    const std::size_t length = TokenAt(file, field.at.offset).size();
    if (column >= field.at.column && column < field.at.column + length) return &field;
  }
  for (const FieldTrace& field : trace.fields) {
    if (field.at.line == line && field.at.column == column && field.state != FieldState::kRead) {
      return &field;
    }
  }
  return nullptr;
}

// The design field a finding's text names first ("record 31, W3 diameter
// 2, ..."), for a finding whose place holds no field.
const FieldTrace* FieldNamed(const InputTrace& trace, std::string_view text) {
  const std::size_t at = text.find("record ");
  if (at == std::string_view::npos) return nullptr;
  const std::string_view named = text.substr(at);
  const FieldTrace* found = nullptr;
  std::size_t longest = 0;
  for (const FieldTrace& field : trace.fields) {
    const std::string name = "record " + std::to_string(field.record) + ", " +
                             DesignFieldName(field.record, field.index);
    if (named.starts_with(name) && name.size() > longest) {
      found = &field;
      longest = name.size();
    }
  }
  return found;
}

// One `--check` line, "FILE:LINE:COLUMN: error: TEXT" or "FILE: warning:
// TEXT", as the page's JSON object.
struct Finding {
  std::string severity, file, text;
  std::uint64_t line = 0, column = 0;
  int record = -1, field = -1;
};

Finding ParseFinding(std::string_view line) {
  Finding f;
  for (const std::string_view name : {kDesignName, kLayersName}) {
    if (line.starts_with(name) && line.size() > name.size() && line[name.size()] == ':') {
      f.file = name;
      line.remove_prefix(name.size() + 1);
    }
  }
  const auto number = [&line](std::uint64_t& value) {
    std::size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') ++digits;
    if (digits == 0 || digits >= line.size() || line[digits] != ':') return false;
    std::from_chars(line.data(), line.data() + digits, value);
    line.remove_prefix(digits + 1);
    return true;
  };
  if (number(f.line)) number(f.column);
  for (const std::string_view severity : {"error", "warning"}) {
    const std::string head = " " + std::string(severity) + ": ";
    if (line.starts_with(head)) {
      f.severity = severity;
      line.remove_prefix(head.size());
    }
  }
  f.text = line;
  return f;
}

std::string FindingsJson(const Studio& studio) {
  StringSource design(studio.inputs[Studio::kDesign]);
  StringSource layers(studio.inputs[Studio::kLayers]);
  const InputCheck check = CheckInputs(design, layers, kDesignName, kLayersName);
  InputTrace design_trace;
  StringSource design_source(studio.inputs[Studio::kDesign]);
  ReadDesignData(design_source, &design_trace);
  InputTrace layer_trace;
  StringSource layer_source(studio.inputs[Studio::kLayers]);
  ReadLayerTable(layer_source, &layer_trace);

  std::string json = "{\"summary\":";
  AppendJsonBytes(json, check.Summary());
  json += ",\"findings\":[";
  const char* separator = "";
  for (const std::string& line : check.findings) {
    Finding f = ParseFinding(line);
    const bool is_design = f.file == kDesignName;
    const InputTrace& trace = is_design ? design_trace : layer_trace;
    const std::string& file = studio.inputs[is_design ? Studio::kDesign : Studio::kLayers];
    const FieldTrace* field = f.line > 0 ? FieldAt(trace, file, f.line, f.column) : nullptr;
    if (field == nullptr && is_design) field = FieldNamed(trace, f.text);
    if (field != nullptr) {
      f.record = field->record;
      f.field = field->index;
    }
    json += separator;
    separator = ",";
    json += "{\"severity\":\"" + f.severity + "\",\"file\":\"" + f.file +
            "\",\"line\":" + std::to_string(f.line) + ",\"column\":" + std::to_string(f.column) +
            ",\"record\":" + (f.record < 0 ? "null" : std::to_string(f.record)) +
            ",\"field\":" + (f.field < 0 ? "null" : std::to_string(f.field)) + ",\"text\":";
    AppendJsonBytes(json, f.text);
    json += ",\"line_text\":";
    AppendJsonBytes(json, line);
    json += '}';
  }
  return json + "]}";
}

}  // namespace

int Redraw(Studio& studio) {
  const std::string& design_text = studio.inputs[Studio::kDesign];
  const std::string& layer_text = studio.inputs[Studio::kLayers];
  std::string message;
  {
    OutputStream dxf, script, svg;
    StringSource design(design_text);
    StringSource layers(layer_text);
    studio.status = DrawSheet(design, layers, SheetOutputs{dxf, script, &svg}, message);
    studio.outputs[Studio::kDxf] = dxf.contents();
    studio.outputs[Studio::kScript] = script.contents();
    // The command line writes the picture only for a drawn sheet.
    studio.outputs[Studio::kSvg] = studio.status == kExitOk ? svg.contents() : std::string();
  }
  // A failed run has no sheet to save, in any form.
  studio.outputs[Studio::kPortableDxf].clear();
  if (studio.status == kExitOk) {
    OutputStream dxf, script;
    StringSource design(design_text);
    StringSource layers(layer_text);
    std::string ignored;
    DrawSheet(design, layers, SheetOutputs{dxf, script, nullptr, true}, ignored);
    studio.outputs[Studio::kPortableDxf] = dxf.contents();
  }
  studio.outputs[Studio::kMessage] = message;
  studio.outputs[Studio::kFindings] = FindingsJson(studio);
  return studio.status;
}

void ReadFields(Studio& studio) {
  const std::string& design_text = studio.inputs[Studio::kDesign];
  const std::string& layer_text = studio.inputs[Studio::kLayers];
  InputTrace design;
  StringSource design_source(design_text);
  ReadDesignData(design_source, &design);
  InputTrace layers;
  StringSource layer_source(layer_text);
  const LayerTable table = ReadLayerTable(layer_source, &layers);

  // Where the text shown for each field ends.
  std::uint64_t taken = 0;
  const auto text_of = [&taken](std::string_view file, const FieldTrace& field) {
    std::string text = FieldText(file, field, taken);
    if (field.state == FieldState::kRead)
      taken = field.at.offset + TokenAt(file, field.at.offset).size();
    return text;
  };
  std::string json = "{\"names\":[";
  for (int r = 1; r <= kDesignRecords; ++r) {
    json += r == 1 ? "[" : ",[";
    for (const FieldTrace& field : design.fields) {
      if (field.record != r) continue;
      if (field.index > 0) json += ',';
      AppendJsonBytes(json, DesignFieldName(r, field.index));
    }
    json += ']';
  }
  json += "],\"design\":[";
  int record = 0;
  for (const FieldTrace& field : design.fields) {
    if (field.record != record) {
      json += record == 0 ? "[" : "],[";
      record = field.record;
    } else {
      json += ',';
    }
    AppendJsonBytes(json, text_of(design_text, field));
  }
  json += "]],\"layer_count\":";
  taken = 0;
  AppendJsonBytes(json, text_of(layer_text, layers.fields[0]));
  json += ",\"layers\":[";
  for (std::size_t i = 0; i < table.layers.size(); ++i) {
    // Entries declared but not in the file are left to the count, so that
    // the file written back ends where this one did; an entry that does not
    // read is kept with the text that stopped it.
    const std::size_t first = 1 + 4 * i;
    if (first < layers.fields.size() && FieldText(layer_text, layers.fields[first]) == "0" &&
        layers.fields[first].state != FieldState::kRead) {
      break;
    }
    json += i == 0 ? "[" : ",[";
    // Entries past what a trace notes (only an absurd file has them) show
    // the values read.
    for (std::size_t k = 0; k < 4; ++k) {
      if (k > 0) json += ',';
      if (k == 3) {
        AppendJsonBytes(json, table.layers[i].name);
      } else if (first + k < layers.fields.size()) {
        AppendJsonBytes(json, text_of(layer_text, layers.fields[first + k]));
      } else {
        AppendJsonBytes(json, "0");
      }
    }
    json += ']';
  }
  studio.outputs[Studio::kFields] = json + "]}";
}

}  // namespace lwall

extern "C" {

EMSCRIPTEN_KEEPALIVE lwall::Studio* lwall_studio_new() {
  return new lwall::Studio;
}

EMSCRIPTEN_KEEPALIVE void lwall_studio_delete(lwall::Studio* studio) {
  delete studio;
}

EMSCRIPTEN_KEEPALIVE char* lwall_studio_input(lwall::Studio* studio, int input, std::size_t size) {
  std::string& text = studio->inputs[input == lwall::Studio::kLayers ? 1 : 0];
  text.assign(size, '\0');
  return text.data();
}

EMSCRIPTEN_KEEPALIVE int lwall_studio_redraw(lwall::Studio* studio) {
  return lwall::Redraw(*studio);
}

EMSCRIPTEN_KEEPALIVE void lwall_studio_read_fields(lwall::Studio* studio) {
  lwall::ReadFields(*studio);
}

EMSCRIPTEN_KEEPALIVE const char* lwall_studio_output(const lwall::Studio* studio, int output) {
  if (output < 0 || output >= lwall::Studio::kOutputs) return nullptr;
  return studio->outputs[output].data();
}

EMSCRIPTEN_KEEPALIVE std::size_t lwall_studio_output_size(const lwall::Studio* studio, int output) {
  if (output < 0 || output >= lwall::Studio::kOutputs) return 0;
  return studio->outputs[output].size();
}

}  // extern "C"
