#pragma once

#include <QMainWindow>

namespace holvane::app {

// The handbook's main window.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
};

} // namespace holvane::app
