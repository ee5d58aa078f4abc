#include "calculator/calculatorfixture.h"
#include "calculator/calculatorregistration.h"
#include "calculator/resultrounding.h"
#include "calculator/valuerelations.h"
#include "formula/numberformat.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

using calculator::Tjsform;

class Calculator : public CalculatorFixture {
protected:
    QString label() { return calc().findChild<QLabel *>(QStringLiteral("TeThemeLabel1"))->text(); }
    QString cell(int col, int row) { return grid().cellText(col, row); }
};

TEST_F(Calculator, PressureFormulaListsItsVariablesAndComputes)
{
    selectFormula(2);
    EXPECT_EQ(cell(0, 0), QStringLiteral("计算公式P="));
    EXPECT_EQ(cell(1, 0), QStringLiteral("F/A"));
    EXPECT_EQ(label(), QStringLiteral("结果:P="));
    EXPECT_EQ(cell(0, 1), QStringLiteral("F"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("A"));
    EXPECT_EQ(cell(0, 3), QString());
    EXPECT_FALSE(calc().findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().isNull());
    EXPECT_FALSE(calc().findChild<QLabel *>(QStringLiteral("DBImage2"))->pixmap().isNull());

    setValues({ QStringLiteral("6"), QStringLiteral("4") });
    auto *save = calc().findChild<QPushButton *>(QStringLiteral("TeThemeSpeedButton17"));
    EXPECT_FALSE(save->isEnabled());
    click("TeThemeSpeedButton21");
    EXPECT_EQ(text("TeThemeEdit1"), QStringLiteral("1.5"));
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(Calculator, LibraryPictureIsDescrambled)
{
    selectFormula(2);
    const QImage shown = calc().findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().toImage();
    // The drawn formula pictures are white around the drawing; scrambled
    // pixels would be noise.
    EXPECT_EQ(QColor(shown.pixel(2, 2)), QColor(Qt::white));
}

TEST_F(Calculator, FormulaWithoutEqualsHasNoResultName)
{
    addUserFormula(12, "无等号", "a+b");
    selectFormula(12);
    EXPECT_EQ(cell(0, 0), QStringLiteral("计算公式"));
    EXPECT_EQ(cell(1, 0), QStringLiteral("a+b"));
    EXPECT_EQ(label(), QStringLiteral("结果:"));
}

TEST_F(Calculator, TwentyVariablesListNineteenAndCannotBeBound)
{
    std::string formula = "s=v1";
    for (int i = 2; i <= 20; ++i)
        formula += "+v" + std::to_string(i);
    addUserFormula(12, "二十个变量", formula);
    selectFormula(12);
    EXPECT_EQ(cell(0, 19), QStringLiteral("v19"));
    std::vector<QString> values(19, QStringLiteral("1"));
    setValues(values);
    click("TeThemeSpeedButton21");
    EXPECT_EQ(messageTexts(), std::vector<QString> { QStringLiteral("请给所有变量赋值！") });
    EXPECT_EQ(text("TeThemeEdit1"), QString());
}

TEST_F(Calculator, EachWindowComputesInItsOwnAngleUnit)
{
    selectFormula(3);
    setValues({ QStringLiteral("30") });
    calc().findChild<QRadioButton *>(QStringLiteral("RadioButton2"))->setChecked(true);
    click("TeThemeSpeedButton21");
    EXPECT_EQ(text("TeThemeEdit1"), QStringLiteral("-0.988"));

    // A second window starts in degrees; the first one keeps its radians.
    Tjsform &second = openAnother();
    selectFormula(3, &second);
    setValues({ QStringLiteral("30") }, &second);
    click("TeThemeSpeedButton21", &second);
    EXPECT_EQ(text("TeThemeEdit1", &second), QStringLiteral("0.5"));
    click("TeThemeSpeedButton21");
    EXPECT_EQ(text("TeThemeEdit1"), QStringLiteral("-0.988"));
}

TEST(ResultRounding, ThreeDecimalsHalvesToEven)
{
    const std::pair<double, const char *> cases[] = { { 2.0 / 3.0, "0.667" }, { 1.0625, "1.062" }, { 1.1875, "1.188" },
        { 12.3456, "12.346" }, { -2.5e-4, "0" }, { 1.5, "1.5" } };
    for (const auto &[value, shown] : cases)
        EXPECT_EQ(calculator::RoundedText(value, 1000), shown) << value;
    EXPECT_THROW(calculator::RoundedText(1e17, 1000), formula::ArithmeticError);
}

TEST_F(Calculator, QuotientIsRoundedAndOverflowIsRefused)
{
    addUserFormula(12, "商", "q=a/b");
    selectFormula(12);
    setValues({ QStringLiteral("2"), QStringLiteral("3") });
    click("TeThemeSpeedButton21");
    EXPECT_EQ(text("TeThemeEdit1"), QStringLiteral("0.667"));
    setValues({ QStringLiteral("1E300"), QStringLiteral("1E-300") });
    click("TeThemeSpeedButton21");
    EXPECT_EQ(text("TeThemeEdit1"), QString());
    EXPECT_EQ(messageTexts(), std::vector<QString> { QStringLiteral("输入数值超出计算范围，请重新输入!") });
}

TEST_F(Calculator, ValueRelationsAreCheckedBeforeTheBinding)
{
    selectFormula(6); // S=D-d, D>d
    const struct {
        const char *D;
        const char *d;
        const char *result;
        const char *message;
    } cases[] = {
        { "10", "12", "", "数值输入关系错误，请检查后重新输入！" },
        { "12", "12", "0", nullptr },
        { "15", "12", "3", nullptr },
        { "", "12", "", "输入数值超出计算范围，请重新输入!" },
    };
    for (const auto &c : cases) {
        messages.clear();
        setValues({ QString::fromUtf8(c.D), QString::fromUtf8(c.d) });
        click("TeThemeSpeedButton21");
        EXPECT_EQ(text("TeThemeEdit1"), QString::fromUtf8(c.result)) << c.D << " " << c.d;
        EXPECT_EQ(
            messageTexts(), c.message ? std::vector<QString> { QString::fromUtf8(c.message) } : std::vector<QString> {})
            << c.D << " " << c.d;
    }
}

TEST(ValueRelations, GroupsMustNotIncreaseToTheRight)
{
    const std::map<std::string, double> values = { { "D", 10 }, { "d", 8 }, { "d1", 9 }, { "L", 5 }, { "l", 5 } };
    const auto valueOf = [&](const std::string &name) {
        const auto it = values.find(name);
        return it == values.end() ? 0.0 : it->second;
    };
    EXPECT_TRUE(calculator::RelationsHold("D>d,L>l", valueOf));
    EXPECT_FALSE(calculator::RelationsHold("D>d>d1", valueOf));
    EXPECT_TRUE(calculator::RelationsHold("D>d1>unknown", valueOf));
    EXPECT_FALSE(calculator::RelationsHold("unknown>L", valueOf));
}

TEST_F(Calculator, IndexLocatesAndShowsOnlyOnceTheTreeFollows)
{
    auto *tabs = calc().findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    tabs->setCurrentIndex(1);
    auto *keyword = calc().findChild<QLineEdit *>(QStringLiteral("Edit1"));
    keyword->setText(QStringLiteral(" 阶梯"));
    EXPECT_EQ(calc().formulaTable().text("公式名"), "阶梯轴直径");
    EXPECT_EQ(cell(1, 0), QString()); // no tree node expanded yet

    auto *index = calc().findChild<QTableView *>(QStringLiteral("DBGrid1"));
    const QModelIndex row = index->model()->index(calc().formulaTable().recNo(), 0);
    emit index->clicked(row);
    EXPECT_EQ(cell(1, 0), QStringLiteral("D-d"));

    tabs->setCurrentIndex(0);
    auto *tree = calc().findChild<QTreeView *>(QStringLiteral("DCInfoTree1"));
    tree->expand(tree->model()->index(0, 0));
    ASSERT_TRUE(calc().CalcTreeFollow);
    tabs->setCurrentIndex(1);
    keyword->setText(QStringLiteral("压"));
    EXPECT_EQ(cell(1, 0), QStringLiteral("F/A"));
}

TEST_F(Calculator, IndexHidesRecordsWithoutAName)
{
    addUserFormula(12, "", "z=1");
    calc().findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    auto *index = calc().findChild<QTableView *>(QStringLiteral("DBGrid1"));
    const int named = index->model()->rowCount();
    EXPECT_EQ(named, calc().formulaTable().recordCount());
    EXPECT_EQ(index->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("索引结果"));
    for (int i = 0; i < index->model()->rowCount(); ++i)
        EXPECT_FALSE(index->model()->index(i, 0).data().toString().isEmpty());
    calc().findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
    EXPECT_EQ(calc().formulaTable().recordCount(), named + 1);
}

TEST_F(Calculator, TypingFilterDropsLettersInTheEntryAndTheGrid)
{
    auto *entry = calc().findChild<QLineEdit *>(QStringLiteral("TeThemeEdit2"));
    QTest::keyClicks(entry, QStringLiteral("-1.5a"));
    EXPECT_EQ(entry->text(), QStringLiteral("-1.5"));
    EXPECT_EQ(messageTexts(), std::vector<QString> { QStringLiteral("请输入数字！") });

    messages.clear();
    selectFormula(2);
    // The grid's value editors go through the same filter.
    std::unique_ptr<QWidget> editor(
        grid().itemDelegate()->createEditor(grid().viewport(), QStyleOptionViewItem(), grid().model()->index(1, 1)));
    auto *line = qobject_cast<QLineEdit *>(editor.get());
    ASSERT_NE(line, nullptr);
    QTest::keyClicks(line, QStringLiteral("7x"));
    EXPECT_EQ(line->text(), QStringLiteral("7"));
    EXPECT_EQ(messageTexts(), std::vector<QString> { QStringLiteral("请输入数字！") });
}

TEST_F(Calculator, GridMenuCopiesPastesAndDeletesWithinTheHistoryFieldsWidth)
{
    selectFormula(2);
    const auto trigger
        = [this](const char *action) { grid().findChild<QAction *>(QString::fromLatin1(action))->trigger(); };
    // Every way into a value cell opens its editor; the menu acts on it.
    const auto editor = [this] { return qobject_cast<QLineEdit *>(grid().indexWidget(grid().currentIndex())); };
    grid().setCellText(1, 1, QStringLiteral("6"));
    grid().setCurrentCell(1, 1);
    ASSERT_NE(editor(), nullptr);
    trigger("copyCell");
    EXPECT_EQ(desktop.clipboardText(), QStringLiteral("6"));
    grid().setCurrentCell(2, 1);
    trigger("pasteCell");
    EXPECT_EQ(editor()->text(), QStringLiteral("6"));
    trigger("deleteCell");
    EXPECT_EQ(editor()->text(), QString());

    // A value longer than 数值's 160 bytes is not pasted, and the user is told.
    editor()->setText(QStringLiteral("12"));
    desktop.setClipboardText(QString(158, QLatin1Char('3')));
    trigger("pasteCell");
    EXPECT_EQ(editor()->text(), QStringLiteral("12") + QString(158, QLatin1Char('3')));
    desktop.setClipboardText(QStringLiteral("4"));
    trigger("pasteCell");
    EXPECT_EQ(editor()->text().size(), 160);
    // Pasting over the whole text counts only what stays.
    editor()->selectAll();
    desktop.setClipboardText(QString(160, QLatin1Char('5')));
    trigger("pasteCell");
    EXPECT_EQ(editor()->text(), QString(160, QLatin1Char('5')));
    EXPECT_EQ(messageTexts(), std::vector<QString> { QStringLiteral("粘贴的数值超过 160 个字节，未粘贴！") });
}

TEST_F(Calculator, DoubleClickZoomsTheFormulaPicture)
{
    selectFormula(2);
    auto *picture = calc().findChild<QLabel *>(QStringLiteral("Image2"));
    QTest::mouseDClick(picture, Qt::LeftButton);
    auto *zoom = calc().findChild<QDialog *>(QStringLiteral("FrmZoom2"));
    ASSERT_NE(zoom, nullptr);
    EXPECT_TRUE(zoom->isVisible());
    EXPECT_EQ(zoom->windowTitle(), QStringLiteral("公式说明放大图"));
    const QSize natural = zoom->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().size();
    EXPECT_EQ(natural.width(), 400); // the picture whole, not the fitted view
    EXPECT_EQ(zoom->size(), QSize(natural.width() + 9, natural.height() + 23));
    zoom->close();

    auto *diagram = calc().findChild<QLabel *>(QStringLiteral("DBImage2"));
    ASSERT_FALSE(diagram->pixmap().isNull());
    QTest::mouseDClick(diagram, Qt::LeftButton);
    EXPECT_TRUE(zoom->isVisible());
    EXPECT_EQ(zoom->windowTitle(), QStringLiteral("图形说明放大"));
    zoom->close();
}

TEST_F(Calculator, HelpMenuOpensTheHelpDocumentAndTheAboutBox)
{
    calc().findChild<QAction *>(QStringLiteral("CustomItem7"))->trigger();
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(
        desktop.opened[0].toLocalFile(), QString::fromStdString((appDir / "help" / "工程计算器.html").u8string()));
    calc().findChild<QAction *>(QStringLiteral("CustomItem8"))->trigger();
    auto *about = calc().findChild<QDialog *>(QStringLiteral("Form3"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("关于"));
    EXPECT_EQ(about->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("工程计算器V1.0"));
    about->close();
}

TEST_F(Calculator, MenuItemOfTheMainWindowOpensCalculators)
{
    calculator::registerCalculatorWindow(context());
    auto *item = window().findChild<QAction *>(QStringLiteral("N_jsq"));
    ASSERT_NE(item, nullptr);
    item->trigger();
    item->trigger();
    QApplication::processEvents();
    const auto opened = window().findChildren<Tjsform *>();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened[0]->isVisible());
    EXPECT_EQ(opened[0]->windowTitle(), QStringLiteral("工程计算器"));
}

} // namespace
} // namespace holvane::test
