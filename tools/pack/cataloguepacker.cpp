#include "cataloguepacker.h"

#include "filereference.h"
#include "itemtables.h"
#include "store/storeerror.h"
#include "store/table.h"
#include "text/gbk.h"

#include <map>

namespace holvane::pack {

namespace {

using store::FieldType;

void checkWidth(const SourceText &source, int line, const std::string &what, const std::string &value, size_t width)
{
    if (text::gbkLength(value) > width)
        source.fail(line, what + "“" + value + "”超过 " + std::to_string(width) + " 个字节（汉字算两个）");
}

// What the page type needs of the content key, and whether the content has it.
struct KeyNeed {
    const std::set<std::string> *keys; // null: a calculator key
    const char *what;
};

bool needsKey(int frame, const ContentKeys &keys, KeyNeed &need)
{
    switch (frame) {
    case 1:
    case 6:
        need = { &keys.curves, "curvei/ 中的图片" };
        return true;
    case 4:
        need = { &keys.textPages, "myhtm/ 中的文本页" };
        return true;
    case 5:
        need = { nullptr, "设计计算器" };
        return true;
    case 211:
    case 213:
        need = { &keys.dataTables, "mydat/ 中的数据表" };
        return true;
    case 212:
    case 312:
        need = { &keys.cardTables, "212dat312/ 中的卡片表" };
        return true;
    default:
        return false;
    }
}

} // namespace

const std::vector<std::string> &catalogueKeys()
{
    static const std::vector<std::string> keys = { "frame", "order", "table", "memo", "image" };
    return keys;
}

const std::vector<store::FieldDef> &catalogueFields()
{
    static const std::vector<store::FieldDef> fields = {
        { "CID", FieldType::Int32, 0 },
        { "ParentID", FieldType::Int32, 0 },
        { "CName", FieldType::Text, 50 },
        { "CFrame", FieldType::Text, 10 },
        { "COrder", FieldType::Int16, 0 },
        { "ImageIndex", FieldType::Int16, 0 },
        { "SelectedIndex", FieldType::Int16, 0 },
        { "StateIndex", FieldType::Int16, 0 },
        { "Ctable", FieldType::Text, 30 },
        { "CMemo", FieldType::Memo, 0 },
        { "Cimage", FieldType::Text, 20 },
    };
    return fields;
}

void packCatalogue(const TreeSource &tree, const ContentKeys &keys, const std::filesystem::path &directory)
{
    const SourceText &source = tree.source();
    const std::vector<TreeSource::Node> &nodes = tree.nodes();
    if (nodes.empty())
        source.fail(0, "目录中没有节点");

    store::Table::create(directory, "VTree.DB", catalogueFields(), 1);
    store::Table out;
    out.setPath(directory, "VTree.DB");
    out.setExclusive(true);
    out.open();
    out.beginBatch();

    std::map<int, int> lastChild; // parent CID -> CID of its last child so far
    for (const TreeSource::Node &node : nodes) {
        const int parent = node.parent < 0 ? 0 : nodes[static_cast<size_t>(node.parent)].cid;
        if (const auto it = lastChild.find(parent); it != lastChild.end() && it->second > node.cid)
            source.fail(node.line,
                "同一层的节点须按编号从小到大排列（程序按编号显示）：" + std::to_string(node.cid) + " 排在 "
                    + std::to_string(it->second) + " 之后");
        lastChild[parent] = node.cid;
        checkWidth(source, node.line, "名称", node.name, 50);

        store::Value frameValue, orderValue, tableValue, memoValue, imageValue;
        int frame = -1;
        if (const auto *a = node.attribute("frame")) {
            if (a->value.empty() || a->value.size() > 9
                || a->value.find_first_not_of("0123456789") != std::string::npos)
                source.fail(a->line, "页面类型应为十进制数字");
            frame = std::stoi(a->value);
            frameValue = store::Value(a->value);
        }
        if (const auto *a = node.attribute("order")) {
            try {
                orderValue = store::Value(std::stoi(a->value));
            } catch (const std::exception &) {
                source.fail(a->line, "order 应为整数");
            }
            if (a->value.find_first_not_of("-0123456789") != std::string::npos || orderValue.integer() < -32768
                || orderValue.integer() > 32767)
                source.fail(a->line, "order 应为 -32768 到 32767 的整数");
        }

        const auto *table = node.attribute("table");
        if (table) {
            if (const std::string problem = keyProblem(table->value); !problem.empty())
                source.fail(table->line, "内容键：" + problem);
            checkWidth(source, table->line, "内容键", table->value, 30);
            tableValue = store::Value(table->value);
        }
        KeyNeed need {};
        if (needsKey(frame, keys, need)) {
            if (!table)
                source.fail(node.line,
                    "节点 [" + std::to_string(node.cid) + "] 的页面类型 " + std::to_string(frame)
                        + " 需要内容键（table:），指向" + need.what);
            const bool found = need.keys ? ContentKeys::has(*need.keys, table->value) : isCalculatorKey(table->value);
            if (!found)
                source.fail(table->line, "内容键“" + table->value + "”不是任何" + need.what);
        }

        if (const auto *image = node.attribute("image")) {
            if (const std::string problem = keyProblem(image->value); !problem.empty())
                source.fail(image->line, "图片键：" + problem);
            checkWidth(source, image->line, "图片键", image->value, 20);
            if (!ContentKeys::has(keys.pictures, image->value))
                source.fail(image->line, "图片键“" + image->value + "”不是 imgi/ 中的任何图片");
            imageValue = store::Value(image->value);
        }
        if (const auto *memo = node.attribute("memo"))
            memoValue = store::Value(
                isFileReference(memo->raw) ? referencedText(source, memo->line, memo->raw) : memo->value);

        try {
            out.append();
            out.setValue("CID", store::Value(node.cid));
            out.setValue("ParentID", store::Value(parent));
            out.setValue("CName", store::Value(node.name));
            out.setValue("CFrame", frameValue);
            out.setValue("COrder", orderValue);
            out.setValue("Ctable", tableValue);
            out.setValue("CMemo", memoValue);
            out.setValue("Cimage", imageValue);
            out.post();
        } catch (const store::StoreError &e) {
            source.fail(node.line, e.what());
        }
    }
    out.endBatch();
    out.close();
}

} // namespace holvane::pack
