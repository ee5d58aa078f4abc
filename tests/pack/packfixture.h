#pragma once

#include <filesystem>
#include <vector>

namespace holvane::test {

// The fixture content set under tests/fixtures/content.
std::filesystem::path fixtureContent();

// Copies a folder with its contents.
void copyTree(const std::filesystem::path &from, const std::filesystem::path &to);

// Every file below `dir`, relative, in order.
std::vector<std::filesystem::path> filesBelow(const std::filesystem::path &dir);

} // namespace holvane::test
