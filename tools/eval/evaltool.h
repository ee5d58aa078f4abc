#pragma once

#include "formula/formulaevaluator.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// holvane-eval: batch checks of formulas. One input line, one output line.
namespace holvane::formula {

struct EvalToolOptions {
    bool calculator = false; // the calculator profile instead of the shared one
    bool radians = false; // the calculator profile's radian mode
    bool listVariables = false; // --vars
};

// Parses the command line (without argv[0]); false with `error` set when it is
// not understood.
bool parseEvalToolArguments(const std::vector<std::string> &args, EvalToolOptions &options, std::string &error);

class EvalTool {
public:
    explicit EvalTool(const EvalToolOptions &options);

    // One UTF-8 input line (a formula's right side, then TAB-separated values
    // for its distinct variables) to one output line, without its newline:
    // "= TEXT", "! MESSAGE", "x" (an arithmetic error reached the caller) or
    // "-" (no result, no message); with --vars, the distinct variables.
    std::string processLine(std::string_view line);

    // Every line of `in` to `out`.
    void run(std::istream &in, std::ostream &out);

private:
    class Recorder : public MessageSink {
    public:
        void show(const std::string &text) override
        {
            if (!m_shown)
                m_first = text;
            m_shown = true;
        }
        bool m_shown = false;
        std::string m_first;
    };

    EvalToolOptions m_options;
    Recorder m_recorder;
    FormulaEvaluator m_evaluator;
};

} // namespace holvane::formula
