// holvane-pack SOURCE_DIR OUT_DIR: packs the handbook's content sources into
// the program's runtime tree.
#include "packer.h"
#include "packerror.h"

#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "用法：holvane-pack 源目录 输出目录\n";
        return 2;
    }
    // Pictures are drawn off screen; no display is needed.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt wants a private runtime folder; a build runs the packer without one.
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const std::string runtime = "/tmp/holvane-pack-" + std::to_string(getuid());
        mkdir(runtime.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    try {
        holvane::pack::packContent(argv[1], argv[2]);
    } catch (const holvane::pack::PackError &e) {
        std::cerr << "holvane-pack: " << e.what() << "\n";
        return 1;
    } catch (const std::exception &e) {
        std::cerr << "holvane-pack: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
