#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace holvane::store {

// The engine's named directories ("jMydb", "jdat", ...), kept in a small text
// file beside the program so each installed copy has its own. One alias a
// line: name, directory and driver separated by tabs. Names compare without
// regard to case.
class AliasRegistry {
public:
    struct Alias {
        std::string name;
        std::filesystem::path directory;
        std::string driver;
    };

    // Reads the file when it exists; a line that is not an alias is an error
    // naming the file and line.
    explicit AliasRegistry(std::filesystem::path file);

    const std::filesystem::path &file() const { return m_file; }
    std::vector<std::string> names() const;
    bool contains(std::string_view name) const;
    // The alias's directory; an unknown alias is an error.
    std::filesystem::path directory(std::string_view name) const;
    const Alias *find(std::string_view name) const;

    // Adds a standard alias and saves the file (written whole, then renamed
    // over the old one). Adding a name that exists is an error.
    void add(const std::string &name, const std::filesystem::path &directory, const std::string &driver = "Paradox");

private:
    void save() const;

    std::filesystem::path m_file;
    std::vector<Alias> m_aliases;
};

} // namespace holvane::store
