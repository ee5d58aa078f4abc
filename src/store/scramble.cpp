#include "store/scramble.h"

#include "store/storeerror.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace holvane::store {

void scrambleContent(std::string &bytes)
{
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) ^ kContentKey[i % kContentKey.size()]);
}

void DescrambleFile(const std::filesystem::path &source, const std::filesystem::path &target)
{
    std::error_code ec;
    if (!std::filesystem::exists(source, ec))
        return;
    const auto closer = [](std::FILE *f) { std::fclose(f); };
    std::unique_ptr<std::FILE, decltype(closer)> in(std::fopen(source.c_str(), "rb"), closer);
    if (!in)
        throw StoreError("无法读取文件“" + source.string() + "”");
    const std::filesystem::path temp = target.string() + ".part";
    std::FILE *out = std::fopen(temp.c_str(), "wb");
    if (!out)
        throw StoreError("无法写入文件“" + target.string() + "”");
    // Whole 10-byte blocks keep the key aligned with the file position.
    unsigned char buffer[10 * 6554];
    bool ok = true;
    for (;;) {
        const size_t n = std::fread(buffer, 1, sizeof buffer, in.get());
        for (size_t i = 0; i < n; ++i)
            buffer[i] ^= kContentKey[i % kContentKey.size()];
        if (n > 0 && std::fwrite(buffer, 1, n, out) != n) {
            ok = false;
            break;
        }
        if (n < sizeof buffer) {
            ok = !std::ferror(in.get());
            break;
        }
    }
    ok = std::fclose(out) == 0 && ok;
    if (ok) {
        std::filesystem::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok) {
        std::filesystem::remove(temp, ec);
        throw StoreError("无法把“" + source.string() + "”解码到“" + target.string() + "”");
    }
}

std::string scrambleFormula(std::string_view bytes)
{
    std::string out(bytes);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) ^ kFormulaKey[i % kFormulaKey.size()]);
    return out;
}

const std::array<unsigned char, 3 * kKeyPictureWidth * kKeyPictureHeight> &keyPicture()
{
    // xorshift32 from a fixed seed: the same bytes in every build and run.
    static const auto picture = [] {
        std::array<unsigned char, 3 * kKeyPictureWidth * kKeyPictureHeight> bytes {};
        std::uint32_t state = 0x9E3779B9u;
        for (unsigned char &b : bytes) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            b = static_cast<unsigned char>(state >> 24);
        }
        return bytes;
    }();
    return picture;
}

namespace {

std::uint32_t readLe(const std::string &b, size_t at, int size)
{
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<size_t>(i)]);
    return v;
}

} // namespace

bool scramblePicture(std::string &bmp)
{
    constexpr size_t headerSize = 14 + 40;
    if (bmp.size() < headerSize || bmp[0] != 'B' || bmp[1] != 'M')
        return false;
    const std::uint32_t offset = readLe(bmp, 10, 4);
    const auto width = static_cast<std::int32_t>(readLe(bmp, 18, 4));
    const auto height = static_cast<std::int32_t>(readLe(bmp, 22, 4));
    if (readLe(bmp, 14, 4) < 40 || readLe(bmp, 28, 2) != 24 || readLe(bmp, 30, 4) != 0 || width <= 0 || height == 0
        || height == INT32_MIN)
        return false;
    const bool topDown = height < 0;
    const std::uint64_t rows = static_cast<std::uint64_t>(topDown ? -static_cast<std::int64_t>(height) : height);
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * 3 + 3) / 4 * 4;
    if (offset < headerSize || offset > bmp.size() || (bmp.size() - offset) / stride < rows)
        return false;
    const auto &key = keyPicture();
    const std::uint64_t w = std::min<std::uint64_t>(static_cast<std::uint64_t>(width), kKeyPictureWidth);
    const std::uint64_t h = std::min<std::uint64_t>(rows, kKeyPictureHeight);
    for (std::uint64_t y = 0; y < h; ++y) {
        const std::uint64_t fileRow = topDown ? y : rows - 1 - y;
        char *row = bmp.data() + offset + fileRow * stride;
        const unsigned char *keyRow = key.data() + y * 3 * kKeyPictureWidth;
        for (std::uint64_t i = 0; i < 3 * w; ++i)
            row[i] = static_cast<char>(static_cast<unsigned char>(row[i]) ^ keyRow[i]);
    }
    return true;
}

} // namespace holvane::store
