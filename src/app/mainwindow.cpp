#include "app/mainwindow.h"

namespace holvane::app {

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Holvane"));
    resize(1024, 768);
}

} // namespace holvane::app
