#pragma once

#include "formula/valuegrid.h"

#include <QTableWidget>
#include <functional>
#include <string>

namespace holvane::design {

// The two-column grid of a stage: row 0 the formula (left side with its "="
// in column 0, the evaluated right side in column 1), rows 1..n one variable
// each ("参数:" + name, value). Row 0 and column 0 are fixed. Row 0 is drawn
// again at x = 4 and x = 83 of the grid, clipped to its cell, so the formula
// reads on from the label.
class ParameterGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit ParameterGrid(QWidget *parent = nullptr);

    QString cellText(int col, int row) const;
    void setCellText(int col, int row, const QString &text);
    // Row 0 in 宋体 10 points (the positioning windows).
    void setRow0Font(bool songti10) { m_row0Songti = songti10; }
    // Typed characters other than digits, ".", "+", "-" are refused with
    // `refused` (the positioning windows); empty function: no filter.
    void setCharacterFilter(std::function<void()> refused) { m_refused = std::move(refused); }
    bool acceptsCharacter(QChar c) const;
    bool filterRefused() const { return static_cast<bool>(m_refused); }
    void refuseCharacter() const { m_refused(); }
    bool row0Songti() const { return m_row0Songti; }

private:
    bool m_row0Songti = false;
    std::function<void()> m_refused;
};

// BindVariables reads the grid through this view.
class GridValues : public formula::ValueGrid {
public:
    explicit GridValues(const ParameterGrid &grid)
        : m_grid(grid)
    {
    }
    std::string_view cell(int col, int row) const override;

private:
    const ParameterGrid &m_grid;
    mutable std::string m_text;
};

} // namespace holvane::design
