#pragma once

#include <QIcon>
#include <QStyledItemDelegate>

namespace holvane::app {

// Gives every node of the catalogue tree the pictures of ImageList_tree,
// whatever its record holds: the state image beside image 0, or beside
// image 1 while the node is selected.
class TreeImageDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TreeImageDelegate(QObject *parent = nullptr);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    QIcon m_icon;
};

} // namespace holvane::app
