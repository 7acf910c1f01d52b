// What the bars of each mark are spread over, and where a run of pitches that
// does not fill it was most likely mistyped.
//
// A designer chooses each mark's pitches and numbers of pitches so that they
// fill the length its bars are spread over, no more and no less: the
// footing's longitudinal bars (F3, F4) the footing between its side covers,
// the wall's horizontal bars (W3, W4) the wall from the top footing bars up
// to the crown bar, and the vertical bars, the footing's cross bars and each
// half of the crown bars the half of the developed views they are drawn in.
// A run that misses its span lays bars outside the concrete or leaves part
// of it bare, so it is almost always a mistyped value: a pitch or a number of
// pitches when one mark misses, the outline or a cover when every mark laid
// along the span misses it by the same length.
#ifndef LWALL_CHECK_MARK_SPANS_H_
#define LWALL_CHECK_MARK_SPANS_H_

#include <functional>
#include <vector>

#include "check/sheet_use.h"
#include "input/design_data.h"

namespace lwall {

// No concrete cover of a real wall is thinner or thicker than these: a cover
// above 0 below the first is one written in centimetres or with its point out
// of place ("7.0"), one above the second has a digit too many.
inline constexpr double kThinnestCover = 20;
inline constexpr double kThickestCover = 200;

enum class Span {
  kFooting,    // toe + wall + heel - both side covers
  kWall,       // wall height + footing top cover - wall top cover
  kRightHalf,  // view length right
  kLeftHalf,   // view length left
};

struct SpanMiss {
  Span span = Span::kFooting;
  double length = 0;  // the span as the outline and covers give it
  double run = 0;     // the run that misses it
  // The mark (0 to 8) whose run misses the span, and the one segment laid
  // along it (0 when all its segments are); -1 when every mark laid along
  // the span runs `run`, which makes the span's own values the suspects.
  int mark = -1;
  int segment = 0;
  // The value most likely mistyped, where the finding is told.
  DesignFieldId suspect;
};

// The spans that the design's runs miss. `in_use` tells the fields the sheet
// uses; `doubtful` those that already have a finding, taken as the likelier
// mistake; `unread` those not read whole, which keep any span or run made
// from them from being compared (their own findings tell why).
std::vector<SpanMiss> FindSpanMisses(const DesignData& design,
                                     const std::function<bool(DesignFieldId)>& in_use,
                                     const std::function<bool(DesignFieldId)>& doubtful,
                                     const std::function<bool(DesignFieldId)>& unread);

}  // namespace lwall

#endif  // LWALL_CHECK_MARK_SPANS_H_
