#include "designfixture.h"

#include "app/tmainform.h"
#include "design/calcstage.h"
#include "design/designregistration.h"
#include "design/members.h"
#include "store/table.h"

#include "design/parametergrid.h"
#include <QApplication>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

namespace holvane::test {
namespace {

using design::MemberConfig;
using design::StageConfig;

// An item table laid out as the stage reads it, with one item, and its
// reference tables with one record each.
void createStageTables(const std::filesystem::path &dir, const StageConfig &stage, const std::string &table)
{
    std::vector<store::FieldDef> fields;
    const auto add = [&](const std::string &name, store::FieldType type) {
        for (const store::FieldDef &f : fields)
            if (f.name == name)
                return;
        fields.push_back({ name, type, type == store::FieldType::Text ? 60 : 0 });
    };
    const std::string formulaField = stage.formulaField.empty() ? "计算公式" : stage.formulaField;
    for (const design::ColumnConfig &column : stage.columns)
        add(column.field, store::FieldType::Text);
    for (const design::CategoryLine &line : stage.category.lines)
        if (!line.field.empty())
            add(line.field, store::FieldType::Text);
    while (stage.formulaPosition > 0 && static_cast<int>(fields.size()) < stage.formulaPosition)
        add("字段" + std::to_string(fields.size()), store::FieldType::Text);
    if (stage.formulaPosition >= 0 && static_cast<int>(fields.size()) > stage.formulaPosition)
        fields.insert(fields.begin() + stage.formulaPosition, { formulaField, store::FieldType::Text, 120 });
    else
        add(formulaField, store::FieldType::Text);
    for (const design::PictureConfig &picture : stage.pictures)
        if (!picture.field.empty())
            add(picture.field, store::FieldType::Graphic);
    for (const design::TextMemoConfig &memo : stage.memos)
        add(memo.field, store::FieldType::Memo);
    add("初始值", store::FieldType::Memo);
    // The fixture's own tables of the complete members give way to the
    // one-item table.
    std::filesystem::remove(dir / table);
    {
        store::Table::create(dir, table, fields);
        store::Table t;
        t.setPath(dir, table);
        t.open();
        t.append();
        t.setText(formulaField, "W=a+b");
        t.setText("初始值", "1\n2");
        t.post();
        t.close();
    }
    for (const design::ReferenceConfig &reference : stage.references)
        if (!std::filesystem::exists(dir / reference.table))
            store::Table::create(dir, reference.table, { { "值", store::FieldType::Text, 20 } });
}

class MemberWindows : public DesignFixture { };

// Every member beyond the two complete ones: the window is created, each
// stage it reaches without its own hook opens over a one-item table, lists
// the item's variables and closes again.
TEST_F(MemberWindows, EveryStageOpensListsAndCloses)
{
    for (const MemberConfig &member : design::designMembers()) {
        SCOPED_TRACE(member.window);
        for (const StageConfig &stage : member.stages)
            if (!stage.table.empty())
                createStageTables(appDir / "sjdata", stage, stage.table);
        open(member.window.c_str());
        EXPECT_EQ(frame().windowTitle(), QString::fromStdString(member.caption));
        EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
        click("BitBtn1");
        for (const StageConfig &stage : member.stages) {
            if (stage.table.empty())
                continue;
            SCOPED_TRACE(stage.page);
            if (!frame().StageOpen())
                click(stage.itemButton.c_str());
            EXPECT_EQ(currentPage(), QString::fromStdString(stage.page));
            EXPECT_EQ(rows(stage.grid.c_str()),
                (std::vector<std::pair<QString, QString>> {
                    { QString::fromStdString(member.formulaLabel + "W="), "a+b" }, { "参数:a", "1" },
                    { "参数:b", "2" } }));
            click(stage.itemButton.c_str());
            EXPECT_EQ(currentPage(), QStringLiteral("First_Page"));
            EXPECT_FALSE(frame().stagePage(stage.page)->itemTable().isOpen());
        }
        click("SB_Close");
        EXPECT_TRUE(messageTexts().empty()) << messageTexts().front().toStdString();
    }
}

TEST_F(MemberWindows, LiftCoefficientPickerFillsOnlyTheLowerCaseRow)
{
    const MemberConfig &plate = *design::memberByWindow("TF_Gouxingyaban");
    std::filesystem::remove(appDir / "sjdata" / "B1-2-28-1.DB");
    createStageTables(appDir / "sjdata", plate.stages.front(), "B1-2-28.DB");
    setItem("B1-2-28.DB", 0, "计算公式", "W=k*K", "1\n2");
    store::Table lift;
    lift.setPath(appDir / "sjdata", "B1-2-28-1.DB");
    lift.open();
    lift.append();
    lift.setText("值", "0.25");
    lift.post();
    lift.close();
    open("TF_Gouxingyaban");
    click("BitBtn1");
    auto *view = part<QTableView>("DBGridEh1");
    ASSERT_NE(view, nullptr);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 0)).center());
    EXPECT_EQ(rows("StringGrid1"),
        (std::vector<std::pair<QString, QString>> { { "公式：W=", "k*K" }, { "参数:k", "0.25" }, { "参数:K", "2" } }));
}

TEST_F(MemberWindows, PositioningGridTakesOnlyNumbers)
{
    const MemberConfig &vblock = *design::memberByWindow("TVXK_Form");
    createStageTables(appDir / "sjdata", vblock.stages.front(), "T1-1-5.db");
    open("TVXK_Form");
    click("BitBtn1");
    design::ParameterGrid &g = grid("StringGrid1");
    g.setCurrentCell(1, 1);
    g.editItem(g.item(1, 1));
    auto *editor = g.viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("x-1.5"));
    EXPECT_EQ(editor->text(), QStringLiteral("-1.5"));
    EXPECT_EQ(messageTexts(), std::vector<QString> { QStringLiteral("请输入数字！") });
}

// The main window creates the calculators anew inside its page area.
TEST_F(MemberWindows, MainWindowEmbedsTheCalculator)
{
    design::registerDesignCalculators(context().pages());
    window();
    selectNode(41);
    QWidget *first = window().calculatorWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->objectName(), QStringLiteral("TF_Jiajinli"));
    EXPECT_NE(qobject_cast<design::DesignCalculatorFrame *>(first), nullptr);
    EXPECT_TRUE(first->isVisible());

    window().openCalculatorFromMenu("TF_Xiexiejiajin");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QWidget *second = window().calculatorWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->objectName(), QStringLiteral("TF_Xiexiejiajin"));

    second->findChild<QAbstractButton *>(QStringLiteral("SB_Close"))->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window().calculatorWindow(), nullptr);
}

} // namespace
} // namespace holvane::test
