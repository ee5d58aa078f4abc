#include "store/archive.h"
#include "store/storeerror.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>
#include <zip.h>

using namespace holvane::store;
using holvane::test::readFile;
using holvane::test::TempDir;
using holvane::test::writeFile;

namespace {

using Members = std::vector<std::pair<std::string, std::string>>;

// Writes members with libzip directly, names unchecked: hostile archives too.
void writeRawZip(const std::filesystem::path &file, const Members &members, bool store = false)
{
    int err = 0;
    zip_t *z = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    ASSERT_NE(z, nullptr);
    for (const auto &[name, bytes] : members) {
        zip_source_t *src = zip_source_buffer(z, bytes.data(), bytes.size(), 0);
        const zip_int64_t i = zip_file_add(z, name.c_str(), src, ZIP_FL_ENC_UTF_8);
        ASSERT_GE(i, 0) << name;
        if (store)
            zip_set_file_compression(z, static_cast<zip_uint64_t>(i), ZIP_CM_STORE, 0);
    }
    ASSERT_EQ(zip_close(z), 0);
}

std::string errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const StoreError &e) {
        return e.what();
    }
    return "";
}

TEST(Archive, RestoreAllCreatesDirectories)
{
    TempDir dir;
    ArchiveWriter w(dir / "pages.dat");
    w.add("page1.htm", "<html>夹具</html>");
    w.add("page1_files/fig1.png", "PNG bytes");
    w.add("空目录/", "");
    w.commit();
    ASSERT_TRUE(restoreArchive(dir / "pages.dat", dir / "out", RestoreMode::All));
    EXPECT_EQ(readFile(dir / "out" / "page1.htm"), "<html>夹具</html>");
    EXPECT_EQ(readFile(dir / "out" / "page1_files" / "fig1.png"), "PNG bytes");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "out" / "空目录"));
    EXPECT_EQ(archiveMembers(dir / "pages.dat").size(), 3u);
}

TEST(Archive, ExistingOnlyWritesOverExistingFilesOnly)
{
    TempDir dir;
    ArchiveWriter w(dir / "imgi.dat");
    w.add("Pin.bmp", "pin picture");
    w.add("Block.bmp", "block picture");
    w.commit();
    writeFile(dir / "img" / "PIN.BMP", "placeholder");
    writeFile(dir / "img" / "other.bmp", "untouched");
    ASSERT_TRUE(restoreArchive(dir / "imgi.dat", dir / "img", RestoreMode::ExistingOnly));
    EXPECT_EQ(readFile(dir / "img" / "PIN.BMP"), "pin picture") << "matched without regard to case";
    EXPECT_EQ(readFile(dir / "img" / "other.bmp"), "untouched");
    EXPECT_FALSE(std::filesystem::exists(dir / "img" / "Block.bmp"));
}

TEST(Archive, RestoreOneMemberByFileName)
{
    TempDir dir;
    ArchiveWriter w(dir / "myhtm.dat");
    w.add("deep/path/Locating.dat", "inner archive");
    w.add("other.dat", "x");
    w.commit();
    EXPECT_TRUE(restoreMember(dir / "myhtm.dat", dir / "txt" / "LOCATING.DAT"));
    EXPECT_EQ(readFile(dir / "txt" / "LOCATING.DAT"), "inner archive");
    EXPECT_FALSE(restoreMember(dir / "myhtm.dat", dir / "txt" / "absent.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir / "txt" / "absent.dat"));
}

TEST(Archive, MissingArchiveWritesNothingAndReturnsFalse)
{
    TempDir dir;
    EXPECT_FALSE(restoreArchive(dir / "none.dat", dir / "out", RestoreMode::All));
    EXPECT_FALSE(restoreMember(dir / "none.dat", dir / "out" / "a.bmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out"));
}

TEST(Archive, BrokenArchivesAreClearErrors)
{
    TempDir dir;
    writeFile(dir / "garbage.dat", std::string(5000, 'g'));
    ArchiveWriter w(dir / "good.dat");
    w.add("a.bmp", std::string(20000, 'a') + std::string(20000, 'b'));
    w.commit();
    const std::string good = readFile(dir / "good.dat");
    writeFile(dir / "truncated.dat", good.substr(0, good.size() / 2));
    std::string flipped = good;
    flipped[40] ^= 0x55; // inside the compressed data
    writeFile(dir / "flipped.dat", flipped);

    for (const char *name : {"garbage.dat", "truncated.dat", "flipped.dat"}) {
        const std::string msg = errorOf([&] { restoreArchive(dir / name, dir / "out", RestoreMode::All); });
        EXPECT_NE(msg.find(name), std::string::npos) << name << ": " << msg;
        EXPECT_FALSE(std::filesystem::exists(dir / "out" / "a.bmp")) << name << " left a partial file";
        EXPECT_FALSE(std::filesystem::exists(dir / "out" / "a.bmp.part"));
    }
}

class ZipSlip : public testing::TestWithParam<const char *> {};

TEST_P(ZipSlip, MemberOutsideTheTargetIsRefused)
{
    TempDir dir;
    writeRawZip(dir / "evil.dat", {{"fine.txt", "ok"}, {GetParam(), "evil"}});
    const std::string msg = errorOf([&] { restoreArchive(dir / "evil.dat", dir / "a" / "b", RestoreMode::All); });
    EXPECT_NE(msg.find("目标目录之外"), std::string::npos) << msg;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(dir.path()))
        EXPECT_NE(entry.path().filename(), "evil.txt") << entry.path();
}

INSTANTIATE_TEST_SUITE_P(Names, ZipSlip,
                         testing::Values("../evil.txt", "../../evil.txt", "x/../../evil.txt", "/tmp/evil.txt",
                                         "..\\evil.txt", "C:evil.txt", "C:/evil.txt", "\\evil.txt"));

TEST(ZipSlip, WriterRefusesSuchNamesToo)
{
    TempDir dir;
    ArchiveWriter w(dir / "a.dat");
    EXPECT_THROW(w.add("../x", "y"), StoreError);
}

TEST(ZipBomb, HighlyCompressedMemberIsRefused)
{
    TempDir dir;
    writeRawZip(dir / "bomb.dat", {{"zeros.bin", std::string(8u << 20, '\0')}});
    const std::string msg = errorOf([&] { restoreArchive(dir / "bomb.dat", dir / "out", RestoreMode::All); });
    EXPECT_NE(msg.find("大小异常"), std::string::npos) << msg;
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "zeros.bin"));
}

// Rewrites the uncompressed size of the only member in both its headers.
void claimSize(const std::filesystem::path &file, std::uint32_t size)
{
    std::string bytes = readFile(file);
    const auto patch = [&](const char *signature, size_t offset) {
        const size_t at = bytes.find(std::string(signature, 4));
        ASSERT_NE(at, std::string::npos);
        for (int i = 0; i < 4; ++i)
            bytes[at + offset + static_cast<size_t>(i)] = static_cast<char>((size >> (8 * i)) & 0xFF);
    };
    patch("PK\x03\x04", 22);
    patch("PK\x01\x02", 24);
    writeFile(file, bytes);
}

TEST(ZipBomb, MemberClaimingAnAbsurdSizeIsRefusedBeforeWriting)
{
    TempDir dir;
    writeRawZip(dir / "huge.dat", {{"huge.bin", std::string(1000, 'h')}}, true);
    claimSize(dir / "huge.dat", 0xF0000000u);
    const std::string msg = errorOf([&] { restoreMember(dir / "huge.dat", dir / "out" / "huge.bin"); });
    EXPECT_FALSE(msg.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "huge.bin"));
}

TEST(Archive, WriterIsDeterministic)
{
    TempDir dir;
    for (const char *name : {"one.dat", "two.dat"}) {
        ArchiveWriter w(dir / name);
        w.add("b.bmp", std::string(3000, 'b'));
        w.add("夹具.htm", "中文");
        w.commit();
    }
    EXPECT_EQ(readFile(dir / "one.dat"), readFile(dir / "two.dat"));
}

} // namespace
