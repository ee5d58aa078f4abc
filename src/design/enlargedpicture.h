#pragma once

#include <QPixmap>
#include <QString>

class QWidget;

namespace holvane::app {
class AppContext;
}

namespace holvane::design {

// Shows a picture in the enlarged-picture window TImageForm: its Image1 gets
// the picture, the window is picture height + 25 by width + 5 and carries
// the caption, and it is shown application-modal. The whole-run window of the
// context is used when it exists; otherwise one owned by `owner`. Returns the
// window shown.
QWidget *showEnlarged(app::AppContext &context, QWidget *owner, const QPixmap &picture, const QString &caption);

} // namespace holvane::design
