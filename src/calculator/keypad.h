#pragma once

#include "calculator/calculatormodule.h"

#include <QString>

namespace holvane::app {
class MessageService;
}

namespace holvane::calculator {

// The pocket keypad's arithmetic over the shared registers: one call per key,
// taking the entry box's text and giving the text it shows afterwards.
class Keypad {
public:
    enum class Key {
        Plus,
        Minus,
        Times,
        Divide,
        Power,
        Equals,
        Sqrt,
        Sin,
        Cos,
        Tan,
        Ln,
        Exp,
        ArcSin,
        ArcCos,
        ArcTan,
        ArcCot,
        Sum,
        Clear
    };

    Keypad(KeypadRegisters &registers, app::MessageService &messages)
        : m_reg(registers)
        , m_messages(messages)
    {
    }

    // `degrees`: the window's 角度 choice. A key that cannot act shows its
    // message and leaves the registers as they were.
    QString press(Key key, const QString &entry, bool degrees);

private:
    bool readEntry(const QString &entry, double &v);
    QString equals(const QString &entry);
    QString unary(Key key, double v, bool degrees, const QString &entry);
    bool inform(const char *text);

    KeypadRegisters &m_reg;
    app::MessageService &m_messages;
};

} // namespace holvane::calculator
