#include "design/referencecards.h"

#include "store/cursor.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace holvane::design {

ReferenceCards::ReferenceCards(std::vector<CardFieldConfig> fields, int cardsInView, QWidget *parent)
    : QScrollArea(parent)
    , m_fields(std::move(fields))
    , m_cardsInView(std::max(1, cardsInView))
{
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_content = new QWidget(this);
    m_column = new QVBoxLayout(m_content);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(0);
    m_column->addStretch(1);
    setWidget(m_content);
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

// The card repeats the headings beside the values, as a printed card would.
QWidget *ReferenceCards::buildCard(store::Cursor &cursor)
{
    auto *card = new QFrame(m_content);
    card->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *layout = new QGridLayout(card);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setVerticalSpacing(2);
    int row = 0;
    for (const CardFieldConfig &field : m_fields) {
        auto *heading = new QLabel(QString::fromStdString(field.heading), card);
        heading->setAlignment(Qt::AlignRight | Qt::AlignTop);
        layout->addWidget(heading, row, 0);
        const QString value = QString::fromStdString(cursor.text(field.field));
        QWidget *view = nullptr;
        if (field.memo) {
            auto *memo = new QPlainTextEdit(value, card);
            memo->setReadOnly(true);
            view = memo;
            layout->setRowStretch(row, field.stretch);
        } else {
            auto *edit = new QLineEdit(value, card);
            edit->setReadOnly(true);
            edit->setCursorPosition(0);
            view = edit;
        }
        view->setObjectName(QString::fromStdString(field.name));
        layout->addWidget(view, row, 1);
        ++row;
    }
    layout->setColumnStretch(1, 1);
    return card;
}

void ReferenceCards::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    fitCards();
}

void ReferenceCards::fitCards()
{
    const int height = viewport()->height() / m_cardsInView;
    for (QWidget *card : m_cards)
        card->setFixedHeight(height);
}

} // namespace holvane::design
