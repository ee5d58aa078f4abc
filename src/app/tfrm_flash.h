#pragma once

#include <QWidget>

namespace holvane::app {

// The splash window: borderless, on top, centred, showing the splash picture.
class Tfrm_flash : public QWidget {
    Q_OBJECT
public:
    explicit Tfrm_flash(QWidget *parent = nullptr);
};

} // namespace holvane::app
