#pragma once

#include <QString>

namespace holvane::query {

// The condition of the most recently opened data query dialog, as the table
// page's row filter reads it. It is kept here rather than read from the
// dialog, so it outlives the dialog.
struct QueryCondition {
    int field = -1; // index of the chosen item of the field list; -1: none
    QString fieldText;
    QString op = QStringLiteral("=");
    QString value; // trimmed
};

// What the query windows share for the whole run.
struct QueryState {
    QueryCondition condition;
    // Which query dialog opened last (each takes a new number).
    int lastQueryDialog = 0;
    // Column of the last search find, shared by every search dialog.
    int searchPosition = 0;
    // The working text's file of the result history windows, and whether the
    // working text belongs to it.
    QString workFile;
    bool workFileOwned = false;
};

} // namespace holvane::query
