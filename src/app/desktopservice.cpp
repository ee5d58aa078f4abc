#include "app/desktopservice.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>

namespace holvane::app {

bool DesktopService::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

QString DesktopService::openFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString DesktopService::saveFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter);
}

void DesktopService::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString DesktopService::clipboardText() const
{
    return QGuiApplication::clipboard()->text();
}

bool DesktopRecorder::openUrl(const QUrl &url)
{
    opened.push_back(url);
    return true;
}

QString DesktopRecorder::openFileName(QWidget *, const QString &, const QString &)
{
    return std::exchange(nextOpenName, QString());
}

QString DesktopRecorder::saveFileName(QWidget *, const QString &, const QString &)
{
    return std::exchange(nextSaveName, QString());
}

} // namespace holvane::app
