#include "guibench.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace holvane::bench {

int runGuiBenchmarks(int argc, char **argv, const std::function<void()> &teardown)
{
    QTemporaryDir runtime;
    const QString screen = runtime.filePath(QStringLiteral("screen.json"));
    QFile json(screen);
    if (!json.open(QIODevice::WriteOnly))
        return 1;
    json.write(R"({"screens":[{"name":"s1","x":0,"y":0,"width":1024,"height":768,)"
               R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    json.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.toLocal8Bit());
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    teardown();
    return 0;
}

} // namespace holvane::bench
