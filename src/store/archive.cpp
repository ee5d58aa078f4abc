#include "store/archive.h"

#include "store/names.h"
#include "store/storeerror.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <zip.h>

namespace holvane::store {
namespace {

struct ZipCloser {
    void operator()(zip_t *z) const { zip_discard(z); }
};
struct ZipFileCloser {
    void operator()(zip_file_t *f) const { zip_fclose(f); }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;
using ZipFilePtr = std::unique_ptr<zip_file_t, ZipFileCloser>;

std::string archiveLabel(const std::filesystem::path &archive)
{
    return "压缩包“" + archive.string() + "”";
}

// libzip turns every member's time into local time while it reads the
// directory; with TZ unset glibc looks at /etc/localtime again for each one,
// which makes opening a large archive several times slower. Naming the same
// zone explicitly lets glibc read it once.
void keepTimeZoneLookupCheap()
{
    static const bool done = [] {
        if (!std::getenv("TZ"))
            setenv("TZ", ":/etc/localtime", 0);
        return true;
    }();
    (void)done;
}

// Null when the archive does not exist.
ZipPtr openArchive(const std::filesystem::path &archive)
{
    keepTimeZoneLookupCheap();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(archive, ec))
        return nullptr;
    int err = 0;
    zip_t *z = zip_open(archive.c_str(), ZIP_RDONLY, &err);
    if (!z) {
        zip_error_t ze;
        zip_error_init_with_code(&ze, err);
        const std::string reason = zip_error_strerror(&ze);
        zip_error_fini(&ze);
        throw StoreError(archiveLabel(archive) + "已损坏或不是压缩包：" + reason);
    }
    return ZipPtr(z);
}

// The member's path parts; refuses names that would leave the target folder.
std::vector<std::string> safeParts(const std::filesystem::path &archive, const std::string &name)
{
    const auto refuse = [&] {
        throw StoreError(archiveLabel(archive) + "中的成员“" + name + "”指向目标目录之外，已拒绝");
    };
    if (name.empty() || name[0] == '/' || name[0] == '\\' || name.find('\0') != std::string::npos)
        refuse();
    if (name.size() >= 2 && name[1] == ':')
        refuse();
    std::vector<std::string> parts;
    std::string part;
    for (const char c : name + "/") {
        if (c == '/' || c == '\\') {
            if (part == "..")
                refuse();
            if (!part.empty() && part != ".")
                parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (parts.empty())
        refuse();
    return parts;
}

void checkSize(const std::filesystem::path &archive, const zip_stat_t &st, std::uint64_t total)
{
    const ArchiveLimits &lim = archiveLimits();
    const std::string name = st.name ? st.name : "?";
    const bool tooLarge = st.size > lim.maxMemberSize || total + st.size > lim.maxTotalSize;
    const bool tooDense = st.size > lim.ratioFloor && st.size / std::max<std::uint64_t>(st.comp_size, 1) > lim.maxRatio;
    if (tooLarge || tooDense)
        throw StoreError(archiveLabel(archive) + "中的成员“" + name + "”大小异常（" + std::to_string(st.size)
                         + " 字节，压缩后 " + std::to_string(st.comp_size) + " 字节），已拒绝");
}

// Writes a member to `target` through a temporary file renamed into place, so
// a failure never leaves a half-written target.
void extract(zip_t *z, const std::filesystem::path &archive, zip_uint64_t index, const zip_stat_t &st,
             const std::filesystem::path &target)
{
    ZipFilePtr in(zip_fopen_index(z, index, 0));
    if (!in)
        throw StoreError(archiveLabel(archive) + "无法读取成员“" + std::string(st.name) + "”：" + zip_strerror(z));
    const std::filesystem::path temp = target.string() + ".part";
    std::FILE *out = std::fopen(temp.c_str(), "wb");
    if (!out)
        throw StoreError("无法写入文件“" + target.string() + "”");
    char buffer[64 * 1024];
    std::uint64_t written = 0;
    bool ok = true;
    std::string failure;
    for (;;) {
        const zip_int64_t n = zip_fread(in.get(), buffer, sizeof buffer);
        if (n < 0) {
            ok = false;
            failure = archiveLabel(archive) + "的成员“" + std::string(st.name) + "”已损坏："
                + zip_file_strerror(in.get());
            break;
        }
        if (n == 0)
            break;
        written += static_cast<std::uint64_t>(n);
        if (written > st.size) {
            ok = false;
            failure = archiveLabel(archive) + "的成员“" + std::string(st.name) + "”大小与记录不符";
            break;
        }
        if (std::fwrite(buffer, 1, static_cast<size_t>(n), out) != static_cast<size_t>(n)) {
            ok = false;
            failure = "无法写入文件“" + target.string() + "”";
            break;
        }
    }
    if (std::fclose(out) != 0 && ok) {
        ok = false;
        failure = "无法写入文件“" + target.string() + "”";
    }
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(temp, target, ec);
        if (ec) {
            ok = false;
            failure = "无法写入文件“" + target.string() + "”";
        }
    }
    if (!ok) {
        std::filesystem::remove(temp, ec);
        throw StoreError(failure);
    }
}

bool statMember(zip_t *z, zip_uint64_t i, zip_stat_t &st)
{
    zip_stat_init(&st);
    return zip_stat_index(z, i, 0, &st) == 0 && st.name
        && (st.valid & ZIP_STAT_SIZE) && (st.valid & ZIP_STAT_COMP_SIZE);
}

// The files of the folders an existing-only restore looks into, each folder
// listed once and keyed by the lower-case name.
class ExistingFiles {
public:
    explicit ExistingFiles(std::filesystem::path root) : m_root(std::move(root)) {}

    // The existing entry for the member's path parts; empty when there is none.
    std::filesystem::path find(const std::vector<std::string> &parts)
    {
        std::filesystem::path dir = m_root;
        for (const std::string &part : parts) {
            const auto &entries = list(dir);
            const auto it = entries.find(asciiLower(part));
            if (it == entries.end())
                return {};
            dir = it->second;
        }
        return dir;
    }

private:
    const std::map<std::string, std::filesystem::path> &list(const std::filesystem::path &dir)
    {
        auto [it, added] = m_dirs.try_emplace(dir.string());
        if (added) {
            std::error_code ec;
            for (std::filesystem::directory_iterator d(dir, ec), end; !ec && d != end; d.increment(ec))
                it->second.try_emplace(asciiLower(d->path().filename().string()), d->path());
        }
        return it->second;
    }

    std::filesystem::path m_root;
    std::map<std::string, std::map<std::string, std::filesystem::path>> m_dirs;
};

std::string fileNameOf(const std::string &member)
{
    const size_t slash = member.find_last_of("/\\");
    return slash == std::string::npos ? member : member.substr(slash + 1);
}

} // namespace

const ArchiveLimits &archiveLimits()
{
    static const ArchiveLimits limits;
    return limits;
}

bool restoreArchive(const std::filesystem::path &archive, const std::filesystem::path &directory, RestoreMode mode)
{
    ZipPtr z = openArchive(archive);
    if (!z)
        return false;
    const zip_int64_t count = zip_get_num_entries(z.get(), 0);
    std::uint64_t total = 0;
    std::error_code ec;
    ExistingFiles existing(directory);
    if (mode == RestoreMode::All) {
        std::filesystem::create_directories(directory, ec);
        if (!std::filesystem::is_directory(directory, ec))
            throw StoreError("无法创建目录“" + directory.string() + "”");
    }
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (!statMember(z.get(), static_cast<zip_uint64_t>(i), st))
            throw StoreError(archiveLabel(archive) + "已损坏：无法读取第 " + std::to_string(i + 1) + " 个成员");
        const std::string name = st.name;
        const std::vector<std::string> parts = safeParts(archive, name);
        const bool isDirectory = name.back() == '/' || name.back() == '\\';
        std::filesystem::path target = directory;
        if (mode == RestoreMode::ExistingOnly) {
            if (isDirectory)
                continue;
            target = existing.find(parts);
            if (target.empty() || !std::filesystem::is_regular_file(target, ec))
                continue;
        } else {
            for (const std::string &p : parts)
                target /= p;
            if (isDirectory) {
                std::filesystem::create_directories(target, ec);
                continue;
            }
            std::filesystem::create_directories(target.parent_path(), ec);
        }
        checkSize(archive, st, total);
        total += st.size;
        extract(z.get(), archive, static_cast<zip_uint64_t>(i), st, target);
    }
    return true;
}

bool restoreMember(const std::filesystem::path &archive, const std::filesystem::path &target)
{
    const std::string wanted = target.filename().string();
    checkPlainName(wanted, "文件");
    ZipPtr z = openArchive(archive);
    if (!z)
        return false;
    const zip_int64_t count = zip_get_num_entries(z.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (!statMember(z.get(), static_cast<zip_uint64_t>(i), st))
            throw StoreError(archiveLabel(archive) + "已损坏：无法读取第 " + std::to_string(i + 1) + " 个成员");
        if (!equalsNoCase(fileNameOf(st.name), wanted))
            continue;
        checkSize(archive, st, 0);
        std::error_code ec;
        std::filesystem::create_directories(target.parent_path(), ec);
        extract(z.get(), archive, static_cast<zip_uint64_t>(i), st, target);
        return true;
    }
    return false;
}

std::vector<std::string> archiveMembers(const std::filesystem::path &archive)
{
    ZipPtr z = openArchive(archive);
    if (!z)
        throw StoreError(archiveLabel(archive) + "不存在");
    std::vector<std::string> names;
    const zip_int64_t count = zip_get_num_entries(z.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *n = zip_get_name(z.get(), static_cast<zip_uint64_t>(i), 0);
        names.emplace_back(n ? n : "");
    }
    return names;
}

ArchiveWriter::ArchiveWriter(std::filesystem::path archive) : m_archive(std::move(archive)) {}

ArchiveWriter::~ArchiveWriter() = default;

void ArchiveWriter::add(const std::string &name, std::string bytes)
{
    safeParts(m_archive, name);
    m_members.emplace_back(name, std::move(bytes));
}

void ArchiveWriter::commit()
{
    std::error_code ec;
    std::filesystem::remove(m_archive, ec);
    int err = 0;
    zip_t *z = zip_open(m_archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    if (!z)
        throw StoreError("无法创建" + archiveLabel(m_archive));
    ZipPtr guard(z);
    // DOS time of 2026-01-01 00:00: fixed, and free of the local time zone.
    constexpr zip_uint16_t kDosDate = ((2026 - 1980) << 9) | (1 << 5) | 1;
    for (const auto &[name, bytes] : m_members) {
        zip_source_t *src = zip_source_buffer(z, bytes.data(), bytes.size(), 0);
        if (!src)
            throw StoreError("无法创建" + archiveLabel(m_archive) + "：" + zip_strerror(z));
        const zip_int64_t idx = zip_file_add(z, name.c_str(), src, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (idx < 0) {
            zip_source_free(src);
            throw StoreError("无法向" + archiveLabel(m_archive) + "添加“" + name + "”：" + zip_strerror(z));
        }
        zip_set_file_compression(z, static_cast<zip_uint64_t>(idx), ZIP_CM_DEFLATE, 9);
        zip_file_set_dostime(z, static_cast<zip_uint64_t>(idx), 0, kDosDate, 0);
    }
    if (zip_close(z) != 0)
        throw StoreError("无法写入" + archiveLabel(m_archive) + "：" + zip_strerror(z));
    guard.release();
}

} // namespace holvane::store
