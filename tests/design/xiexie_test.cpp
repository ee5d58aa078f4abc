#include "designfixture.h"

#include "design/calcstage.h"
#include "design/parametergrid.h"
#include "store/table.h"

#include <QDate>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

namespace holvane::test {
namespace {

using Rows = std::vector<std::pair<QString, QString>>;

class Xiexie : public DesignFixture {
protected:
    void confirm()
    {
        open("TF_Xiexiejiajin");
        click("BitBtn1");
    }
};

const std::vector<const char *> kItemButtons = { "SpeedButton1", "SButton1", "SpeedButton8" };

TEST_F(Xiexie, ConfirmOnlyEnablesTheItemButtons)
{
    open("TF_Xiexiejiajin");
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("斜楔夹紧机构"));
    for (const char *b : kItemButtons)
        EXPECT_FALSE(enabled(b)) << b;
    click("BitBtn1");
    for (const char *b : kItemButtons)
        EXPECT_TRUE(enabled(b)) << b;
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(frame().StageOpen());
    // The column in its order: the three stages, "结果查询", "关闭".
    int previous = -1;
    for (const char *b : { "SpeedButton1", "SButton1", "SpeedButton8", "SButton2", "SB_Close" }) {
        EXPECT_GT(part<QWidget>(b)->y(), previous) << b;
        previous = part<QWidget>(b)->y();
    }
}

struct StageCase {
    size_t button;
    const char *page;
    const char *grid;
    const char *back;
};

TEST_F(Xiexie, AnOpenStageLocksTheOtherItemButtons)
{
    confirm();
    for (const StageCase &c : { StageCase { 0, "sheji", "StringGrid2", "SpeedButton12" },
             StageCase { 1, "MQ", "StringGrid1", "SpeedButton13" },
             StageCase { 2, "yuandongli", "StringGrid3", "SpeedButton14" } }) {
        SCOPED_TRACE(c.page);
        click(kItemButtons[c.button]);
        EXPECT_EQ(currentPage(), QString::fromUtf8(c.page));
        for (size_t b = 0; b < kItemButtons.size(); ++b)
            EXPECT_EQ(enabled(kItemButtons[b]), b == c.button) << kItemButtons[b];
        EXPECT_TRUE(enabled("SButton2"));
        EXPECT_TRUE(enabled("SB_Close"));
        EXPECT_GT(grid(c.grid).rowCount(), 1);
        // The item button closes the stage, "返回" does the same.
        click(kItemButtons[c.button]);
        EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
        for (const char *b : kItemButtons)
            EXPECT_TRUE(enabled(b));
        click(kItemButtons[c.button]);
        click(c.back);
        EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
        EXPECT_FALSE(frame().StageOpen());
        EXPECT_FALSE(frame().stagePage(c.page)->itemTable().isOpen());
        for (const char *b : kItemButtons)
            EXPECT_TRUE(enabled(b));
    }
}

TEST_F(Xiexie, StagesAreIndependent)
{
    confirm();
    click("SpeedButton1");
    EXPECT_EQ(rows("StringGrid2"),
        (Rows { { "公式：W=", "Q/(tan(phi1)+tan(a+phi2))" }, { "参数:Q", "1000" }, { "参数:phi1", "5.7106" },
            { "参数:a", "6" }, { "参数:phi2", "5.7106" } }));
    setValue("StringGrid2", 1, QStringLiteral("2000"));
    click("SpeedButton12");
    const Rows shejiGrid = rows("StringGrid2");

    click("SButton1");
    click("SpeedButton3");
    EXPECT_FALSE(memoLines("Memo2").empty());
    EXPECT_TRUE(enabled("SpeedButton5"));
    click("SpeedButton13");

    EXPECT_EQ(rows("StringGrid2"), shejiGrid);
    EXPECT_TRUE(memoLines("Memo3").empty());
    EXPECT_FALSE(enabled("SpeedButton7"));
    // The memo and "保存" of a stage survive its closing; its grid is rebuilt.
    click("SButton1");
    EXPECT_FALSE(memoLines("Memo2").empty());
    EXPECT_TRUE(enabled("SpeedButton5"));
    click("SButton1");
    click("SpeedButton1");
    EXPECT_EQ(grid("StringGrid2").cellText(1, 1), QStringLiteral("1000"));
}

TEST_F(Xiexie, ThrustReportCarriesThreeCategoryValueLines)
{
    confirm();
    click("SButton1");
    click("SpeedButton3");
    const std::vector<QString> expected = {
        "设计任务名称：斜楔夹紧机构",
        "设计任务编号：Rw1-1",
        "设计者：DuDoz",
        "计算类别：",
        "单斜楔",
        "两面滑动摩擦",
        "斜楔直线移动",
        "公式：W=Q/(tan(phi1)+tan(a+phi2))",
        "参数:Q = 1000",
        "参数:phi1 = 5.7106",
        "参数:a = 6",
        "参数:phi2 = 5.7106",
        "计算结果 = 3254.327",
        "",
        QString(38, QLatin1Char(' ')) + QDate::currentDate().toString(Qt::ISODate),
    };
    EXPECT_EQ(memoLines("Memo2"), expected);
}

TEST_F(Xiexie, MainParameterAndForceReportsAndTheirSaves)
{
    confirm();
    click("SpeedButton1");
    selectItem("DBGridSheji", 1);
    click("SpeedButton2");
    const auto sheji = memoLines("Memo3");
    ASSERT_GE(sheji.size(), 6u);
    EXPECT_EQ(std::vector<QString>(sheji.begin() + 3, sheji.begin() + 6),
        (std::vector<QString> { "计算参数：", "夹紧行程", "s" }));
    EXPECT_EQ(sheji.at(9), QStringLiteral("计算结果 = 2.102"));
    click("SpeedButton7");
    click("SpeedButton12");

    click("SpeedButton8");
    EXPECT_EQ(part<QPlainTextEdit>("DBMemo1")->toPlainText(), QStringLiteral("Q=W·(tanφ1+tan(α+φ2))"));
    click("SpeedButton9");
    const auto force = memoLines("Memo4");
    ASSERT_GE(force.size(), 5u);
    EXPECT_EQ(force.at(3), QStringLiteral("原动力计算类别："));
    EXPECT_EQ(force.at(4), QStringLiteral("手动斜楔，两面滑动摩擦"));
    EXPECT_EQ(force.at(force.size() - 3), QStringLiteral("计算结果 = 1536.415"));
    click("SpeedButton11");

    const auto saved = savedResults();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0][0], "斜楔夹紧机构");
    EXPECT_EQ(saved[0][1], "夹紧行程");
    EXPECT_EQ(saved[1][1], "手动斜楔，两面滑动摩擦");
}

TEST_F(Xiexie, ThrustStagePicturesEnlargeWithTheirCaptions)
{
    confirm();
    click("SButton1");
    QTest::mouseClick(part<QWidget>("DBImage1"), Qt::LeftButton);
    auto *form = frame().findChild<QWidget *>(QStringLiteral("TImageForm"));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("计算简图"));
}

} // namespace
} // namespace holvane::test
