#pragma once

#include <functional>

namespace holvane::bench {

// Runs the registered benchmarks in a QApplication on the offscreen platform
// with a 1024 x 768 screen at 96 dpi, the size the pages are designed for.
// `teardown` runs before the application goes, so windows die before it.
int runGuiBenchmarks(int argc, char **argv, const std::function<void()> &teardown);

} // namespace holvane::bench
