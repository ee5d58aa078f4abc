#include "app/calculatorkeys.h"

#include <cstring>

namespace holvane::app {

const std::vector<CalculatorKey> &calculatorKeys()
{
    static const std::vector<CalculatorKey> keys = {
        {"组合表面定位", "TZH_Form", 12, "组合表面定位计算", "组合表面定位"},
        {"特殊表面定位", "TTSBM_Form", 13, "特殊表面定位计算", "特殊表面定位"},
        {"锥度心轴的尺寸计算", "TZD_Form", 14, "锥度心轴尺寸计算", "锥度心轴的尺寸计算"},
        {"V形块尺寸计算", "TVXK_Form", 15, "V形块尺寸计算", "V形块尺寸的计算"},
        {"弹性盘的设计计算", "TF_Tanxingpan", 20, "弹性薄壁夹盘", "弹性盘的设计计算"},
        {"典型夹紧力计算", "TF_Jiajinli", 21, "典型夹紧力计算", "典型夹紧力计算"},
        {"端面凸轮夹紧机构计算", "TF_Duanmiantulun", 22, "端面凸轮夹紧机构", "端面凸轮夹紧机构的计算"},
        {"钩形压板计算", "TF_Gouxingyaban", 23, "钩形压板", "钩形压板的计算"},
        {"夹紧误差的估算", "TF_Jiajinwucha", 24, "接触变形的计算", "夹紧误差的估算"},
        {"螺旋夹紧机构计算", "TF_Luoxuanjiajin", 25, "螺旋夹紧机构", "螺旋夹紧机构的计算"},
        {"偏心夹紧机构计算", "TF_Pianxinjiajin", 26, "偏心夹紧机构", "偏心夹紧机构的计算"},
        {"切削力计算", "TF_Qiexueli", 27, "切削力计算", "切削力的计算"},
        {"斜楔夹紧机构的计算", "TF_Xiexiejiajin", 28, "斜楔夹紧机构", "斜楔夹紧机构的计算"},
        {"铰链夹紧机构计算", "TF_Jiaolianjiajin", 29, "铰链夹紧机构", "铰链夹紧机构的计算"},
        {"弹性夹头的设计计算", "TF_Tanxingjiatou", 30, "弹性夹头", "弹性夹头的设计计算"},
    };
    return keys;
}

std::vector<CalculatorKey> calculatorsForKey(const char *key)
{
    std::vector<CalculatorKey> rows;
    for (const CalculatorKey &row : calculatorKeys())
        if (std::strcmp(row.key, key) == 0)
            rows.push_back(row);
    return rows;
}

const CalculatorKey *calculatorByWindow(const char *window)
{
    for (const CalculatorKey &row : calculatorKeys())
        if (std::strcmp(row.window, window) == 0)
            return &row;
    return nullptr;
}

const std::vector<const char *> &locatingCalculatorMenu()
{
    static const std::vector<const char *> menu = {"TZD_Form", "TVXK_Form", "TTSBM_Form", "TZH_Form"};
    return menu;
}

const std::vector<const char *> &clampingCalculatorMenu()
{
    static const std::vector<const char *> menu = {
        "TF_Qiexueli",      "TF_Jiajinli",       "TF_Jiajinwucha",   "TF_Xiexiejiajin",
        "TF_Luoxuanjiajin", "TF_Gouxingyaban",   "TF_Pianxinjiajin", "TF_Duanmiantulun",
        "TF_Jiaolianjiajin", "TF_Tanxingjiatou", "TF_Tanxingpan"};
    return menu;
}

} // namespace holvane::app
