#include "tablesource.h"

#include <cstdlib>
#include <set>

namespace holvane::pack {

namespace {

std::vector<std::string> splitWords(std::string_view text)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        const size_t start = i;
        while (i < text.size() && text[i] != ' ')
            ++i;
        if (i > start)
            words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

bool parseCount(const std::string &text, int low, int high, int &value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 6)
        return false;
    value = std::atoi(text.c_str());
    return value >= low && value <= high;
}

// A line that goes on in the next one ends in an odd number of backslashes.
bool continues(const std::string &line)
{
    size_t n = 0;
    while (n < line.size() && line[line.size() - 1 - n] == '\\')
        ++n;
    return n % 2 == 1;
}

} // namespace

std::vector<std::string> splitCells(std::string_view row)
{
    std::vector<std::string> cells;
    std::string cell;
    for (size_t i = 0; i < row.size(); ++i) {
        if (row[i] == '\\' && i + 1 < row.size()) {
            cell.push_back(row[i]);
            cell.push_back(row[++i]);
        } else if (row[i] == '|') {
            cells.emplace_back(trimSpaces(cell));
            cell.clear();
        } else {
            cell.push_back(row[i]);
        }
    }
    cells.emplace_back(trimSpaces(cell));
    return cells;
}

int TableSource::columnOfKind(ColumnKind kind) const
{
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].kind == kind)
            return static_cast<int>(i);
    return -1;
}

void TableSource::parseField(int line, const std::vector<std::string> &words)
{
    if (words.size() < 3)
        m_source.fail(line, "字段行应为“field 名称 类型 [宽度]”");
    ColumnSpec column;
    column.line = line;
    column.field.name = words[1];
    const std::string &type = words[2];
    const bool sized = type == "text" || type == "formula";
    if (words.size() != (sized ? 4u : 3u))
        m_source.fail(line, sized ? "类型“" + type + "”需要宽度" : "类型“" + type + "”不带宽度");
    if (sized && !parseCount(words[3], 1, 255, column.field.width))
        m_source.fail(line, "宽度应为 1 到 255 的整数");
    using store::FieldType;
    if (type == "text") {
        column.field.type = FieldType::Text;
    } else if (type == "formula") {
        column.field.type = FieldType::Text;
        column.kind = ColumnKind::Formula;
    } else if (type == "values") {
        column.field.type = FieldType::Memo;
        column.kind = ColumnKind::Values;
    } else if (type == "int16") {
        column.field.type = FieldType::Int16;
    } else if (type == "int32") {
        column.field.type = FieldType::Int32;
    } else if (type == "float") {
        column.field.type = FieldType::Float;
    } else if (type == "date") {
        column.field.type = FieldType::Date;
    } else if (type == "memo") {
        column.field.type = FieldType::Memo;
    } else if (type == "graphic") {
        column.field.type = FieldType::Graphic;
    } else {
        m_source.fail(line, "未知的字段类型“" + type + "”");
    }
    if (column.kind != ColumnKind::Plain && columnOfKind(column.kind) >= 0)
        m_source.fail(line, "一个表只能有一个“" + type + "”字段");
    for (const ColumnSpec &other : m_columns)
        if (other.field.name == column.field.name)
            m_source.fail(line, "字段“" + column.field.name + "”重复");
    m_columns.push_back(std::move(column));
}

TableSource::TableSource(const SourceText &source)
    : m_source(source)
{
    bool inRows = false;
    std::string pending;
    int pendingLine = 0;
    for (const SourceText::Line &line : source.lines()) {
        if (inRows) {
            if (pending.empty() && trimSpaces(line.text).empty())
                continue;
            if (pending.empty() && trimSpaces(line.text).front() == '#')
                continue;
            if (pending.empty())
                pendingLine = line.number;
            pending += pending.empty() ? line.text : std::string(trimSpaces(line.text));
            if (continues(pending)) {
                pending.pop_back();
                continue;
            }
            Row row { pendingLine, splitCells(pending) };
            pending.clear();
            if (row.cells.size() != m_columns.size())
                source.fail(row.line,
                    "这一行有 " + std::to_string(row.cells.size()) + " 个值，表有 " + std::to_string(m_columns.size())
                        + " 个字段");
            m_rows.push_back(std::move(row));
            continue;
        }
        const std::vector<std::string> words = splitWords(line.text);
        if (words.empty() || words[0].front() == '#')
            continue;
        if (words[0] == "field") {
            parseField(line.number, words);
        } else if (words[0] == "key") {
            if (words.size() != 2 || !parseCount(words[1], 1, 255, m_keyFields))
                source.fail(line.number, "关键字行应为“key 字段数”");
        } else if (words[0] == "rows" && words.size() == 1) {
            inRows = true;
        } else {
            source.fail(line.number, "应为“field”、“key”或“rows”行");
        }
    }
    if (!pending.empty())
        source.fail(pendingLine, "最后一行以“\\”结尾，后面没有续行");
    if (m_columns.empty())
        source.fail(0, "表没有字段");
    if (m_keyFields > static_cast<int>(m_columns.size()))
        source.fail(0, "关键字字段数超过字段数");
}

} // namespace holvane::pack
