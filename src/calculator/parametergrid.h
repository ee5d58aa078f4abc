#pragma once

#include "formula/valuegrid.h"

#include <QTableWidget>

namespace holvane::app {
class DesktopService;
class MessageService;
} // namespace holvane::app

namespace holvane::calculator {

// The calculator's parameter grid `TeThemeStringGrid1`: two columns and
// twenty rows; row 0 holds the formula, rows 1 to 19 the variables and the
// values typed for them. Only the value cells of rows 1 and below take typing,
// through the keypad's typing filter, at most 160 GBK bytes (the history's
// 数值 field). The popup menu copies, pastes and deletes in the cell being
// edited; a paste that would not fit is refused with a message.
class ParameterGrid : public QTableWidget, public formula::ValueGrid {
    Q_OBJECT
public:
    static constexpr int kRows = 20;

    ParameterGrid(app::MessageService &messages, app::DesktopService &desktop, QWidget *parent = nullptr);

    QString cellText(int col, int row) const;
    void setCellText(int col, int row, const QString &text);
    std::string_view cell(int col, int row) const override;

    void copyCell();
    void pasteCell();
    void deleteCell();

private:
    QLineEdit *activeEditor() const;

    app::MessageService &m_messages;
    app::DesktopService &m_desktop;
    mutable std::string m_cell;
};

} // namespace holvane::calculator
