#pragma once

#include "app/picturedrag.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class QLabel;
class QWidget;

namespace holvane::app {

// One place where the main window shows a picture: the picture label inside
// its panel and, over the whole panel, a transparent label that takes the
// mouse (drag to pan, double click, context menu). The picture either fills
// the panel or lies free at its own position; it may take its natural size
// or keep a fixed one, stretched or not, centred or at its top left.
class PictureSurface : public QObject {
    Q_OBJECT
public:
    // `idleHint` is the overlay's hint while the picture needs no dragging.
    PictureSurface(QWidget *panel, QLabel *picture, QLabel *overlay, QString idleHint, QObject *parent);

    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }

    // Doubles the picture's size (centred) or halves it, truncating; fixed
    // size, stretched, at the top left.
    void zoomIn();
    void zoomOut();
    // The natural size, not stretched, at the top left.
    void naturalSize();

    void setFillsPanel(bool fill);
    void setAutoSize(bool on);
    void setStretch(bool on);
    bool fillsPanel() const { return m_fill; }
    bool autoSize() const { return m_autoSize; }
    bool stretch() const { return m_stretch; }

    // The drag cursor and hint when the picture is wider or taller than its
    // panel; otherwise the default cursor and the idle hint.
    void updateDragHint();
    void setIdleHint(const QString &hint) { m_idleHint = hint; }

    // Called on a double click on the overlay.
    void setOnDoubleClick(std::function<void()> handler) { m_onDoubleClick = std::move(handler); }

    QLabel *picture() const { return m_picture; }
    QWidget *panel() const { return m_panel; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void resizePicture(QSize size);
    void apply();

    QWidget *m_panel;
    QLabel *m_picture;
    QLabel *m_overlay;
    QString m_idleHint;
    QImage m_image;
    PictureDrag m_drag;
    bool m_fill = false;
    bool m_autoSize = true;
    bool m_stretch = false;
    std::function<void()> m_onDoubleClick;
};

} // namespace holvane::app
