#pragma once

namespace holvane::app {
class AppContext;
class TMainForm;
} // namespace holvane::app

namespace holvane::query {

// Creates the query windows of the whole run after the main window, in
// order: the result history (recorded as windows.resultHistory, which the
// design calculators save through), the query result window (recorded as
// windows.queryResult), the data query and data search dialogs; all owned by
// the main window and hidden. Connects the toolbar's "结果查询", "数据查询"
// and "数据搜索", each of which opens a new window at every click.
void createQueryWindows(app::AppContext &context, app::TMainForm &mainForm);

} // namespace holvane::query
