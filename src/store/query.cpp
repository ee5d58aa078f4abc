#include "store/query.h"

#include "store/names.h"
#include "store/sqlite.h"
#include "store/storeerror.h"
#include "store/tablelock.h"

namespace holvane::store {
namespace {

// A file name as an SQLite URI path, so it can be attached read-only.
std::string fileUri(const std::filesystem::path &file)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out = "file:";
    for (const unsigned char c : file.string()) {
        if (c == '%' || c == '?' || c == '#' || c < 0x20) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "?mode=ro";
}

std::string viewName(const std::string &table)
{
    const std::string file = tableFileName(table);
    return file.substr(0, file.size() - 3);
}

} // namespace

Query::Query() = default;

Query::~Query()
{
    close();
}

void Query::setDirectory(const std::filesystem::path &directory, std::vector<std::string> tables)
{
    if (isOpen())
        throw StoreError("查询已打开，不能更换数据表");
    for (const std::string &t : tables)
        checkPlainName(t, "数据表");
    m_directory = directory;
    m_tables = std::move(tables);
}

void Query::setSql(std::string sql, std::vector<Value> parameters)
{
    if (isOpen())
        throw StoreError("查询已打开，不能更换语句");
    m_sql = std::move(sql);
    m_parameters = std::move(parameters);
    setLabel(m_tables.empty() ? m_sql : m_tables.front());
}

void Query::open()
{
    if (isOpen())
        return;
    try {
        sqlite::Connection db(":memory:", false, label());
        for (size_t i = 0; i < m_tables.size(); ++i) {
            const std::filesystem::path file = findNoCase(m_directory, tableFileName(m_tables[i]));
            if (file.empty())
                throw StoreError("无法打开数据表“" + m_tables[i] + "”：目录“" + m_directory.string() + "”中没有该表");
            m_locks.push_back(std::make_unique<TableLock>(file, false, m_tables[i]));
            const std::string schema = "t" + std::to_string(i);
            sqlite::Statement attach(db, "ATTACH DATABASE ? AS " + schema);
            attach.bind(1, Value(fileUri(file)));
            attach.step();
            db.exec("CREATE TEMP VIEW " + sqlite::quoteIdentifier(viewName(m_tables[i])) + " AS SELECT * FROM "
                    + schema + ".records");
        }
        sqlite::Statement st(db, m_sql);
        for (size_t i = 0; i < m_parameters.size(); ++i)
            st.bind(static_cast<int>(i) + 1, m_parameters[i]);
        const int n = st.columnCount();
        std::vector<FieldDef> fields;
        for (int i = 0; i < n; ++i)
            fields.push_back(fieldFromDeclaredType(st.columnName(i), st.columnDeclaredType(i)));
        std::vector<Value> cells;
        std::vector<std::int64_t> rowids;
        while (st.step()) {
            rowids.push_back(static_cast<std::int64_t>(rowids.size()));
            for (int i = 0; i < n; ++i)
                cells.push_back(st.column(i));
        }
        setFields(std::move(fields));
        setRecords(std::move(cells), std::move(rowids));
    } catch (...) {
        m_locks.clear();
        clearRecords();
        throw;
    }
    setOpen(true);
    first();
}

void Query::close()
{
    m_locks.clear();
    clearRecords();
    setOpen(false);
}

} // namespace holvane::store
