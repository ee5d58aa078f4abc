#pragma once

#include <stdexcept>
#include <string>

namespace holvane::pack {

// A source the packer refuses: the file (relative to the source folder), the
// line (0 when the fault is the file as a whole) and what is wrong. Packing
// stops at the first one; the output folder is left as it was.
class PackError : public std::runtime_error {
public:
    PackError(std::string file, int line, const std::string &message)
        : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + message)
        , m_file(std::move(file))
        , m_line(line)
    {
    }

    const std::string &file() const { return m_file; }
    int line() const { return m_line; }

private:
    std::string m_file;
    int m_line;
};

} // namespace holvane::pack
