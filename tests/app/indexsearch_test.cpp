#include "app/data/dbmemo.h"
#include "app/indexquery.h"
#include "appfixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

class IndexSearch : public AppFixture {
protected:
    QStringList listed(const char *grid)
    {
        QAbstractItemModel *model = find<QTableView>(grid)->model();
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 0).data().toString();
        return names;
    }
    QString currentIndexName() { return QString::fromStdString(window().Q_tree().text("CName")); }
    void typeIndex(const QString &text) { find<QLineEdit>("s_Index")->setText(text); }
    QStringList search(const QString &keyword)
    {
        find<QLineEdit>("E_search")->setText(keyword);
        return listed("DBGrid3");
    }
    void clickRow(const char *tab, const char *grid, int row)
    {
        find<QTabWidget>("PageControl")->setCurrentWidget(find<QWidget>(tab));
        auto *view = find<QTableView>(grid);
        QApplication::processEvents();
        QTest::mouseClick(
            view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
    }
    QString memo() { return find<app::DbMemo>("DBMemo1")->toPlainText(); }
};

TEST_F(IndexSearch, TheIndexListsThePagesInGbkOrderWithoutChapterHeadings)
{
    // 安 sorts before 典 in GBK (pinyin) order, after it in code-point order.
    setNodeField(42, "CName", "安全系数计算");
    const QStringList names = listed("DBGrid2");
    EXPECT_EQ(names.size(), 15);
    EXPECT_EQ(names.front(), QStringLiteral("1.1 夹具的组成"));
    EXPECT_FALSE(names.contains(QStringLiteral("第一章 机床夹具概述")));
    const QStringList chinese = names.mid(names.indexOf(QStringLiteral("安全系数计算")));
    EXPECT_EQ(chinese,
        (QStringList { QStringLiteral("安全系数计算"), QStringLiteral("典型夹紧力计算"), QStringLiteral("封面") }));
    EXPECT_LT(app::indexOrderKey("安"), app::indexOrderKey("典"));
}

TEST_F(IndexSearch, TypingMovesToTheFirstNameThatBeginsWithTheText)
{
    window();
    typeIndex(QStringLiteral("2."));
    EXPECT_EQ(currentIndexName(), QStringLiteral("2.1 定位销尺寸"));
    typeIndex(QStringLiteral(" 2.3 "));
    EXPECT_EQ(currentIndexName(), QStringLiteral("2.3 标准元件（名称、附图、描述）"));
    EXPECT_EQ(find<QTableView>("DBGrid2")->currentIndex().data().toString(), currentIndexName());
    // No name begins with these: the selection stays.
    for (const char *text : { "9", "第一章", "2.3 标准元件X" }) {
        typeIndex(QString::fromUtf8(text));
        EXPECT_EQ(currentIndexName(), QStringLiteral("2.3 标准元件（名称、附图、描述）")) << text;
    }
    typeIndex(QStringLiteral("典"));
    EXPECT_EQ(currentIndexName(), QStringLiteral("典型夹紧力计算"));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(IndexSearch, KeywordsMatchLiterallyQuotesAndWildcardsIncluded)
{
    setNodeField(22, "CName", "1.2 夹紧力'曲线");
    setNodeField(23, "CName", "1.3 定位_简图 50%");
    struct Case {
        const char *keyword;
        QStringList found;
    };
    const Case cases[] = {
        { "夹具", { QStringLiteral("1.1 夹具的组成") } },
        { "'", { QStringLiteral("1.2 夹紧力'曲线") } },
        { "力'曲", { QStringLiteral("1.2 夹紧力'曲线") } },
        { "%", { QStringLiteral("1.3 定位_简图 50%") } },
        { "_", { QStringLiteral("1.3 定位_简图 50%") } },
        { "1._", {} },
        { "第一章", {} },
        { "' or 1=1 --", {} },
    };
    for (const Case &c : cases)
        EXPECT_EQ(search(QString::fromUtf8(c.keyword)), c.found) << c.keyword;
    // An empty keyword lists every page.
    EXPECT_EQ(search(QStringLiteral("  ")).size(), 15);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(IndexSearch, ClickingARowOpensThePageAndAddsItToTheHistoryEveryTime)
{
    window();
    typeIndex(QStringLiteral("1.1 夹具"));
    const int row = find<QTableView>("DBGrid2")->currentIndex().row();
    clickRow("Ts_index", "DBGrid2", row);
    clickRow("Ts_index", "DBGrid2", row);
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Txt_show"));
    EXPECT_EQ(context().page.Title, QStringLiteral("1.1 夹具的组成"));
    EXPECT_EQ(historyIds(), (std::vector<long long> { 21, 21 }));

    search(QStringLiteral("定位销"));
    clickRow("Ts_search", "DBGrid3", 0);
    EXPECT_EQ(context().page.Title, QStringLiteral("2.1 定位销尺寸"));
    EXPECT_EQ(context().page.NodeOrder, 2);
    EXPECT_EQ(historyIds(), (std::vector<long long> { 21, 21, 31 }));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(IndexSearch, TheMemoPaneFollowsTheActiveTab)
{
    window();
    auto *tabs = find<QTabWidget>("PageControl");
    tabs->setCurrentWidget(find<QWidget>("Ts_search"));
    EXPECT_TRUE(memo().isEmpty());
    tabs->setCurrentWidget(find<QWidget>("Ts_index"));
    typeIndex(QStringLiteral("1.1 夹具"));
    EXPECT_TRUE(memo().startsWith(QStringLiteral("夹具由定位元件")));
    tabs->setCurrentWidget(find<QWidget>("Ts_search"));
    search(QStringLiteral("封面"));
    EXPECT_EQ(memo(), QStringLiteral("机床夹具设计手册测试内容"));
}

} // namespace
} // namespace holvane::test
