#include "design/designreport.h"
#include "design/members.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace holvane::design {
namespace {

struct TruncationCase {
    const char *text;
    const char *expected; // null: the catch-all
};

class Truncation : public ::testing::TestWithParam<TruncationCase> { };

TEST_P(Truncation, CutsToThreeDecimalsTowardZero)
{
    const TruncationCase &c = GetParam();
    if (c.expected)
        EXPECT_EQ(truncateResult(c.text), c.expected);
    else
        EXPECT_THROW(truncateResult(c.text), std::exception);
}

INSTANTIATE_TEST_SUITE_P(Results, Truncation,
    ::testing::Values(TruncationCase { "2.71828", "2.718" }, TruncationCase { "-2.71828", "-2.718" },
        TruncationCase { "0.0004", "0" }, TruncationCase { "12.3456", "12.345" }, TruncationCase { "15625", "15625" },
        TruncationCase { "9.99999", "9.999" }, TruncationCase { "123456.7899", "123456.789" },
        TruncationCase { "1E17", nullptr }, TruncationCase { "-1E17", nullptr }, TruncationCase { "", nullptr },
        TruncationCase { "abc", nullptr }));

TEST(SplitFormula, LeftKeepsItsEqualsSign)
{
    EXPECT_EQ(splitFormula("W=K*F"), std::make_pair(std::string("W="), std::string("K*F")));
    EXPECT_EQ(splitFormula("K*2"), std::make_pair(std::string(), std::string("K*2")));
    EXPECT_EQ(splitFormula("a=b=c"), std::make_pair(std::string("a="), std::string("b=c")));
}

TEST(CategoryLines, HeadingWithLabelledValuesValuesAloneAndOneLine)
{
    const auto value = [](const std::string &field) { return "<" + field + ">"; };
    EXPECT_EQ(categoryLines(
                  { "计算类别：", { { "定位形式：", "定位形式" }, { "夹紧形式：", "夹紧形式" } }, false }, value, ""),
        (std::vector<std::string> { "计算类别：", "定位形式：<定位形式>", "夹紧形式：<夹紧形式>" }));
    EXPECT_EQ(categoryLines({ "计算参数：", { { "", "计算项目" }, { "", "符号" } }, false }, value, ""),
        (std::vector<std::string> { "计算参数：", "<计算项目>", "<符号>" }));
    EXPECT_EQ(categoryLines({ "类别：", { { "", "计算项目" }, { "", "符号" } }, true }, value, ""),
        (std::vector<std::string> { "类别：<计算项目><符号>" }));
    EXPECT_EQ(categoryLines({ "车削切削力计算类别：", { { "@choice", "" }, { "工件材料：", "工件材料" } }, false },
                  value, "圆周分力Fc"),
        (std::vector<std::string> { "车削切削力计算类别：", "圆周分力Fc", "工件材料：<工件材料>" }));
}

TEST(DesignReportLines, PositioningVariantWritesItsDesignerLineAndABlankLine)
{
    const MemberConfig &member = *memberByWindow("TVXK_Form");
    const auto lines = DesignReport(member, { "名", "号", "人" }, { "类    别：V形块" },
        { { "公式：T=", "a+b" }, { "参数:a", "1" } }, "3", "2026-01-02");
    EXPECT_EQ(lines,
        (std::vector<std::string> { "设计任务名称：名", "设计任务编号：号", "设   计   者：人", "", "类    别：V形块",
            "公式：T=a+b", "参数:a = 1", "计算结果 = 3", "", std::string(38, ' ') + "2026-01-02" }));
}

// Every member names its components consistently: each stage has its item
// button in the left column, and no two stages on different pages share a
// grid or a result memo.
TEST(Members, FifteenConsistentConfigurations)
{
    ASSERT_EQ(designMembers().size(), 15u);
    for (const MemberConfig &member : designMembers()) {
        SCOPED_TRACE(member.window);
        ASSERT_FALSE(member.stages.empty());
        for (const StageConfig &stage : member.stages) {
            bool inColumn = false;
            for (const ButtonConfig &button : member.buttons)
                inColumn = inColumn || (button.name == stage.itemButton && button.role == ButtonRole::Item);
            EXPECT_TRUE(inColumn) << stage.itemButton;
            EXPECT_TRUE(!stage.table.empty() || !stage.choices.empty()) << stage.page;
            for (const StageConfig &other : member.stages)
                if (other.page != stage.page) {
                    EXPECT_NE(other.grid, stage.grid);
                    EXPECT_NE(other.resultMemo, stage.resultMemo);
                    EXPECT_NE(other.compute, stage.compute);
                }
        }
    }
}

} // namespace
} // namespace holvane::design
