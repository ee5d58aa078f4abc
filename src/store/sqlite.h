#pragma once

#include "store/value.h"

#include <string>

struct sqlite3;
struct sqlite3_stmt;

// Thin owners of an SQLite connection and statement. Every value reaches SQL as
// a bound parameter; SQL texts are fixed in the code.
namespace holvane::store::sqlite {

class Connection {
public:
    // Opens `uri` (a file path, or ":memory:"); `label` names it in errors.
    Connection(const std::string &path, bool readOnly, const std::string &label);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    sqlite3 *handle() const { return m_db; }
    const std::string &label() const { return m_label; }
    void exec(const std::string &sql);
    // Throws a StoreError naming the table and `what`, with SQLite's reason.
    [[noreturn]] void fail(const std::string &what) const;

private:
    sqlite3 *m_db = nullptr;
    std::string m_label;
};

class Statement {
public:
    Statement(Connection &db, const std::string &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(int index, const Value &value); // 1-based
    // Next row: true while there is one.
    bool step();
    void reset();
    int columnCount() const;
    Value column(int index) const; // 0-based
    std::string columnName(int index) const;
    std::string columnDeclaredType(int index) const;

    sqlite3_stmt *handle() const { return m_stmt; }

private:
    Connection &m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

// Quotes an identifier (a field name) for SQL: identifiers cannot be bound.
std::string quoteIdentifier(const std::string &name);

} // namespace holvane::store::sqlite
