#include "app/indexquery.h"

#include "text/gbk.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace holvane::app {

std::string indexOrderKey(const std::string &utf8)
{
    return text::toGbk(utf8);
}

void IndexQuery::openOrderedBy(const std::string &field)
{
    open();
    const int f = fieldIndex(field);
    const int n = rowCountAll();
    if (f < 0 || n < 2)
        return;
    std::vector<std::string> keys(static_cast<size_t>(n));
    for (int row = 0; row < n; ++row) {
        const store::Value &v = cellsOf(row)[f];
        if (v.isText())
            keys[static_cast<size_t>(row)] = indexOrderKey(v.text());
    }
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    // std::string compares its bytes as unsigned char, as GBK order needs.
    std::stable_sort(order.begin(), order.end(),
        [&](int a, int b) { return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)]; });
    const size_t width = static_cast<size_t>(fieldCount());
    std::vector<store::Value> cells;
    cells.reserve(width * static_cast<size_t>(n));
    std::vector<std::int64_t> rowids;
    rowids.reserve(static_cast<size_t>(n));
    for (const int row : order) {
        const store::Value *record = cellsOf(row);
        cells.insert(cells.end(), record, record + width);
        rowids.push_back(rowidAt(row));
    }
    setRecords(std::move(cells), std::move(rowids));
    first();
}

} // namespace holvane::app
