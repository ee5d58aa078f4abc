#pragma once

#include "contentkeys.h"
#include "store/fielddef.h"
#include "treesource.h"

#include <filesystem>
#include <string>
#include <vector>

namespace holvane::pack {

// The catalogue tree file's attributes of a node.
const std::vector<std::string> &catalogueKeys();

// Writes the catalogue as `VTree.DB` in `directory` (key CID, so that the
// siblings come in CID order, as the tree file lists them). Every node's page
// type, content key and picture key are checked against the content.
void packCatalogue(const TreeSource &tree, const ContentKeys &keys, const std::filesystem::path &directory);

// The layout of the catalogue record, which the history table shares.
const std::vector<store::FieldDef> &catalogueFields();

} // namespace holvane::pack
