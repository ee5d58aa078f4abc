#pragma once

#include <QPoint>
#include <QSize>

namespace holvane::app {

// Dragging a picture inside its panel with the left button: the pointer is
// kept in a range that holds the picture's left edge between
// panel width - picture width and 0 (at 0 when the picture is narrower than
// the panel), and likewise vertically.
class PictureDrag {
public:
    // A press at `pointer` on a picture at `picturePos`.
    void press(QPoint pointer, QPoint picturePos, QSize panel, QSize picture);
    // Where the picture goes for a pointer at `pointer` while dragging.
    QPoint move(QPoint pointer) const;
    void release() { m_dragging = false; }
    bool dragging() const { return m_dragging; }

private:
    QPoint m_start;
    QPoint m_picture;
    int m_xmin = 0;
    int m_xmax = 0;
    int m_ymin = 0;
    int m_ymax = 0;
    bool m_dragging = false;
};

} // namespace holvane::app
