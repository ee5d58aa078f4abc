#include "librarypacker.h"

#include "filereference.h"
#include "formulacheck.h"
#include "store/scramble.h"
#include "store/storeerror.h"
#include "store/table.h"
#include "tablewriter.h"
#include "text/gbk.h"

#include <algorithm>

namespace holvane::pack {

namespace {

using store::FieldType;

// 公式说明: groups between ",", names within a group between ">"; each name a
// variable of the formula.
void checkRelations(
    const SourceText &source, int line, const std::string &relations, const std::vector<std::string> &variables)
{
    size_t start = 0;
    while (start <= relations.size()) {
        size_t end = relations.find(',', start);
        if (end == std::string::npos)
            end = relations.size();
        const std::string group = relations.substr(start, end - start);
        start = end + 1;
        size_t names = 0;
        size_t from = 0;
        while (from <= group.size()) {
            size_t to = group.find('>', from);
            if (to == std::string::npos)
                to = group.size();
            const std::string name = group.substr(from, to - from);
            from = to + 1;
            ++names;
            if (std::find(variables.begin(), variables.end(), name) == variables.end())
                source.fail(line, "关系“" + group + "”中的“" + name + "”不是公式的变量");
        }
        if (names < 2)
            source.fail(line, "关系“" + group + "”应至少有两个用“>”隔开的变量");
    }
}

int flagValue(const SourceText &source, const TreeSource::Attribute &flag)
{
    if (flag.value != "0" && flag.value != "1")
        source.fail(flag.line, "flag 应为 0 或 1");
    return flag.value == "1" ? 1 : 0;
}

} // namespace

const std::vector<std::string> &libraryKeys()
{
    static const std::vector<std::string> keys = { "formula", "legend", "diagram", "picture", "flag", "relations" };
    return keys;
}

const std::vector<store::FieldDef> &libraryFields()
{
    static const std::vector<store::FieldDef> fields = {
        { "编号", FieldType::Text, 20 },
        { "CID", FieldType::Int32, 0 },
        { "PID", FieldType::Int32, 0 },
        { "公式名", FieldType::Text, 100 },
        { "公式", FieldType::Text, 150 },
        { "库名", FieldType::Text, 32 },
        { "表名", FieldType::Text, 120 },
        { "图表说明", FieldType::Graphic, 0 },
        { "类别", FieldType::Text, 50 },
        { "公式图", FieldType::Graphic, 0 },
        { "Gongshi", FieldType::Text, 255 },
        { "Flag", FieldType::Int16, 0 },
        { "公式说明", FieldType::Text, 255 },
    };
    return fields;
}

void packLibrary(const TreeSource &tree, const std::filesystem::path &directory)
{
    const SourceText &source = tree.source();
    const std::vector<TreeSource::Node> &nodes = tree.nodes();

    int lastCategory = -1;
    int greatest = 0;
    for (size_t i = 0; i < nodes.size(); ++i) {
        const TreeSource::Node &node = nodes[i];
        greatest = std::max(greatest, node.cid);
        if (node.parent < 0) {
            if (!node.attributes.empty())
                source.fail(node.line, "顶层节点是公式类别，不能有属性");
            lastCategory = static_cast<int>(i);
        } else if (nodes[static_cast<size_t>(node.parent)].parent >= 0) {
            source.fail(node.line, "公式只能直接放在类别之下");
        } else if (!node.attribute("formula")) {
            source.fail(node.line, "公式节点须有 formula:");
        }
    }
    if (lastCategory < 0 || nodes[static_cast<size_t>(lastCategory)].cid != kUserCategory)
        source.fail(
            lastCategory < 0 ? 0 : nodes[static_cast<size_t>(lastCategory)].line, "最后一个类别须是用户公式类别 [10]");
    if (nodes.back().cid != greatest)
        source.fail(nodes.back().line,
            "最后一条记录的编号须最大（用户新增公式取最后编号加一），最大编号是 " + std::to_string(greatest));

    store::Table::create(directory, "cygs.DB", libraryFields());
    store::Table out;
    out.setPath(directory, "cygs.DB");
    out.setExclusive(true);
    out.open();
    out.beginBatch();

    for (const TreeSource::Node &node : nodes) {
        if (text::gbkLength(node.name) > 100)
            source.fail(node.line, "公式名“" + node.name + "”超过 100 个字节");
        const int parent = node.parent < 0 ? 0 : nodes[static_cast<size_t>(node.parent)].cid;
        const bool library = parent != 0 && parent != kUserCategory;
        store::Value gongshi, diagram, picture, flag, relations;
        if (const auto *formula = node.attribute("formula")) {
            std::vector<std::string> variables;
            if (const std::string error = checkLibraryFormula(formula->value, variables); !error.empty())
                source.fail(formula->line, error);
            const std::string gbk = text::toGbk(formula->value);
            if (gbk.size() > 255)
                source.fail(formula->line, "公式超过 255 个字节");
            gongshi = library ? store::Value::bytes(store::scrambleFormula(gbk)) : store::Value(formula->value);

            const auto *drawn = node.attribute("picture");
            const auto *legend = node.attribute("legend");
            std::string bmp;
            if (drawn)
                bmp = referencedPicture(source, drawn->line, drawn->raw);
            else if (legend)
                bmp = legendPicture(source, legend->line, formula->value, variables, legend->value);
            else
                source.fail(node.line, "公式须有 legend:（画出公式图）或 picture:（现成的公式图）");
            if (library)
                store::scramblePicture(bmp);
            picture = store::Value::bytes(std::move(bmp));

            if (const auto *d = node.attribute("diagram"))
                diagram = store::Value::bytes(referencedPicture(source, d->line, d->raw));
            const auto *r = node.attribute("relations");
            if (r) {
                checkRelations(source, r->line, r->value, variables);
                relations = store::Value(r->value);
            }
            const auto *f = node.attribute("flag");
            flag = store::Value(f ? flagValue(source, *f) : (r ? 1 : 0));
        }
        try {
            out.append();
            out.setValue("CID", store::Value(node.cid));
            out.setValue("PID", store::Value(parent));
            out.setValue("公式名", store::Value(node.name));
            out.setValue("Gongshi", gongshi);
            out.setValue("图表说明", diagram);
            out.setValue("公式图", picture);
            out.setValue("Flag", flag);
            out.setValue("公式说明", relations);
            out.post();
        } catch (const store::StoreError &e) {
            source.fail(node.line, e.what());
        }
    }
    out.endBatch();
    out.close();
}

} // namespace holvane::pack
