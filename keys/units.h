// Units of bill and quota items and their conversion to the three base units
// "m3", "m2" and "m". The report tables show every quantity in its own item's
// unit; only index analysis works in base units, so a record is converted
// before it is offered to an index item.
#ifndef REPORTDATA_KEYS_UNITS_H_
#define REPORTDATA_KEYS_UNITS_H_

#include <string>
#include <string_view>

#include "reportdata/records.h"

namespace reportdata {

// Recognises an exact, case-sensitive unit text such as "10m3", "100平方米" or
// "M" and writes its base unit and factor (1, 10, 100 or 1000). Returns false
// and writes nothing for any other text (also for a blank inside or around a
// unit). Either output may be null.
bool ParseUnit(std::wstring_view text, std::wstring* base, int* factor);

// The quantity text converted as the C runtime converts text to a number (a
// text that is not a number is 0), times factor, formatted with "%f".
std::wstring ScaleQuantityText(std::wstring_view quantity, int factor);
// The same text read back as a number, for a quantity text already read
// (LeadingDouble).
double ScaleQuantity(double quantity, int factor);

// Prepares a copy of a calculation-result record for an index item whose base
// unit is item_base: the record's unit is its bill unit when its kind is "1",
// else its quota unit. Returns false when that unit is not recognised or has
// another base unit; otherwise true, with the quantity text rescaled to the
// base unit when the unit's factor is not 1.
bool ConvertRecordToBaseUnit(TJQd& record, std::wstring_view item_base);

}  // namespace reportdata

#endif  // REPORTDATA_KEYS_UNITS_H_
