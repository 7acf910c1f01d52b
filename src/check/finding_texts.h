// Every text "lwall --check" shows, as whole English sentence patterns.
//
// A finding's text is one of these patterns with its placeholders ("{field}",
// "{text}") filled in; a placeholder holds a value of the file (a number, a
// quote, a layer name) or a noun phrase that is itself one of these patterns
// (a field's name, a list of fields). No sentence is put together from
// pieces, so a translator sees each sentence whole, and the English text is
// the key a catalog looks it up by. A pattern with a plural form is chosen
// by a count, as a catalog's plural forms are.
#ifndef LWALL_CHECK_FINDING_TEXTS_H_
#define LWALL_CHECK_FINDING_TEXTS_H_

#include <string_view>

namespace lwall {

enum class Text {
  // The names of the design data fields, as the user's guide names them.
  kToeWidth,
  kWallThickness,
  kHeelWidth,
  kWallHeight,
  kFootingThickness,
  kViewLengthLeft,
  kViewLengthRight,
  kFootingBottomCover,
  kFootingTopCover,
  kWallFrontCover,
  kWallBackCover,
  kFrontSideCover,
  kBackSideCover,
  kWallTopCover,
  kSegmentCount,
  kDiameter,
  kPitch,
  kPitchCount,
  kS1Diameter,
  kS2Diameter,
  kS1Count,
  kS2Count,
  kSpare,
  kRecordField,
  // What the bars of a mark are spread over.
  kFootingSpan,
  kWallSpan,
  // The fields of a layer entry, and layers.
  kLayerCount,
  kColour,
  kLinetypeCode,
  kThickness,
  kName,
  kEntryField,
  kLayerNamed,
  kLayerEntry,
  // Lists of names and numbers.
  kTwo,
  kRange,
  kRecords,
  kEntries,

  // The design data file: where the reading stopped.
  kFileEndsBefore,
  kFileEndsBeforeLastRecord,
  kFileGoesOnAfterLastRecord,
  kStopped,
  kStoppedInsideNumber,
  kStoppedTooLarge,
  kStoppedNotANumber,
  kStoppedAtBlankBeforeComma,
  // Records that ended early while the reading went on.
  kRecordEndsAfter,
  kRecordEndsBeforeFirst,
  kRecordsEndBeforeFirst,
  kRecordEndsAfterInsideNumber,
  kRecordEndsBeforeFirstInsideNumber,
  kRecordsEndBeforeFirstInsideNumber,
  kRecordEndsAfterTooLarge,
  kRecordEndsBeforeFirstTooLarge,
  kRecordsEndBeforeFirstTooLarge,
  kRecordEndsAfterNotANumber,
  kRecordEndsBeforeFirstNotANumber,
  kRecordsEndBeforeFirstNotANumber,
  kRecordEndsCommaMissing,
  kRecordEndsShortLine,
  // A number read only in part.
  kNotAWholeNumber,
  kNotWhollyANumber,
  // Records that take their values from the wrong line.
  kLineMissingAbove,
  kBlankLineLostValues,
  kLineEndsInComma,
  kLineDoubledAbove,
  kLineMissingOrDoubledAbove,
  kLineRepeated,
  // The size limits of the run.
  kTooWide,
  kFarTooWide,
  kTooHigh,
  kFarTooHigh,
  // Values that read but are hardly meant.
  kNegative,
  kNotPositive,
  kCoverNotSmaller,
  kNoBarsOfMark,
  kSegmentCountOutside,
  kNoUnitMass,
  kPitchInSegmentWithBars,
  kBeyondArithmetic,
  kPitchNotAboveDiameter,
  kLengthBelowMinimum,
  kCoverBelowMinimum,
  kCoverAboveMaximum,
  kCoverZero,
  kThicknessNotAboveCovers,
  kSegmentCountNotLast,
  kSegmentHalfWritten,
  kPitchCountWithoutPitch,
  kMarkTooLong,
  kRunMissesSpan,
  kSegmentRunMissesSpan,
  kSpanMissesRuns,
  kMixedDiameters,

  // The layer file.
  kLayerCountEnds,
  kLayerCountDoesNotRead,
  kLayerCountNegative,
  kLayerCountTooLarge,
  kFewerEntries,
  kValueAfterEntry,
  kEntryShortOfValue,
  kFewerEntriesThanHonoured,
  kFileEndsInEntry,
  kFileEndsInEntryLeavingLater,
  kEntryDoesNotRead,
  kEntryDoesNotReadLeavingLater,
  kEntriesAfterCount,
  kDecimalCommaInThickness,
  kColourByBlock,
  kColourByLayer,
  kColourOutside,
  kThicknessAboveMaximum,
  kThicknessNegative,
  kThicknessEndsInPoint,
  kThicknessNoLineWeight,
  kLinetypeOutsideFirst,
  kLinetypeOutside,
  kLinetypeOnPlainLines,
  kDefinedTwice,
  kNameOneEditAway,
  kNameWithMarks,
  kNameDiffersInCase,
  kLayerNotDefined,
  kOwnColourLayerNotDefined,

  // The kind of a finding, where compilers write "error" and "warning".
  kError,
  kWarning,

  // The summary line.
  kNoFindings,
  kErrors,
  kWarnings,
  kErrorsAndWarnings,

  kCount  // not a text: the number of texts
};

// One text: its English pattern, and its plural form when a count chooses
// between the two (empty otherwise).
struct TextPattern {
  std::string_view one;
  std::string_view many;
};

TextPattern PatternOf(Text text);

inline constexpr int kTextCount = static_cast<int>(Text::kCount);

}  // namespace lwall

#endif  // LWALL_CHECK_FINDING_TEXTS_H_
