// The English patterns of the check's texts. A switch with no default: the
// compiler names any text left without its pattern.
#include "check/finding_texts.h"

namespace lwall {

namespace {

// A text's English pattern, and one with its plural form: the catalog tools
// (scripts/update-catalogs.sh) find the patterns by these two names.
constexpr TextPattern PatternKey(std::string_view one) {
  return {one, ""};
}
constexpr TextPattern PatternKeys(std::string_view one, std::string_view many) {
  return {one, many};
}

}  // namespace

TextPattern PatternOf(Text text) {
  switch (text) {
    case Text::kToeWidth:
      return PatternKey("toe width");
    case Text::kWallThickness:
      return PatternKey("wall thickness");
    case Text::kHeelWidth:
      return PatternKey("heel width");
    case Text::kWallHeight:
      return PatternKey("wall height");
    case Text::kFootingThickness:
      return PatternKey("footing thickness");
    case Text::kViewLengthLeft:
      return PatternKey("view length left");
    case Text::kViewLengthRight:
      return PatternKey("view length right");
    case Text::kFootingBottomCover:
      return PatternKey("footing bottom cover");
    case Text::kFootingTopCover:
      return PatternKey("footing top cover");
    case Text::kWallFrontCover:
      return PatternKey("wall front cover");
    case Text::kWallBackCover:
      return PatternKey("wall back cover");
    case Text::kFrontSideCover:
      return PatternKey("front side cover");
    case Text::kBackSideCover:
      return PatternKey("back side cover");
    case Text::kWallTopCover:
      return PatternKey("wall top cover");
    case Text::kSegmentCount:
      return PatternKey("{mark} segment count");
    case Text::kDiameter:
      return PatternKey("{mark} diameter {segment}");
    case Text::kPitch:
      return PatternKey("{mark} pitch {segment}");
    case Text::kPitchCount:
      return PatternKey("{mark} pitch count {segment}");
    case Text::kS1Diameter:
      return PatternKey("S1 diameter");
    case Text::kS2Diameter:
      return PatternKey("S2 diameter");
    case Text::kS1Count:
      return PatternKey("S1 count");
    case Text::kS2Count:
      return PatternKey("S2 count");
    case Text::kSpare:
      return PatternKey("spare");
    case Text::kRecordField:
      return PatternKey("record {record}, {field}");
    case Text::kFootingSpan:
      return PatternKey(
          "the footing between its side covers (toe width + wall thickness + heel width - "
          "front side cover - back side cover)");
    case Text::kWallSpan:
      return PatternKey(
          "the wall from the top footing bars to the crown bar (wall height + footing top "
          "cover - wall top cover)");
    case Text::kLayerCount:
      return PatternKey("the layer count");
    case Text::kColour:
      return PatternKey("colour");
    case Text::kLinetypeCode:
      return PatternKey("linetype code");
    case Text::kThickness:
      return PatternKey("thickness");
    case Text::kName:
      return PatternKey("name");
    case Text::kEntryField:
      return PatternKey("layer entry {entry}, {field}");
    case Text::kLayerNamed:
      return PatternKey("layer {name}");
    case Text::kLayerEntry:
      return PatternKey("layer entry {entry}");
    case Text::kTwo:
      return PatternKey("{first} and {second}");
    case Text::kRange:
      return PatternKey("{first} to {last}");
    case Text::kRecords:
      return PatternKeys("record {records}", "records {records}");
    case Text::kEntries:
      return PatternKeys("entry {entries}", "entries {entries}");

    case Text::kFileEndsBefore:
      return PatternKey("the file ends before {field}: it and every later value stay 0");
    case Text::kFileEndsBeforeLastRecord:
      return PatternKey(
          "the file ends before record {record}, its last: the last records shifted?");
    case Text::kFileGoesOnAfterLastRecord:
      return PatternKey(
          "the file goes on after record {record}, its last, at {text}: the last records "
          "shifted?");
    case Text::kStopped:
      return PatternKey("reading stopped at {text}: {field} and every later value stay 0");
    case Text::kStoppedInsideNumber:
      return PatternKey(
          "reading stopped at {text} inside the number {number} ({before} reads {read}): "
          "{field} and every later value stay 0");
    case Text::kStoppedTooLarge:
      return PatternKey(
          "reading stopped at {text}, a number too large for its field: {field} and every "
          "later value stay 0");
    case Text::kStoppedNotANumber:
      return PatternKey(
          "reading stopped at {text}, not a number: {field} and every later value stay 0");
    case Text::kStoppedAtBlankBeforeComma:
      return PatternKey(
          "reading stopped at {text}, a blank before a comma (a comma must follow its "
          "number): {field} and every later value stay 0");
    case Text::kRecordEndsAfter:
      return PatternKey(
          "record {record} ends at {text} after {taken} of its {size} values: {fields} "
          "left at 0");
    case Text::kRecordEndsBeforeFirst:
      return PatternKey(
          "record {record} ends at {text} before its first value: {fields} left at 0");
    case Text::kRecordsEndBeforeFirst:
      return PatternKey("{records} end at {text} before their first value: {fields} left at 0");
    case Text::kRecordEndsAfterInsideNumber:
      return PatternKey(
          "record {record} ends at {text} inside the number {number} ({before} reads "
          "{read}), after {taken} of its {size} values: {fields} left at 0");
    case Text::kRecordEndsBeforeFirstInsideNumber:
      return PatternKey(
          "record {record} ends at {text} inside the number {number} ({before} reads "
          "{read}), before its first value: {fields} left at 0");
    case Text::kRecordsEndBeforeFirstInsideNumber:
      return PatternKey(
          "{records} end at {text} inside the number {number} ({before} reads {read}), "
          "before their first value: {fields} left at 0");
    case Text::kRecordEndsAfterTooLarge:
      return PatternKey(
          "record {record} ends at {text}, a number too large for its field, after {taken} "
          "of its {size} values: {fields} left at 0");
    case Text::kRecordEndsBeforeFirstTooLarge:
      return PatternKey(
          "record {record} ends at {text}, a number too large for its field, before its "
          "first value: {fields} left at 0");
    case Text::kRecordsEndBeforeFirstTooLarge:
      return PatternKey(
          "{records} end at {text}, a number too large for its field, before their first "
          "value: {fields} left at 0");
    case Text::kRecordEndsAfterNotANumber:
      return PatternKey(
          "record {record} ends at {text}, not a number, after {taken} of its {size} "
          "values: {fields} left at 0");
    case Text::kRecordEndsBeforeFirstNotANumber:
      return PatternKey(
          "record {record} ends at {text}, not a number, before its first value: {fields} "
          "left at 0");
    case Text::kRecordsEndBeforeFirstNotANumber:
      return PatternKey(
          "{records} end at {text}, not a number, before their first value: {fields} left "
          "at 0");
    case Text::kRecordEndsCommaMissing:
      return PatternKey(
          "record {record} ends at {text} after {taken} of its {size} values, and the next "
          "record reads on from there: is a comma missing?");
    case Text::kRecordEndsShortLine:
      return PatternKey(
          "record {record} ends at the end of line {line} after {taken} of its {size} "
          "values: is a value missing?");
    case Text::kNotAWholeNumber:
      return PatternKey(
          "{field} {number} is not a whole number: {read} is read, and the next read starts "
          "at {rest}");
    case Text::kNotWhollyANumber:
      return PatternKey(
          "{field} {number} is not a number: {read} is read, and the next read starts at "
          "{rest}");
    case Text::kBlankLineLostValues:
      return PatternKey(
          "line {line} is blank, and record {record} and the records after it take their "
          "values a line late: has line {line} lost its values?");
    case Text::kLineEndsInComma:
      return PatternKey(
          "line {line} ends in a comma, so {field} is read from line {next}: is a value missing "
          "before the comma?");
    case Text::kLineMissingAbove:
      return PatternKeys(
          "line {line} holds {held} value; record {record} takes {taken}: is a line missing "
          "above?",
          "line {line} holds {held} values; record {record} takes {taken}: is a line "
          "missing above?");
    case Text::kLineDoubledAbove:
      return PatternKeys(
          "line {line} holds {held} value; record {record} takes {taken}: is a line doubled "
          "above?",
          "line {line} holds {held} values; record {record} takes {taken}: is a line "
          "doubled above?");
    case Text::kLineMissingOrDoubledAbove:
      return PatternKeys(
          "line {line} holds {held} value; record {record} takes {taken}: is a line missing "
          "or doubled above?",
          "line {line} holds {held} values; record {record} takes {taken}: is a line "
          "missing or doubled above?");
    case Text::kLineRepeated:
      return PatternKeys(
          "line {line} repeats line {previous}: is it doubled? The records from here on take "
          "their values a line late, and record {record} takes {taken} where line {later} "
          "holds {held} value",
          "line {line} repeats line {previous}: is it doubled? The records from here on take "
          "their values a line late, and record {record} takes {taken} where line {later} "
          "holds {held} values");
    case Text::kTooWide:
      return PatternKey(
          "the wall is {width} wide (toe width + wall thickness + heel width), more than "
          "{limit}: the run refuses it");
    case Text::kFarTooWide:
      return PatternKey(
          "the wall is far too wide (toe width + wall thickness + heel width), more than "
          "{limit}: the run refuses it");
    case Text::kTooHigh:
      return PatternKey(
          "the wall is {height} high (wall height + footing thickness), more than {limit}: "
          "the run refuses it");
    case Text::kFarTooHigh:
      return PatternKey(
          "the wall is far too high (wall height + footing thickness), more than {limit}: "
          "the run refuses it");
    case Text::kNegative:
      return PatternKey("{field} is {value}, negative");
    case Text::kNotPositive:
      return PatternKey("{field} is {value}, not a positive length");
    case Text::kCoverNotSmaller:
      return PatternKey("{field} is {value}, not smaller than the {thickness} {limit}");
    case Text::kNoBarsOfMark:
      return PatternKey("{field} is 0: the sheet draws no {mark} bars");
    case Text::kSegmentCountOutside:
      return PatternKey("{field} is {value}, outside 0 to 5");
    case Text::kNoUnitMass:
      return PatternKey(
          "{field} is {value}, which has no unit mass: its bars weigh 0 in the mass and "
          "materials tables");
    case Text::kPitchInSegmentWithBars:
      return PatternKey("{field} is {value} in a segment with bars");
    case Text::kBeyondArithmetic:
      return PatternKey(
          "{field} is {value}, beyond {limit}: the drawing's arithmetic is not meant for it");
    case Text::kPitchNotAboveDiameter:
      return PatternKey(
          "{field} is {value}, no more than the diameter {diameter} of its bars: they would "
          "touch");
    case Text::kLengthBelowMinimum:
      return PatternKey(
          "{field} is {value}, above 0 but below {limit}: a length in metres, or a point "
          "out of place?");
    case Text::kCoverBelowMinimum:
      return PatternKey(
          "{field} is {value}, above 0 but below {limit}: a cover in centimetres, or a point "
          "out of place?");
    case Text::kCoverAboveMaximum:
      return PatternKey("{field} is {value}, above {limit}: is a digit too many?");
    case Text::kCoverZero:
      return PatternKey(
          "{field} is 0: the bars would lie on the face of the concrete; is the value lost?");
    case Text::kThicknessNotAboveCovers:
      return PatternKey(
          "{field} is {value}, no thicker than {covers}, the covers inside it: is a digit lost?");
    case Text::kSegmentCountNotLast:
      return PatternKey(
          "{field} is {value}, but the last segment of {mark} that holds pitches is segment "
          "{last}");
    case Text::kSegmentHalfWritten:
      return PatternKey(
          "{field} is {value}, but {other} is {othervalue}, with {mark} segment count "
          "{count}: is a value in the wrong segment?");
    case Text::kPitchCountWithoutPitch:
      return PatternKey(
          "{field} is {value} in a segment with no pitch and no bars: the bar schedule counts "
          "them all the same; is the value in the wrong segment?");
    case Text::kMarkTooLong:
      return PatternKey(
          "the segments of {mark} in use run {length}, more than {limit}: is a pitch or a "
          "number of pitches mistyped?");
    case Text::kRunMissesSpan:
      return PatternKey(
          "the segments of {mark} in use run {run}, but {span} is {length}: is a pitch or a "
          "number of pitches mistyped?");
    case Text::kSegmentRunMissesSpan:
      return PatternKey(
          "segment {segment} of {mark} runs {run}, but {span} is {length}: is its pitch or "
          "number of pitches mistyped?");
    case Text::kSpanMissesRuns:
      return PatternKey(
          "{span} is {length}, but every bar mark spread over it runs {run}: is {field} "
          "mistyped?");
    case Text::kMixedDiameters:
      return PatternKey(
          "the segments of {mark} in use have diameters {diameters}, but the bar schedule "
          "gives all {mark} bars one diameter: is {field} mistyped?");

    case Text::kLayerCountEnds:
      return PatternKey("the file ends before the layer count: no layer is defined");
    case Text::kLayerCountDoesNotRead:
      return PatternKey("the layer count does not read at {text}: no layer is defined");
    case Text::kLayerCountNegative:
      return PatternKey("the layer count {count} is negative: no layer is defined");
    case Text::kLayerCountTooLarge:
      return PatternKey("the layer count {count} is more than {limit}");
    case Text::kFewerEntries:
      return PatternKey(
          "the file holds {held} of the {declared} layer entries it declares: {entries} "
          "left empty");
    case Text::kValueAfterEntry:
      return PatternKey(
          "line {line} holds a value after {after}: entry {entry} starts there, and every "
          "later entry reads out of step; is a value too many?");
    case Text::kEntryShortOfValue:
      return PatternKey(
          "line {line} holds too few values for entry {entry}: its name is read from line "
          "{next}, and every later entry reads out of step; is a value missing?");
    case Text::kFewerEntriesThanHonoured:
      return PatternKey("the file holds {held} of the {declared} layer entries it declares");
    case Text::kFileEndsInEntry:
      return PatternKey(
          "the file ends in layer entry {entry} of the {declared} it declares: its {fields} "
          "left unset");
    case Text::kFileEndsInEntryLeavingLater:
      return PatternKey(
          "the file ends in layer entry {entry} of the {declared} it declares: its {fields} "
          "left unset, and {entries} left empty");
    case Text::kEntryDoesNotRead:
      return PatternKey("layer entry {entry} does not read at {text}: its {fields} left unset");
    case Text::kEntryDoesNotReadLeavingLater:
      return PatternKey(
          "layer entry {entry} does not read at {text}: its {fields} left unset, and "
          "{entries} left empty");
    case Text::kEntriesAfterCount:
      return PatternKey(
          "the layer count is {count}, but the file goes on at {text}: the entries from "
          "here on are not read");
    case Text::kDecimalCommaInThickness:
      return PatternKey(
          "layer entry {entry} has the thickness {text}: a decimal comma? The thickness "
          "reads {read} and the name becomes {name}");
    case Text::kColourByBlock:
      return PatternKey(
          "{layer} has colour 0, which DXF reads as BYBLOCK: the layer's entities get no "
          "colour of their own");
    case Text::kColourByLayer:
      return PatternKey(
          "{layer} has colour 256, which DXF reads as BYLAYER: the layer's entities get no "
          "colour of their own");
    case Text::kColourOutside:
      return PatternKey(
          "{layer} has colour {colour}, outside 1 to 255: no DXF colour, so readers reject "
          "it or guess");
    case Text::kThicknessAboveMaximum:
      return PatternKey(
          "{layer} has thickness {value}, more than {limit}: DXF raises every entity on the "
          "layer that far out of the drawing (a thickness, not a line weight)");
    case Text::kThicknessNegative:
      return PatternKey(
          "{layer} has thickness {value}, below 0: DXF sinks every entity on the layer below "
          "the drawing; is the minus sign meant?");
    case Text::kThicknessEndsInPoint:
      return PatternKey(
          "{layer} has thickness {text}, which ends in its point and reads {value}: is a digit "
          "lost?");
    case Text::kThicknessNoLineWeight:
      return PatternKey(
          "{layer} has thickness {value}, which is no line weight (0.05, 0.09, 0.13, ... 2): "
          "is it mistyped?");
    case Text::kLinetypeOutsideFirst:
      return PatternKey(
          "{layer} has linetype code {code}, outside 1 to 5: the layer table gives it a "
          "continuous line");
    case Text::kLinetypeOutside:
      return PatternKey(
          "{layer} has linetype code {code}, outside 1 to 5: it takes the linetype of the "
          "layer before it");
    case Text::kLinetypeOnPlainLines:
      return PatternKey(
          "{layer} has linetype code {code} ({linetype}): every line and circle the sheet "
          "draws on it without a linetype of its own shows {linetype} (its hidden and centre "
          "lines carry their own); is 1 (CONTINUOUS) meant?");
    case Text::kDefinedTwice:
      return PatternKey(
          "{layer} is defined twice (first in entry {first}): the sheet draws with the first "
          "definition");
    case Text::kNameOneEditAway:
      return PatternKey(
          "layer {name} is not one the sheet draws on, but one edit away from {meant}, "
          "which the file does not define: is {meant} meant?");
    case Text::kNameWithMarks:
      return PatternKey(
          "layer {name} is not one the sheet draws on, but is {meant} with marks around it, "
          "which the file does not define: is {meant} meant?");
    case Text::kNameDiffersInCase:
      return PatternKey(
          "layer {name} is not one the sheet draws on, but differs only in case from "
          "{meant}, which the file does not define: is {meant} meant?");
    case Text::kLayerNotDefined:
      return PatternKey(
          "layer {name} is drawn on but not defined: its entities take the previous layer's "
          "colour");
    case Text::kOwnColourLayerNotDefined:
      return PatternKey("layer {name} is drawn on but not defined: the layer table lacks it");

    case Text::kError:
      return PatternKey("error");
    case Text::kWarning:
      return PatternKey("warning");

    case Text::kNoFindings:
      return PatternKey("no findings");
    case Text::kErrors:
      return PatternKeys("{count} error", "{count} errors");
    case Text::kWarnings:
      return PatternKeys("{count} warning", "{count} warnings");
    case Text::kErrorsAndWarnings:
      return PatternKey("{errors}, {warnings}");
    case Text::kCount:
      break;
  }
  return {};
}

}  // namespace lwall
