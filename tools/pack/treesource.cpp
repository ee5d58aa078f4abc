#include "treesource.h"

#include <algorithm>
#include <cstdlib>

namespace holvane::pack {

const TreeSource::Attribute *TreeSource::Node::attribute(const std::string &key) const
{
    const auto it = attributes.find(key);
    return it == attributes.end() ? nullptr : &it->second;
}

TreeSource::TreeSource(const SourceText &source, const std::vector<std::string> &keys)
    : m_source(source)
{
    // Open nodes from the top level down, with their indentation.
    std::vector<std::pair<size_t, int>> open;
    std::map<int, int> cidLine;
    for (const SourceText::Line &line : source.lines()) {
        const std::string &text = line.text;
        const size_t indent = text.find_first_not_of(' ');
        if (indent == std::string::npos || text[indent] == '#')
            continue;
        if (text[indent] == '\t')
            source.fail(line.number, "缩进只能用空格，不能用制表符");
        while (!open.empty() && open.back().first >= indent)
            open.pop_back();
        const std::string_view body = trimSpaces(std::string_view(text).substr(indent));

        if (body.front() == '[') {
            const size_t close = body.find(']');
            const std::string digits(close == std::string_view::npos ? std::string_view() : body.substr(1, close - 1));
            char *end = nullptr;
            const long cid = digits.empty() ? 0 : std::strtol(digits.c_str(), &end, 10);
            if (digits.empty() || *end != '\0' || digits.find_first_not_of("0123456789") != std::string::npos
                || cid <= 0 || cid > 2147483647L)
                source.fail(line.number, "节点行应为“[编号] 名称”，编号为正整数");
            if (const auto [it, fresh] = cidLine.emplace(static_cast<int>(cid), line.number); !fresh)
                source.fail(line.number, "编号 " + digits + " 重复（第 " + std::to_string(it->second) + " 行已用）");
            Node node;
            node.cid = static_cast<int>(cid);
            node.line = line.number;
            node.parent = open.empty() ? -1 : open.back().second;
            if (!unescapeValue(trimSpaces(body.substr(close + 1)), node.name))
                source.fail(line.number, "名称中有无效的转义符");
            if (node.name.empty())
                source.fail(line.number, "节点没有名称");
            m_nodes.push_back(std::move(node));
            open.emplace_back(indent, static_cast<int>(m_nodes.size()) - 1);
            continue;
        }

        const size_t colon = body.find(':');
        const std::string key(colon == std::string_view::npos ? std::string_view() : trimSpaces(body.substr(0, colon)));
        if (key.empty())
            source.fail(line.number, "应为节点行“[编号] 名称”或属性行“名称: 值”");
        if (open.empty())
            source.fail(line.number, "属性“" + key + "”不在任何节点之下");
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            source.fail(line.number, "未知的属性“" + key + "”");
        Node &node = m_nodes[static_cast<size_t>(open.back().second)];
        Attribute attribute { std::string(), std::string(trimSpaces(body.substr(colon + 1))), line.number };
        if (!unescapeValue(attribute.raw, attribute.value))
            source.fail(line.number, "属性值中有无效的转义符");
        if (!node.attributes.emplace(key, std::move(attribute)).second)
            source.fail(line.number, "属性“" + key + "”重复");
    }
}

} // namespace holvane::pack
