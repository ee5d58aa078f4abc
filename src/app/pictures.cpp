#include "app/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace holvane::app {

namespace {

QFont pictureFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A fixture seen from the front: base plate, two locating pins, a V-block and
// a clamp over a round workpiece. Drawn in a 200 x 120 box.
void drawFixture(QPainter &p, const QRectF &box, const QColor &line)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 200.0, box.height() / 120.0);
    p.setPen(QPen(line, 2));
    p.setBrush(QColor(230, 236, 244));
    p.drawRect(QRectF(10, 95, 180, 18));
    p.drawRect(QRectF(25, 80, 12, 15));
    p.drawRect(QRectF(163, 80, 12, 15));
    QPainterPath vblock;
    vblock.moveTo(60, 95);
    vblock.lineTo(60, 60);
    vblock.lineTo(80, 60);
    vblock.lineTo(100, 80);
    vblock.lineTo(120, 60);
    vblock.lineTo(140, 60);
    vblock.lineTo(140, 95);
    vblock.closeSubpath();
    p.drawPath(vblock);
    p.setBrush(QColor(250, 214, 165));
    p.drawEllipse(QPointF(100, 62), 22, 22);
    p.setBrush(QColor(200, 210, 225));
    p.drawRect(QRectF(70, 22, 60, 10));
    p.drawRect(QRectF(96, 5, 8, 17));
    p.setPen(QPen(line, 1, Qt::DashDotLine));
    p.drawLine(QPointF(100, 0), QPointF(100, 100));
    p.restore();
}

} // namespace

QImage splashPicture()
{
    QImage image(401, 300, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(22, 58, 110));
    sky.setColorAt(1, QColor(70, 120, 180));
    p.fillRect(image.rect(), sky);
    drawFixture(p, QRectF(100, 30, 200, 120), QColor(240, 244, 250));
    p.setPen(Qt::white);
    p.setFont(pictureFont(30, true));
    p.drawText(QRect(0, 165, 401, 44), Qt::AlignCenter, QStringLiteral("机床夹具设计手册"));
    p.setFont(pictureFont(16, false));
    p.drawText(QRect(0, 212, 401, 26), Qt::AlignCenter, QStringLiteral("Holvane软件版V1.0"));
    p.setFont(pictureFont(13, false));
    p.drawText(QRect(0, 262, 401, 24), Qt::AlignCenter, QStringLiteral("正在启动，请稍候……"));
    return image;
}

QImage coverPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = size.width();
    const int h = size.height();
    const QColor blue(28, 70, 130);
    p.fillRect(QRect(0, 0, w, h / 12), blue);
    p.fillRect(QRect(0, h - h / 24, w, h / 24), blue);
    drawFixture(p, QRectF(w * 0.3, h * 0.16, w * 0.4, h * 0.36), blue);
    p.setPen(blue);
    p.setFont(pictureFont(std::max(12, h / 11), true));
    p.drawText(QRect(0, int(h * 0.56), w, h / 7), Qt::AlignCenter, QStringLiteral("机床夹具设计手册"));
    p.setPen(QColor(80, 80, 80));
    p.setFont(pictureFont(std::max(10, h / 26), false));
    p.drawText(QRect(0, int(h * 0.72), w, h / 12), Qt::AlignCenter,
               QStringLiteral("定位 · 夹紧 · 计算 · 资料查询"));
    p.drawText(QRect(0, int(h * 0.82), w, h / 12), Qt::AlignCenter, QStringLiteral("Holvane软件版V1.0"));
    return image;
}

} // namespace holvane::app
