#pragma once

#include <QString>

namespace holvane::query {

// A text of many lines made cheap for a plain text box. Setting a text costs
// the box one block per line, and a pick down a large table has a line per
// record; so, past `kManyLines` lines, the lines go in groups of
// `kLinesPerGroup` joined by line separators (U+2028) instead of line
// breaks. The box shows the same lines, and its plain text (toPlainText)
// gives them back with line breaks, unchanged.
inline constexpr int kManyLines = 1000;
inline constexpr int kLinesPerGroup = 100;
QString groupLines(const QString &text);

} // namespace holvane::query
