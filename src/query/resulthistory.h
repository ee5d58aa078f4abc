#pragma once

#include <QString>

namespace holvane::store {
class Table;
}

namespace holvane::app {
class AppContext;
}

namespace holvane::query {

// The history table of saved picks and design results, under alias "jMydb".
inline constexpr const char *kHistoryAlias = "jMydb";
inline constexpr const char *kHistoryTable = "cx_jl.db";

// Points `table` at cx_jl.db (not opened).
void setHistoryTable(store::Table &table, app::AppContext &context);

// Appends one record dated today to the history table: opens it when closed,
// posts, then closes it. Store errors propagate.
void appendHistoryRecord(store::Table &table, const QString &subject, const QString &condition, const QString &result);

// A design calculator's "保存": appends (subject, condition, result text) to
// cx_jl.db through the whole-run result history window when it exists, which
// then shows the new record; otherwise straight into the table. Store errors
// propagate to the caller's error guard.
void saveResult(app::AppContext &context, const QString &subject, const QString &condition, const QString &result);

} // namespace holvane::query
