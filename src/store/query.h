#pragma once

#include "store/cursor.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace holvane::store {

class TableLock;

// A read-only query: one SQL text over tables of one directory, each table
// reachable in the text by its name without ".DB" (`select * from vtree ...`).
// Values reach the text only as bound parameters (`?`), never spliced in.
class Query : public Cursor {
public:
    Query();
    ~Query() override;

    void setDirectory(const std::filesystem::path &directory, std::vector<std::string> tables);
    // The text and its parameters can change only while the query is closed.
    void setSql(std::string sql, std::vector<Value> parameters = {});
    const std::string &sql() const { return m_sql; }

    void open();
    void close();

private:
    std::filesystem::path m_directory;
    std::vector<std::string> m_tables;
    std::string m_sql;
    std::vector<Value> m_parameters;
    std::vector<std::unique_ptr<TableLock>> m_locks;
};

} // namespace holvane::store
