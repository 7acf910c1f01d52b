// Reading both inputs, drawing what they give, and gathering the findings.
#include "check/input_check.h"

#include <algorithm>

#include "check/design_check.h"
#include "check/finding_list.h"
#include "check/layer_check.h"
#include "check/sheet_use.h"
#include "input/design_reader.h"
#include "input/input_trace.h"
#include "input/layer_reader.h"

namespace lwall {

namespace {

// Passes the bytes of a source on to a reader and keeps the first of them,
// for the checks that look at the lines of the file.
class KeepingSource : public ByteSource {
 public:
  // A design file a record a line takes a few hundred bytes; what lies past
  // this many is too far from a record to be looked at line by line.
  static constexpr std::size_t kKeptBytes = std::size_t{1} << 20;

  explicit KeepingSource(ByteSource& inner) : inner_(inner) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t n = inner_.Read(buffer, size);
    kept_.append(buffer, std::min(n, kKeptBytes - std::min(kKeptBytes, kept_.size())));
    return n;
  }
  bool failed() const override { return inner_.failed(); }
  const std::string& kept() const { return kept_; }

 private:
  ByteSource& inner_;
  std::string kept_;
};

}  // namespace

std::string InputCheck::Summary(const FindingTranslator* catalog) const {
  if (errors == 0 && warnings == 0) return Render({Text::kNoFindings}, catalog);
  const Phrase errors_phrase{Text::kErrors, {{"count", errors}}, errors};
  const Phrase warnings_phrase{Text::kWarnings, {{"count", warnings}}, warnings};
  if (warnings == 0) return Render(errors_phrase, catalog);
  if (errors == 0) return Render(warnings_phrase, catalog);
  return Render(
      {Text::kErrorsAndWarnings, {{"errors", errors_phrase}, {"warnings", warnings_phrase}}},
      catalog);
}

InputCheck CheckInputs(ByteSource& design, ByteSource& layers) {
  InputTrace layer_trace;
  const LayerTable table = ReadLayerTable(layers, &layer_trace);
  InputTrace design_trace;
  KeepingSource design_bytes(design);
  const DesignData data = ReadDesignData(design_bytes, &design_trace);

  SheetUse use(data, table);
  InputCheck check;
  FindingList design_findings(InputFile::kDesign);
  CheckDesign(data, design_trace, design_bytes.kept(), use, design_findings);
  design_findings.MoveTo(check.findings);
  FindingList layer_findings(InputFile::kLayers);
  CheckLayers(table, layer_trace, use, layer_findings);
  layer_findings.MoveTo(check.findings);
  for (const Finding& finding : check.findings) {
    ++(finding.severity == Severity::kError ? check.errors : check.warnings);
  }
  return check;
}

InputCheck CheckInputTexts(std::string_view design_text, std::string_view layer_text) {
  StringSource design(design_text);
  StringSource layers(layer_text);
  return CheckInputs(design, layers);
}

std::string FormatFindings(const InputCheck& check, std::string_view design_name,
                           std::string_view layer_name, const FindingTranslator* catalog) {
  std::string all;
  for (const Finding& finding : check.findings) {
    all += FormatFinding(finding, design_name, layer_name, catalog) + "\n";
  }
  return all;
}

}  // namespace lwall
