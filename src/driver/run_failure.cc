// Failure messages and statuses.
#include "driver/run_failure.h"

#include "common/japanese_texts.h"
#include "driver/exit_status.h"

namespace lwall {

namespace {

// What each file of a run is called and the status its failures end with:
// in one switch, so that a new file cannot get one without the other.
struct FileFacts {
  const char* name;
  int status;
};

FileFacts FactsOf(RunFile file) {
  switch (file) {
    case RunFile::kDxf:
      return {"Lwall.dxf", kExitDxfFailed};
    case RunFile::kScript:
      return {"tempoL.scr", kExitScriptFailed};
    case RunFile::kDesign:
      return {"tempoL.dat", kExitDesignFailed};
    case RunFile::kLayers:
      return {"GasouL.dat", kExitLayersFailed};
    case RunFile::kPreview:
      return {"Lwall.svg", kExitPreviewFailed};
    case RunFile::kBars:
      return {"Lwall-bars.csv", kExitDataFailed};
    case RunFile::kMaterials:
      return {"Lwall-materials.csv", kExitDataFailed};
  }
  return {"", kExitDxfFailed};
}

}  // namespace

const char* FileName(RunFile file) {
  return FactsOf(file).name;
}

namespace {

// A bound is told in the unit a person reads it in.
std::string BoundText(std::uint64_t bytes) {
  constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
  if (bytes >= kMiB && bytes % kMiB == 0) return std::to_string(bytes / kMiB) + " MiB";
  return std::to_string(bytes) + " bytes";
}

}  // namespace

std::string FailureMessage(const RunFailure& failure) {
  const std::string name = FileName(failure.file);
  switch (failure.kind) {
    case FailureKind::kCreate:
      return "can't create " + name + "\n";
    case FailureKind::kRead:
      return "can't read " + name + "\n";
    case FailureKind::kWrite:
      return "can't write " + name + "\n";
    case FailureKind::kTooLarge:
      return "can't write " + name + ": the sheet exceeds " + BoundText(failure.bound) + "\n";
    case FailureKind::kNoConverter:
      return "can't write " + name + ": no Shift-JIS converter\n";
    case FailureKind::kTooWide:
      return ja::kWidthLimitMessage;
    case FailureKind::kTooHigh:
      return ja::kHeightLimitMessage;
  }
  return "";
}

int FailureStatus(const RunFailure& failure) {
  if (failure.kind == FailureKind::kTooWide || failure.kind == FailureKind::kTooHigh) {
    return kExitWallRefused;
  }
  return FactsOf(failure.file).status;
}

void RunOutcome::Add(const RunFailure& failure) {
  messages_ += FailureMessage(failure);
  const bool write = failure.kind == FailureKind::kWrite;
  if (status_ == 0 || (write && !decided_by_write_)) {
    status_ = FailureStatus(failure);
    decided_by_write_ = write;
  }
}

}  // namespace lwall
