// Bar callouts.
#include "kernel/bar_callout.h"

#include "common/number_format.h"
#include "kernel/primitives.h"

namespace lwall {

std::string DiameterText(int diameter) {
  return "D" + FormatInt(diameter);
}

void MarkBubble(RunState& run, Point at, std::string_view mark, int diameter) {
  SelectLayer(run, "D-STR-HTXT");
  DrawBarMarkBubble(run, at, 200, 125, 0, mark, DiameterText(diameter));
}

void BarCallout(RunState& run, std::initializer_list<Point> leader, Point bubble,
                std::string_view mark, int diameter) {
  SelectLayer(run, "D-STR-DIM");
  const Point* p = leader.begin();
  if (leader.size() == 3) {
    run.script.ScriptLeader(p[0], p[1], p[2], run.context.origin);
    DrawArrowLine(run, p[0], p[1], p[2]);
  } else if (leader.size() == 2) {
    run.script.ScriptLeader(p[0], p[1], run.context.origin);
    DrawArrowLine(run, p[0], p[1]);
  }
  MarkBubble(run, bubble, mark, diameter);
}

}  // namespace lwall
