#include "app/messagerecorder.h"

namespace holvane::app {

void MessageRecorder::inform(const QString &text, const QString &caption)
{
    m_messages.push_back({text, caption, false});
}

bool MessageRecorder::confirm(const QString &text)
{
    m_messages.push_back({text, QString(), true});
    if (m_answers.empty())
        return false;
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

std::vector<QString> MessageRecorder::texts() const
{
    std::vector<QString> out;
    for (const Message &m : m_messages)
        out.push_back(m.text);
    return out;
}

} // namespace holvane::app
