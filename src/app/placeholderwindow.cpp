#include "app/placeholderwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace holvane::app {

PlaceholderWindow::PlaceholderWindow(const QString &objectName, const QString &title, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(title, this);
    caption->setAlignment(Qt::AlignCenter);
    QFont font = caption->font();
    font.setPixelSize(24);
    caption->setFont(font);
    layout->addStretch();
    layout->addWidget(caption);
    layout->addWidget(new QLabel(QStringLiteral("此计算程序将在以后的版本中提供。"), this), 0, Qt::AlignCenter);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("BitBtn_close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close, 0, Qt::AlignCenter);
    layout->addStretch();
    resize(640, 480);
}

} // namespace holvane::app
