// What can end a run early or spoil one of its files, and the one place
// where such a failure becomes the message the user reads and the exit
// status the calling program tests.
#ifndef LWALL_DRIVER_RUN_FAILURE_H_
#define LWALL_DRIVER_RUN_FAILURE_H_

#include <cstdint>
#include <string>

namespace lwall {

// The files of a run.
enum class RunFile { kDxf, kScript, kDesign, kLayers, kPreview, kBars, kMaterials };

enum class FailureKind {
  kCreate,       // the file does not open ("create" for the inputs too)
  kRead,         // reading an input failed before its end
  kWrite,        // a write, flush, close or the final rename failed
  kTooLarge,     // the file would pass its size bound
  kNoConverter,  // the picture's Japanese texts cannot be converted
  kTooWide,      // the wall is wider than the sheet has room for
  kTooHigh,      // the wall is higher than the sheet has room for
};

struct RunFailure {
  FailureKind kind;
  RunFile file = RunFile::kDxf;  // for the wall limits: the DXF, whose status they share
  std::uint64_t bound = 0;       // kTooLarge: the bound in force, in bytes
};

// The file's name as the messages give it.
const char* FileName(RunFile file);
// The message of `failure`, with its line end, and its exit status.
std::string FailureMessage(const RunFailure& failure);
int FailureStatus(const RunFailure& failure);

// The failures of one run in the order they happened: the messages are told
// in that order, and a failure to write a file decides the status, since a
// sheet that did not reach its file is no success whatever happened before.
class RunOutcome {
 public:
  void Add(const RunFailure& failure);
  bool ok() const { return status_ == 0; }
  int status() const { return status_; }
  // Every message, in order, each with its line end.
  const std::string& messages() const { return messages_; }

 private:
  int status_ = 0;
  bool decided_by_write_ = false;
  std::string messages_;
};

}  // namespace lwall

#endif  // LWALL_DRIVER_RUN_FAILURE_H_
