#include "store/tablelock.h"

#include "store/storeerror.h"

#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <unistd.h>

namespace holvane::store {

// One descriptor per file and process: flock locks belong to the open file, so
// two descriptors of one process would lock each other out. The descriptor is
// closed only when the last holder goes, after every SQLite connection of the
// holder has closed.
struct TableLock::Entry {
    std::filesystem::path file;
    int fd = -1;
    int exclusiveHolders = 0;
    int sharedHolders = 0;

    ~Entry()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

namespace {

std::map<std::filesystem::path, std::weak_ptr<TableLock::Entry>> &registry()
{
    static std::map<std::filesystem::path, std::weak_ptr<TableLock::Entry>> r;
    return r;
}

bool lockAs(int fd, bool exclusive)
{
    return ::flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0;
}

} // namespace

TableLock::TableLock(const std::filesystem::path &file, bool exclusive, const std::string &label)
    : m_exclusive(exclusive)
{
    std::error_code ec;
    std::filesystem::path key = std::filesystem::weakly_canonical(file, ec);
    if (ec)
        key = file;
    auto &r = registry();
    m_entry = r[key].lock();
    if (!m_entry) {
        auto entry = std::make_shared<Entry>();
        entry->file = key;
        entry->fd = ::open(key.c_str(), O_RDONLY | O_CLOEXEC);
        if (entry->fd < 0)
            throw StoreError("无法打开数据表“" + label + "”：文件不存在或无法读取");
        if (!lockAs(entry->fd, exclusive))
            throw StoreError("数据表“" + label + "”正被另一个程序使用，无法打开");
        m_entry = entry;
        r[key] = entry;
    } else if (exclusive && m_entry->exclusiveHolders == 0) {
        // Upgrading is not atomic: on refusal, take the shared lock back.
        if (!lockAs(m_entry->fd, true)) {
            lockAs(m_entry->fd, false);
            throw StoreError("数据表“" + label + "”正被另一个程序使用，无法独占打开");
        }
    }
    (exclusive ? m_entry->exclusiveHolders : m_entry->sharedHolders)++;
}

TableLock::~TableLock()
{
    (m_exclusive ? m_entry->exclusiveHolders : m_entry->sharedHolders)--;
    if (m_entry->exclusiveHolders == 0 && m_entry->sharedHolders > 0 && m_exclusive)
        lockAs(m_entry->fd, false);
    if (m_entry.use_count() == 1)
        registry().erase(m_entry->file);
}

} // namespace holvane::store
