#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <string>
#include <vector>

namespace holvane::store {
class Cursor;
}

namespace holvane::app {

// A read-only table model over a store cursor: one row a record seen by the
// cursor, read from it only when the view asks for the row (nothing is
// copied into widgets). A column title may have levels separated by "|"
// ("尺寸|d|mm"); the header shows them one under the other.
class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        std::string field;
        QString title; // empty: the field's name
    };

    explicit TableModel(QObject *parent = nullptr);

    // The cursor and the columns shown; no columns means every field under
    // its own name. Call reload() after the cursor reopens or refilters.
    void setCursor(const store::Cursor *cursor, std::vector<Column> columns = {});
    void reload();

    QStringList titleLevels(int column) const;
    // The most levels of any column's title.
    int titleDepth() const;
    const std::string &columnField(int column) const { return m_columns.at(static_cast<size_t>(column)).field; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    const store::Cursor *m_cursor = nullptr;
    std::vector<Column> m_columns;
    std::vector<int> m_fieldIndex;
};

} // namespace holvane::app
