// Packing time: the fixture content set, and the handbook's content/, each
// packed into a fresh folder (sources parsed, pictures drawn, tables written,
// archives zipped).
#include "packer.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void packInto(benchmark::State &state, const fs::path &source)
{
    const fs::path out = fs::temp_directory_path() / ("holvane-bench-pack-" + std::to_string(::getpid()));
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(out);
        state.ResumeTiming();
        holvane::pack::packContent(source, out);
    }
    fs::remove_all(out);
}

void BM_PackFixture(benchmark::State &state)
{
    packInto(state, fs::path(HOLVANE_SOURCE_DIR) / "tests" / "fixtures" / "content");
}
BENCHMARK(BM_PackFixture)->Unit(benchmark::kMillisecond);

void BM_PackHandbook(benchmark::State &state)
{
    packInto(state, fs::path(HOLVANE_SOURCE_DIR) / "content");
}
BENCHMARK(BM_PackHandbook)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
