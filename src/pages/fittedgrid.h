#pragma once

#include <QTableView>

#include <vector>

namespace holvane::pages {

// A read-only grid whose rows grow to fit their text (memo text over several
// lines). Rows are fitted as they come into view, so a large table costs no
// pass over every row.
class FittedGrid : public QTableView {
    Q_OBJECT
public:
    explicit FittedGrid(QWidget *parent = nullptr);
    void setModel(QAbstractItemModel *model) override;
    // Columns sized to their titles and the rows in view, within a cap.
    void fitColumns();

signals:
    void doubleClickedGrid();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void restart();
    void fitVisibleRows();

    std::vector<bool> m_fitted;
};

} // namespace holvane::pages
