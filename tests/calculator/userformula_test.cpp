#include "calculator/calculatorfixture.h"
#include "calculator/tfrmnr.h"
#include "store/table.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

using calculator::TfrmNr;

class UserFormulas : public CalculatorFixture {
protected:
    QString bitmap(const char *name, QColor colour)
    {
        QImage image(40, 30, QImage::Format_RGB888);
        image.fill(colour);
        const QString path = QString::fromStdString((temp / name).string());
        image.save(path, "BMP");
        return path;
    }
    TfrmNr &entry()
    {
        if (!m_entry) {
            calc().findChild<QAction *>(QStringLiteral("CustomItem1"))->trigger();
            m_entry = calc().findChild<TfrmNr *>();
        }
        return *m_entry;
    }
    void type(const QString &name, const QString &expression)
    {
        entry().findChild<QLineEdit *>(QStringLiteral("TeThemeEdit2"))->setText(name);
        entry().findChild<QLineEdit *>(QStringLiteral("TeThemeEdit1"))->setText(expression);
    }
    void choose(bool diagram, bool picture)
    {
        if (picture) {
            desktop.nextOpenName = bitmap("picture.bmp", Qt::red);
            entry().TeThemeButton5Click();
        }
        if (diagram) {
            desktop.nextOpenName = bitmap("diagram.bmp", Qt::blue);
            entry().TeThemeButton1Click();
        }
    }
    void enter(bool yes = true)
    {
        messages.answerNext(yes);
        entry().TeThemeButton2Click();
    }
    void deleteSelected(bool yes = true)
    {
        messages.answerNext(yes);
        calc().findChild<QAction *>(QStringLiteral("CustomItem9"))->trigger();
    }

    void closeEntry()
    {
        entry().close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_entry = nullptr;
    }

private:
    TfrmNr *m_entry = nullptr;
};

TEST_F(UserFormulas, EnteredFormulaJoinsTheUserCategory)
{
    TfrmNr &nr = entry();
    EXPECT_FALSE(calc().formulaTable().isOpen()); // closed while the entry is open
    EXPECT_EQ(nr.diagramPath(), QStringLiteral("222"));
    EXPECT_EQ(nr.picturePath(), QStringLiteral("223"));
    type(QStringLiteral("表面压强"), QStringLiteral("P=F/A"));
    choose(true, true);
    enter();
    EXPECT_EQ(messageTexts(), std::vector<QString> { QStringLiteral("您确定要录入吗？") });
    EXPECT_EQ(userFormulaIds(), (std::vector<long long> { 11, 12 }));
    EXPECT_EQ(nr.diagramPath(), QStringLiteral("222"));
    EXPECT_EQ(nr.picturePath(), QStringLiteral("223"));
    EXPECT_EQ(nr.findChild<QLineEdit *>(QStringLiteral("TeThemeEdit2"))->text(), QStringLiteral("表面压强"));

    nr.findChild<QPushButton *>(QStringLiteral("TeThemeButton4"))->click();
    QApplication::processEvents();
    ASSERT_TRUE(calc().formulaTable().isOpen());
    selectFormula(12);
    EXPECT_EQ(calc().formulaTable().text("Gongshi"), "P=F/A");
    EXPECT_EQ(grid().cellText(0, 1), QStringLiteral("F"));
    EXPECT_EQ(grid().cellText(0, 2), QStringLiteral("A"));
    const QImage shown = calc().findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().toImage();
    EXPECT_EQ(QColor(shown.pixel(1, 1)), QColor(Qt::red));
    const QImage diagram = calc().findChild<QLabel *>(QStringLiteral("DBImage2"))->pixmap().toImage();
    EXPECT_EQ(QColor(diagram.pixel(1, 1)), QColor(Qt::blue));
    auto *tree = calc().findChild<QTreeView *>(QStringLiteral("DCInfoTree1"));
    EXPECT_EQ(tree->currentIndex().parent().data().toString(), QStringLiteral("用户公式"));
}

TEST_F(UserFormulas, AChosenPictureGoesToTheClipboardAndTheDialogStartsInTheProgramFolder)
{
    desktop.setClipboardText(QStringLiteral("旧内容"));
    desktop.nextOpenName = bitmap("picture.bmp", Qt::red);
    entry().TeThemeButton5Click();
    EXPECT_EQ(desktop.lastStartDir, QString::fromStdString(appDir.u8string()));
    EXPECT_EQ(QColor(desktop.clipboardImage().pixel(1, 1)), QColor(Qt::red));

    // A cancelled dialog leaves the clipboard emptied and the path unchosen.
    entry().TeThemeButton1Click();
    EXPECT_TRUE(desktop.clipboardImage().isNull());
    EXPECT_TRUE(desktop.clipboardText().isEmpty());
    EXPECT_EQ(entry().diagramPath(), QStringLiteral("222"));
}

TEST_F(UserFormulas, NameAndExpressionTakeNoMoreThanTheirFieldsGbkBytes)
{
    const auto typeInto = [this](const char *box, const QString &text) {
        auto *edit = entry().findChild<QLineEdit *>(QString::fromLatin1(box));
        for (QChar ch : text) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(edit, &key);
        }
        return edit->text();
    };
    // 公式名 holds 100 bytes: fifty Chinese characters, then nothing more.
    EXPECT_EQ(typeInto("TeThemeEdit2", QString(51, QChar(0x5706))), QString(50, QChar(0x5706)));
    EXPECT_EQ(typeInto("TeThemeEdit2", QStringLiteral("a")).size(), 50);
    // Gongshi holds 255 bytes.
    const QString expression = QStringLiteral("y=") + QString(253, QLatin1Char('a'));
    EXPECT_EQ(typeInto("TeThemeEdit1", expression + QStringLiteral("bc")), expression);
}

TEST_F(UserFormulas, EntryChecksInTheirOrder)
{
    addUserFormula(12, "Pressure", "p=f/a");
    const struct {
        const char *name;
        const char *expression;
        bool diagram;
        bool picture;
        const char *message;
    } cases[] = {
        { "压强", "P=F/A", true, true, "该公式已存在！" }, { "PRESSURE", "p=f/a", true, true, "该公式已存在！" },
        { "", "", true, true, "请先在上面的编辑框中按要求输入！" },
        { "面积", "", true, true, "请先在上面的编辑框中按要求输入！" },
        { "面积", "S=x长方形*b", true, true,
            "公式中的汉字变量名会被拆开（变量名过长或含有运算符字节），请改用较短的变量名！" },
        { "面积", "S=a*b", false, true, "您须要为此公式选择图形说明才可输入公式！" },
        { "面积", "S=a*b", true, false, "您须要为此公式选择参数说明图形才可输入公式！" },
        { "面积", "S=a*b", true, true, "您确定要录入吗？" }, // answered No
    };
    for (const auto &c : cases) {
        messages.clear();
        type(QString::fromUtf8(c.name), QString::fromUtf8(c.expression));
        choose(c.diagram, c.picture);
        enter(false);
        EXPECT_EQ(messageTexts(), std::vector<QString> { QString::fromUtf8(c.message) }) << c.name << c.expression;
        // Each case starts from a new window, with nothing chosen.
        closeEntry();
    }
    EXPECT_EQ(userFormulaIds(), (std::vector<long long> { 11, 12 }));
}

TEST_F(UserFormulas, ClearingKeepsTheChosenPictures)
{
    choose(true, true);
    type(QStringLiteral("面积"), QStringLiteral("S=a*b"));
    entry().TeThemeButton3Click();
    EXPECT_EQ(entry().findChild<QLineEdit *>(QStringLiteral("TeThemeEdit2"))->text(), QString());
    EXPECT_TRUE(entry().findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().isNull());
    type(QStringLiteral("面积"), QStringLiteral("S=a*b"));
    enter();
    EXPECT_EQ(userFormulaIds(), (std::vector<long long> { 11, 12 }));
}

TEST_F(UserFormulas, DeletingRenumbersTheUserFormulasAfterIt)
{
    addUserFormula(40, "四十", "a=1*x");
    addUserFormula(41, "四十一", "a=2*x");
    addUserFormula(42, "四十二", "a=3*x");
    // A library formula stored after the user formulas (a library extended
    // in place) keeps its number: only user formulas are renumbered.
    {
        store::Table table;
        table.setPath(appDir / "计算器" / "data", "cygs.DB");
        table.open();
        table.append();
        table.setValue("CID", store::Value(43));
        table.setValue("PID", store::Value(1));
        table.setText("公式名", "库中后加的公式");
        table.post();
    }
    calc().reloadFormulas();
    selectFormula(41);
    deleteSelected();
    EXPECT_EQ(messageTexts(), std::vector<QString> { QStringLiteral("您真的要删除该记录吗？") });
    EXPECT_EQ(userFormulaIds(), (std::vector<long long> { 11, 40, 41 }));
    selectFormula(41);
    EXPECT_EQ(calc().formulaTable().text("公式名"), "四十二");
    selectFormula(43);
    EXPECT_EQ(calc().formulaTable().text("公式名"), "库中后加的公式");
    selectFormula(6);
    EXPECT_EQ(calc().formulaTable().text("公式名"), "阶梯轴直径");
}

TEST_F(UserFormulas, OnlyUserFormulasCanBeDeleted)
{
    for (long long cid : { 1LL, 2LL }) {
        messages.clear();
        selectFormula(cid);
        deleteSelected(false);
        EXPECT_EQ(messageTexts(), std::vector<QString> { QStringLiteral("此公式不能被删除!") }) << cid;
    }
    selectFormula(11);
    deleteSelected(false);
    EXPECT_EQ(userFormulaIds(), std::vector<long long> { 11 });
}

TEST_F(UserFormulas, DeletingTheLastUserFormulaSaysSo)
{
    selectFormula(11);
    messages.clear();
    deleteSelected();
    EXPECT_EQ(messageTexts(),
        (std::vector<QString> { QStringLiteral("您真的要删除该记录吗？"), QStringLiteral("已无用户自定义公式！") }));
    EXPECT_TRUE(userFormulaIds().empty());
}

} // namespace
} // namespace holvane::test
