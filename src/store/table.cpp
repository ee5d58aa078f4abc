#include "store/table.h"

#include "store/aliasregistry.h"
#include "store/fieldvalue.h"
#include "store/names.h"
#include "store/sqlite.h"
#include "store/storeerror.h"
#include "store/tablelock.h"

#include <map>
#include <sqlite3.h>
#include <unistd.h>

namespace holvane::store {
namespace {

// Marks an SQLite file as one of our tables ("HLVN").
constexpr int kApplicationId = 0x484C564E;

std::string columnList(const std::vector<FieldDef> &fields)
{
    std::string out;
    for (const FieldDef &f : fields) {
        if (!out.empty())
            out += ", ";
        out += sqlite::quoteIdentifier(f.name);
    }
    return out;
}

int applicationId(sqlite::Connection &db)
{
    sqlite::Statement st(db, "PRAGMA application_id");
    return st.step() ? static_cast<int>(st.column(0).integer()) : 0;
}

} // namespace

Table::Table() = default;

Table::~Table()
{
    close();
}

void Table::setAlias(const AliasRegistry &aliases, const std::string &alias, const std::string &tableName)
{
    setPath(aliases.directory(alias), tableName);
}

void Table::setPath(const std::filesystem::path &directory, const std::string &tableName)
{
    if (isOpen())
        throw StoreError("数据表“" + m_tableName + "”已打开，不能更换");
    checkPlainName(tableName, "数据表");
    m_directory = directory;
    m_tableName = tableName;
    setLabel(tableName);
}

void Table::open()
{
    if (isOpen())
        return;
    checkPlainName(m_tableName, "数据表");
    std::error_code ec;
    if (!std::filesystem::is_directory(m_directory, ec))
        throw StoreError("无法打开数据表“" + m_tableName + "”：目录“" + m_directory.string() + "”不存在");
    m_file = findNoCase(m_directory, tableFileName(m_tableName));
    if (m_file.empty())
        throw StoreError("无法打开数据表“" + m_tableName + "”：目录“" + m_directory.string() + "”中没有该表");
    setLabel(m_file.filename().string());
    try {
        m_lock = std::make_unique<TableLock>(m_file, m_exclusive, m_tableName);
        m_readOnly = ::access(m_file.c_str(), W_OK) != 0 || ::access(m_directory.c_str(), W_OK) != 0;
        m_db = std::make_unique<sqlite::Connection>(m_file.string(), m_readOnly, m_tableName);
        if (applicationId(*m_db) != kApplicationId)
            throw StoreError("无法打开数据表“" + m_tableName + "”：文件“" + m_file.string() + "”不是数据表");
        m_db->exec("PRAGMA synchronous = FULL");

        std::vector<FieldDef> fields;
        std::map<int, int> keyOrder;
        sqlite::Statement info(*m_db, "PRAGMA table_info(records)");
        while (info.step()) {
            fields.push_back(fieldFromDeclaredType(info.column(1).text(), info.column(2).rawBytes()));
            const Value pk = info.column(5);
            if (pk.isInteger() && pk.integer() > 0)
                keyOrder[static_cast<int>(pk.integer())] = static_cast<int>(fields.size()) - 1;
        }
        if (fields.empty())
            throw StoreError("无法打开数据表“" + m_tableName + "”：文件“" + m_file.string() + "”没有记录表");
        m_keyFields = static_cast<int>(keyOrder.size());
        setFields(std::move(fields));
        readRecords();
    } catch (const StoreError &e) {
        m_db.reset();
        m_lock.reset();
        clearRecords();
        // SQLite's own reason for a damaged file is terse; say what it means.
        const std::string what = e.what();
        if (what.find("malformed") != std::string::npos || what.find("not a database") != std::string::npos)
            throw StoreError("无法打开数据表“" + m_tableName + "”：文件“" + m_file.string()
                             + "”已损坏或不是数据表（" + what + "）");
        throw;
    }
    m_state = TableState::Browse;
    setOpen(true);
    first();
}

void Table::close()
{
    m_batch = false;
    m_db.reset();
    m_lock.reset();
    clearRecords();
    m_buffer.clear();
    m_state = TableState::Inactive;
    setOpen(false);
}

std::string Table::orderClause() const
{
    std::string order;
    for (int i = 0; i < m_keyFields; ++i)
        order += sqlite::quoteIdentifier(fields()[static_cast<size_t>(i)].name) + ", ";
    return " ORDER BY " + order + "rowid";
}

void Table::readRecords()
{
    // Knowing the count first spares the growing vectors their copies.
    sqlite::Statement count(*m_db, "SELECT count(*) FROM records");
    const size_t rows = count.step() ? static_cast<size_t>(sqlite3_column_int64(count.handle(), 0)) : 0;
    sqlite::Statement st(*m_db, "SELECT rowid, * FROM records" + orderClause());
    const int n = fieldCount();
    std::vector<Value> cells;
    std::vector<std::int64_t> rowids;
    cells.reserve(rows * static_cast<size_t>(n));
    rowids.reserve(rows);
    while (st.step()) {
        rowids.push_back(sqlite3_column_int64(st.handle(), 0));
        for (int i = 0; i < n; ++i)
            cells.push_back(st.column(i + 1));
    }
    setRecords(std::move(cells), std::move(rowids));
}

void Table::refresh()
{
    requireOpen("刷新");
    const std::int64_t current = recNo() >= 0 ? rowidAt(rowAt(recNo())) : -1;
    const int position = recNo();
    readRecords();
    moveToRowid(current, position);
}

void Table::requireOpen(const char *what) const
{
    if (!isOpen())
        throw StoreError("数据表“" + m_tableName + "”未打开，不能" + what);
}

void Table::requireEditing(const char *what) const
{
    requireOpen(what);
    if (m_state != TableState::Edit && m_state != TableState::Insert)
        throw StoreError("数据表“" + m_tableName + "”不在编辑状态，不能" + what);
}

const Value *Table::currentCells() const
{
    if (m_state == TableState::Edit || m_state == TableState::Insert)
        return m_buffer.data();
    return Cursor::currentCells();
}

void Table::edit()
{
    requireOpen("编辑");
    if (m_readOnly)
        throw StoreError("数据表“" + m_tableName + "”是只读的，不能修改");
    if (m_state != TableState::Browse)
        return;
    if (recNo() < 0) {
        append();
        return;
    }
    const Value *cells = Cursor::currentCells();
    m_buffer.assign(cells, cells + fieldCount());
    m_state = TableState::Edit;
}

void Table::append()
{
    requireOpen("添加记录");
    if (m_readOnly)
        throw StoreError("数据表“" + m_tableName + "”是只读的，不能修改");
    m_buffer.assign(static_cast<size_t>(fieldCount()), Value());
    m_state = TableState::Insert;
}

void Table::cancel()
{
    if (m_state == TableState::Edit || m_state == TableState::Insert) {
        m_buffer.clear();
        m_state = TableState::Browse;
        notifyScroll();
    }
}

void Table::setValue(int index, const Value &value)
{
    requireEditing("写入字段");
    m_buffer[static_cast<size_t>(index)] = fitValue(field(index), value, label());
}

void Table::setValue(std::string_view name, const Value &value)
{
    setValue(fieldIndexOrThrow(name), value);
}

void Table::setText(int index, std::string_view text)
{
    requireEditing("写入字段");
    m_buffer[static_cast<size_t>(index)] = valueFromText(field(index), text, label());
}

void Table::setText(std::string_view name, std::string_view text)
{
    setText(fieldIndexOrThrow(name), text);
}

void Table::post()
{
    requireEditing("保存记录");
    const std::vector<FieldDef> &defs = fields();
    std::int64_t rowid = 0;
    if (!m_batch)
        m_db->exec("BEGIN IMMEDIATE");
    try {
        if (m_state == TableState::Insert) {
            std::string marks;
            for (size_t i = 0; i < defs.size(); ++i)
                marks += i ? ", ?" : "?";
            sqlite::Statement st(*m_db, "INSERT INTO records (" + columnList(defs) + ") VALUES (" + marks + ")");
            for (size_t i = 0; i < defs.size(); ++i)
                st.bind(static_cast<int>(i) + 1, m_buffer[i]);
            st.step();
            rowid = sqlite3_last_insert_rowid(m_db->handle());
        } else {
            std::string sets;
            for (size_t i = 0; i < defs.size(); ++i)
                sets += (i ? ", " : "") + sqlite::quoteIdentifier(defs[i].name) + " = ?";
            sqlite::Statement st(*m_db, "UPDATE records SET " + sets + " WHERE rowid = ?");
            for (size_t i = 0; i < defs.size(); ++i)
                st.bind(static_cast<int>(i) + 1, m_buffer[i]);
            rowid = rowidAt(rowAt(recNo()));
            st.bind(static_cast<int>(defs.size()) + 1, Value(rowid));
            st.step();
        }
        if (!m_batch)
            m_db->exec("COMMIT");
    } catch (const StoreError &e) {
        const bool duplicateKey = sqlite3_extended_errcode(m_db->handle()) == SQLITE_CONSTRAINT_PRIMARYKEY;
        if (!m_batch)
            sqlite3_exec(m_db->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        if (duplicateKey)
            throw StoreError("数据表“" + label() + "”：关键字重复，记录未保存");
        throw;
    }
    const int position = recNo();
    m_buffer.clear();
    m_state = TableState::Browse;
    if (m_batch)
        return;
    readRecords();
    moveToRowid(rowid, position);
}

void Table::remove()
{
    requireOpen("删除记录");
    if (m_state != TableState::Browse)
        cancel();
    if (recNo() < 0)
        throw StoreError("数据表“" + m_tableName + "”没有记录，不能删除");
    if (m_readOnly)
        throw StoreError("数据表“" + m_tableName + "”是只读的，不能修改");
    const int position = recNo();
    sqlite::Statement st(*m_db, "DELETE FROM records WHERE rowid = ?");
    st.bind(1, Value(rowidAt(rowAt(position))));
    st.step();
    readRecords();
    moveToRowid(-1, position);
}

void Table::emptyTable()
{
    requireOpen("清空");
    if (m_readOnly)
        throw StoreError("数据表“" + m_tableName + "”是只读的，不能修改");
    cancel();
    m_db->exec("DELETE FROM records");
    readRecords();
    first();
}

void Table::beginBatch()
{
    requireOpen("添加记录");
    if (m_readOnly)
        throw StoreError("数据表“" + m_tableName + "”是只读的，不能修改");
    if (m_batch)
        return;
    m_db->exec("BEGIN IMMEDIATE");
    m_batch = true;
}

void Table::endBatch()
{
    if (!m_batch)
        return;
    m_batch = false;
    m_db->exec("COMMIT");
    readRecords();
    first();
}

void Table::create(const std::filesystem::path &directory, const std::string &tableName,
                   const std::vector<FieldDef> &fields, int keyFields)
{
    checkPlainName(tableName, "数据表");
    if (fields.empty())
        throw StoreError("数据表“" + tableName + "”没有字段");
    std::error_code ec;
    std::filesystem::create_directories(directory, ec);
    const std::filesystem::path file = directory / tableFileName(tableName);
    if (!findNoCase(directory, tableFileName(tableName)).empty())
        throw StoreError("数据表“" + tableName + "”已存在：" + file.string());

    std::string columns;
    for (const FieldDef &f : fields)
        columns += (columns.empty() ? "" : ", ") + sqlite::quoteIdentifier(f.name) + " " + declaredType(f);
    if (keyFields > 0) {
        std::vector<FieldDef> keys(fields.begin(), fields.begin() + std::min<size_t>(keyFields, fields.size()));
        columns += ", PRIMARY KEY (" + columnList(keys) + ")";
    }
    {
        sqlite::Connection db(file.string(), false, tableName);
        db.exec("PRAGMA application_id = " + std::to_string(kApplicationId));
        db.exec("CREATE TABLE records (" + columns + ")");
    }
}

} // namespace holvane::store
