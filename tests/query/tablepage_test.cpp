#include "pages/picktext.h"
#include "query/tfrm_cxjg.h"
#include "query/tfrm_find.h"
#include "query/tfrm_search.h"
#include "store/table.h"
#include "tablepagefixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include <filesystem>

namespace holvane::test {
namespace {

namespace fs = std::filesystem;
using store::FieldDef;
using store::FieldType;
using store::Value;

std::string sp(int n)
{
    return std::string(static_cast<size_t>(n), ' ');
}

class TablePageTest : public TablePageFixture {
protected:
    void addPickTable()
    {
        addTable("pick",
            { { "名称", FieldType::Text, 20 }, { "规格", FieldType::Text, 10 }, { "长度", FieldType::Float, 0 },
                { "质量", FieldType::Float, 0 } },
            { { "M8螺钉", "A型", 25.0, 0.01 }, { "很长的名称超过十字节", "B", 30.0, Value() } });
    }
    QString pickedText()
    {
        auto *result = topLevel<query::Tfrm_cxjg>("frm_cxjg");
        if (!result)
            return QStringLiteral("<no window>");
        return result->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))->toPlainText();
    }
};

TEST_F(TablePageTest, LoadsTheMemberIntoTheWorkingTableAndShowsItsFieldsAsColumns)
{
    openTable(QStringLiteral("dingweixiao"), 2);
    ASSERT_TRUE(page()->tableOpen());
    EXPECT_EQ(gridRows(), 3);
    EXPECT_EQ(grid()->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("H\n高度"));
    EXPECT_EQ(column(0), (std::vector<QString> { ">3~6", ">6~10", ">10~18" }));
    EXPECT_TRUE(fs::exists(appDir / "dat" / "aaa.db"));
    EXPECT_FALSE(fs::exists(appDir / "dat" / "dingweixiao.db")) << "the scrambled copy is erased";
    EXPECT_TRUE(find<QToolButton>("ToolButton8")->isEnabled());
    // The memo row grows to its two lines.
    EXPECT_GT(grid()->rowHeight(0), grid()->rowHeight(1));
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(TablePageTest, PickPastTheKeyColumnsListsEveryRecordAlignedInGbkBytes)
{
    addPickTable();
    openTable(QStringLiteral("pick"), 2, QStringLiteral("螺钉尺寸"));
    doubleClickCell(0, 3);
    const std::string expected = "名称" + sp(10) + "规格" + sp(30) + "质量\n" + std::string(50, '-') + "\n" +
        // "M8螺钉" is 6 GBK bytes: 4 spaces, then the mass at byte 50
        "M8螺钉" + sp(4) + "A型" + sp(50 - 6 - 4 - 3) + "0.01\n" +
        // a first value of 20 bytes: no spaces, then padded to byte 50
        "很长的名称超过十字节" + "B" + sp(50 - 21) + "\n" + sp(24);
    EXPECT_EQ(pickedText().toStdString(), expected);
    auto *result = topLevel<query::Tfrm_cxjg>("frm_cxjg");
    EXPECT_EQ(result->findChild<QLineEdit *>(QStringLiteral("E_zt"))->text(), QStringLiteral("螺钉尺寸"));
    EXPECT_TRUE(context().page.PickedText.isEmpty());
}

TEST_F(TablePageTest, PickCases)
{
    addPickTable();
    struct Case {
        int order, row, column;
        std::string expected;
    };
    const std::vector<Case> cases = {
        { 2, 0, 1, sp(24) }, // a key column selected: only the blank line
        { 2, 1, 0, sp(24) },
        { 0, 1, 2, "名称:    很长的名称超过十字节\n规格:    B\n长度:    30\n质量:    \n" + sp(24) },
    };
    for (const Case &c : cases) {
        openTable(QStringLiteral("pick"), c.order);
        doubleClickCell(c.row, c.column);
        EXPECT_EQ(pickedText().toStdString(), c.expected) << c.order << " " << c.column;
        topLevel<query::Tfrm_cxjg>("frm_cxjg")->close();
    }
}

TEST_F(TablePageTest, PickTextOfTheFixtureTableStartsTheSelectedValueAtByte50)
{
    openTable(QStringLiteral("dingweixiao"), 2);
    const std::string text = pages::pickText(page()->Table3(), 2, 2);
    EXPECT_NE(text.find(">3~6" + sp(6) + "g6" + sp(38) + "8\n"), std::string::npos) << text;
}

TEST_F(TablePageTest, SavingAPickTwiceGivesTwoRecordsUnderOneSubject)
{
    openTable(QStringLiteral("dingweixiao"), 0, QStringLiteral("定位销尺寸"));
    doubleClickCell(0, 0);
    auto *result = topLevel<query::Tfrm_cxjg>("frm_cxjg");
    auto *save = result->findChild<QPushButton *>(QStringLiteral("Button1"));
    save->click();
    save->click();
    EXPECT_EQ(messageTexts(), (std::vector<QString> { QStringLiteral("保存完毕"), QStringLiteral("保存完毕") }));
    store::Table history;
    history.setPath(appDir / "database", "cx_jl.db");
    history.open();
    ASSERT_EQ(history.recordCount(), 2);
    EXPECT_EQ(history.text("查询主题"), "定位销尺寸");
    EXPECT_EQ(history.text("查询条件"), "双击");
    EXPECT_EQ(history.text("查询结果").substr(0, 11), "D:    >3~6\n");
}

TEST_F(TablePageTest, APickOfManyLinesShowsAndSavesEveryLineUnchanged)
{
    std::vector<std::vector<Value>> rows;
    for (int i = 0; i < 2500; ++i)
        rows.push_back({ "规格" + std::to_string(i), 0.5 * i });
    addTable("long", { { "规格", FieldType::Text, 20 }, { "尺寸", FieldType::Float, 0 } }, rows);
    openTable(QStringLiteral("long"), 1, QStringLiteral("长表"));
    doubleClickCell(0, 1);
    const QString expected = QString::fromStdString(pages::pickText(page()->Table3(), 1, 1));
    auto *result = topLevel<query::Tfrm_cxjg>("frm_cxjg");
    auto *memo = result->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
    EXPECT_EQ(memo->toPlainText(), expected);
    EXPECT_LT(memo->document()->blockCount(), 100) << "lines held in groups, not a block each";
    result->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    store::Table history;
    history.setPath(appDir / "database", "cx_jl.db");
    history.open();
    history.last();
    EXPECT_EQ(QString::fromStdString(history.text("查询结果")), expected);
}

TEST_F(TablePageTest, TheSubjectBoxTakesNoMoreThanFortyGbkBytes)
{
    openTable(QStringLiteral("dingweixiao"), 0);
    doubleClickCell(0, 0);
    auto *subject = topLevel<query::Tfrm_cxjg>("frm_cxjg")->findChild<QLineEdit *>(QStringLiteral("E_zt"));
    subject->clear();
    const auto type = [subject](const QString &text) {
        for (QChar ch : text) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(subject, &key);
        }
    };
    type(QString(25, QChar(0x6D4B))); // 测 x 25 = 50 bytes
    EXPECT_EQ(subject->text(), QString(20, QChar(0x6D4B)));
    type(QStringLiteral("a"));
    EXPECT_EQ(subject->text().size(), 20);
}

struct FilterCase {
    const char *name;
    QString field, op, value;
    std::vector<QString> rows;
    bool message;
};

TEST_F(TablePageTest, FilterCases)
{
    const QString all[] = { QStringLiteral(">3~6"), QStringLiteral(">6~10"), QStringLiteral(">10~18") };
    const std::vector<FilterCase> cases = {
        { "numeric equal", QStringLiteral("H|高度"), QStringLiteral("="), QStringLiteral("12"), { all[2] }, false },
        { "numeric at least", QStringLiteral("H|高度"), QStringLiteral(">="), QStringLiteral(" 10 "),
            { all[1], all[2] }, false },
        { "numeric below", QStringLiteral("H|高度"), QStringLiteral("<"), QStringLiteral("10.5"), { all[0] }, false },
        { "text equal", QStringLiteral("公差带"), QStringLiteral("="), QStringLiteral("f7"), { all[1], all[2] },
            false },
        { "text order", QStringLiteral("D"), QStringLiteral(">"), QStringLiteral(">3~6"), { all[1] }, false },
        { "other operator keeps all", QStringLiteral("D"), QStringLiteral("<>"), QStringLiteral("x"),
            { all[0], all[1], all[2] }, false },
        { "not a number", QStringLiteral("H|高度"), QStringLiteral("="), QStringLiteral("abc"),
            { all[0], all[1], all[2] }, true },
        { "memo field", QStringLiteral("说明"), QStringLiteral("="), QStringLiteral("短销"), { all[0], all[1], all[2] },
            true },
    };
    openTable(QStringLiteral("dingweixiao"), 2);
    for (const FilterCase &c : cases) {
        messages.clear();
        window().findChild<QToolButton *>(QStringLiteral("ToolButton8"))->defaultAction()->trigger();
        auto *find = topLevel<QWidget>("frm_find");
        auto *fields = find->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        fields->setCurrentIndex(fields->findText(c.field));
        find->findChild<QComboBox *>(QStringLiteral("ComboBox2"))->setEditText(c.op);
        find->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(c.value);
        find->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        EXPECT_EQ(column(0), c.rows) << c.name;
        // One message for the whole table, however many records fail.
        EXPECT_EQ(messageTexts().size(), c.message ? 1u : 0u) << c.name;
        if (c.message) {
            EXPECT_EQ(messageTexts()[0], QStringLiteral("查询条件不对或所选的字段不支持查询"));
        }
        find->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        EXPECT_EQ(gridRows(), 3) << c.name << ": 撤销查询 shows every record again";
        find->close();
    }
}

TEST_F(TablePageTest, TheConditionOutlivesTheDialogThatSetIt)
{
    openTable(QStringLiteral("dingweixiao"), 2);
    window().findChild<QToolButton *>(QStringLiteral("ToolButton8"))->defaultAction()->trigger();
    auto *find = topLevel<QWidget>("frm_find");
    find->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setCurrentIndex(1);
    find->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("g6"));
    find->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    find->findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    page()->setFilterOn(true);
    EXPECT_EQ(column(0), (std::vector<QString> { QStringLiteral(">3~6") }));
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(TablePageTest, ASecondTablePageReplacesTheWorkingTableAndClosesTheFirstPagesResults)
{
    openTable(QStringLiteral("dingweixiao"), 0);
    doubleClickCell(0, 0);
    QPointer<QWidget> firstResult = topLevel<QWidget>("frm_cxjg");
    ASSERT_TRUE(firstResult);
    openTable(QStringLiteral("mocha"), 0, QStringLiteral("摩擦系数"), 213);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(firstResult);
    EXPECT_EQ(column(0), (std::vector<QString> { QStringLiteral("光滑加工面"), QStringLiteral("网纹槽") }));
    store::Table work;
    work.setPath(appDir / "dat", "aaa.db");
    work.open();
    EXPECT_EQ(work.field(0).name, "表面状况");
}

TEST_F(TablePageTest, ATableWithoutItsMemberOrWithoutAKeyLeavesTheGridEmpty)
{
    for (const QString &key : { QStringLiteral("nosuchtable"), QString() }) {
        openTable(QStringLiteral("dingweixiao"), 0);
        openTable(key, 0);
        EXPECT_FALSE(page()->tableOpen()) << key.toStdString();
        EXPECT_EQ(gridRows(), 0);
        page()->DBGrid1DblClick();
        EXPECT_EQ(topLevel<QWidget>("frm_cxjg"), nullptr);
    }
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(TablePageTest, AClosedTableLeftInViewShowsNothingAndEveryCommandDoesNothing)
{
    openTable(QStringLiteral("dingweixiao"), 0);
    // A page code without a page of its own keeps the table page in view.
    window().ShowPage(7);
    EXPECT_EQ(window().currentPageName(), QStringLiteral("Pic_Dbgrid"));
    EXPECT_EQ(gridRows(), 0);
    page()->DBGrid1DblClick();
    EXPECT_EQ(topLevel<QWidget>("frm_cxjg"), nullptr);

    // Dialogs opened while the table page was shown stay open.
    auto *find = new query::Tfrm_find(context(), &window());
    find->show();
    EXPECT_EQ(find->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->count(), 0);
    find->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setEditText(QStringLiteral("D"));
    find->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("x"));
    find->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    find->findChild<QPushButton *>(QStringLiteral("Button1"))->click();

    auto *search = new query::Tfrm_search(context(), &window());
    search->show();
    search->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("f7"));
    search->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    search->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
    EXPECT_TRUE(messageTexts().empty());
    EXPECT_EQ(gridRows(), 0);
}

} // namespace
} // namespace holvane::test
