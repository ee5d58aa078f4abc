#include "store/fielddef.h"

#include <cstdlib>

namespace holvane::store {

std::string declaredType(const FieldDef &field)
{
    switch (field.type) {
    case FieldType::Text:
        return "TEXT(" + std::to_string(field.width) + ")";
    case FieldType::Int16:
        return "SMALLINT";
    case FieldType::Int32:
        return "INTEGER";
    case FieldType::Float:
        return "DOUBLE";
    case FieldType::Date:
        return "DATE TEXT";
    case FieldType::Memo:
        return "MEMO TEXT";
    case FieldType::Graphic:
        return "GRAPHIC BLOB";
    }
    return "TEXT(0)";
}

FieldDef fieldFromDeclaredType(const std::string &name, const std::string &declared)
{
    FieldDef f{name, FieldType::Text, 0};
    if (declared.rfind("TEXT(", 0) == 0)
        f.width = std::atoi(declared.c_str() + 5);
    else if (declared == "SMALLINT")
        f.type = FieldType::Int16;
    else if (declared == "INTEGER")
        f.type = FieldType::Int32;
    else if (declared == "DOUBLE")
        f.type = FieldType::Float;
    else if (declared == "DATE TEXT")
        f.type = FieldType::Date;
    else if (declared == "MEMO TEXT")
        f.type = FieldType::Memo;
    else if (declared == "GRAPHIC BLOB")
        f.type = FieldType::Graphic;
    return f;
}

const char *fieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::Text:
        return "文本";
    case FieldType::Int16:
        return "短整数";
    case FieldType::Int32:
        return "长整数";
    case FieldType::Float:
        return "浮点数";
    case FieldType::Date:
        return "日期";
    case FieldType::Memo:
        return "备注";
    case FieldType::Graphic:
        return "图形";
    }
    return "文本";
}

} // namespace holvane::store
