#include "design/parametergrid.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

namespace holvane::design {

namespace {

constexpr int kRowHeight = 24;

// Draws row 0 over its background and filters what is typed into a value.
class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(ParameterGrid &grid)
        : QStyledItemDelegate(&grid)
        , m_grid(grid)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.row() != 0) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        painter->save();
        painter->fillRect(option.rect, option.palette.window());
        painter->setClipRect(option.rect);
        if (m_grid.row0Songti())
            painter->setFont(QFont(QStringLiteral("宋体"), 10));
        // Column 1 may have moved right of x = 83 when column 0 widened.
        const int cellX = m_grid.columnViewportPosition(index.column()) + m_grid.horizontalScrollBar()->value();
        const int gridX = index.column() == 0 ? 4 : std::max(83, cellX + 4);
        const int x = gridX - m_grid.horizontalScrollBar()->value();
        const QRect text(x, option.rect.top() + 4, 4000, option.rect.height() - 4);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignTop, index.data().toString());
        painter->restore();
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (m_grid.filterRefused())
            editor->installEventFilter(const_cast<GridDelegate *>(this));
        return editor;
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent *>(event)->text();
            if (text.size() == 1 && text[0].isPrint() && !m_grid.acceptsCharacter(text[0])) {
                m_grid.refuseCharacter();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    ParameterGrid &m_grid;
};

} // namespace

ParameterGrid::ParameterGrid(QWidget *parent)
    : QTableWidget(1, 2, parent)
{
    horizontalHeader()->hide();
    // The value column takes the rest of the grid's width.
    horizontalHeader()->setStretchLastSection(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setItemDelegate(new GridDelegate(*this));
    setEditTriggers(QAbstractItemView::AllEditTriggers);
}

QString ParameterGrid::cellText(int col, int row) const
{
    const QTableWidgetItem *cell = item(row, col);
    return cell ? cell->text() : QString();
}

void ParameterGrid::setCellText(int col, int row, const QString &text)
{
    QTableWidgetItem *cell = item(row, col);
    if (!cell) {
        cell = new QTableWidgetItem;
        setItem(row, col, cell);
    }
    cell->setText(text);
    // Row 0 and column 0 are fixed.
    if (row == 0 || col == 0)
        cell->setFlags(Qt::ItemIsEnabled);
}

bool ParameterGrid::acceptsCharacter(QChar c) const
{
    return c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('+') || c == QLatin1Char('-');
}

std::string_view GridValues::cell(int col, int row) const
{
    m_text = m_grid.cellText(col, row).toStdString();
    return m_text;
}

} // namespace holvane::design
