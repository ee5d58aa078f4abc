#include "store/aliasregistry.h"

#include "store/names.h"
#include "store/storeerror.h"

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace holvane::store {

AliasRegistry::AliasRegistry(std::filesystem::path file) : m_file(std::move(file))
{
    std::ifstream in(m_file);
    if (!in)
        return;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const size_t t1 = line.find('\t');
        const size_t t2 = t1 == std::string::npos ? t1 : line.find('\t', t1 + 1);
        if (t1 == 0 || t2 == std::string::npos || t2 == t1 + 1)
            throw StoreError("数据库别名文件“" + m_file.string() + "”第 " + std::to_string(lineNo) + " 行格式错误");
        m_aliases.push_back({line.substr(0, t1), line.substr(t1 + 1, t2 - t1 - 1), line.substr(t2 + 1)});
    }
}

std::vector<std::string> AliasRegistry::names() const
{
    std::vector<std::string> out;
    for (const Alias &a : m_aliases)
        out.push_back(a.name);
    return out;
}

const AliasRegistry::Alias *AliasRegistry::find(std::string_view name) const
{
    for (const Alias &a : m_aliases) {
        if (equalsNoCase(a.name, name))
            return &a;
    }
    return nullptr;
}

bool AliasRegistry::contains(std::string_view name) const
{
    return find(name) != nullptr;
}

std::filesystem::path AliasRegistry::directory(std::string_view name) const
{
    const Alias *a = find(name);
    if (!a)
        throw StoreError("数据库别名“" + std::string(name) + "”不存在");
    return a->directory;
}

void AliasRegistry::add(const std::string &name, const std::filesystem::path &directory, const std::string &driver)
{
    if (name.empty() || name.find_first_of("\t\r\n") != std::string::npos
        || directory.string().find_first_of("\t\r\n") != std::string::npos)
        throw StoreError("数据库别名“" + name + "”无效");
    if (contains(name))
        throw StoreError("数据库别名“" + name + "”已存在");
    m_aliases.push_back({name, directory, driver});
    try {
        save();
    } catch (...) {
        m_aliases.pop_back();
        throw;
    }
}

void AliasRegistry::save() const
{
    std::ostringstream out;
    for (const Alias &a : m_aliases)
        out << a.name << '\t' << a.directory.string() << '\t' << a.driver << '\n';
    const std::string text = out.str();
    const std::filesystem::path temp = m_file.string() + ".new";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        f.write(text.data(), static_cast<std::streamsize>(text.size()));
        f.flush();
        if (!f)
            throw StoreError("无法写入数据库别名文件“" + m_file.string() + "”");
    }
    std::error_code ec;
    std::filesystem::rename(temp, m_file, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        throw StoreError("无法写入数据库别名文件“" + m_file.string() + "”");
    }
}

} // namespace holvane::store
