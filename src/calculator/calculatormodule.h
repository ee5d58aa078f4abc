#pragma once

#include "formula/formulaevaluator.h"

#include <memory>

namespace holvane::app {
class MessageService;
}

namespace holvane::calculator {

// The keypad's registers: A and B the operands, R the last result, P the
// pending key code.
struct KeypadRegisters {
    double A = 1;
    double B = 0;
    double R = 0;
    int P = 0;
};

// What the open calculator windows share: the keypad registers and one
// evaluator instance. Owned by the window factory (or a test) and handed to
// every calculator window it makes.
class CalculatorModule {
public:
    explicit CalculatorModule(app::MessageService &messages);
    ~CalculatorModule();
    CalculatorModule(const CalculatorModule &) = delete;
    CalculatorModule &operator=(const CalculatorModule &) = delete;

    KeypadRegisters registers;
    formula::FormulaEvaluator &evaluator() { return *m_evaluator; }
    app::MessageService &messages() { return m_messages; }

private:
    class EvaluatorMessages;

    app::MessageService &m_messages;
    std::unique_ptr<EvaluatorMessages> m_sink;
    std::unique_ptr<formula::FormulaEvaluator> m_evaluator;
};

} // namespace holvane::calculator
