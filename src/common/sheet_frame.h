// Where the sheet lies in drawing coordinates: every view is placed at a
// fixed point inside a frame 40000 wide and 27500 high (millimetres of the
// structure, printed at 1:50 the frame fits an A1 sheet in landscape).
#ifndef LWALL_COMMON_SHEET_FRAME_H_
#define LWALL_COMMON_SHEET_FRAME_H_

#include "common/geometry.h"

namespace lwall {

inline constexpr Point kSheetFrameLowerLeft{4000, 24000};
inline constexpr double kSheetFrameWidth = 40000;
inline constexpr double kSheetFrameHeight = 27500;
inline constexpr Point kSheetFrameUpperRight{kSheetFrameLowerLeft.x + kSheetFrameWidth,
                                             kSheetFrameLowerLeft.y + kSheetFrameHeight};
// The scale the sheet is printed at: 1 mm of paper shows 50 mm of structure.
inline constexpr double kSheetScale = 50;

// The largest wall the sheet's views have room for: toe + wall + heel, and
// footing + wall height. A run refuses a larger one.
inline constexpr double kMaxFootingWidth = 2500.0;
inline constexpr double kMaxTotalHeight = 3000.0;

}  // namespace lwall

#endif  // LWALL_COMMON_SHEET_FRAME_H_
