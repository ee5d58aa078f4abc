#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace holvane::store {
class AliasRegistry;
}

namespace holvane::app {

inline constexpr const char *kProgramTitle = "Holvane软件版V1.0";
inline constexpr const char *kLockName = "Holvane软件版VR1.0";
inline constexpr const char *kAlreadyRunning = "此程序已启动";
inline constexpr const char *kAlreadyRunningCaption = "注意!";
inline constexpr int kDefaultSplashWaitMs = 2000;

struct AliasEntry {
    const char *name;
    const char *directory; // under AppDir
};

// The six aliases the program opens its tables through, in registering order.
const std::vector<AliasEntry> &aliasTable();

// Adds each alias of the table that the registry does not know under any
// case of its name, pointing into `appDir`; aliases already known are left
// as they are. Returns the names added.
std::vector<std::string> registerAliases(store::AliasRegistry &aliases, const std::filesystem::path &appDir);

// Opens the navigation history exclusively and empties it: every run starts
// with an empty history.
void emptyHistory(const store::AliasRegistry &aliases);

} // namespace holvane::app
