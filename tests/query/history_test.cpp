#include "app/appfixture.h"
#include "query/resulthistory.h"
#include "query/tfrm_cxls.h"
#include "text/gbk.h"

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>

namespace holvane::test {
namespace {

const QString kAll = QStringLiteral("所有记录");
const QString kRule = QString(43, QLatin1Char('-'));

class HistoryWindowTest : public AppFixture {
protected:
    void open()
    {
        history = new query::Tfrm_cxls(context(), &window());
        history->setAttribute(Qt::WA_DeleteOnClose);
        history->show();
        QApplication::processEvents();
    }
    void save(const char *subject, const char *result)
    {
        query::saveResult(context(), QString::fromUtf8(subject), QStringLiteral("双击"), QString::fromUtf8(result));
    }
    QComboBox *subjects() { return history->findChild<QComboBox *>(QStringLiteral("ComboBox1")); }
    QStringList subjectItems()
    {
        QStringList items;
        for (int i = 0; i < subjects()->count(); ++i)
            items << subjects()->itemText(i);
        return items;
    }
    int rows() { return history->findChild<QTableView *>(QStringLiteral("DBGrid1"))->model()->rowCount(); }
    QPlainTextEdit *work() { return history->findChild<QPlainTextEdit *>(QStringLiteral("Memo1")); }
    void click(const char *name)
    {
        QWidget *w = history->findChild<QWidget *>(QString::fromLatin1(name));
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            b->click();
        else
            ADD_FAILURE() << name;
    }
    QString file(const char *name) { return QString::fromStdString((temp / name).string()); }

    query::Tfrm_cxls *history = nullptr;
};

TEST_F(HistoryWindowTest, AnEmptyTableListsAnEmptySubjectAndAllRecords)
{
    window();
    open();
    EXPECT_EQ(subjectItems(), (QStringList { QString(), kAll }));
    EXPECT_EQ(subjects()->currentText(), kAll);
    EXPECT_EQ(rows(), 0);
}

TEST_F(HistoryWindowTest, SubjectsAreListedOnceAndFilterTheRecords)
{
    window();
    save("定位销尺寸", "a");
    save("摩擦系数", "b");
    save("定位销尺寸", "c");
    open();
    EXPECT_EQ(subjectItems(), (QStringList { QStringLiteral("定位销尺寸"), QStringLiteral("摩擦系数"), kAll }));
    EXPECT_EQ(rows(), 3);
    subjects()->setCurrentIndex(0);
    EXPECT_EQ(rows(), 2);
    subjects()->setCurrentIndex(1);
    EXPECT_EQ(rows(), 1);
    subjects()->setCurrentIndex(2);
    EXPECT_EQ(rows(), 3);
}

TEST_F(HistoryWindowTest, ImportAddsTheTextBetweenRulesEachTimeAndNothingForAnEmptyText)
{
    window();
    save("甲", "");
    save("乙", "结果一\n结果二");
    open();
    history->T_cx().first();
    click("SpeedButton1");
    EXPECT_EQ(work()->toPlainText(), QString());
    history->T_cx().next();
    click("SpeedButton1");
    click("SpeedButton1");
    const QString once = QStringLiteral("    \n") + kRule + QStringLiteral("\n结果一\n结果二\n") + kRule;
    EXPECT_EQ(work()->toPlainText(), once + QStringLiteral("\n") + once);
}

TEST_F(HistoryWindowTest, EmptyingAsksFirst)
{
    window();
    save("甲", "x");
    open();
    messages.answerNext(false);
    click("SpeedButton2");
    EXPECT_EQ(rows(), 1);
    messages.answerNext(true);
    click("SpeedButton2");
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(subjects()->count(), 0);
    EXPECT_EQ(subjects()->currentText(), kAll);
    EXPECT_EQ(messageTexts(), (std::vector<QString>(2, QStringLiteral("您真的要清空所有记录吗?"))));
}

TEST_F(HistoryWindowTest, WorkingTextFiles)
{
    window();
    open();
    // Nothing to save: no file is asked for.
    desktop.nextSaveName = file("unused");
    click("BitBtn4");
    EXPECT_EQ(desktop.nextSaveName, file("unused"));

    // "另存为" starts in the program's folder, adds the default extension and
    // writes UTF-8.
    const QString programFolder = QString::fromStdString(appDir.u8string());
    work()->setPlainText(QStringLiteral("第一行\n第二行"));
    desktop.nextSaveName = file("picks");
    click("BitBtn5");
    EXPECT_EQ(desktop.lastStartDir, programFolder);
    EXPECT_EQ(readFile(temp / "picks.rst"), "第一行\n第二行\n");

    // A GBK file opens (the dialog starting in the program's folder too);
    // "保存" then writes back to it.
    writeFile(temp / "old.txt", text::toGbk("旧文件\n"));
    desktop.nextOpenName = file("old.txt");
    desktop.lastStartDir.clear();
    click("BitBtn7");
    EXPECT_EQ(desktop.lastStartDir, programFolder);
    EXPECT_EQ(work()->toPlainText(), QStringLiteral("旧文件\n"));
    work()->appendPlainText(QStringLiteral("新行"));
    click("BitBtn4");
    EXPECT_EQ(readFile(temp / "old.txt"), "旧文件\n\n新行\n");

    // After "清空" the text belongs to no file: "保存" asks for a name.
    click("BitBtn6");
    work()->setPlainText(QStringLiteral("另一段"));
    desktop.nextSaveName = file("other.rst");
    click("BitBtn4");
    EXPECT_EQ(readFile(temp / "other.rst"), "另一段\n");
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(HistoryWindowTest, AFileOfManyLinesOpensAndSavesBackUnchanged)
{
    window();
    open();
    std::string lines;
    for (int i = 0; i < 3000; ++i)
        lines += "第" + std::to_string(i) + "行\n";
    writeFile(temp / "long.rst", lines);
    desktop.nextOpenName = file("long.rst");
    click("BitBtn7");
    EXPECT_EQ(work()->toPlainText().toStdString(), lines);
    EXPECT_LT(work()->document()->blockCount(), 100);
    click("BitBtn4");
    EXPECT_EQ(readFile(temp / "long.rst"), lines);
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(HistoryWindowTest, AFileThatCannotBeReadOrWrittenLeavesTheTextAsItWas)
{
    window();
    open();
    work()->setPlainText(QStringLiteral("保留"));
    desktop.nextSaveName = file("no/such/folder/a.rst");
    click("BitBtn5");
    desktop.nextOpenName = file("missing.rst");
    click("BitBtn7");
    EXPECT_EQ(work()->toPlainText(), QStringLiteral("保留"));
    ASSERT_EQ(messageTexts().size(), 2u);
    EXPECT_TRUE(messageTexts()[0].startsWith(QStringLiteral("无法写入文件")));
    EXPECT_TRUE(messageTexts()[1].startsWith(QStringLiteral("无法读取文件")));
    // The failed "另存为" gave the text no file: "保存" still asks.
    desktop.nextSaveName = file("b.rst");
    click("BitBtn4");
    EXPECT_EQ(readFile(temp / "b.rst"), "保留\n");
}

TEST_F(HistoryWindowTest, CloseLeavesTheTableClosedAndTheListEmpty)
{
    window();
    save("甲", "x");
    open();
    QPointer<query::Tfrm_cxls> watched = history;
    store::Table *table = &history->T_cx();
    EXPECT_TRUE(table->isOpen());
    click("BitBtn2");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(watched);
}

} // namespace
} // namespace holvane::test
