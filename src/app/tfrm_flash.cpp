#include "app/tfrm_flash.h"

#include "app/pictures.h"
#include "app/screenscaling.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace holvane::app {

Tfrm_flash::Tfrm_flash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frm_flash"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QPixmap::fromImage(splashPicture()));
    image->setScaledContents(true);
    layout->addWidget(image);
    resize(401, 300);
    ScreenScaling(*this);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

} // namespace holvane::app
