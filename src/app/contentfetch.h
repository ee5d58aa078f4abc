#pragma once

#include <filesystem>
#include <string>

// Fetching a page's content out of the archives under AppDir/bkdata into the
// work folders. Every key is checked first: one holding a path separator or
// ".." is refused (StoreError) before any file is renamed, written or erased.
namespace holvane::app {

// Restores the picture `key`.bmp of `archive` into `folder` and descrambles it
// into `output`; returns the output's path. The placeholder keeps the picture
// fetched last: a key whose member is missing gives that picture again. The
// member is restored into a private folder and moved over the placeholder in
// one rename, so the placeholder is never missing, whenever the program dies.
std::filesystem::path FetchPicture(const std::filesystem::path &appDir, const std::string &archive,
                                   const std::string &folder, const std::string &placeholder,
                                   const std::string &output, const std::string &key);

// The text page `key`: empties AppDir/txt, restores `key`.dat from myhtm.dat
// into it and unpacks that inner archive there; returns the path of
// `key`.htm (which may be missing when the archive does not hold the page).
std::filesystem::path fetchTextPage(const std::filesystem::path &appDir, const std::string &key);

} // namespace holvane::app
