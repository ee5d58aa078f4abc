#pragma once

#include <QString>

namespace holvane::app {

// How the content area is split between the page and the two panes under
// it (the memo pane on the left, the picture pane on the right).
struct PaneLayout {
    bool memoVisible = false;
    bool pictureVisible = false;
    // True when the page is anchored to the top at kPageHeight and the panes
    // take the rest; false when the page fills the content area.
    bool splitVertically = false;
    // True when both panes show: the memo pane takes half of the width.
    bool splitHorizontally = false;

    static constexpr int kPageHeight = 400;

    bool operator==(const PaneLayout &o) const
    {
        return memoVisible == o.memoVisible && pictureVisible == o.pictureVisible &&
               splitVertically == o.splitVertically && splitHorizontally == o.splitHorizontally;
    }
};

// The layout for a page whose memo text and picture key are these; the memo
// counts as empty when it is only blanks.
PaneLayout paneLayoutFor(const QString &memo, const QString &pictureKey);

// The memo pane's width when both panes show: half the page's, truncated.
inline int memoPaneWidth(int pageWidth)
{
    return pageWidth / 2;
}

} // namespace holvane::app
