#pragma once

#include <string>

namespace holvane::store {

enum class FieldType { Text, Int16, Int32, Float, Date, Memo, Graphic };

// One field of a table: its name, type and, for text, its width in GBK bytes.
// The width is recorded for the windows that limit typing; the store keeps a
// longer value whole.
struct FieldDef {
    std::string name;
    FieldType type = FieldType::Text;
    int width = 0;

    bool operator==(const FieldDef &other) const
    {
        return name == other.name && type == other.type && width == other.width;
    }
};

// The column type written into a table file for a field, and back. The
// declared types carry SQLite's matching column affinity (TEXT for text, memo
// and dates, INTEGER, REAL, none for pictures).
std::string declaredType(const FieldDef &field);
FieldDef fieldFromDeclaredType(const std::string &name, const std::string &declared);

const char *fieldTypeName(FieldType type);

} // namespace holvane::store
