#include "store/query.h"
#include "store/storeerror.h"
#include "store/table.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace holvane::store;
using holvane::test::TempDir;

namespace {

class QueryTest : public testing::Test {
protected:
    void SetUp() override
    {
        Table::create(dir.path(), "VTree",
                      {{"CID", FieldType::Int32, 0}, {"CName", FieldType::Text, 50}, {"CFrame", FieldType::Text, 10}},
                      1);
        Table t;
        t.setPath(dir.path(), "VTree");
        t.open();
        const std::vector<std::tuple<int, const char *, const char *>> rows = {
            {1, "定位", ""}, {2, "定位销", "211"}, {3, "V形块定位", "4"}, {4, "夹紧 'x'", "5"}};
        for (const auto &[cid, name, frame] : rows) {
            t.append();
            t.setValue("CID", cid);
            t.setText("CName", name);
            t.setText("CFrame", frame);
            t.post();
        }
    }

    std::vector<int> ids(Query &q)
    {
        std::vector<int> out;
        for (q.first(); !q.eof(); q.next())
            out.push_back(static_cast<int>(q.value("CID").integer()));
        return out;
    }

    TempDir dir;
};

TEST_F(QueryTest, IndexAndKeywordStatements)
{
    Query q;
    q.setDirectory(dir.path(), {"VTree"});
    q.setSql("select * from vtree where cframe is not null order by cname");
    q.open();
    EXPECT_EQ(q.recordCount(), 3) << "an empty text is Null";
    EXPECT_EQ(q.fieldCount(), 3);
    EXPECT_EQ(q.field(1).type, FieldType::Text);
    EXPECT_EQ(q.field(1).width, 50);
    EXPECT_TRUE(q.locate("cname", "定位", LocateMode::Prefix));
    EXPECT_EQ(q.value("CID"), Value(2));
    q.close();

    // A keyword with a quote is a value like any other.
    for (const auto &[keyword, expected] : std::vector<std::pair<std::string, std::vector<int>>>{
             {"定位", {2, 3}}, {"'x'", {4}}, {"", {2, 3, 4}}, {"%", {}}}) {
        q.setSql("select * from vtree where cframe is not null and instr(cname, ?) > 0 order by cid", {keyword});
        q.open();
        EXPECT_EQ(ids(q), expected) << keyword;
        q.close();
    }
}

TEST_F(QueryTest, BadStatementAndMissingTableAreErrors)
{
    Query q;
    q.setDirectory(dir.path(), {"VTree"});
    q.setSql("select * from vtree where");
    EXPECT_THROW(q.open(), StoreError);
    EXPECT_FALSE(q.isOpen());
    Query missing;
    missing.setDirectory(dir.path(), {"Nothing"});
    missing.setSql("select * from nothing");
    EXPECT_THROW(missing.open(), StoreError);
    EXPECT_THROW(missing.setDirectory(dir.path(), {"../VTree"}), StoreError);
}

TEST_F(QueryTest, QueryCannotWrite)
{
    Query q;
    q.setDirectory(dir.path(), {"VTree"});
    q.setSql("delete from t0.records");
    EXPECT_THROW(q.open(), StoreError);
    Table t;
    t.setPath(dir.path(), "VTree");
    t.open();
    EXPECT_EQ(t.recordCount(), 4);
}

} // namespace
