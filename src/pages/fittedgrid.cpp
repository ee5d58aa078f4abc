#include "pages/fittedgrid.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace holvane::pages {

namespace {
constexpr int kMaxColumnWidth = 320;
constexpr int kMeasuredRows = 50;
} // namespace

FittedGrid::FittedGrid(QWidget *parent)
    : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setShowGrid(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { fitVisibleRows(); });
}

void FittedGrid::setModel(QAbstractItemModel *model)
{
    if (this->model())
        disconnect(this->model(), nullptr, this, nullptr);
    QTableView::setModel(model);
    if (model)
        connect(model, &QAbstractItemModel::modelReset, this, [this] { restart(); });
    restart();
}

void FittedGrid::restart()
{
    m_fitted.assign(model() ? static_cast<size_t>(model()->rowCount()) : 0, false);
    fitVisibleRows();
}

void FittedGrid::fitColumns()
{
    if (!model())
        return;
    // The first rows stand for the table: a column is not measured over
    // every row of a large table.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = QRect();
    const int rows = std::min(model()->rowCount(), kMeasuredRows);
    for (int c = 0; c < model()->columnCount(); ++c) {
        int width = horizontalHeader()->sectionSizeHint(c);
        for (int r = 0; r < rows; ++r) {
            const QModelIndex index = model()->index(r, c);
            width = std::max(width, itemDelegateForIndex(index)->sizeHint(option, index).width() + 24);
        }
        setColumnWidth(c, std::min(width, kMaxColumnWidth));
    }
    m_fitted.assign(m_fitted.size(), false);
    fitVisibleRows();
}

void FittedGrid::fitVisibleRows()
{
    if (!model() || m_fitted.empty())
        return;
    const int rows = std::min(model()->rowCount(), static_cast<int>(m_fitted.size()));
    const int bottom = std::max(viewport()->height(), 1);
    const int cap = std::max(bottom, verticalHeader()->defaultSectionSize());
    for (int row = std::max(rowAt(0), 0); row < rows && rowViewportPosition(row) < bottom; ++row) {
        if (m_fitted[static_cast<size_t>(row)])
            continue;
        m_fitted[static_cast<size_t>(row)] = true;
        const int height = std::max(verticalHeader()->defaultSectionSize(), sizeHintForRow(row));
        if (height != rowHeight(row))
            setRowHeight(row, std::min(height, cap));
    }
}

void FittedGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    fitVisibleRows();
}

void FittedGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit doubleClickedGrid();
}

} // namespace holvane::pages
