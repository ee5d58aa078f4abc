#pragma once

#include <QString>
#include <QStringList>

namespace holvane::app {

class TMainForm;

// Walks the shown main window through the cover, the first text page, the
// first picture page and the first calculator page of the catalogue, each
// opened by selecting its node in the tree, and saves the window after each
// as a PNG in `directory`. Returns the files written.
QStringList runTour(TMainForm &window, const QString &directory);

// The catalogue position of the first node whose CFrame reads `code`; -1
// when there is none.
int firstNodeOfType(TMainForm &window, int code);

} // namespace holvane::app
