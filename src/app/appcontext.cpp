#include "app/appcontext.h"

#include "app/messageservice.h"

#include <QMetaObject>

namespace holvane::app {

// The evaluator's messages shown as the program's message boxes.
class AppContext::EvaluatorMessages : public formula::MessageSink {
public:
    explicit EvaluatorMessages(MessageService &messages) : m_messages(messages) {}
    void show(const std::string &text) override
    {
        m_messages.inform(QString::fromStdString(text), QString::fromUtf8(kProgramTitle));
    }

private:
    MessageService &m_messages;
};

AppContext::AppContext(std::filesystem::path appDir, MessageService &messages, DesktopService &desktop,
                       std::filesystem::path aliasFile)
    : m_appDir(std::move(appDir)), m_messages(messages), m_desktop(desktop),
      m_aliases(aliasFile.empty() ? m_appDir / "aliases.conf" : std::move(aliasFile)),
      m_evaluatorMessages(std::make_unique<EvaluatorMessages>(messages)),
      m_evaluator(std::make_unique<formula::FormulaEvaluator>(formula::EvaluatorProfile::shared(),
                                                               *m_evaluatorMessages))
{
}

AppContext::~AppContext() = default;

void AppContext::ShowMessageWindow(const QString &text)
{
    if (windows.messageWindow &&
        QMetaObject::invokeMethod(windows.messageWindow, "ShowMessageWindow", Q_ARG(QString, text)))
        return;
    m_messages.inform(text, QStringLiteral("提示"));
}

} // namespace holvane::app
