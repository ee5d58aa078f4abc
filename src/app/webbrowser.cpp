#include "app/webbrowser.h"

#include <QFileInfo>

namespace holvane::app {

QUrl addressFromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('/')))
        return QUrl::fromLocalFile(trimmed);
    return QUrl(trimmed, QUrl::TolerantMode);
}

AddressKind addressKind(const QUrl &address)
{
    const QString scheme = address.scheme().toLower();
    if (scheme == QStringLiteral("http") || scheme == QStringLiteral("https"))
        return address.host().isEmpty() ? AddressKind::Unknown : AddressKind::Web;
    if (address.isLocalFile()) {
        const QFileInfo file(address.toLocalFile());
        return file.isFile() && file.isReadable() ? AddressKind::LocalPage : AddressKind::Unknown;
    }
    return AddressKind::Unknown;
}

QString addressText(const QUrl &address)
{
    if (address.isLocalFile()) {
        QString path = address.toLocalFile();
        if (address.hasFragment())
            path += QLatin1Char('#') + address.fragment();
        return path;
    }
    return address.toString();
}

WebBrowser::WebBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
    setOpenExternalLinks(false);
    setOpenLinks(true);
}

void WebBrowser::doSetSource(const QUrl &name, QTextDocument::ResourceType type)
{
    // A link inside a page may be relative to the page.
    const QUrl address = name.isRelative() && source().isLocalFile() ? source().resolved(name) : name;
    if (m_beforeNavigate)
        m_beforeNavigate(addressText(address));
    switch (addressKind(address)) {
    case AddressKind::LocalPage:
        QTextBrowser::doSetSource(address, type);
        break;
    case AddressKind::Web:
        if (m_openWeb)
            m_openWeb(address);
        showNotice(QStringLiteral("<p>网页“%1”已在浏览器中打开。</p>").arg(addressText(address).toHtmlEscaped()));
        break;
    case AddressKind::Unknown:
        showNotice(QStringLiteral("<p>无法显示地址“%1”：文件不存在，或不是本程序能显示的地址。</p>")
                       .arg(addressText(address).toHtmlEscaped()));
        break;
    }
}

void WebBrowser::showNotice(const QString &html)
{
    setHtml(html);
}

} // namespace holvane::app
