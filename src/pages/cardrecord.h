#pragma once

#include <string>

namespace holvane::store {
class Cursor;
}

namespace holvane::pages {

// The field whose picture a click on the current card enlarges: with three
// fields, field 1 when it holds a picture, else field 2 when it does; with
// two, field 1 else field 0. -1 when no graphic field holds one.
int cardPictureField(const store::Cursor &cards);

// The current card as the query result window takes it (UTF-8, lines joined
// by "\n"): a rule of fifty "=", "name:value" for each field that is neither
// empty nor a picture, and a line of 24 spaces.
std::string cardText(const store::Cursor &cards);

} // namespace holvane::pages
