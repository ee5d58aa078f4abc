#pragma once

#include "store/cursor.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace holvane::store {

class AliasRegistry;
class TableLock;
namespace sqlite {
class Connection;
}

enum class TableState { Inactive, Browse, Edit, Insert };

// A table of the handbook or of the program: one SQLite file per table, named
// as the table, found without regard to case in its directory. Records are in
// key order (a table with key fields) or in the order they were added.
//
// Every post and delete is one transaction: a process killed at any moment
// leaves the file readable with every record posted before.
class Table : public Cursor {
public:
    Table();
    ~Table() override;

    // Where the table lives: an alias's directory, or a directory path. The
    // name may omit ".DB". A name with a path separator or ".." is refused.
    void setAlias(const AliasRegistry &aliases, const std::string &alias, const std::string &tableName);
    void setPath(const std::filesystem::path &directory, const std::string &tableName);
    void setExclusive(bool exclusive) { m_exclusive = exclusive; }
    const std::string &tableName() const { return m_tableName; }
    // The table file, once found by open().
    const std::filesystem::path &filePath() const { return m_file; }

    // Opens and moves to the first record (a notification follows).
    void open();
    void close();
    // Reads the records again, keeping the current one where it still exists.
    void refresh();

    TableState state() const { return m_state; }
    void edit();
    void append();
    void post();
    void cancel();
    // Deletes the current record; the next one becomes current.
    void remove();
    void emptyTable();

    // Many appends as one transaction, for loading a table: inside a batch,
    // posted records are read back only when the batch ends, and the table
    // then stands on its first record. Closing the table inside a batch
    // discards the batch.
    void beginBatch();
    void endBatch();

    // Set a field of the record being edited or appended.
    void setValue(int field, const Value &value);
    void setValue(std::string_view field, const Value &value);
    void setText(int field, std::string_view text);
    void setText(std::string_view field, std::string_view text);

    // Creates a new, empty table file in `directory` with the fields given;
    // its first `keyFields` fields form the key that orders it. Throws when a
    // file of that name exists.
    static void create(const std::filesystem::path &directory, const std::string &tableName,
                       const std::vector<FieldDef> &fields, int keyFields = 0);

protected:
    const Value *currentCells() const override;

private:
    void requireOpen(const char *what) const;
    void requireEditing(const char *what) const;
    void readRecords();
    std::string orderClause() const;

    std::filesystem::path m_directory;
    std::string m_tableName;
    std::filesystem::path m_file;
    bool m_exclusive = false;
    bool m_readOnly = false;
    bool m_batch = false;
    int m_keyFields = 0;
    TableState m_state = TableState::Inactive;
    std::vector<Value> m_buffer;
    std::unique_ptr<TableLock> m_lock;
    std::unique_ptr<sqlite::Connection> m_db;
};

} // namespace holvane::store
