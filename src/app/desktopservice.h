#pragma once

#include <QImage>
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
    // Empty when the user cancels. `startDir`: the folder the dialog shows
    // first (none: the dialog's own choice).
    virtual QString openFileName(
        QWidget *parent, const QString &caption, const QString &filter, const QString &startDir = QString());
    virtual QString saveFileName(
        QWidget *parent, const QString &caption, const QString &filter, const QString &startDir = QString());
    virtual void setClipboardText(const QString &text);
    virtual QString clipboardText() const;
    virtual void setClipboardImage(const QImage &image);
    virtual QImage clipboardImage() const;
};

// Records what would have been opened and answers dialogs from fixed names.
class DesktopRecorder : public DesktopService {
public:
    bool openUrl(const QUrl &url) override;
    QString openFileName(
        QWidget *parent, const QString &caption, const QString &filter, const QString &startDir = QString()) override;
    QString saveFileName(
        QWidget *parent, const QString &caption, const QString &filter, const QString &startDir = QString()) override;
    // The clipboard holds a text or a picture, as the desktop's does.
    void setClipboardText(const QString &text) override
    {
        m_clipboard = text;
        m_clipboardImage = QImage();
    }
    QString clipboardText() const override { return m_clipboard; }
    void setClipboardImage(const QImage &image) override
    {
        m_clipboardImage = image;
        m_clipboard.clear();
    }
    QImage clipboardImage() const override { return m_clipboardImage; }

    QList<QUrl> opened;
    QString nextOpenName;
    QString nextSaveName;
    // The start folder of the last dialog asked for.
    QString lastStartDir;

private:
    QString m_clipboard;
    QImage m_clipboardImage;
};

} // namespace holvane::app
