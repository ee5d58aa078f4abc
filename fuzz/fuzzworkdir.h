#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// A private folder for one fuzzing process, made on first use, where each
// input is written as a file before it is read back.
inline const std::filesystem::path &fuzzWorkDir(const char *name)
{
    static const std::filesystem::path dir = [name] {
        const std::string leaf = std::string("holvane-fuzz-") + name + "-XXXXXX";
        std::string pattern = (std::filesystem::temp_directory_path() / leaf).string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return std::filesystem::path(pattern);
    }();
    return dir;
}
