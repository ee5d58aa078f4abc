#include "calculator/resulthistory.h"

#include "store/table.h"

namespace holvane::calculator {

namespace {

void appendRow(store::Table &history, const std::string &item, const std::string &value, const std::string &remark)
{
    history.append();
    history.setText("项目", item);
    history.setText("数值", value);
    if (!remark.empty())
        history.setText("单位", remark);
    history.post();
}

} // namespace

void SaveResultBlock(store::Table &history, const ResultBlock &block)
{
    if (!history.isOpen())
        history.open();
    if (history.recordCount() > kHistoryLimit) {
        history.first();
        for (int i = 0; i < kHistoryTrim && !history.eof(); ++i)
            history.remove();
    }
    appendRow(history, "公式名称", block.formulaName, "i");
    appendRow(history, "公式", block.rightSide, "i");
    for (const auto &[name, value] : block.variables)
        appendRow(history, name, value, "i");
    appendRow(history, "计算结果", block.result, "o");
    appendRow(history, "计算日期", block.date, "i");
    appendRow(history, std::string(10, '*'), std::string(49, '*'), {});
    history.close();
    history.open();
}

void ClearResults(store::Table &history)
{
    if (!history.isOpen())
        history.open();
    history.emptyTable();
    history.close();
}

} // namespace holvane::calculator
