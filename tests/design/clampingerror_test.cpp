#include "designfixture.h"

#include "design/calcstage.h"
#include "design/parametergrid.h"
#include "store/table.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <cmath>

namespace holvane::test {
namespace {

using Rows = std::vector<std::pair<QString, QString>>;

class Jiajinwucha : public DesignFixture {
protected:
    void openStage()
    {
        open("TF_Jiajinwucha");
        click("BitBtn1");
    }
    double result()
    {
        for (const QString &line : memoLines("Memo3"))
            if (line.startsWith(QStringLiteral("计算结果 = ")))
                return line.mid(7).toDouble();
        return std::nan("");
    }
    QTabWidget *tabs() { return part<QTabWidget>("PageControl1"); }
};

TEST_F(Jiajinwucha, OpensOnTheFirstItemWithItsReferenceTabs)
{
    open("TF_Jiajinwucha");
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("接触变形的计算"));
    EXPECT_EQ(part<QLineEdit>("Edtrwm")->text(), QStringLiteral("接触变形的计算"));
    EXPECT_EQ(part<QAbstractButton>("SButton1")->text(), QStringLiteral("接触变形"));
    click("BitBtn1");
    EXPECT_EQ(currentPage(), QStringLiteral("W0"));
    EXPECT_EQ(rows("StringGrid1"),
        (Rows { { "公式：y=", "c*(W/A)^m" }, { "参数:c", "0.6" }, { "参数:W", "2000" }, { "参数:A", "200" },
            { "参数:m", "0.5" } }));
    auto *items = part<QTableView>("DBGridW");
    EXPECT_EQ(items->model()->columnCount(), 1);
    EXPECT_EQ(items->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("定位夹紧方式"));
    EXPECT_EQ(items->columnWidth(0), 416);

    ASSERT_NE(tabs(), nullptr);
    ASSERT_EQ(tabs()->count(), 3);
    EXPECT_EQ(tabs()->tabText(0), QStringLiteral("固定支承有关计算系数"));
    EXPECT_EQ(tabs()->tabText(1), QStringLiteral("V形块有关计算系数"));
    EXPECT_EQ(tabs()->tabText(2), QStringLiteral("顶尖间计算系数c"));
    EXPECT_EQ(tabs()->currentIndex(), 1);
    for (const char *grid : { "DBGrid1", "DBGrid2", "DBGridEh1" })
        EXPECT_EQ(part<QTableView>(grid)->model()->rowCount(), 1) << grid;
    // Multi-level titles: the group over the column's own title.
    EXPECT_EQ(part<QTableView>("DBGridEh1")->model()->headerData(1, Qt::Horizontal).toString(),
        QStringLiteral("系数c\n左顶尖c1"));
}

// The coefficients are read and typed by hand: a click copies nothing.
TEST_F(Jiajinwucha, ReferenceTablesAreForReading)
{
    openStage();
    const Rows before = rows("StringGrid1");
    auto *vblock = part<QTableView>("DBGrid2");
    QTest::mouseClick(
        vblock->viewport(), Qt::LeftButton, {}, vblock->visualRect(vblock->model()->index(0, 1)).center());
    EXPECT_EQ(rows("StringGrid1"), before);
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(Jiajinwucha, ComputesTheContactDeformation)
{
    openStage();
    click("SpeedButton2");
    EXPECT_NEAR(result(), 0.6 * std::pow(2000.0 / 200.0, 0.5), 0.001);
    const std::vector<QString> report = memoLines("Memo3");
    ASSERT_GE(report.size(), 6u);
    EXPECT_EQ(report[2], QStringLiteral("设计者：DuDoz"));
    EXPECT_EQ(report[3], QStringLiteral("计算类别："));
    EXPECT_EQ(report[4], QStringLiteral("平头支承钉或支承板支承已加工平面"));
    EXPECT_EQ(report[5], QStringLiteral("公式：y=c*(W/A)^m"));

    selectItem("DBGridW", 1);
    click("SpeedButton2");
    EXPECT_NEAR(result(), 4 / std::sin(M_PI / 4), 0.001);
    click("SpeedButton7");
    const auto saved = savedResults();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0][0], "接触变形的计算");
    EXPECT_EQ(saved[0][1], "2");
}

// Unlike the clamping-force window, the message leaves the picture as it is.
TEST_F(Jiajinwucha, ItemWithoutFormulaKeepsThePicture)
{
    openStage();
    selectItem("DBGridW", 2);
    EXPECT_EQ(lastMessage(), QStringLiteral("没有公式，请看公式说明！"));
    EXPECT_TRUE(enabled("DBImage2"));
    const Rows listed = rows("StringGrid1");
    for (size_t row = 1; row < listed.size(); ++row)
        EXPECT_EQ(listed[row], std::make_pair(QString(), QString())) << row;
    messages.clear();
    click("SpeedButton2");
    EXPECT_EQ(lastMessage(), QStringLiteral("没有参数！"));
}

TEST_F(Jiajinwucha, ClosingTheStageClosesItsFourTables)
{
    openStage();
    click("SButton1");
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(frame().StageOpen());
    EXPECT_FALSE(frame().stagePage("W0")->itemTable().isOpen());
    for (const char *grid : { "DBGrid1", "DBGrid2", "DBGridEh1" })
        EXPECT_EQ(part<QTableView>(grid)->model()->rowCount(), 0) << grid;
    click("SButton1");
    EXPECT_EQ(part<QTableView>("DBGrid2")->model()->rowCount(), 1);
    click("SpeedButton1");
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_EQ(part<QTableView>("DBGrid2")->model()->rowCount(), 0);
}

} // namespace
} // namespace holvane::test
