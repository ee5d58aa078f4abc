// Arbitrary bytes as a content archive: restoring must either work inside its
// folder or fail with a StoreError, never crash or write elsewhere.
#include "store/archive.h"
#include "fuzzworkdir.h"
#include "store/storeerror.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::filesystem::path &dir = fuzzWorkDir("archive");
    const std::filesystem::path archive = dir / "in.dat";
    const std::filesystem::path out = dir / "out" / "inner";
    std::error_code ec;
    std::filesystem::remove_all(dir / "out", ec);
    std::filesystem::create_directories(out, ec);
    {
        std::FILE *f = std::fopen(archive.c_str(), "wb");
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    std::FILE *placeholder = std::fopen((out / "a.bmp").c_str(), "wb");
    std::fclose(placeholder);
    try {
        holvane::store::restoreArchive(archive, out, holvane::store::RestoreMode::ExistingOnly);
        holvane::store::restoreMember(archive, out / "A.BMP");
        holvane::store::restoreArchive(archive, out, holvane::store::RestoreMode::All);
    } catch (const holvane::store::StoreError &) {
    }
    // Nothing may land beside the target folder.
    for (const auto &entry : std::filesystem::directory_iterator(dir / "out")) {
        if (entry.path().filename() != "inner")
            std::abort();
    }
    return 0;
}
