#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace holvane::formula {

// The parameter grid that BindVariables reads: the calling window's two-column
// string grid, names in column 0 and values in column 1; row 0 holds the
// formula, rows 1, 2, ... one variable each. The windows adapt their grids to
// it.
class ValueGrid {
public:
    virtual ~ValueGrid() = default;
    // The UTF-8 text of cell (col, row); empty for a cell outside the grid.
    // The view need only stay valid until the next call on the grid.
    virtual std::string_view cell(int col, int row) const = 0;
};

// A grid held in memory: row k (from 1) is variable k. For tests, the
// command-line tool and the benchmark.
class ListValueGrid : public ValueGrid {
public:
    ListValueGrid() = default;
    explicit ListValueGrid(std::vector<std::pair<std::string, std::string>> rows)
        : m_rows(std::move(rows))
    {
    }

    void setFormula(std::string formula) { m_formula = std::move(formula); }
    void addRow(std::string name, std::string value) { m_rows.emplace_back(std::move(name), std::move(value)); }
    std::vector<std::pair<std::string, std::string>> &rows() { return m_rows; }

    std::string_view cell(int col, int row) const override
    {
        if (row == 0)
            return col == 0 ? std::string_view(m_formula) : std::string_view();
        if (row < 0 || static_cast<size_t>(row) > m_rows.size() || col < 0 || col > 1)
            return {};
        const auto &r = m_rows[static_cast<size_t>(row) - 1];
        return col == 0 ? std::string_view(r.first) : std::string_view(r.second);
    }

private:
    std::string m_formula;
    std::vector<std::pair<std::string, std::string>> m_rows;
};

} // namespace holvane::formula
