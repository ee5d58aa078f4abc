#pragma once

#include <string>
#include <utility>
#include <vector>

namespace holvane::store {
class Table;
}

namespace holvane::calculator {

// One saved calculation: the rows it adds to the history table 计算结果.DB.
struct ResultBlock {
    std::string formulaName;
    std::string rightSide;
    std::vector<std::pair<std::string, std::string>> variables; // name, value typed
    std::string result;
    std::string date;
};

// The history keeps at most about 400 rows: a save into a table of more than
// kHistoryLimit rows first deletes its kHistoryTrim oldest rows.
inline constexpr int kHistoryLimit = 400;
inline constexpr int kHistoryTrim = 300;

// Appends the block (opening the table when it is closed, trimming it first),
// then closes the table and opens it again. A variable name longer than the
// 10-byte 项目 field is stored whole: the store keeps longer texts, and the
// report prints what is stored.
void SaveResultBlock(store::Table &history, const ResultBlock &block);

// Deletes every row and leaves the table closed.
void ClearResults(store::Table &history);

} // namespace holvane::calculator
