#include "app/data/dbmemo.h"
#include "appfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

namespace fs = std::filesystem;

class Navigation : public AppFixture {
protected:
    void back() { find<QToolButton>("ForwardBtn")->click(); } // "上一页"
    void forward() { find<QToolButton>("BackBtn")->click(); } // "下一页"
    QString title() { return find<QLabel>("Lbl_title")->text(); }
    QString memo() { return find<app::DbMemo>("DBMemo1")->toPlainText(); }
    QStringList addressList()
    {
        auto *box = find<QComboBox>("URLs");
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }
    QString addressBox() { return find<QComboBox>("URLs")->currentText(); }
    QString statusLine() { return find<QLabel>("StatusPanel")->text(); }
    QString pageText() { return find<QTextBrowser>("WebBrowser1")->toPlainText(); }
    // A local page of our own outside the handbook.
    QString localPage(const char *name, const char *body)
    {
        const fs::path file = temp / name;
        writeFile(file, std::string("<html><body><p>") + body + "</p></body></html>");
        return QString::fromStdString(file.u8string());
    }
};

TEST_F(Navigation, StepsBackAndForthThroughThePagesSeen)
{
    selectNode(21);
    selectNode(22);
    selectNode(23);
    back();
    EXPECT_EQ(title(), QStringLiteral("1.2 夹紧力曲线"));
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Cuver_show"));
    back();
    EXPECT_EQ(title(), QStringLiteral("1.1 夹具的组成"));
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Txt_show"));
    back();
    EXPECT_EQ(title(), QStringLiteral("1.1 夹具的组成"));
    forward();
    EXPECT_EQ(title(), QStringLiteral("1.2 夹紧力曲线"));
    // Stepping changes nothing in the history; the next page opened is added
    // after the last one.
    EXPECT_EQ(historyIds(), (std::vector<long long> { 21, 22, 23 }));
    selectNode(211);
    EXPECT_EQ(historyIds(), (std::vector<long long> { 21, 22, 23, 211 }));
    back();
    EXPECT_EQ(title(), QStringLiteral("1.3 定位简图"));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Navigation, NextPageFirstStartsFromTheOldestEntry)
{
    selectNode(21);
    selectNode(22);
    selectNode(23);
    forward();
    EXPECT_EQ(title(), QStringLiteral("1.2 夹紧力曲线"));
    forward();
    EXPECT_EQ(title(), QStringLiteral("1.3 定位简图"));
    forward();
    EXPECT_EQ(title(), QStringLiteral("1.3 定位简图"));
}

TEST_F(Navigation, WithTheHistoryEmptyBothButtonsDoNothing)
{
    window();
    back();
    forward();
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Cover"));
    EXPECT_TRUE(title().isEmpty());
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Navigation, ASteppedToPageHasItsOwnKeyOrderAndMemo)
{
    selectNode(31); // key order 2, no memo
    selectNode(21); // no key order, a memo
    selectNode(22); // neither
    back();
    EXPECT_EQ(context().page.NodeOrder, 0);
    EXPECT_TRUE(memo().startsWith(QStringLiteral("夹具由定位元件")));
    EXPECT_TRUE(find<QWidget>("Pan_fz")->isVisible());
    back();
    EXPECT_EQ(title(), QStringLiteral("2.1 定位销尺寸"));
    EXPECT_EQ(context().page.NodeOrder, 2);
    EXPECT_TRUE(memo().isEmpty());
}

TEST_F(Navigation, TypedAddressesAreListedMostRecentFirstWithoutDuplicates)
{
    const QString a = localPage("a.htm", "第一页");
    const QString b = localPage("b.htm", "第二页");
    window().OpenAddress(a);
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Txt_show"));
    EXPECT_TRUE(pageText().contains(QStringLiteral("第一页")));
    window().OpenAddress(b);
    window().OpenAddress(a);
    EXPECT_EQ(addressList(), (QStringList { a, b }));
    EXPECT_EQ(addressBox(), a);
    EXPECT_EQ(statusLine(), a);
    EXPECT_FALSE(find<QWidget>("Pan_fz")->isVisible());
    EXPECT_FALSE(find<QWidget>("Pan_pic")->isVisible());

    // A text page of the catalogue shows its address but is not listed.
    selectNode(21);
    EXPECT_TRUE(addressBox().endsWith(QStringLiteral(".htm")));
    EXPECT_NE(addressBox(), a);
    EXPECT_EQ(statusLine(), addressBox());
    EXPECT_EQ(addressList(), (QStringList { a, b }));
}

TEST_F(Navigation, EnterInTheAddressBoxOpensTheAddress)
{
    const QString a = localPage("a.htm", "第一页");
    auto *edit = find<QComboBox>("URLs")->lineEdit();
    edit->setText(a);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(pageText().contains(QStringLiteral("第一页")));
    EXPECT_EQ(addressList(), (QStringList { a }));
}

TEST_F(Navigation, AWebAddressGoesToTheDesktopsBrowserAndIsListed)
{
    window().OpenAddress(QStringLiteral("https://www.holvane.example.org/handbook/"));
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened.front(), QUrl(QStringLiteral("https://www.holvane.example.org/handbook/")));
    EXPECT_EQ(addressList(), (QStringList { QStringLiteral("https://www.holvane.example.org/handbook/") }));
    EXPECT_TRUE(pageText().contains(QStringLiteral("已在浏览器中打开")));

    desktop.opened.clear();
    find<QToolButton>("ToolButton10")->click(); // "手册在线"
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(addressList().size(), 1);
}

TEST_F(Navigation, AnAddressTheTextPageCannotShowGetsAnErrorPageNamingIt)
{
    const QString missing = QString::fromStdString((temp / "missing.htm").u8string());
    for (const QString &address : { missing, QStringLiteral("www.holvane.example.org"),
             QStringLiteral("ftp://files.example.org/a.htm"), QStringLiteral("http://") }) {
        SCOPED_TRACE(address.toStdString());
        window().OpenAddress(address);
        EXPECT_TRUE(pageText().contains(address)) << pageText().toStdString();
        EXPECT_TRUE(pageText().contains(QStringLiteral("无法显示地址")));
        EXPECT_EQ(addressList().front(), address);
        EXPECT_EQ(statusLine(), address);
    }
    EXPECT_TRUE(desktop.opened.isEmpty());
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Navigation, ALinkInsideAPageIsAnnouncedButNotListed)
{
    const QString a = localPage("a.htm", "第一页");
    const QString b = localPage("b.htm", "第二页");
    window().OpenAddress(a);
    find<QTextBrowser>("WebBrowser1")->setSource(QUrl(QStringLiteral("b.htm")));
    EXPECT_TRUE(pageText().contains(QStringLiteral("第二页")));
    EXPECT_EQ(statusLine(), b);
    EXPECT_EQ(addressList(), (QStringList { a }));
}

} // namespace
} // namespace holvane::test
