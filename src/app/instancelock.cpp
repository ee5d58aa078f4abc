#include "app/instancelock.h"

#include <cstdlib>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace holvane::app {

InstanceLock::InstanceLock(const std::filesystem::path &directory, const std::string &name)
    : m_file(directory / (name + ".lock"))
{
    const int fd = ::open(m_file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

InstanceLock::~InstanceLock()
{
    release();
}

void InstanceLock::release()
{
    if (m_fd < 0)
        return;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

std::filesystem::path InstanceLock::lockDirectory()
{
    for (const char *variable : {"HOLVANE_LOCK_DIR", "XDG_RUNTIME_DIR"}) {
        const char *value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "/tmp";
}

} // namespace holvane::app
