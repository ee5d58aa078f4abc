// Every check of the packer stops a bad source with the file and line.
#include "packer.h"
#include "packerror.h"
#include "packfixture.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace holvane;
using holvane::test::TempDir;
using holvane::test::writeFile;

namespace {

struct BadSource {
    const char *name;
    const char *file; // written over the fixture's, relative to the content folder
    std::string text;
    const char *expectedFile;
    int expectedLine;
    const char *expectedText;
};

std::ostream &operator<<(std::ostream &out, const BadSource &c)
{
    return out << c.name;
}

const std::string kItemHeader = "field 序号 int16\n"
                                "field 定位形式 text 60\n"
                                "field 夹紧形式 text 60\n"
                                "field 计算公式 formula 250\n"
                                "field 公式图 graphic\n"
                                "field 计算简图 graphic\n"
                                "field 初始值 values\n"
                                "rows\n"; // the first row is line 9

std::string itemRow(const std::string &formula, const std::string &values)
{
    return "1 | 平面 | 螺旋 | " + formula + " | | | " + values + "\n";
}

std::string manyVariables(int n)
{
    std::string formula = "W=";
    std::string values;
    for (int i = 0; i < n; ++i) {
        formula += (i ? "+v" : "v") + std::to_string(i);
        values += (i ? "; " : "") + std::string("1");
    }
    return itemRow(formula, values);
}

// 101 tokens: one more than the design calculators' token list holds.
std::string longFormula()
{
    std::string formula = "W=a";
    for (int i = 0; i < 50; ++i)
        formula += "+a";
    return formula;
}

const std::string kLibraryStart = "[1] 力学\n"
                                  "    [2] 压强\n"
                                  "        formula: P=F/A\n"
                                  "        legend: P=压强[MPa]; F=压力[N]; A=面积[mm²]\n";

const BadSource kBadSources[] = {
    // The catalogue's keys.
    { "PageWithoutContentKey", "catalogue.tree", "[1] 封面\n    frame: 0\n[2] 文本\n    frame: 4\n", "catalogue.tree",
        3, "需要内容键" },
    { "TablePageWithoutKey", "catalogue.tree", "[1] 表\n    frame: 213\n", "catalogue.tree", 1, "需要内容键" },
    { "ContentKeyNamesNoTextPage", "catalogue.tree", "[1] 文本\n    frame: 4\n    table: meiyou\n", "catalogue.tree", 3,
        "meiyou" },
    { "ContentKeyNamesNoCardTable", "catalogue.tree", "[1] 卡片\n    frame: 312\n    table: cards9\n", "catalogue.tree",
        3, "cards9" },
    { "CalculatorKeyNamesNoCalculator", "catalogue.tree", "[1] 计算\n    frame: 5\n    table: 夹紧力计算\n",
        "catalogue.tree", 3, "设计计算器" },
    { "PictureKeyNamesNothing", "catalogue.tree", "[1] 封面\n    frame: 0\n    image: meiyou\n", "catalogue.tree", 3,
        "图片键" },
    { "ContentKeyWithSeparator", "catalogue.tree", "[1] 文本\n    frame: 4\n    table: a/gaishu\n", "catalogue.tree", 3,
        "路径分隔符" },
    { "ContentKeyWithDotDot", "catalogue.tree", "[1] 曲线\n    frame: 1\n    table: ..quxian1\n", "catalogue.tree", 3,
        "“..”" },
    { "PictureKeyWithDotDot", "catalogue.tree", "[1] 封面\n    image: ../photo\n", "catalogue.tree", 2, "“..”" },
    { "KeyOnAPageWithoutPageIsCheckedToo", "catalogue.tree", "[1] 章\n    table: x\\\\y\n", "catalogue.tree", 2,
        "路径分隔符" },
    { "SiblingsOutOfCidOrder", "catalogue.tree", "[5] 甲\n[3] 乙\n", "catalogue.tree", 2, "从小到大" },
    { "DuplicateCid", "catalogue.tree", "[1] 甲\n    [1] 乙\n", "catalogue.tree", 2, "重复" },
    { "FrameNotDigits", "catalogue.tree", "[1] 甲\n    frame: 4a\n", "catalogue.tree", 2, "十进制" },
    { "NameTooLong", "catalogue.tree", "[1] " + std::string(26, 'x') + "夹具夹具夹具夹具夹具夹具夹具\n",
        "catalogue.tree", 1, "50" },
    { "UnknownAttribute", "catalogue.tree", "[1] 甲\n    frme: 4\n", "catalogue.tree", 2, "frme" },
    { "TabIndent", "catalogue.tree", "[1] 甲\n\tframe: 4\n", "catalogue.tree", 2, "制表符" },

    // Pictures that do not decode, wherever they are.
    { "KeyedPictureDoesNotDecode", "imgi/broken.png", "not a picture", "imgi/broken.png", 0, "无法解码" },
    { "SvgDoesNotDecode", "curvei/broken.svg", "<svg", "curvei/broken.svg", 0, "无法解码" },
    { "TablePictureDoesNotDecode", "212dat312/pics/zhichengding.svg", "<svg><g>", "212dat312/cards3.table", 5,
        "无法解码" },
    { "TextPagePictureDoesNotDecode", "myhtm/gaishu/tu1.png", "xx", "myhtm/gaishu/tu1.png", 0, "无法解码" },
    { "TablePictureMissing", "212dat312/cards_np.table",
        "field 名称 text 40\nfield 附图 graphic\nrows\n甲 | @pics/meiyou.svg\n", "212dat312/cards_np.table", 4,
        "不存在" },
    { "TablePictureLeavesTheFolder", "212dat312/cards_np.table",
        "field 名称 text 40\nfield 附图 graphic\nrows\n甲 | @../imgi/photo.png\n", "212dat312/cards_np.table", 4,
        "“..”" },

    // Calculator items.
    { "FormulaTooLongToTokenize", "sjdata/B1-2-11.table", kItemHeader + itemRow(longFormula(), "1"),
        "sjdata/B1-2-11.table", 9, "无法分解" },
    { "FormulaWithSpace", "sjdata/B1-2-11.table", kItemHeader + itemRow("W=K* F", "1; 2"), "sjdata/B1-2-11.table", 9,
        "空格" },
    { "FormulaSplitsChinese", "sjdata/B1-2-11.table", kItemHeader + itemRow("W=k夹紧力系数*2", "1"),
        "sjdata/B1-2-11.table", 9, "汉字" },
    { "FormulaWith20Variables", "sjdata/B1-2-11.table", kItemHeader + manyVariables(20), "sjdata/B1-2-11.table", 9,
        "最多 19" },
    { "FewerInitialValuesThanVariables", "sjdata/B1-2-11.table",
        kItemHeader + itemRow("W=K*F/(f1+f2)", "2.5; 2000; 0.16"), "sjdata/B1-2-11.table", 9, "初始值只有 3 个" },
    { "FormulaDoesNotEvaluate", "sjdata/B1-2-11.table", kItemHeader + itemRow("W=K/F", "1; 0"), "sjdata/B1-2-11.table",
        9, "初始值" },
    { "InitialValueIsNoNumber", "sjdata/B1-2-11.table", kItemHeader + itemRow("W=K*F", "1; x"), "sjdata/B1-2-11.table",
        9, "初始值" },
    { "FormulaAtTheWrongPosition", "sjdata/B1-2-11.table",
        "field 计算公式 formula 120\nfield 序号 int16\nfield 初始值 values\nrows\n", "sjdata/B1-2-11.table", 0,
        "第 3 个字段" },
    { "LegendMissesAVariable", "sjdata/B1-2-11.table",
        kItemHeader + "1 | 平面 | 螺旋 | W=K*F | legend: W=夹紧力[N]; K=系数 | | 1; 2\n", "sjdata/B1-2-11.table", 9,
        "缺少变量“F”" },

    // Table sources.
    { "WrongCellCount", "mydat/mocha.table", "field a text 4\nfield b float\nrows\n\nx | 1 | 2\n", "mydat/mocha.table",
        5, "3 个值" },
    { "TextWiderThanItsField", "mydat/mocha.table", "field a text 4\nrows\n夹紧力\n", "mydat/mocha.table", 3,
        "4 个字节" },
    { "NumberThatIsNoNumber", "mydat/mocha.table", "field a float\nrows\n1.5\nabc\n", "mydat/mocha.table", 4, "abc" },
    { "DuplicateKey", "mydat/mocha.table", "field a text 4\nkey 1\nrows\nx\nx\n", "mydat/mocha.table", 5,
        "关键字重复" },
    { "UnknownFieldType", "mydat/mocha.table", "field a txt 4\nrows\n", "mydat/mocha.table", 1, "txt" },
    { "BadEscape", "mydat/mocha.table", "field a text 4\nrows\na\\qb\n", "mydat/mocha.table", 3, "转义" },
    { "DanglingContinuation", "mydat/mocha.table", "field a text 4\nrows\na \\\n", "mydat/mocha.table", 3, "续行" },

    // The formula library.
    { "UserCategoryNotLast", "formulas.tree", "[10] 用户公式\n" + kLibraryStart, "formulas.tree", 2, "[10]" },
    { "LastRecordNotGreatest", "formulas.tree",
        "[1] 力学\n    [20] 压强\n        formula: P=F/A\n        legend: P=压强; F=压力; A=面积\n[10] 用户公式\n",
        "formulas.tree", 5, "编号须最大" },
    { "RelationNamesNoVariable", "formulas.tree",
        kLibraryStart + "        relations: F>B\n[10] 用户公式\n    [11] x\n        formula: a\n        legend: a=甲\n",
        "formulas.tree", 5, "“B”" },
    { "LibraryFormulaWithoutPicture", "formulas.tree",
        "[1] 力学\n    [2] 压强\n        formula: P=F/A\n[10] 用户\n    [11] x\n        formula: a\n        legend: "
        "a=甲\n",
        "formulas.tree", 2, "legend" },
    { "LibraryFormulaSplitsChinese", "formulas.tree",
        "[1] 力学\n    [2] 压强\n        formula: P=a压力系数/A\n        legend: A=面积\n[10] 用户\n    [11] x\n       "
        " formula: a\n        legend: a=甲\n",
        "formulas.tree", 3, "汉字" },

    // The program's own tables.
    { "ProgramTableWithAnotherLayout", "database/cx_jl.db.table", "field 查询主题 text 40\nrows\n", "database/cx_jl.db",
        0, "查询条件" },
    { "UnknownTopLevelSource", "sjdate/B1-2-11.table", "", "sjdate", 0, "不认识" },
};

class PackerChecks : public testing::TestWithParam<BadSource> { };

TEST_P(PackerChecks, StopWithFileAndLine)
{
    const BadSource &c = GetParam();
    TempDir source, out;
    test::copyTree(test::fixtureContent(), source.path());
    fs::create_directories((source.path() / fs::u8path(c.file)).parent_path());
    writeFile(source.path() / fs::u8path(c.file), c.text);
    try {
        pack::packContent(source.path(), out.path());
        FAIL() << "packed a bad source";
    } catch (const pack::PackError &e) {
        EXPECT_EQ(e.file(), c.expectedFile) << e.what();
        EXPECT_EQ(e.line(), c.expectedLine) << e.what();
        EXPECT_NE(std::string(e.what()).find(c.expectedText), std::string::npos) << e.what();
    }
    EXPECT_TRUE(fs::is_empty(out.path()));
}

INSTANTIATE_TEST_SUITE_P(BadSources, PackerChecks, testing::ValuesIn(kBadSources),
    [](const testing::TestParamInfo<BadSource> &info) { return std::string(info.param.name); });

} // namespace
