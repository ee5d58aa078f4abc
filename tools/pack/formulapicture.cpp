#include "formulapicture.h"

#include "sourcetext.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace holvane::pack {

namespace {

constexpr int kWidth = 400;
constexpr int kMinHeight = 250;
constexpr int kMargin = 16;
constexpr int kLegendLine = 24;

QFont pictureFont(int pixelSize)
{
    QFont font;
    // A Latin font first keeps digits and letters in their usual shapes; the
    // CJK font supplies the Chinese text.
    font.setFamilies(
        { QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC") });
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

bool parseLegend(const std::string &text, std::vector<LegendEntry> &legend, std::string &error)
{
    legend.clear();
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(';', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view part = trimSpaces(std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (part.empty())
            continue;
        const size_t eq = part.find('=');
        LegendEntry entry;
        entry.name = std::string(trimSpaces(part.substr(0, std::min(eq, part.size()))));
        if (eq == std::string_view::npos || entry.name.empty()) {
            error = "图例项“" + std::string(part) + "”应为“变量=含义[单位]”";
            return false;
        }
        std::string_view meaning = trimSpaces(part.substr(eq + 1));
        if (!meaning.empty() && meaning.back() == ']') {
            const size_t open = meaning.rfind('[');
            if (open == std::string_view::npos) {
                error = "图例项“" + std::string(part) + "”的单位缺少“[”";
                return false;
            }
            entry.unit = std::string(trimSpaces(meaning.substr(open + 1, meaning.size() - open - 2)));
            meaning = trimSpaces(meaning.substr(0, open));
        }
        entry.meaning = std::string(meaning);
        for (const LegendEntry &other : legend)
            if (other.name == entry.name) {
                error = "图例中变量“" + entry.name + "”重复";
                return false;
            }
        legend.push_back(std::move(entry));
    }
    return true;
}

QImage renderFormulaPicture(const std::string &formula, const std::vector<LegendEntry> &legend)
{
    const int legendTop = 80;
    const int height = std::max(kMinHeight, legendTop + kLegendLine * static_cast<int>(legend.size() + 1) + kMargin);
    QImage image(kWidth, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);

    // The formula, as large as fits the width.
    const QString text = QString::fromStdString(formula);
    QFont font = pictureFont(26);
    while (font.pixelSize() > 10 && QFontMetrics(font).horizontalAdvance(text) > kWidth - 2 * kMargin)
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    painter.drawText(QRect(kMargin, kMargin, kWidth - 2 * kMargin, 48), Qt::AlignCenter, text);
    painter.drawLine(kMargin, 68, kWidth - kMargin, 68);

    painter.setFont(pictureFont(16));
    const QFontMetrics metrics(painter.font());
    int y = legendTop;
    if (!legend.empty()) {
        painter.drawText(QRect(kMargin, y, kWidth - 2 * kMargin, kLegendLine), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("式中："));
        y += kLegendLine;
    }
    for (const LegendEntry &entry : legend) {
        QString line
            = QString::fromStdString(entry.name) + QStringLiteral(" — ") + QString::fromStdString(entry.meaning);
        if (!entry.unit.empty())
            line += QStringLiteral("，") + QString::fromStdString(entry.unit);
        line = metrics.elidedText(line, Qt::ElideRight, kWidth - 3 * kMargin);
        painter.drawText(
            QRect(2 * kMargin, y, kWidth - 3 * kMargin, kLegendLine), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += kLegendLine;
    }
    return image;
}

} // namespace holvane::pack
