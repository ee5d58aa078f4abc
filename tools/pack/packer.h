#pragma once

#include <filesystem>

namespace holvane::pack {

// Turns a content source folder into the runtime tree in `out`: the folders
// database, dat, 212dat312, result, sjdata, 计算器/data, bkdata, img, curve,
// txt and help. Everything is built beside `out` first and moved in only when
// the whole content packed, so a refused source (PackError, naming the file
// and line) leaves `out` as it was. Other entries of `out` (the program, its
// alias registry) are kept.
void packContent(const std::filesystem::path &source, const std::filesystem::path &out);

} // namespace holvane::pack
