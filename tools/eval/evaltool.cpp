#include "evaltool.h"

#include <istream>
#include <ostream>

namespace holvane::formula {
namespace {

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos)
            return fields;
        line.remove_prefix(tab + 1);
    }
}

} // namespace

bool parseEvalToolArguments(const std::vector<std::string> &args, EvalToolOptions &options, std::string &error)
{
    for (const std::string &a : args) {
        if (a == "--calculator") {
            options.calculator = true;
        } else if (a == "--radians") {
            options.radians = true;
        } else if (a == "--vars") {
            options.listVariables = true;
        } else {
            error = "unknown argument: " + a;
            return false;
        }
    }
    if (options.radians && !options.calculator) {
        error = "--radians needs --calculator: the shared profile works in degrees";
        return false;
    }
    return true;
}

EvalTool::EvalTool(const EvalToolOptions &options)
    : m_options(options)
    , m_evaluator(options.calculator ? EvaluatorProfile::calculator() : EvaluatorProfile::shared(), m_recorder)
{
    m_evaluator.setAngleUnit(options.radians ? AngleUnit::Radians : AngleUnit::Degrees);
}

std::string EvalTool::processLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const std::vector<std::string_view> fields = splitTabs(line);

    m_recorder.m_shown = false;
    m_recorder.m_first.clear();
    m_evaluator.Tokenize(fields[0]);
    const std::vector<std::string> names = m_evaluator.variableNames();

    if (m_options.listVariables) {
        std::string out;
        for (size_t k = 0; k < names.size(); ++k) {
            if (k > 0)
                out += '\t';
            out += names[k];
        }
        return out;
    }

    ListValueGrid grid;
    grid.setFormula(std::string(fields[0]));
    for (size_t k = 0; k < names.size(); ++k)
        grid.addRow(names[k], k + 1 < fields.size() ? std::string(fields[k + 1]) : std::string());

    try {
        std::string result;
        if (m_evaluator.BindVariables(grid) && m_evaluator.Evaluate(result))
            return "= " + result;
    } catch (const ArithmeticError &) {
        return "x";
    }
    if (m_recorder.m_shown)
        return "! " + m_recorder.m_first;
    return "-";
}

void EvalTool::run(std::istream &in, std::ostream &out)
{
    std::string line;
    while (std::getline(in, line))
        out << processLine(line) << '\n';
    out.flush();
}

} // namespace holvane::formula
