#include "app/contentfetch.h"
#include "store/archive.h"
#include "store/scramble.h"
#include "store/storeerror.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

namespace holvane::test {
namespace {

namespace fs = std::filesystem;

std::string scrambled(std::string bytes)
{
    store::scrambleContent(bytes);
    return bytes;
}

class Fetch : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(app / "bkdata");
        fs::create_directories(app / "img");
        writeFile(app / "img" / "futu.bmp", "placeholder");
        store::ArchiveWriter pictures(app / "bkdata" / "imgi.dat");
        // Lengths that are not a multiple of the key's 10 bytes.
        pictures.add("odd.bmp", scrambled("thirteen byte"));
        pictures.add("one.bmp", scrambled("x"));
        pictures.add("sub/Deep.BMP", scrambled("from a folder in the archive"));
        pictures.commit();
    }

    std::string fetch(const std::string &key)
    {
        return readFile(app::FetchPicture(root.path() / "AppDir", "imgi.dat", "img", "futu.bmp", "ft.bmp", key));
    }

    TempDir root;
    fs::path app = root / "AppDir";
};

TEST_F(Fetch, PictureIsDescrambledToItsExactLength)
{
    EXPECT_EQ(fetch("odd"), "thirteen byte");
    EXPECT_EQ(fetch("one"), "x");
    EXPECT_EQ(fetch("deep"), "from a folder in the archive");
    // The placeholder keeps the scrambled picture fetched last.
    EXPECT_EQ(readFile(app / "img" / "futu.bmp"), scrambled("from a folder in the archive"));
}

TEST_F(Fetch, AMissingMemberGivesThePictureFetchedLast)
{
    EXPECT_EQ(fetch("odd"), "thirteen byte");
    EXPECT_EQ(fetch("nosuch"), "thirteen byte");
    std::vector<std::string> left;
    for (const auto &e : fs::directory_iterator(app / "img"))
        left.push_back(e.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"ft.bmp", "futu.bmp"}));
}

TEST_F(Fetch, KeysWithPathsAndMissingFilesAreRefused)
{
    for (const char *key : {"../evil", "a/b", "..", "", "c\\d"}) {
        EXPECT_THROW(fetch(key), store::StoreError) << key;
        EXPECT_EQ(readFile(app / "img" / "futu.bmp"), "placeholder");
    }
    fs::remove(app / "img" / "futu.bmp");
    EXPECT_THROW(fetch("odd"), store::StoreError);
    writeFile(app / "img" / "futu.bmp", "placeholder");
    fs::remove(app / "bkdata" / "imgi.dat");
    EXPECT_THROW(fetch("odd"), store::StoreError);
    EXPECT_EQ(readFile(app / "img" / "futu.bmp"), "placeholder");
}

TEST_F(Fetch, TextPageReplacesTheTextFolder)
{
    std::string inner;
    {
        store::ArchiveWriter page(root / "page.dat");
        page.add("page.htm", "<p>正文</p>");
        page.add("img/tu.bmp", "BM");
        page.commit();
        inner = readFile(root / "page.dat");
    }
    store::ArchiveWriter texts(app / "bkdata" / "myhtm.dat");
    texts.add("page.dat", inner);
    texts.commit();
    fs::create_directories(app / "txt" / "old");
    writeFile(app / "txt" / "old.htm", "x");

    const fs::path htm = app::fetchTextPage(app, "page");
    EXPECT_EQ(htm, app / "txt" / "page.htm");
    EXPECT_EQ(readFile(htm), "<p>正文</p>");
    EXPECT_TRUE(fs::exists(app / "txt" / "img" / "tu.bmp"));
    EXPECT_FALSE(fs::exists(app / "txt" / "old.htm"));
    EXPECT_FALSE(fs::exists(app / "txt" / "old"));

    // A key with a path touches nothing.
    EXPECT_THROW(app::fetchTextPage(app, "../page"), store::StoreError);
    EXPECT_TRUE(fs::exists(htm));
    // A page the archive lacks leaves an empty folder and a path to nothing.
    EXPECT_FALSE(fs::exists(app::fetchTextPage(app, "nosuch")));
}

} // namespace
} // namespace holvane::test
