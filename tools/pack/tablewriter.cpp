#include "tablewriter.h"

#include "filereference.h"
#include "formulacheck.h"
#include "formulapicture.h"
#include "picture.h"
#include "store/fieldvalue.h"
#include "store/storeerror.h"
#include "store/table.h"
#include "text/gbk.h"

#include <algorithm>

namespace holvane::pack {

namespace {

constexpr std::string_view kLegendPrefix = "legend:";

std::string unescaped(const SourceText &source, int line, std::string_view cell)
{
    std::string out;
    if (!unescapeValue(cell, out))
        source.fail(line, "值“" + std::string(cell) + "”中有无效的转义符（只能用 \\n \\t \\| \\@ \\\\）");
    return out;
}

std::vector<std::string> valueList(const SourceText &source, int line, std::string_view cell)
{
    std::vector<std::string> values;
    size_t start = 0;
    while (!cell.empty() && start <= cell.size()) {
        size_t end = cell.find(';', start);
        if (end == std::string_view::npos)
            end = cell.size();
        values.push_back(unescaped(source, line, trimSpaces(cell.substr(start, end - start))));
        start = end + 1;
    }
    return values;
}

std::string joinLines(const std::vector<std::string> &values)
{
    std::string out;
    for (const std::string &v : values)
        out += (out.empty() ? "" : "\n") + v;
    return out;
}

} // namespace

std::string legendPicture(const SourceText &source, int line, const std::string &formula,
    const std::vector<std::string> &variables, const std::string &legendText)
{
    std::vector<LegendEntry> legend;
    std::string error;
    if (!parseLegend(legendText, legend, error))
        source.fail(line, error);
    const std::string result(trimSpaces(formula.substr(0, std::min(formula.find('='), formula.size()))));
    for (const std::string &name : variables)
        if (std::none_of(legend.begin(), legend.end(), [&](const LegendEntry &e) { return e.name == name; }))
            source.fail(line, "图例缺少变量“" + name + "”");
    for (const LegendEntry &entry : legend)
        if (entry.name != result && std::find(variables.begin(), variables.end(), entry.name) == variables.end())
            source.fail(line, "图例中的“" + entry.name + "”不是公式“" + formula + "”的变量");
    return bmpBytes(renderFormulaPicture(formula, legend));
}

void writeTable(const TableSource &table, const std::filesystem::path &directory, const std::string &tableName)
{
    const SourceText &source = table.source();
    const std::vector<ColumnSpec> &columns = table.columns();
    const int formulaColumn = table.columnOfKind(ColumnKind::Formula);
    const int valuesColumn = table.columnOfKind(ColumnKind::Values);
    if (formulaColumn >= 0 && valuesColumn < 0)
        source.fail(columns[static_cast<size_t>(formulaColumn)].line, "有公式字段的表还须有一个 values 字段（初始值）");

    std::vector<store::FieldDef> fields;
    for (const ColumnSpec &column : columns)
        fields.push_back(column.field);
    try {
        store::Table::create(directory, tableName, fields, table.keyFields());
    } catch (const store::StoreError &e) {
        source.fail(0, e.what());
    }
    store::Table out;
    out.setPath(directory, tableName);
    out.setExclusive(true);
    out.open();
    out.beginBatch();

    for (const TableSource::Row &row : table.rows()) {
        const int line = row.line;
        std::vector<store::Value> values(columns.size());
        std::string formula;
        std::vector<std::string> initialValues;
        if (formulaColumn >= 0)
            formula = unescaped(source, line, row.cells[static_cast<size_t>(formulaColumn)]);
        if (valuesColumn >= 0)
            initialValues = valueList(source, line, row.cells[static_cast<size_t>(valuesColumn)]);
        if (!formula.empty())
            if (const std::string error = checkItemFormula(formula, initialValues); !error.empty())
                source.fail(line, error);

        for (size_t i = 0; i < columns.size(); ++i) {
            const std::string &cell = row.cells[i];
            const store::FieldDef &field = columns[i].field;
            if (cell.empty())
                continue;
            if (columns[i].kind == ColumnKind::Values) {
                values[i] = store::Value(joinLines(initialValues));
                continue;
            }
            switch (field.type) {
            case store::FieldType::Text: {
                const std::string text = unescaped(source, line, cell);
                if (text::gbkLength(text) > static_cast<size_t>(field.width))
                    source.fail(line,
                        "字段“" + field.name + "”的值“" + text + "”超过 " + std::to_string(field.width)
                            + " 个字节（汉字算两个）");
                values[i] = store::Value(text);
                break;
            }
            case store::FieldType::Memo:
                values[i] = store::Value(
                    isFileReference(cell) ? referencedText(source, line, cell) : unescaped(source, line, cell));
                break;
            case store::FieldType::Graphic:
                if (isFileReference(cell)) {
                    values[i] = store::Value::bytes(referencedPicture(source, line, cell));
                } else if (cell.compare(0, kLegendPrefix.size(), kLegendPrefix) == 0) {
                    if (formula.empty())
                        source.fail(line, "字段“" + field.name + "”要按图例画公式图，但这一行没有公式");
                    std::vector<std::string> variables;
                    if (const std::string error = checkLibraryFormula(formula, variables); !error.empty())
                        source.fail(line, error);
                    values[i] = store::Value::bytes(legendPicture(
                        source, line, formula, variables, unescaped(source, line, cell.substr(kLegendPrefix.size()))));
                } else {
                    source.fail(line, "图形字段“" + field.name + "”的值应为“@文件”或“legend: 图例”");
                }
                break;
            default:
                try {
                    values[i] = store::valueFromText(field, cell, tableName);
                } catch (const store::StoreError &e) {
                    source.fail(line, e.what());
                }
            }
        }

        try {
            out.append();
            for (size_t i = 0; i < values.size(); ++i)
                out.setValue(static_cast<int>(i), values[i]);
            out.post();
        } catch (const store::StoreError &e) {
            source.fail(line, e.what());
        }
    }
    out.endBatch();
    out.close();
}

} // namespace holvane::pack
