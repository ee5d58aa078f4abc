#include "app/data/tablemodel.h"

#include "store/cursor.h"
#include "store/fieldvalue.h"

#include <algorithm>

namespace holvane::app {

TableModel::TableModel(QObject *parent) : QAbstractTableModel(parent) {}

void TableModel::setCursor(const store::Cursor *cursor, std::vector<Column> columns)
{
    beginResetModel();
    m_cursor = cursor;
    m_columns = std::move(columns);
    if (m_columns.empty() && m_cursor)
        for (const store::FieldDef &f : m_cursor->fields())
            m_columns.push_back({f.name, QString()});
    m_fieldIndex.clear();
    for (const Column &c : m_columns)
        m_fieldIndex.push_back(m_cursor ? m_cursor->fieldIndex(c.field) : -1);
    endResetModel();
}

void TableModel::reload()
{
    setCursor(m_cursor, m_columns);
}

QStringList TableModel::titleLevels(int column) const
{
    const Column &c = m_columns.at(static_cast<size_t>(column));
    const QString title = c.title.isEmpty() ? QString::fromStdString(c.field) : c.title;
    return title.split(QLatin1Char('|'));
}

int TableModel::titleDepth() const
{
    int depth = 1;
    for (int i = 0; i < columnCount(); ++i)
        depth = std::max(depth, static_cast<int>(titleLevels(i).size()));
    return depth;
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_cursor || !m_cursor->isOpen())
        return 0;
    return m_cursor->recordCount();
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !m_cursor || !index.isValid())
        return {};
    const int field = m_fieldIndex.at(static_cast<size_t>(index.column()));
    if (field < 0)
        return {};
    return QString::fromStdString(
        store::valueToText(m_cursor->field(field), m_cursor->valueAt(index.row(), field)));
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return titleLevels(section).join(QLatin1Char('\n'));
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace holvane::app
