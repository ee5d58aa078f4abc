#include "app/timageform.h"

#include "app/screenscaling.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace holvane::app {

TImageForm::TImageForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ImageForm"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setToolTip(QStringLiteral("双击关闭窗口"));
    Image1->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
    resize(633, 498);
    ScreenScaling(*this);
}

bool TImageForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonDblClick) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace holvane::app
