#include "formulapicture.h"
#include "packer.h"
#include "packerror.h"
#include "packfixture.h"
#include "picture.h"
#include "store/archive.h"
#include "store/scramble.h"
#include "store/table.h"
#include "support/tempdir.h"
#include "text/gbk.h"

#include <QImage>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace holvane;
using holvane::test::readFile;
using holvane::test::TempDir;

namespace {

// The fixture packed once for the tests that only read it.
class PackedFixture : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        pack::packContent(test::fixtureContent(), s_dir->path());
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static fs::path out() { return s_dir->path(); }

    static TempDir *s_dir;
};

TempDir *PackedFixture::s_dir = nullptr;

QImage imageOf(const std::string &bmp)
{
    return QImage::fromData(reinterpret_cast<const uchar *>(bmp.data()), static_cast<int>(bmp.size()), "BMP");
}

TEST_F(PackedFixture, RuntimeTreeHasEveryFolderAndPlaceholder)
{
    for (const char *dir :
        { "database", "dat", "212dat312", "result", "sjdata", "计算器/data", "bkdata", "img", "curve", "txt", "help" })
        EXPECT_TRUE(fs::is_directory(out() / fs::u8path(dir))) << dir;
    EXPECT_TRUE(fs::is_empty(out() / "txt"));
    EXPECT_TRUE(fs::is_empty(out() / "dat"));
    for (const char *archive : { "imgi.dat", "curvei.dat", "myhtm.dat", "mydat.dat" })
        EXPECT_TRUE(fs::is_regular_file(out() / "bkdata" / archive)) << archive;
    EXPECT_FALSE(imageOf(readFile(out() / "img" / "futu.bmp")).isNull());
    EXPECT_FALSE(imageOf(readFile(out() / "curve" / "quxian.bmp")).isNull());
    EXPECT_TRUE(fs::is_regular_file(out() / "help" / fs::u8path("帮助文档.html")));
    EXPECT_FALSE(fs::exists(out() / ".holvane-pack"));
}

TEST_F(PackedFixture, CatalogueReadsBackThroughTheStore)
{
    store::Table tree;
    tree.setPath(out() / "database", "VTree");
    tree.open();
    EXPECT_EQ(tree.recordCount(), 18);
    ASSERT_TRUE(tree.locate("CID", "21"));
    EXPECT_EQ(tree.value("ParentID"), store::Value(2));
    EXPECT_EQ(tree.text("CName"), "1.1 夹具的组成");
    EXPECT_EQ(tree.text("CFrame"), "4");
    EXPECT_EQ(tree.text("Ctable"), "gaishu");
    EXPECT_EQ(tree.text("Cimage"), "zucheng");
    EXPECT_EQ(tree.text("CMemo"), "夹具由定位元件、夹紧装置和夹具体组成。\n第二行说明。");
    EXPECT_TRUE(tree.value("COrder").isNull());
    // Third level, and the page type that shows no page.
    ASSERT_TRUE(tree.locate("CID", "211"));
    EXPECT_EQ(tree.value("ParentID"), store::Value(21));
    ASSERT_TRUE(tree.locate("CID", "38"));
    EXPECT_EQ(tree.text("CFrame"), "7");
    ASSERT_TRUE(tree.locate("CID", "31"));
    EXPECT_EQ(tree.value("COrder"), store::Value(2));
    // Records come in CID order: the siblings in the order the file lists them.
    tree.first();
    int previous = 0;
    for (; !tree.eof(); tree.next()) {
        EXPECT_GT(tree.value("CID").integer(), previous);
        previous = static_cast<int>(tree.value("CID").integer());
    }
}

TEST_F(PackedFixture, PictureMemberDescramblesToTheDrawing)
{
    TempDir work;
    ASSERT_TRUE(store::restoreMember(out() / "bkdata" / "imgi.dat", work / "ZUCHENG.bmp"));
    EXPECT_FALSE(imageOf(readFile(work / "ZUCHENG.bmp")).valid(0, 0)) << "stored scrambled";
    store::DescrambleFile(work / "ZUCHENG.bmp", work / "ft.bmp");
    const std::string bmp = readFile(work / "ft.bmp");
    EXPECT_EQ(bmp, pack::bmpBytes(pack::loadPicture(test::fixtureContent() / "imgi" / "zucheng.svg")));
    const QImage image = imageOf(bmp);
    EXPECT_EQ(image.size(), QSize(120, 80));
    EXPECT_EQ(image.pixelColor(60, 40), QColor(0x30, 0x60, 0xc0));

    ASSERT_TRUE(store::restoreMember(out() / "bkdata" / "curvei.dat", work / "jiantu.bmp"));
    store::DescrambleFile(work / "jiantu.bmp", work / "qx.bmp");
    EXPECT_EQ(imageOf(readFile(work / "qx.bmp")).size(), QSize(64, 48));
}

TEST_F(PackedFixture, TextPageIsAnInnerArchiveWithItsPictures)
{
    TempDir txt;
    ASSERT_TRUE(store::restoreMember(out() / "bkdata" / "myhtm.dat", txt / "gaishu.dat"));
    EXPECT_EQ(store::archiveMembers(txt / "gaishu.dat"), (std::vector<std::string> { "gaishu.htm", "tu1.png" }));
    ASSERT_TRUE(store::restoreArchive(txt / "gaishu.dat", txt.path(), store::RestoreMode::All));
    EXPECT_EQ(readFile(txt / "gaishu.htm"), readFile(test::fixtureContent() / "myhtm" / "gaishu" / "gaishu.htm"));
    EXPECT_EQ(readFile(txt / "tu1.png"), readFile(test::fixtureContent() / "myhtm" / "gaishu" / "tu1.png"));

    // Files in subfolders keep their relative path.
    ASSERT_TRUE(store::restoreMember(out() / "bkdata" / "myhtm.dat", txt / "jiegou.dat"));
    EXPECT_EQ(store::archiveMembers(txt / "jiegou.dat"), (std::vector<std::string> { "jiegou.htm", "img/xiao.svg" }));
}

TEST_F(PackedFixture, DataTableTravelsScrambledAndOpensAsTheWorkingTable)
{
    TempDir dat;
    ASSERT_TRUE(store::restoreMember(out() / "bkdata" / "mydat.dat", dat / "dingweixiao.db"));
    store::DescrambleFile(dat / "dingweixiao.db", dat / "aaa.db");
    store::Table table;
    table.setPath(dat.path(), "AAA");
    table.open();
    ASSERT_EQ(table.fieldCount(), 4);
    EXPECT_EQ(table.field(2), (store::FieldDef { "H|高度", store::FieldType::Float, 0 }));
    EXPECT_EQ(table.field(3).type, store::FieldType::Memo);
    ASSERT_EQ(table.recordCount(), 3);
    EXPECT_EQ(table.text(0), ">3~6");
    EXPECT_EQ(table.value(2), store::Value(8.0));
    EXPECT_EQ(table.text(3), "短销\n用于小孔");
    table.next();
    EXPECT_EQ(table.value(2), store::Value(10.5));
    EXPECT_TRUE(table.value(3).isNull());
    table.next();
    EXPECT_EQ(table.text(3), "长销，\n用于深孔定位。\n");
}

TEST_F(PackedFixture, CardTablesKeepTheirLayouts)
{
    using store::FieldType;
    const std::vector<std::pair<const char *, std::vector<FieldType>>> layouts = {
        { "cards3", { FieldType::Text, FieldType::Graphic, FieldType::Memo } },
        { "cards_np", { FieldType::Text, FieldType::Graphic } },
        { "cards_pd", { FieldType::Graphic, FieldType::Memo } },
        { "cards_nd", { FieldType::Text, FieldType::Memo } },
        { "cards4", { FieldType::Text, FieldType::Graphic, FieldType::Memo, FieldType::Text } },
    };
    for (const auto &[name, types] : layouts) {
        store::Table table;
        table.setPath(out() / "212dat312", name);
        table.open();
        ASSERT_EQ(table.fieldCount(), static_cast<int>(types.size())) << name;
        for (size_t i = 0; i < types.size(); ++i)
            EXPECT_EQ(table.field(static_cast<int>(i)).type, types[i]) << name << " field " << i;
    }
    store::Table cards;
    cards.setPath(out() / "212dat312", "cards3");
    cards.open();
    EXPECT_EQ(imageOf(cards.value(1).rawBytes()).size(), QSize(60, 60));
    cards.next();
    EXPECT_TRUE(cards.value(1).isNull());
}

TEST_F(PackedFixture, ItemTableHoldsFormulaPicturesAndInitialValues)
{
    store::Table items;
    items.setPath(out() / "sjdata", "B1-2-11.DB");
    items.open();
    EXPECT_EQ(items.field(3), (store::FieldDef { "计算公式", store::FieldType::Text, 120 }));
    EXPECT_EQ(items.field(6), (store::FieldDef { "初始值", store::FieldType::Memo, 0 }));
    EXPECT_EQ(items.text(3), "W=K*F/(f1+f2)");
    EXPECT_EQ(items.text("初始值"), "2.5\n2000\n0.16\n0.16");
    const QImage formulaPicture = imageOf(items.value("公式图").rawBytes());
    EXPECT_EQ(formulaPicture.width(), 400);
    EXPECT_GE(formulaPicture.height(), 250);
    EXPECT_FALSE(imageOf(items.value("计算简图").rawBytes()).isNull());
    items.last();
    EXPECT_TRUE(items.value(3).isNull()) << "an item without a formula is allowed";
}

TEST_F(PackedFixture, LibraryFormulasAreScrambledUserFormulasPlain)
{
    store::Table library;
    library.setPath(out() / fs::u8path("计算器/data"), "cygs.DB");
    library.open();
    EXPECT_EQ(library.field(3).name, "公式名");
    EXPECT_EQ(library.field(9).name, "公式图");

    ASSERT_TRUE(library.locate("CID", "2"));
    EXPECT_EQ(library.value("PID"), store::Value(1));
    ASSERT_TRUE(library.value("Gongshi").isBytes());
    EXPECT_EQ(library.value("Gongshi").rawBytes().size(), 5u);
    EXPECT_EQ(store::scrambleFormula(library.value("Gongshi").rawBytes()), text::toGbk("P=F/A"));

    std::string picture = library.value("公式图").rawBytes();
    std::vector<pack::LegendEntry> legend;
    std::string error;
    ASSERT_TRUE(pack::parseLegend("P=压强[MPa]; F=压力[N]; A=受力面积[mm²]", legend, error));
    const std::string plain = pack::bmpBytes(pack::renderFormulaPicture("P=F/A", legend));
    EXPECT_NE(picture, plain);
    ASSERT_TRUE(store::scramblePicture(picture));
    EXPECT_EQ(picture, plain);
    EXPECT_FALSE(imageOf(library.value("图表说明").rawBytes()).isNull());

    ASSERT_TRUE(library.locate("CID", "6"));
    EXPECT_EQ(library.value("Flag"), store::Value(1));
    EXPECT_EQ(library.text("公式说明"), "D>d");

    // The user category comes last, then its formulas, stored plain.
    ASSERT_TRUE(library.locate("CID", "11"));
    EXPECT_EQ(library.value("PID"), store::Value(10));
    EXPECT_EQ(library.value("Gongshi"), store::Value("Q=a*b"));
    EXPECT_EQ(imageOf(library.value("公式图").rawBytes()).size(), QSize(160, 100));
    library.last();
    EXPECT_EQ(library.value("CID"), store::Value(11));
}

TEST_F(PackedFixture, ProgramTablesAreEmptyWithTheirLayouts)
{
    for (const auto &[dir, name, fields] : std::vector<std::tuple<const char *, const char *, int>> {
             { "database", "History.DB", 11 }, { "database", "cx_jl.db", 4 }, { "计算器/data", "计算结果.DB", 3 } }) {
        store::Table table;
        table.setPath(out() / fs::u8path(dir), name);
        table.open();
        EXPECT_EQ(table.recordCount(), 0) << name;
        EXPECT_EQ(table.fieldCount(), fields) << name;
    }
}

TEST(Pack, HandbookContentPacksIntoARuntimeTree)
{
    TempDir out;
    pack::packContent(fs::path(HOLVANE_SOURCE_DIR) / "content", out.path());
    store::Table tree;
    tree.setPath(out / "database", "VTree.DB");
    tree.open();
    EXPECT_EQ(tree.text("CFrame"), "0") << "the first node is the cover";
    store::Table library;
    library.setPath(out / fs::u8path("计算器/data"), "cygs.DB");
    library.open();
    library.last();
    EXPECT_EQ(library.value("PID"), store::Value(10)) << "the user formulas come last";
    // An archive without members is still an archive the program can read.
    for (const char *archive : { "imgi.dat", "curvei.dat", "myhtm.dat", "mydat.dat" })
        EXPECT_NO_THROW(store::archiveMembers(out / "bkdata" / archive)) << archive;
}

TEST(Pack, SameSourcesGiveByteIdenticalOutput)
{
    TempDir first, second;
    pack::packContent(test::fixtureContent(), first.path());
    pack::packContent(test::fixtureContent(), second.path());
    const auto files = test::filesBelow(first.path());
    ASSERT_EQ(files, test::filesBelow(second.path()));
    for (const fs::path &file : files) {
        if (fs::is_regular_file(first.path() / file)) {
            EXPECT_EQ(readFile(first.path() / file), readFile(second.path() / file)) << file;
        }
    }
}

TEST(Pack, RepackReplacesContentAndKeepsTheProgram)
{
    TempDir out;
    test::writeFile(out / "holvane", "program");
    pack::packContent(test::fixtureContent(), out.path());
    test::writeFile(out / "txt" / "left.htm", "old page");
    pack::packContent(test::fixtureContent(), out.path());
    EXPECT_EQ(readFile(out / "holvane"), "program");
    EXPECT_FALSE(fs::exists(out / "txt" / "left.htm"));
}

TEST(Pack, RefusedSourceLeavesTheOutputAsItWas)
{
    TempDir source, out;
    test::copyTree(test::fixtureContent(), source.path());
    pack::packContent(source.path(), out.path());
    const std::string catalogue = readFile(out / "database" / "VTree.DB");
    test::writeFile(source / "catalogue.tree", "[1] 封面\n    frame: 4\n");
    EXPECT_THROW(pack::packContent(source.path(), out.path()), pack::PackError);
    EXPECT_EQ(readFile(out / "database" / "VTree.DB"), catalogue);
    EXPECT_FALSE(fs::exists(out / ".holvane-pack"));
}

} // namespace
