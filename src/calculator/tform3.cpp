#include "calculator/tform3.h"

#include "app/screenscaling.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace holvane::calculator {

TForm3::TForm3(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("关于"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("工程计算器V1.0"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont big = title->font();
    big.setPixelSize(24);
    big.setBold(true);
    title->setFont(big);
    title->setStyleSheet(QStringLiteral("color: navy"));
    title->setAlignment(Qt::AlignCenter);
    auto *maker = new QLabel(QStringLiteral("Holvane 机床夹具设计手册开发组"), this);
    maker->setObjectName(QStringLiteral("Label2"));
    maker->setAlignment(Qt::AlignCenter);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(title);
    layout->addWidget(maker);
    layout->addWidget(buttons);
    resize(320, 160);
    app::ScreenScaling(*this);
}

} // namespace holvane::calculator
