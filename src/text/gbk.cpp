#include "text/gbk.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace holvane::text {
namespace {

// iconv descriptors are not thread-safe; one pair per thread, reset per use.
class Converter {
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts the input; at a sequence iconv refuses, appends "?" and skips
    // `skip(rest)` bytes of input.
    template<typename Skip>
    void convert(std::string_view in, Skip skip, std::string &out)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        out.clear();
        out.reserve(in.size() * 3 / 2 + 4);
        char buffer[256];
        char *src = const_cast<char *>(in.data());
        size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char *dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc != static_cast<size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            // EILSEQ (not representable or malformed) or EINVAL (truncated at the end).
            out.push_back('?');
            const size_t n = skip(std::string_view(src, srcLeft));
            src += n;
            srcLeft -= n;
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
    }

private:
    iconv_t m_cd;
};

// Length of the UTF-8 sequence starting the text, or 0 when it is malformed.
size_t utf8SequenceLength(std::string_view s)
{
    const auto b0 = static_cast<unsigned char>(s[0]);
    size_t n = 0;
    char32_t min = 0;
    if (b0 < 0x80)
        return 1;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < n)
        return 0;
    char32_t cp = b0 & (0x7F >> n);
    for (size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

size_t skipUtf8(std::string_view rest)
{
    const size_t n = utf8SequenceLength(rest);
    return n == 0 ? 1 : n;
}

// A GBK lead byte followed by a trail byte is one character; anything else, one byte.
size_t skipGbk(std::string_view rest)
{
    const auto b0 = static_cast<unsigned char>(rest[0]);
    if (b0 >= 0x81 && b0 <= 0xFE && rest.size() >= 2) {
        const auto b1 = static_cast<unsigned char>(rest[1]);
        if (b1 >= 0x40 && b1 <= 0xFE && b1 != 0x7F)
            return 2;
    }
    return 1;
}

Converter &utf8ToGbk()
{
    thread_local Converter c("CP936", "UTF-8");
    return c;
}

Converter &gbkToUtf8()
{
    thread_local Converter c("UTF-8", "CP936");
    return c;
}

bool isAscii(std::string_view s)
{
    for (const char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

std::string toGbk(std::string_view utf8)
{
    std::string out;
    toGbk(utf8, out);
    return out;
}

void toGbk(std::string_view utf8, std::string &out)
{
    if (isAscii(utf8)) {
        out.assign(utf8.data(), utf8.size());
        return;
    }
    utf8ToGbk().convert(utf8, skipUtf8, out);
}

std::string fromGbk(std::string_view gbk)
{
    if (isAscii(gbk))
        return std::string(gbk);
    std::string out;
    gbkToUtf8().convert(gbk, skipGbk, out);
    return out;
}

std::size_t gbkLength(std::string_view utf8)
{
    if (isAscii(utf8))
        return utf8.size();
    return toGbk(utf8).size();
}

bool isValidUtf8(std::string_view bytes)
{
    while (!bytes.empty()) {
        const size_t n = utf8SequenceLength(bytes);
        if (n == 0)
            return false;
        bytes.remove_prefix(n);
    }
    return true;
}

std::string decodeTextFile(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return fromGbk(bytes);
}

} // namespace holvane::text
