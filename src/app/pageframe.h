#pragma once

#include <QWidget>

namespace holvane::app {

// A page frame that ShowPage places into its notebook page: the table page,
// the record cards, the curve reader. It reads the page context when told to
// load.
class PageFrame : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // Reads the page context (ContentKey, Title, NodeOrder, PageType) and
    // shows the page. Errors propagate to ShowPage's caller.
    virtual void loadPage() = 0;
    // Closes the frame's tables; ShowPage calls it before any page is shown.
    virtual void closeTables() {}
};

} // namespace holvane::app
