#pragma once

#include "sourcetext.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace holvane::pack {

// A value "@path" names a file beside the source: a relative path below the
// source file's folder, with "/" between its parts and no "..".
bool isFileReference(std::string_view value);

// The file a reference names; PackError at `line` when it leaves the folder
// or names nothing.
std::filesystem::path resolveReference(const SourceText &source, int line, std::string_view value);

// The picture a reference names, as a 24-bit BMP; PackError at `line` when it
// names no picture or the picture does not decode.
std::string referencedPicture(const SourceText &source, int line, std::string_view value);

// The UTF-8 text of a referenced file.
std::string referencedText(const SourceText &source, int line, std::string_view value);

} // namespace holvane::pack
