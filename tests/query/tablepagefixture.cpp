#include "tablepagefixture.h"

#include "app/pagecode.h"
#include "query/querywindows.h"
#include "store/archive.h"
#include "store/scramble.h"
#include "store/table.h"
#include "support/tempdir.h"

#include <QApplication>
#include <QTest>

namespace holvane::test {

namespace fs = std::filesystem;

TablePageFixture::TablePageFixture()
{
    for (int code : { app::pagecode::Table, app::pagecode::TableAlt })
        context().pages().registerFrame(
            code, [](app::AppContext &ctx, QWidget *host) { return new pages::TFrm_tbl(ctx, host); });
    query::createQueryWindows(context(), window());
}

void TablePageFixture::addTable(const std::string &key, const std::vector<store::FieldDef> &fields,
    const std::vector<std::vector<store::Value>> &rows)
{
    const fs::path work = temp / "newtable";
    fs::create_directories(work);
    fs::remove(work / (key + ".db"));
    store::Table::create(work, key + ".db", fields);
    {
        store::Table table;
        table.setPath(work, key + ".db");
        table.open();
        for (const auto &row : rows) {
            table.append();
            for (size_t f = 0; f < row.size(); ++f)
                table.setValue(static_cast<int>(f), row[f]);
            table.post();
        }
        table.close();
    }
    std::string bytes = readFile(work / (key + ".db"));
    store::scrambleContent(bytes);

    const fs::path archive = appDir / "bkdata" / "mydat.dat";
    const fs::path members = temp / "members";
    fs::create_directories(members);
    store::ArchiveWriter writer(archive.string() + ".new");
    for (const std::string &name : store::archiveMembers(archive)) {
        if (name == key + ".db")
            continue;
        ASSERT_TRUE(store::restoreMember(archive, members / name));
        writer.add(name, readFile(members / name));
    }
    writer.add(key + ".db", bytes);
    writer.commit();
    fs::rename(archive.string() + ".new", archive);
}

pages::TFrm_tbl *TablePageFixture::openTable(const QString &key, int order, const QString &title, int code)
{
    app::PageContext &p = context().page;
    p.Title = title;
    p.ContentKey = key;
    p.NodeOrder = order;
    p.PictureKey.clear();
    window().ShowPage(code);
    QApplication::processEvents();
    return page();
}

pages::TFrm_tbl *TablePageFixture::page()
{
    return qobject_cast<pages::TFrm_tbl *>(window().tableFrame());
}

std::vector<QString> TablePageFixture::column(int c)
{
    std::vector<QString> out;
    for (int r = 0; r < gridRows(); ++r)
        out.push_back(grid()->model()->index(r, c).data().toString());
    return out;
}

void TablePageFixture::doubleClickCell(int row, int column)
{
    const QModelIndex index = grid()->model()->index(row, column);
    grid()->scrollTo(index);
    const QPoint at = grid()->visualRect(index).center();
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
}

} // namespace holvane::test
