#include "designfixture.h"

#include "design/calcstage.h"
#include "design/fixedpicture.h"
#include "design/parametergrid.h"
#include "design/referencecards.h"
#include "store/table.h"

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <cmath>

// The screw, eccentric, end-face cam, hinge and hook-plate calculators over
// the fixture's item tables. Every worked example is computed here from the
// mechanism's formula and compared with the report.
namespace holvane::test {
namespace {

using Rows = std::vector<std::pair<QString, QString>>;

long double tand(long double degrees)
{
    return std::tan(degrees * 3.14159265358979323846L / 180);
}

long double sind(long double degrees)
{
    return std::sin(degrees * 3.14159265358979323846L / 180);
}

long double cosd(long double degrees)
{
    return std::cos(degrees * 3.14159265358979323846L / 180);
}

// The report's result: the value as the evaluator writes it (15 significant
// digits), cut to three decimals toward zero.
QString cut(long double value)
{
    const double written = QString::number(static_cast<double>(value), 'g', 15).toDouble();
    const auto thousandths = static_cast<long long>(static_cast<long double>(written) * 1000);
    return QString::number(static_cast<double>(thousandths) / 1000, 'g', 15);
}

QString today()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

std::vector<QString> reportOf(const char *caption, const char *designer, std::vector<QString> middle)
{
    std::vector<QString> lines = { QStringLiteral("设计任务名称：") + QString::fromUtf8(caption),
        QStringLiteral("设计任务编号：Rw1-1"), QStringLiteral("设计者：") + QString::fromUtf8(designer) };
    lines.insert(lines.end(), middle.begin(), middle.end());
    lines.push_back(QString());
    lines.push_back(QString(38, QLatin1Char(' ')) + today());
    return lines;
}

class Mechanisms : public DesignFixture {
protected:
    void confirm(const char *window)
    {
        open(window);
        click("BitBtn1");
    }
    void clickPicture(const char *name)
    {
        QTest::mouseClick(part<QWidget>(name), Qt::LeftButton);
        QApplication::processEvents();
    }
    QWidget *enlarged() { return frame().findChild<QWidget *>(QStringLiteral("TImageForm")); }
};

// ---- the stage rules of the windows with one and with two stages ----

struct TwoStages {
    const char *window;
    const char *buttons[2];
    const char *pages[2];
    const char *backs[2];
};

TEST_F(Mechanisms, AnOpenStageLocksTheOtherItemButtonAndItsBackButtonReleasesIt)
{
    for (const TwoStages &w : {
             TwoStages { "TF_Pianxinjiajin", { "SpeedButton1", "SButton1" }, { "sheji", "MQ" },
                 { "SpeedButton9", "SpeedButton8" } },
             TwoStages { "TF_Duanmiantulun", { "SpeedButton1", "SButton1" }, { "W0", "MQ" },
                 { "SpeedButton8", "SpeedButton9" } },
             TwoStages { "TF_Jiaolianjiajin", { "SpeedButton1", "SButton1" }, { "W0", "MQ" },
                 { "SpeedButton9", "SpeedButton8" } },
         }) {
        SCOPED_TRACE(w.window);
        open(w.window);
        EXPECT_FALSE(enabled(w.buttons[0]));
        EXPECT_FALSE(enabled(w.buttons[1]));
        click("BitBtn1");
        EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
        EXPECT_TRUE(enabled(w.buttons[0]));
        EXPECT_TRUE(enabled(w.buttons[1]));
        for (int s = 0; s < 2; ++s) {
            SCOPED_TRACE(w.pages[s]);
            click(w.buttons[s]);
            EXPECT_EQ(currentPage(), QString::fromUtf8(w.pages[s]));
            EXPECT_TRUE(enabled(w.buttons[s]));
            EXPECT_FALSE(enabled(w.buttons[1 - s]));
            EXPECT_TRUE(enabled("SButton2"));
            EXPECT_TRUE(enabled("SB_Close"));
            EXPECT_TRUE(frame().stagePage(w.pages[s])->itemTable().isOpen());
            click(w.backs[s]);
            EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
            EXPECT_FALSE(frame().StageOpen());
            EXPECT_FALSE(frame().stagePage(w.pages[s])->itemTable().isOpen());
            EXPECT_TRUE(enabled(w.buttons[1 - s]));
            // The item button toggles the stage as well.
            click(w.buttons[s]);
            EXPECT_EQ(currentPage(), QString::fromUtf8(w.pages[s]));
            click(w.buttons[s]);
            EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
            EXPECT_TRUE(enabled(w.buttons[1 - s]));
        }
        click("SB_Close");
        EXPECT_TRUE(messageTexts().empty());
    }
}

struct OneStage {
    const char *window;
    const char *page;
};

TEST_F(Mechanisms, SingleStageWindowsOpenTheirStageOnConfirmAndCloseItOnReturn)
{
    for (const OneStage &w : { OneStage { "TF_Luoxuanjiajin", "MQ" }, OneStage { "TF_Gouxingyaban", "Q" } }) {
        SCOPED_TRACE(w.window);
        confirm(w.window);
        EXPECT_EQ(currentPage(), QString::fromUtf8(w.page));
        EXPECT_TRUE(frame().StageOpen());
        click("SpeedButton1");
        EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
        EXPECT_FALSE(frame().stagePage(w.page)->itemTable().isOpen());
        click("SButton1");
        EXPECT_EQ(currentPage(), QString::fromUtf8(w.page));
        click("SB_Close");
        EXPECT_FALSE(frame().stagePage(w.page)->itemTable().isOpen());
    }
}

// ---- the screw clamp ----

TEST_F(Mechanisms, ScrewClampForceWithItsOneLineCategoryAndSave)
{
    confirm("TF_Luoxuanjiajin");
    EXPECT_EQ(
        part<QPlainTextEdit>("DBMemo2")->toPlainText(), QStringLiteral("rf=d0/3\nW0=Q·L/(rf·tanφ1+rz·tan(α+φ2'))"));
    EXPECT_FALSE(part<QLabel>("DBImage1")->pixmap().isNull());
    click("SpeedButton3");
    const long double w0 = 100.0L * 120 / (9.0L / 3 * tand(5.7106L) + 5.4317L * tand(2.9354L + 6.5868L));
    EXPECT_EQ(memoLines("Memo2"),
        reportOf("螺旋夹紧机构", "DuDoz",
            { "类别：螺钉直接夹紧，平端面", "公式：W0=Q*L/(d0/3*tan(phi1)+rz*tan(a+phi2))", "参数:Q = 100",
                "参数:L = 120", "参数:d0 = 9", "参数:phi1 = 5.7106", "参数:rz = 5.4317", "参数:a = 2.9354",
                "参数:phi2 = 6.5868", "计算结果 = " + cut(w0) }));
    EXPECT_EQ(cut(w0), QStringLiteral("9908.193"));
    click("SpeedButton5");
    EXPECT_EQ(lastMessage(), QStringLiteral("结果已保存!"));
    const auto saved = savedResults();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0][0], "螺旋夹紧机构");
    EXPECT_EQ(saved[0][1], "螺钉直接夹紧，平端面");
}

TEST_F(Mechanisms, ScrewSelfLockingMargin)
{
    confirm("TF_Luoxuanjiajin");
    selectItem("DBGridMQ", 1);
    click("SpeedButton3");
    const long double margin = std::atan(0.1L / cosd(30)) * 180 / 3.14159265358979323846L
        - std::atan(1.75L / (3.14159265L * 10.863L)) * 180 / 3.14159265358979323846L;
    const auto report = memoLines("Memo2");
    ASSERT_GE(report.size(), 4u);
    EXPECT_EQ(report[3], QStringLiteral("类别：自锁校核"));
    EXPECT_EQ(report[report.size() - 3], "计算结果 = " + cut(margin));
    EXPECT_GT(margin, 0);
}

// ---- the eccentric clamp ----

TEST_F(Mechanisms, EccentricTypeCardsTwoInView)
{
    confirm("TF_Pianxinjiajin");
    click("SpeedButton1");
    auto *cards = part<design::ReferenceCards>("DBCtrlGrid1");
    ASSERT_NE(cards, nullptr);
    ASSERT_EQ(cards->cardCount(), 3);
    EXPECT_EQ(cards->card(0)->findChild<QLineEdit *>(QStringLiteral("DBEdit1"))->text(),
        QStringLiteral("圆偏心（对称工作段）"));
    EXPECT_EQ(
        cards->card(0)->findChild<QPlainTextEdit *>(QStringLiteral("DBMemo4"))->toPlainText(), QStringLiteral("45°"));
    EXPECT_EQ(
        cards->card(0)->findChild<QPlainTextEdit *>(QStringLiteral("DBMemo5"))->toPlainText(), QStringLiteral("135°"));
    EXPECT_EQ(cards->card(2)->findChild<QPlainTextEdit *>(QStringLiteral("DBMemo2"))->toPlainText(),
        QStringLiteral("升角处处相等。"));
    EXPECT_EQ(cards->card(0)->height(), cards->viewHeight() / 2);
    EXPECT_GT(cards->card(0)->height(), 0);
    // The cards close with the stage and with the window.
    click("SpeedButton9");
    EXPECT_EQ(cards->cardCount(), 0);
    click("SpeedButton1");
    EXPECT_EQ(cards->cardCount(), 3);
    click("SB_Close");
    EXPECT_EQ(cards->cardCount(), 0);
    EXPECT_FALSE(frame().stagePage("sheji")->itemTable().isOpen());
}

TEST_F(Mechanisms, EccentricItemWithoutFormulaKeepsItsPictureClickable)
{
    confirm("TF_Pianxinjiajin");
    click("SpeedButton1");
    const Rows first = rows("StringGrid2");
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(first[0], (std::pair<QString, QString> { "公式：a=", "arctan(e*sin(g)/(R-e*cos(g)))" }));

    selectItem("DBGridSheji", 1);
    EXPECT_EQ(lastMessage(), QStringLiteral("没有计算公式，请看公式说明!"));
    const Rows empty = rows("StringGrid2");
    EXPECT_EQ(empty[0], first[0]);
    for (size_t row = 1; row < empty.size(); ++row)
        EXPECT_EQ(empty[row], (std::pair<QString, QString> {})) << row;
    EXPECT_TRUE(part<QWidget>("DBImage4")->isEnabled());
    clickPicture("DBImage4");
    ASSERT_NE(enlarged(), nullptr);
    EXPECT_EQ(enlarged()->windowTitle(), QStringLiteral("公式说明"));
    click("SpeedButton2");
    EXPECT_EQ(lastMessage(), QStringLiteral("没有参数！"));

    // An item with more parameters than the one before gets all its values.
    selectItem("DBGridSheji", 2);
    EXPECT_EQ(rows("StringGrid2"),
        (Rows { { "公式：d=", "f1*(R-e*cos(g))+f0*r0-e*sin(g)" }, { "参数:f1", "0.1" }, { "参数:R", "25" },
            { "参数:e", "2" }, { "参数:g", "90" }, { "参数:f0", "0.1" }, { "参数:r0", "5" } }));
}

TEST_F(Mechanisms, EccentricReportsOfBothStages)
{
    confirm("TF_Pianxinjiajin");
    click("SpeedButton1");
    click("SpeedButton2");
    const long double lift = std::atan(2 * sind(90) / (25 - 2 * cosd(90))) * 180 / 3.14159265358979323846L;
    EXPECT_EQ(memoLines("Memo3"),
        reportOf("偏心夹紧机构", "DuDoz",
            { "偏心轮参数：", "接触点升角", "α", "公式：a=arctan(e*sin(g)/(R-e*cos(g)))", "参数:e = 2", "参数:g = 90",
                "参数:R = 25", "计算结果 = " + cut(lift) }));
    click("SpeedButton9");

    click("SButton1");
    EXPECT_EQ(part<QPlainTextEdit>("DBMemo3")->toPlainText(), QStringLiteral("Q·L=W·(e·sinγ+f1·(R−e·cosγ)+f0·r0)"));
    click("SpeedButton3");
    const long double force = 100.0L * 100 / (2 * sind(60) + 0.1L * (25 - 2 * cosd(60)) + 0.1L * 5);
    const auto report = memoLines("Memo2");
    ASSERT_GE(report.size(), 6u);
    EXPECT_EQ(report[3], QStringLiteral("原动力MQ 计算类别："));
    EXPECT_EQ(report[4], QStringLiteral("圆偏心直接夹紧"));
    EXPECT_EQ(report[report.size() - 3], "计算结果 = " + cut(force));
    // The other stage's report is untouched.
    EXPECT_EQ(memoLines("Memo3").back(), QString(38, QLatin1Char(' ')) + today());
}

// ---- the end-face cam clamp ----

TEST_F(Mechanisms, CamFixedPictureEnlargesEvenWhenTheItemHasNoPictures)
{
    const QPixmap drawing = design::fixedPicture("TF_Duanmiantulun", "Image2");
    ASSERT_FALSE(drawing.isNull());
    EXPECT_TRUE(design::fixedPicture("TF_Duanmiantulun", "Image9").isNull());

    confirm("TF_Duanmiantulun");
    click("SpeedButton1");
    EXPECT_EQ(part<QLabel>("Image2")->pixmap().size(), drawing.size());
    // The first item has no formula picture: its click does nothing.
    clickPicture("DBImage3");
    EXPECT_EQ(enlarged(), nullptr);
    clickPicture("Image2");
    QWidget *form = enlarged();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("参数示意图"));
    EXPECT_EQ(form->size(), QSize(drawing.width() + 5, drawing.height() + 25));
}

TEST_F(Mechanisms, CamReportsOfBothStages)
{
    confirm("TF_Duanmiantulun");
    click("SpeedButton1");
    click("SpeedButton2");
    const long double w0 = 80.0L * 80 / (20 * tand(5 + 5.7106L) + 15 * tand(5.7106L));
    EXPECT_EQ(memoLines("Memo3"),
        reportOf("端面凸轮夹紧机构", "dudoz",
            { "计算类别：", "夹紧力", "W0", "公式：W0=Q*L/(rcp*tan(a+phi2)+rf*tan(phi1))", "参数:Q = 80", "参数:L = 80",
                "参数:rcp = 20", "参数:a = 5", "参数:phi2 = 5.7106", "参数:rf = 15", "参数:phi1 = 5.7106",
                "计算结果 = " + cut(w0) }));
    EXPECT_EQ(cut(w0), QStringLiteral("1211.461"));
    click("SpeedButton8");

    click("SButton1");
    EXPECT_EQ(part<QPlainTextEdit>("DBMemo2")->toPlainText(), QStringLiteral("Q=W0·(rcp·tan(α+φ2)+rf·tanφ1)/L"));
    click("SpeedButton3");
    const long double q = 1200.0L * (20 * tand(5 + 5.7106L) + 15 * tand(5.7106L)) / 80;
    const auto report = memoLines("Memo2");
    ASSERT_GE(report.size(), 5u);
    EXPECT_EQ(report[3], QStringLiteral("原动力计算类别："));
    EXPECT_EQ(report[4], QStringLiteral("手柄转动凸轮"));
    EXPECT_EQ(report[report.size() - 3], "计算结果 = " + cut(q));
}

// ---- the hinge clamp ----

TEST_F(Mechanisms, HingeMainParametersCarryThreeCategoryLines)
{
    confirm("TF_Jiaolianjiajin");
    click("SpeedButton1");
    click("SpeedButton2");
    const long double w = 2000 / (tand(10 + 0.955L) + tand(5.7106L) * 10 / 30);
    EXPECT_EQ(memoLines("Memo3"),
        reportOf("铰链夹紧机构", "DuDoz",
            { "主要参数计算类别：", "单臂铰链（带滚子）", "夹紧力 W", "公式：W=Q/(tan(a+beta)+tan(phi2)*dr/Dw)",
                "参数:Q = 2000", "参数:a = 10", "参数:beta = 0.955", "参数:phi2 = 5.7106", "参数:dr = 10",
                "参数:Dw = 30", "计算结果 = " + cut(w) }));
    EXPECT_EQ(cut(w), QStringLiteral("8814.504"));
    selectItem("DBGridW0", 1);
    click("SpeedButton2");
    const auto doubleArm = memoLines("Memo3");
    ASSERT_GE(doubleArm.size(), 6u);
    EXPECT_EQ(doubleArm[4], QStringLiteral("双臂铰链"));
    EXPECT_EQ(doubleArm[doubleArm.size() - 3], "计算结果 = " + cut(2000 / (2 * tand(10 + 0.955L))));
    click("SpeedButton9");

    click("SButton1");
    click("SpeedButton3");
    const auto force = memoLines("Memo2");
    ASSERT_GE(force.size(), 5u);
    EXPECT_EQ(force[3], QStringLiteral("原动力计算类别："));
    EXPECT_EQ(force[4], QStringLiteral("双臂铰链"));
    EXPECT_EQ(force[force.size() - 3], "计算结果 = " + cut(2 * 5000 * tand(10 + 0.955L)));
}

// ---- the hook-type press plate ----

TEST_F(Mechanisms, HookPlateLiftCoefficientPickerAndOneLineCategory)
{
    confirm("TF_Gouxingyaban");
    auto *lift = part<QTableView>("DBGridEh1");
    ASSERT_NE(lift, nullptr);
    ASSERT_EQ(lift->model()->rowCount(), 3);
    EXPECT_EQ(rows("StringGrid1"), (Rows { { "公式：W=", "k*Q" }, { "参数:k", "0.816" }, { "参数:Q", "8000" } }));
    // H/L = 3, f = 0.15.
    QTest::mouseClick(lift->viewport(), Qt::LeftButton, {}, lift->visualRect(lift->model()->index(2, 2)).center());
    EXPECT_EQ(rows("StringGrid1"), (Rows { { "公式：W=", "k*Q" }, { "参数:k", "0.87" }, { "参数:Q", "8000" } }));
    click("SpeedButton3");
    EXPECT_EQ(memoLines("Memo2"),
        reportOf("钩形压板", "DuDoz",
            { "类别：夹紧力（查升程系数）W", "公式：W=k*Q", "参数:k = 0.87", "参数:Q = 8000",
                "计算结果 = " + cut(0.87L * 8000) }));

    // A capital K is another variable: the picker leaves it alone.
    click("SpeedButton1");
    setItem("B1-2-28.DB", 0, "计算公式", "W=k*K*Q", "0.5\n1\n8000");
    click("SButton1");
    QTest::mouseClick(lift->viewport(), Qt::LeftButton, {}, lift->visualRect(lift->model()->index(1, 1)).center());
    EXPECT_EQ(rows("StringGrid1"),
        (Rows { { "公式：W=", "k*K*Q" }, { "参数:k", "0.87" }, { "参数:K", "1" }, { "参数:Q", "8000" } }));

    // "返回" closes both tables.
    click("SpeedButton1");
    EXPECT_FALSE(frame().stagePage("Q")->itemTable().isOpen());
    EXPECT_EQ(lift->model()->rowCount(), 0);
}

TEST_F(Mechanisms, HookPlateForceFromItsDimensions)
{
    confirm("TF_Gouxingyaban");
    selectItem("DBGridQ", 1);
    click("SpeedButton3");
    const long double w = 8000 / (1 + 3 * 20 * 0.15L / 40);
    const auto report = memoLines("Memo2");
    ASSERT_GE(report.size(), 4u);
    EXPECT_EQ(report[3], QStringLiteral("类别：夹紧力（按结构尺寸）W"));
    EXPECT_EQ(report[report.size() - 3], "计算结果 = " + cut(w));
    EXPECT_EQ(cut(w), QStringLiteral("6530.612"));
}

} // namespace
} // namespace holvane::test
