#include "app/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    holvane::app::TMainForm window;
    window.show();
    return app.exec();
}
