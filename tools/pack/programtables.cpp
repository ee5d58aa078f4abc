#include "programtables.h"

#include "cataloguepacker.h"
#include "packerror.h"
#include "store/fielddef.h"
#include "store/storeerror.h"
#include "store/table.h"

#include <string>
#include <vector>

namespace holvane::pack {

namespace {

using store::FieldDef;
using store::FieldType;

struct ProgramTable {
    const char *folder;
    const char *name;
    std::vector<FieldDef> fields;
};

std::string layoutText(const std::vector<FieldDef> &fields)
{
    std::string out;
    for (const FieldDef &f : fields) {
        out += (out.empty() ? "" : ", ") + f.name + " " + store::fieldTypeName(f.type);
        if (f.type == FieldType::Text)
            out += " " + std::to_string(f.width);
    }
    return out;
}

} // namespace

void checkProgramTables(const std::filesystem::path &runtime)
{
    const std::vector<ProgramTable> tables = {
        { "database", "History.DB", catalogueFields() },
        { "database", "cx_jl.db",
            { { "查询主题", FieldType::Text, 40 }, { "查询条件", FieldType::Text, 40 },
                { "查询日期", FieldType::Date, 0 }, { "查询结果", FieldType::Memo, 0 } } },
        { "计算器/data", "计算结果.DB",
            { { "项目", FieldType::Text, 10 }, { "数值", FieldType::Text, 160 }, { "单位", FieldType::Text, 3 } } },
    };
    for (const ProgramTable &t : tables) {
        const std::string where = std::string(t.folder) + "/";
        store::Table table;
        table.setPath(runtime / std::filesystem::u8path(t.folder), t.name);
        try {
            table.open();
        } catch (const store::StoreError &) {
            throw PackError(where, 0, std::string("缺少程序自己的表“") + t.name + "”的源文件");
        }
        const std::string file = where + table.filePath().filename().string();
        if (table.fields() != t.fields)
            throw PackError(file, 0, "程序自己的表须是这样的字段：" + layoutText(t.fields));
        if (table.recordCount() != 0)
            throw PackError(file, 0, "程序自己的表须是空的");
    }
}

} // namespace holvane::pack
