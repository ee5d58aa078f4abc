#pragma once

#include <QString>

namespace holvane::app {

// The current page, shared by the main window, the page frames and the query
// windows: one instance, held by the application context.
struct PageContext {
    QString Title;
    // The node's content key; for curves, pictures and text pages the full
    // path of the fetched file once ShowPage has fetched it.
    QString ContentKey;
    QString PictureKey;
    int NodeOrder = 0;
    // The code ShowPage is showing while it runs; kPageTypeIdle after it.
    int PageType = 100;
    QString PickedText;

    static constexpr int kPageTypeIdle = 100;
};

} // namespace holvane::app
