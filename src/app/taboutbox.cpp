#include "app/taboutbox.h"

#include "app/fontsetup.h"
#include "app/screenscaling.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace holvane::app {

const char *const kPublisherAddress = "https://www.holvane.example.org/";

namespace {

QLabel *label(
    QWidget *parent, const char *name, const QString &text, QRect where, const QFont &font, const QColor &colour)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(where);
    l->setFont(font);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, colour);
    l->setPalette(palette);
    return l;
}

} // namespace

TAboutBox::TAboutBox(const QImage &picture, std::function<void(const QString &)> openAddress, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
    , m_openAddress(std::move(openAddress))
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("版本说明"));
    setFixedSize(352, 310);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("ProgramIcon"));
    image->setGeometry(16, 20, 70, 90);
    image->setScaledContents(true);
    image->setPixmap(QPixmap::fromImage(picture));

    const QColor navy(0, 0, 128);
    label(this, "ProductName", QStringLiteral("Holvane"), { 104, 24, 232, 36 }, songtiFont(27, true), navy);
    label(this, "Version", QStringLiteral("版本：V1.0"), { 104, 70, 232, 28 }, songtiFont(21), navy);
    label(this, "Comments", QStringLiteral("机床夹具设计手册与设计计算"), { 24, 130, 310, 20 }, songtiFont(14),
        Qt::black);
    label(this, "Copyright", QStringLiteral("开发：Holvane 开发组"), { 24, 160, 310, 20 }, songtiFont(14), Qt::black);
    label(this, "Contact", QStringLiteral("联系：support@holvane.example.org"), { 24, 186, 310, 20 }, songtiFont(14),
        Qt::black);
    QLabel *link = label(
        this, "Label_web", QString::fromUtf8(kPublisherAddress), { 24, 212, 310, 20 }, songtiFont(14), Qt::blue);
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    link->setCursor(Qt::PointingHandCursor);
    link->installEventFilter(this);

    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(139, 262, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    ScreenScaling(*this);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

bool TAboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->objectName() == QStringLiteral("Label_web") && event->type() == QEvent::MouseButtonRelease) {
        LinkClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::LinkClick()
{
    close();
    if (m_openAddress)
        m_openAddress(QString::fromUtf8(kPublisherAddress));
}

} // namespace holvane::app
