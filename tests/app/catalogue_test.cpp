#include "app/data/treemodel.h"
#include "app/pagecontext.h"
#include "appfixture.h"

#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

class Catalogue : public AppFixture {};

TEST_F(Catalogue, TopLevelIsTheNodesWithoutParentAndBranchesLoadOnExpansion)
{
    app::TreeModel *model = window().treeModel();
    ASSERT_EQ(model->rowCount(), 4);
    EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("封面"));
    EXPECT_EQ(model->index(3, 0).data().toString(), QStringLiteral("第三章 计算"));
    // Expand buttons only where there are children.
    EXPECT_FALSE(model->hasChildren(model->index(0, 0)));
    const QModelIndex chapter1 = model->index(1, 0);
    EXPECT_TRUE(model->hasChildren(chapter1));
    // Children are not read before the node is expanded.
    EXPECT_EQ(model->rowCount(chapter1), 0);
    EXPECT_TRUE(model->canFetchMore(chapter1));
    window().m_treeView()->expand(chapter1);
    EXPECT_EQ(model->rowCount(chapter1), 3);
    EXPECT_EQ(model->index(0, 0, chapter1).data().toString(), QStringLiteral("1.1 夹具的组成"));
    EXPECT_FALSE(model->hasChildren(model->index(1, 0, chapter1)));
}

TEST_F(Catalogue, SelectingAPageNodeShowsItAndAddsItToTheHistory)
{
    selectNode(21);
    const app::PageContext &page = context().page;
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Txt_show"));
    EXPECT_EQ(find<QLabel>("Lbl_title")->text(), QStringLiteral("1.1 夹具的组成"));
    EXPECT_EQ(page.Title, QStringLiteral("1.1 夹具的组成"));
    EXPECT_EQ(page.PageType, app::PageContext::kPageTypeIdle);
    EXPECT_TRUE(page.PictureKey.isEmpty());
    EXPECT_EQ(historyIds(), (std::vector<long long>{21}));
    // The selected node expands by itself.
    EXPECT_TRUE(window().m_treeView()->isExpanded(nodeIndex(21)));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(Catalogue, ANodeWithoutPageShowsTheCoverKeepsTheTitleAndIsNotRecorded)
{
    selectNode(21);
    selectNode(3);
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Cover"));
    EXPECT_EQ(context().page.Title, QStringLiteral("1.1 夹具的组成"));
    EXPECT_EQ(historyIds(), (std::vector<long long>{21}));
}

TEST_F(Catalogue, ExpandingANodeThatIsNotSelectedSelectsItAndOpensItsPageOnce)
{
    selectNode(23);
    const QModelIndex chapter1 = nodeIndex(21);
    ASSERT_TRUE(chapter1.isValid());
    window().m_treeView()->collapse(chapter1);
    window().m_treeView()->expand(chapter1);
    QApplication::processEvents();
    EXPECT_EQ(window().m_treeView()->currentIndex(), chapter1);
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Txt_show"));
    EXPECT_EQ(historyIds(), (std::vector<long long>{23, 21}));
    // Expanding the selected node again shows nothing a second time.
    window().m_treeView()->collapse(chapter1);
    window().m_treeView()->expand(chapter1);
    EXPECT_EQ(historyIds(), (std::vector<long long>{23, 21}));
}

TEST_F(Catalogue, DoubleClickShowsThePageAgain)
{
    selectNode(23);
    window().m_treeDblClick();
    EXPECT_EQ(historyIds(), (std::vector<long long>{23, 23}));
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Pic_show"));
}

TEST_F(Catalogue, HistoryKeepsTheTwentyOneMostRecent)
{
    selectNode(23);
    for (int i = 1; i < 25; ++i)
        window().m_treeDblClick();
    selectNode(38);
    const auto ids = historyIds();
    ASSERT_EQ(ids.size(), 21u);
    EXPECT_EQ(ids.back(), 38);
    EXPECT_EQ(ids.front(), 23);
}

TEST_F(Catalogue, AFrameThatIsNoNumberShowsTheErrorAndNothingElse)
{
    setNodeField(23, "CFrame", "六");
    selectNode(21);
    messages.clear();
    selectNode(23);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, QStringLiteral("“六”不是有效的整数值"));
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Txt_show"));
    EXPECT_EQ(historyIds(), (std::vector<long long>{21}));
    EXPECT_TRUE(find<QTabWidget>("PageControl")->isEnabled());
    // The next node opens normally.
    selectNode(211);
    EXPECT_EQ(historyIds(), (std::vector<long long>{21, 211}));
}

TEST_F(Catalogue, HideButtonCollapsesAndExpandsTheWholeBranch)
{
    QTreeView *tree = window().m_treeView();
    const QModelIndex chapter = nodeIndex(2);
    const QModelIndex section = nodeIndex(21);
    tree->expand(section);
    selectNode(2);
    auto *button = find<QToolButton>("TB_hide_ml");
    button->click();
    EXPECT_EQ(button->text(), QStringLiteral("展开目录"));
    EXPECT_FALSE(tree->isExpanded(chapter));
    EXPECT_FALSE(tree->isExpanded(section));
    const auto before = historyIds();
    button->click();
    EXPECT_EQ(button->text(), QStringLiteral("隐藏目录"));
    EXPECT_TRUE(tree->isExpanded(chapter));
    EXPECT_TRUE(tree->isExpanded(section));
    // Expanding the branch opens no pages on the way.
    EXPECT_EQ(historyIds(), before);
    EXPECT_EQ(tree->currentIndex(), chapter);
}

TEST_F(Catalogue, TreeFollowsTheCatalogueTableWhenItMovesElsewhere)
{
    store::Table &tree = window().T_Tree();
    ASSERT_TRUE(tree.locate("CID", "211"));
    QApplication::processEvents();
    EXPECT_EQ(window().m_treeView()->currentIndex().data().toString(), QStringLiteral("1.1.1 定位元件的结构"));
    EXPECT_EQ(context().page.Title, QStringLiteral("1.1.1 定位元件的结构"));
}

} // namespace
} // namespace holvane::test
