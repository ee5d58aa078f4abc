#include "pages/picktext.h"

#include "store/cursor.h"
#include "store/fieldvalue.h"
#include "text/gbk.h"

#include <algorithm>

namespace holvane::pages {

namespace {

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string spaces(long long count)
{
    return std::string(static_cast<size_t>(std::max(0LL, count)), ' ');
}

long long gbkBytes(const std::string &text)
{
    // Most cells are ASCII, where bytes are bytes: no conversion needed.
    for (unsigned char c : text)
        if (c >= 0x80)
            return static_cast<long long>(text::gbkLength(text));
    return static_cast<long long>(text.size());
}

std::string textAt(const store::Cursor &table, int position, int field)
{
    return store::valueToText(table.field(field), table.valueAt(position, field));
}

} // namespace

std::string pickText(const store::Cursor &table, int keyColumns, int column)
{
    std::string out;
    const int fields = table.fieldCount();
    if (keyColumns <= 0) {
        for (int f = 0; f < fields; ++f)
            out += table.field(f).name + ":    " + table.text(f) + "\n";
    } else if (column >= keyColumns && column < fields) {
        const int keys = std::min(keyColumns, fields);
        const std::string &selected = table.field(column).name;
        std::string heading = table.field(0).name;
        for (int k = 1; k < keys; ++k)
            heading += spaces(10) + table.field(k).name;
        out += heading + spaces(30) + selected + "\n";
        out += std::string(50, '-') + "\n";
        const int records = table.recordCount();
        for (int r = 0; r < records; ++r) {
            std::string line = textAt(table, r, 0);
            const long long n = gbkBytes(trimmed(line));
            long long width = 40;
            for (int k = 1; k < keys; ++k) {
                line += spaces(10 - n) + textAt(table, r, k);
                width += 10;
            }
            line += spaces(width - gbkBytes(line)) + textAt(table, r, column);
            out += line + "\n";
        }
    }
    out += spaces(24);
    return out;
}

} // namespace holvane::pages
