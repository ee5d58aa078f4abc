#include "filereference.h"

#include "picture.h"
#include "text/gbk.h"

namespace holvane::pack {

bool isFileReference(std::string_view value)
{
    return !value.empty() && value.front() == '@';
}

std::filesystem::path resolveReference(const SourceText &source, int line, std::string_view value)
{
    const std::string name(trimSpaces(value.substr(1)));
    const std::filesystem::path relative(name);
    bool plain = !name.empty() && relative.is_relative() && name.find('\\') == std::string::npos;
    for (const auto &part : relative)
        plain = plain && part != "..";
    if (!plain)
        source.fail(line, "文件引用“" + name + "”应为源文件所在目录之下的相对路径，不能含“..”");
    const std::filesystem::path file = source.path().parent_path() / relative;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        source.fail(line, "引用的文件“" + name + "”不存在");
    return file;
}

std::string referencedPicture(const SourceText &source, int line, std::string_view value)
{
    const std::filesystem::path file = resolveReference(source, line, value);
    if (!isPictureFile(file))
        source.fail(line, "“" + file.filename().string() + "”不是图片文件（svg、png、jpg、bmp、gif）");
    const QImage image = loadPicture(file);
    if (image.isNull())
        source.fail(line, "图片“" + file.filename().string() + "”无法解码");
    return bmpBytes(image);
}

std::string referencedText(const SourceText &source, int line, std::string_view value)
{
    const std::filesystem::path file = resolveReference(source, line, value);
    const std::string bytes = readSourceFile(file, file.filename().string());
    if (!text::isValidUtf8(bytes))
        source.fail(line, "文本文件“" + file.filename().string() + "”不是有效的 UTF-8");
    return bytes;
}

} // namespace holvane::pack
