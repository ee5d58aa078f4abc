#include "store/scramble.h"
#include "store/storeerror.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace holvane::store;
using holvane::test::readFile;
using holvane::test::TempDir;
using holvane::test::writeFile;

namespace {

class DescrambleLengths : public testing::TestWithParam<size_t> {};

TEST_P(DescrambleLengths, KeepsLengthAndInvertsTheScrambling)
{
    TempDir dir;
    std::string plain;
    for (size_t i = 0; i < GetParam(); ++i)
        plain.push_back(static_cast<char>(i * 31 + 7));
    std::string scrambled = plain;
    scrambleContent(scrambled);
    if (!plain.empty()) {
        EXPECT_NE(scrambled, plain);
    }
    writeFile(dir / "in.bmp", scrambled);
    writeFile(dir / "out.bmp", std::string(100000, 'z')); // truncated by the descrambling
    DescrambleFile(dir / "in.bmp", dir / "out.bmp");
    EXPECT_EQ(readFile(dir / "out.bmp"), plain);
}

// Lengths around the 10-byte key and the read buffer.
INSTANTIATE_TEST_SUITE_P(Lengths, DescrambleLengths, testing::Values(0, 1, 9, 10, 11, 65539, 65540, 65541, 200003));

TEST(Descramble, KeyAppliesByPositionModuloTen)
{
    std::string bytes(23, '\0');
    scrambleContent(bytes);
    for (size_t i = 0; i < bytes.size(); ++i)
        EXPECT_EQ(static_cast<unsigned char>(bytes[i]), kContentKey[i % 10]);
}

TEST(Descramble, MissingSourceDoesNothing)
{
    TempDir dir;
    writeFile(dir / "out.bmp", "keep");
    DescrambleFile(dir / "none.bmp", dir / "out.bmp");
    EXPECT_EQ(readFile(dir / "out.bmp"), "keep");
}

TEST(Descramble, UnwritableTargetIsAnError)
{
    TempDir dir;
    writeFile(dir / "in.bmp", "abc");
    EXPECT_THROW(DescrambleFile(dir / "in.bmp", dir / "no-folder" / "out.bmp"), StoreError);
}

} // namespace
