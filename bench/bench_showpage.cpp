// ShowPage from a catalogue click to the page painted, over the packed
// fixture content, on the offscreen platform with a 1024 x 768 screen.
#include "app/appcontext.h"
#include "app/data/treemodel.h"
#include "app/desktopservice.h"
#include "app/messagerecorder.h"
#include "app/tmainform.h"
#include "guibench.h"
#include "packer.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTreeView>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;
using namespace holvane;

struct Program {
    QTemporaryDir dir;
    app::MessageRecorder messages;
    app::DesktopRecorder desktop;
    std::unique_ptr<app::AppContext> context;
    std::unique_ptr<app::TMainForm> window;

    Program()
    {
        const fs::path appDir = fs::path(dir.path().toStdString()) / "AppDir";
        pack::packContent(fs::path(HOLVANE_SOURCE_DIR) / "tests" / "fixtures" / "content", appDir);
        context = std::make_unique<app::AppContext>(appDir, messages, desktop);
        context->splashWaitMs = 0;
        window = std::make_unique<app::TMainForm>(*context);
        window->showMaximized();
        QApplication::processEvents();
    }

    QModelIndex node(int cid)
    {
        store::Table &tree = window->T_Tree();
        const int field = tree.fieldIndex("CID");
        for (int i = 0; i < tree.recordCount(); ++i)
            if (tree.valueAt(i, field) == store::Value(cid))
                return window->treeModel()->indexOfPosition(i);
        return {};
    }

    void click(const QModelIndex &index)
    {
        window->m_treeView()->setCurrentIndex(index);
        window->repaint();
    }
};

Program &program()
{
    static Program p;
    return p;
}

// Two text pages in turn: each click empties the text folder, restores the
// inner archive, unpacks it and lays the page out in the browser.
void BM_ShowPage_Text(benchmark::State &state)
{
    Program &p = program();
    const QModelIndex a = p.node(21);
    const QModelIndex b = p.node(211);
    bool flip = false;
    for (auto _ : state) {
        p.click(flip ? a : b);
        flip = !flip;
    }
    if (!p.messages.messages().empty())
        state.SkipWithError("a message was shown");
}
BENCHMARK(BM_ShowPage_Text)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The picture page and a text page in turn; only the picture page's click is
// timed: fetch from the curve archive, descramble, decode and paint, plus
// the picture pane's own fetch.
void BM_ShowPage_Picture(benchmark::State &state)
{
    Program &p = program();
    const QModelIndex picture = p.node(23);
    const QModelIndex other = p.node(38);
    for (auto _ : state) {
        state.PauseTiming();
        p.click(other);
        state.ResumeTiming();
        p.click(picture);
    }
    if (p.window->currentPageName() != QStringLiteral("Pic_show"))
        state.SkipWithError("the picture page is not shown");
}
BENCHMARK(BM_ShowPage_Picture)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    return holvane::bench::runGuiBenchmarks(argc, argv, [] { program().window.reset(); });
}
