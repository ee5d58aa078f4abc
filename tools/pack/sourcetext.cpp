#include "sourcetext.h"

#include "packerror.h"
#include "text/gbk.h"

#include <fstream>
#include <sstream>

namespace holvane::pack {

std::string relativeName(const std::filesystem::path &root, const std::filesystem::path &file)
{
    return file.lexically_relative(root).generic_string();
}

std::string readSourceFile(const std::filesystem::path &path, const std::string &name)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw PackError(name, 0, "无法读取文件");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        throw PackError(name, 0, "读取文件出错");
    return bytes.str();
}

SourceText::SourceText(const std::filesystem::path &root, const std::filesystem::path &file)
    : m_path(file)
    , m_name(relativeName(root, file))
{
    std::string bytes = readSourceFile(file, m_name);
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        bytes.erase(0, 3);
    int number = 0;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ++number;
        if (!text::isValidUtf8(line))
            fail(number, "不是有效的 UTF-8 文本");
        m_lines.push_back({ number, std::move(line) });
        start = end + 1;
    }
}

void SourceText::fail(int line, const std::string &message) const
{
    throw PackError(m_name, line, message);
}

bool unescapeValue(std::string_view text, std::string &out)
{
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out.push_back(text[i]);
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case 'n':
            out.push_back('\n');
            break;
        case 't':
            out.push_back('\t');
            break;
        case '|':
        case '@':
        case '\\':
            out.push_back(text[i]);
            break;
        default:
            return false;
        }
    }
    return true;
}

std::string_view trimSpaces(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace holvane::pack
