#include "designfixture.h"

#include "design/calcstage.h"
#include "design/parametergrid.h"
#include "query/tfrm_cxls.h"
#include "store/table.h"

#include <QApplication>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace holvane::test {
namespace {

using Rows = std::vector<std::pair<QString, QString>>;

QString today()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

class Jiajinli : public DesignFixture {
protected:
    void openStage()
    {
        open("TF_Jiajinli");
        click("BitBtn1");
    }
    // Puts a formula and its initial values on item 1 and opens the stage on it.
    void openWith(const std::string &formula, const std::string &initial)
    {
        setItem("B1-2-11.DB", 0, "计算公式", formula, initial);
        openStage();
    }
    std::vector<QString> report() { return memoLines("Memo3"); }
    QString resultLine()
    {
        for (const QString &line : report())
            if (line.startsWith(QStringLiteral("计算结果 = ")))
                return line.mid(7);
        return {};
    }
};

TEST_F(Jiajinli, CreatedOnTheTaskPageWithTheItemButtonDisabled)
{
    open("TF_Jiajinli");
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("典型夹紧力计算"));
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(enabled("SButton1"));
    EXPECT_TRUE(enabled("SButton2"));
    EXPECT_TRUE(enabled("SB_Close"));
    EXPECT_FALSE(frame().StageOpen());
    EXPECT_EQ(part<QLineEdit>("EDTrwh")->text(), QStringLiteral("Rw1-1"));
    EXPECT_EQ(part<QLineEdit>("Edtrwm")->text(), QStringLiteral("典型夹紧力计算"));
    EXPECT_EQ(part<QLineEdit>("EdtSjz")->text(), QStringLiteral("DuDoz"));
    // The column stacks from the top of Image1: item, query, close.
    EXPECT_LT(part<QWidget>("SButton1")->y(), part<QWidget>("SButton2")->y());
    EXPECT_LT(part<QWidget>("SButton2")->y(), part<QWidget>("SB_Close")->y());
    EXPECT_EQ(part<QWidget>("SButton1")->size(), QSize(140, 46));
}

TEST_F(Jiajinli, StagesOpenAndCloseThroughTheStateTable)
{
    openStage();
    EXPECT_EQ(currentPage(), QStringLiteral("W0"));
    EXPECT_TRUE(frame().StageOpen());
    EXPECT_TRUE(enabled("SButton1"));
    EXPECT_FALSE(enabled("SpeedButton7"));

    click("SButton1"); // the item button closes the stage
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(frame().StageOpen());
    EXPECT_FALSE(frame().stagePage("W0")->itemTable().isOpen());
    EXPECT_TRUE(enabled("SButton1"));

    click("SButton1"); // and opens it again
    EXPECT_EQ(currentPage(), QStringLiteral("W0"));
    EXPECT_TRUE(frame().stagePage("W0")->itemTable().isOpen());

    click("SpeedButton1"); // "返回"
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(frame().StageOpen());
    EXPECT_FALSE(frame().stagePage("W0")->itemTable().isOpen());

    click("BitBtn1");
    click("SB_Close");
    EXPECT_FALSE(frame().isVisible());
    EXPECT_FALSE(frame().stagePage("W0")->itemTable().isOpen());
}

TEST_F(Jiajinli, ItemListsFormulaVariablesAndInitialValues)
{
    openStage();
    EXPECT_EQ(rows("StringGrid1"),
        (Rows { { "公式：W=", "K*F/(f1+f2)" }, { "参数:K", "2.5" }, { "参数:F", "2000" }, { "参数:f1", "0.16" },
            { "参数:f2", "0.16" } }));
    EXPECT_EQ(grid("StringGrid1").currentRow(), 1);
    EXPECT_EQ(grid("StringGrid1").currentColumn(), 1);
    EXPECT_FALSE(part<QLabel>("DBImage1")->pixmap().isNull());

    selectItem("DBGridW", 1); // more parameters than the item before
    EXPECT_EQ(rows("StringGrid1"),
        (Rows { { "公式：W=", "(K*F-G*f2)/(f1+f2)" }, { "参数:K", "2.5" }, { "参数:F", "2000" }, { "参数:G", "500" },
            { "参数:f2", "0.16" }, { "参数:f1", "0.16" } }));
}

TEST_F(Jiajinli, ComputesAndWritesTheWholeReport)
{
    openStage();
    part<QLineEdit>("EDTrwh")->setText(QStringLiteral("Rw7-2"));
    click("SpeedButton2");
    const std::vector<QString> expected = {
        "设计任务名称：典型夹紧力计算",
        "设计任务编号：Rw7-2",
        "设计者：DuDoz",
        "计算类别：",
        "定位形式：工件放在平面上，切削力平行于支承面",
        "夹紧形式：夹紧力垂直于支承面",
        "公式：W=K*F/(f1+f2)",
        "参数:K = 2.5",
        "参数:F = 2000",
        "参数:f1 = 0.16",
        "参数:f2 = 0.16",
        "计算结果 = 15625",
        "",
        QString(38, QLatin1Char(' ')) + today(),
    };
    EXPECT_EQ(report(), expected);
    EXPECT_TRUE(enabled("SpeedButton7"));
    EXPECT_TRUE(messageTexts().empty());
}

struct FormulaCase {
    const char *name;
    const char *formula;
    const char *initial;
    Rows rows;
    const char *result; // null: no report
    std::vector<const char *> messages; // the messages of "计算"
};

class JiajinliFormula : public Jiajinli, public ::testing::WithParamInterface<FormulaCase> { };

TEST_P(JiajinliFormula, ListsAndComputes)
{
    const FormulaCase &c = GetParam();
    openWith(c.formula, c.initial);
    EXPECT_EQ(rows("StringGrid1"), c.rows);
    messages.clear();
    click("SpeedButton2");
    std::vector<QString> expected;
    for (const char *m : c.messages)
        expected.push_back(QString::fromUtf8(m));
    const auto texts = messageTexts();
    // The evaluator's own message comes first when it fails.
    ASSERT_GE(texts.size(), expected.size());
    EXPECT_EQ(std::vector<QString>(texts.end() - static_cast<long>(expected.size()), texts.end()), expected);
    if (c.result) {
        EXPECT_EQ(resultLine(), QString::fromUtf8(c.result));
        EXPECT_TRUE(enabled("SpeedButton7"));
    } else {
        EXPECT_TRUE(report().empty());
        EXPECT_FALSE(enabled("SpeedButton7"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, JiajinliFormula,
    ::testing::Values(FormulaCase { "NoEqualsSignIsAllRightSide", "K*2", "1.5",
                          { { "公式：", "K*2" }, { "参数:K", "1.5" } }, "3", {} },
        FormulaCase {
            "RepeatedVariableListedOnce", "W=a*a+a", "3", { { "公式：W=", "a*a+a" }, { "参数:a", "3" } }, "12", {} },
        FormulaCase { "CaseMakesTwoParameters", "W=a+A", "1\n10",
            { { "公式：W=", "a+A" }, { "参数:a", "1" }, { "参数:A", "10" } }, "11", {} },
        FormulaCase { "NoVariables", "W=2+3", "", { { "公式：W=", "2+3" } }, nullptr, { "没有参数！" } },
        FormulaCase { "FewerInitialLinesLeaveCellsEmpty", "W=a+b", "1",
            { { "公式：W=", "a+b" }, { "参数:a", "1" }, { "参数:b", "" } }, nullptr, { "请将数据输全！" } },
        FormulaCase {
            "ExtraInitialLinesIgnored", "W=a", "4\n5\n6", { { "公式：W=", "a" }, { "参数:a", "4" } }, "4", {} },
        FormulaCase { "CutPositive", "W=a", "2.71828", { { "公式：W=", "a" }, { "参数:a", "2.71828" } }, "2.718", {} },
        FormulaCase {
            "CutNegative", "W=a", "-2.71828", { { "公式：W=", "a" }, { "参数:a", "-2.71828" } }, "-2.718", {} },
        FormulaCase { "CutToZero", "W=a", "0.0004", { { "公式：W=", "a" }, { "参数:a", "0.0004" } }, "0", {} },
        FormulaCase { "ThousandfoldBeyond64Bits", "W=a*1000000", "100000000000",
            { { "公式：W=", "a*1000000" }, { "参数:a", "100000000000" } }, nullptr, { "请输入数值!" } },
        FormulaCase { "EvaluatorErrorThenCatchAll", "W=a/b", "1\n0",
            { { "公式：W=", "a/b" }, { "参数:a", "1" }, { "参数:b", "0" } }, nullptr, { "请输入数值!" } },
        FormulaCase { "ValueThatIsNoNumber", "W=a", "x", { { "公式：W=", "a" }, { "参数:a", "x" } }, nullptr,
            { "请输入数值!" } }),
    [](const ::testing::TestParamInfo<FormulaCase> &info) { return std::string(info.param.name); });

TEST_F(Jiajinli, EvaluatorErrorShowsTwoMessages)
{
    openWith("W=a/b", "1\n0");
    click("SpeedButton2");
    ASSERT_EQ(messageTexts().size(), 2u);
    EXPECT_NE(messageTexts().front(), QStringLiteral("请输入数值!"));
    EXPECT_EQ(messageTexts().back(), QStringLiteral("请输入数值!"));
}

TEST_F(Jiajinli, FailureKeepsTheEarlierReportAndSave)
{
    openStage();
    click("SpeedButton2");
    const auto before = report();
    setValue("StringGrid1", 2, QStringLiteral("x"));
    click("SpeedButton2");
    EXPECT_EQ(lastMessage(), QStringLiteral("请输入数值!"));
    EXPECT_EQ(report(), before);
    EXPECT_TRUE(enabled("SpeedButton7"));
}

TEST_F(Jiajinli, ItemWithoutFormulaDisablesTheFormulaPicture)
{
    openStage();
    selectItem("DBGridW", 2);
    EXPECT_EQ(lastMessage(), QStringLiteral("没有公式，请看公式说明！"));
    EXPECT_FALSE(enabled("DBImage2"));
    const auto listed = rows("StringGrid1");
    for (size_t row = 1; row < listed.size(); ++row)
        EXPECT_EQ(listed[row], std::make_pair(QString(), QString()));
    selectItem("DBGridW", 0);
    EXPECT_TRUE(enabled("DBImage2"));
}

TEST_F(Jiajinli, SaveAppendsToTheResultHistory)
{
    openStage();
    click("SpeedButton2");
    click("SpeedButton7");
    EXPECT_EQ(lastMessage(), QStringLiteral("结果已保存!"));
    EXPECT_FALSE(enabled("SpeedButton7"));
    const auto saved = savedResults();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0][0], "典型夹紧力计算");
    EXPECT_EQ(saved[0][1], "1");
    EXPECT_EQ(saved[0][2], today().toStdString());
    EXPECT_EQ(QString::fromStdString(saved[0][3]), part<QPlainTextEdit>("Memo3")->toPlainText());

    // A second save of the same report needs a new computation.
    click("SpeedButton7");
    EXPECT_EQ(savedResults().size(), 1u);
    click("SpeedButton2");
    click("SpeedButton7");
    EXPECT_EQ(savedResults().size(), 2u);
}

TEST_F(Jiajinli, SavesThroughTheResultHistoryWindowWhichResultQueryShows)
{
    open("TF_Jiajinli");
    QWidget owner;
    auto *history = new query::Tfrm_cxls(context(), &owner);
    context().windows.resultHistory = history;
    click("BitBtn1");
    click("SpeedButton2");
    click("SpeedButton7");
    EXPECT_EQ(lastMessage(), QStringLiteral("结果已保存!"));
    ASSERT_EQ(savedResults().size(), 1u);
    EXPECT_EQ(savedResults()[0][0], "典型夹紧力计算");
    EXPECT_FALSE(history->isVisible());
    click("SButton2");
    EXPECT_TRUE(history->isVisible());
    history->close();
    frame().close();
}

TEST_F(Jiajinli, ItemMovedAfterComputingSavesTheNewItemWithTheOldReport)
{
    openStage();
    click("SpeedButton2");
    const QString computed = part<QPlainTextEdit>("Memo3")->toPlainText();
    selectItem("DBGridW", 1);
    EXPECT_TRUE(enabled("SpeedButton7"));
    click("SpeedButton7");
    const auto saved = savedResults();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0][1], "2");
    EXPECT_EQ(QString::fromStdString(saved[0][3]), computed);
}

TEST_F(Jiajinli, ClearingTheStageThenSavingStoresAnEmptyReport)
{
    openStage();
    click("SpeedButton2");
    click("SpeedButton6");
    for (int row = 1; row < grid("StringGrid1").rowCount(); ++row)
        EXPECT_TRUE(grid("StringGrid1").cellText(1, row).isEmpty());
    EXPECT_TRUE(report().empty());
    EXPECT_TRUE(enabled("SpeedButton7"));
    click("SpeedButton7");
    ASSERT_EQ(savedResults().size(), 1u);
    EXPECT_EQ(savedResults()[0][3], "");
}

TEST_F(Jiajinli, EscapeEmptiesTheTaskAndEnterConfirms)
{
    open("TF_Jiajinli");
    QTest::keyClick(part<QLineEdit>("Edtrwm"), Qt::Key_Escape);
    EXPECT_TRUE(part<QLineEdit>("EDTrwh")->text().isEmpty());
    EXPECT_TRUE(part<QLineEdit>("Edtrwm")->text().isEmpty());
    EXPECT_TRUE(part<QLineEdit>("EdtSjz")->text().isEmpty());
    part<QLineEdit>("EdtSjz")->setText(QStringLiteral("张工"));
    QTest::keyClick(part<QLineEdit>("EdtSjz"), Qt::Key_Return);
    EXPECT_EQ(currentPage(), QStringLiteral("W0"));
    click("SpeedButton2");
    EXPECT_EQ(report().at(0), QStringLiteral("设计任务名称："));
    EXPECT_EQ(report().at(2), QStringLiteral("设计者：张工"));
}

TEST_F(Jiajinli, PicturesEnlargeWithTheirCaptions)
{
    openStage();
    QTest::mouseClick(part<QWidget>("DBImage1"), Qt::LeftButton);
    auto *form = frame().findChild<QWidget *>(QStringLiteral("TImageForm"));
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("计算简图"));
    const QPixmap sketch = part<QLabel>("DBImage1")->pixmap();
    EXPECT_EQ(form->size(), QSize(sketch.width() + 5, sketch.height() + 25));
    form->hide();

    selectItem("DBGridW", 1); // no sketch: nothing opens
    QTest::mouseClick(part<QWidget>("DBImage1"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    QTest::mouseClick(part<QWidget>("DBImage2"), Qt::LeftButton);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("公式说明"));
}

} // namespace
} // namespace holvane::test
