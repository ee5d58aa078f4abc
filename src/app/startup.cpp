#include "app/startup.h"

#include "store/aliasregistry.h"
#include "store/table.h"

namespace holvane::app {

const std::vector<AliasEntry> &aliasTable()
{
    static const std::vector<AliasEntry> table = {
        {"jMydb", "database"}, {"jdat", "dat"},       {"j212dat", "212dat312"},
        {"jsjjdat", "result"}, {"jsjdat", "sjdata"}, {"jgsdat", "计算器/data"},
    };
    return table;
}

std::vector<std::string> registerAliases(store::AliasRegistry &aliases, const std::filesystem::path &appDir)
{
    std::vector<std::string> added;
    for (const AliasEntry &entry : aliasTable()) {
        if (aliases.contains(entry.name))
            continue;
        aliases.add(entry.name, appDir / std::filesystem::u8path(entry.directory));
        added.push_back(entry.name);
    }
    return added;
}

void emptyHistory(const store::AliasRegistry &aliases)
{
    store::Table history;
    history.setAlias(aliases, "jMydb", "History.DB");
    history.setExclusive(true);
    history.open();
    history.emptyTable();
    history.close();
}

} // namespace holvane::app
