#pragma once

#include "app/messageservice.h"

#include <QString>
#include <deque>
#include <vector>

namespace holvane::app {

// Records every message and answers questions from a queue (No when it runs
// out); for tests and for runs without a person in front of the screen.
class MessageRecorder : public MessageService {
public:
    struct Message {
        QString text;
        QString caption;
        bool question = false;
    };

    void inform(const QString &text, const QString &caption) override;
    bool confirm(const QString &text) override;

    void answerNext(bool yes) { m_answers.push_back(yes); }
    const std::vector<Message> &messages() const { return m_messages; }
    // The texts in order, for comparing in one go.
    std::vector<QString> texts() const;
    void clear() { m_messages.clear(); }

private:
    std::vector<Message> m_messages;
    std::deque<bool> m_answers;
};

} // namespace holvane::app
