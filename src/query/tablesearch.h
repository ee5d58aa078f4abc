#pragma once

#include <optional>
#include <string>

namespace holvane::store {
class Cursor;
}

namespace holvane::query {

struct SearchHit {
    int record; // position among the records seen
    int field;
};

// The first cell, from field `fromField` of record `record` on and then from
// field 0 of each following record, whose text holds `text` (a case-sensitive
// byte search; numbers in their text form). Empty fields and pictures are
// skipped; an empty `text` finds nothing. Reads without moving the cursor.
std::optional<SearchHit> findInTable(const store::Cursor &table, const std::string &text, int record, int fromField);

} // namespace holvane::query
