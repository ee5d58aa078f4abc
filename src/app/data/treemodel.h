#pragma once

#include <QAbstractItemModel>
#include <string>
#include <vector>

namespace holvane::store {
class Cursor;
}

namespace holvane::app {

// A tree over a self-referencing table (the catalogue, the formula library):
// the top level are the records whose parent field is 0, a node's children
// those whose parent field is its id. Children are read when a node is first
// expanded; a node reports children (and so shows an expand button) only
// when it has some. Texts are read from the cursor as the view shows them.
class TreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    TreeModel(std::string idField, std::string parentField, std::string textField, QObject *parent = nullptr);

    // Reads the tree's shape from the cursor (ids and parents only); call
    // again after the cursor reopens.
    void setCursor(const store::Cursor *cursor);

    // The cursor position of a node's record; -1 for none.
    int positionOf(const QModelIndex &index) const;
    // The node of a record, loading the children of its ancestors on the
    // way; invalid when the position is no node of the tree.
    QModelIndex indexOfPosition(int position);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Node {
        int position = -1; // -1: the invisible root
        long long id = 0;
        int parent = -1;   // node number
        int row = 0;       // among the parent's children
        bool fetched = false;
        bool hasChildren = false;
        std::vector<int> children; // node numbers, once fetched
    };

    int nodeOf(const QModelIndex &index) const;
    void loadChildren(int node);
    long long numberAt(int position, int field) const;

    std::string m_idField;
    std::string m_parentField;
    std::string m_textField;
    const store::Cursor *m_cursor = nullptr;
    int m_id = -1;
    int m_parent = -1;
    int m_text = -1;
    std::vector<Node> m_nodes;           // node 0 is the root
    std::vector<long long> m_ids;         // by cursor position
    std::vector<long long> m_parents;     // by cursor position
    std::vector<bool> m_hasChildren;      // by cursor position
    std::vector<int> m_nodeOfPosition;    // -1 until loaded
};

} // namespace holvane::app
