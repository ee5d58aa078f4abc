#include "store/sqlite.h"

#include "store/storeerror.h"

#include <sqlite3.h>

namespace holvane::store::sqlite {

Connection::Connection(const std::string &path, bool readOnly, const std::string &label) : m_label(label)
{
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)
        | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        const std::string reason = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw StoreError("无法打开数据表“" + label + "”：" + reason);
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 2000);
}

Connection::~Connection()
{
    sqlite3_close_v2(m_db);
}

void Connection::exec(const std::string &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        const std::string reason = err ? err : sqlite3_errmsg(m_db);
        sqlite3_free(err);
        throw StoreError("数据表“" + m_label + "”操作失败：" + reason);
    }
}

void Connection::fail(const std::string &what) const
{
    throw StoreError("数据表“" + m_label + "”" + what + "：" + sqlite3_errmsg(m_db));
}

Statement::Statement(Connection &db, const std::string &sql) : m_db(db)
{
    if (sqlite3_prepare_v2(db.handle(), sql.c_str(), static_cast<int>(sql.size()), &m_stmt, nullptr) != SQLITE_OK)
        db.fail("无法执行查询");
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::bind(int index, const Value &value)
{
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else if (value.isInteger()) {
        rc = sqlite3_bind_int64(m_stmt, index, value.integer());
    } else if (value.isReal()) {
        rc = sqlite3_bind_double(m_stmt, index, value.real());
    } else if (value.isText()) {
        rc = sqlite3_bind_text64(m_stmt, index, value.text().data(), value.text().size(), SQLITE_TRANSIENT,
                                 SQLITE_UTF8);
    } else {
        const std::string &b = value.rawBytes();
        rc = sqlite3_bind_blob64(m_stmt, index, b.data(), b.size(), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK)
        m_db.fail("无法设置参数");
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_db.fail(rc == SQLITE_BUSY || rc == SQLITE_LOCKED ? "已被锁定" : "读写失败");
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

Value Statement::column(int index) const
{
    switch (sqlite3_column_type(m_stmt, index)) {
    case SQLITE_INTEGER:
        return Value(static_cast<std::int64_t>(sqlite3_column_int64(m_stmt, index)));
    case SQLITE_FLOAT:
        return Value(sqlite3_column_double(m_stmt, index));
    case SQLITE_TEXT: {
        const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, index));
        return Value(std::string(p, static_cast<size_t>(sqlite3_column_bytes(m_stmt, index))));
    }
    case SQLITE_BLOB: {
        const auto *p = static_cast<const char *>(sqlite3_column_blob(m_stmt, index));
        const auto n = static_cast<size_t>(sqlite3_column_bytes(m_stmt, index));
        return Value::bytes(p ? std::string(p, n) : std::string());
    }
    default:
        return Value();
    }
}

std::string Statement::columnName(int index) const
{
    const char *n = sqlite3_column_name(m_stmt, index);
    return n ? n : "";
}

std::string Statement::columnDeclaredType(int index) const
{
    const char *t = sqlite3_column_decltype(m_stmt, index);
    return t ? t : "";
}

std::string quoteIdentifier(const std::string &name)
{
    std::string out = "\"";
    for (const char c : name) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

} // namespace holvane::store::sqlite
