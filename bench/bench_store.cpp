// The store's cursor against SQLite read directly, and archive restores
// against `unzip -p`, on the same files in the same run.
#include "store/archive.h"
#include "store/table.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sqlite3.h>
#include <string>
#include <unistd.h>

using namespace holvane::store;

namespace {

constexpr int kRows = 100000;
constexpr int kMembers = 2000;

// A handbook-like data table: a locating-pin size list with a remark.
const std::vector<FieldDef> kFields = {{"序号", FieldType::Int32, 0},   {"d", FieldType::Text, 12},
                                       {"D1", FieldType::Float, 0},      {"L", FieldType::Float, 0},
                                       {"材料", FieldType::Text, 20},   {"备注", FieldType::Memo, 0}};

struct WorkDir {
    WorkDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "holvane-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        path = pattern;
    }
    ~WorkDir() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

const std::filesystem::path &workDir()
{
    static const WorkDir dir;
    return dir.path;
}

// Written once, through raw SQLite in one transaction (the store posts one
// transaction per record, which is not what is measured here).
std::filesystem::path bigTable()
{
    static const std::filesystem::path file = [] {
        Table::create(workDir(), "Pins", kFields);
        const std::filesystem::path f = workDir() / "Pins.DB";
        sqlite3 *db = nullptr;
        sqlite3_open(f.c_str(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO records VALUES (?, ?, ?, ?, ?, ?)", -1, &st, nullptr);
        const char *materials[] = {"T8A 淬火", "20钢 渗碳淬火", "45钢 调质", "GCr15"};
        for (int i = 0; i < kRows; ++i) {
            const std::string d = std::to_string(3 + i % 40) + " g6";
            const std::string remark = i % 10 == 0 ? "按标准选用，直径小于10时不带台肩" : "";
            sqlite3_bind_int(st, 1, i);
            sqlite3_bind_text(st, 2, d.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(st, 3, 4.5 + i % 40);
            sqlite3_bind_double(st, 4, 12.0 + i % 25);
            sqlite3_bind_text(st, 5, materials[i % 4], -1, SQLITE_STATIC);
            if (remark.empty())
                sqlite3_bind_null(st, 6);
            else
                sqlite3_bind_text(st, 6, remark.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(st);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return f;
    }();
    return file;
}

void BM_StoreOpenAndScan(benchmark::State &state)
{
    bigTable();
    for (auto _ : state) {
        Table t;
        t.setPath(workDir(), "Pins");
        t.open();
        double sum = 0;
        size_t bytes = 0;
        for (t.first(); !t.eof(); t.next()) {
            sum += static_cast<double>(t.value(0).integer()) + t.value(2).real() + t.value(3).real();
            bytes += t.value(1).rawBytes().size() + t.value(4).rawBytes().size() + t.value(5).rawBytes().size();
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_StoreOpenAndScan)->Unit(benchmark::kMillisecond);

// The same rows through the C API: every column read as its type, texts
// copied out as the store does.
void BM_RawSqliteScan(benchmark::State &state)
{
    const std::filesystem::path file = bigTable();
    for (auto _ : state) {
        sqlite3 *db = nullptr;
        sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db, "SELECT rowid, * FROM records ORDER BY rowid", -1, &st, nullptr);
        double sum = 0;
        size_t bytes = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            sum += sqlite3_column_int(st, 1) + sqlite3_column_double(st, 3) + sqlite3_column_double(st, 4);
            for (int c : {2, 5, 6}) {
                const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(st, c));
                std::string s(p ? p : "", static_cast<size_t>(sqlite3_column_bytes(st, c)));
                bytes += s.size();
            }
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_RawSqliteScan)->Unit(benchmark::kMillisecond);

// 2,000 pictures of about 30 KB, as in the picture archive.
std::filesystem::path bigArchive()
{
    static const std::filesystem::path file = [] {
        const std::filesystem::path f = workDir() / "imgi.dat";
        ArchiveWriter w(f);
        std::mt19937 rng(7);
        for (int i = 0; i < kMembers; ++i) {
            std::string bmp(30000, '\xFF');
            for (size_t p = 0; p < bmp.size(); p += 7)
                bmp[p] = static_cast<char>(rng() & 0x3F);
            w.add("fig" + std::to_string(i) + ".bmp", std::move(bmp));
        }
        w.commit();
        return f;
    }();
    return file;
}

const std::string kWanted = "FIG1234.BMP";

void BM_RestoreMember(benchmark::State &state)
{
    const std::filesystem::path archive = bigArchive();
    for (auto _ : state) {
        if (!restoreMember(archive, workDir() / "one" / kWanted))
            state.SkipWithError("member not restored");
    }
}
BENCHMARK(BM_RestoreMember)->Unit(benchmark::kMicrosecond);

void BM_RestoreExistingOnly(benchmark::State &state)
{
    const std::filesystem::path archive = bigArchive();
    const std::filesystem::path dir = workDir() / "img";
    std::filesystem::create_directories(dir);
    std::filesystem::path placeholder = dir / "futu.bmp";
    {
        std::FILE *f = std::fopen(placeholder.c_str(), "wb");
        std::fclose(f);
    }
    for (auto _ : state) {
        // As a picture fetch does: name the placeholder after the member, restore, rename back.
        std::filesystem::rename(placeholder, dir / "fig1234.bmp");
        restoreArchive(archive, dir, RestoreMode::ExistingOnly);
        std::filesystem::rename(dir / "fig1234.bmp", placeholder);
    }
}
BENCHMARK(BM_RestoreExistingOnly)->Unit(benchmark::kMicrosecond);

void BM_UnzipP(benchmark::State &state)
{
    const std::string command = "unzip -p '" + bigArchive().string() + "' fig1234.bmp > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("unzip failed");
    }
}
BENCHMARK(BM_UnzipP)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
