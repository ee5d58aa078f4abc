#pragma once

#include <QImage>

#include <filesystem>
#include <string>

namespace holvane::pack {

// Picture sources: SVG drawings, rasterised at their own size on white, and
// raster files (PNG, JPEG, BMP, GIF). Output pictures are 24-bit BMP files.
bool isPictureFile(const std::filesystem::path &file);

// The picture of a file; a null image when it does not decode.
QImage loadPicture(const std::filesystem::path &file);

// The image as a 24-bit uncompressed BMP file, bottom-up rows.
std::string bmpBytes(const QImage &image);

} // namespace holvane::pack
