// The formula key and the key picture of the formula library.
#include "picture.h"
#include "store/scramble.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace holvane;

namespace {

TEST(FormulaKey, XorsByteByByteAndUsesTheKeyAgainBeyond180Bytes)
{
    const std::string zeros(400, '\0');
    const std::string key = store::scrambleFormula(zeros);
    for (size_t i = 0; i < zeros.size(); ++i)
        ASSERT_EQ(static_cast<unsigned char>(key[i]), store::kFormulaKey[i % 180]) << i;
    const std::string formula = "P=F/A";
    EXPECT_EQ(store::scrambleFormula(store::scrambleFormula(formula)), formula);
}

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    return image;
}

class KeyPictureSizes : public testing::TestWithParam<std::pair<int, int>> { };

TEST_P(KeyPictureSizes, XorsThePixelsInsideTheKeyRectangleOnly)
{
    const auto [width, height] = GetParam();
    const std::string plain = pack::bmpBytes(gradient(width, height));
    std::string scrambled = plain;
    ASSERT_TRUE(store::scramblePicture(scrambled));
    ASSERT_EQ(scrambled.size(), plain.size());
    EXPECT_EQ(scrambled.substr(0, 54), plain.substr(0, 54)) << "the header stays readable";

    const QImage a = QImage::fromData(reinterpret_cast<const uchar *>(plain.data()), static_cast<int>(plain.size()));
    const QImage b
        = QImage::fromData(reinterpret_cast<const uchar *>(scrambled.data()), static_cast<int>(scrambled.size()));
    const auto &key = store::keyPicture();
    for (int y = 0; y < height; y += 7)
        for (int x = 0; x < width; x += 5) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (x < store::kKeyPictureWidth && y < store::kKeyPictureHeight) {
                const size_t k = 3 * (static_cast<size_t>(y) * store::kKeyPictureWidth + static_cast<size_t>(x));
                ASSERT_EQ(qBlue(p) ^ key[k], qBlue(q)) << x << "," << y;
                ASSERT_EQ(qGreen(p) ^ key[k + 1], qGreen(q)) << x << "," << y;
                ASSERT_EQ(qRed(p) ^ key[k + 2], qRed(q)) << x << "," << y;
            } else {
                ASSERT_EQ(p, q) << x << "," << y;
            }
        }
    ASSERT_TRUE(store::scramblePicture(scrambled));
    EXPECT_EQ(scrambled, plain);
}

// Smaller than the key, the key's size, larger in each direction; odd widths
// have padded rows.
INSTANTIATE_TEST_SUITE_P(Sizes, KeyPictureSizes,
    testing::Values(std::pair { 1, 1 }, std::pair { 37, 21 }, std::pair { 400, 250 }, std::pair { 401, 300 },
        std::pair { 513, 120 }, std::pair { 90, 611 }));

TEST(KeyPicture, RefusesWhatIsNoUncompressed24BitBitmap)
{
    std::string bmp = pack::bmpBytes(gradient(10, 10));
    const std::vector<std::pair<const char *, std::string>> bad = {
        { "empty", std::string() },
        { "not BMP", "PNG" + std::string(100, 'x') },
        { "32-bit", std::string(bmp).replace(28, 2, std::string("\x20\x00", 2)) },
        { "compressed", std::string(bmp).replace(30, 4, std::string("\x01\x00\x00\x00", 4)) },
        { "truncated pixels", bmp.substr(0, bmp.size() - 10) },
        { "offset beyond the end", std::string(bmp).replace(10, 4, std::string("\xff\xff\x00\x00", 4)) },
    };
    for (const auto &[what, bytes] : bad) {
        std::string copy = bytes;
        EXPECT_FALSE(store::scramblePicture(copy)) << what;
        EXPECT_EQ(copy, bytes) << what;
    }
}

TEST(KeyPicture, IsTheSameEveryTime)
{
    const auto &key = store::keyPicture();
    EXPECT_EQ(key.size(), 3u * 400 * 250);
    EXPECT_EQ(&key, &store::keyPicture());
    size_t zeros = 0;
    for (unsigned char b : key)
        zeros += b == 0;
    EXPECT_LT(zeros, key.size() / 100) << "a key of mostly zero bytes would hide nothing";
}

} // namespace
