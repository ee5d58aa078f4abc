// The shipped formula library, formula by formula, against worked examples.
// Each expected value was computed apart from the library's text: with the
// formula written out anew, π in full and angles converted by hand, so a
// slip in a library formula (a wrong constant, a misplaced bracket, an angle
// taken as radians) shows here. A formula added without an example, or an
// example whose formula is gone, fails too.
#include "calculator/valuerelations.h"
#include "formula/formulaevaluator.h"
#include "formula/messagesink.h"
#include "formula/valuegrid.h"
#include "librarypacker.h"
#include "sourcetext.h"
#include "store/scramble.h"
#include "store/table.h"
#include "support/tempdir.h"
#include "text/gbk.h"
#include "treesource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace holvane::test {
namespace {

namespace fs = std::filesystem;

struct Example {
    const char *name;
    std::vector<std::pair<std::string, std::string>> values;
    double expected;
};

// Angles in degrees, as the calculator starts.
const Example kExamples[] = {
    { "圆面积", { { "d", "20" } }, 314.1592654 },
    { "圆环面积", { { "D", "40" }, { "d1", "20" } }, 942.4777961 },
    { "圆柱体积", { { "d", "20" }, { "h", "50" } }, 15707.96327 },
    { "钢件质量（圆柱）", { { "d", "50" }, { "h", "200" } }, 3.082687791 },
    { "弦长", { { "R", "50" }, { "t", "60" } }, 50 },
    { "弧长", { { "R", "50" }, { "t", "90" } }, 78.53981634 },
    { "锥度", { { "D", "30" }, { "d1", "25" }, { "L", "100" } }, 0.05 },
    { "锥角（半角）", { { "D", "30" }, { "d1", "20" }, { "L", "50" } }, 5.710593137 },
    { "压强", { { "F", "6000" }, { "A", "400" } }, 15 },
    { "力矩", { { "F", "150" }, { "L", "200" } }, 30000 },
    { "摩擦力", { { "f", "0.15" }, { "N", "2000" } }, 300 },
    { "摩擦角", { { "f", "0.1" } }, 5.710593137 },
    { "切削速度", { { "d", "80" }, { "n", "500" } }, 125.6637061 },
    { "切削功率", { { "Fc", "2000" }, { "v", "120" } }, 4 },
    { "气缸/液压缸推力", { { "eta", "0.85" }, { "p", "0.5" }, { "D", "80" } }, 2136.283004 },
    { "转矩与功率", { { "P", "7.5" }, { "n", "1440" } }, 49.73958333 },
    { "拉压应力", { { "F", "10000" }, { "A", "78.5" } }, 127.388535 },
    { "矩形截面惯性矩", { { "b", "20" }, { "h", "40" } }, 106666.6667 },
    { "圆截面惯性矩", { { "d", "40" } }, 125663.7061 },
    { "悬臂梁端部挠度", { { "F", "1000" }, { "L", "200" }, { "E", "206000" }, { "I", "106667" } }, 0.1213588441 },
    { "简支梁中点挠度", { { "F", "5000" }, { "L", "500" }, { "E", "206000" }, { "I", "125664" } }, 0.5029915394 },
    { "圆轴弯曲应力", { { "M", "500000" }, { "d", "40" } }, 79.57747155 },
    { "圆轴扭转切应力", { { "T", "300000" }, { "d", "30" } }, 56.58842421 },
    { "薄壁套筒环向应力", { { "p", "10" }, { "Dm", "100" }, { "h", "5" } }, 100 },
    { "综合弹性模量（赫兹接触）", { { "v1", "0.3" }, { "E1", "206000" }, { "v2", "0.25" }, { "E2", "120000" } },
        81766.31109 },
    { "螺栓拧紧力矩", { { "K", "0.2" }, { "F", "20000" }, { "d", "16" } }, 64 },
    { "螺纹中径（普通螺纹）", { { "d", "20" }, { "P", "2.5" } }, 18.37625 },
    { "螺纹升角", { { "P", "2.5" }, { "d2", "18.376" } }, 2.479650796 },
    { "齿轮分度圆直径", { { "m", "3" }, { "z", "30" } }, 90 },
    { "齿轮齿顶圆直径", { { "m", "3" }, { "z", "30" } }, 96 },
    { "齿轮齿根圆直径", { { "m", "3" }, { "z", "30" } }, 82.5 },
    { "标准直齿轮中心距", { { "m", "2.5" }, { "z1", "20" }, { "z2", "60" } }, 100 },
    { "圆柱螺旋弹簧刚度", { { "G", "79000" }, { "dw", "4" }, { "Dm", "30" }, { "n", "10" } }, 9.362962963 },
    { "弹簧力", { { "k", "9.363" }, { "x", "12" } }, 112.356 },
    { "V形块定位误差（轴线）", { { "Td", "0.1" }, { "alf", "90" } }, 0.07071067812 },
    { "V形块定位误差（上母线）", { { "Td", "0.1" }, { "alf", "90" } }, 0.1207106781 },
    { "V形块定位误差（下母线）", { { "Td", "0.1" }, { "alf", "90" } }, 0.02071067812 },
    { "孔销间隙定位误差", { { "TH", "0.021" }, { "Td", "0.013" }, { "Xmin", "0.007" } }, 0.041 },
    { "一面两销转角误差", { { "X1max", "0.04" }, { "X2max", "0.06" }, { "L", "200" } }, 0.01432394458 },
    { "安全系数",
        { { "K0", "1.5" }, { "K1", "1.2" }, { "K2", "1.1" }, { "K3", "1.0" }, { "K4", "1.3" }, { "K5", "1.0" },
            { "K6", "1.0" } },
        2.574 },
    { "夹紧力（工件放在平面上）", { { "K", "2.5" }, { "F", "1200" }, { "f1", "0.16" }, { "f2", "0.16" } }, 9375 },
    { "斜楔夹紧力", { { "Q", "500" }, { "phi1", "5.71" }, { "a", "10" }, { "phi2", "5.71" } }, 1311.423127 },
    { "螺旋夹紧力",
        { { "Q", "100" }, { "L", "150" }, { "rf", "4" }, { "phi1", "8.53" }, { "rz", "6.84" }, { "a", "2.5" },
            { "phi2", "9.83" } },
        7159.704159 },
    { "偏心轮升程", { { "e", "3" }, { "g", "90" } }, 3 },
    { "杠杆夹紧力", { { "Q", "200" }, { "Lq", "120" }, { "r0", "5" }, { "f0", "0.15" }, { "Lw", "60" } }, 392.5925926 },
    { "卡盘夹紧力", { { "K", "2" }, { "M", "150000" }, { "D", "60" }, { "Fx", "1500" }, { "n", "3" }, { "f", "0.3" } },
        11600.34057 },
    { "英寸换算毫米", { { "inch", "2.5" } }, 63.5 },
    { "公斤力换算牛顿", { { "kgf", "50" } }, 490.3325 },
    { "马力换算千瓦", { { "PS", "10" } }, 7.355 },
    { "角度换算弧度", { { "deg", "45" } }, 0.7853981634 },
    { "度分秒换算度", { { "d", "30" }, { "m", "15" }, { "s", "36" } }, 30.26 },
    { "磅力每平方英寸换算兆帕", { { "psi", "1000" } }, 6.89476 },
    { "华氏度换算摄氏度", { { "F", "212" } }, 100 },
    { "转速换算角速度", { { "n", "1500" } }, 157.0796327 },
    { "用户公式示例：矩形面积", { { "a", "12" }, { "b", "8" } }, 96 },
};

class Messages : public formula::MessageSink {
public:
    void show(const std::string &text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

TEST(FormulaLibrary, EveryFormulaMatchesItsWorkedExample)
{
    TempDir packed;
    const fs::path content = fs::path(HOLVANE_SOURCE_DIR) / "content";
    const pack::SourceText source(content, content / "formulas.tree");
    pack::packLibrary(pack::TreeSource(source, pack::libraryKeys()), packed.path());
    store::Table library;
    library.setPath(packed.path(), "cygs.DB");
    library.open();

    Messages messages;
    formula::FormulaEvaluator evaluator(formula::EvaluatorProfile::calculator(), messages);
    evaluator.setAngleUnit(formula::AngleUnit::Degrees);
    std::set<std::string> checked;
    for (library.first(); !library.eof(); library.next()) {
        if (library.value("PID").integer() == 0)
            continue; // a category
        const std::string name = library.text("公式名");
        SCOPED_TRACE(name);
        const auto example = std::find_if(
            std::begin(kExamples), std::end(kExamples), [&](const Example &e) { return name == e.name; });
        ASSERT_NE(example, std::end(kExamples)) << "no worked example";
        checked.insert(name);

        const std::string whole = library.value("PID").integer() == 10
            ? library.text("Gongshi")
            : text::fromGbk(store::scrambleFormula(library.value("Gongshi").rawBytes()));
        const std::string right = whole.substr(whole.find('=') + 1);
        ASSERT_TRUE(evaluator.Tokenize(right));
        formula::ListValueGrid grid;
        grid.setFormula(right);
        std::set<std::string> used;
        for (const std::string &variable : evaluator.variableNames()) {
            const auto value = std::find_if(
                example->values.begin(), example->values.end(), [&](const auto &v) { return v.first == variable; });
            ASSERT_NE(value, example->values.end()) << "no value for " << variable;
            grid.addRow(variable, value->second);
            used.insert(variable);
        }
        EXPECT_EQ(used.size(), example->values.size()) << "the example names a variable the formula lacks";

        const auto valueOf = [&](const std::string &variable) {
            for (const auto &[n, v] : example->values)
                if (n == variable)
                    return std::stod(v);
            return 0.0;
        };
        if (!library.value("Flag").isNull() && library.value("Flag").integer() != 0) {
            EXPECT_TRUE(calculator::RelationsHold(library.text("公式说明"), valueOf)) << library.text("公式说明");
        }

        double result = 0;
        ASSERT_TRUE(evaluator.BindVariables(grid));
        ASSERT_TRUE(evaluator.Evaluate(result));
        EXPECT_NEAR(result, example->expected, std::abs(example->expected) * 1e-7) << right;
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(checked.size(), std::size(kExamples)) << "an example names no formula of the library";
}

} // namespace
} // namespace holvane::test
