#include "store/names.h"

#include "store/storeerror.h"

namespace holvane::store {

std::string asciiLower(std::string_view s)
{
    std::string out(s);
    for (char &c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

void checkPlainName(std::string_view name, std::string_view what)
{
    const std::string shown(name);
    if (name.empty())
        throw StoreError(std::string(what) + "名称为空");
    if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos
        || name.find("..") != std::string_view::npos || name.find('\0') != std::string_view::npos)
        throw StoreError(std::string(what) + "名称“" + shown + "”含有路径分隔符或“..”，已拒绝");
}

std::filesystem::path findNoCase(const std::filesystem::path &dir, std::string_view name)
{
    std::error_code ec;
    const std::filesystem::path exact = dir / std::string(name);
    if (std::filesystem::exists(exact, ec))
        return exact;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (equalsNoCase(it->path().filename().string(), name))
            return it->path();
    }
    return {};
}

std::string tableFileName(std::string_view tableName)
{
    const std::string name(tableName);
    if (name.size() >= 3 && equalsNoCase(name.substr(name.size() - 3), ".db"))
        return name;
    return name + ".DB";
}

} // namespace holvane::store
