#include "query/groupedlines.h"

namespace holvane::query {

QString groupLines(const QString &text)
{
    if (text.count(QLatin1Char('\n')) <= kManyLines)
        return text;
    QString grouped = text;
    int line = 0;
    for (QChar &ch : grouped) {
        if (ch == QLatin1Char('\n') && ++line % kLinesPerGroup != 0)
            ch = QChar::LineSeparator;
    }
    return grouped;
}

} // namespace holvane::query
