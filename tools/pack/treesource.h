#pragma once

#include "sourcetext.h"

#include <map>
#include <string>
#include <vector>

namespace holvane::pack {

// A tree file: the catalogue or the formula library. Each node is a line
// "[CID] name"; lines "key: value" indented below it are its attributes, and
// node lines indented below it are its children, in file order:
//
//   [1] 第一章 机床夹具概述
//       frame: 4
//       table: gaishu
//       [11] 1.1 夹具的组成
//
// Indentation is spaces; "#" starts a comment line; blank lines are ignored.
class TreeSource {
public:
    struct Attribute {
        std::string value; // escapes undone
        std::string raw; // as written: "\@" is no file reference
        int line;
    };
    struct Node {
        int cid = 0;
        std::string name;
        int line = 0;
        int parent = -1; // index into nodes(), -1 for a top-level node
        std::map<std::string, Attribute> attributes;

        const Attribute *attribute(const std::string &key) const;
    };

    // `keys` lists the attribute names the file may use.
    TreeSource(const SourceText &source, const std::vector<std::string> &keys);

    const SourceText &source() const { return m_source; }
    // In file order: a parent before its children.
    const std::vector<Node> &nodes() const { return m_nodes; }

private:
    const SourceText &m_source;
    std::vector<Node> m_nodes;
};

} // namespace holvane::pack
