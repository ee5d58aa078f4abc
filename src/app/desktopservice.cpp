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

QString DesktopService::openFileName(
    QWidget *parent, const QString &caption, const QString &filter, const QString &startDir)
{
    return QFileDialog::getOpenFileName(parent, caption, startDir, filter);
}

QString DesktopService::saveFileName(
    QWidget *parent, const QString &caption, const QString &filter, const QString &startDir)
{
    return QFileDialog::getSaveFileName(parent, caption, startDir, filter);
}

void DesktopService::setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString DesktopService::clipboardText() const
{
    return QGuiApplication::clipboard()->text();
}

void DesktopService::setClipboardImage(const QImage &image)
{
    QGuiApplication::clipboard()->setImage(image);
}

QImage DesktopService::clipboardImage() const
{
    return QGuiApplication::clipboard()->image();
}

bool DesktopRecorder::openUrl(const QUrl &url)
{
    opened.push_back(url);
    return true;
}

QString DesktopRecorder::openFileName(QWidget *, const QString &, const QString &, const QString &startDir)
{
    lastStartDir = startDir;
    return std::exchange(nextOpenName, QString());
}

QString DesktopRecorder::saveFileName(QWidget *, const QString &, const QString &, const QString &startDir)
{
    lastStartDir = startDir;
    return std::exchange(nextSaveName, QString());
}

} // namespace holvane::app
