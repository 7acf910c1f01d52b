// The English patterns of the check's texts. A switch with no default: the
// compiler names any text left without its pattern.
#include "check/finding_texts.h"

namespace lwall {

TextPattern PatternOf(Text text) {
  switch (text) {
    case Text::kToeWidth:
      return {"toe width", ""};
    case Text::kWallThickness:
      return {"wall thickness", ""};
    case Text::kHeelWidth:
      return {"heel width", ""};
    case Text::kWallHeight:
      return {"wall height", ""};
    case Text::kFootingThickness:
      return {"footing thickness", ""};
    case Text::kViewLengthLeft:
      return {"view length left", ""};
    case Text::kViewLengthRight:
      return {"view length right", ""};
    case Text::kFootingBottomCover:
      return {"footing bottom cover", ""};
    case Text::kFootingTopCover:
      return {"footing top cover", ""};
    case Text::kWallFrontCover:
      return {"wall front cover", ""};
    case Text::kWallBackCover:
      return {"wall back cover", ""};
    case Text::kFrontSideCover:
      return {"front side cover", ""};
    case Text::kBackSideCover:
      return {"back side cover", ""};
    case Text::kWallTopCover:
      return {"wall top cover", ""};
    case Text::kSegmentCount:
      return {"{mark} segment count", ""};
    case Text::kDiameter:
      return {"{mark} diameter {segment}", ""};
    case Text::kPitch:
      return {"{mark} pitch {segment}", ""};
    case Text::kPitchCount:
      return {"{mark} pitch count {segment}", ""};
    case Text::kS1Diameter:
      return {"S1 diameter", ""};
    case Text::kS2Diameter:
      return {"S2 diameter", ""};
    case Text::kS1Count:
      return {"S1 count", ""};
    case Text::kS2Count:
      return {"S2 count", ""};
    case Text::kSpare:
      return {"spare", ""};
    case Text::kRecordField:
      return {"record {record}, {field}", ""};
    case Text::kColour:
      return {"colour", ""};
    case Text::kLinetypeCode:
      return {"linetype code", ""};
    case Text::kThickness:
      return {"thickness", ""};
    case Text::kName:
      return {"name", ""};
    case Text::kEntryField:
      return {"layer entry {entry}, {field}", ""};
    case Text::kLayerNamed:
      return {"layer {name}", ""};
    case Text::kLayerEntry:
      return {"layer entry {entry}", ""};
    case Text::kTwo:
      return {"{first} and {second}", ""};
    case Text::kRange:
      return {"{first} to {last}", ""};
    case Text::kRecords:
      return {"record {records}", "records {records}"};
    case Text::kEntries:
      return {"entry {entries}", "entries {entries}"};

    case Text::kFileEndsBefore:
      return {"the file ends before {field}: it and every later value stay 0", ""};
    case Text::kFileEndsBeforeLastRecord:
      return {"the file ends before record {record}, its last: the last records shifted?", ""};
    case Text::kFileGoesOnAfterLastRecord:
      return {
          "the file goes on after record {record}, its last, at {text}: the last records "
          "shifted?",
          ""};
    case Text::kStopped:
      return {"reading stopped at {text}: {field} and every later value stay 0", ""};
    case Text::kStoppedInsideNumber:
      return {
          "reading stopped at {text} inside the number {number} ({before} reads {read}): "
          "{field} and every later value stay 0",
          ""};
    case Text::kStoppedTooLarge:
      return {
          "reading stopped at {text}, a number too large for its field: {field} and every "
          "later value stay 0",
          ""};
    case Text::kStoppedNotANumber:
      return {"reading stopped at {text}, not a number: {field} and every later value stay 0", ""};
    case Text::kStoppedAtBlankBeforeComma:
      return {
          "reading stopped at {text}, a blank before a comma (a comma must follow its "
          "number): {field} and every later value stay 0",
          ""};
    case Text::kRecordEndsAfter:
      return {
          "record {record} ends at {text} after {taken} of its {size} values: {fields} "
          "left at 0",
          ""};
    case Text::kRecordEndsBeforeFirst:
      return {"record {record} ends at {text} before its first value: {fields} left at 0", ""};
    case Text::kRecordsEndBeforeFirst:
      return {"{records} end at {text} before their first value: {fields} left at 0", ""};
    case Text::kRecordEndsAfterInsideNumber:
      return {
          "record {record} ends at {text} inside the number {number} ({before} reads "
          "{read}), after {taken} of its {size} values: {fields} left at 0",
          ""};
    case Text::kRecordEndsBeforeFirstInsideNumber:
      return {
          "record {record} ends at {text} inside the number {number} ({before} reads "
          "{read}), before its first value: {fields} left at 0",
          ""};
    case Text::kRecordsEndBeforeFirstInsideNumber:
      return {
          "{records} end at {text} inside the number {number} ({before} reads {read}), "
          "before their first value: {fields} left at 0",
          ""};
    case Text::kRecordEndsAfterTooLarge:
      return {
          "record {record} ends at {text}, a number too large for its field, after {taken} "
          "of its {size} values: {fields} left at 0",
          ""};
    case Text::kRecordEndsBeforeFirstTooLarge:
      return {
          "record {record} ends at {text}, a number too large for its field, before its "
          "first value: {fields} left at 0",
          ""};
    case Text::kRecordsEndBeforeFirstTooLarge:
      return {
          "{records} end at {text}, a number too large for its field, before their first "
          "value: {fields} left at 0",
          ""};
    case Text::kRecordEndsAfterNotANumber:
      return {
          "record {record} ends at {text}, not a number, after {taken} of its {size} "
          "values: {fields} left at 0",
          ""};
    case Text::kRecordEndsBeforeFirstNotANumber:
      return {
          "record {record} ends at {text}, not a number, before its first value: {fields} "
          "left at 0",
          ""};
    case Text::kRecordsEndBeforeFirstNotANumber:
      return {
          "{records} end at {text}, not a number, before their first value: {fields} left "
          "at 0",
          ""};
    case Text::kRecordEndsCommaMissing:
      return {
          "record {record} ends at {text} after {taken} of its {size} values, and the next "
          "record reads on from there: is a comma missing?",
          ""};
    case Text::kRecordEndsShortLine:
      return {
          "record {record} ends at the end of line {line} after {taken} of its {size} "
          "values: is a value missing?",
          ""};
    case Text::kNotAWholeNumber:
      return {
          "{field} {number} is not a whole number: {read} is read, and the next read starts "
          "at {rest}",
          ""};
    case Text::kNotWhollyANumber:
      return {
          "{field} {number} is not a number: {read} is read, and the next read starts at "
          "{rest}",
          ""};
    case Text::kLineMissingAbove:
      return {
          "line {line} holds {held} value; record {record} takes {taken}: is a line missing "
          "above?",
          "line {line} holds {held} values; record {record} takes {taken}: is a line "
          "missing above?"};
    case Text::kLineDoubledAbove:
      return {
          "line {line} holds {held} value; record {record} takes {taken}: is a line doubled "
          "above?",
          "line {line} holds {held} values; record {record} takes {taken}: is a line "
          "doubled above?"};
    case Text::kLineMissingOrDoubledAbove:
      return {
          "line {line} holds {held} value; record {record} takes {taken}: is a line missing "
          "or doubled above?",
          "line {line} holds {held} values; record {record} takes {taken}: is a line "
          "missing or doubled above?"};
    case Text::kLineRepeated:
      return {
          "line {line} repeats line {previous}: is it doubled? The records from here on take "
          "their values a line late, and record {record} takes {taken} where line {later} "
          "holds {held} value",
          "line {line} repeats line {previous}: is it doubled? The records from here on take "
          "their values a line late, and record {record} takes {taken} where line {later} "
          "holds {held} values"};
    case Text::kTooWide:
      return {
          "the wall is {width} wide (toe width + wall thickness + heel width), more than "
          "{limit}: the run refuses it",
          ""};
    case Text::kFarTooWide:
      return {
          "the wall is far too wide (toe width + wall thickness + heel width), more than "
          "{limit}: the run refuses it",
          ""};
    case Text::kTooHigh:
      return {
          "the wall is {height} high (wall height + footing thickness), more than {limit}: "
          "the run refuses it",
          ""};
    case Text::kFarTooHigh:
      return {
          "the wall is far too high (wall height + footing thickness), more than {limit}: "
          "the run refuses it",
          ""};
    case Text::kNegative:
      return {"{field} is {value}, negative", ""};
    case Text::kNotPositive:
      return {"{field} is {value}, not a positive length", ""};
    case Text::kCoverNotSmaller:
      return {"{field} is {value}, not smaller than the {thickness} {limit}", ""};
    case Text::kNoBarsOfMark:
      return {"{field} is 0: the sheet draws no {mark} bars", ""};
    case Text::kSegmentCountOutside:
      return {"{field} is {value}, outside 0 to 5", ""};
    case Text::kNoUnitMass:
      return {
          "{field} is {value}, which has no unit mass: its bars weigh 0 in the mass and "
          "materials tables",
          ""};
    case Text::kPitchInSegmentWithBars:
      return {"{field} is {value} in a segment with bars", ""};
    case Text::kBeyondArithmetic:
      return {"{field} is {value}, beyond {limit}: the drawing's arithmetic is not meant for it",
              ""};
    case Text::kPitchNotAboveDiameter:
      return {
          "{field} is {value}, no more than the diameter {diameter} of its bars: they would "
          "touch",
          ""};
    case Text::kLengthBelowMinimum:
      return {
          "{field} is {value}, above 0 but below {limit}: a length in metres, or a point "
          "out of place?",
          ""};
    case Text::kCoverBelowMinimum:
      return {
          "{field} is {value}, above 0 but below {limit}: a cover in centimetres, or a point "
          "out of place?",
          ""};
    case Text::kMarkTooLong:
      return {
          "the segments of {mark} in use run {length}, more than {limit}: is a pitch or a "
          "number of pitches mistyped?",
          ""};

    case Text::kLayerCountEnds:
      return {"the file ends before the layer count: no layer is defined", ""};
    case Text::kLayerCountDoesNotRead:
      return {"the layer count does not read at {text}: no layer is defined", ""};
    case Text::kLayerCountNegative:
      return {"the layer count {count} is negative: no layer is defined", ""};
    case Text::kLayerCountTooLarge:
      return {"the layer count {count} is more than {limit}", ""};
    case Text::kFewerEntries:
      return {
          "the file holds {held} of the {declared} layer entries it declares: {entries} "
          "left empty",
          ""};
    case Text::kFewerEntriesThanHonoured:
      return {"the file holds {held} of the {declared} layer entries it declares", ""};
    case Text::kFileEndsInEntry:
      return {
          "the file ends in layer entry {entry} of the {declared} it declares: its {fields} "
          "left unset",
          ""};
    case Text::kFileEndsInEntryLeavingLater:
      return {
          "the file ends in layer entry {entry} of the {declared} it declares: its {fields} "
          "left unset, and {entries} left empty",
          ""};
    case Text::kEntryDoesNotRead:
      return {"layer entry {entry} does not read at {text}: its {fields} left unset", ""};
    case Text::kEntryDoesNotReadLeavingLater:
      return {
          "layer entry {entry} does not read at {text}: its {fields} left unset, and "
          "{entries} left empty",
          ""};
    case Text::kEntriesAfterCount:
      return {
          "the layer count is {count}, but the file goes on at {text}: the entries from "
          "here on are not read",
          ""};
    case Text::kDecimalCommaInThickness:
      return {
          "layer entry {entry} has the thickness {text}: a decimal comma? The thickness "
          "reads {read} and the name becomes {name}",
          ""};
    case Text::kColourByBlock:
      return {
          "{layer} has colour 0, which DXF reads as BYBLOCK: the layer's entities get no "
          "colour of their own",
          ""};
    case Text::kColourByLayer:
      return {
          "{layer} has colour 256, which DXF reads as BYLAYER: the layer's entities get no "
          "colour of their own",
          ""};
    case Text::kColourOutside:
      return {
          "{layer} has colour {colour}, outside 1 to 255: no DXF colour, so readers reject "
          "it or guess",
          ""};
    case Text::kThicknessAboveMaximum:
      return {
          "{layer} has thickness {value}, more than {limit}: DXF raises every entity on the "
          "layer that far out of the drawing (a thickness, not a line weight)",
          ""};
    case Text::kLinetypeOutsideFirst:
      return {
          "{layer} has linetype code {code}, outside 1 to 5: the layer table gives it a "
          "continuous line",
          ""};
    case Text::kLinetypeOutside:
      return {
          "{layer} has linetype code {code}, outside 1 to 5: it takes the linetype of the "
          "layer before it",
          ""};
    case Text::kDefinedTwice:
      return {
          "{layer} is defined twice (first in entry {first}): the sheet draws with the first "
          "definition",
          ""};
    case Text::kNameOneEditAway:
      return {
          "layer {name} is not one the sheet draws on, but one edit away from {meant}, "
          "which the file does not define: is {meant} meant?",
          ""};
    case Text::kNameDiffersInCase:
      return {
          "layer {name} is not one the sheet draws on, but differs only in case from "
          "{meant}, which the file does not define: is {meant} meant?",
          ""};
    case Text::kLayerNotDefined:
      return {
          "layer {name} is drawn on but not defined: its entities take the previous layer's "
          "colour",
          ""};
    case Text::kOwnColourLayerNotDefined:
      return {"layer {name} is drawn on but not defined: the layer table lacks it", ""};

    case Text::kNoFindings:
      return {"no findings", ""};
    case Text::kErrors:
      return {"{count} error", "{count} errors"};
    case Text::kWarnings:
      return {"{count} warning", "{count} warnings"};
    case Text::kErrorsAndWarnings:
      return {"{errors}, {warnings}", ""};
    case Text::kCount:
      break;
  }
  return {};
}

}  // namespace lwall
