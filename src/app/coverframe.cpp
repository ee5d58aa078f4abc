#include "app/coverframe.h"

#include "app/pictures.h"

#include <QPainter>

namespace holvane::app {

CoverFrame::CoverFrame(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frm_cover1"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void CoverFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(QPoint(0, 0), coverPicture(size()));
}

} // namespace holvane::app
