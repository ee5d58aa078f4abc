#include "app/data/datasource.h"
#include "app/data/dbedit.h"
#include "app/data/dbimage.h"
#include "app/data/dbmemo.h"
#include "app/data/dbnavigator.h"
#include "app/data/tablemodel.h"
#include "app/data/treemodel.h"
#include "app/messagerecorder.h"
#include "store/table.h"
#include "support/tempdir.h"

#include <QBuffer>
#include <QImage>
#include <QToolButton>

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

using store::FieldDef;
using store::FieldType;

// A small self-referencing table: id, parent, name, note, picture.
class DataWidgets : public ::testing::Test {
protected:
    void SetUp() override
    {
        store::Table::create(dir.path(), "nodes",
                             {{"Id", FieldType::Int32, 0},
                              {"Parent", FieldType::Int32, 0},
                              {"Name", FieldType::Text, 20},
                              {"Note", FieldType::Memo, 0},
                              {"Pic", FieldType::Graphic, 0}},
                             1);
        table.setPath(dir.path(), "nodes");
        table.open();
        const struct {
            int id, parent;
            const char *name;
        } rows[] = {{1, 0, "甲"}, {2, 0, "乙"}, {3, 1, "甲一"}, {4, 3, "甲一一"}, {5, 1, "甲二"}, {6, 6, "自指"}};
        for (const auto &r : rows) {
            table.append();
            table.setValue("Id", r.id);
            table.setValue("Parent", r.parent);
            table.setText("Name", r.name);
            table.setText("Note", std::string("说明") + r.name);
            table.post();
        }
        table.first();
    }

    TempDir dir;
    store::Table table;
};

TEST_F(DataWidgets, TableModelReadsRowsWithoutMovingTheCursorAndSplitsTitles)
{
    table.moveTo(2);
    int scrolls = 0;
    table.setAfterScroll([&] { ++scrolls; });
    app::TableModel model;
    model.setCursor(&table, {{"Name", QStringLiteral("名称|中文")}, {"Id", QString()}});
    EXPECT_EQ(model.rowCount(), 6);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.index(4, 0).data().toString(), QStringLiteral("甲二"));
    EXPECT_EQ(model.index(4, 1).data().toString(), QStringLiteral("5"));
    EXPECT_EQ(model.titleLevels(0), (QStringList{QStringLiteral("名称"), QStringLiteral("中文")}));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("名称\n中文"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Id"));
    EXPECT_EQ(model.titleDepth(), 2);
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_EQ(scrolls, 0);
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);

    table.setFilter([](const store::RecordView &r) { return r.value("Parent") == store::Value(1); });
    table.setFiltered(true);
    model.reload();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(1, 0).data().toString(), QStringLiteral("甲二"));
}

TEST_F(DataWidgets, TreeModelLoadsBranchesLazilyAndFindsNodesOfRecords)
{
    app::TreeModel model("Id", "Parent", "Name");
    model.setCursor(&table);
    ASSERT_EQ(model.rowCount(), 2);
    const QModelIndex a = model.index(0, 0);
    EXPECT_TRUE(model.hasChildren(a));
    EXPECT_FALSE(model.hasChildren(model.index(1, 0)));
    EXPECT_EQ(model.rowCount(a), 0);
    model.fetchMore(a);
    ASSERT_EQ(model.rowCount(a), 2);
    EXPECT_EQ(model.index(0, 0, a).data().toString(), QStringLiteral("甲一"));
    EXPECT_EQ(model.parent(model.index(0, 0, a)), a);
    // A record deep in an unloaded branch: its ancestors load on the way.
    const QModelIndex deep = model.indexOfPosition(3);
    ASSERT_TRUE(deep.isValid());
    EXPECT_EQ(deep.data().toString(), QStringLiteral("甲一一"));
    EXPECT_EQ(model.positionOf(deep), 3);
    EXPECT_EQ(model.parent(deep).data().toString(), QStringLiteral("甲一"));
    // A record that is its own parent is no node of the tree, and no loop.
    EXPECT_FALSE(model.indexOfPosition(5).isValid());
}

TEST_F(DataWidgets, BoundWidgetsFollowTheCurrentRecord)
{
    QImage red(3, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "BMP");
    table.moveTo(1);
    table.edit();
    table.setValue("Pic", store::Value::bytes(png.toStdString()));
    table.post();

    app::DataSource source;
    app::DbEdit edit;
    app::DbMemo memo;
    app::DbImage image;
    app::MessageRecorder messages;
    app::DbNavigator navigator(messages);
    edit.bind(&source, QStringLiteral("Name"));
    memo.bind(&source, QStringLiteral("Note"));
    image.bind(&source, QStringLiteral("Pic"));
    navigator.bind(&source);
    source.setCursor(&table);
    table.first();
    EXPECT_EQ(edit.text(), QStringLiteral("甲"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("说明甲"));
    EXPECT_TRUE(image.pixmap().isNull());
    EXPECT_TRUE(edit.isReadOnly());
    EXPECT_TRUE(memo.isReadOnly());
    EXPECT_FALSE(navigator.findChild<QToolButton *>(QStringLiteral("nbPrior"))->isEnabled());

    navigator.findChild<QToolButton *>(QStringLiteral("nbNext"))->click();
    EXPECT_EQ(table.recNo(), 1);
    EXPECT_EQ(edit.text(), QStringLiteral("乙"));
    EXPECT_EQ(image.pixmap().size(), QSize(3, 2));
    navigator.findChild<QToolButton *>(QStringLiteral("nbLast"))->click();
    EXPECT_EQ(edit.text(), QStringLiteral("自指"));
    EXPECT_FALSE(navigator.findChild<QToolButton *>(QStringLiteral("nbNext"))->isEnabled());
    EXPECT_TRUE(navigator.findChild<QToolButton *>(QStringLiteral("nbFirst"))->isEnabled());

    // A widget bound to a field the table lacks stays empty.
    app::DbEdit stray;
    stray.bind(&source, QStringLiteral("Missing"));
    EXPECT_TRUE(stray.text().isEmpty());
    table.close();
    source.notify();
    EXPECT_TRUE(edit.text().isEmpty());
    EXPECT_TRUE(messages.messages().empty());
}

} // namespace
} // namespace holvane::test
