#include "store/aliasregistry.h"
#include "store/storeerror.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace holvane::store;
using holvane::test::TempDir;

namespace {

TEST(Aliases, AddedAliasesPersistAcrossRuns)
{
    TempDir dir;
    {
        AliasRegistry r(dir / "aliases.conf");
        EXPECT_TRUE(r.names().empty());
        r.add("jMydb", dir / "database");
        r.add("jsjdat", dir / "sjdata", "Paradox");
        EXPECT_THROW(r.add("JMYDB", dir / "x"), StoreError) << "names compare without case";
    }
    AliasRegistry again(dir / "aliases.conf");
    EXPECT_EQ(again.names(), (std::vector<std::string>{"jMydb", "jsjdat"}));
    EXPECT_TRUE(again.contains("jmydb"));
    EXPECT_EQ(again.directory("JSJDAT"), dir / "sjdata");
    EXPECT_EQ(again.find("jMydb")->driver, "Paradox");
    EXPECT_THROW(again.directory("jdat"), StoreError);
}

TEST(Aliases, DirectoryWithSpacesAndChinese)
{
    TempDir dir;
    AliasRegistry r(dir / "aliases.conf");
    r.add("jgsdat", dir / "计算器 data");
    EXPECT_EQ(AliasRegistry(dir / "aliases.conf").directory("jgsdat"), dir / "计算器 data");
}

TEST(Aliases, MalformedFileNamesItsLine)
{
    TempDir dir;
    holvane::test::writeFile(dir / "aliases.conf", "jMydb\t/tmp\tParadox\nbroken line\n");
    try {
        AliasRegistry r(dir / "aliases.conf");
        FAIL();
    } catch (const StoreError &e) {
        EXPECT_NE(std::string(e.what()).find("第 2 行"), std::string::npos) << e.what();
    }
}

TEST(Aliases, UnwritableFileIsAnErrorAndAddsNothing)
{
    TempDir dir;
    AliasRegistry r(dir / "missing-folder" / "aliases.conf");
    EXPECT_THROW(r.add("jdat", dir / "dat"), StoreError);
    EXPECT_FALSE(r.contains("jdat"));
}

} // namespace
