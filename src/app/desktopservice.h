#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

namespace holvane::app {

// The desktop's services that would block a test or leave the program: the
// "Open" verb for documents and web addresses, file dialogs, the clipboard.
// Windows reach them through the application context; tests use the
// recording subclass below.
class DesktopService {
public:
    virtual ~DesktopService() = default;
    // Opens a local document or a web address with the desktop's handler.
    virtual bool openUrl(const QUrl &url);
    // Empty when the user cancels.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &filter);
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &filter);
    virtual void setClipboardText(const QString &text);
    virtual QString clipboardText() const;
};

// Records what would have been opened and answers dialogs from fixed names.
class DesktopRecorder : public DesktopService {
public:
    bool openUrl(const QUrl &url) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &filter) override;
    void setClipboardText(const QString &text) override { m_clipboard = text; }
    QString clipboardText() const override { return m_clipboard; }

    QList<QUrl> opened;
    QString nextOpenName;
    QString nextSaveName;

private:
    QString m_clipboard;
};

} // namespace holvane::app
