#include "app/data/treemodel.h"

#include "store/cursor.h"

#include <unordered_set>

namespace holvane::app {

TreeModel::TreeModel(std::string idField, std::string parentField, std::string textField, QObject *parent)
    : QAbstractItemModel(parent), m_idField(std::move(idField)), m_parentField(std::move(parentField)),
      m_textField(std::move(textField))
{
    m_nodes.push_back(Node{});
}

long long TreeModel::numberAt(int position, int field) const
{
    const store::Value &v = m_cursor->valueAt(position, field);
    if (v.isInteger())
        return v.integer();
    if (v.isReal())
        return static_cast<long long>(v.real());
    return 0;
}

void TreeModel::setCursor(const store::Cursor *cursor)
{
    beginResetModel();
    m_cursor = cursor;
    m_nodes.assign(1, Node{});
    m_ids.clear();
    m_parents.clear();
    m_hasChildren.clear();
    m_nodeOfPosition.clear();
    if (m_cursor && m_cursor->isOpen()) {
        m_id = m_cursor->fieldIndex(m_idField);
        m_parent = m_cursor->fieldIndex(m_parentField);
        m_text = m_cursor->fieldIndex(m_textField);
        const int n = m_id >= 0 && m_parent >= 0 ? m_cursor->recordCount() : 0;
        m_ids.resize(static_cast<size_t>(n));
        m_parents.resize(static_cast<size_t>(n));
        m_nodeOfPosition.assign(static_cast<size_t>(n), -1);
        for (int i = 0; i < n; ++i) {
            m_ids[static_cast<size_t>(i)] = numberAt(i, m_id);
            m_parents[static_cast<size_t>(i)] = numberAt(i, m_parent);
        }
        const std::unordered_set<long long> parents(m_parents.begin(), m_parents.end());
        m_hasChildren.assign(static_cast<size_t>(n), false);
        for (int i = 0; i < n; ++i) {
            const long long id = m_ids[static_cast<size_t>(i)];
            m_hasChildren[static_cast<size_t>(i)] = id != 0 && parents.count(id) > 0;
        }
        m_nodes[0].hasChildren = true;
        loadChildren(0);
    }
    endResetModel();
}

void TreeModel::loadChildren(int node)
{
    const long long id = m_nodes[static_cast<size_t>(node)].id;
    std::vector<int> children;
    for (size_t i = 0; i < m_ids.size(); ++i) {
        // A record that names itself as its parent would make an endless branch.
        if (m_parents[i] != id || (node != 0 && m_ids[i] == id))
            continue;
        Node child;
        child.position = static_cast<int>(i);
        child.id = m_ids[i];
        child.parent = node;
        child.row = static_cast<int>(children.size());
        child.hasChildren = m_hasChildren[i];
        m_nodeOfPosition[i] = static_cast<int>(m_nodes.size());
        children.push_back(static_cast<int>(m_nodes.size()));
        m_nodes.push_back(std::move(child));
    }
    Node &n = m_nodes[static_cast<size_t>(node)];
    n.children = std::move(children);
    n.fetched = true;
}

int TreeModel::nodeOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<int>(index.internalId()) : 0;
}

int TreeModel::positionOf(const QModelIndex &index) const
{
    return index.isValid() ? m_nodes[static_cast<size_t>(nodeOf(index))].position : -1;
}

QModelIndex TreeModel::indexOfPosition(int position)
{
    if (position < 0 || static_cast<size_t>(position) >= m_ids.size())
        return {};
    if (m_nodeOfPosition[static_cast<size_t>(position)] < 0) {
        // Walk up to a loaded ancestor, then load the branch down to the record.
        std::vector<int> chain;
        std::unordered_set<int> seen;
        int p = position;
        while (p >= 0 && m_nodeOfPosition[static_cast<size_t>(p)] < 0 && seen.insert(p).second) {
            chain.push_back(p);
            const long long parentId = m_parents[static_cast<size_t>(p)];
            p = -1;
            for (size_t i = 0; i < m_ids.size(); ++i)
                if (m_ids[i] == parentId && parentId != 0) {
                    p = static_cast<int>(i);
                    break;
                }
        }
        if (p < 0)
            return {};
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            const int parentNode = m_nodeOfPosition[static_cast<size_t>(p)];
            fetchMore(createIndex(m_nodes[static_cast<size_t>(parentNode)].row, 0, quintptr(parentNode)));
            p = *it;
            if (m_nodeOfPosition[static_cast<size_t>(p)] < 0)
                return {};
        }
    }
    const int node = m_nodeOfPosition[static_cast<size_t>(position)];
    return createIndex(m_nodes[static_cast<size_t>(node)].row, 0, quintptr(node));
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex &parent) const
{
    const Node &p = m_nodes[static_cast<size_t>(nodeOf(parent))];
    if (column != 0 || row < 0 || row >= static_cast<int>(p.children.size()))
        return {};
    return createIndex(row, 0, quintptr(p.children[static_cast<size_t>(row)]));
}

QModelIndex TreeModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    const int p = m_nodes[static_cast<size_t>(nodeOf(child))].parent;
    if (p <= 0)
        return {};
    return createIndex(m_nodes[static_cast<size_t>(p)].row, 0, quintptr(p));
}

int TreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(m_nodes[static_cast<size_t>(nodeOf(parent))].children.size());
}

int TreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

bool TreeModel::hasChildren(const QModelIndex &parent) const
{
    return m_nodes[static_cast<size_t>(nodeOf(parent))].hasChildren;
}

bool TreeModel::canFetchMore(const QModelIndex &parent) const
{
    const Node &n = m_nodes[static_cast<size_t>(nodeOf(parent))];
    return n.hasChildren && !n.fetched;
}

void TreeModel::fetchMore(const QModelIndex &parent)
{
    const int node = nodeOf(parent);
    if (!canFetchMore(parent))
        return;
    // Count first so the view hears of exactly the rows added.
    int count = 0;
    const long long id = m_nodes[static_cast<size_t>(node)].id;
    for (size_t i = 0; i < m_ids.size(); ++i)
        if (m_parents[i] == id && m_ids[i] != id)
            ++count;
    if (count == 0) {
        m_nodes[static_cast<size_t>(node)].fetched = true;
        return;
    }
    beginInsertRows(parent, 0, count - 1);
    loadChildren(node);
    endInsertRows();
}

QVariant TreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_cursor || m_text < 0 || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const int position = positionOf(index);
    return QString::fromStdString(m_cursor->valueAt(position, m_text).isNull()
                                      ? std::string()
                                      : m_cursor->valueAt(position, m_text).rawBytes());
}

Qt::ItemFlags TreeModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace holvane::app
