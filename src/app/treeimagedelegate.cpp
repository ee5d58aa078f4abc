#include "app/treeimagedelegate.h"

#include "app/pictures.h"

namespace holvane::app {

TreeImageDelegate::TreeImageDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_icon(treeNodeIcon())
{
}

void TreeImageDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->icon = m_icon;
    option->decorationSize = m_icon.availableSizes().value(0, option->decorationSize);
}

} // namespace holvane::app
