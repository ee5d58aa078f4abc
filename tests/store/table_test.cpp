#include "store/aliasregistry.h"
#include "store/storeerror.h"
#include "store/table.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

using namespace holvane::store;
using holvane::test::TempDir;

namespace {

const std::vector<FieldDef> kTreeFields = {
    {"CID", FieldType::Int32, 0},      {"ParentID", FieldType::Int32, 0}, {"CName", FieldType::Text, 50},
    {"CFrame", FieldType::Text, 10},   {"COrder", FieldType::Int16, 0},   {"CMemo", FieldType::Memo, 0},
    {"Size", FieldType::Float, 0},     {"Saved", FieldType::Date, 0},     {"Picture", FieldType::Graphic, 0},
};

void appendNode(Table &t, int cid, const std::string &name, const std::string &frame = "4")
{
    t.append();
    t.setValue("CID", cid);
    t.setValue("ParentID", 0);
    t.setText("CName", name);
    t.setText("CFrame", frame);
    t.post();
}

class TableTest : public testing::Test {
protected:
    void SetUp() override { Table::create(dir.path(), "VTree", kTreeFields, 1); }

    std::unique_ptr<Table> openTree()
    {
        auto t = std::make_unique<Table>();
        t->setPath(dir.path(), "vtree.db");
        t->open();
        return t;
    }

    TempDir dir;
};

TEST_F(TableTest, FieldsReadBackWithTheirTypes)
{
    auto t = openTree();
    ASSERT_EQ(t->fieldCount(), 9);
    EXPECT_EQ(t->fields(), kTreeFields);
    EXPECT_EQ(t->fieldIndex("cname"), 2);
    EXPECT_EQ(t->fieldIndex("nothing"), -1);
    EXPECT_THROW(t->value("nothing"), StoreError);
    EXPECT_EQ(t->recordCount(), 0);
    EXPECT_TRUE(t->eof());
    EXPECT_TRUE(t->bof());
    EXPECT_TRUE(t->value("CName").isNull());
}

TEST_F(TableTest, ValuesRoundTripThroughTheFile)
{
    {
        auto t = openTree();
        t->append();
        t->setValue("CID", 7);
        t->setText("CName", "机床夹具设计手册，一个超过五十字节宽度的名称也要完整保存下来，不能截断");
        t->setText("COrder", "2");
        t->setText("CMemo", std::string(1000, 'm'));
        t->setText("Size", "12.5");
        t->setText("Saved", "2026-12-11");
        t->setValue("Picture", Value::bytes(std::string("\0BM\xff", 4)));
        t->post();
    }
    auto t = openTree();
    ASSERT_EQ(t->recordCount(), 1);
    EXPECT_EQ(t->value("CID"), Value(7));
    EXPECT_EQ(t->text("CName"), "机床夹具设计手册，一个超过五十字节宽度的名称也要完整保存下来，不能截断");
    EXPECT_EQ(t->value("COrder"), Value(2));
    EXPECT_EQ(t->text("CMemo").size(), 1000u);
    EXPECT_EQ(t->text("Size"), "12.5");
    EXPECT_EQ(t->value("Size"), Value(12.5));
    EXPECT_EQ(t->text("Saved"), "2026-12-11");
    EXPECT_EQ(t->value("Picture"), Value::bytes(std::string("\0BM\xff", 4)));
    EXPECT_TRUE(t->value("CFrame").isNull());
    EXPECT_EQ(t->text("CFrame"), "");
}

struct BadText {
    const char *field;
    const char *text;
    friend std::ostream &operator<<(std::ostream &os, const BadText &b) { return os << b.field << "=" << b.text; }
};

class TableBadText : public TableTest, public testing::WithParamInterface<BadText> {};

TEST_P(TableBadText, IsRefusedNamingTheFieldAndKeepsTheBuffer)
{
    auto t = openTree();
    t->append();
    t->setValue("CID", 1);
    try {
        t->setText(GetParam().field, GetParam().text);
        FAIL() << "accepted " << GetParam().text;
    } catch (const StoreError &e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().field), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("VTree"), std::string::npos) << e.what();
    }
    EXPECT_EQ(t->value("CID"), Value(1));
}

INSTANTIATE_TEST_SUITE_P(Conversions, TableBadText,
                         testing::Values(BadText{"CID", "abc"}, BadText{"CID", "1.5"}, BadText{"CID", "99999999999"},
                                         BadText{"COrder", "40000"}, BadText{"Size", "1,5"},
                                         BadText{"Size", "1e999"}, BadText{"Saved", "2026-02-30"},
                                         BadText{"Saved", "11.12.2026"}));

TEST_F(TableTest, NavigationAndNotifications)
{
    auto t = openTree();
    for (int i : {3, 1, 2})
        appendNode(*t, i, "节点" + std::to_string(i));
    t->close();

    Table table;
    int scrolls = 0;
    table.setAfterScroll([&] { ++scrolls; });
    table.setPath(dir.path(), "VTREE");
    table.open();
    EXPECT_EQ(scrolls, 1) << "opening notifies";
    // Ordered by the key field.
    std::vector<int> ids;
    for (table.first(); !table.eof(); table.next())
        ids.push_back(static_cast<int>(table.value("CID").integer()));
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(table.text("CName"), "节点3") << "next past the end stays on the last record";
    table.last();
    EXPECT_TRUE(table.eof());
    table.prior();
    EXPECT_EQ(table.value("CID"), Value(2));
    table.prior();
    table.prior();
    EXPECT_TRUE(table.bof());
    EXPECT_EQ(table.value("CID"), Value(1));
}

TEST_F(TableTest, LocateExactPrefixAndNumeric)
{
    auto t = openTree();
    appendNode(*t, 1, "定位销");
    appendNode(*t, 2, "定位元件");
    appendNode(*t, 3, "夹紧");
    EXPECT_TRUE(t->locate("CName", "定位", LocateMode::Prefix));
    EXPECT_EQ(t->value("CID"), Value(1));
    EXPECT_TRUE(t->locate("cname", "定位元件"));
    EXPECT_EQ(t->value("CID"), Value(2));
    EXPECT_FALSE(t->locate("CName", "定位")) << "exact needs the whole text";
    EXPECT_FALSE(t->locate("CName", "夹紧装置", LocateMode::Prefix));
    EXPECT_EQ(t->value("CID"), Value(2)) << "no match keeps the current record";
    EXPECT_TRUE(t->locate("CID", "3.0"));
    EXPECT_EQ(t->text("CName"), "夹紧");
    EXPECT_FALSE(t->locate("CFrame", "x", LocateMode::Prefix));
}

TEST_F(TableTest, EditDeleteAndEmpty)
{
    auto t = openTree();
    for (int i = 1; i <= 3; ++i)
        appendNode(*t, i, "n" + std::to_string(i));
    t->locate("CID", "2");
    t->edit();
    t->setText("CName", "changed");
    EXPECT_EQ(t->text("CName"), "changed") << "the edit buffer shows";
    t->cancel();
    EXPECT_EQ(t->text("CName"), "n2");
    t->edit();
    t->setText("CName", "changed");
    t->post();
    EXPECT_EQ(t->text("CName"), "changed");
    t->remove();
    EXPECT_EQ(t->recordCount(), 2);
    EXPECT_EQ(t->value("CID"), Value(3)) << "the next record becomes current";
    t->close();
    t = openTree();
    EXPECT_EQ(t->recordCount(), 2);
    t->emptyTable();
    EXPECT_EQ(t->recordCount(), 0);
    EXPECT_THROW(t->remove(), StoreError);
}

TEST_F(TableTest, BatchPostsOnceAndReadsBackAtItsEnd)
{
    {
        auto t = openTree();
        t->beginBatch();
        for (int i = 300; i > 0; --i)
            appendNode(*t, i, "n" + std::to_string(i));
        t->endBatch();
        EXPECT_EQ(t->recordCount(), 300);
        EXPECT_EQ(t->value("CID"), Value(1)) << "key order, first record";
        t->beginBatch();
        appendNode(*t, 1000, "discarded");
        t->close();
    }
    auto t = openTree();
    EXPECT_EQ(t->recordCount(), 300) << "a batch left open is discarded";
    t->beginBatch();
    appendNode(*t, 1000, "kept");
    t->append();
    t->setValue("CID", 1000);
    EXPECT_THROW(t->post(), StoreError);
    t->cancel();
    t->endBatch();
    EXPECT_EQ(t->recordCount(), 301) << "a refused record does not undo the batch";
}

TEST_F(TableTest, WritingOutsideEditModeAndDuplicateKeysAreRefused)
{
    auto t = openTree();
    appendNode(*t, 1, "a");
    EXPECT_THROW(t->setText("CName", "x"), StoreError);
    t->append();
    t->setValue("CID", 1);
    EXPECT_THROW(t->post(), StoreError);
    EXPECT_EQ(t->state(), TableState::Insert) << "the refused record is kept for correction";
    t->setValue("CID", 2);
    t->post();
    EXPECT_EQ(t->recordCount(), 2);
}

TEST_F(TableTest, FilterIsTheCallersDecision)
{
    auto t = openTree();
    for (int i = 1; i <= 5; ++i)
        appendNode(*t, i, "n" + std::to_string(i));
    t->setFilter([](const RecordView &r) { return r.value("CID").integer() % 2 == 1; });
    t->setFiltered(true);
    EXPECT_EQ(t->recordCount(), 3);
    EXPECT_EQ(t->value("CID"), Value(1));
    t->last();
    EXPECT_EQ(t->value("CID"), Value(5));
    EXPECT_FALSE(t->locate("CID", "2"));
    appendNode(*t, 7, "n7");
    appendNode(*t, 8, "n8");
    EXPECT_EQ(t->recordCount(), 4) << "new records pass the filter too";
    t->setFiltered(false);
    EXPECT_EQ(t->recordCount(), 7);
}

TEST_F(TableTest, OpenFailuresAreClearErrors)
{
    holvane::test::writeFile(dir / "Notes.DB", "this is not a table at all, just text ............");
    holvane::test::writeFile(dir / "Empty.DB", "");
    Table::create(dir.path(), "Trunc", kTreeFields, 1);
    {
        Table t;
        t.setPath(dir.path(), "Trunc");
        t.open();
        for (int i = 0; i < 300; ++i)
            appendNode(t, i, std::string(200, 'x'));
    }
    std::filesystem::resize_file(dir / "Trunc.DB", std::filesystem::file_size(dir / "Trunc.DB") / 2);

    for (const char *name : {"Notes", "Empty", "Trunc", "Missing"}) {
        Table t;
        t.setPath(dir.path(), name);
        try {
            t.open();
            FAIL() << name << " opened";
        } catch (const StoreError &e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
        EXPECT_FALSE(t.isOpen());
    }
    Table t;
    t.setPath(dir / "nowhere", "VTree");
    EXPECT_THROW(t.open(), StoreError);
}

TEST_F(TableTest, NamesThatLeaveTheDirectoryAreRefusedBeforeAnyFileIsTouched)
{
    for (const char *name : {"../VTree", "sub/VTree", "..", "a\\b", ""}) {
        Table t;
        EXPECT_THROW(t.setPath(dir.path(), name), StoreError) << name;
        EXPECT_THROW(Table::create(dir.path(), name, kTreeFields), StoreError) << name;
    }
}

TEST_F(TableTest, ReadOnlyTableReadsButRefusesChanges)
{
    {
        auto t = openTree();
        appendNode(*t, 1, "a");
    }
    std::filesystem::permissions(dir / "VTree.DB", std::filesystem::perms::owner_read);
    if (::access((dir / "VTree.DB").c_str(), W_OK) == 0)
        GTEST_SKIP() << "running as a user who can write any file";
    auto t = openTree();
    EXPECT_EQ(t->recordCount(), 1);
    EXPECT_THROW(t->edit(), StoreError);
}

TEST_F(TableTest, WindowsOfOneProgramShareAnExclusiveTable)
{
    Table a, b;
    a.setPath(dir.path(), "VTree");
    a.setExclusive(true);
    a.open();
    b.setPath(dir.path(), "VTree");
    b.setExclusive(true);
    b.open();
    appendNode(a, 1, "from a");
    b.refresh();
    EXPECT_EQ(b.recordCount(), 1);
}

// Opens the table from another process: 0 opened, 1 refused with a message naming it.
int openElsewhere(const std::filesystem::path &dir, bool exclusive)
{
    const std::string command = std::string(STORE_PROBE) + " open '" + dir.string() + "' VTree "
        + (exclusive ? "exclusive" : "shared");
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(TableTest, ExclusiveOpeningKeepsOtherProcessesOut)
{
    Table mine;
    mine.setPath(dir.path(), "VTree");
    mine.setExclusive(true);
    mine.open();
    EXPECT_EQ(openElsewhere(dir.path(), false), 1);
    EXPECT_EQ(openElsewhere(dir.path(), true), 1);
    mine.close();
    EXPECT_EQ(openElsewhere(dir.path(), true), 0) << "closing frees the table";

    Table shared;
    shared.setPath(dir.path(), "VTree");
    shared.open();
    EXPECT_EQ(openElsewhere(dir.path(), false), 0) << "plain openings share";
    EXPECT_EQ(openElsewhere(dir.path(), true), 1) << "but an exclusive one waits for them";
}

TEST(AliasTable, OpenedByAliasAndCaseInsensitiveName)
{
    TempDir dir;
    Table::create(dir / "database", "VTree", kTreeFields, 1);
    AliasRegistry aliases(dir / "aliases.conf");
    aliases.add("jMydb", dir / "database");
    Table t;
    t.setAlias(aliases, "JMYDB", "vtree");
    t.open();
    EXPECT_TRUE(t.isOpen());
    EXPECT_EQ(t.filePath().filename(), "VTree.DB");
    Table unknown;
    EXPECT_THROW(unknown.setAlias(aliases, "nothing", "VTree"), StoreError);
}

} // namespace
