#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace holvane::pack {

// A UTF-8 source file split into lines, named in messages by its path relative
// to the source folder.
class SourceText {
public:
    struct Line {
        int number;
        std::string text;
    };

    SourceText(const std::filesystem::path &root, const std::filesystem::path &file);

    const std::string &name() const { return m_name; }
    const std::filesystem::path &path() const { return m_path; }
    const std::vector<Line> &lines() const { return m_lines; }

    // Throws PackError naming this file and the line.
    [[noreturn]] void fail(int line, const std::string &message) const;

private:
    std::filesystem::path m_path;
    std::string m_name;
    std::vector<Line> m_lines;
};

// Reads a whole file; PackError (naming `name`) when it cannot.
std::string readSourceFile(const std::filesystem::path &path, const std::string &name);

// The path of `file` relative to `root`, with "/" between its parts.
std::string relativeName(const std::filesystem::path &root, const std::filesystem::path &file);

// Undoes the escapes of a source value: \n newline, \t tab, \| bar, \@ at,
// \\ backslash. False for any other escape or a lone trailing backslash.
bool unescapeValue(std::string_view text, std::string &out);

// Surrounding spaces removed.
std::string_view trimSpaces(std::string_view text);

} // namespace holvane::pack
