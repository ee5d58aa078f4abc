#pragma once

#include "app/appfixture.h"
#include "pages/fittedgrid.h"
#include "pages/tfrm_tbl.h"
#include "store/fielddef.h"
#include "store/value.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>

#include <string>
#include <vector>

namespace holvane::test {

// A main window over the packed fixture with the table page registered and
// the query windows of the run created; tables of a test's own can be added
// to "mydat.dat" as the packer would.
class TablePageFixture : public AppFixture {
protected:
    TablePageFixture();

    // Adds (or replaces) the scrambled member `key`.db of "mydat.dat".
    void addTable(const std::string &key, const std::vector<store::FieldDef> &fields,
        const std::vector<std::vector<store::Value>> &rows);
    // Shows a table page as the catalogue would: Title, ContentKey, NodeOrder.
    pages::TFrm_tbl *openTable(
        const QString &key, int order, const QString &title = QStringLiteral("测试表"), int code = 211);
    pages::TFrm_tbl *page();
    pages::FittedGrid *grid() { return page()->DBGrid1(); }
    int gridRows() { return grid()->model()->rowCount(); }
    // The grid's texts of one column, top to bottom.
    std::vector<QString> column(int c);
    void doubleClickCell(int row, int column);
    template<typename T> T *topLevel(const char *objectName)
    {
        T *last = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(objectName) && w->isVisible())
                last = qobject_cast<T *>(w);
        return last;
    }
};

} // namespace holvane::test
