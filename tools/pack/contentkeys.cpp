#include "contentkeys.h"

#include "store/names.h"

namespace holvane::pack {

bool ContentKeys::has(const std::set<std::string> &keys, const std::string &key)
{
    return keys.count(store::asciiLower(key)) > 0;
}

std::string keyProblem(const std::string &key)
{
    if (key.empty())
        return "键为空";
    if (key.find('/') != std::string::npos || key.find('\\') != std::string::npos
        || key.find("..") != std::string::npos)
        return "键“" + key + "”含路径分隔符或“..”";
    return {};
}

} // namespace holvane::pack
