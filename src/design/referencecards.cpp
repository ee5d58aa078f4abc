#include "design/referencecards.h"

#include "store/cursor.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace holvane::design {

namespace {

constexpr int kMargin = 3;

} // namespace

ReferenceCards::ReferenceCards(std::vector<CardFieldConfig> fields, int cardsInView, QWidget *parent)
    : QWidget(parent)
    , m_fields(std::move(fields))
    , m_cardsInView(std::max(1, cardsInView))
{
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);

    // The headings stand over the card fields; the scroll bar's room is
    // kept free on the right so that they line up.
    auto *headings = new QWidget(this);
    auto *headingGrid = new QGridLayout(headings);
    for (size_t i = 0; i < m_fields.size(); ++i) {
        auto *heading = new QLabel(QString::fromStdString(m_fields[i].heading), headings);
        heading->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        heading->setAlignment(Qt::AlignCenter);
        // Widths follow the stretch shares alone, in the headings and the cards alike.
        heading->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        headingGrid->addWidget(heading, 0, static_cast<int>(i));
    }
    layOut(*headingGrid);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    headingGrid->setContentsMargins(kMargin + m_scroll->frameWidth(), 0,
        kMargin + m_scroll->frameWidth() + m_scroll->verticalScrollBar()->sizeHint().width(), 0);
    box->addWidget(headings);

    m_content = new QWidget(m_scroll);
    m_column = new QVBoxLayout(m_content);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(0);
    m_column->addStretch(1);
    m_scroll->setWidget(m_content);
    m_scroll->viewport()->installEventFilter(this);
    box->addWidget(m_scroll, 1);
}

void ReferenceCards::layOut(QGridLayout &grid) const
{
    grid.setHorizontalSpacing(2);
    for (size_t i = 0; i < m_fields.size(); ++i)
        grid.setColumnStretch(static_cast<int>(i), m_fields[i].stretch);
}

int ReferenceCards::viewHeight() const
{
    return m_scroll->viewport()->height();
}

void ReferenceCards::load(store::Cursor &cursor)
{
    clear();
    for (cursor.first(); !cursor.eof(); cursor.next()) {
        QWidget *card = buildCard(cursor);
        m_column->insertWidget(static_cast<int>(m_cards.size()), card);
        m_cards.push_back(card);
    }
    cursor.first();
    fitCards();
}

void ReferenceCards::clear()
{
    for (QWidget *card : m_cards)
        delete card;
    m_cards.clear();
}

QWidget *ReferenceCards::buildCard(store::Cursor &cursor)
{
    auto *card = new QFrame(m_content);
    card->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto *grid = new QGridLayout(card);
    grid->setContentsMargins(kMargin - card->frameWidth(), kMargin, kMargin - card->frameWidth(), kMargin);
    layOut(*grid);
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const CardFieldConfig &field = m_fields[i];
        const QString value = QString::fromStdString(cursor.text(field.field));
        QWidget *view = nullptr;
        if (field.memo) {
            auto *memo = new QPlainTextEdit(value, card);
            memo->setReadOnly(true);
            view = memo;
        } else {
            auto *edit = new QLineEdit(value, card);
            edit->setReadOnly(true);
            edit->setCursorPosition(0);
            view = edit;
        }
        view->setObjectName(QString::fromStdString(field.name));
        view->setSizePolicy(QSizePolicy::Ignored, view->sizePolicy().verticalPolicy());
        grid->addWidget(view, 0, static_cast<int>(i), field.memo ? Qt::Alignment() : Qt::AlignTop);
    }
    return card;
}

bool ReferenceCards::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        fitCards();
    return QWidget::eventFilter(watched, event);
}

void ReferenceCards::fitCards()
{
    const int height = viewHeight() / m_cardsInView;
    for (QWidget *card : m_cards)
        card->setFixedHeight(height);
}

} // namespace holvane::design
