#include "app/history.h"

#include "store/table.h"

namespace holvane::app {

void AddHistory(store::Table &history, const store::Cursor &source)
{
    static const char *const copied[] = {"CID", "ParentID", "CName", "CFrame", "COrder", "Ctable", "CMemo", "Cimage"};
    if (!history.isOpen())
        history.open();
    if (history.recordCount() > kHistoryCapacity - 1) {
        history.first();
        history.remove();
    }
    history.append();
    for (const char *field : copied)
        history.setValue(field, source.value(field));
    history.post();
    history.close();
}

} // namespace holvane::app
