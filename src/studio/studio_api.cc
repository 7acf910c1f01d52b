// The studio's calls, each a thin layer over what the command line does.
#include "studio/studio_api.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

#include "check/design_check.h"
#include "check/input_check.h"
#include "driver/sheet.h"
#include "input/byte_source.h"
#include "input/design_reader.h"
#include "input/design_records.h"
#include "input/input_trace.h"
#include "input/layer_reader.h"
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

std::string FindingsJson(const Studio& studio) {
  const InputCheck check =
      CheckInputTexts(studio.inputs[Studio::kDesign], studio.inputs[Studio::kLayers]);
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
  for (const Finding& finding : check.findings) {
    const bool is_design = finding.file == InputFile::kDesign;
    // The value a finding is about, or else the field at its place.
    int record = -1;
    int index = -1;
    const std::optional<int> number = is_design ? finding.record : finding.layer_entry;
    if (number && finding.field) {
      record = *number;
      index = *finding.field;
    } else if (finding.line > 0) {
      const InputTrace& trace = is_design ? design_trace : layer_trace;
      const std::string& file = studio.inputs[is_design ? Studio::kDesign : Studio::kLayers];
      if (const FieldTrace* field = FieldAt(trace, file, finding.line, finding.column)) {
        record = field->record;
        index = field->index;
      }
    }
    json += separator;
    separator = ",";
    json += std::string("{\"severity\":\"") +
            (finding.severity == Severity::kError ? "error" : "warning") + "\",\"file\":\"" +
            std::string(is_design ? kDesignName : kLayersName) +
            "\",\"line\":" + std::to_string(finding.line) +
            ",\"column\":" + std::to_string(finding.column) +
            ",\"record\":" + (record < 0 ? "null" : std::to_string(record)) +
            ",\"field\":" + (index < 0 ? "null" : std::to_string(index)) + ",\"text\":";
    AppendJsonBytes(json, finding.text);
    json += ",\"line_text\":";
    AppendJsonBytes(json, FormatFinding(finding, kDesignName, kLayersName));
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
      AppendJsonBytes(json, Render(DesignFieldName(r, field.index)));
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
