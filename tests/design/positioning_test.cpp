#include "designfixture.h"

#include "design/parametergrid.h"
#include "packer.h"
#include "store/table.h"

#include <QApplication>
#include <QDate>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <cmath>

namespace holvane::test {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::pair<QString, QString>>;

const fs::path kSource = fs::path(HOLVANE_SOURCE_DIR);
constexpr auto kReplace = fs::copy_options::recursive | fs::copy_options::overwrite_existing;

const std::vector<std::string> kTables = { "T1-1-3-1", "T1-1-3-2", "T1-1-3-3", "T1-1-5", "TSBM", "T1-1-6",
    "T1-1-7", "T1-1-8", "T1-1-9-1", "T1-1-9-2", "ZHBM" };

// The handbook's own positioning tables, packed once by the real packer in
// a content tree of their own.
fs::path packedPositioningTables()
{
    static TempDir work;
    static bool done = false;
    if (!done) {
        const fs::path content = work / "content";
        fs::create_directories(content / "sjdata" / "pics");
        writeFile(content / "catalogue.tree", "[1] 封面\n    frame: 0\n");
        writeFile(content / "formulas.tree", "[10] 用户公式\n");
        const fs::path fixture = kSource / "tests" / "fixtures" / "content";
        fs::copy(fixture / "database", content / "database", kReplace);
        fs::copy(fixture / "计算器", content / "计算器", kReplace);
        const fs::path sjdata = kSource / "content" / "sjdata";
        for (const std::string &table : kTables)
            fs::copy_file(sjdata / (table + ".table"), content / "sjdata" / (table + ".table"), fs::copy_options::overwrite_existing);
        for (const auto &entry : fs::directory_iterator(sjdata / "pics")) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("tsbm-", 0) == 0 || name.rfind("zhbm-", 0) == 0)
                fs::copy_file(entry.path(), content / "sjdata" / "pics" / name, fs::copy_options::overwrite_existing);
        }
        pack::packContent(content, work / "AppDir");
        done = true;
    }
    return work / "AppDir" / "sjdata";
}

QString today()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

double degrees(double angle)
{
    return angle * 3.14159265358979323846 / 180.0;
}

// A result as the calculators report it: cut to three decimals toward zero.
QString cut(double value)
{
    return QString::number(std::trunc(value * 1000.0) / 1000.0, 'g', 15);
}

class Positioning : public DesignFixture {
protected:
    Positioning()
    {
        for (const std::string &table : kTables) {
            const fs::path packed = packedPositioningTables() / (table + ".DB");
            fs::copy_file(packed, appDir / "sjdata" / packed.filename(), fs::copy_options::overwrite_existing);
        }
    }

    void confirm(const char *window)
    {
        open(window);
        click("BitBtn1");
    }
    void clickCell(const char *gridName, int row, int column)
    {
        auto *view = part<QTableView>(gridName);
        ASSERT_NE(view, nullptr) << gridName;
        const QModelIndex index = view->model()->index(row, column);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        QApplication::processEvents();
    }
    bool shown(const char *name)
    {
        auto *widget = part<QWidget>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget && widget->isVisibleTo(&frame());
    }
    bool pictureShown(const char *name)
    {
        auto *picture = part<QLabel>(name);
        return picture && picture->parentWidget() && shown(name) && !picture->pixmap().isNull();
    }
    bool checked(const char *name) { return part<QAbstractButton>(name)->isChecked(); }
    // Types one character into the value cell of `row`, as a user would.
    QString typeInto(const char *gridName, int row, const QString &keys)
    {
        design::ParameterGrid &g = grid(gridName);
        g.setCurrentCell(row, 1);
        auto *editor = g.viewport()->findChild<QLineEdit *>();
        if (!editor) {
            g.editItem(g.item(row, 1));
            editor = g.viewport()->findChild<QLineEdit *>();
        }
        if (!editor)
            return QStringLiteral("<no editor>");
        editor->selectAll();
        QTest::keyClicks(editor, keys);
        return editor->text();
    }
};

// What the four windows share: the task page, the notebook and its stage
// page, the item grid without titles, the number filter and the formula row.
TEST_F(Positioning, TheFourWindowsOnTheirFirstStage)
{
    struct Case {
        const char *window;
        const char *caption;
        const char *title;
        const char *open; // the item button that opens the first stage; null: "确定" does
        const char *page;
        Rows firstRows;
    };
    const std::vector<Case> cases = {
        { "TZD_Form", "锥度心轴设计与计算", "锥度心轴尺寸计算", nullptr, "RD1_Page",
            { { "公式：TH=", "Hmax-Hmin" }, { "参数:Hmax", "30.021" }, { "参数:Hmin", "30" } } },
        { "TVXK_Form", "V形块设计与计算", "V形块尺寸计算", nullptr, "RD1_Page",
            { { "公式：dVax=", "Td/(2*sin(alf/2))" }, { "参数:Td", "0.1" }, { "参数:alf", "90" } } },
        { "TTSBM_Form", "特殊表面定位设计与计算", "特殊表面定位计算", "SButton1", "RD3_Page",
            { { "公式:dHv=", "TB/(2*tan(alf/2))" }, { "参数:TB", "0.05" }, { "参数:alf", "90" } } },
        { "TZH_Form", "组合表面定位", "组合表面定位计算", "SButton1", "RD1_Page",
            { { "公式:X1min=", "D1-d1max" }, { "参数:D1", "12" }, { "参数:d1max", "11.994" } } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.window);
        open(c.window);
        EXPECT_EQ(frame().windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(part<QLineEdit>("Edtrwm")->text(), QString::fromUtf8(c.title));
        EXPECT_EQ(part<QLabel>("Label1")->text(), QString::fromUtf8(c.title));
        EXPECT_FALSE(enabled("SButton1"));
        click("BitBtn1");
        if (c.open) {
            EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
            click(c.open);
        }
        EXPECT_EQ(currentPage(), QString::fromUtf8(c.page));
        EXPECT_TRUE(part<QTableView>("DBGrid1")->horizontalHeader()->isHidden());
        EXPECT_EQ(rows("StringGrid1"), c.firstRows);
        EXPECT_TRUE(pictureShown("DBImage1") || pictureShown("DBImage2"));

        messages.clear();
        EXPECT_EQ(typeInto("StringGrid1", 1, QStringLiteral("1x")), QStringLiteral("1"));
        EXPECT_EQ(typeInto("StringGrid1", 1, QStringLiteral("-2.5e+")), QStringLiteral("-2.5+"));
        EXPECT_EQ(messageTexts(), (std::vector<QString>(2, QStringLiteral("请输入数字！"))));
        click("SB_Close");
    }
}

// One computed report per window, line by line; the result is worked out
// here and compared with what the window computed.
TEST_F(Positioning, ReportsAndWorkedExamples)
{
    const double t = 30 + 0.5 * (40 / std::sin(degrees(45)) - 45 / std::tan(degrees(45)));
    const double a = degrees(20.0);
    const double aM = degrees(20.0 + 90.0 / 30.0);
    const double dp = 3 * 30 * std::cos(a) * (std::tan(aM) - std::tan(a));
    const double rotation = 60 * std::atan((0.035 + 0.070333) / (2 * 100)) * 180 / 3.14159265358979323846;
    struct Case {
        const char *window;
        std::vector<const char *> clicks; // after "确定"
        int item;
        std::vector<QString> lines; // from the category line to the result
    };
    const std::vector<Case> cases = {
        { "TZD_Form", {}, 2,
            { "类    别：心轴小端直径dM2", "公式：dM2=Hmin-0.25*TH", "参数:Hmin = 30", "参数:TH = 0.021",
                "计算结果 = " + cut(30 - 0.25 * 0.021) } },
        { "TVXK_Form", {}, 3,
            { "类    别：标准心轴中心高T", "公式：T=H+0.5*(D/sin(alf/2)-N/tan(alf/2))", "参数:H = 30", "参数:D = 40",
                "参数:alf = 90", "参数:N = 45", "计算结果 = " + cut(t) } },
        { "TTSBM_Form", { "SButton2", "SpeedButton6" }, 0,
            { "类    别：量棒直径(在分度圆上接触)", "公式:dp=m*z*cos(a)*(tan(a+90/z)-tan(a))", "参数:m = 3",
                "参数:z = 30", "参数:a = 20", "计算结果 = " + cut(dp) } },
        { "TZH_Form", { "SButton1" }, 5,
            { "类    别：转角误差", "公式:dRot=60*arctan((X1max+X2max)/(2*L))", "参数:X1max = 0.035",
                "参数:X2max = 0.070333", "参数:L = 100", "计算结果 = " + cut(rotation) } },
    };
    EXPECT_EQ(cut(t), QStringLiteral("35.784"));
    EXPECT_EQ(cut(dp), QStringLiteral("5.117"));
    EXPECT_EQ(cut(rotation), QStringLiteral("1.81"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.window);
        confirm(c.window);
        for (const char *name : c.clicks)
            click(name);
        selectItem("DBGrid1", c.item);
        part<QLineEdit>("EdtSjz")->setText(QStringLiteral("王工"));
        click("SpeedButton1");
        std::vector<QString> expected = { QString::fromUtf8("设计任务名称：") + part<QLineEdit>("Edtrwm")->text(),
            "设计任务编号：Rw1-1", "设   计   者：王工", "" };
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        expected.push_back("");
        expected.push_back(QString(38, QLatin1Char(' ')) + today());
        EXPECT_EQ(memoLines("Memo2"), expected);
        EXPECT_TRUE(enabled("SpeedButton3"));
        click("SB_Close");
    }
}

TEST_F(Positioning, MessagesOfACalculationThatCannotRun)
{
    struct Case {
        const char *window;
        int item;
        int row;
        const char *value;
        std::vector<QString> messages;
    };
    const QString outOfRange = QStringLiteral("输入数值超出计算范围，请重新输入!");
    for (const Case &c : {
             // Only the V-block checks that every value is given.
             Case { "TVXK_Form", 0, 2, "", { "请将数据输全！" } },
             Case { "TZD_Form", 0, 2, "", { "请给所有变量赋值！" } },
             Case { "TZD_Form", 3, 3, "0", { "除数为0 错误!", outOfRange } },
         }) {
        SCOPED_TRACE(std::string(c.window) + " " + c.value);
        confirm(c.window);
        selectItem("DBGrid1", c.item);
        setValue("StringGrid1", c.row, QString::fromUtf8(c.value));
        messages.clear();
        click("SpeedButton1");
        EXPECT_EQ(messageTexts(), c.messages);
        EXPECT_TRUE(memoLines("Memo2").empty());
        EXPECT_FALSE(enabled("SpeedButton3"));
        click("SB_Close");
    }
}

TEST_F(Positioning, ResetOnTheStageKeepsTheReport)
{
    confirm("TZD_Form");
    click("SpeedButton1");
    const auto report = memoLines("Memo2");
    ASSERT_FALSE(report.empty());
    click("SpeedButton2");
    EXPECT_EQ(rows("StringGrid1"), (Rows { { "公式：TH=", "Hmax-Hmin" }, { "参数:Hmax", "" }, { "参数:Hmin", "" } }));
    EXPECT_EQ(memoLines("Memo2"), report);
    EXPECT_TRUE(enabled("SpeedButton3"));
}

TEST_F(Positioning, TaperMandrelReferenceTabs)
{
    confirm("TZD_Form");
    auto *tabs = part<QTabWidget>("PageControl1");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QStringLiteral("导向尺寸F"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("心轴总长L"));
    EXPECT_TRUE(pictureShown("Image2"));

    // An item without K: the picker finds no row to fill.
    const Rows withoutK = rows("StringGrid1");
    clickCell("ZD3_DBGrid", 0, 2);
    EXPECT_EQ(rows("StringGrid1"), withoutK);

    selectItem("DBGrid1", 3); // LK=(dM1-dM2)/K
    clickCell("ZD3_DBGrid", 3, 2);
    EXPECT_EQ(rows("StringGrid1"),
        (Rows { { "公式：LK=", "(dM1-dM2)/K" }, { "参数:dM1", "30.02625" }, { "参数:dM2", "29.99475" },
            { "参数:K", "0.0004" } }));
    const Rows picked = rows("StringGrid1");
    tabs->setCurrentIndex(1);
    for (int column = 0; column < 6; ++column)
        clickCell("ZD2_DBGrid", 3, column);
    EXPECT_EQ(rows("StringGrid1"), picked);
    EXPECT_TRUE(messageTexts().empty());

    click("SpeedButton1");
    EXPECT_EQ(memoLines("Memo2").at(9), QStringLiteral("计算结果 = 78.75"));
}

TEST_F(Positioning, GearMenuWaitsForAGear)
{
    confirm("TTSBM_Form");
    EXPECT_FALSE(enabled("BitBtn1"));
    EXPECT_TRUE(enabled("SButton1"));
    EXPECT_TRUE(enabled("SButton2"));
    EXPECT_FALSE(shown("SecondPanel"));

    click("SButton2");
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_TRUE(shown("SecondPanel"));
    EXPECT_FALSE(enabled("SButton1"));
    for (const char *gear : { "SpeedButton6", "SpeedButton7", "SpeedButton8" })
        EXPECT_FALSE(checked(gear)) << gear;
    // "结果查询" and "关闭" move below the panel.
    EXPECT_GT(part<QWidget>("SButton3")->y(), part<QWidget>("SecondPanel")->geometry().bottom());
    EXPECT_EQ(part<QWidget>("SpeedButton6")->width(), part<QWidget>("SecondPanel")->width() - 2);

    struct Gear {
        const char *button;
        const char *picture;
        Rows firstRows;
    };
    for (const Gear &g : {
             Gear { "SpeedButton7", "Image4",
                 { { "公式:at=", "arctan(tan(an)/cos(b))" }, { "参数:an", "20" }, { "参数:b", "15" } } },
             Gear { "SpeedButton8", "Image5", { { "公式:dl=", "arctan(z1/z2)" }, { "参数:z1", "20" }, { "参数:z2", "40" } } },
         }) {
        SCOPED_TRACE(g.button);
        click(g.button);
        EXPECT_EQ(currentPage(), QStringLiteral("RD3_Page"));
        EXPECT_TRUE(checked(g.button));
        EXPECT_EQ(rows("StringGrid1"), g.firstRows);
        for (const char *picture : { "Image2", "Image4", "Image5", "DBImage1" })
            EXPECT_EQ(shown(picture), std::string(picture) == g.picture) << picture;
        EXPECT_TRUE(pictureShown(g.picture));
    }

    // Closing the gear menu hides the panel; opening it again shows the
    // gears released and the task page in front.
    click("SButton2");
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(shown("SecondPanel"));
    EXPECT_TRUE(enabled("SButton1"));
    EXPECT_TRUE(enabled("BitBtn1"));
    click("SButton2");
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(checked("SpeedButton8"));

    // The V-groove stage shows the item's schematic instead of a gear.
    click("SButton2");
    click("SButton1");
    EXPECT_EQ(currentPage(), QStringLiteral("RD3_Page"));
    EXPECT_FALSE(enabled("SButton2"));
    EXPECT_TRUE(pictureShown("DBImage1"));
    for (const char *picture : { "Image2", "Image4", "Image5" })
        EXPECT_FALSE(shown(picture)) << picture;
}

TEST_F(Positioning, PinStagesShowTheirOwnReferenceAndSketch)
{
    confirm("TZH_Form");
    EXPECT_FALSE(enabled("BitBtn1"));
    click("SButton1");
    EXPECT_FALSE(enabled("SButton2"));
    auto *tabs = part<QTabWidget>("PageControl1");
    ASSERT_NE(tabs, nullptr);
    EXPECT_TRUE(tabs->isVisibleTo(&frame()));
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QStringLiteral("削边销宽度"));
    EXPECT_TRUE(pictureShown("Image2"));
    EXPECT_FALSE(shown("DBImage2"));

    selectItem("DBGrid1", 2); // X2min=2*a2*b/D2
    setValue("StringGrid1", 3, QString());
    clickCell("XBX1_DBGridEh", 6, 0);
    EXPECT_EQ(rows("StringGrid1"),
        (Rows { { "公式:X2min=", "2*a2*b/D2" }, { "参数:a2", "0.062" }, { "参数:b", "4" }, { "参数:D2", "14" } }));

    click("SButton1");
    EXPECT_TRUE(enabled("SButton2"));
    click("SButton2");
    EXPECT_EQ(currentPage(), QStringLiteral("RD1_Page"));
    EXPECT_FALSE(enabled("SButton1"));
    EXPECT_FALSE(tabs->isVisibleTo(&frame()));
    EXPECT_FALSE(shown("Image2"));
    EXPECT_TRUE(pictureShown("DBImage2"));
    EXPECT_EQ(rows("StringGrid1"), (Rows { { "公式:Xmin=", "Hmin-dmax" }, { "参数:Hmin", "20" }, { "参数:dmax", "19.993" } }));
}

TEST_F(Positioning, PicturesEnlargeWithTheirCaptions)
{
    struct Case {
        const char *window;
        std::vector<const char *> open;
        const char *picture;
        const char *caption;
    };
    for (const Case &c : {
             Case { "TZD_Form", {}, "Image2", "放大图形" },
             Case { "TVXK_Form", {}, "DBImage1", "公式说明" },
             Case { "TTSBM_Form", { "SButton1" }, "DBImage1", "示意图" },
             Case { "TTSBM_Form", { "SButton2", "SpeedButton7" }, "Image4", "放大图形" },
             Case { "TZH_Form", { "SButton2" }, "DBImage2", "示意图" },
         }) {
        SCOPED_TRACE(std::string(c.window) + " " + c.picture);
        confirm(c.window);
        for (const char *name : c.open)
            click(name);
        QTest::mouseClick(part<QWidget>(c.picture), Qt::LeftButton);
        auto *form = frame().findChild<QWidget *>(QStringLiteral("TImageForm"));
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(c.caption));
        const QPixmap picture = part<QLabel>(c.picture)->pixmap();
        EXPECT_FALSE(picture.isNull());
        EXPECT_EQ(form->size(), QSize(picture.width() + 5, picture.height() + 25));
        form->hide();
        click("SB_Close");
    }
}

TEST_F(Positioning, ReturnLeavesBothItemButtonsEnabled)
{
    struct Case {
        const char *window;
        std::vector<const char *> open;
        const char *back;
    };
    for (const Case &c : {
             Case { "TTSBM_Form", { "SButton1" }, "SpeedButton9" },
             Case { "TTSBM_Form", { "SButton2", "SpeedButton6" }, "SpeedButton9" },
             Case { "TZH_Form", { "SButton1" }, "SpeedButton7" },
             Case { "TZH_Form", { "SButton2" }, "SpeedButton7" },
         }) {
        SCOPED_TRACE(std::string(c.window) + " " + c.open.front());
        confirm(c.window);
        for (const char *name : c.open)
            click(name);
        click(c.back);
        EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
        EXPECT_TRUE(enabled("SButton1"));
        EXPECT_TRUE(enabled("SButton2"));
        EXPECT_TRUE(enabled("BitBtn1"));
        EXPECT_FALSE(frame().StageOpen());
        click("SB_Close");
    }
}

// TZH_Form's task page has no reset, and a disabled "确定" ignores Enter.
TEST_F(Positioning, CombinedSurfacesTaskPageKeys)
{
    confirm("TZH_Form");
    auto *designer = part<QLineEdit>("EdtSjz");
    QTest::keyClick(designer, Qt::Key_Escape);
    click("BitBtn2");
    EXPECT_EQ(designer->text(), QStringLiteral("DuDoz"));
    QTest::keyClick(designer, Qt::Key_Return);
    EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
    EXPECT_FALSE(frame().StageOpen());

    open("TTSBM_Form");
    click("BitBtn2");
    EXPECT_TRUE(part<QLineEdit>("EdtSjz")->text().isEmpty());
}

TEST_F(Positioning, SavedConditionIsTheWindowsItemField)
{
    struct Case {
        const char *window;
        std::vector<const char *> open;
        const char *condition;
    };
    for (const Case &c : {
             Case { "TZD_Form", {}, "1" },
             Case { "TVXK_Form", {}, "1" },
             Case { "TTSBM_Form", { "SButton1" }, "V形导轨槽定位误差" },
             Case { "TTSBM_Form", { "SButton2", "SpeedButton8" }, "分锥角" },
             Case { "TZH_Form", { "SButton2" }, "孔与销的最小间隙" },
         }) {
        SCOPED_TRACE(c.window);
        confirm(c.window);
        for (const char *name : c.open)
            click(name);
        click("SpeedButton1");
        click("SpeedButton3");
        EXPECT_EQ(lastMessage(), QStringLiteral("结果已保存!"));
        EXPECT_FALSE(enabled("SpeedButton3"));
        const auto saved = savedResults();
        ASSERT_FALSE(saved.empty());
        EXPECT_EQ(saved.back()[0], frame().windowTitle().toStdString());
        EXPECT_EQ(saved.back()[1], c.condition);
        EXPECT_TRUE(QString::fromStdString(saved.back()[3])
                        .split(QLatin1Char('\n'))
                        .at(4)
                        .startsWith(QStringLiteral("类    别：")));
        click("SB_Close");
    }
}

} // namespace
} // namespace holvane::test
