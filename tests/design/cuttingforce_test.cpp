#include "designfixture.h"

#include "design/calcstage.h"
#include "design/parametergrid.h"
#include "store/table.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <cmath>

namespace holvane::test {
namespace {

using Rows = std::vector<std::pair<QString, QString>>;

const std::vector<const char *> kItemButtons = { "SButton1", "SpeedButton1", "SpeedButton2" };

class Qiexueli : public DesignFixture {
protected:
    void confirm()
    {
        open("TF_Qiexueli");
        click("BitBtn1");
    }
    int bottom(const char *name) { return part<QWidget>(name)->geometry().bottom() + 1; }
    int top(const char *name) { return part<QWidget>(name)->y(); }
    std::string itemTable(const char *page) { return frame().stagePage(page)->itemTable().tableName(); }
    QString value(const char *grid, const char *label)
    {
        for (const auto &[name, text] : rows(grid))
            if (name == QString::fromUtf8(label))
                return text;
        return {};
    }
    void clickCell(const char *view, int row, int column)
    {
        auto *table = part<QTableView>(view);
        ASSERT_NE(table, nullptr) << view;
        ASSERT_TRUE(table->isVisible()) << view;
        QTest::mouseClick(
            table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(row, column)).center());
    }
    double result(const char *memo)
    {
        for (const QString &line : memoLines(memo))
            if (line.startsWith(QStringLiteral("计算结果 = ")))
                return line.mid(7).toDouble();
        return std::nan("");
    }
};

TEST_F(Qiexueli, ConfirmOnlyEnablesTheItemButtons)
{
    open("TF_Qiexueli");
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("切削力计算"));
    EXPECT_EQ(part<QLabel>("Label1")->text(), QStringLiteral("切 削 力 计 算"));
    EXPECT_EQ(part<QLineEdit>("Edtrwm")->text(), QStringLiteral("切削力计算"));
    click("BitBtn1");
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(frame().StageOpen());
    for (const char *b : kItemButtons)
        EXPECT_TRUE(enabled(b)) << b;
    EXPECT_FALSE(part<QWidget>("FirstPanel")->isVisible());
    EXPECT_FALSE(part<QWidget>("Panel17")->isVisible());
    for (const char *r : { "RadioButton1", "RadioButton4", "RadioButton5", "RadioButton2", "RadioButton6" })
        EXPECT_FALSE(part<QRadioButton>(r)->isChecked()) << r;
    int previous = -1;
    for (const char *b : { "SButton1", "SpeedButton1", "SpeedButton2", "SButton2", "SB_Close" }) {
        EXPECT_GT(top(b), previous) << b;
        previous = top(b);
    }
}

// The table-choice flow: the first opening waits on the task page with the
// radio buttons under the item button; a radio button opens the stage on its
// table; a later opening goes straight to the stage with the same choice.
TEST_F(Qiexueli, TurningRadioButtonsChooseTheItemTable)
{
    confirm();
    click("SButton1");
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_TRUE(frame().StageOpen());
    EXPECT_TRUE(part<QWidget>("FirstPanel")->isVisible());
    EXPECT_FALSE(part<QWidget>("Panel17")->isVisible());
    EXPECT_EQ(top("FirstPanel"), bottom("SButton1"));
    EXPECT_EQ(top("SpeedButton1"), bottom("FirstPanel"));
    EXPECT_EQ(top("SpeedButton2"), bottom("SpeedButton1"));
    EXPECT_FALSE(enabled("SpeedButton1"));
    EXPECT_FALSE(enabled("SpeedButton2"));
    EXPECT_TRUE(enabled("SButton2"));
    EXPECT_TRUE(enabled("SB_Close"));

    click("RadioButton4");
    EXPECT_EQ(currentPage(), QStringLiteral("Fc"));
    EXPECT_EQ(itemTable("Fc"), "B1-2-3Fp.DB");
    EXPECT_EQ(rows("StringGrid1").front(),
        std::make_pair(
            QStringLiteral("公式：Fp="), QStringLiteral("9.81*CFp*ap^xFp*f^yFp*v^nFp*Kmp*Kkrp*Kg0p*Klsp*Krp")));
    EXPECT_EQ(value("StringGrid1", "参数:CFp"), QStringLiteral("199"));

    click("RadioButton5"); // another radio button reopens the stage's table
    EXPECT_EQ(itemTable("Fc"), "B1-2-3Ff.DB");
    EXPECT_EQ(value("StringGrid1", "参数:CFf"), QStringLiteral("294"));
    click("RadioButton4");

    click("SButton1");
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(frame().StageOpen());
    EXPECT_FALSE(part<QWidget>("FirstPanel")->isVisible());
    EXPECT_FALSE(frame().stagePage("Fc")->itemTable().isOpen());
    for (const char *b : kItemButtons)
        EXPECT_TRUE(enabled(b)) << b;

    click("SButton1");
    EXPECT_EQ(currentPage(), QStringLiteral("Fc"));
    EXPECT_TRUE(part<QRadioButton>("RadioButton4")->isChecked());
    EXPECT_EQ(itemTable("Fc"), "B1-2-3Fp.DB");
    EXPECT_EQ(value("StringGrid1", "参数:CFp"), QStringLiteral("199"));

    click("SpeedButton13"); // "返回" runs the item button
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(frame().StageOpen());
    EXPECT_TRUE(enabled("SpeedButton1"));
}

TEST_F(Qiexueli, DrillingPanelStandsUnderItsButton)
{
    confirm();
    click("SpeedButton1");
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(part<QWidget>("FirstPanel")->isVisible());
    EXPECT_TRUE(part<QWidget>("Panel17")->isVisible());
    EXPECT_EQ(top("SpeedButton1"), bottom("SButton1"));
    EXPECT_EQ(top("Panel17"), bottom("SpeedButton1"));
    EXPECT_EQ(top("SpeedButton2"), bottom("Panel17"));
    EXPECT_FALSE(enabled("SButton1"));
    EXPECT_FALSE(enabled("SpeedButton2"));

    click("RadioButton6");
    EXPECT_EQ(currentPage(), QStringLiteral("M"));
    EXPECT_EQ(itemTable("M"), "B1-2-7Ff.DB");
    click("RadioButton2");
    EXPECT_EQ(itemTable("M"), "B1-2-7M.DB");
    EXPECT_EQ(rows("StringGrid2").front().first, QStringLiteral("公式：M="));

    click("SpeedButton14");
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(frame().stagePage("M")->itemTable().isOpen());
    EXPECT_FALSE(part<QWidget>("Panel17")->isVisible());
    for (const char *b : kItemButtons)
        EXPECT_TRUE(enabled(b)) << b;
}

TEST_F(Qiexueli, MillingOpensAtOnceAndLocksTheOtherButtons)
{
    confirm();
    click("SpeedButton2");
    EXPECT_EQ(currentPage(), QStringLiteral("XF"));
    EXPECT_EQ(itemTable("XF"), "B1-2-9F.DB");
    EXPECT_FALSE(enabled("SButton1"));
    EXPECT_FALSE(enabled("SpeedButton1"));
    EXPECT_TRUE(enabled("SpeedButton2"));
    EXPECT_TRUE(enabled("SButton2"));
    EXPECT_TRUE(enabled("SB_Close"));
    EXPECT_FALSE(part<QWidget>("FirstPanel")->isVisible());
    click("SpeedButton12");
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(frame().stagePage("XF")->itemTable().isOpen());
    for (const char *b : kItemButtons)
        EXPECT_TRUE(enabled(b)) << b;
}

struct WorkedExample {
    const char *name;
    const char *itemButton;
    const char *radio; // null: the stage has none
    const char *page;
    const char *grid;
    const char *compute;
    const char *memo;
    double expected; // computed here from the handbook's formula
    std::vector<const char *> category; // every line up to the formula
};

double turning(double c, double x, double y, double n, double kmp, double kkr)
{
    return 9.81 * c * std::pow(3.0, x) * std::pow(0.3, y) * std::pow(100.0, n) * kmp * kkr;
}

void PrintTo(const WorkedExample &example, std::ostream *out)
{
    *out << example.name;
}

class QiexueliExample : public Qiexueli, public ::testing::WithParamInterface<WorkedExample> { };

// Each stage computes its first item with the initial values, and the report
// names the stage, the chosen component and the item.
TEST_P(QiexueliExample, ComputesTheHandbookValue)
{
    const WorkedExample &c = GetParam();
    confirm();
    click(c.itemButton);
    if (c.radio)
        click(c.radio);
    ASSERT_EQ(currentPage(), QString::fromUtf8(c.page));
    click(c.compute);
    EXPECT_TRUE(messageTexts().empty());
    EXPECT_NEAR(result(c.memo), c.expected, 0.001);
    const std::vector<QString> report = memoLines(c.memo);
    ASSERT_GT(report.size(), 3 + c.category.size());
    EXPECT_EQ(report[2], QStringLiteral("设计者：DuDoz"));
    for (size_t i = 0; i < c.category.size(); ++i)
        EXPECT_EQ(report[3 + i], QString::fromUtf8(c.category[i]));
    EXPECT_EQ(report[3 + c.category.size()], rows(c.grid).front().first + rows(c.grid).front().second);
}

INSTANTIATE_TEST_SUITE_P(Stages, QiexueliExample,
    ::testing::Values(WorkedExample { "TurningFc", "SButton1", "RadioButton1", "Fc", "StringGrid1", "SpeedButton3",
                          "Memo2", turning(270, 1.0, 0.75, -0.15, 1.113, 0.92),
                          { "车削切削力计算类别：", "圆周分力Fc", "工件材料：结构钢、铸钢", "刀具材料：硬质合金(YT15)",
                              "加工方式：外圆纵车" } },
        WorkedExample { "TurningFp", "SButton1", "RadioButton4", "Fc", "StringGrid1", "SpeedButton3", "Memo2",
            turning(199, 0.9, 0.6, -0.3, 1.213, 0.62),
            { "车削切削力计算类别：", "径向分力Fp", "工件材料：结构钢、铸钢", "刀具材料：硬质合金(YT15)",
                "加工方式：外圆纵车" } },
        WorkedExample { "TurningFf", "SButton1", "RadioButton5", "Fc", "StringGrid1", "SpeedButton3", "Memo2",
            turning(294, 1.0, 0.5, -0.4, 1.154, 1.13),
            { "车削切削力计算类别：", "轴向分力Ff", "工件材料：结构钢、铸钢", "刀具材料：硬质合金(YT15)",
                "加工方式：外圆纵车" } },
        WorkedExample { "DrillingTorque", "SpeedButton1", "RadioButton2", "M", "StringGrid2", "SpeedButton6", "Memo3",
            9.81 * 0.0311 * 20 * 20 * std::pow(0.3, 0.8),
            { "钻削切削力计算类别：", "切削力矩M", "工件材料：结构钢、铸钢", "刀具材料：高速钢麻花钻",
                "加工方式：钻孔" } },
        WorkedExample { "DrillingThrust", "SpeedButton1", "RadioButton6", "M", "StringGrid2", "SpeedButton6", "Memo3",
            9.81 * 61.2 * 20 * std::pow(0.3, 0.7),
            { "钻削切削力计算类别：", "切削力Ff", "工件材料：结构钢、铸钢", "刀具材料：高速钢麻花钻",
                "加工方式：钻孔" } },
        WorkedExample { "Milling", "SpeedButton2", nullptr, "XF", "StringGrid3", "SpeedButton9", "Memo5",
            7900 * 3 * std::pow(0.15, 0.75) * std::pow(70.0, 1.1) * 6 / (std::pow(100.0, 1.3) * std::pow(400.0, 0.2)),
            { "铣削切削力计算类别：", "工件材料：碳钢", "刀具材料：硬质合金", "铣刀类型：端铣刀" } }),
    [](const ::testing::TestParamInfo<WorkedExample> &info) { return std::string(info.param.name); });

TEST_F(Qiexueli, TurningPickersFillTheirParameters)
{
    confirm();
    click("SButton1");
    click("RadioButton1");
    auto *tabs = qobject_cast<QTabWidget *>(part<QWidget>("DBGridEhKmp")->parentWidget()->parentWidget());
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QStringLiteral("Kmp值"));
    clickCell("DBGridEhKmp", 0, 3);
    EXPECT_EQ(value("StringGrid1", "参数:Kmp"), QStringLiteral("1"));

    // The coefficient table is for reading: a click changes nothing.
    tabs->setCurrentIndex(2);
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("系数Kkrp,Kγ0p,Kλsp,Krp值"));
    const Rows before = rows("StringGrid1");
    clickCell("DBGridEhk", 0, 3);
    clickCell("DBGridEhk", 1, 4);
    EXPECT_EQ(rows("StringGrid1"), before);
    EXPECT_TRUE(messageTexts().empty());

    // The exponent n belongs to the item that computes Kmp.
    selectItem("DBGridFc", 1);
    EXPECT_EQ(rows("StringGrid1"),
        (Rows { { "公式：Kmp=", "(sigb/0.637)^n" }, { "参数:sigb", "0.735" }, { "参数:n", "0.75" } }));
    tabs->setCurrentIndex(1);
    clickCell("DBGridEhn", 0, 3);
    EXPECT_EQ(value("StringGrid1", "参数:n"), QStringLiteral("1.35"));
    click("SpeedButton3");
    EXPECT_NEAR(result("Memo2"), std::pow(0.735 / 0.637, 1.35), 0.001);
}

TEST_F(Qiexueli, DrillingPickerFillsKp)
{
    confirm();
    click("SpeedButton1");
    click("RadioButton2");
    clickCell("DBGridEhKp", 1, 2);
    EXPECT_EQ(value("StringGrid2", "参数:Kp"), QStringLiteral("1.113"));
    click("SpeedButton6");
    EXPECT_NEAR(result("Memo3"), 9.81 * 0.0311 * 400 * std::pow(0.3, 0.8) * 1.113, 0.001);
}

TEST_F(Qiexueli, MillingPickerRefusesAnEmptyCell)
{
    confirm();
    click("SpeedButton2");
    const Rows before = rows("StringGrid3");
    clickCell("DBGridEhXF", 1, 3);
    EXPECT_EQ(messageTexts(), std::vector<QString> { QStringLiteral("没有这类数值!") });
    EXPECT_EQ(rows("StringGrid3"), before);

    clickCell("DBGridEhXF", 0, 3);
    EXPECT_EQ(value("StringGrid3", "参数:Cp"), QStringLiteral("540"));
    EXPECT_EQ(messageTexts().size(), 1u);
}

// The picker scans the whole grid, down to a parameter in the last row.
TEST_F(Qiexueli, MillingPickerReachesTheLastRow)
{
    setItem("B1-2-9F.DB", 0, "计算公式", "F=v1+v2+v3+v4+v5+v6+v7+v8+v9+v10+v11+v12+v13+v14+v15+v16+v17+Cp", "");
    confirm();
    click("SpeedButton2");
    ASSERT_EQ(grid("StringGrid3").rowCount(), 19);
    clickCell("DBGridEhXF", 1, 2);
    const Rows listed = rows("StringGrid3");
    EXPECT_EQ(listed.back(), std::make_pair(QStringLiteral("参数:Cp"), QStringLiteral("650")));
    for (size_t row = 1; row + 1 < listed.size(); ++row)
        EXPECT_TRUE(listed[row].second.isEmpty()) << row;
}

// Each stage keeps its own report and "保存" while the others are used.
TEST_F(Qiexueli, StagesKeepTheirOwnReportsAndSaveThem)
{
    confirm();
    click("SButton1");
    click("RadioButton1");
    click("SpeedButton3");
    const QString turningReport = part<QPlainTextEdit>("Memo2")->toPlainText();
    EXPECT_TRUE(enabled("SpeedButton5"));
    click("SButton1");

    click("SpeedButton2");
    EXPECT_TRUE(memoLines("Memo5").empty());
    EXPECT_FALSE(enabled("SpeedButton11"));
    click("SpeedButton9");
    click("SpeedButton11");
    EXPECT_EQ(lastMessage(), QStringLiteral("结果已保存!"));
    click("SpeedButton2");

    click("SButton1");
    EXPECT_EQ(part<QPlainTextEdit>("Memo2")->toPlainText(), turningReport);
    EXPECT_TRUE(enabled("SpeedButton5"));
    click("SpeedButton5");
    const auto saved = savedResults();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0][0], "切削力计算");
    EXPECT_EQ(saved[0][1], "硬质合金");
    EXPECT_EQ(saved[1][1], "结构钢、铸钢");
    EXPECT_EQ(QString::fromStdString(saved[1][3]), turningReport);
}

TEST_F(Qiexueli, ClosingTheWindowClosesTheOpenStage)
{
    confirm();
    click("SButton1");
    click("RadioButton1");
    ASSERT_TRUE(frame().stagePage("Fc")->itemTable().isOpen());
    click("SB_Close");
    EXPECT_FALSE(frame().isVisible());
    EXPECT_FALSE(frame().stagePage("Fc")->itemTable().isOpen());
    EXPECT_EQ(part<QTableView>("DBGridEhKmp")->model()->rowCount(), 0);
}

} // namespace
} // namespace holvane::test
