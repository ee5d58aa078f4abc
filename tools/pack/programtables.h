#pragma once

#include <filesystem>

namespace holvane::pack {

// The program's own tables come from the content empty, with the layouts the
// program writes them in: History.DB and cx_jl.db in database, 计算结果.DB in
// 计算器/data. PackError when one is missing or laid out otherwise.
void checkProgramTables(const std::filesystem::path &runtime);

} // namespace holvane::pack
