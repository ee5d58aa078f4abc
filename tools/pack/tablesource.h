#pragma once

#include "sourcetext.h"
#include "store/fielddef.h"

#include <string>
#include <vector>

namespace holvane::pack {

// How a source column is written: a store field type, or one of the two
// calculator kinds stored as text and memo.
enum class ColumnKind { Plain, Formula, Values };

struct ColumnSpec {
    store::FieldDef field;
    ColumnKind kind = ColumnKind::Plain;
    int line = 0;
};

// A table file: a header of typed fields, then one row a line, cells between
// "|":
//
//   field 序号 int16
//   field 名称 text 40
//   field 计算公式 formula 120
//   field 初始值 values
//   key 1
//   rows
//   1 | 平面 | W=K*F | 2; 1000
//
// A row line ending in a single "\" goes on in the next line.
class TableSource {
public:
    struct Row {
        int line;
        std::vector<std::string> cells; // trimmed, still escaped
    };

    explicit TableSource(const SourceText &source);

    const SourceText &source() const { return m_source; }
    const std::vector<ColumnSpec> &columns() const { return m_columns; }
    int keyFields() const { return m_keyFields; }
    const std::vector<Row> &rows() const { return m_rows; }
    // Index of the column of that kind; -1 when there is none.
    int columnOfKind(ColumnKind kind) const;

private:
    void parseField(int line, const std::vector<std::string> &words);

    const SourceText &m_source;
    std::vector<ColumnSpec> m_columns;
    int m_keyFields = 0;
    std::vector<Row> m_rows;
};

// Splits a row at its unescaped "|" into trimmed cells.
std::vector<std::string> splitCells(std::string_view row);

} // namespace holvane::pack
