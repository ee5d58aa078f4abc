#pragma once

#include "store/fielddef.h"
#include "treesource.h"

#include <filesystem>
#include <string>
#include <vector>

namespace holvane::pack {

// The CID of the user formulas' category.
inline constexpr int kUserCategory = 10;

// The formula library file's attributes of a formula node.
const std::vector<std::string> &libraryKeys();

// The layout of `cygs.DB`: 公式名 is the 4th field and 公式图 the 10th.
const std::vector<store::FieldDef> &libraryFields();

// Writes the formula library as `cygs.DB` in `directory`, records in file
// order. Top-level nodes are categories, their children formulas; the last
// category is the user category (CID 10) and the last record has the greatest
// CID, so that a formula the user adds (last CID + 1) gets a new CID. Library
// formulas are stored scrambled (Gongshi as bytes, 公式图 with the key
// picture); the user category's formulas are stored plain.
void packLibrary(const TreeSource &tree, const std::filesystem::path &directory);

} // namespace holvane::pack
