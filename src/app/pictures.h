#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>

namespace holvane::app {

// The program's own pictures (src/app/pictures/*.svg, built in as the
// resources under ":/pictures"), rendered at the size they are shown.

// The splash picture, 401 x 300 pixels.
QImage splashPicture();
// The cover picture stretched to the given size, on white.
QImage coverPicture(QSize size);
// The about box picture, 70 x 90 pixels.
QImage aboutPicture();
// What the engineering calculator's Image2 shows before a formula is chosen.
QImage calculatorStartPicture();
// The picture of the design calculators' button column, stretched to size.
QImage designColumnPicture(QSize size);

// The icon of a main window toolbar button, by the button's component name
// ("BackBtn", "ToolButton2", ...); a null icon for a name without one.
QIcon toolbarIcon(const QString &buttonName);

// The catalogue tree's image list ImageList_tree: 0 closed branch, 1 open
// branch, 2 page (the state image). A null image for any other index.
QImage treeImage(int index);
// The picture every catalogue node shows: the state image beside image 0,
// and beside image 1 while the node is selected.
QIcon treeNodeIcon();

} // namespace holvane::app
