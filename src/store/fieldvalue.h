#pragma once

#include "store/fielddef.h"
#include "store/value.h"

#include <string>
#include <string_view>

// How a field's value reads and is set as text, and how a value of another
// kind is made to fit a field.
namespace holvane::store {

// Null reads as "". Floats read in the program's number format, dates as
// "yyyy-MM-dd", pictures and scrambled text as their bytes.
std::string valueToText(const FieldDef &field, const Value &value);

// "" sets Null. A text that does not convert to the field's type throws a
// StoreError naming `table` and the field.
Value valueFromText(const FieldDef &field, std::string_view text, const std::string &table);

// The value as the field stores it; throws StoreError when it does not fit
// (a text that is no number in a numeric field, an integer beyond 16 bits).
Value fitValue(const FieldDef &field, const Value &value, const std::string &table);

// True for a valid calendar date written "yyyy-MM-dd".
bool isIsoDate(std::string_view text);

} // namespace holvane::store
