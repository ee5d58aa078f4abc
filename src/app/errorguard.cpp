#include "app/errorguard.h"

#include "app/messageservice.h"
#include "app/startup.h"

namespace holvane::app {

QString errorText(const std::exception &error)
{
    return QString::fromUtf8(error.what());
}

bool guarded(MessageService &messages, const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const std::exception &e) {
        messages.inform(errorText(e), QString::fromUtf8(kProgramTitle));
    } catch (...) {
        messages.inform(QStringLiteral("未知错误"), QString::fromUtf8(kProgramTitle));
    }
    return false;
}

} // namespace holvane::app
