// Arbitrary bytes as a table file: opening and reading it must either work or
// fail with a StoreError, never crash.
#include "fuzzworkdir.h"
#include "store/storeerror.h"
#include "store/table.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::filesystem::path &dir = fuzzWorkDir("table");
    const std::filesystem::path file = dir / "T.DB";
    std::error_code ec;
    std::filesystem::remove(dir / "T.DB-journal", ec);
    {
        std::FILE *f = std::fopen(file.c_str(), "wb");
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    try {
        holvane::store::Table t;
        t.setPath(dir, "T");
        t.open();
        for (t.first(); !t.eof(); t.next()) {
            for (int i = 0; i < t.fieldCount(); ++i)
                t.text(i);
        }
        t.last();
        t.locate(t.field(0).name, "1", holvane::store::LocateMode::Prefix);
        if (t.recordCount() > 0) {
            t.edit();
            t.setText(0, "1");
            t.post();
        }
        t.append();
        t.post();
    } catch (const holvane::store::StoreError &) {
    }
    return 0;
}
