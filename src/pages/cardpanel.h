#pragma once

#include "pages/cardlayout.h"

#include <QFrame>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace holvane::store {
class Cursor;
}

namespace holvane::pages {

// One card of the card list: a border, two separator lines and the name
// edit, the description memo and the picture, on white, showing one record.
class CardPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kHeight = 78;

    explicit CardPanel(QWidget *parent = nullptr);

    // Places the controls by a layout; without one they keep their places
    // and show no field.
    void setCardLayout(const std::optional<CardLayout> &layout);
    // Shows the record at `position` among those the cursor sees.
    void showRecord(const store::Cursor *cursor, int position);
    int position() const { return m_position; }

    QFrame *Shape1() const { return m_border; }

signals:
    // A press anywhere on the card (its record becomes current first).
    void pressed();
    void imageClicked();
    void textDoubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeSeparator(QFrame *line, const std::optional<int> &left);

    std::optional<CardLayout> m_layout;
    int m_position = -1;
    QFrame *m_border;
    QFrame *m_nameLine;
    QFrame *m_pictureLine;
    QLineEdit *m_edit;
    QPlainTextEdit *m_memo;
    QLabel *m_image;
};

} // namespace holvane::pages
