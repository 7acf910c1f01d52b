// The fixed sequence of a run.
#include "driver/sheet.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>
#include <optional>

#include "common/japanese_texts.h"
#include "common/sheet_frame.h"
#include "drawings/arrangement/reinforcement_arrangement.h"
#include "drawings/assembly/rebar_assembly.h"
#include "input/design_data.h"
#include "input/input_check.h"
#include "input/layer_table.h"
#include "kernel/run_state.h"
#include "output/dxf_header.h"
#include "output/dxf_tables.h"
#include "output/svg_writer.h"
#include "tables/schedules.h"

namespace lwall {

namespace {

constexpr const char* kDxfName = "Lwall.dxf";
constexpr const char* kScriptName = "tempoL.scr";
constexpr const char* kDesignName = "tempoL.dat";
constexpr const char* kLayersName = "GasouL.dat";
constexpr const char* kPreviewName = "Lwall.svg";

std::string CannotCreate(std::string_view name) {
  return "can't create " + std::string(name) + "\n";
}
std::string CannotRead(std::string_view name) {
  return "can't read " + std::string(name) + "\n";
}
std::string CannotWrite(std::string_view name, std::string_view why = "") {
  return "can't write " + std::string(name) + std::string(why) + "\n";
}

// The tables, the design data, the limits and the drawings, as far as they
// get. Returns the status; the message of a failure goes to `message`.
int DrawInto(RunState& run, ByteSource& design, ByteSource& layers, bool portable,
             std::string& message) {
  DxfWriter& dxf = run.dxf;
  if (portable) {
    WriteViewportAndLtypeTables(dxf);
  } else {
    WriteLtypeTable(dxf);
  }
  run.layers = ReadLayerTable(layers);
  if (layers.failed()) {
    message = CannotRead(kLayersName);
    return kExitLayers;
  }
  WriteLayerTable(dxf, run.layers);
  WriteStyleTable(dxf);
  dxf.Int(0);
  dxf.Text("ENDSEC");
  dxf.Int(0);
  dxf.Text("SECTION");
  dxf.Group(2, "ENTITIES");
  dxf.Int(0);  // the group code of the first entity

  run.design = ReadDesignData(design);
  if (design.failed()) {
    message = CannotRead(kDesignName);
    return kExitDesignData;
  }
  const DesignData& d = run.design;
  if (OverallWidth(d) > kMaxFootingWidth) {
    message = ja::kWidthLimitMessage;
    return kExitLimit;
  }
  if (OverallHeight(d) > kMaxTotalHeight) {
    message = ja::kHeightLimitMessage;
    return kExitLimit;
  }

  DrawReinforcementArrangement(run);
  DrawRebarAssemblyDrawing(run);
  DrawSchedules(run);

  dxf.Text("ENDSEC");
  dxf.Int(0);
  dxf.Text("EOF");
  return kExitOk;
}

std::string SheetTooLarge(std::string_view name) {
  return CannotWrite(name, ": the sheet exceeds " + std::to_string(kMaxOutputBytes >> 20) + " MiB");
}

// Hands entity records on to the picture until the picture passes its
// bound; from then on the picture is given up and the sheet goes on, so a
// picture too large to write never costs the user the sheet itself.
class PictureSink : public EntitySink {
 public:
  PictureSink(OutputStream& out, const LayerTable& layers) : svg_(out, layers) {}
  void OnLine(const LineRecord& line) override {
    Guarded([&] { svg_.OnLine(line); });
  }
  void OnText(const TextRecord& text) override {
    Guarded([&] { svg_.OnText(text); });
  }
  void OnCircle(const CircleRecord& circle) override {
    Guarded([&] { svg_.OnCircle(circle); });
  }
  void Finish() {
    Guarded([&] { svg_.Finish(); });
  }
  bool too_large() const { return too_large_; }

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

  SvgWriter svg_;
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

int DrawSheet(ByteSource& design, ByteSource& layers, const SheetOutputs& outputs,
              std::string& message) {
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
  int status = kExitOk;
  try {
    if (outputs.svg != nullptr) {
      picture.emplace(*outputs.svg, run.layers);
      run.dxf.AddSink(*picture);
    }
    if (!outputs.portable_dxf) {
      run.dxf.Int(0);
      run.dxf.Text("SECTION");
    }
    status = DrawInto(run, design, layers, outputs.portable_dxf, message);
  } catch (const OutputLimitExceeded& exceeded) {
    if (&exceeded.stream() == &outputs.script) {
      message = SheetTooLarge(kScriptName);
      status = kExitScript;
    } else {
      message = SheetTooLarge(kDxfName);
      status = kExitLimit;
    }
  }
  if (picture) picture->Finish();
  // What was drawn of the portable form reaches its file whatever ended the
  // drawing, as the plain form's does; past the bound it is cut there.
  if (portable_body) {
    try {
      WritePortableDxf(outputs.dxf, extents, *portable_body);
    } catch (const OutputLimitExceeded&) {
      if (status == kExitOk) {
        message = SheetTooLarge(kDxfName);
        status = kExitLimit;
      }
    }
  }
  if (status == kExitOk && picture && picture->too_large()) {
    message = SheetTooLarge(kPreviewName);
    status = kExitPreview;
  }
  return status;
}

int DrawSheet(std::string_view design_text, std::string_view layer_text, OutputStream& dxf,
              OutputStream& script, std::string& message) {
  StringSource design(design_text);
  StringSource layers(layer_text);
  return DrawSheet(design, layers, SheetOutputs{dxf, script}, message);
}

namespace {

// A file of the directory a run works in.
std::string PathIn(const std::string& directory, const char* name) {
  if (directory.empty()) return name;
  return directory.back() == '/' ? directory + name : directory + "/" + name;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Opens an input file; a directory does not count as a readable file.
File OpenInput(const std::string& path) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return nullptr;
  struct stat info {};
  if (fstat(fileno(file.get()), &info) != 0 || S_ISDIR(info.st_mode)) return nullptr;
  return file;
}

// Opens the design data, then the layer file, of `directory`; at the first
// that does not open, tells so and returns its status (0 when both open).
int OpenInputs(const std::string& directory, MessageOut& messages, File& design, File& layers) {
  design = OpenInput(PathIn(directory, kDesignName));
  if (!design) {
    messages.Print(CannotCreate(kDesignName));
    return kExitDesignData;
  }
  layers = OpenInput(PathIn(directory, kLayersName));
  if (!layers) {
    messages.Print(CannotCreate(kLayersName));
    return kExitLayers;
  }
  return kExitOk;
}

// Flushes and closes an output file; false when any of it failed.
bool Close(OutputStream& stream, File& file) {
  const bool flushed = stream.Flush();
  const bool closed = std::fclose(file.release()) == 0;
  return flushed && closed;
}

}  // namespace

int RunInDirectory(const std::string& directory, const RunOptions& options, MessageOut& messages) {
  File dxf_file(std::fopen(PathIn(directory, kDxfName).c_str(), "wb"));
  if (!dxf_file) {
    messages.Print(CannotCreate(kDxfName));
    return kExitLimit;
  }
  File script_file(std::fopen(PathIn(directory, kScriptName).c_str(), "wb"));
  if (!script_file) {
    messages.Print(CannotCreate(kScriptName));
    return kExitScript;
  }
  File design_file;
  File layer_file;
  if (const int status = OpenInputs(directory, messages, design_file, layer_file)) return status;

  std::string message;
  int status;
  bool dxf_written;
  bool script_written;
  std::optional<OutputStream> svg;
  {
    OutputStream dxf(dxf_file.get());
    OutputStream script(script_file.get());
    if (options.preview) svg.emplace();
    FileSource design(design_file.get());
    FileSource layers(layer_file.get());
    status =
        DrawSheet(design, layers,
                  SheetOutputs{dxf, script, svg ? &*svg : nullptr, options.portable_dxf}, message);
    dxf_written = Close(dxf, dxf_file);
    script_written = Close(script, script_file);
  }
  // A failure to write is told after the run's own message, and decides the
  // status: a sheet that did not reach its file is no success.
  if (!dxf_written) {
    message += CannotWrite(kDxfName);
    status = kExitLimit;
  } else if (!script_written) {
    message += CannotWrite(kScriptName);
    status = kExitScript;
  }
  // The picture is written only for a drawn sheet, so a failed run leaves
  // an earlier picture alone.
  if (status == kExitOk && svg) {
    File svg_file(std::fopen(PathIn(directory, kPreviewName).c_str(), "wb"));
    if (!svg_file) {
      message += CannotCreate(kPreviewName);
      status = kExitPreview;
    } else {
      OutputStream out(svg_file.get());
      out.Raw(svg->contents());
      if (!Close(out, svg_file)) {
        message += CannotWrite(kPreviewName);
        status = kExitPreview;
      }
    }
  }
  if (!message.empty()) messages.Print(message);
  return status;
}

int CheckDirectory(const std::string& directory, MessageOut& messages) {
  File design_file;
  File layer_file;
  if (const int status = OpenInputs(directory, messages, design_file, layer_file)) return status;
  FileSource design(design_file.get());
  FileSource layers(layer_file.get());
  const InputCheck check =
      CheckInputs(design, layers, PathIn(directory, kDesignName), PathIn(directory, kLayersName));
  // The layer file is read first, as in a run.
  if (layers.failed()) {
    messages.Print(CannotRead(kLayersName));
    return kExitLayers;
  }
  if (design.failed()) {
    messages.Print(CannotRead(kDesignName));
    return kExitDesignData;
  }
  // Each finding names its file by the path from where lwall was started, in
  // the form editors jump to; the summary takes the directory prefix.
  std::string findings;
  for (const std::string& finding : check.findings) findings += finding + "\n";
  messages.PrintUnprefixed(findings);
  messages.Print(check.Summary() + "\n");
  return check.findings.empty() ? kExitOk : kExitFindings;
}

}  // namespace lwall
