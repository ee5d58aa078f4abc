#pragma once

#include <QTextBrowser>

#include <functional>

namespace holvane::app {

// What the text page does with an address.
enum class AddressKind {
    LocalPage, // an existing local file: shown in the text page
    Web, // http or https: opened in the desktop's web browser
    Unknown, // a missing file, an unknown scheme, no scheme: an error page
};

// The typed text of the address box as an address: an absolute path is a
// local file; anything else is read as a URL as it stands ("www.x.cn" has
// no scheme and is not guessed at).
QUrl addressFromText(const QString &text);
AddressKind addressKind(const QUrl &address);
// The address as the address box and the status line show it: a local file
// by its path.
QString addressText(const QUrl &address);

// The text page's browser (WebBrowser1): every navigation, a link inside a
// page included, is announced before it happens; web addresses go to the
// desktop's browser and the page says so; an address it cannot show gets an
// error page naming it.
class WebBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget *parent = nullptr);

    void setBeforeNavigate(std::function<void(const QString &address)> handler)
    {
        m_beforeNavigate = std::move(handler);
    }
    void setOpenWeb(std::function<void(const QUrl &address)> handler) { m_openWeb = std::move(handler); }

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;

private:
    void showNotice(const QString &html);

    std::function<void(const QString &)> m_beforeNavigate;
    std::function<void(const QUrl &)> m_openWeb;
};

} // namespace holvane::app
