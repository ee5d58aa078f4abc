#include "app/shellwindows.h"

#include "app/appcontext.h"
#include "app/tfrmmsg.h"
#include "app/timageform.h"

namespace holvane::app {

void createShellWindows(AppContext &context, QWidget &mainForm)
{
    context.windows.messageWindow = new Tfrmmsg(&mainForm);
    context.windows.imageForm = new TImageForm(&mainForm);
}

} // namespace holvane::app
