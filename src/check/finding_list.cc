// Collecting and ordering findings.
#include "check/finding_list.h"

#include <algorithm>

namespace lwall {

Finding& FindingList::Add(Severity severity, const TextPosition* at, Phrase message) {
  Finding& finding = findings_.emplace_back();
  finding.severity = severity;
  finding.file = file_;
  if (at != nullptr) {
    finding.line = at->line;
    finding.column = at->column;
  }
  finding.message = std::move(message);
  return finding;
}

Finding& FindingList::Error(const TextPosition& at, Phrase message) {
  return Add(Severity::kError, &at, std::move(message));
}

Finding& FindingList::Warning(const TextPosition& at, Phrase message) {
  return Add(Severity::kWarning, &at, std::move(message));
}

Finding& FindingList::Warning(Phrase message) {
  return Add(Severity::kWarning, nullptr, std::move(message));
}

bool FindingList::has_errors() const {
  return std::any_of(findings_.begin(), findings_.end(),
                     [](const Finding& f) { return f.severity == Severity::kError; });
}

bool FindingList::HasFindingAbout(int record, int field) const {
  return std::any_of(findings_.begin(), findings_.end(),
                     [&](const Finding& f) { return f.record == record && f.field == field; });
}

void FindingList::MoveTo(std::vector<Finding>& out) {
  std::vector<Finding> sorted(std::make_move_iterator(findings_.begin()),
                              std::make_move_iterator(findings_.end()));
  findings_.clear();
  std::stable_sort(sorted.begin(), sorted.end(), [](const Finding& a, const Finding& b) {
    const bool a_placed = a.line > 0;
    const bool b_placed = b.line > 0;
    if (a_placed != b_placed) return a_placed;
    if (a.line != b.line) return a.line < b.line;
    return a.column < b.column;
  });
  for (Finding& finding : sorted) {
    finding.text = Render(finding.message);
    out.push_back(std::move(finding));
  }
}

}  // namespace lwall
