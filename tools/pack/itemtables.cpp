#include "itemtables.h"

#include "store/names.h"

#include <array>
#include <utility>

namespace holvane::pack {

namespace {

// Table names without their extension.
constexpr std::array<std::pair<const char *, int>, 30> kItemTables = { {
    { "T1-1-3-1", -1 },
    { "T1-1-5", 1 },
    { "TSBM", 3 },
    { "T1-1-6", 3 },
    { "T1-1-7", 3 },
    { "T1-1-8", 3 },
    { "T1-1-9-1", 3 },
    { "ZHBM", 3 },
    { "B1-2-11", 3 },
    { "B1-2-13-0", 1 },
    { "B1-2-3Fc", 3 },
    { "B1-2-3Fp", 3 },
    { "B1-2-3Ff", 3 },
    { "B1-2-7M", 3 },
    { "B1-2-7Ff", 3 },
    { "B1-2-9F", 3 },
    { "B1-2-16", 3 },
    { "B1-2-17", 6 },
    { "B1-2-19", 4 },
    { "B1-2-26", 4 },
    { "B1-2-33", 3 },
    { "B1-2-34", 3 },
    { "B1-3-2", 1 },
    { "B1-3-1", 1 },
    { "B1-3-4", 3 },
    { "B1-2-35", 2 },
    { "B1-2-36", 3 },
    { "B1-2-37", 4 },
    { "B1-2-38", 4 },
    { "B1-2-28", 2 },
} };

constexpr std::array<const char *, 15> kCalculatorKeys = {
    "组合表面定位",
    "特殊表面定位",
    "锥度心轴的尺寸计算",
    "V形块尺寸计算",
    "弹性盘的设计计算",
    "典型夹紧力计算",
    "端面凸轮夹紧机构计算",
    "钩形压板计算",
    "夹紧误差的估算",
    "螺旋夹紧机构计算",
    "偏心夹紧机构计算",
    "切削力计算",
    "斜楔夹紧机构的计算",
    "铰链夹紧机构计算",
    "弹性夹头的设计计算",
};

std::string withoutExtension(const std::string &name)
{
    const std::string lower = store::asciiLower(name);
    if (lower.size() > 3 && lower.compare(lower.size() - 3, 3, ".db") == 0)
        return name.substr(0, name.size() - 3);
    return name;
}

} // namespace

bool itemTableFormulaPosition(const std::string &tableName, int &position)
{
    const std::string base = withoutExtension(tableName);
    for (const auto &[name, formulaPosition] : kItemTables)
        if (store::equalsNoCase(base, name)) {
            position = formulaPosition;
            return true;
        }
    return false;
}

bool isCalculatorKey(const std::string &key)
{
    for (const char *k : kCalculatorKeys)
        if (key == k)
            return true;
    return false;
}

} // namespace holvane::pack
