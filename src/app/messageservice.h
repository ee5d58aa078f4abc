#pragma once

#include <QString>

class QWidget;

namespace holvane::app {

// Every message box of the program goes through this service, so tests can
// record the texts and answer the questions instead of clicking live boxes.
class MessageService {
public:
    virtual ~MessageService() = default;
    // A message with an OK button.
    virtual void inform(const QString &text, const QString &caption) = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(const QString &text) = 0;
};

// The program's boxes: application-modal QMessageBox.
class BoxMessageService : public MessageService {
public:
    void inform(const QString &text, const QString &caption) override;
    bool confirm(const QString &text) override;
};

// Headless runs (the tour): messages go to standard error, questions are
// answered No, so nothing waits for a click that cannot come.
class StreamMessageService : public MessageService {
public:
    void inform(const QString &text, const QString &caption) override;
    bool confirm(const QString &text) override;
};

} // namespace holvane::app
