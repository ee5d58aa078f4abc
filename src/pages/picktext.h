#pragma once

#include <string>

namespace holvane::store {
class Cursor;
}

namespace holvane::pages {

// The text a double click on the table page picks (UTF-8, lines joined by
// "\n"). `keyColumns`: the page's number of key columns; `column`: the
// grid's selected column (-1 for none). With no key columns: "name:    value"
// for each field of the current record. With the selected column past the
// key columns: a heading, a rule and one line per record seen, the key
// values then the selected one aligned at GBK byte 40 + 10 a further key
// column. Otherwise no lines. Always ends with a line of 24 spaces.
std::string pickText(const store::Cursor &table, int keyColumns, int column);

} // namespace holvane::pages
