#pragma once

#include "app/pageframe.h"
#include "store/table.h"

#include <QPointer>

namespace holvane::app {
class AppContext;
class DataSource;
class TableModel;
} // namespace holvane::app

namespace holvane::pages {

class FittedGrid;

// The table page (frame Frm_tbl): one handbook table, restored from
// "mydat.dat" into the working table "AAA", in a read-only grid. A double
// click picks values into a query result window; the data query dialog
// switches its row filter, the search dialog moves it.
class TFrm_tbl : public app::PageFrame {
    Q_OBJECT
public:
    TFrm_tbl(app::AppContext &context, QWidget *host);
    ~TFrm_tbl() override;

    void loadPage() override;
    void closeTables() override;

    store::Table &Table3() { return m_table; }
    FittedGrid *DBGrid1() const { return m_grid; }
    // False once the page's table is closed (or never opened): the page then
    // shows nothing and picks, filters and searches do nothing.
    bool tableOpen() const { return m_table.isOpen(); }

    void DBGrid1DblClick();
    // The data query dialog's "查询" (on) and "撤销查询" (off). A condition
    // that cannot be evaluated is reported once per application.
    void setFilterOn(bool on);
    // Makes the current record's cell of a field the grid's selected cell and
    // focuses the grid (the search dialog's find).
    void selectField(int field);

private:
    bool restoreWorkFile(
        const std::filesystem::path &archive, const std::filesystem::path &dir, const std::string &extension);
    void showTable();

    app::AppContext &m_ctx;
    store::Table m_table;
    app::DataSource *m_source;
    app::TableModel *m_model;
    FittedGrid *m_grid;
    bool m_filterFailed = false;
    bool m_syncing = false;
};

// The table page in view in the main window with its table open, else null.
TFrm_tbl *shownTablePage(app::AppContext &context);

} // namespace holvane::pages
