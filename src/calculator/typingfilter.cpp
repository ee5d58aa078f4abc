#include "calculator/typingfilter.h"

#include "app/messageservice.h"

#include <QKeyEvent>

namespace holvane::calculator {

namespace {

bool passes(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        break;
    }
    const QString text = key.text();
    // Keys that type nothing (arrows, Tab, Delete, shortcuts) are no typing.
    if (text.isEmpty() || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return true;
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    if (!c.isPrint())
        return true;
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') || c == QLatin1Char('-')
        || c == QLatin1Char('.');
}

} // namespace

bool TypingFilter::eventFilter(QObject *watched, QEvent *event)
{
    const bool refused = (event->type() == QEvent::KeyPress && !passes(*static_cast<QKeyEvent *>(event)))
        || (event->type() == QEvent::InputMethod && !static_cast<QInputMethodEvent *>(event)->commitString().isEmpty());
    if (refused) {
        m_messages.inform(QStringLiteral("请输入数字！"), QStringLiteral("工程计算器"));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace holvane::calculator
