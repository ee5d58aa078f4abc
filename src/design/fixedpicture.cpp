#include "design/fixedpicture.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace holvane::design {

QPixmap fixedPicture(const std::string &window, const std::string &picture)
{
    const QString path = QStringLiteral(":/design/pictures/%1/%2.svg")
                             .arg(QString::fromStdString(window), QString::fromStdString(picture));
    if (!QFile::exists(path))
        return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace holvane::design
