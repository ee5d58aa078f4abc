#pragma once

namespace holvane::store {
class Cursor;
class Table;
} // namespace holvane::store

namespace holvane::app {

// The navigation history holds at most this many records.
inline constexpr int kHistoryCapacity = 21;

// Appends the source's current catalogue record to the history table (set
// up, closed or open; left closed), dropping the oldest record when the
// table is full. The three image index fields stay empty.
void AddHistory(store::Table &history, const store::Cursor &source);

} // namespace holvane::app
