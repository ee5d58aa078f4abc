// The table page over the packed handbook: showing a table until the grid is
// painted, a row filter, a search that finds nothing and a pick down a whole
// column, on the handbook's largest table and on a generated 100,000-row
// one. Offscreen platform, 1024 x 768 screen.
#include "app/appcontext.h"
#include "app/desktopservice.h"
#include "app/messagerecorder.h"
#include "app/pagecode.h"
#include "app/tmainform.h"
#include "guibench.h"
#include "packer.h"
#include "pages/fittedgrid.h"
#include "pages/tfrm_tbl.h"
#include "query/querywindows.h"
#include "query/tfrm_search.h"
#include "store/archive.h"
#include "store/scramble.h"
#include "store/table.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using namespace holvane;

constexpr int kGeneratedRows = 100000;

std::string readAll(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A table of kGeneratedRows rows written in one transaction, added to
// "mydat.dat" as the packer adds tables.
void addGeneratedTable(const fs::path &appDir, const fs::path &work, const std::string &key)
{
    using store::FieldType;
    store::Table::create(work, key + ".db",
        { { "规格", FieldType::Text, 10 }, { "尺寸|d(mm)", FieldType::Float, 0 }, { "尺寸|L(mm)", FieldType::Float, 0 },
            { "说明", FieldType::Memo, 0 } });
    sqlite3 *db = nullptr;
    sqlite3_open((work / (key + ".db")).c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO records VALUES (?, ?, ?, ?)", -1, &insert, nullptr);
    for (int i = 0; i < kGeneratedRows; ++i) {
        const std::string name = "M" + std::to_string(i % 97) + "-" + std::to_string(i);
        const std::string memo = "第" + std::to_string(i) + "行\n备注";
        sqlite3_bind_text(insert, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(insert, 2, 1 + (i % 500) * 0.5);
        sqlite3_bind_double(insert, 3, 10 + i % 1000);
        sqlite3_bind_text(insert, 4, memo.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);

    std::string bytes = readAll(work / (key + ".db"));
    store::scrambleContent(bytes);
    const fs::path archive = appDir / "bkdata" / "mydat.dat";
    store::ArchiveWriter writer(archive.string() + ".new");
    for (const std::string &name : store::archiveMembers(archive)) {
        store::restoreMember(archive, work / name);
        writer.add(name, readAll(work / name));
    }
    writer.add(key + ".db", bytes);
    writer.commit();
    fs::rename(archive.string() + ".new", archive);
}

struct Program {
    QTemporaryDir dir;
    app::MessageRecorder messages;
    app::DesktopRecorder desktop;
    std::unique_ptr<app::AppContext> context;
    std::unique_ptr<app::TMainForm> window;

    Program()
    {
        const fs::path root(dir.path().toStdString());
        const fs::path appDir = root / "AppDir";
        pack::packContent(fs::path(HOLVANE_SOURCE_DIR) / "content", appDir);
        fs::create_directories(root / "work");
        addGeneratedTable(appDir, root / "work", "generated");
        context = std::make_unique<app::AppContext>(appDir, messages, desktop, root / "aliases.conf");
        context->splashWaitMs = 0;
        for (int code : { app::pagecode::Table, app::pagecode::TableAlt })
            context->pages().registerFrame(
                code, [](app::AppContext &ctx, QWidget *host) { return new pages::TFrm_tbl(ctx, host); });
        window = std::make_unique<app::TMainForm>(*context);
        query::createQueryWindows(*context, *window);
        window->showMaximized();
        QApplication::processEvents();
    }

    pages::TFrm_tbl *show(const char *key, int order)
    {
        context->page.Title = QString::fromLatin1(key);
        context->page.ContentKey = QString::fromLatin1(key);
        context->page.NodeOrder = order;
        window->ShowPage(app::pagecode::Table);
        window->repaint();
        return qobject_cast<pages::TFrm_tbl *>(window->tableFrame());
    }
};

Program &program()
{
    static Program p;
    return p;
}

const char *tableKey(const benchmark::State &state)
{
    return state.range(0) == 0 ? "jixianpiancha" : "generated";
}

void checkMessages(benchmark::State &state, size_t expected)
{
    if (program().messages.messages().size() != expected)
        state.SkipWithError("unexpected messages");
    program().messages.clear();
}

// From ShowPage to the grid painted: restore, descramble, open, lay out.
void BM_TablePage_Show(benchmark::State &state)
{
    Program &p = program();
    for (auto _ : state) {
        pages::TFrm_tbl *page = p.show(tableKey(state), 1);
        if (!page || !page->tableOpen())
            state.SkipWithError("the table did not open");
    }
    state.counters["rows"] = p.show(tableKey(state), 1)->Table3().recordCount();
    checkMessages(state, 0);
}

// A numeric condition on the second field, switched on until painted.
void BM_TablePage_Filter(benchmark::State &state)
{
    Program &p = program();
    pages::TFrm_tbl *page = p.show(tableKey(state), 1);
    p.context->query.condition = { 1, QStringLiteral("尺寸"), QStringLiteral(">="), QStringLiteral("100") };
    int kept = 0;
    for (auto _ : state) {
        page->setFilterOn(true);
        p.window->repaint();
        kept = page->Table3().recordCount();
        state.PauseTiming();
        page->setFilterOn(false);
        state.ResumeTiming();
    }
    state.counters["kept"] = kept;
    checkMessages(state, 0);
}

// "搜索" for a text no cell holds: every cell of the table is read.
void BM_TablePage_SearchMiss(benchmark::State &state)
{
    Program &p = program();
    p.show(tableKey(state), 1);
    auto *search = new query::Tfrm_search(*p.context, p.window.get());
    search->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("没有的文字"));
    for (auto _ : state)
        search->Button1Click();
    delete search;
    checkMessages(state, state.iterations());
}

// A double click past the key column: one line per record, shown in a new
// query result window.
void BM_TablePage_Pick(benchmark::State &state)
{
    Program &p = program();
    pages::TFrm_tbl *page = p.show(tableKey(state), 1);
    page->DBGrid1()->setCurrentIndex(page->DBGrid1()->model()->index(0, 2));
    for (auto _ : state) {
        page->DBGrid1DblClick();
        QApplication::processEvents();
        state.PauseTiming();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frm_cxjg") && w->isVisible())
                w->close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    checkMessages(state, 0);
}

BENCHMARK(BM_TablePage_Show)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TablePage_Filter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TablePage_SearchMiss)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TablePage_Pick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return holvane::bench::runGuiBenchmarks(argc, argv, [] { program().window.reset(); });
}
