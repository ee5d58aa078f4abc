#include "calculator/calculatormodule.h"

#include "app/messageservice.h"

namespace holvane::calculator {

// The evaluator's messages as the calculator's message boxes.
class CalculatorModule::EvaluatorMessages : public formula::MessageSink {
public:
    explicit EvaluatorMessages(app::MessageService &messages)
        : m_messages(messages)
    {
    }
    void show(const std::string &text) override
    {
        m_messages.inform(QString::fromStdString(text), QStringLiteral("工程计算器"));
    }

private:
    app::MessageService &m_messages;
};

CalculatorModule::CalculatorModule(app::MessageService &messages)
    : m_messages(messages)
    , m_sink(std::make_unique<EvaluatorMessages>(messages))
    , m_evaluator(std::make_unique<formula::FormulaEvaluator>(formula::EvaluatorProfile::calculator(), *m_sink))
{
}

CalculatorModule::~CalculatorModule() = default;

} // namespace holvane::calculator
