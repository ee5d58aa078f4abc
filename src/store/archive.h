#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The content archives (ZIP). Members are matched on their file name without
// regard to case. No member is ever written outside its target directory, and
// a member whose size or compression ratio is absurd is refused: both are
// StoreErrors, as is an archive that is not a readable ZIP file.
namespace holvane::store {

enum class RestoreMode {
    All,         // every member, directories created
    ExistingOnly // a member only over a file of its name that exists
};

// Restores the archive into `directory`. A missing archive writes nothing and
// returns false.
bool restoreArchive(const std::filesystem::path &archive, const std::filesystem::path &directory,
                    RestoreMode mode);

// Writes the member whose file name equals the target's file name (without
// regard to case, path ignored) to `target`. True only when the archive was
// read and the member written; false for a missing archive or member.
bool restoreMember(const std::filesystem::path &archive, const std::filesystem::path &target);

// The member names, in archive order.
std::vector<std::string> archiveMembers(const std::filesystem::path &archive);

// Limits that keep a hostile archive from filling the disk.
struct ArchiveLimits {
    std::uint64_t maxMemberSize = 512ull << 20;
    std::uint64_t maxTotalSize = 2ull << 30;
    // A member larger than `ratioFloor` bytes may be at most this many times
    // its compressed size.
    std::uint64_t maxRatio = 1000;
    std::uint64_t ratioFloor = 1 << 20;
};
const ArchiveLimits &archiveLimits();

// Writes a new archive, members in the order added, with fixed times so the
// same members give the same bytes.
class ArchiveWriter {
public:
    explicit ArchiveWriter(std::filesystem::path archive);
    ~ArchiveWriter();
    ArchiveWriter(const ArchiveWriter &) = delete;
    ArchiveWriter &operator=(const ArchiveWriter &) = delete;

    // A member name is a relative path with "/" between its parts.
    void add(const std::string &name, std::string bytes);
    // Writes the file; throws StoreError when it cannot.
    void commit();

private:
    std::filesystem::path m_archive;
    std::vector<std::pair<std::string, std::string>> m_members;
};

} // namespace holvane::store
