#include "query/querywindows.h"

#include "app/appcontext.h"
#include "app/tmainform.h"
#include "query/tfrm_cxjg.h"
#include "query/tfrm_cxls.h"
#include "query/tfrm_find.h"
#include "query/tfrm_search.h"

#include <QAction>
#include <QToolButton>

namespace holvane::query {

namespace {

template<typename Window> void openOnClick(app::AppContext &context, app::TMainForm &mainForm, const char *button)
{
    auto *tool = mainForm.findChild<QToolButton *>(QString::fromLatin1(button));
    if (!tool || !tool->defaultAction())
        return;
    QObject::connect(tool->defaultAction(), &QAction::triggered, &mainForm, [&context, &mainForm] {
        auto *window = new Window(context, &mainForm);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    });
}

} // namespace

void createQueryWindows(app::AppContext &context, app::TMainForm &mainForm)
{
    context.windows.resultHistory = new Tfrm_cxls(context, &mainForm);
    context.windows.queryResult = new Tfrm_cxjg(context, &mainForm);
    new Tfrm_find(context, &mainForm);
    new Tfrm_search(context, &mainForm);
    openOnClick<Tfrm_cxls>(context, mainForm, "ToolButton5");
    openOnClick<Tfrm_find>(context, mainForm, "ToolButton8");
    openOnClick<Tfrm_search>(context, mainForm, "ToolButton13");
}

} // namespace holvane::query
