#include "app/picturesurface.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace holvane::app {

namespace {

const char *const kDragHint = "拖动鼠标可查看全部图像";

} // namespace

PictureSurface::PictureSurface(QWidget *panel, QLabel *picture, QLabel *overlay, QString idleHint, QObject *parent)
    : QObject(parent)
    , m_panel(panel)
    , m_picture(picture)
    , m_overlay(overlay)
    , m_idleHint(std::move(idleHint))
{
    m_picture->setParent(m_panel);
    m_overlay->setParent(m_panel);
    m_overlay->setAttribute(Qt::WA_TranslucentBackground);
    m_overlay->raise();
    m_overlay->setToolTip(m_idleHint);
    m_panel->installEventFilter(this);
    m_overlay->installEventFilter(this);
    apply();
}

void PictureSurface::setImage(const QImage &image)
{
    m_image = image;
    m_picture->setPixmap(QPixmap::fromImage(m_image));
    apply();
}

void PictureSurface::resizePicture(QSize size)
{
    m_autoSize = false;
    m_stretch = true;
    m_picture->setGeometry(QRect(QPoint(0, 0), size));
    apply();
    updateDragHint();
}

void PictureSurface::zoomIn()
{
    m_picture->setAlignment(Qt::AlignCenter);
    resizePicture(m_picture->size() * 2);
}

void PictureSurface::zoomOut()
{
    const QSize now = m_picture->size();
    resizePicture(QSize(now.width() / 2, now.height() / 2));
}

void PictureSurface::naturalSize()
{
    m_autoSize = true;
    m_stretch = false;
    m_picture->move(0, 0);
    apply();
    updateDragHint();
}

void PictureSurface::setFillsPanel(bool fill)
{
    m_fill = fill;
    apply();
}

void PictureSurface::setAutoSize(bool on)
{
    m_autoSize = on;
    apply();
}

void PictureSurface::setStretch(bool on)
{
    m_stretch = on;
    apply();
}

void PictureSurface::apply()
{
    m_picture->setScaledContents(m_stretch);
    if (m_fill)
        m_picture->setGeometry(m_panel->rect());
    else if (m_autoSize)
        m_picture->resize(m_image.size());
    m_overlay->setGeometry(m_panel->rect());
    m_overlay->raise();
}

void PictureSurface::updateDragHint()
{
    const QSize panel = m_panel->size();
    const QSize picture = m_picture->size();
    if (picture.width() > panel.width() || picture.height() > panel.height()) {
        m_overlay->setCursor(Qt::OpenHandCursor);
        m_overlay->setToolTip(QString::fromUtf8(kDragHint));
    } else {
        m_overlay->unsetCursor();
        m_overlay->setToolTip(m_idleHint);
    }
}

bool PictureSurface::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panel) {
        if (event->type() == QEvent::Resize)
            apply();
        return false;
    }
    if (watched != m_overlay)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            m_drag.press(mouse->position().toPoint(), m_picture->pos(), m_panel->size(), m_picture->size());
        return false;
    }
    case QEvent::MouseMove:
        if (m_drag.dragging())
            m_picture->move(m_drag.move(static_cast<QMouseEvent *>(event)->position().toPoint()));
        return false;
    case QEvent::MouseButtonRelease:
        m_drag.release();
        return false;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && m_onDoubleClick)
            m_onDoubleClick();
        return true;
    default:
        return false;
    }
}

} // namespace holvane::app
