// The two help documents show every picture they name, in the text browser
// too, and each screenshot is a whole window.
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

const QDir kHelp(QStringLiteral(HOLVANE_SOURCE_DIR "/content/help"));

QString readText(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

TEST(Help, EveryPictureOfTheHelpDocumentsDecodes)
{
    for (const char *name : { "帮助文档.html", "工程计算器.html" }) {
        const QString document = kHelp.filePath(QString::fromUtf8(name));
        const QString html = readText(document);
        const QRegularExpression img(QStringLiteral("<img src=\"([^\"]+)\""));
        int pictures = 0;
        for (auto match = img.globalMatch(html); match.hasNext();) {
            const QString file = kHelp.filePath(match.next().captured(1));
            QImageReader reader(file);
            const QImage picture = reader.read();
            EXPECT_FALSE(picture.isNull()) << name << ": " << file.toStdString() << ": "
                                           << reader.errorString().toStdString();
            if (file.endsWith(QLatin1String(".png"))) {
                EXPECT_GE(picture.width(), 600) << file.toStdString();
            }
            ++pictures;
        }
        EXPECT_GE(pictures, 1) << name;

        // The text browser resolves the pictures relative to the document.
        QTextBrowser browser;
        browser.setSource(QUrl::fromLocalFile(document));
        EXPECT_FALSE(browser.toPlainText().trimmed().isEmpty()) << name;
        for (auto match = img.globalMatch(html); match.hasNext();) {
            const QUrl url = browser.source().resolved(QUrl(match.next().captured(1)));
            const QVariant loaded = browser.loadResource(QTextDocument::ImageResource, url);
            EXPECT_TRUE(loaded.isValid()) << url.toString().toStdString();
        }
    }
}

} // namespace
