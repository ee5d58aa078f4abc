#pragma once

#include <filesystem>
#include <string>

namespace holvane::app {

// The program's one-copy lock: a file held with flock in the user's runtime
// folder, named after the program's lock name. The kernel frees it when the
// process ends, however it ends.
class InstanceLock {
public:
    // `directory`: where the lock file lives (see lockDirectory()).
    InstanceLock(const std::filesystem::path &directory, const std::string &name);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // False when another process holds the lock (or the file cannot be made).
    bool acquired() const { return m_fd >= 0; }
    const std::filesystem::path &file() const { return m_file; }
    void release();

    // $HOLVANE_LOCK_DIR when set (tests point it at their own folder), else
    // $XDG_RUNTIME_DIR, else /tmp.
    static std::filesystem::path lockDirectory();

private:
    std::filesystem::path m_file;
    int m_fd = -1;
};

} // namespace holvane::app
