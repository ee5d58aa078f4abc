#pragma once

#include <QObject>

namespace holvane::app {
class MessageService;
}

namespace holvane::calculator {

// The keypad entry's and the parameter grid's typing filter: digits, "+",
// "-", ".", Backspace and Enter pass; any other typed key shows
// "请输入数字！" and is dropped. Installed as an event filter on the editors.
class TypingFilter : public QObject {
    Q_OBJECT
public:
    TypingFilter(app::MessageService &messages, QObject *parent)
        : QObject(parent)
        , m_messages(messages)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    app::MessageService &m_messages;
};

} // namespace holvane::calculator
