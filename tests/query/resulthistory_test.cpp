#include "app/appfixture.h"
#include "query/resulthistory.h"
#include "query/tfrm_cxls.h"
#include "store/table.h"
#include <QApplication>

#include <QComboBox>
#include <QDate>
#include <QTableView>

namespace holvane::test {
namespace {

struct HistoryRow {
    std::string subject, condition, date, result;
    bool operator==(const HistoryRow &o) const
    {
        return subject == o.subject && condition == o.condition && date == o.date && result == o.result;
    }
};

class ResultHistoryTest : public AppFixture {
protected:
    std::vector<HistoryRow> rows()
    {
        store::Table table;
        table.setPath(appDir / "database", "cx_jl.db");
        table.open();
        std::vector<HistoryRow> out;
        for (table.first(); !table.eof(); table.next())
            out.push_back(
                { table.text("查询主题"), table.text("查询条件"), table.text("查询日期"), table.text("查询结果") });
        return out;
    }
    std::string today() const { return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString(); }
};

TEST_F(ResultHistoryTest, SaveWithoutTheWindowWritesTheTable)
{
    window();
    query::saveResult(
        context(), QStringLiteral("典型夹紧力计算"), QStringLiteral("夹紧力W"), QStringLiteral("W = 1250.5 N\n第二行"));
    EXPECT_EQ(rows(), (std::vector<HistoryRow> { { "典型夹紧力计算", "夹紧力W", today(), "W = 1250.5 N\n第二行" } }));
}

TEST_F(ResultHistoryTest, SaveThroughTheWholeRunWindowShowsTheRecordAtOnce)
{
    auto *history = new query::Tfrm_cxls(context(), &window());
    context().windows.resultHistory = history;
    history->show();
    QApplication::processEvents();
    query::saveResult(context(), QStringLiteral("螺旋夹紧机构"), QStringLiteral("原动力"), QStringLiteral("Q = 12"));
    query::saveResult(context(), QStringLiteral("螺旋夹紧机构"), QStringLiteral("原动力"), QStringLiteral("Q = 13"));

    EXPECT_EQ(rows().size(), 2u);
    EXPECT_EQ(history->findChild<QTableView *>(QStringLiteral("DBGrid1"))->model()->rowCount(), 2);
    auto *subjects = history->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    ASSERT_EQ(subjects->count(), 2);
    EXPECT_EQ(subjects->itemText(0), QStringLiteral("螺旋夹紧机构"));
    EXPECT_EQ(subjects->itemText(1), QStringLiteral("所有记录"));
    EXPECT_TRUE(messageTexts().empty());
}

} // namespace
} // namespace holvane::test
