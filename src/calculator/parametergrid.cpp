#include "calculator/parametergrid.h"

#include "app/desktopservice.h"
#include "app/messageservice.h"
#include "calculator/typingfilter.h"
#include "query/gbklengthvalidator.h"
#include "text/gbk.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace holvane::calculator {

namespace {

// The width of 数值 in the history table, which a saved value goes into.
constexpr int kValueBytes = 160;
const QString kTooLong = QStringLiteral("粘贴的数值超过 160 个字节，未粘贴！");

// Every value editor goes through the typing filter and takes no more than
// the history field holds.
class FilteredDelegate : public QStyledItemDelegate {
public:
    FilteredDelegate(TypingFilter *filter, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_filter(filter)
    {
    }
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->installEventFilter(m_filter);
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setValidator(new query::GbkLengthValidator(kValueBytes, line));
        return editor;
    }

private:
    TypingFilter *m_filter;
};

} // namespace

ParameterGrid::ParameterGrid(app::MessageService &messages, app::DesktopService &desktop, QWidget *parent)
    : QTableWidget(kRows, 2, parent)
    , m_messages(messages)
    , m_desktop(desktop)
{
    setObjectName(QStringLiteral("TeThemeStringGrid1"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    // Column 1 takes what the panel leaves, so no horizontal scroll bar.
    setColumnWidth(0, 96);
    setColumnWidth(1, 240);
    horizontalHeader()->setStretchLastSection(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabKeyNavigation(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    auto *filter = new TypingFilter(messages, this);
    setItemDelegate(new FilteredDelegate(filter, this));
    installEventFilter(filter);

    const QColor fixed = palette().color(QPalette::Button);
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < 2; ++col) {
            auto *item = new QTableWidgetItem;
            if (row == 0 || col == 0) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(fixed);
            }
            setItem(row, col, item);
        }

    setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto action
        = [this](const char *name, const QString &caption, const QKeySequence &keys, void (ParameterGrid::*slot)()) {
              auto *a = new QAction(caption, this);
              a->setObjectName(QString::fromLatin1(name));
              a->setShortcut(keys);
              a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
              connect(a, &QAction::triggered, this, slot);
              addAction(a);
          };
    action("copyCell", QStringLiteral("拷贝(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C), &ParameterGrid::copyCell);
    action("pasteCell", QStringLiteral("粘贴(&P)"), QKeySequence(Qt::CTRL | Qt::Key_V), &ParameterGrid::pasteCell);
    action("deleteCell", QStringLiteral("删除(&D)"), QKeySequence(Qt::Key_Delete), &ParameterGrid::deleteCell);
}

QString ParameterGrid::cellText(int col, int row) const
{
    const QTableWidgetItem *i = item(row, col);
    return i ? i->text() : QString();
}

void ParameterGrid::setCellText(int col, int row, const QString &text)
{
    if (QTableWidgetItem *i = item(row, col))
        i->setText(text);
}

std::string_view ParameterGrid::cell(int col, int row) const
{
    m_cell = cellText(col, row).toStdString();
    return m_cell;
}

QLineEdit *ParameterGrid::activeEditor() const
{
    if (state() != QAbstractItemView::EditingState)
        return nullptr;
    return qobject_cast<QLineEdit *>(indexWidget(currentIndex()));
}

void ParameterGrid::copyCell()
{
    if (QLineEdit *editor = activeEditor())
        m_desktop.setClipboardText(editor->hasSelectedText() ? editor->selectedText() : editor->text());
    else if (currentItem())
        m_desktop.setClipboardText(currentItem()->text());
}

void ParameterGrid::pasteCell()
{
    const QString text = m_desktop.clipboardText();
    const auto fits = [this](const QString &value) {
        if (text::gbkLength(value.toStdString()) <= static_cast<size_t>(kValueBytes))
            return true;
        m_messages.inform(kTooLong, QStringLiteral("工程计算器"));
        return false;
    };
    if (QLineEdit *editor = activeEditor()) {
        QString result = editor->text();
        if (editor->hasSelectedText())
            result.remove(editor->selectionStart(), editor->selectedText().size());
        if (fits(result + text))
            editor->insert(text);
    } else if (currentItem() && (currentItem()->flags() & Qt::ItemIsEditable)) {
        if (fits(text))
            currentItem()->setText(text);
    }
}

void ParameterGrid::deleteCell()
{
    if (QLineEdit *editor = activeEditor()) {
        if (editor->hasSelectedText())
            editor->del();
        else
            editor->clear();
    } else if (currentItem() && (currentItem()->flags() & Qt::ItemIsEditable)) {
        currentItem()->setText(QString());
    }
}

} // namespace holvane::calculator
