// The fixed sequence of a run.
#include "driver/sheet.h"

#include <sys/stat.h>

#include <cstdio>

#include "drawings/arrangement/reinforcement_arrangement.h"
#include "drawings/assembly/rebar_assembly.h"
#include "input/design_data.h"
#include "input/layer_table.h"
#include "kernel/run_state.h"
#include "output/dxf_tables.h"
#include "tables/schedules.h"

namespace lwall {

namespace {

// The largest wall the sheet's views have room for.
constexpr double kMaxFootingWidth = 2500.0;
constexpr double kMaxTotalHeight = 3000.0;

// Opens an input file; a directory does not count as a readable file.
std::FILE* OpenInput(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return nullptr;
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
    std::fclose(file);
    return nullptr;
  }
  return file;
}

std::string ReadAll(std::FILE* file) {
  std::string text;
  char buf[8192];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, file)) > 0) text.append(buf, n);
  return text;
}

void CannotCreate(std::FILE* out, const char* name) {
  std::fprintf(out, "can't create %s\n", name);
}

}  // namespace

int DrawSheet(std::string_view design_text, std::string_view layer_text, OutputStream& dxf_out,
              OutputStream& script_out, std::string& message) {
  RunState run(dxf_out, script_out);
  DxfWriter& dxf = run.dxf;

  dxf.Int(0);
  dxf.Text("SECTION");
  WriteLtypeTable(dxf);
  run.layers = ReadLayerTable(layer_text);
  WriteLayerTable(dxf, run.layers);
  WriteStyleTable(dxf);
  dxf.Int(0);
  dxf.Text("ENDSEC");
  dxf.Int(0);
  dxf.Text("SECTION");
  dxf.Group(2, "ENTITIES");
  dxf.Int(0);  // the group code of the first entity

  run.design = ReadDesignData(design_text);
  const DesignData& d = run.design;
  if (d.toe_width + d.wall_thickness + d.heel_width > kMaxFootingWidth) {
    message = "幅の制限を超えています。\n";
    return kExitLimit;
  }
  if (d.footing_thickness + d.wall_height > kMaxTotalHeight) {
    message = "高さの制限を超えています。\n";
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

int RunInCurrentDirectory(std::FILE* message_out) {
  std::FILE* dxf_file = std::fopen("Lwall.dxf", "wb");
  if (dxf_file == nullptr) {
    CannotCreate(message_out, "Lwall.dxf");
    return kExitLimit;
  }
  std::FILE* script_file = std::fopen("tempoL.scr", "wb");
  if (script_file == nullptr) {
    CannotCreate(message_out, "tempoL.scr");
    std::fclose(dxf_file);
    return kExitScript;
  }
  std::FILE* design_file = OpenInput("tempoL.dat");
  if (design_file == nullptr) {
    CannotCreate(message_out, "tempoL.dat");
    std::fclose(script_file);
    std::fclose(dxf_file);
    return kExitDesignData;
  }
  std::FILE* layer_file = OpenInput("GasouL.dat");
  if (layer_file == nullptr) {
    CannotCreate(message_out, "GasouL.dat");
    std::fclose(design_file);
    std::fclose(script_file);
    std::fclose(dxf_file);
    return kExitLayers;
  }
  const std::string design_text = ReadAll(design_file);
  std::fclose(design_file);
  const std::string layer_text = ReadAll(layer_file);
  std::fclose(layer_file);

  std::string message;
  int status;
  {
    OutputStream dxf(dxf_file);
    OutputStream script(script_file);
    status = DrawSheet(design_text, layer_text, dxf, script, message);
  }  // flushed here
  std::fclose(script_file);
  std::fclose(dxf_file);
  std::fputs(message.c_str(), message_out);
  return status;
}

}  // namespace lwall
