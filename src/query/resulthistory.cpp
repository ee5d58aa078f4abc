#include "query/resulthistory.h"

#include "app/appcontext.h"
#include "query/tfrm_cxls.h"
#include "store/table.h"

#include <QDate>

namespace holvane::query {

void setHistoryTable(store::Table &table, app::AppContext &context)
{
    table.setAlias(context.aliases(), kHistoryAlias, kHistoryTable);
}

void appendHistoryRecord(store::Table &table, const QString &subject, const QString &condition, const QString &result)
{
    if (!table.isOpen())
        table.open();
    table.last();
    table.append();
    table.setText("查询主题", subject.toStdString());
    table.setText("查询条件", condition.toStdString());
    table.setText("查询日期", QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString());
    table.setText("查询结果", result.toStdString());
    table.post();
    table.close();
}

void saveResult(app::AppContext &context, const QString &subject, const QString &condition, const QString &result)
{
    if (auto *history = qobject_cast<Tfrm_cxls *>(context.windows.resultHistory.data())) {
        history->appendResult(subject, condition, result);
        return;
    }
    store::Table table;
    setHistoryTable(table, context);
    appendHistoryRecord(table, subject, condition, result);
}

} // namespace holvane::query
