#include "pages/cardgrid.h"

#include "app/data/datasource.h"
#include "pages/cardpanel.h"
#include "store/cursor.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace holvane::pages {

CardGrid::CardGrid(QWidget *parent)
    : QWidget(parent)
    , m_scroll(new QScrollBar(Qt::Vertical, this))
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int top) {
        if (top == m_top)
            return;
        m_top = top;
        refresh();
    });
    setRowCount(1);
}

CardGrid::~CardGrid()
{
    setDataSource(nullptr);
}

void CardGrid::setDataSource(app::DataSource *source)
{
    if (m_source && m_listener >= 0)
        m_source->removeListener(m_listener);
    m_listener = -1;
    m_source = source;
    if (m_source)
        m_listener = m_source->addListener([this] { recordChanged(); });
    m_top = 0;
    refresh();
}

void CardGrid::setRowCount(int rows)
{
    rows = std::max(rows, 1);
    while (rowCount() > rows) {
        delete m_panels.back();
        m_panels.pop_back();
    }
    while (rowCount() < rows) {
        auto *card = new CardPanel(this);
        card->setCardLayout(m_layout);
        connect(card, &CardPanel::pressed, this, [this, card] { makeCurrent(card); });
        connect(card, &CardPanel::imageClicked, this, &CardGrid::imageClicked);
        connect(card, &CardPanel::textDoubleClicked, this, &CardGrid::textDoubleClicked);
        card->show();
        m_panels.push_back(card);
    }
    setFixedHeight(rows * CardPanel::kHeight);
    placePanels();
    refresh();
}

void CardGrid::setCardLayout(const std::optional<CardLayout> &layout)
{
    m_layout = layout;
    for (CardPanel *card : m_panels)
        card->setCardLayout(layout);
    refresh();
}

int CardGrid::cardWidth() const
{
    return width() - m_scroll->sizeHint().width();
}

void CardGrid::placePanels()
{
    const int scrollWidth = m_scroll->sizeHint().width();
    m_scroll->setGeometry(width() - scrollWidth, 0, scrollWidth, height());
    for (int row = 0; row < rowCount(); ++row)
        panel(row)->setGeometry(0, row * CardPanel::kHeight, cardWidth(), CardPanel::kHeight);
}

void CardGrid::refresh()
{
    const store::Cursor *cursor = m_source ? m_source->cursor() : nullptr;
    const int records = cursor && cursor->isOpen() ? cursor->recordCount() : 0;
    const int lastTop = std::max(records - rowCount(), 0);
    m_top = std::clamp(m_top, 0, lastTop);
    {
        const QSignalBlocker blocker(m_scroll);
        m_scroll->setRange(0, lastTop);
        m_scroll->setPageStep(rowCount());
        m_scroll->setValue(m_top);
    }
    for (int row = 0; row < rowCount(); ++row) {
        const int position = m_top + row;
        CardPanel *card = panel(row);
        card->setVisible(position < records);
        card->showRecord(position < records ? cursor : nullptr, position);
        card->Shape1()->setLineWidth(cursor && position == cursor->recNo() ? 2 : 1);
    }
}

void CardGrid::recordChanged()
{
    const store::Cursor *cursor = m_source ? m_source->cursor() : nullptr;
    if (cursor && cursor->recNo() >= 0) {
        if (cursor->recNo() < m_top)
            m_top = cursor->recNo();
        else if (cursor->recNo() >= m_top + rowCount())
            m_top = cursor->recNo() - rowCount() + 1;
    }
    refresh();
}

void CardGrid::makeCurrent(CardPanel *card)
{
    store::Cursor *cursor = m_source ? m_source->cursor() : nullptr;
    if (!cursor || !cursor->isOpen() || card->position() >= cursor->recordCount())
        return;
    if (cursor->recNo() != card->position())
        cursor->moveTo(card->position());
}

void CardGrid::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placePanels();
    emit cardWidthChanged();
}

void CardGrid::wheelEvent(QWheelEvent *event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        m_scroll->setValue(m_top - steps);
    event->accept();
}

void CardGrid::keyPressEvent(QKeyEvent *event)
{
    store::Cursor *cursor = m_source ? m_source->cursor() : nullptr;
    if (!cursor || !cursor->isOpen()) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Down:
        cursor->next();
        break;
    case Qt::Key_Up:
        cursor->prior();
        break;
    case Qt::Key_PageDown:
        cursor->moveTo(std::min(cursor->recNo() + rowCount(), cursor->recordCount() - 1));
        break;
    case Qt::Key_PageUp:
        cursor->moveTo(std::max(cursor->recNo() - rowCount(), 0));
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace holvane::pages
