#include "store/scramble.h"

#include "store/storeerror.h"

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

} // namespace holvane::store
