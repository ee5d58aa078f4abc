#include "app/tfrmmsg.h"

#include "app/fontsetup.h"
#include "app/screenscaling.h"
#include "app/startup.h"
#include "text/gbk.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace holvane::app {

namespace {

constexpr int kNarrowWidth = 200;
constexpr int kWideMargin = 30;
constexpr int kHeight = 120;
constexpr int kLabelTop = 24;
constexpr int kButtonTop = 70;
constexpr int kSideMargin = 10;
constexpr int kLineHeight = 20;

} // namespace

int messageWindowWidth(const QString &text)
{
    const int bytes = static_cast<int>(text::gbkLength(text.toStdString()));
    return bytes <= kNarrowWidth ? kNarrowWidth : bytes + kWideMargin;
}

Tfrmmsg::Tfrmmsg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmmsg"));
    setWindowTitle(QStringLiteral("HolvaneV1.0"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(songtiFont(14));
    Button1 = new QPushButton(QStringLiteral("确  定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFixedSize(75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    resize(kNarrowWidth, kHeight);
    ScreenScaling(*this);
}

void Tfrmmsg::prepare(const QString &text)
{
    const int windowWidth = messageWindowWidth(text);
    Label1->setWordWrap(false);
    Label1->setText(text);
    Label1->adjustSize();
    // A line wider than the window wraps, so no part of the text is cut off.
    const int room = windowWidth - 2 * kSideMargin;
    if (Label1->width() > room) {
        Label1->setWordWrap(true);
        Label1->resize(room, Label1->heightForWidth(room));
    }
    setFixedSize(windowWidth, kHeight + std::max(0, Label1->height() - kLineHeight));
    Label1->move((width() - Label1->width()) / 2, kLabelTop);
    Button1->move((width() - Button1->width()) / 2, height() - kHeight + kButtonTop);
}

void Tfrmmsg::ShowMessageWindow(const QString &text)
{
    prepare(text);
    setWindowModality(Qt::ApplicationModal);
    exec();
}

} // namespace holvane::app
