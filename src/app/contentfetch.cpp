#include "app/contentfetch.h"

#include "store/archive.h"
#include "store/names.h"
#include "store/scramble.h"
#include "store/storeerror.h"

#include <unistd.h>

namespace holvane::app {

namespace fs = std::filesystem;

namespace {

// A folder of the work folder that only this fetch uses; removed when done.
class ScratchFolder {
public:
    explicit ScratchFolder(const fs::path &parent)
        : m_path(parent / (".fetch-" + std::to_string(::getpid())))
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
        fs::create_directories(m_path);
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    const fs::path &path() const { return m_path; }

private:
    fs::path m_path;
};

fs::path existingArchive(const fs::path &appDir, const std::string &archive)
{
    const fs::path path = appDir / "bkdata" / fs::u8path(archive);
    if (!fs::is_regular_file(path))
        throw store::StoreError("找不到档案文件“" + path.u8string() + "”");
    return path;
}

} // namespace

fs::path FetchPicture(const fs::path &appDir, const std::string &archive, const std::string &folder,
                      const std::string &placeholder, const std::string &output, const std::string &key)
{
    store::checkPlainName(key, "图片");
    const fs::path dir = appDir / fs::u8path(folder);
    const fs::path ph = dir / fs::u8path(placeholder);
    const fs::path source = existingArchive(appDir, archive);
    if (!fs::exists(ph))
        throw store::StoreError("缺少占位文件“" + ph.u8string() + "”");
    {
        ScratchFolder scratch(dir);
        const fs::path fetched = scratch.path() / fs::u8path(key + ".bmp");
        if (store::restoreMember(source, fetched)) {
            std::error_code ec;
            fs::rename(fetched, ph, ec);
            if (ec)
                throw store::StoreError("无法写入“" + ph.u8string() + "”：" + ec.message());
        }
    }
    const fs::path out = dir / fs::u8path(output);
    store::DescrambleFile(ph, out);
    return out;
}

fs::path fetchTextPage(const fs::path &appDir, const std::string &key)
{
    store::checkPlainName(key, "文本页");
    const fs::path source = existingArchive(appDir, "myhtm.dat");
    const fs::path dir = appDir / "txt";
    fs::create_directories(dir);
    for (const auto &entry : fs::directory_iterator(dir))
        fs::remove_all(entry.path());
    const fs::path inner = dir / fs::u8path(key + ".dat");
    if (store::restoreMember(source, inner))
        store::restoreArchive(inner, dir, store::RestoreMode::All);
    return dir / fs::u8path(key + ".htm");
}

} // namespace holvane::app
