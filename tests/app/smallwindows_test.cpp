#include "app/shellwindows.h"
#include "app/taboutbox.h"
#include "app/tfrmmsg.h"
#include "app/timageform.h"
#include "appfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace holvane::test {
namespace {

// Runs `step` on the modal window once it shows.
void whenModal(std::function<void(QWidget *)> step)
{
    QTimer::singleShot(0, [step] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        step(modal);
    });
}

class SmallWindows : public AppFixture { };

TEST(MessageWindowWidth, FollowsTheTextsGbkLength)
{
    struct Case {
        QString text;
        int width;
    };
    const Case cases[] = {
        { QStringLiteral("一二三四五六七八九十"), 200 },
        { QString(200, QLatin1Char('x')), 200 },
        { QString(201, QLatin1Char('x')), 231 },
        { QString(150, QChar(0x4E00)), 330 },
        { QString(), 200 },
    };
    for (const Case &c : cases)
        EXPECT_EQ(app::messageWindowWidth(c.text), c.width) << c.text.size();
}

TEST_F(SmallWindows, TheMessageWindowCentresItsTextAndButtonAndClosesOnTheButton)
{
    app::createShellWindows(context(), window());
    auto *message = qobject_cast<app::Tfrmmsg *>(context().windows.messageWindow.data());
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->windowTitle(), QStringLiteral("HolvaneV1.0"));
    auto *label = message->findChild<QLabel *>(QStringLiteral("Label1"));
    auto *button = message->findChild<QPushButton *>(QStringLiteral("Button1"));
    for (const QString &text : { QStringLiteral("计算完毕"), QString(150, QChar(0x4E00)) }) {
        message->prepare(text);
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(button->x(), (message->width() - button->width()) / 2);
        EXPECT_EQ(label->x(), (message->width() - label->width()) / 2);
        EXPECT_LE(label->width(), message->width());
    }
    EXPECT_EQ(message->width(), 330);
    EXPECT_EQ(button->text(), QStringLiteral("确  定"));

    bool shown = false;
    whenModal([&](QWidget *modal) {
        shown = modal == message && label->text() == QStringLiteral("应用程序有误");
        modal->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    });
    context().ShowMessageWindow(QStringLiteral("应用程序有误"));
    EXPECT_TRUE(shown);
    EXPECT_EQ(message->width(), 200);
    EXPECT_FALSE(message->isVisible());
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(SmallWindows, TheEnlargedPictureWindowClosesOnADoubleClick)
{
    app::createShellWindows(context(), window());
    QWidget *form = context().windows.imageForm;
    ASSERT_NE(form, nullptr);
    auto *image = form->findChild<QLabel *>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->toolTip(), QStringLiteral("双击关闭窗口"));
    form->show();
    QMouseEvent press(QEvent::MouseButtonDblClick, QPointF(5, 5), image->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(image, &press);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SmallWindows, TheAboutBoxShowsTheVersionAndItsLinkOpensThePublishersPage)
{
    window();
    QString version;
    whenModal([&](QWidget *modal) {
        version = modal->findChild<QLabel *>(QStringLiteral("Version"))->text();
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("版本说明"));
        EXPECT_EQ(modal->size(), QSize(352, 310));
        auto *link = modal->findChild<QLabel *>(QStringLiteral("Label_web"));
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(link, &release);
    });
    window().N_aboutClick();
    EXPECT_EQ(version, QStringLiteral("版本：V1.0"));
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened.front(), QUrl(QString::fromUtf8(app::kPublisherAddress)));
    EXPECT_EQ(find<QComboBox>("URLs")->itemText(0), QString::fromUtf8(app::kPublisherAddress));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace holvane::test
