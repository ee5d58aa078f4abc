#pragma once

#include <filesystem>
#include <memory>

// Keeps other processes away from a table file. A table opened exclusively
// keeps every other process out (a second copy of the program, another
// program); inside one program the windows share it. Locks are flock(2) locks
// on the table file, which the kernel frees when the process dies.
namespace holvane::store {

class TableLock {
public:
    // Throws StoreError naming `label` when another process holds the file
    // in a way that conflicts.
    TableLock(const std::filesystem::path &file, bool exclusive, const std::string &label);
    ~TableLock();
    TableLock(const TableLock &) = delete;
    TableLock &operator=(const TableLock &) = delete;

    struct Entry; // shared by the holders of one file in this process

private:
    std::shared_ptr<Entry> m_entry;
    bool m_exclusive;
};

} // namespace holvane::store
