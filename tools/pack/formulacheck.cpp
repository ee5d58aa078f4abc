#include "formulacheck.h"

#include "formula/formulaevaluator.h"
#include "text/gbk.h"

#include <cmath>

namespace holvane::pack {

namespace {

constexpr size_t kGridVariables = 19;

class MessageRecorder : public formula::MessageSink {
public:
    void show(const std::string &text) override { messages += (messages.empty() ? "" : "；") + text; }
    std::string messages;
};

// Tokenizes with the profile; the shared tests of both kinds of formula.
std::string tokenize(formula::FormulaEvaluator &evaluator, const std::string &expression)
{
    if (text::fromGbk(text::toGbk(expression)) != expression)
        return "公式中有 GBK 编码不能表示的字符";
    evaluator.Tokenize(expression);
    if (evaluator.tokenOverflow())
        return "公式的单元超过 " + std::to_string(evaluator.profile().tokenCapacity) + " 个，无法分解";
    if (evaluator.splitsCharacter())
        return "公式分解时会把汉字从中间切开（变量名超过六个字节，或汉字的第二个字节是运算符）";
    if (evaluator.variableNames().size() > kGridVariables)
        return "公式有 " + std::to_string(evaluator.variableNames().size()) + " 个变量，最多 19 个";
    return {};
}

} // namespace

std::string rightSide(const std::string &formula)
{
    const size_t eq = formula.find('=');
    return eq == std::string::npos ? formula : formula.substr(eq + 1);
}

std::string checkItemFormula(const std::string &formula, const std::vector<std::string> &initialValues)
{
    const std::string expression = rightSide(formula);
    if (expression.find(' ') != std::string::npos)
        return "公式“" + formula + "”中有空格（设计计算把空格当作变量名的一部分）";
    MessageRecorder messages;
    formula::FormulaEvaluator evaluator(formula::EvaluatorProfile::shared(), messages);
    if (std::string error = tokenize(evaluator, expression); !error.empty())
        return "公式“" + formula + "”：" + error;
    const std::vector<std::string> names = evaluator.variableNames();
    if (initialValues.size() < names.size())
        return "公式“" + formula + "”有 " + std::to_string(names.size()) + " 个变量，初始值只有 "
            + std::to_string(initialValues.size()) + " 个";

    formula::ListValueGrid grid;
    for (size_t i = 0; i < names.size(); ++i)
        grid.addRow(names[i], initialValues[i]);
    double result = 0;
    bool ok = false;
    try {
        ok = evaluator.BindVariables(grid) && evaluator.Evaluate(result);
    } catch (const formula::ArithmeticError &e) {
        return "公式“" + formula + "”用初始值计算出错：" + e.what();
    }
    if (!ok)
        return "公式“" + formula + "”用初始值算不出结果"
            + (messages.messages.empty() ? std::string() : "（" + messages.messages + "）");
    if (!std::isfinite(result))
        return "公式“" + formula + "”用初始值算出的不是有限数";
    return {};
}

std::string checkLibraryFormula(const std::string &formula, std::vector<std::string> &variables)
{
    MessageRecorder messages;
    formula::FormulaEvaluator evaluator(formula::EvaluatorProfile::calculator(), messages);
    if (std::string error = tokenize(evaluator, rightSide(formula)); !error.empty())
        return "公式“" + formula + "”：" + error;
    variables = evaluator.variableNames();
    return {};
}

} // namespace holvane::pack
