#include "packfixture.h"

#include <algorithm>
#include <vector>

namespace holvane::test {

std::filesystem::path fixtureContent()
{
    return std::filesystem::path(HOLVANE_SOURCE_DIR) / "tests" / "fixtures" / "content";
}

void copyTree(const std::filesystem::path &from, const std::filesystem::path &to)
{
    std::filesystem::create_directories(to);
    std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
}

std::vector<std::filesystem::path> filesBelow(const std::filesystem::path &dir)
{
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(dir))
        files.push_back(entry.path().lexically_relative(dir));
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace holvane::test
