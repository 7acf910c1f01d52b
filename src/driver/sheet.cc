// The fixed sequence of a run.
#include "driver/sheet.h"

#include <optional>

#include "check/input_check.h"
#include "common/sheet_frame.h"
#include "drawings/arrangement/reinforcement_arrangement.h"
#include "drawings/assembly/rebar_assembly.h"
#include "driver/exit_status.h"
#include "driver/run_failure.h"
#include "driver/run_files.h"
#include "input/design_reader.h"
#include "input/layer_reader.h"
#include "kernel/run_state.h"
#include "output/dxf_header.h"
#include "output/dxf_tables.h"
#include "output/svg_writer.h"
#include "platform/platform.h"
#include "tables/schedule_csv.h"
#include "tables/schedules.h"

namespace lwall {

namespace {

// The tables, the design data, the limits and the drawings, as far as they
// get; nothing when the whole sheet is drawn, its tables' cells then in
// `tables`.
std::optional<RunFailure> DrawInto(RunState& run, ByteSource& design, ByteSource& layers,
                                   bool portable, ScheduleTables& tables) {
  DxfWriter& dxf = run.dxf;
  if (portable) {
    WriteViewportAndLtypeTables(dxf);
  } else {
    WriteLtypeTable(dxf);
  }
  run.layers = ReadLayerTable(layers);
  if (layers.failed()) return RunFailure{FailureKind::kRead, RunFile::kLayers};
  WriteLayerTable(dxf, run.layers);
  WriteStyleTable(dxf);
  dxf.Int(0);
  dxf.Text("ENDSEC");
  dxf.Int(0);
  dxf.Text("SECTION");
  dxf.Group(2, "ENTITIES");
  dxf.Int(0);  // the group code of the first entity

  run.design = ReadDesignData(design);
  if (design.failed()) return RunFailure{FailureKind::kRead, RunFile::kDesign};
  const DesignData& d = run.design;
  if (OverallWidth(d) > kMaxFootingWidth) return RunFailure{FailureKind::kTooWide};
  if (OverallHeight(d) > kMaxTotalHeight) return RunFailure{FailureKind::kTooHigh};

  DrawReinforcementArrangement(run);
  DrawRebarAssemblyDrawing(run);
  tables = DrawSchedules(run);

  dxf.Text("ENDSEC");
  dxf.Int(0);
  dxf.Text("EOF");
  return std::nullopt;
}

RunFailure TooLarge(RunFile file, const OutputStream& stream) {
  return RunFailure{FailureKind::kTooLarge, file, stream.limit()};
}

// Hands entity records on to the picture until the picture passes its
// bound; from then on the picture is given up and the sheet goes on, so a
// picture too large to write never costs the user the sheet itself. The
// picture's own head is written here too, so that its bound is never taken
// for the sheet's.
class PictureSink : public EntitySink {
 public:
  PictureSink(OutputStream& out, const LayerTable& layers) : out_(out) {
    Guarded([&] { svg_.emplace(out, layers, platform::ShiftJisToUtf8); });
  }
  void OnLine(const LineRecord& line) override {
    Guarded([&] { svg_->OnLine(line); });
  }
  void OnText(const TextRecord& text) override {
    Guarded([&] { svg_->OnText(text); });
  }
  void OnCircle(const CircleRecord& circle) override {
    Guarded([&] { svg_->OnCircle(circle); });
  }
  void Finish() {
    Guarded([&] { svg_->Finish(); });
  }
  // Why the picture cannot be written, if it cannot.
  std::optional<RunFailure> failure() const {
    if (too_large_) return TooLarge(RunFile::kPreview, out_);
    // Its texts would all be missing: not a picture of the sheet.
    if (svg_ && !svg_->converted()) return RunFailure{FailureKind::kNoConverter, RunFile::kPreview};
    return std::nullopt;
  }

 private:
  template <typename Write>
  void Guarded(Write write) {
    if (too_large_) return;
    try {
      write();
    } catch (const OutputLimitExceeded&) {
      too_large_ = true;
    }
  }

  OutputStream& out_;
  std::optional<SvgWriter> svg_;
  bool too_large_ = false;
};

// The portable form's file: the "0", "SECTION" of the head, the header, and
// the rest of the file as drawn.
void WritePortableDxf(OutputStream& file, const ExtentsSink& extents, const OutputStream& body) {
  DxfWriter head(file);
  head.Int(0);
  head.Text("SECTION");
  WriteDxfHeader(head, extents);
  head.Int(0);
  head.Text("SECTION");
  file.Raw(body.contents());
}

}  // namespace

std::optional<RunFailure> DrawSheetInto(ByteSource& design, ByteSource& layers,
                                        const SheetOutputs& outputs) {
  // The portable form's header comes first but depends on what is drawn,
  // so the rest of its file is drawn into memory and follows the header.
  std::optional<OutputStream> portable_body;
  if (outputs.portable_dxf) portable_body.emplace();
  OutputStream& dxf_out = portable_body ? *portable_body : outputs.dxf;
  RunState run(dxf_out, outputs.script);
  ExtentsSink extents;
  if (outputs.portable_dxf) {
    run.dxf.NameEmptyStyle("STANDARD");
    run.dxf.AddSink(extents);
  }
  std::optional<PictureSink> picture;
  if (outputs.svg != nullptr) {
    picture.emplace(*outputs.svg, run.layers);
    run.dxf.AddSink(*picture);
  }
  std::optional<RunFailure> failure;
  ScheduleTables tables;
  try {
    if (!outputs.portable_dxf) {
      run.dxf.Int(0);
      run.dxf.Text("SECTION");
    }
    failure = DrawInto(run, design, layers, outputs.portable_dxf, tables);
  } catch (const OutputLimitExceeded& exceeded) {
    failure = &exceeded.stream() == &outputs.script ? TooLarge(RunFile::kScript, outputs.script)
                                                    : TooLarge(RunFile::kDxf, dxf_out);
  }
  if (picture) picture->Finish();
  // What was drawn of the portable form reaches its file whatever ended the
  // drawing, as the plain form's does; past the bound it is cut there.
  if (portable_body) {
    try {
      WritePortableDxf(outputs.dxf, extents, *portable_body);
    } catch (const OutputLimitExceeded&) {
      if (!failure) failure = TooLarge(RunFile::kDxf, outputs.dxf);
    }
  }
  // The data hold the tables of a whole sheet only.
  if (!failure && outputs.schedule != nullptr) {
    outputs.schedule->bars = BarScheduleCsv(tables, platform::ShiftJisToUtf8);
    outputs.schedule->materials = MaterialsCsv(tables.materials, platform::ShiftJisToUtf8);
  }
  if (!failure && picture) failure = picture->failure();
  return failure;
}

int DrawSheet(ByteSource& design, ByteSource& layers, const SheetOutputs& outputs,
              std::string& message) {
  const std::optional<RunFailure> failure = DrawSheetInto(design, layers, outputs);
  if (!failure) return kExitOk;
  message = FailureMessage(*failure);
  return FailureStatus(*failure);
}

int DrawSheet(std::string_view design_text, std::string_view layer_text, OutputStream& dxf,
              OutputStream& script, std::string& message) {
  StringSource design(design_text);
  StringSource layers(layer_text);
  return DrawSheet(design, layers, SheetOutputs{dxf, script}, message);
}

namespace {

// Opens the design data, then the layer file, of `directory`; the failure
// of the first that does not open, if one does not.
std::optional<RunFailure> OpenInputs(const std::string& directory, File& design, File& layers) {
  design = OpenInput(PathIn(directory, FileName(RunFile::kDesign)));
  if (!design) return RunFailure{FailureKind::kCreate, RunFile::kDesign};
  layers = OpenInput(PathIn(directory, FileName(RunFile::kLayers)));
  if (!layers) return RunFailure{FailureKind::kCreate, RunFile::kLayers};
  return std::nullopt;
}

// Writes a file beside the sheet, replacing an earlier one only once it is
// complete; its failure goes to `outcome`.
void WriteBeside(const std::string& directory, RunFile file, std::string_view contents,
                 RunOutcome& outcome) {
  switch (ReplaceFile(PathIn(directory, FileName(file)), contents)) {
    case ReplaceResult::kDone:
      break;
    case ReplaceResult::kCannotCreate:
      outcome.Add({FailureKind::kCreate, file});
      break;
    case ReplaceResult::kCannotWrite:
      outcome.Add({FailureKind::kWrite, file});
      break;
  }
}

// The run's outcome, told.
int Tell(const RunOutcome& outcome, MessageOut& messages) {
  if (!outcome.messages().empty()) messages.Print(outcome.messages());
  return outcome.status();
}

}  // namespace

int RunInDirectory(const std::string& directory, const RunOptions& options, MessageOut& messages) {
  RunOutcome outcome;
  const auto stop = [&](const RunFailure& failure) {
    outcome.Add(failure);
    return Tell(outcome, messages);
  };
  // 1. The two outputs, emptied, then the two inputs, stopping at the first
  // that does not open.
  OutputStream dxf(OpenOutput(PathIn(directory, FileName(RunFile::kDxf))));
  if (!dxf.has_file()) return stop({FailureKind::kCreate, RunFile::kDxf});
  OutputStream script(OpenOutput(PathIn(directory, FileName(RunFile::kScript))));
  if (!script.has_file()) return stop({FailureKind::kCreate, RunFile::kScript});
  File design_file;
  File layer_file;
  if (const auto failure = OpenInputs(directory, design_file, layer_file)) return stop(*failure);

  // 2. The sheet, with the picture and the schedule's data beside it in
  // memory.
  std::optional<OutputStream> svg;
  if (options.preview) svg.emplace();
  std::optional<ScheduleFiles> schedule;
  if (options.schedule) schedule.emplace();
  FileSource design(design_file.get());
  FileSource layers(layer_file.get());
  const SheetOutputs outputs{dxf, script, svg ? &*svg : nullptr, options.portable_dxf,
                             schedule ? &*schedule : nullptr};
  const std::optional<RunFailure> drawn = DrawSheetInto(design, layers, outputs);
  if (drawn) outcome.Add(*drawn);

  // 3. The sheet's files closed: a write that failed is told after the
  // run's own message, the DXF file's first.
  const bool dxf_written = dxf.Close();
  const bool script_written = script.Close();
  if (!dxf_written) {
    outcome.Add({FailureKind::kWrite, RunFile::kDxf});
  } else if (!script_written) {
    outcome.Add({FailureKind::kWrite, RunFile::kScript});
  }

  // The whole sheet reached its files; a picture too large spoils nothing
  // of it.
  const bool sheet_written =
      (!drawn || drawn->file == RunFile::kPreview) && dxf_written && script_written;

  // 4. The picture, only for a drawn sheet, and only once it is complete:
  // a failed run or a failed picture leaves an earlier picture alone.
  if (outcome.ok() && svg) WriteBeside(directory, RunFile::kPreview, svg->contents(), outcome);

  // 5. The schedule's data, for every sheet written whole, whatever became
  // of its picture: the files never disagree with the sheet beside them.
  if (sheet_written && schedule) {
    for (const auto& [file, contents] : {std::pair{RunFile::kBars, &schedule->bars},
                                         {RunFile::kMaterials, &schedule->materials}}) {
      if (*contents) {
        WriteBeside(directory, file, **contents, outcome);
      } else {
        outcome.Add({FailureKind::kNoConverter, file});
      }
    }
  }
  return Tell(outcome, messages);
}

int CheckDirectory(const std::string& directory, const Catalog& texts, MessageOut& messages) {
  RunOutcome outcome;
  const auto stop = [&](const RunFailure& failure) {
    outcome.Add(failure);
    return Tell(outcome, messages);
  };
  File design_file;
  File layer_file;
  if (const auto failure = OpenInputs(directory, design_file, layer_file)) return stop(*failure);
  FileSource design(design_file.get());
  FileSource layers(layer_file.get());
  const InputCheck check = CheckInputs(design, layers);
  // The layer file is read first, as in a run.
  if (layers.failed()) return stop({FailureKind::kRead, RunFile::kLayers});
  if (design.failed()) return stop({FailureKind::kRead, RunFile::kDesign});
  // Each finding names its file by the path from where lwall was started, in
  // the form editors jump to; the summary takes the directory prefix. In
  // English the report is the check's own text.
  const CatalogPatterns patterns(texts);
  const FindingTranslator* catalog = texts.language().empty() ? nullptr : &patterns;
  messages.PrintTextUnprefixed(FormatFindings(check, PathIn(directory, FileName(RunFile::kDesign)),
                                              PathIn(directory, FileName(RunFile::kLayers)),
                                              catalog));
  messages.PrintText(check.Summary(catalog) + "\n");
  return check.findings.empty() ? kExitOk : kExitFindings;
}

}  // namespace lwall
