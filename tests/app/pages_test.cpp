#include "app/pagecode.h"
#include "app/pageframe.h"
#include "app/placeholderwindow.h"
#include "appfixture.h"
#include "store/scramble.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

namespace fs = std::filesystem;

class Pages : public AppFixture {
protected:
    bool visible(const char *name) { return find<QWidget>(name)->isVisible(); }
    bool enabled(const char *button) { return find<QToolButton>(button)->defaultAction()->isEnabled(); }
    QWidget *embedded() { return window().calculatorWindow(); }
    int childWindowsOfPPrg()
    {
        int n = 0;
        for (QWidget *w : find<QWidget>("PPrg")->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            n += w->isVisible() ? 1 : 0;
        return n;
    }
};

// A frame that counts its loads and can be told to fail.
class ProbeFrame : public app::PageFrame {
public:
    ProbeFrame(app::AppContext &context, QWidget *host, bool fail) : PageFrame(host), m_ctx(context), m_fail(fail) {}
    void loadPage() override
    {
        loadedKey = m_ctx.page.ContentKey;
        loadedType = m_ctx.page.PageType;
        if (m_fail)
            throw std::runtime_error("表格页无法打开");
    }
    void closeTables() override { ++closed; }
    QString loadedKey;
    int loadedType = -1;
    int closed = 0;

private:
    app::AppContext &m_ctx;
    bool m_fail;
};

TEST_F(Pages, PaneLayoutFollowsMemoAndPicture)
{
    window().resize(1024, 738);
    struct Case {
        int cid;
        bool memo, picture;
    } cases[] = {
        {21, true, true},    // memo and picture: side by side
        {211, false, false}, // neither: the page fills the content area
        {23, false, true},   // picture only
        {1, true, false},    // memo only (the cover node)
    };
    for (const Case &c : cases) {
        selectNode(c.cid);
        SCOPED_TRACE(c.cid);
        EXPECT_EQ(visible("Pan_fz"), c.memo);
        EXPECT_EQ(visible("Pan_pic"), c.picture);
        EXPECT_EQ(visible("Splitter3"), c.memo || c.picture);
        const int pageHeight = find<QWidget>("Pan_M")->height();
        if (c.memo || c.picture) {
            EXPECT_EQ(pageHeight, 400);
        } else {
            EXPECT_EQ(pageHeight, find<QWidget>("Splitter2")->height());
        }
        if (c.memo && c.picture) {
            EXPECT_NEAR(find<QWidget>("Pan_fz")->width(), find<QWidget>("Pan_M")->width() / 2, 4);
        }
    }
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Pages, TextPageIsRestoredIntoTheTextFolderAndShown)
{
    fs::create_directories(appDir / "txt" / "old");
    writeFile(appDir / "txt" / "stale.htm", "old page");
    selectNode(21);
    EXPECT_FALSE(fs::exists(appDir / "txt" / "stale.htm"));
    EXPECT_FALSE(fs::exists(appDir / "txt" / "old"));
    EXPECT_TRUE(fs::exists(appDir / "txt" / "gaishu.htm"));
    EXPECT_TRUE(fs::exists(appDir / "txt" / "gaishu.dat"));
    EXPECT_EQ(context().page.ContentKey.toStdString(), (appDir / "txt" / "gaishu.htm").u8string());
    auto *browser = find<QTextBrowser>("WebBrowser1");
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("夹具由定位元件")));
    // The next text page replaces the folder's content.
    selectNode(211);
    EXPECT_FALSE(fs::exists(appDir / "txt" / "gaishu.htm"));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("定位元件")));
}

TEST_F(Pages, PicturePageAndPicturePaneShowTheDescrambledPictures)
{
    selectNode(23);
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Pic_show"));
    EXPECT_EQ(context().page.ContentKey.toStdString(), (appDir / "curve" / "qx.bmp").u8string());
    const QPixmap page = find<QLabel>("Img_show")->pixmap();
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.size(), QImage(QString::fromStdString((appDir / "curve" / "qx.bmp").u8string())).size());
    EXPECT_FALSE(find<QLabel>("Image1")->pixmap().isNull());
    EXPECT_TRUE(fs::exists(appDir / "img" / "futu.bmp"));
    EXPECT_TRUE(fs::exists(appDir / "curve" / "quxian.bmp"));
    EXPECT_EQ(find<QLabel>("Label3")->toolTip(), QStringLiteral("双击放大图形"));
}

TEST_F(Pages, AMissingPictureMemberShowsThePictureFetchedLast)
{
    selectNode(21); // fetches zucheng into the placeholder
    const std::string zucheng = readFile(appDir / "img" / "ft.bmp");
    setNodeField(23, "Cimage", "nosuch");
    refreshCatalogue();
    selectNode(23);
    EXPECT_TRUE(readFile(appDir / "img" / "ft.bmp") == zucheng);
    EXPECT_TRUE(fs::exists(appDir / "img" / "futu.bmp"));
    EXPECT_FALSE(fs::exists(appDir / "img" / "nosuch.bmp"));
    // Nothing but the placeholder and the output is left in the folder.
    int entries = 0;
    for ([[maybe_unused]] const auto &e : fs::directory_iterator(appDir / "img"))
        ++entries;
    EXPECT_EQ(entries, 2);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Pages, KeysWithAPathAreRefusedBeforeAnyFileIsTouched)
{
    setNodeField(21, "Cimage", "");
    const std::string placeholder = readFile(appDir / "img" / "futu.bmp");
    for (const char *key : {"../database/VTree", "a/b", "..", "x\\y"}) {
        SCOPED_TRACE(key);
        setNodeField(23, "Cimage", key);
        setNodeField(21, "Ctable", key);
        refreshCatalogue();
        for (int cid : {23, 21}) {
            messages.clear();
            selectNode(cid);
            window().m_treeDblClick();
            ASSERT_FALSE(messages.messages().empty());
            EXPECT_TRUE(find<QTabWidget>("PageControl")->isEnabled());
        }
        EXPECT_TRUE(readFile(appDir / "img" / "futu.bmp") == placeholder);
        EXPECT_TRUE(fs::exists(appDir / "database" / "VTree.DB"));
    }
}

TEST_F(Pages, CodeSevenChangesTitleAndPanesButKeepsThePage)
{
    selectNode(21);
    selectNode(38);
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Txt_show"));
    EXPECT_EQ(find<QLabel>("Lbl_title")->text(), QStringLiteral("2.8 不显示页面的节点"));
    EXPECT_FALSE(visible("Pan_pic"));
    EXPECT_EQ(historyIds(), (std::vector<long long>{21, 38}));
}

TEST_F(Pages, TablePageWithoutKeyEnablesTheQueriesAndKeepsThePage)
{
    setNodeField(31, "Ctable", "");
    EXPECT_FALSE(enabled("ToolButton8"));
    selectNode(21);
    selectNode(31);
    EXPECT_TRUE(enabled("ToolButton8"));
    EXPECT_TRUE(enabled("ToolButton13"));
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Txt_show"));
    selectNode(21);
    EXPECT_FALSE(enabled("ToolButton8"));
}

TEST_F(Pages, RegisteredFramesAreRebuiltForEveryPageOfTheirKind)
{
    std::vector<ProbeFrame *> built;
    context().pages().registerFrame(app::pagecode::Table, [&](app::AppContext &ctx, QWidget *host) {
        built.push_back(new ProbeFrame(ctx, host, false));
        return built.back();
    });
    selectNode(31);
    ASSERT_EQ(built.size(), 1u);
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Pic_Dbgrid"));
    EXPECT_EQ(built[0]->loadedKey, QStringLiteral("dingweixiao"));
    EXPECT_EQ(built[0]->loadedType, 211);
    EXPECT_EQ(context().page.NodeOrder, 2);
    EXPECT_EQ(built[0]->parentWidget(), find<QWidget>("Pan_tbl"));
    QPointer<ProbeFrame> first = built[0];
    selectNode(21);
    EXPECT_EQ(first->closed, 1);
    window().m_treeDblClick();
    EXPECT_EQ(first->closed, 2);
    selectNode(31);
    EXPECT_TRUE(first.isNull());
    ASSERT_EQ(built.size(), 2u);
    EXPECT_EQ(window().tableFrame(), built[1]);
}

TEST_F(Pages, AFailingFrameLeavesTheWindowUsable)
{
    bool fail = true;
    context().pages().registerFrame(app::pagecode::Table, [&](app::AppContext &ctx, QWidget *host) {
        return new ProbeFrame(ctx, host, fail);
    });
    selectNode(31);
    ASSERT_EQ(messages.texts(), (std::vector<QString>{QStringLiteral("表格页无法打开")}));
    EXPECT_TRUE(find<QTabWidget>("PageControl")->isEnabled());
    EXPECT_TRUE(window().FrameGuard);
    EXPECT_EQ(context().page.PageType, app::PageContext::kPageTypeIdle);
    EXPECT_EQ(historyIds(), std::vector<long long>{});
    fail = false;
    window().m_treeDblClick();
    EXPECT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(historyIds(), (std::vector<long long>{31}));
}

TEST_F(Pages, AMissingArchiveIsReportedAndTheNextPageOpens)
{
    fs::remove(appDir / "bkdata" / "myhtm.dat");
    selectNode(21);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].text.contains(QStringLiteral("myhtm.dat")));
    EXPECT_TRUE(find<QTabWidget>("PageControl")->isEnabled());
    EXPECT_EQ(context().page.PageType, app::PageContext::kPageTypeIdle);
    selectNode(23);
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Pic_show"));
    EXPECT_EQ(messages.messages().size(), 1u);
}

TEST_F(Pages, CalculatorIsCreatedAnewInsideThePageArea)
{
    EXPECT_FALSE(enabled("ToolButton14"));
    selectNode(41);
    EXPECT_EQ(window().currentPageName(), QStringLiteral("showprg"));
    EXPECT_EQ(window().CalcState, 21);
    QPointer<QWidget> first = embedded();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->objectName(), QStringLiteral("TF_Jiajinli"));
    EXPECT_EQ(first->parentWidget(), find<QWidget>("PPrg"));
    EXPECT_TRUE(enabled("ToolButton14"));
    EXPECT_TRUE(window().findChild<QAction *>(QStringLiteral("N18"))->isEnabled());
    EXPECT_EQ(window().CalcTitle, QStringLiteral("典型夹紧力计算"));
    EXPECT_TRUE(window().isEnabled());

    // Other pages leave it in place; "返回计算" shows it again.
    selectNode(21);
    EXPECT_TRUE(first);
    find<QToolButton>("ToolButton14")->click();
    EXPECT_EQ(window().currentPageName(), QStringLiteral("showprg"));
    EXPECT_EQ(find<QLabel>("Lbl_title")->text(), QStringLiteral("典型夹紧力计算"));
    EXPECT_FALSE(visible("Pan_fz"));
    EXPECT_FALSE(visible("Pan_pic"));

    // The same calculator again is a fresh window; the old one goes.
    selectNode(41);
    window().m_treeDblClick();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_TRUE(embedded());
    EXPECT_EQ(childWindowsOfPPrg(), 1);
}

TEST_F(Pages, ACalculatorClosedByItsOwnButtonIsNeverTouchedAgain)
{
    selectNode(41);
    QPointer<QWidget> calculator = embedded();
    ASSERT_TRUE(calculator);
    calculator->findChild<QPushButton *>(QStringLiteral("BitBtn_close"))->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(calculator.isNull());
    EXPECT_EQ(window().CalcState, 0);
    selectNode(21);
    find<QToolButton>("ToolButton14")->click();
    EXPECT_EQ(window().currentPageName(), QStringLiteral("showprg"));
    EXPECT_EQ(childWindowsOfPPrg(), 0);
    selectNode(41);
    EXPECT_EQ(window().CalcState, 21);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Pages, UnknownCalculatorKeyLeavesAnEmptyCalculatorPage)
{
    selectNode(41);
    setNodeField(41, "Ctable", "没有这个计算");
    refreshCatalogue();
    window().m_treeDblClick();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window().currentPageName(), QStringLiteral("showprg"));
    EXPECT_EQ(window().CalcState, 0);
    EXPECT_EQ(embedded(), nullptr);
    EXPECT_EQ(childWindowsOfPPrg(), 0);
    EXPECT_TRUE(enabled("ToolButton14"));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Pages, ACalculatorThatFailsToBuildIsReportedInTheMessageWindow)
{
    context().pages().registerCalculator("TF_Jiajinli", [](app::AppContext &, QWidget *) -> QWidget * {
        throw std::runtime_error("表 B1-2-11.DB 打不开");
    });
    selectNode(41);
    EXPECT_EQ(messages.texts(), (std::vector<QString>{QStringLiteral("应用程序有误，请重新启动程序")}));
    EXPECT_TRUE(window().isEnabled());
    EXPECT_EQ(window().CalcState, 0);
    EXPECT_TRUE(enabled("ToolButton14"));
}

TEST_F(Pages, CalculatorMenuOpensTheCalculatorUnderItsTitle)
{
    selectNode(21);
    window().findChild<QAction *>(QStringLiteral("menu_TVXK_Form"))->trigger();
    EXPECT_EQ(window().CalcState, 15);
    EXPECT_EQ(find<QLabel>("Lbl_title")->text(), QStringLiteral("V形块尺寸的计算"));
    EXPECT_EQ(context().page.ContentKey, QStringLiteral("V形块尺寸计算"));
    EXPECT_FALSE(visible("Pan_fz"));
    EXPECT_FALSE(visible("Pan_pic"));
    EXPECT_EQ(embedded()->objectName(), QStringLiteral("TVXK_Form"));
}

TEST_F(Pages, EngineeringCalculatorOpensAWindowOfItsOwn)
{
    int made = 0;
    context().pages().registerWindow(app::pagecode::EngineeringCalculator, [&](app::AppContext &, QWidget *owner) {
        ++made;
        return new app::PlaceholderWindow(QStringLiteral("jsform"), QStringLiteral("工程计算器"), owner);
    });
    selectNode(42);
    window().m_treeDblClick();
    EXPECT_EQ(made, 2);
    EXPECT_EQ(window().findChildren<app::PlaceholderWindow *>(QStringLiteral("jsform")).size(), 2);
}

TEST_F(Pages, ViewMenuTogglesAndTutorialAndEditShortcuts)
{
    auto *toolbar = window().findChild<QAction *>(QStringLiteral("N_toolbar"));
    toolbar->trigger();
    EXPECT_FALSE(visible("CoolBar1"));
    EXPECT_FALSE(visible("URLs"));
    toolbar->trigger();
    EXPECT_TRUE(visible("URLs"));
    window().findChild<QAction *>(QStringLiteral("N_navigator"))->trigger();
    EXPECT_FALSE(visible("PageControl"));

    find<QToolButton>("ToolButton12")->click();
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened[0].toLocalFile().toStdString(), (appDir / "help" / fs::u8path("帮助文档.html")).u8string());
    EXPECT_TRUE(fs::exists(appDir / "help" / fs::u8path("帮助文档.html")));

    window().activateWindow();
    auto *edit = find<QLineEdit>("s_Index");
    window().findChild<QTabWidget *>(QStringLiteral("PageControl"))->setVisible(true);
    window().findChild<QTabWidget *>(QStringLiteral("PageControl"))->setCurrentIndex(1);
    edit->setText(QStringLiteral("夹紧力"));
    edit->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    window().findChild<QAction *>(QStringLiteral("Edit_selectAll"))->trigger();
    EXPECT_EQ(edit->selectedText(), QStringLiteral("夹紧力"));
}

} // namespace
} // namespace holvane::test
