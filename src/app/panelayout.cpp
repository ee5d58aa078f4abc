#include "app/panelayout.h"

namespace holvane::app {

PaneLayout paneLayoutFor(const QString &memo, const QString &pictureKey)
{
    const bool hasMemo = !memo.trimmed().isEmpty();
    const bool hasPicture = !pictureKey.isEmpty();
    PaneLayout layout;
    layout.memoVisible = hasMemo;
    layout.pictureVisible = hasPicture;
    layout.splitVertically = hasMemo || hasPicture;
    layout.splitHorizontally = hasMemo && hasPicture;
    return layout;
}

} // namespace holvane::app
