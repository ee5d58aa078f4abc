// Arbitrary bytes as a content archive: restoring must either work inside its
// folder or fail with a StoreError, never crash or write elsewhere.
#include "store/archive.h"
#include "store/storeerror.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

const std::filesystem::path &workDir()
{
    static const std::filesystem::path dir = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "holvane-fuzz-archive-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return std::filesystem::path(pattern);
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::filesystem::path archive = workDir() / "in.dat";
    const std::filesystem::path out = workDir() / "out" / "inner";
    std::error_code ec;
    std::filesystem::remove_all(workDir() / "out", ec);
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
    for (const auto &entry : std::filesystem::directory_iterator(workDir() / "out")) {
        if (entry.path().filename() != "inner")
            std::abort();
    }
    return 0;
}
