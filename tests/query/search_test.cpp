#include "query/tfrm_find.h"
#include "query/tfrm_search.h"
#include "tablepagefixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace holvane::test {
namespace {

using store::FieldType;
using store::Value;

class SearchTest : public TablePageFixture {
protected:
    void SetUp() override
    {
        addTable("search",
            { { "名称", FieldType::Text, 10 }, { "直径", FieldType::Float, 0 }, { "长度", FieldType::Float, 0 } },
            { { "甲", 12.5, 2.5 }, { "乙", 3.0, 22.5 }, { "丙", Value(), 7.0 } });
        openTable(QStringLiteral("search"), 1);
        find<QToolButton>("ToolButton13")->defaultAction()->trigger();
        search = topLevel<QWidget>("frm_search");
        ASSERT_TRUE(search);
    }
    void press(const char *button, const QString &text)
    {
        search->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(text);
        search->findChild<QPushButton *>(QString::fromLatin1(button))->click();
    }
    std::pair<int, int> cell() { return { grid()->currentIndex().row(), grid()->currentIndex().column() }; }

    QWidget *search = nullptr;
};

TEST_F(SearchTest, FindsNumbersByTheirTextThenNextGoesOnAlongTheRowAndDown)
{
    press("Button1", QStringLiteral(" 2.5 "));
    EXPECT_EQ(cell(), std::make_pair(0, 1)) << "12.5 holds 2.5";
    EXPECT_EQ(page()->Table3().recNo(), 0);
    EXPECT_EQ(context().query.searchPosition, 1);
    press("Button2", QStringLiteral("2.5"));
    EXPECT_EQ(cell(), std::make_pair(0, 2));
    press("Button2", QStringLiteral("2.5"));
    EXPECT_EQ(cell(), std::make_pair(1, 2));
    EXPECT_EQ(page()->Table3().recNo(), 1);
    press("Button2", QStringLiteral("2.5"));
    EXPECT_TRUE(messageTexts().empty()) << "the end of the table is silent";
}

TEST_F(SearchTest, NothingFoundAndAnEmptyTextSayNoResult)
{
    press("Button1", QStringLiteral("不存在"));
    press("Button1", QStringLiteral("   "));
    EXPECT_EQ(
        messageTexts(), (std::vector<QString> { QStringLiteral("没有搜索结果"), QStringLiteral("没有搜索结果") }));
}

TEST_F(SearchTest, TheSearchPositionIsSharedByEverySearchDialog)
{
    press("Button1", QStringLiteral("乙"));
    EXPECT_EQ(context().query.searchPosition, 0);
    auto *second = new query::Tfrm_search(context(), &window());
    second->show();
    second->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("2"));
    second->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
    EXPECT_EQ(cell(), std::make_pair(1, 2)) << "goes on after the column the first dialog found";
}

TEST_F(SearchTest, TheQueryDialogListsTheFieldsOnlyOnTheTablePage)
{
    find<QToolButton>("ToolButton8")->defaultAction()->trigger();
    auto *onPage = topLevel<QWidget>("frm_find");
    auto *fields = onPage->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    ASSERT_EQ(fields->count(), 3);
    EXPECT_EQ(fields->itemText(1), QStringLiteral("直径"));
    EXPECT_EQ(onPage->findChild<QComboBox *>(QStringLiteral("ComboBox2"))->currentText(), QStringLiteral("="));

    window().ShowPage(0); // the cover
    auto *elsewhere = new query::Tfrm_find(context(), &window());
    elsewhere->show();
    EXPECT_EQ(elsewhere->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->count(), 0);
    auto *run = elsewhere->findChild<QPushButton *>(QStringLiteral("BitBtn1"));
    run->click();
    elsewhere->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setEditText(QStringLiteral("直径"));
    run->click();
    elsewhere->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("3"));
    run->click();
    EXPECT_EQ(
        messageTexts(), (std::vector<QString> { QStringLiteral("请选择查询项目"), QStringLiteral("请输入查询条件") }));
}

TEST_F(SearchTest, TheFilterReadsTheQueryDialogOpenedLast)
{
    find<QToolButton>("ToolButton8")->defaultAction()->trigger();
    auto *first = topLevel<QWidget>("frm_find");
    first->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setCurrentIndex(1);
    first->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("3"));
    auto *second = new query::Tfrm_find(context(), &window());
    second->show();
    // The second dialog's empty boxes are the condition now.
    first->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    EXPECT_EQ(messageTexts(), (std::vector<QString> { QStringLiteral("请选择查询项目") }));
    EXPECT_EQ(gridRows(), 3);
}

} // namespace
} // namespace holvane::test
