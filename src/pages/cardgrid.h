#pragma once

#include "pages/cardlayout.h"

#include <QWidget>
#include <optional>
#include <vector>

class QScrollBar;

namespace holvane::app {
class DataSource;
}

namespace holvane::pages {

class CardPanel;

// The card list (DBCtrlGrid1): one column of cards, one card per record of
// a data source's cursor, `rowCount` cards in view, no insert or delete.
// A press on a card makes its record current.
class CardGrid : public QWidget {
    Q_OBJECT
public:
    explicit CardGrid(QWidget *parent = nullptr);
    ~CardGrid() override;

    void setDataSource(app::DataSource *source);
    // Cards in view; the list becomes as high as that many cards.
    void setRowCount(int rows);
    int rowCount() const { return static_cast<int>(m_panels.size()); }
    void setCardLayout(const std::optional<CardLayout> &layout);
    // A card's width (the list's width without its scroll bar).
    int cardWidth() const;
    CardPanel *panel(int row) const { return m_panels[static_cast<size_t>(row)]; }
    // The position of the record on the first card in view.
    int topRecord() const { return m_top; }
    // Shows the records again from the cursor.
    void refresh();

signals:
    void imageClicked();
    void textDoubleClicked();
    // The cards changed width: their columns need laying out again.
    void cardWidthChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void placePanels();
    void recordChanged();
    void makeCurrent(CardPanel *panel);

    app::DataSource *m_source = nullptr;
    int m_listener = -1;
    std::vector<CardPanel *> m_panels;
    std::optional<CardLayout> m_layout;
    QScrollBar *m_scroll;
    int m_top = 0;
};

} // namespace holvane::pages
