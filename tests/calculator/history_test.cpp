#include "calculator/calculatorfixture.h"
#include "calculator/tfrmreport.h"
#include "store/table.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class History : public CalculatorFixture {
protected:
    void computePressure()
    {
        selectFormula(2);
        setValues({ QStringLiteral("6"), QStringLiteral("4") });
        click("TeThemeSpeedButton21");
    }
    void saveAnswering(bool yes)
    {
        messages.answerNext(yes);
        click("TeThemeSpeedButton17");
    }
    void fillHistory(int rows)
    {
        store::Table table;
        table.setPath(appDir / "计算器" / "data", "计算结果.DB");
        table.open();
        for (int i = 0; i < rows; ++i) {
            table.append();
            table.setText("项目", "旧" + std::to_string(i));
            table.post();
        }
        table.close();
    }
    std::string reportText()
    {
        calculator::TFrmreport report(context());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = QString::fromStdString((temp / "report.pdf").string());
        printer.setOutputFileName(pdf);
        calculator::setReportPage(printer);
        report.printReport(printer);
        QProcess extract;
        extract.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
        EXPECT_TRUE(extract.waitForFinished(30000));
        // The CJK face shares glyphs between ideographs and radicals, so the
        // extracted text may name the radical (⽬ for 目); NFKC maps it back.
        return QString::fromUtf8(extract.readAllStandardOutput())
            .normalized(QString::NormalizationForm_KC)
            .toStdString();
    }
};

const Rows kPressureBlock(const std::string &date)
{
    return { { "公式名称", "压强", "i" }, { "公式", "F/A", "i" }, { "F", "6", "i" }, { "A", "4", "i" },
        { "计算结果", "1.5", "o" }, { "计算日期", date, "i" }, { std::string(10, '*'), std::string(49, '*'), "" } };
}

std::string today()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

TEST_F(History, SaveAppendsTheBlockAndDisablesItself)
{
    computePressure();
    saveAnswering(true);
    EXPECT_EQ(historyRows(), kPressureBlock(today()));
    EXPECT_EQ(messageTexts(),
        std::vector<QString> { QStringLiteral("您是否要保存到历史计算结果表？") + QString(24, QLatin1Char(' ')) });
    EXPECT_EQ(text("TeThemeEdit1"), QString());
    EXPECT_FALSE(calc().findChild<QPushButton *>(QStringLiteral("TeThemeSpeedButton17"))->isEnabled());
    EXPECT_TRUE(calc().historyTable().isOpen());
}

TEST_F(History, SaveAnsweredNoWritesNothing)
{
    computePressure();
    saveAnswering(false);
    EXPECT_TRUE(historyRows().empty());
    EXPECT_EQ(text("TeThemeEdit1"), QStringLiteral("1.5"));
}

TEST_F(History, MoreThanFourHundredRowsLoseTheOldestThreeHundred)
{
    fillHistory(401);
    computePressure();
    saveAnswering(true);
    Rows rows = historyRows();
    ASSERT_EQ(rows.size(), 101u + 7u);
    EXPECT_EQ(rows.front()[0], "旧300");

    fillHistory(400 - static_cast<int>(rows.size()));
    computePressure();
    saveAnswering(true);
    EXPECT_EQ(historyRows().size(), 407u);
}

TEST_F(History, FormulaWithoutVariablesHasNothingToSave)
{
    addUserFormula(12, "常数", "c=1+2");
    selectFormula(12);
    click("TeThemeSpeedButton21");
    ASSERT_EQ(text("TeThemeEdit1"), QStringLiteral("3"));
    saveAnswering(true);
    EXPECT_EQ(messageTexts().back(), QStringLiteral("没有参数！"));
    EXPECT_TRUE(historyRows().empty());
    EXPECT_FALSE(calc().historyTable().isOpen());
}

TEST_F(History, ClearingAsksAndReports)
{
    computePressure();
    saveAnswering(true);
    messages.clear();
    auto *clear = calc().findChild<QAction *>(QStringLiteral("CustomItem12"));
    clear->trigger();
    EXPECT_EQ(historyRows().size(), 7u);
    messages.answerNext(true);
    clear->trigger();
    EXPECT_TRUE(historyRows().empty());
    ASSERT_EQ(messages.messages().size(), 3u);
    EXPECT_EQ(messages.messages()[1].text, QStringLiteral("您确定要清除历史计算结果表？"));
    EXPECT_EQ(messages.messages()[2].text, QStringLiteral("清空完毕!"));
    EXPECT_EQ(messages.messages()[2].caption, QStringLiteral("提示"));
}

TEST_F(History, ReportOfAnEmptyHistoryHasItsBands)
{
    const std::string text = reportText();
    for (const char *part : { "计算结果报表", "项目名称", "备注", "注:i 表示输入参数;o 表示输出参数。", "第" })
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
}

TEST_F(History, ReportListsTheSavedRowsOverPages)
{
    computePressure();
    saveAnswering(true);
    fillHistory(30);
    const std::string text = reportText();
    for (const char *part : { "压强", "F/A", "1.5", "计算结果", "旧29", "**********" })
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    // 37 rows do not fit on one page: the second page has its header.
    EXPECT_NE(text.find('\f'), std::string::npos);
    EXPECT_NE(text.find("2"), std::string::npos);
}

TEST_F(History, ResultOutputShowsThePreview)
{
    calc().findChild<QAction *>(QStringLiteral("CustomItem5"))->trigger();
    QApplication::processEvents();
    QPrintPreviewDialog *preview = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<QPrintPreviewDialog *>(w); d && d->isVisible())
            preview = d;
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("结果报表"));
    preview->close();
    EXPECT_TRUE(messageTexts().empty());
}

} // namespace
} // namespace holvane::test
