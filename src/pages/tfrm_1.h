#pragma once

#include "app/pageframe.h"
#include "store/table.h"

class QFrame;
class QLabel;
class QPlainTextEdit;

namespace holvane::app {
class AppContext;
class DataSource;
} // namespace holvane::app

namespace holvane::pages {

class CardGrid;

// The record-card page (frame Frm_1): a table of the "j212dat" alias as a
// list of cards, each with a name, a description and a drawing, under a
// header band naming the columns. A click on a card's drawing enlarges it
// over the content area; a double click on its name or description sends
// the card to a query result window.
class TFrm_1 : public app::PageFrame {
    Q_OBJECT
public:
    TFrm_1(app::AppContext &context, QWidget *host);
    ~TFrm_1() override;

    void loadPage() override;
    void closeTables() override;

    store::Table &tbl_xy() { return m_table; }
    CardGrid *DBCtrlGrid1() const { return m_grid; }

    void DBImage1Click();
    void DBEdit1DblClick();

private:
    void layOutColumns();

    app::AppContext &m_ctx;
    store::Table m_table;
    app::DataSource *m_source;
    QFrame *Shape4;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QFrame *Shape5;
    QFrame *Shape6;
    CardGrid *m_grid;
    QPlainTextEdit *Memo1;
};

} // namespace holvane::pages
