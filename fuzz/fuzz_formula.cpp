// Tokenize + BindVariables + Evaluate on arbitrary bytes, both profiles.
// Input: one flag byte, then the formula's bytes, then after a '\n' the values
// of its variables separated by '\n'.
#include "formula/formulaevaluator.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace holvane::formula;

namespace {

// Messages are shown while the evaluation is under way: every call back into
// the instance from here must be refused.
class ReentrantSink : public MessageSink {
public:
    FormulaEvaluator *evaluator = nullptr;
    ListValueGrid *grid = nullptr;
    void show(const std::string &text) override
    {
        if (text.empty())
            abort();
        if (!evaluator || !evaluator->busy())
            abort();
        double v = 0;
        if (evaluator->Tokenize("1+1") || evaluator->BindVariables(*grid) || evaluator->Evaluate(v))
            abort();
    }
};

// One instance per profile for the whole run, as in the program: its state is
// reused for every formula.
void run(FormulaEvaluator &evaluator, ReentrantSink &sink, bool radians, bool utf8, std::string_view formula,
    const std::vector<std::string> &values)
{
    const EvaluatorProfile &profile = evaluator.profile();
    ListValueGrid grid;
    sink.evaluator = &evaluator;
    sink.grid = &grid;
    evaluator.setAngleUnit(radians ? AngleUnit::Radians : AngleUnit::Degrees);

    if (utf8)
        evaluator.Tokenize(formula);
    else
        evaluator.TokenizeGbk(formula);
    if (evaluator.tokenCount() > profile.tokenCapacity)
        abort();
    for (const std::string &name : evaluator.variableNames())
        grid.addRow(name, "");
    for (size_t k = 0; k < grid.rows().size() && k < values.size(); ++k)
        grid.rows()[k].second = values[k];
    for (int k = 1; k <= evaluator.tokenCount(); ++k) {
        (void)evaluator.displayText(k);
        (void)evaluator.node(k);
    }
    (void)evaluator.splitsCharacter();

    try {
        if (!evaluator.BindVariables(grid))
            return;
        // A bound list can be evaluated again, with the same outcome.
        for (int pass = 0; pass < 2; ++pass) {
            double value = 0;
            if (evaluator.Evaluate(value)) {
                if (!std::isfinite(value))
                    abort();
                const std::string text = NumberToText(value);
                double back = 0;
                if (!TextToNumber(text, back))
                    abort();
            }
        }
    } catch (const ArithmeticError &) {
        // The outcome the caller catches.
    }
    if (evaluator.busy())
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t flags = data[0];
    std::string_view rest(reinterpret_cast<const char *>(data + 1), size - 1);
    const size_t newline = rest.find('\n');
    const std::string_view formula = rest.substr(0, newline);
    std::vector<std::string> values;
    if (newline != std::string_view::npos) {
        std::string_view v = rest.substr(newline + 1);
        for (;;) {
            const size_t n = v.find('\n');
            values.emplace_back(v.substr(0, n));
            if (n == std::string_view::npos)
                break;
            v.remove_prefix(n + 1);
        }
    }
    const bool radians = flags & 1;
    const bool utf8 = flags & 2;
    static ReentrantSink sharedSink;
    static ReentrantSink calculatorSink;
    static FormulaEvaluator shared(EvaluatorProfile::shared(), sharedSink);
    static FormulaEvaluator calculator(EvaluatorProfile::calculator(), calculatorSink);
    run(shared, sharedSink, false, utf8, formula, values);
    run(calculator, calculatorSink, radians, utf8, formula, values);
    double v = 0;
    try {
        (void)TextToNumber(rest, v);
    } catch (const ArithmeticError &) {
    }
    (void)NumberToText(v);
    return 0;
}
