#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Names of tables, archive members and work files: checked before any file is
// touched, and found in a directory without regard to case.
namespace holvane::store {

// ASCII letters folded to lower case; other bytes (Chinese text) unchanged.
std::string asciiLower(std::string_view s);
bool equalsNoCase(std::string_view a, std::string_view b);

// Refuses (StoreError naming `what`) an empty name, or one that holds a path
// separator or "..": a table name or content key must stay inside its folder.
void checkPlainName(std::string_view name, std::string_view what);

// The entry of `dir` whose name equals `name` without regard to case, the
// exact spelling first; empty when there is none.
std::filesystem::path findNoCase(const std::filesystem::path &dir, std::string_view name);

// A table's file name: ".DB" is added when the name has no ".db" extension.
std::string tableFileName(std::string_view tableName);

} // namespace holvane::store
