#pragma once

#include <array>
#include <filesystem>
#include <string>

// The scrambled form of the content files that come out of the archives
// (pictures, curves, data tables): byte n XOR byte (n mod 10) of a fixed key.
// The packer scrambles with the same key the program descrambles with.
namespace holvane::store {

inline constexpr std::array<unsigned char, 10> kContentKey = {0x5A, 0xC3, 0x17, 0x8E, 0x21,
                                                              0xB4, 0x6D, 0xF0, 0x39, 0x92};

// XORs the bytes with the content key in place; applying it twice restores them.
void scrambleContent(std::string &bytes);

// Writes `source` descrambled to `target` (created or truncated), exactly as
// long as the source. Nothing happens when the source does not exist; a file
// that cannot be read or written is a StoreError.
void DescrambleFile(const std::filesystem::path &source, const std::filesystem::path &target);

} // namespace holvane::store
