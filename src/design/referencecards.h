#pragma once

#include "design/calcconfig.h"

#include <QWidget>
#include <vector>

class QGridLayout;
class QScrollArea;
class QVBoxLayout;

namespace holvane::store {
class Cursor;
}

namespace holvane::design {

// A reference table shown as record cards in one column (DBCtrlGrid1 of the
// eccentric window): the field headings in a row on top, below them one card
// per record with its fields side by side, a fixed number of cards in view
// and the rest reached by scrolling. For reading only.
class ReferenceCards : public QWidget {
    Q_OBJECT
public:
    ReferenceCards(std::vector<CardFieldConfig> fields, int cardsInView, QWidget *parent = nullptr);

    // One card per record of the open cursor, which is left on its first record.
    void load(store::Cursor &cursor);
    void clear();
    int cardCount() const { return static_cast<int>(m_cards.size()); }
    QWidget *card(int index) const { return m_cards.at(static_cast<size_t>(index)); }
    // The height the cards share.
    int viewHeight() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildCard(store::Cursor &cursor);
    void layOut(QGridLayout &grid) const;
    void fitCards();

    std::vector<CardFieldConfig> m_fields;
    int m_cardsInView;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_content = nullptr;
    QVBoxLayout *m_column = nullptr;
    std::vector<QWidget *> m_cards;
};

} // namespace holvane::design
