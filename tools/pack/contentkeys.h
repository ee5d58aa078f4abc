#pragma once

#include <set>
#include <string>

namespace holvane::pack {

// The keys the content defines, each set holding them with ASCII letters in
// lower case: the program finds archive members and tables without regard
// to case.
struct ContentKeys {
    std::set<std::string> pictures; // imgi.dat
    std::set<std::string> curves; // curvei.dat: curves and picture pages
    std::set<std::string> textPages; // myhtm.dat
    std::set<std::string> dataTables; // mydat.dat
    std::set<std::string> cardTables; // 212dat312, table names without ".DB"

    static bool has(const std::set<std::string> &keys, const std::string &key);
};

// A key names one file in one folder: refused when empty or when it holds a
// path separator or "..". Returns what is wrong, or an empty text.
std::string keyProblem(const std::string &key);

} // namespace holvane::pack
