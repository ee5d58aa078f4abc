#include "app/messageservice.h"

#include "app/startup.h"

#include <QApplication>
#include <QMessageBox>

#include <iostream>

namespace holvane::app {

void BoxMessageService::inform(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool BoxMessageService::confirm(const QString &text)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kProgramTitle), text,
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

void StreamMessageService::inform(const QString &text, const QString &caption)
{
    std::cerr << caption.toStdString() << ": " << text.toStdString() << std::endl;
}

bool StreamMessageService::confirm(const QString &text)
{
    std::cerr << text.toStdString() << " -> 否" << std::endl;
    return false;
}

} // namespace holvane::app
