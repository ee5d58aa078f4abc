// The navigator's index and keyword search over a generated catalogue of
// 20,000 nodes: the time one keystroke takes in "索引" (locate the first name
// with the typed prefix) and in "查找" (select the names that hold the
// keyword and refill the list), each with the edit and the list repainted,
// on the offscreen platform with a 1024 x 768 screen.
#include "app/appcontext.h"
#include "app/desktopservice.h"
#include "app/messagerecorder.h"
#include "app/tmainform.h"
#include "guibench.h"
#include "packer.h"
#include "store/table.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace holvane;

constexpr int kNodes = 20000;

// Words of the handbook's names, combined into 20,000 different ones.
const char *const kWords[] = { "定位", "夹紧", "夹具", "钻模", "铣床", "车床", "心轴", "支承", "压板", "偏心", "螺旋",
    "斜楔", "铰链", "弹簧", "卡盘", "分度", "对刀", "导向", "镗模", "误差" };
const char *const kKinds[] = { "元件", "装置", "机构", "计算", "尺寸", "结构", "设计", "选用" };

std::string nodeName(int i)
{
    const int words = static_cast<int>(std::size(kWords));
    const int kinds = static_cast<int>(std::size(kKinds));
    return std::string(kWords[i % words]) + kWords[(i / words) % words] + kKinds[(i / (words * words)) % kinds]
        + std::to_string(i);
}

void fillCatalogue(const fs::path &database)
{
    store::Table tree;
    tree.setPath(database, "VTree.DB");
    tree.open();
    tree.emptyTable();
    tree.beginBatch();
    for (int i = 1; i <= kNodes; ++i) {
        tree.append();
        tree.setValue("CID", store::Value(i));
        tree.setValue("ParentID", store::Value(0));
        tree.setText("CName", nodeName(i));
        tree.setText("CFrame", i % 10 == 0 ? "" : "4");
        tree.setText("Ctable", "gaishu");
        tree.setText("CMemo", "说明" + std::to_string(i));
        tree.post();
    }
    tree.endBatch();
    tree.close();
}

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
        fillCatalogue(appDir / "database");
        context = std::make_unique<app::AppContext>(appDir, messages, desktop);
        context->splashWaitMs = 0;
        window = std::make_unique<app::TMainForm>(*context);
        window->showMaximized();
        QApplication::processEvents();
    }

    QLineEdit *edit(const char *name) { return window->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    QWidget *widget(const char *name) { return window->findChild<QWidget *>(QString::fromLatin1(name)); }
    void showTab(const char *name)
    {
        auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("PageControl"));
        tabs->setCurrentWidget(window->findChild<QWidget *>(QString::fromLatin1(name)));
        QApplication::processEvents();
    }
};

Program &program()
{
    static Program p;
    return p;
}

// What a user types, one keystroke at a time (the edit's text after each).
std::vector<QString> keystrokes(const QString &word)
{
    std::vector<QString> texts;
    for (int n = 1; n <= word.size(); ++n)
        texts.push_back(word.left(n));
    return texts;
}

void BM_IndexKeystroke(benchmark::State &state)
{
    Program &p = program();
    p.showTab("Ts_index");
    const std::vector<QString> texts = keystrokes(QString::fromStdString(nodeName(19999)));
    QLineEdit *edit = p.edit("s_Index");
    QWidget *grid = p.widget("DBGrid2");
    size_t i = 0;
    for (auto _ : state) {
        edit->setText(texts[i++ % texts.size()]);
        edit->repaint();
        grid->repaint();
    }
    if (!p.messages.messages().empty())
        state.SkipWithError("a message was shown");
    state.counters["nodes"] = static_cast<double>(p.window->Q_tree().recordCount());
}
BENCHMARK(BM_IndexKeystroke)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SearchKeystroke(benchmark::State &state)
{
    Program &p = program();
    p.showTab("Ts_search");
    const std::vector<QString> texts = keystrokes(QStringLiteral("误差计算19"));
    QLineEdit *edit = p.edit("E_search");
    QWidget *grid = p.widget("DBGrid3");
    size_t i = 0;
    for (auto _ : state) {
        edit->setText(texts[i++ % texts.size()]);
        edit->repaint();
        grid->repaint();
    }
    if (!p.messages.messages().empty())
        state.SkipWithError("a message was shown");
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The worst keystroke of the search: one that lists every page.
void BM_SearchKeystrokeListingAll(benchmark::State &state)
{
    Program &p = program();
    p.showTab("Ts_search");
    QLineEdit *edit = p.edit("E_search");
    QWidget *grid = p.widget("DBGrid3");
    bool flip = false;
    for (auto _ : state) {
        edit->setText(flip ? QStringLiteral(" ") : QString());
        flip = !flip;
        edit->repaint();
        grid->repaint();
    }
    state.counters["listed"] = static_cast<double>(p.window->QF_tree().recordCount());
}
BENCHMARK(BM_SearchKeystrokeListingAll)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    return holvane::bench::runGuiBenchmarks(argc, argv, [] { program().window.reset(); });
}
