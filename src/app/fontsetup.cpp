#include "app/fontsetup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace holvane::app {

void installFontsAndTranslation(QApplication &app)
{
    const QStringList serif = {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")};
    for (const char *family : {"宋体", "楷体_GB2312", "楷体", "仿宋_GB2312", "SimSun"})
        QFont::insertSubstitutions(QString::fromUtf8(family), serif);
    for (const char *family : {"黑体", "SimHei", "微软雅黑"})
        QFont::insertSubstitutions(QString::fromUtf8(family),
                                   {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC")});
    QApplication::setFont(songtiFont(14));

    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

QFont songtiFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace holvane::app
