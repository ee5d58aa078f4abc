#include "design/designreport.h"

#include "formula/numberformat.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace holvane::design {

std::pair<std::string, std::string> splitFormula(const std::string &formula)
{
    const size_t equals = formula.find('=');
    if (equals == std::string::npos)
        return { std::string(), formula };
    return { formula.substr(0, equals + 1), formula.substr(equals + 1) };
}

std::vector<std::string> distinctNames(const std::vector<std::string> &variableTokens)
{
    std::vector<std::string> names;
    for (const std::string &token : variableTokens)
        if (std::find(names.begin(), names.end(), token) == names.end())
            names.push_back(token);
    return names;
}

std::string truncateResult(const std::string &resultText)
{
    double value = 0;
    if (!formula::TextToNumber(resultText, value))
        throw std::runtime_error("no number");
    const long double thousandfold = static_cast<long double>(value) * 1000.0L;
    // 2^63 is exact in extended precision; the cast below is defined only inside.
    constexpr long double limit = 9223372036854775808.0L;
    if (!(thousandfold > -limit && thousandfold < limit))
        throw std::runtime_error("out of range");
    const auto cut = static_cast<std::int64_t>(thousandfold);
    return formula::NumberToText(static_cast<double>(static_cast<long double>(cut) / 1000.0L));
}

std::vector<std::string> categoryLines(const CategoryConfig &category,
    const std::function<std::string(const std::string &)> &value, const std::string &choice)
{
    std::vector<std::string> lines;
    std::string joined = category.heading;
    if (!category.singleLine)
        lines.push_back(category.heading);
    for (const CategoryLine &line : category.lines) {
        std::string text = line.label == "@choice" ? choice : line.label;
        if (!line.field.empty())
            text += value(line.field);
        if (category.singleLine)
            joined += text;
        else
            lines.push_back(text);
    }
    if (category.singleLine)
        lines.push_back(joined);
    return lines;
}

std::vector<std::string> DesignReport(const MemberConfig &member, const DesignTask &task,
    const std::vector<std::string> &category, const std::vector<std::pair<std::string, std::string>> &rows,
    const std::string &result, const std::string &date)
{
    std::vector<std::string> lines
        = { "设计任务名称：" + task.name, "设计任务编号：" + task.number, member.designerLabel + task.designer };
    if (member.blankAfterDesigner)
        lines.emplace_back();
    lines.insert(lines.end(), category.begin(), category.end());
    for (size_t i = 0; i < rows.size(); ++i)
        lines.push_back(i == 0 ? rows[i].first + rows[i].second : rows[i].first + " = " + rows[i].second);
    lines.push_back("计算结果 = " + result);
    lines.emplace_back();
    lines.push_back(std::string(38, ' ') + date);
    return lines;
}

} // namespace holvane::design
