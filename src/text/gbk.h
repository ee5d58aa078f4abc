#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The handbook counts text in bytes of the GBK code page (code page 936): a
// Chinese character is two bytes. Strings inside the program are UTF-8; these
// helpers give their GBK form and length.
//
// One rule for what GBK cannot hold: a character outside GBK, and a byte that
// is not valid UTF-8, becomes "?" (one byte). Decoding GBK, a byte sequence that
// is not valid GBK becomes "?" likewise.
namespace holvane::text {

// The GBK bytes of a UTF-8 text.
std::string toGbk(std::string_view utf8);

// The same into a buffer the caller reuses: `out` is replaced, its capacity
// kept, so a caller that converts often does not allocate each time.
void toGbk(std::string_view utf8, std::string &out);

// The UTF-8 text of GBK bytes.
std::string fromGbk(std::string_view gbk);

// Length in GBK bytes of a UTF-8 text.
std::size_t gbkLength(std::string_view utf8);

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

// A text file's bytes as UTF-8: taken as they are when valid UTF-8, read as GBK
// otherwise.
std::string decodeTextFile(std::string_view bytes);

} // namespace holvane::text
