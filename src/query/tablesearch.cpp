#include "query/tablesearch.h"

#include "store/cursor.h"
#include "store/fieldvalue.h"

namespace holvane::query {

std::optional<SearchHit> findInTable(const store::Cursor &table, const std::string &text, int record, int fromField)
{
    if (text.empty() || record < 0)
        return std::nullopt;
    const int records = table.recordCount();
    const int fields = table.fieldCount();
    for (int r = record; r < records; ++r) {
        for (int f = r == record ? fromField : 0; f < fields; ++f) {
            const store::FieldDef &def = table.field(f);
            const store::Value &value = table.valueAt(r, f);
            if (value.isNull() || def.type == store::FieldType::Graphic)
                continue;
            if (store::valueToText(def, value).find(text) != std::string::npos)
                return SearchHit { r, f };
        }
    }
    return std::nullopt;
}

} // namespace holvane::query
