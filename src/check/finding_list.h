// The findings of one input file as the checks find them, handed over in the
// order of the file.
#ifndef LWALL_CHECK_FINDING_LIST_H_
#define LWALL_CHECK_FINDING_LIST_H_

#include <deque>
#include <vector>

#include "check/finding.h"
#include "input/input_trace.h"

namespace lwall {

class FindingList {
 public:
  explicit FindingList(InputFile file) : file_(file) {}

  // Each returns the finding added, for the caller to say which value it is
  // about; it stays valid while the list lives.
  Finding& Error(const TextPosition& at, Phrase message);
  Finding& Warning(const TextPosition& at, Phrase message);
  // A warning about the file as a whole.
  Finding& Warning(Phrase message);

  bool has_errors() const;
  // Whether a finding is about that field of that record of the design data.
  bool HasFindingAbout(int record, int field) const;

  // Appends the findings to `out` in file order (those about the file as a
  // whole last), each with its English text, and forgets them.
  void MoveTo(std::vector<Finding>& out);

 private:
  Finding& Add(Severity severity, const TextPosition* at, Phrase message);

  InputFile file_;
  std::deque<Finding> findings_;
};

}  // namespace lwall

#endif  // LWALL_CHECK_FINDING_LIST_H_
