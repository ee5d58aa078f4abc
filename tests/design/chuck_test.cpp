#include "designfixture.h"

#include "design/parametergrid.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace holvane::test {
namespace {

using Rows = std::vector<std::pair<QString, QString>>;

long double radians(long double degrees)
{
    return degrees * 3.14159265358979323846L / 180;
}

// The value of a report's result line.
double resultOf(const std::vector<QString> &report)
{
    for (const QString &line : report)
        if (line.startsWith(QStringLiteral("计算结果 = ")))
            return line.mid(7).toDouble();
    ADD_FAILURE() << "no result line";
    return 0;
}

// A computed value as the report gives it: three decimals, cut toward zero.
double cut(long double value)
{
    return static_cast<double>(std::trunc(value * 1000) / 1000);
}

class Chuck : public DesignFixture {
protected:
    // Clicks a cell of a reference grid, bringing its tab to the front.
    void pickCell(const char *gridName, int row, int column)
    {
        auto *view = part<QTableView>(gridName);
        ASSERT_NE(view, nullptr) << gridName;
        if (auto *tabs = part<QTabWidget>("PageControl1"))
            if (tabs->indexOf(view) >= 0)
                tabs->setCurrentWidget(view);
        QTest::mouseClick(
            view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, column)).center());
    }
    void openCollet(const char *itemButton)
    {
        open("TF_Tanxingjiatou");
        click("BitBtn1");
        click(itemButton);
    }
    void openChuck()
    {
        open("TF_Tanxingpan");
        click("BitBtn1");
    }
};

TEST_F(Chuck, ColletTaskPageAndItsTwoStageButtons)
{
    open("TF_Tanxingjiatou");
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("弹性夹头"));
    EXPECT_EQ(part<QLabel>("Label1")->text(), QStringLiteral("弹 性 夹 头"));
    EXPECT_EQ(part<QLineEdit>("Edtrwm")->text(), QStringLiteral("弹性夹头"));
    EXPECT_EQ(part<QLineEdit>("EdtSjz")->text(), QStringLiteral("dudoz"));
    EXPECT_EQ(part<QLineEdit>("EDTrwh")->text(), QStringLiteral("Rw1-1"));
    int previous = -1;
    for (const char *b : { "SpeedButton1", "SButton1", "SButton2", "SB_Close" }) {
        EXPECT_GT(part<QWidget>(b)->y(), previous) << b;
        previous = part<QWidget>(b)->y();
    }
    EXPECT_FALSE(enabled("SpeedButton1"));
    EXPECT_FALSE(enabled("SButton1"));
    click("BitBtn1");
    EXPECT_TRUE(enabled("SpeedButton1"));
    EXPECT_TRUE(enabled("SButton1"));
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));

    // One stage open locks the other; its "返回" gives both back.
    click("SButton1");
    EXPECT_EQ(currentPage(), QStringLiteral("MQ"));
    EXPECT_FALSE(enabled("SpeedButton1"));
    click("SpeedButton8");
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_TRUE(enabled("SpeedButton1"));
    click("SpeedButton1");
    EXPECT_EQ(currentPage(), QStringLiteral("W0"));
    EXPECT_FALSE(enabled("SButton1"));
    click("SpeedButton9");
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_TRUE(enabled("SButton1"));
    EXPECT_TRUE(messageTexts().empty());
}

// The axial pull of a pull-type collet, the chain of the reference sheet:
// W = 4472.136 N, W1 = 678.658 N, 2α = 30°, φ1 = φ2 = 8.5308°.
TEST_F(Chuck, ColletAxialForceAgainstAnIndependentValue)
{
    openCollet("SButton1");
    EXPECT_EQ(rows("StringGrid1"),
        (Rows { { "公式：Q=", "(W+W1)*tan(a+phi1)+W*tan(phi2)" }, { "参数:W", "4472.136" }, { "参数:W1", "678.658" },
            { "参数:a", "15" }, { "参数:phi1", "8.5308" }, { "参数:phi2", "8.5308" } }));
    click("SpeedButton3");
    const long double w = 4472.136L, w1 = 678.658L;
    const long double q = (w + w1) * std::tan(radians(15 + 8.5308L)) + w * std::tan(radians(8.5308L));
    EXPECT_NEAR(resultOf(memoLines("Memo2")), cut(q), 1e-9);
    EXPECT_NEAR(resultOf(memoLines("Memo2")), 2913.745, 1e-9);
    const std::vector<QString> report = memoLines("Memo2");
    ASSERT_GE(report.size(), 6u);
    EXPECT_EQ(std::vector<QString>(report.begin() + 3, report.begin() + 5),
        (std::vector<QString> { "夹紧力计算类别：", "拉式夹头：轴向拉力（工件随夹头轴向滑移）" }));
}

TEST_F(Chuck, ColletSectionInertiaAgainstAnIndependentValue)
{
    openCollet("SpeedButton1");
    selectItem("DBGridW0", 3);
    EXPECT_EQ(rows("StringGrid2").size(), 4u);
    click("SpeedButton2");
    const long double r = 13.5L, s = 3, a = radians(55);
    const long double inertia = r * r * r * s * (a + std::sin(a) * std::cos(a) - 2 * std::sin(a) * std::sin(a) / a);
    EXPECT_NEAR(resultOf(memoLines("Memo3")), cut(inertia), 1e-9);
    const std::vector<QString> report = memoLines("Memo3");
    EXPECT_EQ(std::vector<QString>(report.begin() + 3, report.begin() + 5),
        (std::vector<QString> { "尺寸计算类别：", "瓣根截面惯性矩I" }));
}

// Row 2 of the K table is n = 4: the K cell gives K, the n cell gives n.
TEST_F(Chuck, ColletKPickerCopiesTheClickedCellIntoK)
{
    openCollet("SButton1");
    selectItem("DBGridMQ", 2);
    const Rows before = rows("StringGrid1");
    ASSERT_EQ(before.at(1).first, QStringLiteral("参数:K"));
    pickCell("DBGrid2", 2, 1);
    Rows expected = before;
    expected[1].second = QStringLiteral("0.03648");
    EXPECT_EQ(rows("StringGrid1"), expected);
    pickCell("DBGrid2", 2, 0);
    expected[1].second = QStringLiteral("4");
    EXPECT_EQ(rows("StringGrid1"), expected);

    // An item without K is left as it is.
    selectItem("DBGridMQ", 0);
    const Rows pull = rows("StringGrid1");
    pickCell("DBGrid2", 1, 1);
    EXPECT_EQ(rows("StringGrid1"), pull);
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(Chuck, SlotCountPickedAfterComputingIsSavedBelowTheReport)
{
    openCollet("SpeedButton1");
    const Rows grid = rows("StringGrid2");
    click("SpeedButton2");
    const std::vector<QString> report = memoLines("Memo3");
    pickCell("DBGrid1", 0, 1);
    std::vector<QString> expected = report;
    expected.push_back(QStringLiteral("i(槽数)为："));
    expected.push_back(QStringLiteral("3"));
    EXPECT_EQ(memoLines("Memo3"), expected);
    EXPECT_EQ(rows("StringGrid2"), grid);
    click("SpeedButton7");
    const auto saved = savedResults();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0][0], "弹性夹头");
    EXPECT_EQ(saved[0][1], "锥面大端直径D");
    EXPECT_EQ(QString::fromStdString(saved[0][3]).split(QLatin1Char('\n')).mid(0, int(expected.size())),
        QStringList(expected.begin(), expected.end()));
}

TEST_F(Chuck, SlotCountPickedBeforeComputingIsLost)
{
    openCollet("SpeedButton1");
    pickCell("DBGrid1", 1, 1);
    EXPECT_EQ(memoLines("Memo3"), (std::vector<QString> { "i(槽数)为：", "4" }));
    click("SpeedButton2");
    const std::vector<QString> report = memoLines("Memo3");
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.front(), QStringLiteral("设计任务名称：弹性夹头"));
    EXPECT_EQ(report.back(), QString(38, QLatin1Char(' ')) + QDate::currentDate().toString(Qt::ISODate));
    EXPECT_EQ(std::find(report.begin(), report.end(), QStringLiteral("i(槽数)为：")), report.end());
}

TEST_F(Chuck, CoefficientTabsWithK3InFrontAtCreation)
{
    open("TF_Tanxingpan");
    auto *tabs = part<QTabWidget>("PageControl1");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QStringLiteral("系数K3"));
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    EXPECT_EQ(titles, (QStringList { "系数K1", "系数K2", "系数K3", "系数K4" }));
    bool heading = false;
    for (const QLabel *label : frame().findChildren<QLabel *>())
        heading = heading || label->text() == QStringLiteral("系数K表");
    EXPECT_TRUE(heading);
    EXPECT_EQ(part<QLabel>("Label1")->text(), QStringLiteral("弹性薄壁夹盘"));
    EXPECT_EQ(part<QLineEdit>("EdtSjz")->text(), QStringLiteral("DuDoz"));
    click("BitBtn1");
    EXPECT_EQ(currentPage(), QStringLiteral("Sheji"));
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QStringLiteral("系数K3"));
    // K2 and K3 carry two-line titles.
    const QString title = part<QTableView>("DBGridEh2")->model()->headerData(1, Qt::Horizontal).toString();
    EXPECT_TRUE(title.contains(QLatin1Char('\n'))) << title.toStdString();
}

struct TabCase {
    const char *grid;
    int row;
    int column;
    int parameterRow;
    const char *value;
};

// Each coefficient table fills its own row and no other.
TEST_F(Chuck, EachCoefficientTableFillsItsOwnRowOnly)
{
    setItem("B1-3-4.DB", 0, "计算公式", "X=K1+K2+K3+K4", "1\n2\n3\n4");
    openChuck();
    const Rows initial = rows("StringGrid1");
    ASSERT_EQ(initial,
        (Rows { { "公式：X=", "K1+K2+K3+K4" }, { "参数:K1", "1" }, { "参数:K2", "2" }, { "参数:K3", "3" },
            { "参数:K4", "4" } }));
    for (const TabCase &c : { TabCase { "DBGrid1", 4, 1, 1, "0.062" }, TabCase { "DBGridEh1", 4, 2, 2, "0.346" },
             TabCase { "DBGridEh2", 2, 2, 3, "0.13" }, TabCase { "DBGrid4", 2, 2, 4, "0.3855" } }) {
        SCOPED_TRACE(c.grid);
        click("SpeedButton4");
        for (int r = 1; r <= 4; ++r)
            setValue("StringGrid1", r, initial[size_t(r)].second);
        pickCell(c.grid, c.row, c.column);
        Rows expected = initial;
        expected[size_t(c.parameterRow)].second = QString::fromUtf8(c.value);
        EXPECT_EQ(rows("StringGrid1"), expected);
    }
}

TEST_F(Chuck, AFormulaWithoutK1IsUnchangedByTheK1Table)
{
    openChuck();
    selectItem("DBGridSheji", 3);
    const Rows stress = rows("StringGrid1");
    ASSERT_EQ(stress.at(1).first, QStringLiteral("参数:K2"));
    pickCell("DBGrid1", 0, 1);
    EXPECT_EQ(rows("StringGrid1"), stress);
    pickCell("DBGridEh1", 0, 1);
    EXPECT_EQ(grid("StringGrid1").cellText(1, 1), QStringLiteral("0.114"));
}

// The clamping force of the jaws, with K4 picked for r3/r1 = 3 and
// r2/r3 = 0.7, and the whole report with its one category line.
TEST_F(Chuck, ClampingForceFromThePickedK4AndItsReport)
{
    openChuck();
    selectItem("DBGridSheji", 5);
    setValue("StringGrid1", 4, QString());
    pickCell("DBGrid4", 2, 2);
    click("SpeedButton3");
    // By hand: 0.05 × 206000 × 4³ / (2 × 0.3855 × 30²) = 659200 / 693.9 = 949.9928 N.
    const long double force = 0.05L * 206000 * 4 * 4 * 4 / (2 * 0.3855L * 30 * 30);
    EXPECT_NEAR(cut(force), 949.992, 1e-9);
    const std::vector<QString> expected = {
        "设计任务名称：弹性薄壁夹盘",
        "设计任务编号：Rw1-1",
        "设计者：DuDoz",
        "类别：夹紧力（各爪合力）W",
        "公式：W=dlt*E*h^3/(2*K4*H^2)",
        "参数:dlt = 0.05",
        "参数:E = 206000",
        "参数:h = 4",
        "参数:K4 = 0.3855",
        "参数:H = 30",
        QStringLiteral("计算结果 = ") + QString::number(cut(force), 'g', 15),
        "",
        QString(38, QLatin1Char(' ')) + QDate::currentDate().toString(Qt::ISODate),
    };
    EXPECT_EQ(memoLines("Memo2"), expected);
    click("SpeedButton5");
    const auto saved = savedResults();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0][0], "弹性薄壁夹盘");
    EXPECT_EQ(saved[0][1], "6");
}

TEST_F(Chuck, JawOpeningAgainstAnIndependentValue)
{
    openChuck();
    selectItem("DBGridSheji", 1);
    click("SpeedButton3");
    const long double opening = 2 * 0.13L * 3000 * 60 * 30 / (206000.0L * 4 * 4 * 4);
    EXPECT_NEAR(resultOf(memoLines("Memo2")), cut(opening), 1e-9);
}

TEST_F(Chuck, ItemWithoutFormulaPointsToTheDesignNotes)
{
    openChuck();
    const Rows first = rows("StringGrid1");
    selectItem("DBGridSheji", 11);
    EXPECT_EQ(lastMessage(), QStringLiteral("没有计算公式，请看设计说明！"));
    EXPECT_TRUE(enabled("DBImage1"));
    const Rows emptied = rows("StringGrid1");
    EXPECT_EQ(emptied.front(), first.front());
    for (size_t r = 1; r < emptied.size(); ++r)
        EXPECT_EQ(emptied[r], std::make_pair(QString(), QString()));
    click("SpeedButton3");
    EXPECT_EQ(lastMessage(), QStringLiteral("没有参数！"));
    // The note is a picture: it enlarges.
    QTest::mouseClick(part<QWidget>("DBImage1"), Qt::LeftButton);
    auto *form = frame().findChild<QWidget *>(QStringLiteral("TImageForm"));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("公式说明"));
}

struct FixedCase {
    const char *window;
    const char *button;
    const char *picture;
    const char *caption;
};

TEST_F(Chuck, FixedPicturesEnlargeWithTheirCaptions)
{
    for (const FixedCase &c : { FixedCase { "TF_Tanxingjiatou", "SpeedButton1", "Image2", "计算示意图" },
             FixedCase { "TF_Tanxingjiatou", "SButton1", "Image3", "结构图" },
             FixedCase { "TF_Tanxingpan", "SButton1", "Image2", "参数示意图" } }) {
        SCOPED_TRACE(c.picture);
        open(c.window);
        click("BitBtn1");
        if (currentPage() == QStringLiteral("First_Page"))
            click(c.button);
        auto *picture = part<QLabel>(c.picture);
        ASSERT_NE(picture, nullptr);
        EXPECT_TRUE(picture->isVisible());
        EXPECT_FALSE(picture->pixmap().isNull());
        QTest::mouseClick(picture, Qt::LeftButton);
        auto *form = frame().findChild<QWidget *>(QStringLiteral("TImageForm"));
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(c.caption));
    }
}

} // namespace
} // namespace holvane::test
