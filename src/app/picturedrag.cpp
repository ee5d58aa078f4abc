#include "app/picturedrag.h"

#include <algorithm>

namespace holvane::app {

void PictureDrag::press(QPoint pointer, QPoint picturePos, QSize panel, QSize picture)
{
    m_start = pointer;
    m_picture = picturePos;
    m_xmin = pointer.x() + panel.width() - picture.width() - picturePos.x();
    m_ymin = pointer.y() + panel.height() - picture.height() - picturePos.y();
    m_xmax = pointer.x() - picturePos.x();
    m_ymax = pointer.y() - picturePos.y();
    m_dragging = true;
}

QPoint PictureDrag::move(QPoint pointer) const
{
    // The upper bound is applied last, so it wins when the range is empty.
    const int x = std::min(std::max(pointer.x(), m_xmin), m_xmax);
    const int y = std::min(std::max(pointer.y(), m_ymin), m_ymax);
    return { x - m_start.x() + m_picture.x(), y - m_start.y() + m_picture.y() };
}

} // namespace holvane::app
