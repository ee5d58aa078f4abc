#include "picture.h"

#include "store/names.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdint>

namespace holvane::pack {

namespace {

void putLe(std::string &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

QImage loadSvg(const std::filesystem::path &file)
{
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QSvgRenderer renderer(in.readAll());
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty() || size.width() > 8000 || size.height() > 8000)
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

bool isPictureFile(const std::filesystem::path &file)
{
    const std::string ext = store::asciiLower(file.extension().string());
    return ext == ".svg" || ext == ".png" || ext == ".jpg" || ext == ".jpeg" || ext == ".bmp" || ext == ".gif";
}

QImage loadPicture(const std::filesystem::path &file)
{
    if (store::asciiLower(file.extension().string()) == ".svg")
        return loadSvg(file);
    QImage image;
    if (!image.load(QString::fromStdString(file.string())))
        return {};
    return image;
}

std::string bmpBytes(const QImage &source)
{
    // Transparent parts of a PNG become white, as the pages show them.
    QImage image(source.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, source);
    }
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t dataSize = stride * height;
    std::string out;
    out.reserve(54 + dataSize);
    out += "BM";
    putLe(out, 54 + dataSize, 4);
    putLe(out, 0, 4);
    putLe(out, 54, 4);
    putLe(out, 40, 4);
    putLe(out, width, 4);
    putLe(out, height, 4);
    putLe(out, 1, 2);
    putLe(out, 24, 2);
    putLe(out, 0, 4);
    putLe(out, dataSize, 4);
    putLe(out, 2835, 4); // 72 dpi
    putLe(out, 2835, 4);
    putLe(out, 0, 4);
    putLe(out, 0, 4);
    for (std::uint32_t y = height; y-- > 0;) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(static_cast<int>(y)));
        for (std::uint32_t x = 0; x < width; ++x) {
            out.push_back(static_cast<char>(qBlue(line[x])));
            out.push_back(static_cast<char>(qGreen(line[x])));
            out.push_back(static_cast<char>(qRed(line[x])));
        }
        out.append(stride - width * 3, '\0');
    }
    return out;
}

} // namespace holvane::pack
